// SPDX-License-Identifier: MIT
#include "qt/gameform.h"

#include <QTest>

// Run once for each QT_SCALE_FACTOR: the window keeps its design in logical pixels and
// Qt scales geometry and fonts together, so the grabbed picture grows by the factor
// and every coloured area stays where it belongs.
class TestScaling : public QObject
{
    Q_OBJECT

private slots:
    void coloursStayInPlace_data();
    void coloursStayInPlace();
    void iconIsDrawnForTheSize();
};

void TestScaling::coloursStayInPlace_data()
{
    QTest::addColumn<QPointF>("where");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("form") << QPointF(150, 150) << QColor(0, 192, 0);
    QTest::newRow("form, far corner") << QPointF(459, 340) << QColor(0, 192, 0);
    QTest::newRow("title label") << QPointF(60, 20) << QColor(255, 192, 128);
    QTest::newRow("Label1(3)") << QPointF(108, 200) << QColor(255, 192, 128);
    QTest::newRow("Провери") << QPointF(292, 62) << QColor(128, 255, 128);
    QTest::newRow("Чисти") << QPointF(292, 198) << QColor(255, 0, 0);
}

void TestScaling::coloursStayInPlace()
{
    QFETCH(QPointF, where);
    QFETCH(QColor, expected);
    GameForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    const qreal scale = form.devicePixelRatioF();
    QCOMPARE(scale, qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
    const QImage image = form.grab().toImage();
    QCOMPARE(image.size(), (QSizeF(461, 342) * scale).toSize());
    QCOMPARE(form.size(), QSize(461, 342));
    QCOMPARE(image.pixelColor((where * scale).toPoint()).rgb(), expected.rgb());
}

void TestScaling::iconIsDrawnForTheSize()
{
    // The icon carries a scalable drawing: at twice the bitmaps' largest size it is
    // drawn at full size instead of being upscaled.
    GameForm form;
    const QIcon icon = form.windowIcon();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.pixmap(QSize(32, 32), 1.0).size(), QSize(32, 32));
    QCOMPARE(icon.pixmap(QSize(96, 96), 1.0).size(), QSize(96, 96));
}

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
