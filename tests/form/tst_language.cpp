// SPDX-License-Identifier: MIT
// Which language the program speaks for what a session or a browser asks.

#include "form/language.h"

#include <QTest>

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void chosen_data();
    void chosen();
    void requestedInGettextsOrder_data();
    void requestedInGettextsOrder();
};

void TestLanguage::chosen_data()
{
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QString>("language");

    // The program has catalogues for Bulgarian and Brazilian Portuguese, and English,
    // the language of its sources, needs none.
    QTest::newRow("nothing asked: Bulgarian") << QStringList{} << "bg";
    QTest::newRow("the C locale asks for nothing") << QStringList{"C.UTF-8", "POSIX", "C"} << "bg";
    QTest::newRow("a language it has") << QStringList{"en"} << "en";
    QTest::newRow("a language it lacks: Bulgarian") << QStringList{"de_DE.UTF-8"} << "bg";
    QTest::newRow("the first it has, in order") << QStringList{"de", "en", "bg"} << "en";
    QTest::newRow("a country's language, without the country") << QStringList{"en_GB.UTF-8"} << "en";
    QTest::newRow("a browser's tag") << QStringList{"en-US"} << "en";
    QTest::newRow("the country's own catalogue first") << QStringList{"pt-BR"} << "pt_BR";
    QTest::newRow("a modifier is no part of the name") << QStringList{"bg_BG.UTF-8@latin"} << "bg";
    QTest::newRow("another country of a language it has only for one") << QStringList{"pt_PT"} << "bg";
    QTest::newRow("a tag in capitals") << QStringList{"EN"} << "en";
    QTest::newRow("a country in small letters, named as its catalogue") << QStringList{"pt-br"} << "pt_BR";
    QTest::newRow("a language in capitals, its country in small letters") << QStringList{"PT_br.UTF-8"} << "pt_BR";
    QTest::newRow("a locale in capitals, without the country") << QStringList{"BG_BG"} << "bg";
}

void TestLanguage::chosen()
{
    QFETCH(QStringList, asked);
    QFETCH(QString, language);
    std::vector<std::string> names;
    for (const QString &name : asked)
        names.push_back(name.toStdString());
    const std::vector<std::string> available{"bg", "pt_BR"};
    QCOMPARE(QString::fromStdString(Language::chosen(names, available)), language);
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

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
