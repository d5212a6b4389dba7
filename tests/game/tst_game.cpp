// SPDX-License-Identifier: MIT
// The game as an engine: the numbers each call returns and keeps, for the whole games
// of the shared table, and where the run-time errors strike.

#include "scenariotables.h"

#include "game/fractionsource.h"
#include "game/game.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

Offer offered(int first, int last)
{
    Offer numbers;
    for (int number = first; number <= last; ++number)
        numbers.push_back(number);
    return numbers;
}

// A game whose draws give the hidden numbers listed, in turn; the first game started.
struct StartedGame
{
    explicit StartedGame(std::vector<float> draws)
        : fractions(std::move(draws))
        , game(fractions)
    {
        outcome = game.NewGame();
    }

    FixedFractions fractions;
    Game game;
    NewGameOutcome outcome;
};

std::vector<float> drawing(int hidden)
{
    return {FixedFractions::drawing(hidden)};
}

} // namespace

class TestGame : public QObject
{
    Q_OBJECT

private slots:
    void gamesPlayOut_data();
    void gamesPlayOut();
    void newGameStartsOver();
    void solutionOnlyOnceBothQuestionsAreAsked_data();
    void solutionOnlyOnceBothQuestionsAreAsked();
    void countingPicksNeverFails();
    void runTimeErrorsStrikeWhereTheyDid_data();
    void runTimeErrorsStrikeWhereTheyDid();
};

void TestGame::gamesPlayOut_data()
{
    addGameRows();
}

void TestGame::gamesPlayOut()
{
    QFETCH(GameRow, game);
    StartedGame started(drawing(game.hidden));
    Game &engine = started.game;
    QCOMPARE(started.outcome.offer, offered(20, 49));
    QCOMPARE(engine.state().hiddenNumber, game.hidden);

    const PickOutcome first = engine.pick(game.picks[0]);
    QCOMPARE(first.phase, Phase::FirstQuestion);
    QCOMPARE(first.remainder, game.remainders[0]);
    Offer second = offered(50, 99);
    std::erase_if(second, [&game](int number) { return std::ranges::find(game.leftOut, number) != game.leftOut.end(); });
    QCOMPARE(first.offer, second);
    QCOMPARE(engine.state().offer, second);
    QVERIFY(!engine.ShowSolution());

    const PickOutcome secondPick = engine.pick(game.picks[1]);
    QCOMPARE(secondPick.phase, Phase::SecondQuestion);
    QCOMPARE(secondPick.remainder, game.remainders[1]);
    QCOMPARE(secondPick.offer, offered(1, 30));

    const std::optional<Solution> solution = engine.ShowSolution();
    QVERIFY(solution && !solution->error);
    for (const auto &[worked, expected] : {std::pair{solution->first, game.differences[0]},
                                           std::pair{solution->second, game.differences[1]}}) {
        QCOMPARE(worked.number, expected[0]);
        QCOMPARE(worked.remainder, expected[1]);
        QCOMPARE(worked.difference, expected[2]);
    }
    std::vector<Subtraction> steps;
    for (const auto &[larger, smaller] : game.subtractions)
        steps.push_back({double(larger), double(smaller)});
    QCOMPARE(solution->subtractions, steps);
    QCOMPARE(solution->divisor, game.divisor);

    const PickOutcome guess = engine.pick(game.picks[2]);
    QCOMPARE(guess.phase, Phase::Guess);
    QCOMPARE(guess.verdict, game.rightGuess ? Verdict::Right : Verdict::Wrong);
    QVERIFY(!guess.offer && !guess.remainder);
    QCOMPARE(engine.state().offer, offered(1, 30));
    // The solution can be asked for again after the guess, and it has not changed.
    QCOMPARE(engine.ShowSolution()->subtractions, steps);

    const PickOutcome later = engine.pick(game.picks[0]);
    QCOMPARE(later.phase, Phase::Over);
    QVERIFY(!later.offer && !later.remainder && !later.verdict);
    QCOMPARE(engine.state().pickCount, 4);
}

void TestGame::newGameStartsOver()
{
    StartedGame started({FixedFractions::drawing(7), FixedFractions::drawing(21)});
    Game &engine = started.game;
    static_cast<void>(engine.pick(25));
    static_cast<void>(engine.pick(52));

    const NewGameOutcome next = engine.NewGame();

    QCOMPARE(next.offer, offered(20, 49));
    QCOMPARE(engine.state().offer, offered(20, 49));
    QCOMPARE(engine.state().hiddenNumber, 21);
    QCOMPARE(engine.state().pickCount, 0);
    QCOMPARE(engine.phase(), Phase::FirstQuestion);
    QVERIFY(!engine.ShowSolution());
}

void TestGame::solutionOnlyOnceBothQuestionsAreAsked_data()
{
    QTest::addColumn<QList<int>>("picks");
    QTest::addColumn<bool>("solved");

    QTest::newRow("no pick") << QList<int>{} << false;
    QTest::newRow("one pick") << QList<int>{25} << false;
    QTest::newRow("two picks") << QList<int>{25, 52} << true;
    QTest::newRow("after the game") << QList<int>{25, 52, 3, 4} << true;
}

void TestGame::solutionOnlyOnceBothQuestionsAreAsked()
{
    QFETCH(QList<int>, picks);
    QFETCH(bool, solved);
    StartedGame started(drawing(7));
    for (const int number : picks)
        static_cast<void>(started.game.pick(number));
    QCOMPARE(started.game.ShowSolution().has_value(), solved);
}

void TestGame::countingPicksNeverFails()
{
    StartedGame started(drawing(7));
    Game &engine = started.game;
    for (const int number : {25, 52, 7})
        static_cast<void>(engine.pick(number));

    // Far more picks than a 16-bit counter holds.
    for (int click = 0; click < 70000; ++click)
        QVERIFY(!engine.pick(7).error);

    QCOMPARE(engine.state().pickCount, std::numeric_limits<std::int16_t>::max());
    QCOMPARE(engine.ShowSolution()->divisor, 7);
}

void TestGame::runTimeErrorsStrikeWhereTheyDid_data()
{
    QTest::addColumn<QList<double>>("picks");
    QTest::addColumn<RuntimeError>("error");
    QTest::addColumn<std::optional<std::int32_t>>("remainder");
    QTest::addColumn<std::optional<Offer>>("offer");
    QTest::addColumn<int>("pickCount");

    // No list offers such numbers: only a caller of the engine can pick them.
    QTest::newRow("a first number beyond 32 bits: no remainder")
        << QList<double>{1e10} << RuntimeError::Overflow << std::optional<std::int32_t>{}
        << std::optional<Offer>{} << 0;
    QTest::newRow("a first number that rounds to 0: no second list")
        << QList<double>{0.3} << RuntimeError::DivisionByZero << std::optional<std::int32_t>{0}
        << std::optional<Offer>{Offer{}} << 0;
    QTest::newRow("a second number beyond 16 bits: its remainder, no third list")
        << QList<double>{25, 40000} << RuntimeError::Overflow << std::optional<std::int32_t>{2}
        << std::optional<Offer>{} << 1;
}

void TestGame::runTimeErrorsStrikeWhereTheyDid()
{
    QFETCH(QList<double>, picks);
    QFETCH(RuntimeError, error);
    QFETCH(std::optional<std::int32_t>, remainder);
    QFETCH(std::optional<Offer>, offer);
    QFETCH(int, pickCount);
    StartedGame started(drawing(7));
    Game &engine = started.game;
    const Offer offerBefore = [&] {
        for (qsizetype at = 0; at + 1 < picks.size(); ++at)
            static_cast<void>(engine.pick(picks[at]));
        return engine.state().offer;
    }();

    const PickOutcome outcome = engine.pick(picks.constLast());

    QCOMPARE(outcome.error, error);
    QCOMPARE(outcome.number, picks.constLast());
    QCOMPARE(outcome.remainder, remainder);
    QCOMPARE(outcome.offer, offer);
    QCOMPARE(engine.state().offer, offer.value_or(offerBefore));
    // The pick stopped before it was counted.
    QCOMPARE(engine.state().pickCount, pickCount);

    // A fraction that is not one draws no hidden number; the new game is laid out all
    // the same.
    started.fractions.push(std::nanf(""));
    const NewGameOutcome next = engine.NewGame();
    QCOMPARE(next.error, RuntimeError::Overflow);
    QCOMPARE(next.offer, offered(20, 49));
    QCOMPARE(engine.state().hiddenNumber, 7);
}

QTEST_GUILESS_MAIN(TestGame)
#include "tst_game.moc"
