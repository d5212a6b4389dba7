// SPDX-License-Identifier: MIT
// The window as the player meets it: the controls of the control table, their look,
// the games of the shared table and every row of the pick scenarios, played with
// simulated mouse and keys.

#include "formdriver.h"
#include "scenariotables.h"
#include "testlanguage.h"

#include "form/controltable.h"
#include "form/showntext.h"
#include "game/fractionsource.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QGlyphRun>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QTransform>

#include <algorithm>

namespace {

using FormDesign::ControlKind;

std::unique_ptr<FixedFractions> hiddenNumbers(std::vector<float> draws)
{
    return std::make_unique<FixedFractions>(std::move(draws));
}

std::unique_ptr<FixedFractions> hiddenNumber(int number)
{
    return hiddenNumbers({FixedFractions::drawing(number)});
}

QRect pixels(const FormDesign::Rect &twips)
{
    const FormDesign::Rect rect = FormDesign::toPixels(twips);
    return {rect.left, rect.top, rect.width, rect.height};
}

QColor colour(const FormDesign::Rgb &rgb)
{
    return {rgb.red, rgb.green, rgb.blue};
}

QStringList toList(const std::vector<std::string> &texts)
{
    QStringList list;
    for (const std::string &text : texts)
        list.append(QString::fromStdString(text));
    return list;
}

// The text a control shows, as the toolkit holds it.
QString shownBy(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (const auto *button = qobject_cast<const QPushButton *>(control))
        return button->text();
    if (const auto *box = qobject_cast<const QPlainTextEdit *>(control))
        return box->toPlainText();
    if (const auto *box = qobject_cast<const QLineEdit *>(control))
        return box->text();
    return {};
}

const char *className(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Title:
    case ControlKind::Label:
        return "QLabel";
    case ControlKind::Transcript:
        return "QPlainTextEdit";
    case ControlKind::TextBox:
        return "QLineEdit";
    case ControlKind::List:
        return "PickList";
    case ControlKind::Button:
        return "ColourButton";
    }
    return "";
}

// The columns of image in rect holding a pixel darker than threshold (a glyph's).
std::pair<int, int> inkColumns(const QImage &image, const QRect &rect, int threshold)
{
    int first = rect.right();
    int last = rect.left();
    for (int x = rect.left(); x <= rect.right(); ++x) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            if (image.pixelColor(x, y).lightness() < threshold) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return {first, last};
}

// The font families the glyphs of a line of text are drawn in with font.
QStringList drawnIn(const QString &line, const QFont &font)
{
    QTextLayout layout(line, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList families;
    for (const QGlyphRun &run : layout.glyphRuns())
        families.append(run.rawFont().familyName());
    return families;
}

// The first line of a paragraph of a box, laid out as the box shows it.
QTextLine laidOut(const QTextBlock &paragraph)
{
    static_cast<void>(paragraph.document()->documentLayout()->blockBoundingRect(paragraph));
    return paragraph.layout()->lineAt(0);
}

// Answers the message box a call opens (it runs its own event loop) and returns its
// title and text.
template<typename Call>
QString answerMessageBox(QObject *context, Call call)
{
    QString shown;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, context, [&shown] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->windowTitle() + u'|' + box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    answer.start(10);
    call();
    return shown;
}

// Counts the key presses that reach the widget it watches: a key the list leaves alone
// goes on to the widgets that hold it, and so to the desktop's shortcuts. The presses
// of Ctrl, Alt, Meta and Shift themselves, which come before the key held with them,
// are not counted.
class KeyArrivals final : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key != Qt::Key_Control && key != Qt::Key_Alt && key != Qt::Key_Meta && key != Qt::Key_Shift)
                ++count;
        }
        return QObject::eventFilter(watched, event);
    }

    int count = 0;
};

} // namespace

class TestGameForm : public QObject
{
    Q_OBJECT

private slots:
    void controlsFollowTheTable_data();
    void controlsFollowTheTable();
    void windowAtStart();
    void windowIsPlacedInTheCentre();
    void formBackgroundShows();
    void buttonsLook_data();
    void buttonsLook();
    void labelsCentreTheirCaptions();
    void tabOrderAsDesigned();
    void games_data();
    void games();
    void picksByTheTable_data();
    void picksByTheTable();
    void resultBoxLockedOrNot();
    void runTimeErrorShowsMessageBox();
    void captionsFit_data();
    void captionsFit();
    void noTextLeftUntranslated();

private:
    [[nodiscard]] QString text(std::string_view source) const { return QString::fromStdString(texts->translate(source)); }

    std::shared_ptr<const Catalogue> texts = testCatalogue();
};

void TestGameForm::controlsFollowTheTable_data()
{
    QTest::addColumn<int>("row");
    for (std::size_t row = 0; row < FormDesign::controls.size(); ++row)
        QTest::newRow(FormDesign::controls.at(row).name.data()) << static_cast<int>(row);
}

void TestGameForm::controlsFollowTheTable()
{
    QFETCH(int, row);
    const FormDesign::Control &control = FormDesign::controls.at(static_cast<std::size_t>(row));
    GameForm form({}, texts);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    const QWidget *widget = form.findChild<QWidget *>(fromUtf8(control.name));
    QVERIFY(widget != nullptr);
    QVERIFY(widget->inherits(className(control.kind)));
    QCOMPARE(widget->geometry(), designedPlace(control.rect));
    QCOMPARE(shownBy(widget), QString::fromStdString(shownText(FormDesign::caption(control, *texts))));
    if (control.background) {
        // Near the bottom left corner, clear of the caption.
        const QPoint corner = designedPlace(control.rect).bottomLeft() + QPoint(4, -4);
        QCOMPARE(form.grab().toImage().pixelColor(corner), colour(*control.background));
    }
    const QFontInfo font(widget->font());
    QVERIFY2(font.family() == fromUtf8(FormDesign::fontFamily) || font.family() == fromUtf8(FormDesign::fontMetricTwin),
             qPrintable(font.family()));
    QCOMPARE(widget->font().pointSize(), FormDesign::fontPointSize);
    QCOMPARE(font.weight(), int(QFont::Normal));
    QVERIFY(!font.italic());
    // Every letter of what it shows is drawn in the form's serif, or a serif beside it,
    // not in a face the system would choose.
    QStringList serifs{fromUtf8(FormDesign::fontFamily), fromUtf8(FormDesign::fontMetricTwin)};
    for (const std::string_view companion : FormDesign::companionSerifs)
        serifs.append(fromUtf8(companion));
    for (const QString &line : shownBy(widget).split(u'\n', Qt::SkipEmptyParts)) {
        for (const QString &family : drawnIn(line, widget->font()))
            QVERIFY2(serifs.contains(family), qPrintable(family + QStringLiteral(": ") + line));
    }
}

void TestGameForm::windowAtStart()
{
    GameForm form({}, texts);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    FormDriver driver(form);
    QVERIFY(driver.complete());

    // At its designed size, and never smaller; it may grow and be maximised.
    QCOMPARE(form.size(), pixels(FormDesign::client).size());
    QCOMPARE(form.minimumSize(), form.size());
    QVERIFY(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    QCOMPARE(form.windowTitle(), text(FormTexts::programName));
    QCOMPARE(form.layoutDirection(), inRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);

    // The statement shows as eleven lines, each ended by a plain line break.
    const QString shown = driver.transcript->toPlainText();
    QCOMPARE(shown.split(u'\n').size(), 12);
    QVERIFY(!shown.contains(u'\r'));
    QVERIFY(driver.transcript->isReadOnly());
    QCOMPARE(driver.transcript->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(driver.boxes[0]->isReadOnly());
    QVERIFY(driver.boxes[1]->isReadOnly());
    QVERIFY(!driver.boxes[2]->isReadOnly());
    QCOMPARE(driver.items(), listOf(20, 49));
    QCOMPARE(driver.list->selectedRow(), -1);
}

void TestGameForm::windowIsPlacedInTheCentre()
{
    GameForm form({}, texts);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY((form.geometry().center() - screen.center()).manhattanLength() <= 2);
}

void TestGameForm::formBackgroundShows()
{
    GameForm form({}, texts);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QImage image = form.grab().toImage();
    // Between the controls, and in the far corner.
    for (const QPoint where : {QPoint(150, 150), QPoint(image.width() - 3, image.height() - 3)})
        QCOMPARE(image.pixelColor(where), colour(FormDesign::formBackground));
}

void TestGameForm::buttonsLook_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("pressed");
    // The form at its designed size, or twice as large.
    QTest::addColumn<int>("scale");
    // How far the caption stands right of and below its place on the raised button.
    QTest::addColumn<int>("captionShift");

    QTest::newRow("Check") << 0 << false << 1 << 0;
    QTest::newRow("Check, pressed") << 0 << true << 1 << 1;
    QTest::newRow("Clear") << 1 << false << 1 << 0;
    QTest::newRow("Clear, pressed") << 1 << true << 1 << 1;
    QTest::newRow("Check, twice as large") << 0 << false << 2 << 0;
    QTest::newRow("Clear, pressed, twice as large") << 1 << true << 2 << 2;
}

void TestGameForm::buttonsLook()
{
    QFETCH(int, index);
    QFETCH(bool, pressed);
    QFETCH(int, scale);
    QFETCH(int, captionShift);
    GameForm form({}, texts);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.resize(pixels(FormDesign::client).size() * scale);
    FormDriver driver(form);
    QPushButton *button = driver.buttons[index];
    const QColor background = button->palette().color(QPalette::Button);
    button->setDown(pressed);
    const QImage image = button->grab().toImage();

    // A raised bevel, two pixels at the designed size, is light at the top left and
    // dark at the bottom right; pressed, the other way round.
    const int bevel = 2 * scale;
    const QColor topLeft = image.pixelColor(bevel - 1, bevel - 1);
    const QColor bottomRight = image.pixelColor(image.width() - bevel, image.height() - bevel);
    QCOMPARE(topLeft.lightness() > background.lightness(), !pressed);
    QCOMPARE(bottomRight.lightness() < background.lightness(), !pressed);
    // The caption is black.
    const QRect inside = image.rect().adjusted(6, 6, -6, -6);
    const auto [first, last] = inkColumns(image, inside, 40);
    QVERIFY2(first < last, "no black caption");
    // Pressed, it moves right and down, as if pushed into the form.
    const auto captionCorner = [](const QImage &shown) {
        const QTransform transposed(0, 1, 1, 0, 0, 0);
        return QPoint(inkColumns(shown, shown.rect(), 40).first,
                      inkColumns(shown.transformed(transposed), shown.rect().transposed(), 40).first);
    };
    button->setDown(false);
    QCOMPARE(captionCorner(image) - captionCorner(button->grab().toImage()), QPoint(captionShift, captionShift));

    // The keyboard focus shows as a dotted black rectangle, twice the bevel in.
    const auto blackOnFocusLine = [button, bevel] {
        const QImage shown = button->grab().toImage();
        int black = 0;
        for (int y = 3 * bevel; y < shown.height() - 3 * bevel; ++y)
            black += shown.pixelColor(2 * bevel, y) == QColor(Qt::black) ? 1 : 0;
        return black;
    };
    QCOMPARE(blackOnFocusLine(), 0);
    button->setFocus();
    QTRY_VERIFY2(blackOnFocusLine() >= 5, "the dotted focus rectangle drawn");
}

void TestGameForm::labelsCentreTheirCaptions()
{
    GameForm form({}, texts);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QImage image = form.grab().toImage();
    for (const FormDesign::Control &control : FormDesign::controls) {
        if (control.kind != ControlKind::Label && control.kind != ControlKind::Title)
            continue;
        // Inside the edges, which the boxes beside the labels overlap by a pixel.
        const QRect rect = designedPlace(control.rect).adjusted(1, 1, -1, -1);
        const auto [first, last] = inkColumns(image, rect, 100);
        QVERIFY2(first < last, control.name.data());
        const int leftMargin = first - rect.left();
        const int rightMargin = rect.right() - last;
        QVERIFY2(std::abs(leftMargin - rightMargin) <= 2,
                 qPrintable(QStringLiteral("%1: %2 px left, %3 px right").arg(fromUtf8(control.name)).arg(leftMargin).arg(rightMargin)));
    }
}

void TestGameForm::tabOrderAsDesigned()
{
    GameForm form({}, texts);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QStringList order;
    QWidget *start = QApplication::focusWidget();
    QVERIFY(start != nullptr);
    QWidget *current = start;
    do {
        order.append(current->objectName());
        QTest::keyClick(current, Qt::Key_Tab);
        current = QApplication::focusWidget();
    } while (current != start && order.size() < 20);

    QCOMPARE(order, QStringList({"Text1_0", "List1", "Text2_0", "Text2_1", "Text2_2", "Command1_0", "Command1_1"}));
}

void TestGameForm::games_data()
{
    addGameRows();
}

void TestGameForm::games()
{
    QFETCH(GameRow, game);
    GameForm form(hiddenNumbers({FixedFractions::drawing(game.hidden), FixedFractions::drawing(2)}), texts);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    FormDriver driver(form);
    QCOMPARE(driver.transcript->verticalScrollBar()->value(), 0);

    QVERIFY(driver.clickItem(QString::number(game.picks[0])));
    QCOMPARE(driver.labels[1]->text(), QString::number(game.picks[0]));
    QCOMPARE(driver.boxes[0]->text(), QString::number(game.remainders[0]));
    // The remainder stands at the side the language's lines start.
    const QImage box = driver.boxes[0]->grab().toImage();
    const auto [first, last] = inkColumns(box, box.rect().adjusted(3, 3, -3, -3), 40);
    QCOMPARE(first + last > box.width(), inRightToLeft());
    QCOMPARE(driver.items(), toList(Expected::secondList(game)));
    QCOMPARE(driver.list->selectedRow(), -1);

    QVERIFY(driver.clickItem(QString::number(game.picks[1])));
    QCOMPARE(driver.labels[2]->text(), QString::number(game.picks[1]));
    QCOMPARE(driver.boxes[1]->text(), QString::number(game.remainders[1]));
    QCOMPARE(driver.items(), listOf(1, 30));

    // Space presses the focused button, as Enter does.
    driver.buttons[0]->setFocus();
    QTest::keyClick(driver.buttons[0], Qt::Key_Space);
    QCOMPARE(driver.transcript->toPlainText(), QString::fromStdString(shownText(Expected::transcript(game, *texts, inRightToLeft()))));
    // Its numbers read left to right in every language, on lines that run in the
    // language's direction and start at its side: in "25 - 4 = 21" the first digit is
    // left of the "=" (the cursor just after each, so that no cursor sits where
    // directions meet).
    const QTextBlock difference = driver.transcript->document()->findBlockByNumber(1);
    const QString line = difference.text();
    const QTextLine shown = laidOut(difference);
    const auto after = [&shown](qsizetype at) { return shown.cursorToX(static_cast<int>(at) + 1); };
    const qsizetype firstDigit = line.indexOf(QRegularExpression(QStringLiteral("\\d")));
    QVERIFY2(after(firstDigit) < after(line.indexOf(u'=')), qPrintable(line));
    QCOMPARE(shown.cursorToX(0) > shown.cursorToX(static_cast<int>(line.size())), inRightToLeft());
    QCOMPARE(shown.naturalTextRect().center().x() > shown.width() / 2, inRightToLeft());
    // The big box shows the solution from its first line, as it showed the statement.
    QCOMPARE(driver.transcript->verticalScrollBar()->value(), 0);
    QCOMPARE(driver.boxes[2]->text(), QString::number(game.divisor));
    QVERIFY(driver.boxes[2]->isReadOnly());

    QVERIFY(driver.clickItem(QString::number(game.picks[2])));
    QCOMPARE(driver.boxes[2]->text(), QString::fromStdString(Expected::verdict(game, *texts, inRightToLeft())));
    QCOMPARE(driver.selectedItem(), QString::number(game.picks[2]));

    driver.buttons[1]->setFocus();
    QTest::keyClick(driver.buttons[1], Qt::Key_Return);
    QVERIFY(driver.transcript->toPlainText().isEmpty());
    QCOMPARE(driver.items(), listOf(20, 49));
    QCOMPARE(driver.labels[1]->text(), text(FormTexts::firstNumber));
    QVERIFY(!driver.boxes[2]->isReadOnly());
}

void TestGameForm::picksByTheTable_data()
{
    addPickScenarioRows();
}

void TestGameForm::picksByTheTable()
{
    QFETCH(PickScenario, scenario);
    GameForm form(hiddenNumber(7), texts);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    FormDriver driver(form);
    for (const QStringList &step : scenario.before)
        QVERIFY(driver.play(QVariantList(step.begin(), step.end())));
    while (scenario.cutTo > 0 && driver.list->count() > scenario.cutTo)
        delete driver.list->takeItem(scenario.cutTo);
    const int picksBefore = driver.pickCount();
    const QString selectedBefore = driver.selectedItem();
    const QString captionBefore = driver.labels[1]->text();
    KeyArrivals wentOn;
    driver.list->parentWidget()->installEventFilter(&wentOn);

    for (const QStringList &step : scenario.input) {
        wentOn.count = 0;
        QVERIFY(driver.play(QVariantList(step.begin(), step.end())));
    }

    QCOMPARE(driver.pickCount(), picksBefore + scenario.picks.size());
    if (scenario.picks.isEmpty()) {
        QCOMPARE(driver.selectedItem(), selectedBefore);
        QCOMPARE(driver.labels[1]->text(), captionBefore);
    } else if (picksBefore == 0) {
        QCOMPARE(driver.labels[1]->text(), scenario.picks.constLast());
    } else {
        QCOMPARE(driver.selectedItem(), scenario.picks.constLast());
        // A pick that keeps the list shows the picked item.
        const QRect shown = driver.list->visualItemRect(driver.list->item(driver.list->selectedRow()));
        QVERIFY(driver.list->viewport()->rect().contains(shown));
    }
    if (scenario.toSystem.has_value())
        QCOMPARE(wentOn.count > 0, *scenario.toSystem);
}

void TestGameForm::resultBoxLockedOrNot()
{
    GameForm form(hiddenNumber(7), texts);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    FormDriver driver(form);

    // Unlocked at the start of a game: the player may type, the game ignores it.
    QTest::keyClicks(driver.boxes[2], QStringLiteral("12"));
    QCOMPARE(driver.boxes[2]->text(), QStringLiteral("12"));
    QVERIFY(driver.clickItem(QStringLiteral("25")));
    QVERIFY(driver.clickItem(QStringLiteral("52")));
    QCOMPARE(driver.boxes[2]->text(), QStringLiteral("12"));
    driver.clickButton(0);
    QVERIFY(driver.transcript->toPlainText().endsWith(QString::fromStdString(inLanguage({FormTexts::divisor, "7"}, *texts, inRightToLeft()))));

    // Locked by the solution: typing changes nothing.
    QTest::keyClicks(driver.boxes[2], QStringLiteral("99"));
    QCOMPARE(driver.boxes[2]->text(), QStringLiteral("7"));

    // The remainder boxes never take typing.
    QTest::keyClicks(driver.boxes[0], QStringLiteral("5"));
    QCOMPARE(driver.boxes[0]->text(), QStringLiteral("4"));
}

void TestGameForm::runTimeErrorShowsMessageBox()
{
    // The second game's draw fails: a fraction that is not a number.
    GameForm form(hiddenNumbers({FixedFractions::drawing(7), std::nanf(""), FixedFractions::drawing(9)}), texts);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    FormDriver driver(form);
    QVERIFY(driver.clickItem(QStringLiteral("25")));

    const QString shown = answerMessageBox(&form, [&driver] { driver.clickButton(1); });

    QCOMPARE(shown, text(FormTexts::errorTitle) + u'|'
                        + QString::fromStdString(FormTexts::errorMessage(FormTexts::overflowError, *texts)));
    QVERIFY(form.isVisible());
    driver.clickButton(1);
    QCOMPARE(driver.items(), listOf(20, 49));
    QCOMPARE(form.game().state().hiddenNumber, 9);
}

void TestGameForm::captionsFit_data()
{
    QTest::addColumn<int>("row");
    for (std::size_t row = 0; row < FormDesign::controls.size(); ++row) {
        const FormDesign::ControlKind kind = FormDesign::controls.at(row).kind;
        if (kind == ControlKind::Title || kind == ControlKind::Label || kind == ControlKind::Button)
            QTest::newRow(FormDesign::controls.at(row).name.data()) << static_cast<int>(row);
    }
}

void TestGameForm::captionsFit()
{
    QFETCH(int, row);
    if (inPseudoLanguage())
        QSKIP("the pseudo-language lengthens every text on purpose");
    const FormDesign::Control &control = FormDesign::controls.at(static_cast<std::size_t>(row));
    GameForm form({}, texts);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto *widget = form.findChild<QWidget *>(fromUtf8(control.name));
    // The room a caption has: inside a button's bevel, all of a label.
    const QRect room = control.kind == ControlKind::Button ? widget->rect().adjusted(2, 2, -2, -2) : widget->rect();
    const QFontMetrics metrics(widget->font());
    const QStringList lines = shownBy(widget).split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(!lines.isEmpty());
    for (const QString &line : lines)
        QVERIFY2(metrics.horizontalAdvance(line) <= room.width(),
                 qPrintable(QStringLiteral("\"%1\" needs %2 px of %3").arg(line).arg(metrics.horizontalAdvance(line)).arg(room.width())));
    QVERIFY(lines.size() * metrics.lineSpacing() <= room.height());
}

void TestGameForm::noTextLeftUntranslated()
{
    if (!inPseudoLanguage())
        QSKIP("only the pseudo-language tells a text no catalogue covers");
    GameForm form(hiddenNumbers({FixedFractions::drawing(7), std::nanf("")}), texts);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    FormDriver driver(form);
    QStringList shown{form.windowTitle()};
    // Everything the window shows and tells a screen reader, along a game and an error.
    const auto look = [&] {
        for (QWidget *widget : form.findChildren<QWidget *>()) {
            shown << shownBy(widget) << widget->accessibleName() << widget->accessibleDescription();
            if (auto *accessible = QAccessible::queryAccessibleInterface(widget))
                shown << accessible->text(QAccessible::Name) << accessible->text(QAccessible::Description);
        }
    };
    look();
    for (const int number : {25, 52})
        QVERIFY(driver.clickItem(QString::number(number)));
    look();
    driver.clickButton(0);
    look();
    QVERIFY(driver.clickItem(QStringLiteral("7")));
    look();
    shown << answerMessageBox(&form, [&driver] { driver.clickButton(1); });
    look();

    static const QRegularExpression plainWord(QStringLiteral("[A-Za-z]{2,}"));
    for (const QString &text : shown)
        QVERIFY2(!plainWord.match(text).hasMatch(), qPrintable(text));
}

QTEST_MAIN(TestGameForm)
#include "tst_gameform.moc"
