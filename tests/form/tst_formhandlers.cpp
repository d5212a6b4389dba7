// SPDX-License-Identifier: MIT
// The form's handlers on an in-memory form: what loading the form, the buttons and a
// failing calculation do, the same for every front end.

#include "fixedfractions.h"
#include "memoryform.h"

#include "appinfo.h"
#include "form/formhandlers.h"
#include "form/formtexts.h"

#include <QTest>

#include <string>
#include <vector>

namespace {

// A loaded form whose first game hides 7 and whose second hides 11.
struct LoadedForm
{
    LoadedForm()
        : handlers(form, std::make_unique<FixedFractions>(std::deque<float>{
                             FixedFractions::drawing(7), FixedFractions::drawing(11)}))
    {
        handlers.Form_Load();
    }

    // The player picks the item showing text; the program puts it in the list first
    // when no list offers it.
    void pick(const QString &text)
    {
        const std::string item = text.toStdString();
        if (!form.selectItem(item)) {
            form.list1AddItem(item);
            form.selectItem(item);
        }
        handlers.List1_Click();
    }

    MemoryForm form;
    FormHandlers handlers;
};

enum class Outcome { Unchanged, Solved, NewGame };

QStringList phrases(const MemoryForm &form)
{
    QStringList texts;
    for (const std::string &phrase : form.announced())
        texts.append(QString::fromStdString(phrase));
    return texts;
}

} // namespace

class TestFormHandlers : public QObject
{
    Q_OBJECT

private slots:
    void loadingStartsTheFirstGame();
    void captionNamesTheSite_data();
    void captionNamesTheSite();
    void buttons_data();
    void buttons();
    void picksAreAnnounced_data();
    void picksAreAnnounced();
    void runTimeErrorIsReportedAndTheGameGoesOn_data();
    void runTimeErrorIsReportedAndTheGameGoesOn();
};

void TestFormHandlers::loadingStartsTheFirstGame()
{
    LoadedForm loaded;
    QCOMPARE(loaded.form.caption(), FormTexts::caption(AppInfo::siteAddress));
    QCOMPARE(loaded.handlers.game().state().hiddenNumber, 7);
    QCOMPARE(loaded.form.items(), MemoryForm::numberTexts(20, 49));
    QCOMPARE(loaded.form.label1Caption(1), "Число 1:");
    QVERIFY(loaded.form.errors().empty());
}

void TestFormHandlers::captionNamesTheSite_data()
{
    QTest::addColumn<QString>("siteAddress");
    QTest::addColumn<QString>("caption");

    QTest::newRow("no site address") << "" << "Ровалин";
    QTest::newRow("a site address, then one blank") << "www.rovalin.bg" << "www.rovalin.bg Ровалин";
}

void TestFormHandlers::captionNamesTheSite()
{
    QFETCH(QString, siteAddress);
    QFETCH(QString, caption);
    QCOMPARE(QString::fromStdString(FormTexts::caption(siteAddress.toStdString())), caption);
}

void TestFormHandlers::buttons_data()
{
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QList<int>>("pressed");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QStringList>("announced");

    QTest::newRow("Провери before any pick") << QStringList{} << QList{0} << Outcome::Unchanged << QStringList{};
    QTest::newRow("Провери after one pick") << QStringList{"25"} << QList{0} << Outcome::Unchanged << QStringList{};
    QTest::newRow("Провери after two picks")
        << QStringList{"25", "52"} << QList{0} << Outcome::Solved << QStringList{"НОД = 7"};
    QTest::newRow("Провери after the guess")
        << QStringList{"25", "52", "7"} << QList{0} << Outcome::Solved << QStringList{"НОД = 7"};
    QTest::newRow("Провери twice")
        << QStringList{"25", "52"} << QList{0, 0} << Outcome::Solved << QStringList{"НОД = 7", "НОД = 7"};
    QTest::newRow("Чисти at the start") << QStringList{} << QList{1} << Outcome::NewGame << QStringList{"Нова игра"};
    QTest::newRow("Чисти after one pick")
        << QStringList{"25"} << QList{1} << Outcome::NewGame << QStringList{"Нова игра"};
    QTest::newRow("Чисти after the solution")
        << QStringList{"25", "52"} << QList{0, 1} << Outcome::NewGame << QStringList{"НОД = 7", "Нова игра"};
    QTest::newRow("Чисти after the guess")
        << QStringList{"25", "52", "7"} << QList{1} << Outcome::NewGame << QStringList{"Нова игра"};
    QTest::newRow("a button index beyond the two")
        << QStringList{"25", "52"} << QList{2} << Outcome::Unchanged << QStringList{};
    QTest::newRow("a negative button index")
        << QStringList{"25", "52"} << QList{-1} << Outcome::Unchanged << QStringList{};
}

void TestFormHandlers::buttons()
{
    QFETCH(QStringList, picks);
    QFETCH(QList<int>, pressed);
    QFETCH(Outcome, outcome);
    QFETCH(QStringList, announced);
    LoadedForm loaded;
    const MemoryForm &form = loaded.form;
    for (const QString &number : picks)
        loaded.pick(number);
    const int writesBefore = form.writeCount();
    const auto announcedBefore = static_cast<qsizetype>(form.announced().size());

    for (const int index : pressed)
        loaded.handlers.Command1_Click(index);

    const GameState &state = loaded.handlers.game().state();
    switch (outcome) {
    case Outcome::Unchanged:
        QCOMPARE(form.writeCount(), writesBefore);
        break;
    case Outcome::Solved:
        QCOMPARE(form.text1(), "Извеждам двете въведени числа и остатъците:\r\n25 - 4 = 21\r\n52 - 3 = 49\r\n"
                               "Решение чрез алгоритъм на Евклид:\r\n49 - 21\r\n28 - 21\r\n21 - 7\r\n14 - 7\r\n"
                               "НОД = 7");
        QCOMPARE(form.text2(2), "7");
        QVERIFY(form.text2Locked());
        QCOMPARE(state.pickCount, static_cast<int>(picks.size()));
        break;
    case Outcome::NewGame:
        QCOMPARE(state.hiddenNumber, 11);
        QCOMPARE(state.pickCount, 0);
        QCOMPARE(form.items(), MemoryForm::numberTexts(20, 49));
        QCOMPARE(form.list1ListIndex(), -1);
        QCOMPARE(form.label1Caption(1), "Число 1:");
        QCOMPARE(form.label1Caption(2), "Число 2:");
        for (int box = 0; box <= 2; ++box)
            QVERIFY(form.text2(box).empty());
        QVERIFY(!form.text2Locked());
        QVERIFY(form.text1().empty());
        break;
    }
    QCOMPARE(phrases(form).mid(announcedBefore), announced);
    QVERIFY(form.errors().empty());
}

void TestFormHandlers::picksAreAnnounced_data()
{
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QStringList>("announced");

    QTest::newRow("both remainders, then a right guess")
        << QStringList{"25", "52", "7"} << QStringList{"Остатък 4", "Остатък 3", "Да 7"};
    QTest::newRow("a wrong guess; a pick after the game says nothing")
        << QStringList{"33", "60", "8", "9"} << QStringList{"Остатък 5", "Остатък 4", "Не"};
    QTest::newRow("a remainder of 0") << QStringList{"21"} << QStringList{"Остатък 0"};
}

void TestFormHandlers::picksAreAnnounced()
{
    QFETCH(QStringList, picks);
    QFETCH(QStringList, announced);
    LoadedForm loaded;
    for (const QString &number : picks)
        loaded.pick(number);
    QCOMPARE(phrases(loaded.form), announced);
}

void TestFormHandlers::runTimeErrorIsReportedAndTheGameGoesOn_data()
{
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("boxText");

    // No list offers such numbers, and the remainder boxes take no typing: only the
    // program itself could put them there.
    QTest::newRow("a second number beyond 16 bits") << QStringList{"25", "40000"} << -1 << "";
    QTest::newRow("a remainder beyond any number") << QStringList{"25", "52"} << 0 << "1e400";
    QTest::newRow("a difference beyond 16 bits") << QStringList{"25", "52"} << 1 << "-99999";
}

void TestFormHandlers::runTimeErrorIsReportedAndTheGameGoesOn()
{
    QFETCH(QStringList, picks);
    QFETCH(int, box);
    QFETCH(QString, boxText);
    LoadedForm loaded;
    MemoryForm &form = loaded.form;

    for (const QString &number : picks)
        loaded.pick(number);
    if (box >= 0) {
        form.setText2(box, boxText.toStdString());
        loaded.handlers.Command1_Click(0);
    }
    QCOMPARE(form.errors(), std::vector<std::string>{std::string(FormTexts::overflowError)});

    loaded.handlers.Command1_Click(1);
    // Hidden 11: 25 - 3 = 22 and 56 - 1 = 55.
    for (const QString &number : QStringList{"25", "56"})
        loaded.pick(number);
    loaded.handlers.Command1_Click(0);
    QVERIFY(form.text1().ends_with("НОД = 11"));
    QCOMPARE(form.errors().size(), 1U);
}

QTEST_GUILESS_MAIN(TestFormHandlers)
#include "tst_formhandlers.moc"
