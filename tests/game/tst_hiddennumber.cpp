// SPDX-License-Identifier: MIT
#include "game/hiddennumber.h"
#include "game/fractionsource.h"

#include <QTest>

#include <array>
#include <cmath>

class TestHiddenNumber : public QObject
{
    Q_OBJECT

private slots:
    void drawsFromFraction_data();
    void drawsFromFraction();
    void everyValueWithItsShare();
    void uniformSourceStaysBelowOne();
    void sameSeedSameSequence();
};

void TestHiddenNumber::drawsFromFraction_data()
{
    QTest::addColumn<float>("fraction");
    QTest::addColumn<int>("hidden");

    QTest::newRow("0 gives 2") << 0.0F << 2;
    QTest::newRow("3/16: 18.75 rounds to 19, gives 21") << 0.1875F << 21;
    QTest::newRow("1/8: tie 12.5 rounds to even 12") << 0.125F << 14;
    QTest::newRow("3/8: tie 37.5 rounds to even 38") << 0.375F << 20;
    QTest::newRow("0.995: 99.5 and above give 100, so 2") << 0.995F << 2;
    QTest::newRow("0.999") << 0.999F << 2;
    QTest::newRow("largest float below 1") << std::nextafter(1.0F, 0.0F) << 2;
    QTest::newRow("0.99 gives 99, so 21") << 0.99F << 21;
    QTest::newRow("0.05 gives 7") << 0.05F << 7;
    // 0.185F is slightly above 0.185: kept in double the product is 18.5000002 and
    // rounds to 19, where a float product would be the tie 18.5 and round to 18.
    QTest::newRow("product kept at full precision") << 0.185F << 21;
}

void TestHiddenNumber::drawsFromFraction()
{
    QFETCH(float, fraction);
    QFETCH(int, hidden);
    QCOMPARE(*hiddenNumberFor(fraction), hidden);
}

void TestHiddenNumber::everyValueWithItsShare()
{
    // A fine, even grid of fractions: every value 2..21 occurs, each with a share of
    // 1/20 (2 gets its two half-width ends x = 0 and x = 100).
    constexpr int steps = 1 << 20;
    std::array<int, 22> counts{};
    for (int step = 0; step < steps; ++step) {
        const float fraction = static_cast<float>(step) / static_cast<float>(steps);
        const int hidden = *hiddenNumberFor(fraction);
        QVERIFY2(hidden >= 2 && hidden <= 21, qPrintable(QString::number(hidden)));
        ++counts[static_cast<std::size_t>(hidden)];
    }
    for (int hidden = 2; hidden <= 21; ++hidden) {
        const double share = counts[static_cast<std::size_t>(hidden)] / double{steps};
        QVERIFY2(std::fabs(share - 0.05) < 0.0005,
                 qPrintable(QStringLiteral("%1: %2").arg(hidden).arg(share)));
    }
}

void TestHiddenNumber::uniformSourceStaysBelowOne()
{
    UniformFractionSource source;
    source.seed(20261208);
    float smallest = 1.0F;
    float largest = 0.0F;
    for (int draw = 0; draw < 200000; ++draw) {
        const float fraction = source.nextFraction();
        QVERIFY(fraction >= 0.0F);
        QVERIFY(fraction < 1.0F);
        smallest = std::min(smallest, fraction);
        largest = std::max(largest, fraction);
    }
    QVERIFY(smallest < 0.001F);
    QVERIFY(largest > 0.999F);
}

void TestHiddenNumber::sameSeedSameSequence()
{
    UniformFractionSource first;
    UniformFractionSource second;
    first.seed(42);
    second.seed(42);
    for (int draw = 0; draw < 100; ++draw)
        QCOMPARE(first.nextFraction(), second.nextFraction());
    second.seed(43);
    bool differs = false;
    for (int draw = 0; draw < 100; ++draw)
        differs = differs || first.nextFraction() != second.nextFraction();
    QVERIFY(differs);
}

QTEST_GUILESS_MAIN(TestHiddenNumber)
#include "tst_hiddennumber.moc"
