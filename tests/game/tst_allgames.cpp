// SPDX-License-Identifier: MIT
#include "gamefixture.h"

#include <QRegularExpression>
#include <QTest>

#include <numeric>

// Plays every game the lists allow: each hidden number, each first pick, each second
// pick then offered. The solution must end, every line must have its form, and the
// divisor it closes with must be the gcd of the two differences, a multiple of the
// hidden number.
class TestAllGames : public QObject
{
    Q_OBJECT

private slots:
    void everyReachableGameIsSolved();
};

void TestAllGames::everyReachableGameIsSolved()
{
    static const QRegularExpression difference(QStringLiteral("^(\\d+) - (\\d+) = (\\d+)$"));
    static const QRegularExpression subtraction(QStringLiteral("^(\\d+) - (\\d+)$"));
    static const QRegularExpression closing(QStringLiteral("^НОД = (\\d+)$"));
    int games = 0;
    int longest = 0;

    for (int hidden = 2; hidden <= 21; ++hidden) {
        for (int first = 20; first <= 49; ++first) {
            GameFixture probe(hidden);
            QVERIFY(probe.pick(first));
            const std::vector<std::string> offered = probe.form.items();

            for (const std::string &secondText : offered) {
                const int second = std::stoi(secondText);
                GameFixture fixture(hidden);
                QVERIFY(fixture.pick(first));
                QVERIFY(fixture.pick(second));
                fixture.game.ShowSolution();
                ++games;

                const QString where = QStringLiteral("hidden %1, picks %2 and %3")
                                          .arg(hidden).arg(first).arg(second);
                const QStringList lines =
                    QString::fromStdString(fixture.form.text1()).split(QStringLiteral("\r\n"));
                longest = std::max(longest, int(lines.size()));
                QVERIFY2(lines.size() >= 5, qPrintable(where));
                QCOMPARE(lines[0], QStringLiteral("Извеждам двете въведени числа и остатъците:"));
                QCOMPARE(lines[3], QStringLiteral("Решение чрез алгоритъм на Евклид:"));

                const int firstDiff = first - first % hidden;
                const int secondDiff = second - second % hidden;
                QCOMPARE(lines[1], QStringLiteral("%1 - %2 = %3").arg(first).arg(first % hidden).arg(firstDiff));
                QCOMPARE(lines[2], QStringLiteral("%1 - %2 = %3").arg(second).arg(second % hidden).arg(secondDiff));
                QVERIFY2(difference.match(lines[1]).hasMatch(), qPrintable(where));

                for (qsizetype step = 4; step + 1 < lines.size(); ++step) {
                    const auto match = subtraction.match(lines[step]);
                    QVERIFY2(match.hasMatch(), qPrintable(where + ": " + lines[step]));
                    QVERIFY2(match.captured(1).toInt() > match.captured(2).toInt(), qPrintable(where));
                    QVERIFY2(match.captured(2).toInt() > 0, qPrintable(where));
                }

                const auto last = closing.match(lines.last());
                QVERIFY2(last.hasMatch(), qPrintable(where + ": " + lines.last()));
                const int divisor = last.captured(1).toInt();
                QCOMPARE(divisor, std::gcd(firstDiff, secondDiff));
                QCOMPARE(divisor % hidden, 0);
                QCOMPARE(fixture.form.text2(2), std::to_string(divisor));
                QVERIFY(fixture.form.text2Locked());
            }
        }
    }
    qInfo("%d games solved; the longest transcript has %d lines", games, longest);
    QVERIFY(games > 28000);
}

QTEST_GUILESS_MAIN(TestAllGames)
#include "tst_allgames.moc"
