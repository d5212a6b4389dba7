// SPDX-License-Identifier: MIT
#include "formdriver.h"
#include "testlanguage.h"

#include "form/controltable.h"
#include "game/fractionsource.h"

#include <QAccessible>
#include <QScreen>

#include <algorithm>
#include <cmath>

// Run once for each QT_SCALE_FACTOR, on a screen of 1920 × 1080 pixels: the window
// keeps its design in logical pixels and Qt scales geometry and fonts together, so the
// grabbed picture grows by the factor and every coloured area stays where it belongs.
// Made larger, maximised or full screen, the window scales its whole form to fill it,
// centred, every control at its designed place times the scale. Once more in a
// language written right to left, where the form and every place in it is mirrored.
class TestScaling : public QObject
{
    Q_OBJECT

private slots:
    void coloursStayInPlace_data();
    void coloursStayInPlace();
    void formFillsTheWindow_data();
    void formFillsTheWindow();
    void iconIsDrawnForTheSize_data();
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
    if (inRightToLeft())
        where.setX(461 - where.x());
    GameForm form({}, testCatalogue());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    const qreal scale = form.devicePixelRatioF();
    QCOMPARE(scale, qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
    const QImage image = form.grab().toImage();
    QCOMPARE(image.size(), (QSizeF(461, 342) * scale).toSize());
    QCOMPARE(form.size(), QSize(461, 342));
    QCOMPARE(image.pixelColor((where * scale).toPoint()).rgb(), expected.rgb());
}

void TestScaling::formFillsTheWindow_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QSize>("size");

    QTest::newRow("at its designed size") << "resized" << QSize(461, 342);
    QTest::newRow("twice as large") << "resized" << QSize(922, 684);
    QTest::newRow("wide: room left and right") << "resized" << QSize(1400, 500);
    QTest::newRow("tall: room above and below") << "resized" << QSize(500, 900);
    QTest::newRow("smaller than designed: kept at its size") << "resized" << QSize(300, 200);
    QTest::newRow("an odd size at a fractional scale") << "resized" << QSize(577, 431);
    QTest::newRow("maximised") << "maximised" << QSize();
    QTest::newRow("full screen, by F11") << "F11" << QSize();
    QTest::newRow("F11 again: back to the window") << "F11 twice" << QSize(461, 342);
    QTest::newRow("maximised, then restored: back to its designed size") << "maximised and restored" << QSize(461, 342);
}

void TestScaling::formFillsTheWindow()
{
    QFETCH(QString, how);
    QFETCH(QSize, size);
    GameForm form(std::make_unique<FixedFractions>(std::vector<float>{FixedFractions::drawing(7)}), testCatalogue());
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    FormDriver driver(form);
    if (how == u"resized") {
        form.resize(size);
    } else if (how.startsWith(u"maximised")) {
        form.showMaximized();
    } else {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F11);
        QTRY_VERIFY2(form.isFullScreen(), "full screen after F11");
    }
    // Back to the window only once the form has grown, so that it has to shrink back.
    if (how == u"F11 twice" || how == u"maximised and restored") {
        QTRY_VERIFY2(form.height() > 342, "the window grown to the screen");
        if (how == u"F11 twice") {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F11);
            QTRY_VERIFY2(!form.isFullScreen(), "back to the window after a second F11");
        } else {
            form.showNormal();
        }
    }
    const bool fillsTheScreen = how == u"maximised" || how == u"F11";
    QTRY_VERIFY2(fillsTheScreen ? form.height() > 342 : form.size() == size.expandedTo(QSize(461, 342)),
                 "the window at its new size");

    const QRect screen = form.screen()->geometry();
    const double scale = std::max(1.0, std::min(form.width() / 461.0, form.height() / 342.0));
    if (fillsTheScreen)
        QVERIFY2(342 * scale >= 0.9 * screen.height(), qPrintable(QString::number(scale)));
    const QPointF origin((form.width() - 461 * scale) / 2, (form.height() - 342 * scale) / 2);
    for (const FormDesign::Control &control : FormDesign::controls) {
        const QRect designed = designedPlace(control.rect);
        const QWidget *widget = form.findChild<QWidget *>(fromUtf8(control.name));
        const QRectF expected(origin + QPointF(designed.topLeft()) * scale, QSizeF(designed.size()) * scale);
        // Each edge at the whole pixel nearest to where it belongs.
        const QRect actual = widget->geometry();
        const auto near = [](double edge, int at) { return std::abs(at - edge) <= 0.5; };
        const bool within = near(expected.left(), actual.left()) && near(expected.top(), actual.top())
                            && near(expected.left() + expected.width(), actual.left() + actual.width())
                            && near(expected.top() + expected.height(), actual.top() + actual.height());
        QVERIFY2(within, qPrintable(QStringLiteral("%1 at %2,%3 %4x%5")
                                        .arg(widget->objectName()).arg(actual.x()).arg(actual.y())
                                        .arg(actual.width()).arg(actual.height())));
        // Drawn anew at the scale: its font has grown with it.
        QCOMPARE(widget->font().pointSizeF(), 12 * scale);
    }

    // The scroll bars and the frames grow with the form too.
    const QStyle *plain = QApplication::style();
    const auto scaled = [plain, scale](QStyle::PixelMetric metric) { return qRound(plain->pixelMetric(metric) * scale); };
    QCOMPARE(driver.list->verticalScrollBar()->width(), scaled(QStyle::PM_ScrollBarExtent));
    QCOMPARE(driver.transcript->verticalScrollBar()->width(), scaled(QStyle::PM_ScrollBarExtent));
    QCOMPARE(driver.transcript->frameWidth(), scaled(QStyle::PM_DefaultFrameWidth));

    // A screen reader finds each control where it now is.
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(driver.list);
    QCOMPARE(list->rect(), QRect(driver.list->mapToGlobal(QPoint(0, 0)), driver.list->size()));
    // Outside the form, the window has the form's colour.
    const QImage image = form.grab().toImage();
    QCOMPARE(QColor(image.pixel(2, 2)), QColor(0, 192, 0));

    // The list still shows seven rows, so Page Down still moves by six.
    for (const QString &number : {QStringLiteral("25"), QStringLiteral("52"), QStringLiteral("15")})
        QVERIFY(driver.clickItem(number));
    QTest::keyClick(driver.list, Qt::Key_PageDown);
    QCOMPARE(driver.selectedItem(), QStringLiteral("21"));
}

void TestScaling::iconIsDrawnForTheSize_data()
{
    QTest::addColumn<int>("side");

    QTest::newRow("the small bitmap") << 32;
    QTest::newRow("the large bitmap") << 48;
    // The icon carries a scalable drawing: at twice the bitmaps' largest size it is
    // drawn at full size instead of being upscaled.
    QTest::newRow("the scalable drawing") << 96;
}

void TestScaling::iconIsDrawnForTheSize()
{
    QFETCH(int, side);
    GameForm form({}, testCatalogue());
    const QIcon icon = form.windowIcon();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.pixmap(QSize(side, side), 1.0).size(), QSize(side, side));
}

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
