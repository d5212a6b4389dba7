// SPDX-License-Identifier: MIT
// Which language the window speaks for what a session and its command line ask, by the
// cases the page plays too; the table of languages the build made; and the program's
// compiled catalogues as it reads them.

#include "form/gettextcatalogue.h"
#include "form/language.h"
#include "qt/language.h"

#include <QCollator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <array>

#include <cstdint>

namespace {

QJsonObject scenarioTable(const QString &name)
{
    QFile file(QStringLiteral(ROVALIN_SCENARIOS "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    return QJsonDocument::fromJson(file.readAll()).object();
}

QStringList strings(const QJsonValue &array)
{
    QStringList list;
    for (const auto &value : array.toArray())
        list.append(value.toString());
    return list;
}

// A catalogue as msgfmt writes one, of the texts given in order (the header first, as
// the empty text), in either byte order.
QByteArray msgfmtBytes(const QList<std::pair<QByteArray, QByteArray>> &texts, bool bigEndian)
{
    QByteArray bytes;
    const auto word = [&bytes, bigEndian](std::uint32_t value) {
        for (int index = 0; index < 4; ++index) {
            const int shift = 8 * (bigEndian ? 3 - index : index);
            bytes.append(static_cast<char>((value >> shift) & 0xFFU));
        }
    };
    const auto count = static_cast<std::uint32_t>(texts.size());
    const std::uint32_t originals = 28;
    const std::uint32_t translations = originals + 8 * count;
    word(0x950412deU);
    word(0);
    word(count);
    word(originals);
    word(translations);
    word(0);
    word(0);
    QByteArray strings;
    std::uint32_t at = translations + 8 * count;
    // Where each original text lies, then each translation: its length and offset.
    std::array<QList<std::pair<std::uint32_t, std::uint32_t>>, 2> places;
    for (const std::size_t side : {0U, 1U}) {
        for (const auto &[original, translation] : texts) {
            const QByteArray &text = side == 0 ? original : translation;
            places.at(side).append({static_cast<std::uint32_t>(text.size()), at});
            strings.append(text).append('\0');
            at += static_cast<std::uint32_t>(text.size()) + 1;
        }
    }
    for (const auto &side : places) {
        for (const auto &[length, offset] : side) {
            word(length);
            word(offset);
        }
    }
    return bytes + strings;
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void chosen_data();
    void chosen();
    void requestedInGettextsOrder_data();
    void requestedInGettextsOrder();
    void tableOfLanguages();
    void compiledCatalogue_data();
    void compiledCatalogue();

private:
    Language::Table languages;
};

void TestLanguage::initTestCase()
{
    languages = programLanguages();
    QVERIFY(languages.find(languages.source) != nullptr);
    QVERIFY(languages.find(languages.fallback) != nullptr);
}

void TestLanguage::chosen_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QStringList>("session");
    QTest::addColumn<QString>("speaks");
    for (const auto &row : scenarioTable(QStringLiteral("languagechoice.json"))[u"cases"].toArray()) {
        const QJsonObject scenario = row.toObject();
        QTest::newRow(qPrintable(scenario[u"case"].toString()))
            << scenario[u"given"].toString() << strings(scenario[u"session"]) << scenario[u"speaks"].toString();
    }
}

// The window's own choice: the command line's language, then the session's list in
// LANGUAGE, the locale's variables unset.
void TestLanguage::chosen()
{
    QFETCH(QString, given);
    QFETCH(QStringList, session);
    QFETCH(QString, speaks);
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        qunsetenv(variable);
    qputenv("LANGUAGE", session.join(u':').toUtf8());
    QCOMPARE(QString::fromStdString(chooseLanguage(given, languages).code), speaks);
}

void TestLanguage::requestedInGettextsOrder_data()
{
    QTest::addColumn<QStringList>("variables"); // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
    QTest::addColumn<QStringList>("asked");

    QTest::newRow("LANGUAGE's list first, then LC_ALL")
        << QStringList{"de:en", "fr_FR", "it_IT", "es_ES"} << QStringList{"de", "en", "fr_FR"};
    QTest::newRow("LC_MESSAGES when LC_ALL is not set") << QStringList{"", "", "it_IT", "es_ES"} << QStringList{"it_IT"};
    QTest::newRow("LANG last") << QStringList{"", "", "", "es_ES.UTF-8"} << QStringList{"es_ES.UTF-8"};
    QTest::newRow("LANGUAGE under the C locale too") << QStringList{"en", "", "", "C"} << QStringList{"en", "C"};
    QTest::newRow("nothing set") << QStringList{"", "", "", ""} << QStringList{};
}

void TestLanguage::requestedInGettextsOrder()
{
    QFETCH(QStringList, variables);
    QFETCH(QStringList, asked);
    QStringList got;
    for (const std::string &name : Language::requested(variables[0].toStdString(), variables[1].toStdString(),
                                                         variables[2].toStdString(), variables[3].toStdString()))
        got.append(QString::fromStdString(name));
    QCOMPARE(got, asked);
}

// The table the build made, against what the tests state for themselves: each
// language's direction, a name of its own, a browser's tag, and the order a pupil
// reads a list in.
void TestLanguage::tableOfLanguages()
{
    const QStringList rightToLeft = strings(scenarioTable(QStringLiteral("languages.json"))[u"rightToLeft"]);
    QStringList names;
    for (const Language::Entry &language : languages.languages) {
        const QString code = QString::fromStdString(language.code);
        QCOMPARE(language.rightToLeft, rightToLeft.contains(code));
        QCOMPARE(QString::fromStdString(language.tag), QString(code).replace(u'_', u'-'));
        QVERIFY2(!language.name.empty() && (language.name != "English" || language.code == languages.source),
                 qPrintable(code));
        names.append(QString::fromStdString(language.name));
    }
    QCOMPARE(names.size(), QSet<QString>(names.begin(), names.end()).size());
    QCollator collator{QLocale(QLocale::English)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    QStringList sorted = names;
    std::stable_sort(sorted.begin(), sorted.end(), collator);
    QCOMPARE(names, sorted);
}

void TestLanguage::compiledCatalogue_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("check"); // what "Check" reads in it; empty for no catalogue

    const QList<std::pair<QByteArray, QByteArray>> texts{
        {"", "Content-Type: text/plain; charset=UTF-8\n"},
        {"Check", "Провери"},
        {"Clear", "Чисти"},
        {"menu\x04" "Check", "Отметка"},
        {QByteArray("%s number\0%s numbers", 19), QByteArray("%s число\0%s числа", 25)},
    };
    const QByteArray little = msgfmtBytes(texts, false);
    QTest::newRow("as msgfmt writes it") << little << "Провери";
    QTest::newRow("in the other byte order") << msgfmtBytes(texts, true) << "Провери";
    QTest::newRow("without the text") << msgfmtBytes({texts[0], texts[2]}, false) << "Check";
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("not a catalogue") << QByteArray("msgid \"Check\"\nmsgstr \"Провери\"\n") << "";
    QTest::newRow("cut inside its header") << little.left(18) << "";
    QTest::newRow("cut inside its tables") << little.left(40) << "";
    QTest::newRow("cut inside its texts") << little.left(little.size() - 30) << "";
    QByteArray pastTheEnd = little;
    pastTheEnd[13] = '\x7f'; // the table of the texts beyond the end
    QTest::newRow("a table past the end") << pastTheEnd << "";
    QByteArray tooMany = little;
    tooMany[10] = '\x7f'; // millions of texts in a few bytes
    QTest::newRow("more texts than bytes") << tooMany << "";
    QByteArray laterRevision = little;
    laterRevision[6] = '\x02'; // revision 2.0, laid out otherwise
    QTest::newRow("a revision it does not know") << laterRevision << "";
}

// A catalogue file, however broken, gives its texts or none, and never more than it
// holds: the plural's singular and no text of another context.
void TestLanguage::compiledCatalogue()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, check);
    const std::optional<GettextCatalogue> catalogue =
        GettextCatalogue::parsed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                 Language::Entry{"bg", "bg", false, "Български"});
    QCOMPARE(catalogue.has_value(), !check.isEmpty());
    if (!catalogue)
        return;
    QCOMPARE(QString::fromStdString(catalogue->translate("Check")), check);
    const QString plural = check == u"Check" ? QStringLiteral("%s number") : QStringLiteral("%s число");
    QCOMPARE(QString::fromStdString(catalogue->translate("%s number")), plural);
    QCOMPARE(catalogue->translate("Unknown"), std::string("Unknown"));
    QCOMPARE(catalogue->translate(""), std::string());
}

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
