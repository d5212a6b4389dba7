// SPDX-License-Identifier: MIT
//
// A long random session at the real window: a pupil clicking and scrolling the list,
// pressing keys, tabbing around, typing and pasting into every box and pressing both
// buttons. Whatever the pupil does, the window must keep the promises that only so
// many events can test: the focus never leaves the form's controls, the list's
// selection never moves without a pick, the list always shows what the game offers,
// and no error and no other window ever reaches the pupil. What each pick and button
// shows is checked by the shared tables (tst_gameform and the page's tests) and the game's
// own tests.
//
// ROVALIN_SESSION_SEED picks the session (a fixed one by default, so every run checks
// the same events); ROVALIN_SESSION_EVENTS changes its length. A failure names the
// seed and the event that reproduce it.

#include "formdriver.h"
#include "testlanguage.h"

#include "form/gameview.h"
#include "game/fractionsource.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QWheelEvent>

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <random>
#include <string_view>
#include <vector>

namespace {

constexpr std::uint64_t defaultSeed = 20250101;
constexpr int defaultEvents = 100000;

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

// Keys a pupil presses in the list, in the window's terms.
constexpr std::array<Qt::Key, 14> listKeys{Qt::Key_Down,   Qt::Key_Up,    Qt::Key_Right, Qt::Key_Left, Qt::Key_Home,
                                           Qt::Key_End,    Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Return,
                                           Qt::Key_Escape, Qt::Key_Space, Qt::Key_Down, Qt::Key_Up, Qt::Key_Down};

std::uint64_t numberFromEnvironment(const char *name, std::uint64_t fallback, bool &ok)
{
    ok = true;
    if (!qEnvironmentVariableIsSet(name))
        return fallback;
    return qEnvironmentVariable(name).trimmed().toULongLong(&ok, 0);
}

// Long texts (a pasted megabyte) are described by their length and ends only, their
// control characters spelled out.
QString abbreviated(const QString &text)
{
    constexpr qsizetype shown = 60;
    const QString visible = text.size() <= shown ? text : text.left(shown / 2) + u'…' + text.right(shown / 2);
    QString spelled;
    for (const QChar character : visible) {
        if (character.unicode() < 0x20 || character.unicode() == 0x7f)
            spelled += QStringLiteral("<%1>").arg(static_cast<int>(character.unicode()), 2, 16, QChar(u'0'));
        else
            spelled += character;
    }
    return QStringLiteral("\"%1\" (%2 chars)").arg(spelled).arg(text.size());
}

// One session: the window and the pupil's hands.
class Session
{
public:
    Session(GameForm &gameForm, FixedFractions &source, const QStringList &reports, std::uint64_t seed)
        : form(gameForm)
        , driver(gameForm)
        , fractions(source)
        , errorReports(reports)
        , random(seed)
        , chain{driver.transcript, driver.list, driver.boxes[0], driver.boxes[1],
                driver.boxes[2], driver.buttons[0], driver.buttons[1]}
    {
        selectionWatch = QObject::connect(driver.list, &QListWidget::itemSelectionChanged, driver.list, [this] {
            if (driver.list->selectedRow() >= 0)
                selectionMoved = true;
        });
    }

    ~Session() { QObject::disconnect(selectionWatch); }

    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    // Plays one event; the description says what it was.
    void play(QString &description)
    {
        selectionMoved = false;
        picksBefore = driver.pickCount();
        const EventKind kind = chooseKind();
        ++kindCounts[kind];
        switch (kind) {
        case EventKind::ItemClick:
            settleList();
            clickList(pointOnRow(below(driver.list->count())), Qt::LeftButton, description);
            break;
        case EventKind::ListPointClick: {
            settleList();
            const int draw = below(10);
            clickList(pointIn(driver.list->viewport()->rect()),
                      draw < 6 ? Qt::LeftButton : draw < 9 ? Qt::RightButton : Qt::MiddleButton, description);
            break;
        }
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
        case EventKind::Drag:
            pressAndMove(kind == EventKind::DoubleClick, description);
            break;
        case EventKind::KeyToFocus:
            keyToFocus(description);
            break;
        case EventKind::Tab:
        case EventKind::Backtab: {
            QWidget *focus = QApplication::focusWidget();
            description = QStringLiteral("%1 from %2")
                              .arg(kind == EventKind::Tab ? QStringLiteral("Tab") : QStringLiteral("Shift+Tab"),
                                   focus->objectName());
            if (kind == EventKind::Tab)
                QTest::keyClick(focus, Qt::Key_Tab);
            else
                QTest::keyClick(focus, Qt::Key_Backtab, Qt::ShiftModifier);
            break;
        }
        case EventKind::CheckClick:
        case EventKind::ClearClick:
            clickButton(kind == EventKind::CheckClick ? 0 : 1, description);
            break;
        case EventKind::Typing:
            typeIntoBox(description);
            break;
        case EventKind::Paste:
        case EventKind::MegabytePaste:
            pasteIntoBox(kind == EventKind::MegabytePaste, description);
            break;
        }
    }

    // Checks the window's promises; an empty result means they are kept.
    [[nodiscard]] QString verify() const
    {
        if (!errorReports.isEmpty())
            return QStringLiteral("the window reported an error: ") + errorReports.constFirst();
        if (QWidget *modal = QApplication::activeModalWidget())
            return QStringLiteral("a modal window is open: ") + modal->objectName();
        if (!chain.contains(QApplication::focusWidget()))
            return QStringLiteral("the focus left the form's controls");
        if (selectionMoved && driver.pickCount() == picksBefore)
            return QStringLiteral("the selection moved to \"%1\" without a pick").arg(driver.selectedItem());
        QStringList offered;
        for (const std::string &item : GameView::itemTexts(form.game().state().offer))
            offered.append(QString::fromStdString(item));
        if (driver.items() != offered)
            return QStringLiteral("the list shows %1 items, %2 to %3; the game offers %4")
                .arg(driver.items().size())
                .arg(driver.items().value(0), driver.items().value(driver.items().size() - 1))
                .arg(offered.size());
        return {};
    }

    // What the session did, so that a reader can tell it reached every kind of event.
    void printStatistics() const
    {
        for (const WeightedKind &entry : eventMix) {
            const auto found = kindCounts.find(entry.kind);
            qInfo("  %6d  %s", found == kindCounts.end() ? 0 : found->second, entry.name);
        }
        qInfo("  picks: %d; games: %d; clicks really below the last item: %d", pickTotal, gameTotal, emptyAreaClicks);
    }

    void countPicks() { pickTotal += driver.pickCount() > picksBefore ? 1 : 0; }

private:
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
        int draw = below(10000);
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

    void typeCharacter(QWidget *target, QChar character, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const char16_t code = character.toUpper().unicode();
        const auto key = code == u' ' ? Qt::Key_Space : code < 0x20 ? Qt::Key_unknown : static_cast<Qt::Key>(code);
        QTest::sendKeyEvent(QTest::Click, target, key, QString(character), modifiers);
    }

    // The list lays out new items on a zero timer; the session runs the event loop only
    // now and then, so it lays the list out before the pupil aims at an item.
    void settleList() const
    {
        QCoreApplication::sendPostedEvents(driver.list);
        if (driver.list->count() > 0)
            static_cast<void>(driver.list->visualItemRect(driver.list->item(0)));
    }

    // Makes row visible as the pupil would by scrolling, and returns a point on it.
    QPoint pointOnRow(int row)
    {
        PickList *list = driver.list;
        QListWidgetItem *item = list->item(row);
        if (!list->viewport()->rect().contains(list->visualItemRect(item))) {
            constexpr std::array<QAbstractItemView::ScrollHint, 4> hints{
                QAbstractItemView::EnsureVisible, QAbstractItemView::PositionAtTop,
                QAbstractItemView::PositionAtBottom, QAbstractItemView::PositionAtCenter};
            list->scrollToItem(item, hints.at(static_cast<std::size_t>(below(4))));
        }
        return pointIn(list->visualItemRect(item) & list->viewport()->rect());
    }

    void clickList(QPoint point, Qt::MouseButton button, QString &description) const
    {
        description = QStringLiteral("click with button %1 at (%2,%3) in the list")
                          .arg(button).arg(point.x()).arg(point.y());
        QTest::mouseClick(driver.list->viewport(), button, Qt::NoModifier, point);
    }

    void clickBelowItems(QString &description)
    {
        settleList();
        PickList *list = driver.list;
        // Only with the scroll bar at its end can space be left below the last item.
        list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
        const QRect viewport = list->viewport()->rect();
        const QRect last = list->visualItemRect(list->item(list->count() - 1));
        QPoint point(below(viewport.width()), viewport.bottom());
        if (last.bottom() < viewport.bottom()) {
            point = pointIn({viewport.left(), last.bottom() + 1, viewport.width(), viewport.bottom() - last.bottom()});
            ++emptyAreaClicks;
        }
        clickList(point, Qt::LeftButton, description);
    }

    void clickScrollBar(QString &description)
    {
        settleList();
        QScrollBar *bar = driver.list->verticalScrollBar();
        if (!bar->isVisible())
            QCoreApplication::processEvents();
        const QPoint point = pointIn(bar->rect());
        description = QStringLiteral("click on the scroll bar at (%1,%2)").arg(point.x()).arg(point.y());
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, point);
    }

    void turnWheel(QString &description)
    {
        settleList();
        QWidget *viewport = driver.list->viewport();
        const QPoint point = pointIn(viewport->rect());
        const int delta = chance(50) ? 120 : -120;
        description = QStringLiteral("wheel %1 over the list").arg(delta);
        QWheelEvent wheel(QPointF(point), QPointF(viewport->mapToGlobal(point)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
    }

    // A double click on an item (press, release, double click, release), or a press on
    // an item dragged elsewhere before the release.
    void pressAndMove(bool doubleClick, QString &description)
    {
        settleList();
        QWidget *viewport = driver.list->viewport();
        const QPoint from = pointOnRow(below(driver.list->count()));
        const QPoint to = doubleClick ? from : pointIn(viewport->rect());
        description = QStringLiteral("%1 from (%2,%3) to (%4,%5)")
                          .arg(doubleClick ? QStringLiteral("double click") : QStringLiteral("drag"))
                          .arg(from.x()).arg(from.y()).arg(to.x()).arg(to.y());
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, from);
        if (doubleClick) {
            QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, from);
            QMouseEvent second(QEvent::MouseButtonDblClick, from, viewport->mapToGlobal(from), Qt::LeftButton,
                               Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(viewport, &second);
        } else {
            QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                             Qt::NoModifier);
            QApplication::sendEvent(viewport, &move);
        }
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, to);
    }

    void keyToFocus(QString &description)
    {
        QWidget *focus = QApplication::focusWidget();
        description = QStringLiteral("key to %1").arg(focus->objectName());
        if (focus == driver.list) {
            // Now and then held with Ctrl, Alt or Meta; a third of the keys type a character.
            constexpr std::array<Qt::KeyboardModifier, 4> held{Qt::NoModifier, Qt::ControlModifier, Qt::AltModifier,
                                                              Qt::MetaModifier};
            const Qt::KeyboardModifier modifier = chance(90) ? Qt::NoModifier : held.at(static_cast<std::size_t>(below(4)));
            if (chance(33)) {
                const QChar character = printableCharacter();
                description += QStringLiteral(": \"%1\"").arg(character);
                typeCharacter(focus, character, modifier);
            } else {
                const Qt::Key key = listKeys.at(static_cast<std::size_t>(below(static_cast<int>(listKeys.size()))));
                description += QStringLiteral(": key %1").arg(key, 0, 16);
                QTest::keyClick(focus, key, modifier);
            }
        } else if (focus == driver.buttons[0] || focus == driver.buttons[1]) {
            if (focus == driver.buttons[1])
                fractions.push(FixedFractions::drawing(2 + below(20)));
            constexpr std::array<Qt::Key, 4> keys{Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape};
            QTest::keyClick(focus, keys.at(static_cast<std::size_t>(below(4))));
        } else {
            typeInto(focus, description);
        }
    }

    void clickButton(int index, QString &description)
    {
        QPushButton *button = driver.buttons[index];
        description = QStringLiteral("click on %1").arg(button->text());
        if (index == 1) {
            fractions.push(FixedFractions::drawing(2 + below(20)));
            ++gameTotal;
        }
        // Inside the border, where every style takes the click as the button's.
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, pointIn(button->rect().adjusted(3, 3, -3, -3)));
    }

    QWidget *clickIntoBox()
    {
        const int index = below(4);
        QWidget *target = index < 3 ? static_cast<QWidget *>(driver.boxes[index]) : driver.transcript;
        QWidget *area = index < 3 ? target : driver.transcript->viewport();
        QTest::mouseClick(area, Qt::LeftButton, Qt::NoModifier, pointIn(area->rect()));
        // Ctrl+A, or End, before the typing or the paste.
        if (chance(30))
            QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        else
            QTest::keyClick(target, Qt::Key_End);
        return target;
    }

    void typeInto(QWidget *target, QString &description)
    {
        QString typed;
        const int length = 1 + below(12);
        for (int step = 0; step < length; ++step) {
            const int draw = below(100);
            const QChar character = draw < 75 ? printableCharacter() : draw < 87 ? controlCharacter() : QChar();
            if (!character.isNull()) {
                typed += character;
                typeCharacter(target, character);
            } else {
                const bool back = draw < 97;
                typed += back ? QStringLiteral("<BS>") : QStringLiteral("<Return>");
                QTest::keyClick(target, back ? Qt::Key_Backspace : Qt::Key_Return);
            }
        }
        description += QStringLiteral(", typed %1").arg(abbreviated(typed));
    }

    void typeIntoBox(QString &description)
    {
        QWidget *target = clickIntoBox();
        description = QStringLiteral("click into %1").arg(target->objectName());
        typeInto(target, description);
    }

    void pasteIntoBox(bool megabyte, QString &description)
    {
        QString clip;
        if (megabyte) {
            // One megabyte of digits with some line breaks and control characters.
            if (megabyteText.isEmpty()) {
                constexpr qsizetype size = qsizetype{1024} * 1024;
                while (megabyteText.size() < size) {
                    const int draw = below(100);
                    megabyteText += draw < 2 ? QChar(u'\n') : draw < 3 ? controlCharacter() : QChar(u'0' + below(10));
                }
            }
            clip = megabyteText;
        } else {
            const int length = below(40);
            for (int step = 0; step < length; ++step)
                clip += below(8) == 0 ? controlCharacter() : below(8) == 0 ? QChar(u'\n') : printableCharacter();
        }
        QWidget *target = clickIntoBox();
        description = QStringLiteral("paste %1 into %2").arg(abbreviated(clip), target->objectName());
        QApplication::clipboard()->setText(clip);
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    }

    GameForm &form;
    FormDriver driver;
    FixedFractions &fractions;
    const QStringList &errorReports;
    std::mt19937_64 random;
    // The focus chain as designed.
    QList<QWidget *> chain;

    QMetaObject::Connection selectionWatch;
    bool selectionMoved = false;
    int picksBefore = 0;
    QString megabyteText;

    std::map<EventKind, int> kindCounts;
    int pickTotal = 0;
    int gameTotal = 0;
    int emptyAreaClicks = 0;
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

    QStringList reports;
    auto source = std::make_unique<FixedFractions>(std::vector<float>{FixedFractions::drawing(2 + int(seed % 20U))});
    FixedFractions &fractions = *source;
    GameForm form(std::move(source), testCatalogue());
    form.setErrorReporter([&reports](const QString &message) { reports.append(message); });
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QVERIFY(FormDriver(form).complete());

    Session session(form, fractions, reports, seed);
    // The last few events, to tell what led to a failure.
    std::deque<QString> recent;
    for (int index = 0; index < events; ++index) {
        QString description;
        session.play(description);
        // The event loop runs now and then: it repaints the window and runs its
        // timers. (Running it after every event would triple the time.)
        if (index % 16 == 15)
            QCoreApplication::processEvents();
        recent.push_back(QStringLiteral("#%1 %2").arg(index).arg(description));
        if (recent.size() > 12)
            recent.pop_front();
        const QString problem = session.verify();
        if (!problem.isEmpty()) {
            const QStringList story(recent.begin(), recent.end());
            QFAIL(qPrintable(QStringLiteral("seed %1, event %2: %3\nlast events:\n  %4\nreproduce with "
                                            "ROVALIN_SESSION_SEED=%1 ROVALIN_SESSION_EVENTS=%5")
                                 .arg(QString::number(seed), QString::number(index), problem,
                                      story.join(QStringLiteral("\n  ")), QString::number(index + 1))));
        }
        session.countPicks();
    }
    session.printStatistics();
}

QTEST_MAIN(TestUserSession)
#include "tst_usersession.moc"
