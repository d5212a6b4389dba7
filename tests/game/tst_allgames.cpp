// SPDX-License-Identifier: MIT
#include "game/fractionsource.h"
#include "game/game.h"

#include <QTest>

#include <numeric>

// Plays every game the lists allow: each hidden number, each first pick, each second
// pick then offered. The solution must end, each subtraction must take the smaller
// value from the larger, and the divisor must be the gcd of the two differences, a
// multiple of the hidden number.
class TestAllGames : public QObject
{
    Q_OBJECT

private slots:
    void everyReachableGameIsSolved();
};

void TestAllGames::everyReachableGameIsSolved()
{
    int games = 0;
    std::size_t longest = 0;
    for (int hidden = 2; hidden <= 21; ++hidden) {
        FixedFractions fractions({FixedFractions::drawing(hidden)});
        Game probe(fractions);
        const Offer firstOffer = probe.NewGame().offer;
        for (const int first : firstOffer) {
            const Offer secondOffer = *probe.pick(first).offer;
            for (const int second : secondOffer) {
                Game game(fractions);
                static_cast<void>(game.NewGame());
                static_cast<void>(game.pick(first));
                static_cast<void>(game.pick(second));
                const std::optional<Solution> solution = game.ShowSolution();
                ++games;

                const QByteArray where = QStringLiteral("hidden %1, picks %2 and %3")
                                             .arg(hidden).arg(first).arg(second).toUtf8();
                QVERIFY2(solution && !solution->error, where);
                const double firstDiff = first - first % hidden;
                const double secondDiff = second - second % hidden;
                QCOMPARE(solution->first.difference, firstDiff);
                QCOMPARE(solution->second.difference, secondDiff);
                for (const Subtraction &step : solution->subtractions)
                    QVERIFY2(step.larger > step.smaller && step.smaller > 0, where);
                const int divisor = std::gcd(int(firstDiff), int(secondDiff));
                QCOMPARE(solution->divisor, double(divisor));
                QCOMPARE(divisor % hidden, 0);
                longest = std::max(longest, solution->subtractions.size());
            }
            static_cast<void>(probe.NewGame());
        }
    }
    qInfo("%d games solved; the longest takes %zu subtractions", games, longest);
    QVERIFY(games > 28000);
}

QTEST_GUILESS_MAIN(TestAllGames)
#include "tst_allgames.moc"
