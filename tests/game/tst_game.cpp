// SPDX-License-Identifier: MIT
#include "gamefixture.h"

#include <QTest>

#include <string>
#include <vector>

namespace {

std::vector<std::string> secondList(const std::vector<int> &leftOut)
{
    std::vector<std::string> texts;
    for (int number = 50; number <= 99; ++number) {
        if (std::find(leftOut.begin(), leftOut.end(), number) == leftOut.end())
            texts.push_back(std::to_string(number));
    }
    return texts;
}

QStringList lines(const std::string &text)
{
    return QString::fromStdString(text).split(QStringLiteral("\r\n"));
}

} // namespace

class TestGame : public QObject
{
    Q_OBJECT

private slots:
    void newGameResetsTheForm();
    void typicalGame();
    void wrongGuess();
    void secondListLeavesOutMultiples_data();
    void secondListLeavesOutMultiples();
    void remainderMayExceedHalf();
    void laterPicksChangeNothing();
    void countingPicksNeverFails();
    void noSelectionIsNoPick();
    void transcripts_data();
    void transcripts();
};

void TestGame::newGameResetsTheForm()
{
    GameFixture fixture(7);
    const MemoryForm &form = fixture.form;

    QCOMPARE(form.items(), MemoryForm::numberTexts(20, 49));
    QCOMPARE(form.list1ListIndex(), -1);
    for (int box = 0; box <= 2; ++box)
        QVERIFY(form.text2(box).empty());
    QVERIFY(!form.text2Locked());
    QCOMPARE(form.label1Caption(1), "Число 1:");
    QCOMPARE(form.label1Caption(2), "Число 2:");
    QCOMPARE(fixture.game.state().pickCount, 0);
    QCOMPARE(fixture.game.state().hiddenNumber, 7);
    QCOMPARE(fixture.game.phase(), Game::Phase::FirstQuestion);
    // The transcript box belongs to the window; a new game leaves it alone.
    QVERIFY(form.text1().empty());
}

void TestGame::typicalGame()
{
    GameFixture fixture(7);
    const MemoryForm &form = fixture.form;

    QVERIFY(fixture.pick(25));
    QCOMPARE(form.label1Caption(1), "25");
    QCOMPARE(form.text2(0), "4");
    QCOMPARE(form.items(), secondList({50, 75}));
    QCOMPARE(form.items().size(), 48U);
    QCOMPARE(form.list1ListIndex(), -1);
    QCOMPARE(fixture.game.phase(), Game::Phase::SecondQuestion);

    QVERIFY(fixture.pick(52));
    QCOMPARE(form.label1Caption(2), "52");
    QCOMPARE(form.text2(1), "3");
    QCOMPARE(form.items(), MemoryForm::numberTexts(1, 30));
    QCOMPARE(form.list1ListIndex(), -1);
    QCOMPARE(fixture.game.state().secondNumber, 52);

    fixture.game.ShowSolution();
    QCOMPARE(lines(form.text1()),
             QStringList({"Извеждам двете въведени числа и остатъците:", "25 - 4 = 21",
                          "52 - 3 = 49", "Решение чрез алгоритъм на Евклид:", "49 - 21",
                          "28 - 21", "21 - 7", "14 - 7", "НОД = 7"}));
    QCOMPARE(form.text2(2), "7");
    QVERIFY(form.text2Locked());

    QVERIFY(fixture.pick(7));
    QCOMPARE(form.text2(2), "Да 7");
    QCOMPARE(form.items(), MemoryForm::numberTexts(1, 30));
    QCOMPARE(form.list1Item(form.list1ListIndex()), "7");
    QCOMPARE(fixture.game.phase(), Game::Phase::Over);
}

void TestGame::wrongGuess()
{
    GameFixture fixture(7);
    QVERIFY(fixture.pick(25));
    QVERIFY(fixture.pick(52));
    QVERIFY(fixture.pick(8));
    QCOMPARE(fixture.form.text2(2), "Не");
    QCOMPARE(fixture.form.items(), MemoryForm::numberTexts(1, 30));
    QCOMPARE(fixture.form.list1Item(fixture.form.list1ListIndex()), "8");
}

void TestGame::secondListLeavesOutMultiples_data()
{
    QTest::addColumn<int>("firstPick");
    QTest::addColumn<std::vector<int>>("leftOut");

    QTest::newRow("20 leaves out 60 and 80") << 20 << std::vector<int>{60, 80};
    QTest::newRow("25 leaves out 50 and 75") << 25 << std::vector<int>{50, 75};
    QTest::newRow("33 leaves out 66 and 99") << 33 << std::vector<int>{66, 99};
    QTest::newRow("49 leaves out 98 only") << 49 << std::vector<int>{98};
}

void TestGame::secondListLeavesOutMultiples()
{
    QFETCH(int, firstPick);
    QFETCH(std::vector<int>, leftOut);
    GameFixture fixture(7);
    QVERIFY(fixture.pick(firstPick));
    QCOMPARE(fixture.form.items(), secondList(leftOut));
    QCOMPARE(fixture.game.state().firstNumber, double(firstPick));
}

void TestGame::remainderMayExceedHalf()
{
    GameFixture fixture(21);
    QVERIFY(fixture.pick(20));
    QCOMPARE(fixture.form.text2(0), "20");
}

void TestGame::laterPicksChangeNothing()
{
    GameFixture fixture(7);
    QVERIFY(fixture.pick(25));
    QVERIFY(fixture.pick(52));
    QVERIFY(fixture.pick(8));
    const int writes = fixture.form.writeCount();

    QVERIFY(fixture.pick(7));
    QVERIFY(fixture.pick(30));

    QCOMPARE(fixture.form.writeCount(), writes);
    QCOMPARE(fixture.form.text2(2), "Не");
    QCOMPARE(fixture.game.state().pickCount, 5);
}

void TestGame::countingPicksNeverFails()
{
    GameFixture fixture(7);
    QVERIFY(fixture.pick(25));
    QVERIFY(fixture.pick(52));
    QVERIFY(fixture.pick(7));
    const int writes = fixture.form.writeCount();

    // Far more picks than a 16-bit counter holds.
    for (int click = 0; click < 70000; ++click)
        fixture.game.pick();

    QCOMPARE(fixture.game.state().pickCount, 32767);
    QCOMPARE(fixture.form.writeCount(), writes);
    QCOMPARE(fixture.form.text2(2), "Да 7");
    fixture.game.ShowSolution();
    QCOMPARE(fixture.form.text2(2), "7");
}

void TestGame::noSelectionIsNoPick()
{
    GameFixture fixture(7);
    const int writes = fixture.form.writeCount();
    fixture.game.pick();
    QCOMPARE(fixture.game.state().pickCount, 0);
    QCOMPARE(fixture.form.writeCount(), writes);
}

void TestGame::transcripts_data()
{
    QTest::addColumn<int>("hidden");
    QTest::addColumn<int>("firstPick");
    QTest::addColumn<int>("secondPick");
    QTest::addColumn<QStringList>("tail");
    QTest::addColumn<QString>("divisor");

    QTest::newRow("equal differences: no subtraction line")
        << 20 << 45 << 51 << QStringList{"45 - 5 = 40", "51 - 11 = 40", "Решение чрез алгоритъм на Евклид:", "НОД = 40"}
        << "40";
    QTest::newRow("hidden 3 gives a multiple, 12")
        << 3 << 24 << 60
        << QStringList{"24 - 0 = 24", "60 - 0 = 60", "Решение чрез алгоритъм на Евклид:", "60 - 24",
                       "36 - 24", "24 - 12", "НОД = 12"}
        << "12";
    QTest::newRow("first difference 0 ends at once")
        << 21 << 20 << 52
        << QStringList{"20 - 20 = 0", "52 - 10 = 42", "Решение чрез алгоритъм на Евклид:", "НОД = 42"}
        << "42";
    QTest::newRow("first difference 0 against 21")
        << 21 << 20 << 63
        << QStringList{"20 - 20 = 0", "63 - 0 = 63", "Решение чрез алгоритъм на Евклид:", "НОД = 63"}
        << "63";
}

void TestGame::transcripts()
{
    QFETCH(int, hidden);
    QFETCH(int, firstPick);
    QFETCH(int, secondPick);
    QFETCH(QStringList, tail);
    QFETCH(QString, divisor);
    GameFixture fixture(hidden);
    QVERIFY(fixture.pick(firstPick));
    QVERIFY(fixture.pick(secondPick));

    fixture.game.ShowSolution();

    QCOMPARE(lines(fixture.form.text1()),
             QStringList{"Извеждам двете въведени числа и остатъците:"} + tail);
    QVERIFY(!fixture.form.text1().ends_with("\r\n"));
    QCOMPARE(QString::fromStdString(fixture.form.text2(2)), divisor);
    QVERIFY(fixture.form.text2Locked());
}

QTEST_GUILESS_MAIN(TestGame)
#include "tst_game.moc"
