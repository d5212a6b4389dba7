// SPDX-License-Identifier: MIT
#include "form/numbertext.h"
#include "game/arithmetic.h"
#include "game/runtimeerror.h"

#include <QTest>

#include <limits>
#include <optional>

class TestArithmetic : public QObject
{
    Q_OBJECT

private slots:
    void roundsHalfToEven_data();
    void roundsHalfToEven();
    void int16Conversion_data();
    void int16Conversion();
    void remainder_data();
    void remainder();
    void decimalText_data();
    void decimalText();
};

void TestArithmetic::roundsHalfToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");

    QTest::newRow("0.5 to 0") << 0.5 << 0.0;
    QTest::newRow("1.5 to 2") << 1.5 << 2.0;
    QTest::newRow("2.5 to 2") << 2.5 << 2.0;
    QTest::newRow("12.5 to 12") << 12.5 << 12.0;
    QTest::newRow("37.5 to 38") << 37.5 << 38.0;
    QTest::newRow("-2.5 to -2") << -2.5 << -2.0;
    QTest::newRow("-3.5 to -4") << -3.5 << -4.0;
    QTest::newRow("2.5000001 up") << 2.5000001 << 3.0;
    QTest::newRow("18.75 to 19") << 18.75 << 19.0;
}

void TestArithmetic::roundsHalfToEven()
{
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(roundHalfEven(value), rounded);
}

void TestArithmetic::int16Conversion_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<std::optional<int>>("stored"); // none: an Overflow

    QTest::newRow("largest") << 32767.0 << std::optional(32767);
    QTest::newRow("tie below largest rounds down") << 32766.5 << std::optional(32766);
    QTest::newRow("smallest") << -32768.0 << std::optional(-32768);
    QTest::newRow("tie above smallest rounds to even") << -32768.5 << std::optional(-32768);
    QTest::newRow("ordinary") << 52.0 << std::optional(52);
    QTest::newRow("one past the top") << 32768.0 << std::optional<int>();
    QTest::newRow("tie rounding past the top") << 32767.5 << std::optional<int>();
    QTest::newRow("one below the bottom") << -32769.0 << std::optional<int>();
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << std::optional<int>();
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << std::optional<int>();
}

void TestArithmetic::int16Conversion()
{
    QFETCH(double, value);
    QFETCH(std::optional<int>, stored);
    const Checked<std::int16_t> converted = toInt16(value);
    QCOMPARE(converted.error(), stored ? std::nullopt : std::optional(RuntimeError::Overflow));
    if (stored)
        QCOMPARE(int{*converted}, *stored);
}

void TestArithmetic::remainder_data()
{
    QTest::addColumn<double>("dividend");
    QTest::addColumn<double>("divisor");
    QTest::addColumn<int>("result");
    QTest::addColumn<std::optional<RuntimeError>>("error");

    const std::optional<RuntimeError> none;
    QTest::newRow("25 mod 7") << 25.0 << 7.0 << 4 << none;
    QTest::newRow("52 mod 7") << 52.0 << 7.0 << 3 << none;
    QTest::newRow("20 mod 21") << 20.0 << 21.0 << 20 << none;
    QTest::newRow("60 mod 20") << 60.0 << 20.0 << 0 << none;
    QTest::newRow("negative dividend") << -7.0 << 3.0 << -1 << none;
    QTest::newRow("negative divisor") << 7.0 << -3.0 << 1 << none;
    QTest::newRow("operands rounded half to even") << 10.5 << 2.5 << 0 << none;
    QTest::newRow("divisor 3.5 becomes 4") << 11.0 << 3.5 << 3 << none;
    QTest::newRow("smallest int32 by -1") << -2147483648.0 << -1.0 << 0 << none;
    QTest::newRow("by zero") << 5.0 << 0.0 << 0 << std::optional(RuntimeError::DivisionByZero);
    QTest::newRow("by 0.4, rounded to zero") << 5.0 << 0.4 << 0 << std::optional(RuntimeError::DivisionByZero);
    QTest::newRow("dividend beyond 32 bits") << 3e9 << 7.0 << 0 << std::optional(RuntimeError::Overflow);
    QTest::newRow("divisor beyond 32 bits") << 7.0 << -3e9 << 0 << std::optional(RuntimeError::Overflow);
}

void TestArithmetic::remainder()
{
    QFETCH(double, dividend);
    QFETCH(double, divisor);
    QFETCH(int, result);
    QFETCH(std::optional<RuntimeError>, error);
    const Checked<std::int32_t> worked = mod(dividend, divisor);
    QCOMPARE(worked.error(), error);
    if (!error)
        QCOMPARE(*worked, result);
}

void TestArithmetic::decimalText_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << qint64{0} << "0";
    QTest::newRow("positive, no blank") << qint64{25} << "25";
    QTest::newRow("negative") << qint64{-3} << "-3";
    QTest::newRow("no grouping") << qint64{1234567} << "1234567";
    QTest::newRow("beyond 32 bits") << qint64{10000000000} << "10000000000";
    QTest::newRow("the smallest 64-bit number") << std::numeric_limits<qint64>::min() << "-9223372036854775808";
}

void TestArithmetic::decimalText()
{
    QFETCH(qint64, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(::decimalText(value)), text);
}

QTEST_GUILESS_MAIN(TestArithmetic)
#include "tst_arithmetic.moc"
