// SPDX-License-Identifier: MIT
#include "everygame.h"

#include <QTest>

#include <numeric>

// Plays every game the lists allow. The solution must end, each subtraction must take
// the smaller value from the larger, and the divisor must be the gcd of the two
// differences, a multiple of the hidden number.
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
    forEveryGame([&](const PlayedGame &played) {
        const auto [hidden, first, second, firstOffer, secondOffer, game] = played;
        const std::optional<Solution> solution = game.ShowSolution();
        ++games;
        const QByteArray where =
            QStringLiteral("hidden %1, picks %2 and %3").arg(hidden).arg(first).arg(second).toUtf8();
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
    });
    qInfo("%d games solved; the longest takes %zu subtractions", games, longest);
    QVERIFY(games > 28000);
}

QTEST_GUILESS_MAIN(TestAllGames)
#include "tst_allgames.moc"
