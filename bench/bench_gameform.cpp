// SPDX-License-Identifier: MIT
#include "gameaction.h"
#include "scriptedgame.h"

#include "formdriver.h"
#include "testlanguage.h"

#include "form/controltable.h"
#include "form/formtexts.h"
#include "form/gameview.h"
#include "game/fractionsource.h"
#include "game/game.h"

#include <QTest>

#include <memory>
#include <string>
#include <vector>

namespace {

QRect pixels(const FormDesign::Rect &twips)
{
    const FormDesign::Rect rect = FormDesign::toPixels(twips);
    return {rect.left, rect.top, rect.width, rect.height};
}

QRect placeOf(std::string_view control)
{
    return pixels(std::ranges::find(FormDesign::controls, control, &FormDesign::Control::name)->rect);
}

} // namespace

// The game's calls on the real window, offscreen, next to the floor: the same kind of
// work done by bare Qt widgets with no game behind them.
//
// Each figure is one call, timed with QBENCHMARK_ONCE and reported as the median of
// the runs asked for with -median: a pick changes the game, so it cannot be repeated
// in a loop, and a loop that never lets the event loop run would pile up posted
// events that a real window never sees. Before each timed call the game is brought to
// its state and the event loop runs until the window is painted; nothing runs it
// during the call, so every figure is the call "without repaint". Two ways reach the
// game:
//   surface  a Game of the benchmark's own, its outcomes shown on the window through
//            its FormSurface (select the row with setList1ListIndex, then pick),
//            exactly as bench_game shows them on the in-memory surface;
//   mouse    simulated clicks on the list's items and on the buttons reach the
//            window's own game through its event handlers, as a pupil's clicks do.
class BenchGameForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void call_data();
    void call();
    void floor_data();
    void floor();

private:
    void newGame(bool mouse);
    void pick(bool mouse, int row);
    void showSolution(bool mouse);

    LongestGame longest;
    std::unique_ptr<GameForm> form;
    std::unique_ptr<FormDriver> driver;
    std::unique_ptr<FixedFractions> fractions;
    std::unique_ptr<Game> game;
    std::shared_ptr<const Catalogue> texts = testCatalogue();
};

void BenchGameForm::initTestCase()
{
    longest = findLongestGame();
    QVERIFY(longest.transcriptLines > 0);
    qInfo("The longest game: hidden %d, picks %d and %d, %d transcript lines",
          longest.game.hiddenNumber, longest.game.picks[0], longest.game.picks[1],
          longest.transcriptLines);
}

void BenchGameForm::init()
{
    const float hidden = FixedFractions::drawing(longest.game.hiddenNumber);
    form = std::make_unique<GameForm>(std::make_unique<FixedFractions>(std::vector<float>{hidden}), texts);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    driver = std::make_unique<FormDriver>(*form);
    QVERIFY(driver->complete());
    fractions = std::make_unique<FixedFractions>(std::vector<float>{hidden});
    game = std::make_unique<Game>(*fractions);
}

void BenchGameForm::cleanup()
{
    game.reset();
    fractions.reset();
    driver.reset();
    form.reset();
}

void BenchGameForm::newGame(bool mouse)
{
    if (mouse)
        driver->clickButton(1);
    else
        GameView::showNewGame(*form, game->NewGame(), *texts);
}

void BenchGameForm::pick(bool mouse, int row)
{
    if (mouse) {
        QListWidgetItem *item = driver->list->item(row);
        driver->list->scrollToItem(item);
        QTest::mouseClick(driver->list->viewport(), Qt::LeftButton, {},
                          driver->list->visualItemRect(item).center());
    } else {
        FormSurface &surface = *form;
        surface.setList1ListIndex(row);
        GameView::showPick(surface, game->pick(game->state().offer.at(static_cast<std::size_t>(row))), *texts);
    }
}

void BenchGameForm::showSolution(bool mouse)
{
    if (mouse)
        driver->clickButton(0);
    else
        GameView::showSolution(*form, *game->ShowSolution(), *texts);
}

void BenchGameForm::call_data()
{
    QTest::addColumn<bool>("mouse");
    QTest::addColumn<GameAction>("action");
    for (const bool mouse : {false, true}) {
        for (const auto &[name, action] : gameActions)
            QTest::addRow("%s/%s", mouse ? "mouse" : "surface", name) << mouse << action;
    }
}

void BenchGameForm::call()
{
    QFETCH(bool, mouse);
    QFETCH(GameAction, action);
    const ScriptedGame &script = longest.game;

    const int picks = picksBefore(action);
    newGame(mouse);
    for (int step = 0; step < picks; ++step) {
        pick(mouse, script.rows[static_cast<std::size_t>(step)]);
        QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();

    const std::size_t next = static_cast<std::size_t>(std::min(picks, 2));
    QBENCHMARK_ONCE {
        switch (action) {
        case GameAction::NewGame:
            newGame(mouse);
            break;
        case GameAction::ShowSolution:
            showSolution(mouse);
            break;
        case GameAction::PickAfterGameOver:
            pick(mouse, 0);
            break;
        default:
            pick(mouse, script.rows[next]);
            break;
        }
    }

    // A benchmark whose calls missed their target would time nothing useful.
    const Game &played = mouse ? form->game() : *game;
    switch (action) {
    case GameAction::NewGame:
        QCOMPARE(played.state().pickCount, 0);
        QCOMPARE(driver->list->count(), 30);
        break;
    case GameAction::ShowSolution:
        QCOMPARE(driver->transcript->document()->blockCount(), longest.transcriptLines);
        break;
    case GameAction::PickAfterGameOver:
        QCOMPARE(played.phase(), Phase::Over);
        QCOMPARE(driver->boxes[2]->text(), QString::fromStdString(FormTexts::filled(
                                               texts->translate(FormTexts::rightGuess), std::to_string(script.hiddenNumber))));
        break;
    default:
        QCOMPARE(played.state().pickCount, picks + 1);
        QCOMPARE(driver->labels[1]->text(), QString::number(script.picks[0]));
        break;
    }
}

void BenchGameForm::floor_data()
{
    QTest::addColumn<bool>("list");
    QTest::newRow("list-refill") << true;
    QTest::newRow("text-ten-lines") << false;
}

void BenchGameForm::floor()
{
    QFETCH(bool, list);
    // A bare window of the form's size with a list and a text box where the form has
    // them, shown and painted like the form.
    QWidget window;
    window.setFixedSize(pixels(FormDesign::client).size());
    auto *items = new QListWidget(&window);
    items->setGeometry(placeOf("List1"));
    for (int number = 20; number < 50; ++number)
        items->addItem(QString::number(number));
    auto *text = new QPlainTextEdit(&window);
    text->setGeometry(placeOf("Text1_0"));
    text->setReadOnly(true);
    text->setPlainText(QStringLiteral("Floor"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();

    if (list) {
        QBENCHMARK_ONCE {
            items->clear();
            for (int number = 50; number < 100; ++number)
                items->addItem(QString::number(number));
        }
        QCOMPARE(items->count(), 50);
    } else {
        QStringList lines;
        for (int line = 0; line < 10; ++line)
            lines.append(QStringLiteral("%1 - %2").arg(90 - 7 * line).arg(7));
        const QString tenLines = lines.join(u'\n');
        QBENCHMARK_ONCE {
            text->setPlainText(tenLines);
        }
        QCOMPARE(text->document()->blockCount(), 10);
    }
}

QTEST_MAIN(BenchGameForm)
#include "bench_gameform.moc"
