// SPDX-License-Identifier: MIT
//
// A long random session at the real window: a pupil clicking and scrolling the list,
// pressing keys, tabbing around, typing and pasting into every box and pressing both
// buttons. After every event the whole window is compared with a small model of the
// game kept here, written from the rules of the game and not from its code, so a fault
// in either the game or the window shows up as a difference.
//
// ROVALIN_SESSION_SEED picks the session (a fixed one by default, so every run checks
// the same events); ROVALIN_SESSION_EVENTS changes its length. A failure names the
// seed and the event that reproduce it.

#include "formdriver.h"

#include "fixedfractions.h"
#include "form/formtexts.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <random>
#include <string_view>

namespace {

constexpr std::uint64_t defaultSeed = 20250101;
constexpr int defaultEvents = 100000;

// QLineEdit's default maxLength: a longer paste is cut to it.
constexpr int lineEditLimit = 32767;

// The count of picks stops at the largest 16-bit value.
constexpr int pickCountLimit = 32767;

// Long texts (a pasted megabyte) are shown by their length and ends only.
QString abbreviated(const QString &text)
{
    constexpr qsizetype shown = 60;
    const QString visible = text.size() <= shown
                          ? text
                          : text.left(shown / 2) + QStringLiteral("…") + text.right(shown / 2);
    // Control characters are spelled out: a raw NUL would cut the message short.
    QString spelled;
    for (const QChar character : visible) {
        if (character.unicode() < 0x20 || character.unicode() == 0x7f)
            spelled += QStringLiteral("<%1>").arg(static_cast<int>(character.unicode()), 2, 16, QChar(u'0'));
        else
            spelled += character;
    }
    return QStringLiteral("\"%1\" (%2 chars)").arg(spelled).arg(text.size());
}

// What the window should show, kept by the rules of the game as a pupil is told them.
class ExpectedGame
{
public:
    void newGame(int hiddenNumber)
    {
        hidden = hiddenNumber;
        pickCount = 0;
        firstCaption = QStringLiteral("Число 1:");
        secondCaption = QStringLiteral("Число 2:");
        boxes.fill(QString());
        resultLocked = false;
        offer(20, 49, 0);
    }

    // "Чисти": a new game and an empty transcript.
    void clear(int hiddenNumber)
    {
        newGame(hiddenNumber);
        setTranscript(QString());
    }

    // The pupil picked the item in row of the list as it was before the pick.
    void pick(int row)
    {
        const int number = items.at(row).toInt();
        switch (pickCount) {
        case 0:
            firstNumber = number;
            firstCaption = QString::number(number);
            boxes[0] = QString::number(number % hidden);
            // The second question may not be a multiple of the first.
            offer(50, 99, number);
            break;
        case 1:
            secondNumber = number;
            secondCaption = QString::number(number);
            boxes[1] = QString::number(number % hidden);
            offer(1, 30, 0);
            break;
        case 2:
            boxes[2] = number == hidden ? QStringLiteral("Да %1").arg(hidden) : QStringLiteral("Не");
            selected = row;
            break;
        default:
            selected = row;
            break;
        }
        pickCount = std::min(pickCount + 1, pickCountLimit);
    }

    // "Провери": the worked solution, once both questions are asked.
    void check()
    {
        if (pickCount < 2)
            return;
        const int firstDifference = firstNumber - firstNumber % hidden;
        const int secondDifference = secondNumber - secondNumber % hidden;
        QStringList lines{QStringLiteral("Извеждам двете въведени числа и остатъците:"),
                          QStringLiteral("%1 - %2 = %3")
                              .arg(firstNumber)
                              .arg(firstNumber % hidden)
                              .arg(firstDifference),
                          QStringLiteral("%1 - %2 = %3")
                              .arg(secondNumber)
                              .arg(secondNumber % hidden)
                              .arg(secondDifference),
                          QStringLiteral("Решение чрез алгоритъм на Евклид:")};
        int larger = firstDifference;
        int smaller = secondDifference;
        int divisor = secondDifference;
        // A first difference of 0 (hidden 21, first pick 20) has nothing to subtract.
        if (firstDifference != 0) {
            while (larger != smaller) {
                if (larger < smaller)
                    std::swap(larger, smaller);
                lines.append(QStringLiteral("%1 - %2").arg(larger).arg(smaller));
                larger -= smaller;
            }
            divisor = larger;
        }
        lines.append(QStringLiteral("НОД = %1").arg(divisor));
        setTranscript(lines.join(QStringLiteral("\r\n")));
        boxes[2] = QString::number(divisor);
        resultLocked = true;
    }

    void setTranscript(const QString &text)
    {
        transcript = text;
        transcriptUtf8 = text.toStdString();
        transcriptShown = text;
        transcriptShown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        ++transcriptVersion;
    }

    int hidden = 0;
    int pickCount = 0;
    int firstNumber = 0;
    int secondNumber = 0;
    QString firstCaption;
    QString secondCaption;
    std::array<QString, 3> boxes;
    bool resultLocked = false;
    QString transcript;
    std::string transcriptUtf8;
    QString transcriptShown;
    int transcriptVersion = 0;
    QStringList items;
    int selected = -1;
    int listVersion = 0;

private:
    void offer(int first, int last, int leaveOutMultiplesOf)
    {
        items.clear();
        for (int number = first; number <= last; ++number) {
            if (leaveOutMultiplesOf == 0 || number % leaveOutMultiplesOf != 0)
                items.append(QString::number(number));
        }
        selected = -1;
        ++listVersion;
    }
};

enum class EventKind {
    ItemClick,
    ListPointClick,
    EmptyAreaClick,
    ScrollBarClick,
    Wheel,
    DoubleClick,
    Drag,
    KeyToFocus,
    Tab,
    Backtab,
    CheckClick,
    ClearClick,
    Typing,
    Paste,
    MegabytePaste,
};

struct WeightedKind
{
    EventKind kind;
    int weight;
    const char *name;
};

// The mix of a session, in events per ten thousand.
constexpr std::array<WeightedKind, 15> eventMix{{
    {EventKind::ItemClick, 2100, "click on an item"},
    {EventKind::ListPointClick, 450, "click anywhere in the list (any button)"},
    {EventKind::EmptyAreaClick, 250, "click below the last item"},
    {EventKind::ScrollBarClick, 250, "click on the list's scroll bar"},
    {EventKind::Wheel, 300, "mouse wheel over the list"},
    {EventKind::DoubleClick, 250, "double click on an item"},
    {EventKind::Drag, 150, "drag across the list"},
    {EventKind::KeyToFocus, 3000, "key to the focused control"},
    {EventKind::Tab, 500, "Tab"},
    {EventKind::Backtab, 300, "Shift+Tab"},
    {EventKind::CheckClick, 400, "click on Провери"},
    {EventKind::ClearClick, 200, "click on Чисти"},
    {EventKind::Typing, 1100, "click into a box and type"},
    {EventKind::Paste, 747, "click into a box and paste"},
    {EventKind::MegabytePaste, 3, "paste of a megabyte"},
}};

std::uint64_t numberFromEnvironment(const char *name, std::uint64_t fallback, bool &ok)
{
    ok = true;
    if (!qEnvironmentVariableIsSet(name))
        return fallback;
    return qEnvironmentVariable(name).trimmed().toULongLong(&ok, 0);
}

// One session: the window, the pupil's hands and the model to hold it against.
class Session
{
public:
    // reports collects what the window would have shown in a message box.
    Session(GameForm &gameForm, FixedFractions &source, const QStringList &reports, std::uint64_t seed)
        : form(gameForm)
        , driver(gameForm)
        , fractions(source)
        , errorReports(reports)
        , random(seed)
        , chain{driver.transcript, driver.list,       driver.boxes[0],  driver.boxes[1],
                driver.boxes[2],   driver.buttons[0], driver.buttons[1]}
    {
        // The first selection made during an event tells which item a key moved to,
        // even when the pick that follows rebuilds the list at once.
        selectionWatch = QObject::connect(driver.list, &QListWidget::itemSelectionChanged, driver.list, [this] {
            const int row = driver.list->selectedRow();
            if (capturedRow < 0 && row >= 0) {
                capturedRow = row;
                capturedText = driver.list->item(row)->text();
            }
        });
    }

    ~Session() { QObject::disconnect(selectionWatch); }

    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    void start(int hiddenNumber)
    {
        expected.newGame(hiddenNumber);
        expected.setTranscript(QString::fromUtf8(FormTexts::taskStatement));
    }

    // Plays one event; the description says what it was.
    void play(QString &description)
    {
        capturedRow = -1;
        capturedText.clear();
        expectedFocus = nullptr;
        touchedTranscript = false;
        failure.clear();

        const EventKind kind = chooseKind();
        ++kindCounts[kind];
        switch (kind) {
        case EventKind::ItemClick:
            clickItem(description);
            break;
        case EventKind::ListPointClick:
            clickAnywhereInList(description);
            break;
        case EventKind::EmptyAreaClick:
            clickBelowItems(description);
            break;
        case EventKind::ScrollBarClick:
            clickScrollBar(description);
            break;
        case EventKind::Wheel:
            turnWheel(description);
            break;
        case EventKind::DoubleClick:
            doubleClickItem(description);
            break;
        case EventKind::Drag:
            dragAcrossList(description);
            break;
        case EventKind::KeyToFocus:
            keyToFocus(description);
            break;
        case EventKind::Tab:
        case EventKind::Backtab:
            tab(kind == EventKind::Tab, description);
            break;
        case EventKind::CheckClick:
        case EventKind::ClearClick: {
            const int index = kind == EventKind::CheckClick ? 0 : 1;
            description = QStringLiteral("click on %1").arg(driver.buttons[index]->text());
            clickButton(index);
            break;
        }
        case EventKind::Typing:
            typeIntoBox(description);
            break;
        case EventKind::Paste:
        case EventKind::MegabytePaste:
            pasteIntoBox(kind == EventKind::MegabytePaste, description);
            break;
        }
    }

    // Compares the window with the model; an empty result means they agree.
    QString verify(bool thoroughly)
    {
        if (!failure.isEmpty())
            return failure;
        if (!errorReports.isEmpty())
            return QStringLiteral("the window reported an error: ") + errorReports.constFirst();
        if (QWidget *modal = QApplication::activeModalWidget())
            return QStringLiteral("a modal window is open: ") + modal->objectName();

        QWidget *focus = QApplication::focusWidget();
        if (!chain.contains(focus))
            return QStringLiteral("the focus left the form's controls");
        if (expectedFocus != nullptr && focus != expectedFocus)
            return QStringLiteral("focus on %1, expected on %2")
                .arg(focus->objectName(), expectedFocus->objectName());

        const GameState &state = form.game().state();
        if (state.hiddenNumber != expected.hidden)
            return QStringLiteral("hidden number %1, expected %2").arg(state.hiddenNumber).arg(expected.hidden);
        if (state.pickCount != expected.pickCount)
            return QStringLiteral("%1 picks counted, expected %2").arg(state.pickCount).arg(expected.pickCount);

        if (driver.labels[1]->text() != expected.firstCaption)
            return QStringLiteral("Label1(1) shows %1, expected %2")
                .arg(abbreviated(driver.labels[1]->text()), abbreviated(expected.firstCaption));
        if (driver.labels[2]->text() != expected.secondCaption)
            return QStringLiteral("Label1(2) shows %1, expected %2")
                .arg(abbreviated(driver.labels[2]->text()), abbreviated(expected.secondCaption));

        for (int index = 0; index < 3; ++index) {
            const QLineEdit *box = driver.boxes[index];
            const QString &wanted = expected.boxes[static_cast<std::size_t>(index)];
            if (box->text() != wanted)
                return QStringLiteral("Text2(%1) shows %2, expected %3")
                    .arg(index)
                    .arg(abbreviated(box->text()), abbreviated(wanted));
            if (QString::fromUtf8(form.text2(index)) != wanted)
                return QStringLiteral("Text2(%1) reads back %2, expected %3")
                    .arg(index)
                    .arg(abbreviated(QString::fromUtf8(form.text2(index))), abbreviated(wanted));
        }
        if (!driver.boxes[0]->isReadOnly() || !driver.boxes[1]->isReadOnly())
            return QStringLiteral("a remainder box takes typing");
        if (driver.boxes[2]->isReadOnly() != expected.resultLocked)
            return expected.resultLocked ? QStringLiteral("Text2(2) is not locked")
                                         : QStringLiteral("Text2(2) is locked");

        if (QString problem = verifyList(thoroughly); !problem.isEmpty())
            return problem;
        return verifyTranscript(thoroughly);
    }

    // What the session did, so that a reader can tell it reached every kind of event.
    void printStatistics() const
    {
        for (const WeightedKind &entry : eventMix) {
            const auto found = kindCounts.find(entry.kind);
            qInfo("  %6d  %s", found == kindCounts.end() ? 0 : found->second, entry.name);
        }
        qInfo("  picks: %d; games: %d; solutions shown: %d; scrolled to an item first: %d",
              pickTotal, gameTotal, solutionTotal, scrolledFirst);
        qInfo("  keys to the list: %d, to a button: %d, to a box: %d; digit keys in the list: %d",
              listKeys, buttonKeys, boxKeys, digitKeys);
        qInfo("  clicks really below the last item: %d (none possible at the bottom: %d);"
              " megabyte pastes into the unlocked result box: %d",
              emptyAreaClicks, noEmptyArea, bigPastesTaken);
    }

private:
    // ----- choosing ------------------------------------------------------------------

    int below(int bound) { return static_cast<int>(random() % static_cast<std::uint64_t>(bound)); }
    bool chance(int percent) { return below(100) < percent; }
    // A point in area, never (0,0): QTest takes a null point for "the centre".
    QPoint pointIn(const QRect &area)
    {
        while (true) {
            const QPoint point(area.left() + below(area.width()), area.top() + below(area.height()));
            if (!point.isNull() || area.width() * area.height() <= 1)
                return point;
        }
    }

    EventKind chooseKind()
    {
        int total = 0;
        for (const WeightedKind &entry : eventMix)
            total += entry.weight;
        int draw = below(total);
        for (const WeightedKind &entry : eventMix) {
            if (draw < entry.weight)
                return entry.kind;
            draw -= entry.weight;
        }
        return EventKind::ItemClick;
    }

    QChar printableCharacter()
    {
        constexpr std::u16string_view characters =
            u"0123456789012345678901234567890123456789abcxyzABCXYZабвгдежзийклмнопрстуфхцчшщъьюя"
            u"АБВЖЪЮЯ   .,-+!?;:'\"()[]№€";
        return characters.at(static_cast<std::size_t>(below(static_cast<int>(characters.size()))));
    }

    QChar controlCharacter()
    {
        constexpr std::array<char16_t, 12> controls{0x00, 0x01, 0x03, 0x07, 0x08, 0x09,
                                                       0x0a, 0x0d, 0x16, 0x1a, 0x1b, 0x7f};
        return {controls.at(static_cast<std::size_t>(below(static_cast<int>(controls.size()))))};
    }

    static Qt::Key keyFor(QChar character)
    {
        const char16_t code = character.toUpper().unicode();
        if (code == u' ')
            return Qt::Key_Space;
        return static_cast<Qt::Key>(code);
    }

    // ----- the list ------------------------------------------------------------------

    // Makes row visible as the pupil would by scrolling, and returns a point on it.
    QPoint pointOnRow(int row)
    {
        PickList *list = driver.list;
        QListWidgetItem *item = list->item(row);
        const QRect viewport = list->viewport()->rect();
        if (!viewport.contains(list->visualItemRect(item))) {
            constexpr std::array<QAbstractItemView::ScrollHint, 4> hints{
                QAbstractItemView::EnsureVisible, QAbstractItemView::PositionAtTop,
                QAbstractItemView::PositionAtBottom, QAbstractItemView::PositionAtCenter};
            list->scrollToItem(item, hints.at(static_cast<std::size_t>(below(4))));
            ++scrolledFirst;
        }
        const QRect visible = list->visualItemRect(item) & viewport;
        if (visible.isEmpty()) {
            fail(QStringLiteral("row %1 stays out of sight after scrolling to it").arg(row));
            return viewport.center();
        }
        return pointIn(visible);
    }

    // The list lays out new items on a zero timer; by the time the pupil sees them and
    // moves the mouse the event loop has done so. The session runs the loop only now
    // and then (painting each time would be slow), so it lays the list out here.
    void settleList() const
    {
        QCoreApplication::sendPostedEvents(driver.list);
        if (driver.list->count() > 0)
            static_cast<void>(driver.list->visualItemRect(driver.list->item(0)));
    }

    int rowAt(QPoint point) const
    {
        const QListWidgetItem *item = driver.list->itemAt(point);
        return item != nullptr ? driver.list->row(item) : -1;
    }

    // A mouse click in the list's viewport; only a left click on an item is a pick.
    void clickList(QPoint point, Qt::MouseButton button, QString &description)
    {
        const int selectedBefore = expected.selected;
        const int row = rowAt(point);
        description += QStringLiteral(" at (%1,%2), %3 button, %4")
                           .arg(point.x())
                           .arg(point.y())
                           .arg(button == Qt::LeftButton    ? QStringLiteral("left")
                                : button == Qt::RightButton ? QStringLiteral("right")
                                                            : QStringLiteral("middle"))
                           .arg(row >= 0 ? QStringLiteral("item \"%1\"").arg(expected.items.value(row))
                                         : QStringLiteral("no item"));
        QTest::mouseClick(driver.list->viewport(), button, Qt::NoModifier, point);
        expectedFocus = driver.list;
        if (button == Qt::LeftButton && row >= 0)
            picked(row, selectedBefore);
        else
            nothingPicked();
    }

    void clickItem(QString &description)
    {
        settleList();
        const int row = below(driver.list->count());
        description = QStringLiteral("click on row %1").arg(row);
        const QPoint point = pointOnRow(row);
        clickList(point, Qt::LeftButton, description);
    }

    void clickAnywhereInList(QString &description)
    {
        settleList();
        description = QStringLiteral("click in the list");
        const int draw = below(10);
        const Qt::MouseButton button = draw < 6 ? Qt::LeftButton : draw < 9 ? Qt::RightButton : Qt::MiddleButton;
        clickList(pointIn(driver.list->viewport()->rect()), button, description);
    }

    void clickBelowItems(QString &description)
    {
        settleList();
        description = QStringLiteral("click below the last item");
        PickList *list = driver.list;
        // The pupil drags the scroll bar to its end: only there can space be left
        // below the last item of these long lists.
        list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
        const QRect viewport = list->viewport()->rect();
        const QRect last = list->visualItemRect(list->item(list->count() - 1));
        QPoint point(below(viewport.width()), viewport.bottom());
        if (last.bottom() < viewport.bottom()) {
            const QRect empty(viewport.left(), last.bottom() + 1, viewport.width(),
                              viewport.bottom() - last.bottom());
            point = pointIn(empty);
            ++emptyAreaClicks;
            if (rowAt(point) >= 0) {
                fail(QStringLiteral("an item reaches below the last item's rectangle"));
                return;
            }
        } else {
            ++noEmptyArea;
        }
        clickList(point, Qt::LeftButton, description);
    }

    void clickScrollBar(QString &description)
    {
        settleList();
        QScrollBar *bar = driver.list->verticalScrollBar();
        if (!bar->isVisible())
            QCoreApplication::processEvents();
        if (!bar->isVisible()) {
            fail(QStringLiteral("no scroll bar beside %1 items").arg(driver.list->count()));
            return;
        }
        const QPoint point = pointIn(bar->rect());
        description = QStringLiteral("click on the scroll bar at (%1,%2)").arg(point.x()).arg(point.y());
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, point);
        nothingPicked();
    }

    void turnWheel(QString &description)
    {
        settleList();
        QWidget *viewport = driver.list->viewport();
        const QPoint point = pointIn(viewport->rect());
        const int delta = chance(50) ? 120 : -120;
        description = QStringLiteral("wheel %1 over the list").arg(delta);
        QWheelEvent wheel(QPointF(point), QPointF(viewport->mapToGlobal(point)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
        nothingPicked();
    }

    // A double click reaches a widget as press, release, double click, release; only
    // the first press may pick.
    void doubleClickItem(QString &description)
    {
        settleList();
        QWidget *viewport = driver.list->viewport();
        const int selectedBefore = expected.selected;
        const QPoint point = pointOnRow(below(driver.list->count()));
        const int row = rowAt(point);
        description = QStringLiteral("double click on \"%1\"").arg(expected.items.value(row));
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, point);
        QMouseEvent doubleClick(QEvent::MouseButtonDblClick, point, viewport->mapToGlobal(point),
                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &doubleClick);
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, point);
        expectedFocus = driver.list;
        picked(row, selectedBefore);
    }

    // Press on an item, move with the button held, let go elsewhere: the press picks.
    void dragAcrossList(QString &description)
    {
        settleList();
        QWidget *viewport = driver.list->viewport();
        const int selectedBefore = expected.selected;
        const QPoint from = pointOnRow(below(driver.list->count()));
        const QPoint to = pointIn(viewport->rect());
        const int row = rowAt(from);
        description = QStringLiteral("drag from \"%1\" to (%2,%3)")
                          .arg(expected.items.value(row))
                          .arg(to.x())
                          .arg(to.y());
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, from);
        QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, to);
        expectedFocus = driver.list;
        picked(row, selectedBefore);
    }

    // A key while the list has the focus. The list answers by the pick rule: from
    // nothing selected the downward keys reach the first item and the upward keys the
    // last; otherwise they step from the selected item, Page Down and Page Up by the
    // rows in view less one, never beyond the ends; a character picks the next item
    // that begins with it, going round; Space, Enter and Escape pick nothing.
    void listKey(QString &description)
    {
        ++listKeys;
        PickList *list = driver.list;
        const int selected = expected.selected;
        const int last = list->count() - 1;
        const int page = std::max(list->viewport()->height() / list->sizeHintForRow(0) - 1, 1);
        const int down = selected < 0 ? 0 : std::min(selected + 1, last);
        const int up = selected < 0 ? last : std::max(selected - 1, 0);
        const int pageDown = selected < 0 ? 0 : std::min(selected + page, last);
        const int pageUp = selected < 0 ? last : std::max(selected - page, 0);
        struct MovingKey
        {
            int weight;
            Qt::Key key;
            const char *name;
            int target;
        };
        const std::array<MovingKey, 8> movingKeys{{{18, Qt::Key_Down, "Down", down},
                                                   {12, Qt::Key_Up, "Up", up},
                                                   {6, Qt::Key_Home, "Home", 0},
                                                   {6, Qt::Key_End, "End", last},
                                                   {8, Qt::Key_PageDown, "PageDown", pageDown},
                                                   {6, Qt::Key_PageUp, "PageUp", pageUp},
                                                   {2, Qt::Key_Right, "Right", down},
                                                   {2, Qt::Key_Left, "Left", up}}};

        int target = -1; // -1: the key picks nothing
        int draw = below(100);
        for (const MovingKey &moving : movingKeys) {
            if (draw < moving.weight) {
                description = QString::fromLatin1(moving.name);
                QTest::keyClick(list, moving.key);
                target = moving.target;
                break;
            }
            draw -= moving.weight;
        }
        if (description.isEmpty()) {
            // draw is now below 40.
            QChar character;
            if (draw < 24) {
                ++digitKeys;
                character = QChar(u'0' + below(10));
                for (int step = 1; step <= last + 1; ++step) {
                    const int row = (selected + step) % (last + 1);
                    if (expected.items.at(row).startsWith(character)) {
                        target = row;
                        break;
                    }
                }
            } else if (draw < 33) {
                // No item begins with a letter, a blank or a sign.
                constexpr std::u16string_view others = u"abxyzABабвжюяАБЯ.-+ ";
                character = others.at(static_cast<std::size_t>(below(static_cast<int>(others.size()))));
            }
            if (!character.isNull()) {
                description = QStringLiteral("\"%1\"").arg(character);
                QTest::sendKeyEvent(QTest::Click, list, keyFor(character), QString(character), Qt::NoModifier);
            } else {
                const bool enter = draw < 37;
                description = enter ? QStringLiteral("Return") : QStringLiteral("Escape");
                QTest::keyClick(list, enter ? Qt::Key_Return : Qt::Key_Escape);
            }
        }
        description = QStringLiteral("key %1 in the list (selected %2)").arg(description).arg(selected);
        expectedFocus = list;
        if (target >= 0 && target != selected)
            picked(target, selected);
        else
            nothingPicked();
    }

    // ----- buttons ---------------------------------------------------------------------

    // What pressing a button (by mouse or key) makes of the game.
    void buttonPressed(int index)
    {
        if (index == 0) {
            expected.check();
            if (expected.pickCount >= 2)
                ++solutionTotal;
        } else {
            const int hidden = 2 + below(20);
            fractions.push(FixedFractions::drawing(hidden));
            expected.clear(hidden);
            ++gameTotal;
        }
        touchedTranscript = true;
    }

    void clickButton(int index)
    {
        QPushButton *button = driver.buttons[index];
        // Inside the border, where every style takes the click as the button's.
        const QRect inside = button->rect().adjusted(3, 3, -3, -3);
        if (index == 1)
            buttonPressed(index); // the new game's hidden number goes in first
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, pointIn(inside));
        if (index == 0)
            buttonPressed(index);
        expectedFocus = button;
        nothingPicked();
    }

    void buttonKey(int index, QString &description)
    {
        ++buttonKeys;
        QPushButton *button = driver.buttons[index];
        const int draw = below(100);
        expectedFocus = button;
        if (draw < 70) {
            const bool space = draw < 35;
            const bool keypad = draw >= 60;
            description = QStringLiteral("%1 on %2")
                              .arg(space ? QStringLiteral("Space") : keypad ? QStringLiteral("keypad Enter") : QStringLiteral("Return"), button->text());
            if (index == 1)
                buttonPressed(index);
            if (space)
                QTest::keyClick(button, Qt::Key_Space);
            else if (keypad)
                QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
            else
                QTest::keyClick(button, Qt::Key_Return);
            if (index == 0)
                buttonPressed(index);
        } else if (draw < 90) {
            const QChar character = printableCharacter();
            description = QStringLiteral("\"%1\" on %2").arg(character).arg(button->text());
            // A space typed as a character presses the button as the Space key does.
            if (character == u' ') {
                if (index == 1)
                    buttonPressed(index);
                QTest::sendKeyEvent(QTest::Click, button, keyFor(character), QString(character), Qt::NoModifier);
                if (index == 0)
                    buttonPressed(index);
            } else {
                QTest::sendKeyEvent(QTest::Click, button, keyFor(character), QString(character), Qt::NoModifier);
            }
        } else {
            description = QStringLiteral("Escape on %1").arg(button->text());
            QTest::keyClick(button, Qt::Key_Escape);
        }
        nothingPicked();
    }

    // ----- boxes -----------------------------------------------------------------------

    // Text2(0..2) are 0..2, Text1(0) is 3.
    QWidget *box(int index) const
    {
        return index < 3 ? static_cast<QWidget *>(driver.boxes[index]) : driver.transcript;
    }

    static QString boxName(int index)
    {
        return index < 3 ? QStringLiteral("Text2(%1)").arg(index) : QStringLiteral("Text1(0)");
    }

    bool takesTyping(int index) const { return index == 2 && !expected.resultLocked; }

    void clickBox(int index)
    {
        QWidget *target = index < 3 ? box(index) : driver.transcript->viewport();
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, pointIn(target->rect().adjusted(2, 2, -2, -2)));
        expectedFocus = box(index);
        if (index == 3)
            touchedTranscript = true;
    }

    // Puts the cursor at the end (End) or selects everything (Ctrl+A) before typing, so
    // that what typing does is known. Returns whether everything is selected.
    bool placeCursor(int index, QString &description)
    {
        QWidget *target = box(index);
        if (chance(30)) {
            description += QStringLiteral(", Ctrl+A");
            QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
            return takesTyping(index) && !expected.boxes[2].isEmpty();
        }
        description += QStringLiteral(", End");
        QTest::keyClick(target, Qt::Key_End);
        return false;
    }

    void typeInto(int index, QString &description)
    {
        ++boxKeys;
        QWidget *target = box(index);
        bool allSelected = placeCursor(index, description);
        const bool editable = takesTyping(index);
        QString shown = editable ? expected.boxes[2] : QString();
        const int length = 1 + below(12);
        QString typed;
        for (int step = 0; step < length; ++step) {
            const int draw = below(100);
            if (draw < 75) {
                const QChar character = printableCharacter();
                typed += character;
                QTest::sendKeyEvent(QTest::Click, target, keyFor(character), QString(character), Qt::NoModifier);
                if (allSelected)
                    shown.clear();
                allSelected = false;
                if (shown.size() < lineEditLimit)
                    shown += character;
            } else if (draw < 87) {
                // A control character arriving as text, with no key of its own.
                const QChar control = controlCharacter();
                typed += QStringLiteral("<%1>").arg(static_cast<int>(control.unicode()), 2, 16, QChar(u'0'));
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(control), Qt::NoModifier);
            } else if (draw < 97) {
                typed += QStringLiteral("<BS>");
                QTest::keyClick(target, Qt::Key_Backspace);
                if (allSelected)
                    shown.clear();
                else
                    shown.chop(1);
                allSelected = false;
            } else {
                typed += QStringLiteral("<Return>");
                QTest::keyClick(target, Qt::Key_Return);
            }
        }
        description += QStringLiteral(", typed %1").arg(abbreviated(typed));
        if (editable)
            expected.boxes[2] = shown;
        if (index == 3)
            touchedTranscript = true;
        expectedFocus = target;
        nothingPicked();
    }

    void typeIntoBox(QString &description)
    {
        const int index = below(4);
        description = QStringLiteral("click into %1").arg(boxName(index));
        clickBox(index);
        typeInto(index, description);
    }

    QString clipboardText(bool megabyte)
    {
        QString text;
        if (megabyte) {
            // One megabyte of digits with some line breaks and control characters,
            // made once; each paste puts a different character in front.
            if (megabyteText.isEmpty()) {
                constexpr qsizetype size = 1024 * 1024 - 1;
                megabyteText.reserve(size);
                while (megabyteText.size() < size) {
                    const int draw = below(100);
                    megabyteText += draw < 2 ? QChar(u'\n') : draw < 3 ? controlCharacter() : QChar(u'0' + below(10));
                }
            }
            return printableCharacter() + megabyteText;
        }
        const int draw = below(100);
        const int length = below(40);
        for (int step = 0; step < length; ++step) {
            if (draw < 50)
                text += printableCharacter();
            else if (draw < 75)
                text += below(6) == 0 ? QStringLiteral("\r\n") : QString(printableCharacter());
            else if (draw < 95)
                text += below(3) == 0 ? controlCharacter() : printableCharacter();
            else
                break; // an empty clipboard
        }
        return text;
    }

    void pasteIntoBox(bool megabyte, QString &description)
    {
        // The megabyte mostly goes where it is taken: the unlocked result box.
        const int index = megabyte && !expected.resultLocked && chance(70) ? 2 : below(4);
        const QString clip = clipboardText(megabyte);
        description = QStringLiteral("click into %1").arg(boxName(index));
        clickBox(index);
        bool allSelected = placeCursor(index, description);
        description += QStringLiteral(", paste %1").arg(abbreviated(clip));
        QApplication::clipboard()->setText(clip);
        QWidget *target = box(index);
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        if (takesTyping(index)) {
            QString shown = allSelected ? QString() : expected.boxes[2];
            shown += clip.left(lineEditLimit - shown.size());
            expected.boxes[2] = shown;
            if (megabyte)
                ++bigPastesTaken;
        }
        expectedFocus = target;
        nothingPicked();
    }

    // ----- focus -----------------------------------------------------------------------

    void keyToFocus(QString &description)
    {
        QWidget *focus = QApplication::focusWidget();
        if (focus == driver.list) {
            listKey(description);
            return;
        }
        for (int index = 0; index < 2; ++index) {
            if (focus == driver.buttons[index]) {
                buttonKey(index, description);
                return;
            }
        }
        for (int index = 0; index < 4; ++index) {
            if (focus == box(index)) {
                description = QStringLiteral("keys to %1").arg(boxName(index));
                typeInto(index, description);
                return;
            }
        }
        fail(QStringLiteral("no control of the form has the focus"));
    }

    void tab(bool forward, QString &description)
    {
        QWidget *focus = QApplication::focusWidget();
        const qsizetype at = chain.indexOf(focus);
        if (at < 0) {
            fail(QStringLiteral("no control of the form has the focus"));
            return;
        }
        description = QStringLiteral("%1 from %2").arg(forward ? QStringLiteral("Tab") : QStringLiteral("Shift+Tab"), focus->objectName());
        if (forward)
            QTest::keyClick(focus, Qt::Key_Tab);
        else
            QTest::keyClick(focus, Qt::Key_Backtab, Qt::ShiftModifier);
        const qsizetype size = chain.size();
        expectedFocus = chain.at((at + (forward ? 1 : size - 1)) % size);
        nothingPicked();
    }

    // ----- outcomes --------------------------------------------------------------------

    // The event picked row (of the list as it was before). The list's selection must
    // have moved there, unless it was there already.
    void picked(int row, int selectedBefore)
    {
        if (row < 0) {
            fail(QStringLiteral("a pick was expected but no item was under the pointer"));
            return;
        }
        const int wanted = row != selectedBefore ? row : -1;
        if (capturedRow != wanted) {
            const QString moved = capturedRow >= 0 ? QStringLiteral("moved to row %1 (\"%2\")").arg(capturedRow).arg(capturedText)
                                                   : QStringLiteral("did not move");
            const QString hoped = wanted >= 0 ? QStringLiteral("row %1 (\"%2\")").arg(wanted).arg(expected.items.at(wanted))
                                              : QStringLiteral("it to stay on row %1 (\"%2\")").arg(row).arg(expected.items.at(row));
            fail(QStringLiteral("picking row %1: the selection %2, expected %3").arg(row).arg(moved, hoped));
            return;
        }
        if (capturedRow >= 0 && capturedText != expected.items.at(row)) {
            fail(QStringLiteral("the list selected \"%1\" in row %2, expected \"%3\"")
                     .arg(capturedText)
                     .arg(row)
                     .arg(expected.items.at(row)));
            return;
        }
        expected.pick(row);
        ++pickTotal;
    }

    void nothingPicked()
    {
        if (capturedRow >= 0)
            fail(QStringLiteral("the selection moved to row %1 (\"%2\") without a pick")
                     .arg(capturedRow)
                     .arg(capturedText));
    }

    void fail(const QString &what)
    {
        if (failure.isEmpty())
            failure = what;
    }

    // ----- checks ----------------------------------------------------------------------

    QString verifyList(bool thoroughly)
    {
        const PickList *list = driver.list;
        const QStringList &items = expected.items;
        const int count = list->count();
        if (count != items.size())
            return QStringLiteral("the list has %1 items, expected %2").arg(count).arg(items.size());
        if (list->item(0)->text() != items.constFirst() || list->item(count - 1)->text() != items.constLast())
            return QStringLiteral("the list runs from %1 to %2, expected %3 to %4")
                .arg(list->item(0)->text(), list->item(count - 1)->text(), items.constFirst(), items.constLast());
        if (list->selectedRow() != expected.selected || form.list1ListIndex() != expected.selected)
            return QStringLiteral("row %1 is selected, expected %2").arg(list->selectedRow()).arg(expected.selected);
        if (thoroughly || checkedListVersion != expected.listVersion) {
            for (int row = 0; row < count; ++row) {
                if (list->item(row)->text() != items.at(row))
                    return QStringLiteral("row %1 of the list shows \"%2\", expected \"%3\"")
                        .arg(row)
                        .arg(list->item(row)->text(), items.at(row));
            }
            checkedListVersion = expected.listVersion;
        }
        return {};
    }

    QString verifyTranscript(bool thoroughly)
    {
        if (form.text1() != expected.transcriptUtf8)
            return QStringLiteral("Text1(0) reads back %1, expected %2")
                .arg(abbreviated(QString::fromUtf8(form.text1())), abbreviated(expected.transcript));
        const QPlainTextEdit *transcript = driver.transcript;
        if (transcript->document()->characterCount() != expected.transcriptShown.size() + 1)
            return QStringLiteral("Text1(0) shows %1 characters, expected %2")
                .arg(transcript->document()->characterCount() - 1)
                .arg(expected.transcriptShown.size());
        if (thoroughly || touchedTranscript || checkedTranscriptVersion != expected.transcriptVersion) {
            const QString shown = transcript->toPlainText();
            if (shown != expected.transcriptShown)
                return QStringLiteral("Text1(0) shows %1, expected %2")
                    .arg(abbreviated(shown), abbreviated(expected.transcriptShown));
            checkedTranscriptVersion = expected.transcriptVersion;
        }
        return {};
    }

    GameForm &form;
    FormDriver driver;
    FixedFractions &fractions;
    const QStringList &errorReports;
    std::mt19937_64 random;
    ExpectedGame expected;
    // The focus chain as designed.
    QList<QWidget *> chain;

    QMetaObject::Connection selectionWatch;
    int capturedRow = -1;
    QString capturedText;
    QWidget *expectedFocus = nullptr;
    bool touchedTranscript = false;
    QString failure;
    QString megabyteText;
    int checkedListVersion = -1;
    int checkedTranscriptVersion = -1;

    std::map<EventKind, int> kindCounts;
    int pickTotal = 0;
    int gameTotal = 0;
    int solutionTotal = 0;
    int scrolledFirst = 0;
    int listKeys = 0;
    int buttonKeys = 0;
    int boxKeys = 0;
    int digitKeys = 0;
    int emptyAreaClicks = 0;
    int noEmptyArea = 0;
    int bigPastesTaken = 0;
};

} // namespace

class TestUserSession : public QObject
{
    Q_OBJECT

private slots:
    void randomSession();
};

void TestUserSession::randomSession()
{
    bool seedOk = false;
    const std::uint64_t seed = numberFromEnvironment("ROVALIN_SESSION_SEED", defaultSeed, seedOk);
    QVERIFY2(seedOk, "ROVALIN_SESSION_SEED is not a number");
    bool eventsOk = false;
    const std::uint64_t eventCount = numberFromEnvironment("ROVALIN_SESSION_EVENTS", defaultEvents, eventsOk);
    QVERIFY2(eventsOk && eventCount <= 100'000'000, "ROVALIN_SESSION_EVENTS is not a sensible number");
    const int events = static_cast<int>(eventCount);
    qInfo("session seed %llu, %d events", static_cast<unsigned long long>(seed), events);

    // The first game's hidden number comes from the session's own generator too.
    std::mt19937_64 firstDraw(seed ^ 0x9e3779b97f4a7c15ULL);
    const int firstHidden = 2 + static_cast<int>(firstDraw() % 20U);
    QStringList reports;
    auto source = std::make_unique<FixedFractions>(std::deque<float>{FixedFractions::drawing(firstHidden)});
    FixedFractions &fractions = *source;
    GameForm form(std::move(source));
    form.setErrorReporter([&reports](const QString &message) { reports.append(message); });
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QVERIFY(FormDriver(form).complete());

    Session session(form, fractions, reports, seed);
    session.start(firstHidden);
    if (const QString problem = session.verify(true); !problem.isEmpty())
        QFAIL(qPrintable(QStringLiteral("seed %1, before the first event: %2").arg(seed).arg(problem)));

    // The last few events, to tell what led to a failure.
    std::deque<QString> recent;
    for (int index = 0; index < events; ++index) {
        QString description;
        session.play(description);
        // The event loop runs now and then: it repaints the window and runs its
        // timers. (Running it after every event would triple the time; the list's
        // layout, the one thing a click depends on, is settled before each click.)
        if (index % 16 == 15)
            QCoreApplication::processEvents();
        recent.push_back(QStringLiteral("#%1 %2").arg(index).arg(description));
        if (recent.size() > 12)
            recent.pop_front();
        const QString problem = session.verify(index % 1000 == 999);
        if (!problem.isEmpty()) {
            const QStringList story(recent.begin(), recent.end());
            QFAIL(qPrintable(QStringLiteral("seed %1, event %2: %3\nlast events:\n  %4\nreproduce with "
                                            "ROVALIN_SESSION_SEED=%1 ROVALIN_SESSION_EVENTS=%5")
                                 .arg(QString::number(seed), QString::number(index), problem,
                                      story.join(QStringLiteral("\n  ")), QString::number(index + 1))));
        }
    }
    session.printStatistics();
}

QTEST_MAIN(TestUserSession)
#include "tst_usersession.moc"
