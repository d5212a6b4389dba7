// SPDX-License-Identifier: MIT
#include "form/numbertext.h"
#include "game/arithmetic.h"
#include "game/runtimeerror.h"
#include "numbertexts.h"

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
    void int16OverflowIsRuntimeError_data();
    void int16OverflowIsRuntimeError();
    void remainderFollowsDividend_data();
    void remainderFollowsDividend();
    void remainderFailures_data();
    void remainderFailures();
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
    QTest::addColumn<int>("stored");

    QTest::newRow("largest") << 32767.0 << 32767;
    QTest::newRow("tie below largest rounds down") << 32766.5 << 32766;
    QTest::newRow("smallest") << -32768.0 << -32768;
    QTest::newRow("tie above smallest rounds to even") << -32768.5 << -32768;
    QTest::newRow("ordinary") << 52.0 << 52;
}

void TestArithmetic::int16Conversion()
{
    QFETCH(double, value);
    QFETCH(int, stored);
    QCOMPARE(int{toInt16(value)}, stored);
}

void TestArithmetic::int16OverflowIsRuntimeError_data()
{
    QTest::addColumn<double>("value");

    QTest::newRow("one past the top") << 32768.0;
    QTest::newRow("tie rounding past the top") << 32767.5;
    QTest::newRow("one below the bottom") << -32769.0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
}

void TestArithmetic::int16OverflowIsRuntimeError()
{
    QFETCH(double, value);
    try {
        static_cast<void>(toInt16(value));
        QFAIL("no run-time error");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.kind(), RuntimeError::Kind::Overflow);
    }
}

void TestArithmetic::remainderFollowsDividend_data()
{
    QTest::addColumn<double>("dividend");
    QTest::addColumn<double>("divisor");
    QTest::addColumn<int>("result");

    QTest::newRow("25 mod 7") << 25.0 << 7.0 << 4;
    QTest::newRow("52 mod 7") << 52.0 << 7.0 << 3;
    QTest::newRow("20 mod 21") << 20.0 << 21.0 << 20;
    QTest::newRow("60 mod 20") << 60.0 << 20.0 << 0;
    QTest::newRow("negative dividend") << -7.0 << 3.0 << -1;
    QTest::newRow("negative divisor") << 7.0 << -3.0 << 1;
    QTest::newRow("operands rounded half to even") << 10.5 << 2.5 << 0;
    QTest::newRow("divisor 3.5 becomes 4") << 11.0 << 3.5 << 3;
    QTest::newRow("smallest int32 by -1") << -2147483648.0 << -1.0 << 0;
}

void TestArithmetic::remainderFollowsDividend()
{
    QFETCH(double, dividend);
    QFETCH(double, divisor);
    QFETCH(int, result);
    QCOMPARE(mod(dividend, divisor), result);
}

void TestArithmetic::remainderFailures_data()
{
    QTest::addColumn<double>("dividend");
    QTest::addColumn<double>("divisor");
    QTest::addColumn<RuntimeError::Kind>("kind");

    QTest::newRow("by zero") << 5.0 << 0.0 << RuntimeError::Kind::DivisionByZero;
    QTest::newRow("by 0.4, rounded to zero") << 5.0 << 0.4 << RuntimeError::Kind::DivisionByZero;
    QTest::newRow("dividend beyond 32 bits") << 3e9 << 7.0 << RuntimeError::Kind::Overflow;
    QTest::newRow("divisor beyond 32 bits") << 7.0 << -3e9 << RuntimeError::Kind::Overflow;
}

void TestArithmetic::remainderFailures()
{
    QFETCH(double, dividend);
    QFETCH(double, divisor);
    QFETCH(RuntimeError::Kind, kind);
    try {
        static_cast<void>(mod(dividend, divisor));
        QFAIL("no run-time error");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.kind(), kind);
    }
}

void TestArithmetic::decimalText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    for (const PrintedNumber &row : printedNumbers)
        QTest::newRow(row.name.data()) << row.value << QString::fromUtf8(row.text);
}

void TestArithmetic::decimalText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(::decimalText(value)), text);
}

QTEST_GUILESS_MAIN(TestArithmetic)
#include "tst_arithmetic.moc"
