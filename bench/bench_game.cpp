// SPDX-License-Identifier: MIT
#include "gameaction.h"
#include "scriptedgame.h"

#include "memoryform.h"
#include "testlanguage.h"

#include "form/formtexts.h"
#include "form/gameview.h"
#include "game/fractionsource.h"
#include "game/game.h"

#include <QTest>

#include <algorithm>
#include <memory>
#include <string>

// The game's own cost: each call of the game, shown on the in-memory surface, no
// widget involved.
//
// As in bench_gameform, each figure is one call timed with QBENCHMARK_ONCE in the state
// a pupil meets it, reported as the median of the runs asked for with -median: a
// pick changes the game's phase, so it cannot be repeated in a loop.
class BenchGame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void call_data();
    void call();

private:
    struct Table
    {
        explicit Table(int hiddenNumber)
            : fractions({FixedFractions::drawing(hiddenNumber)})
            , game(fractions)
        {
        }

        MemoryForm form;
        FixedFractions fractions;
        Game game;
        std::shared_ptr<const Catalogue> texts = testCatalogue();
    };

    void pick(int row);

    LongestGame longest;
    std::unique_ptr<Table> table;
};

void BenchGame::initTestCase()
{
    longest = findLongestGame();
    QVERIFY(longest.transcriptLines > 0);
    const ScriptedGame &script = longest.game;
    qInfo("The longest of %d games: hidden %d, picks %d and %d, %d transcript lines",
          longest.gamesPlayed, script.hiddenNumber, script.picks[0], script.picks[1],
          longest.transcriptLines);
}

void BenchGame::init()
{
    table = std::make_unique<Table>(longest.game.hiddenNumber);
}

void BenchGame::pick(int row)
{
    table->form.setList1ListIndex(row);
    GameView::showPick(table->form, table->game.pick(table->game.state().offer.at(static_cast<std::size_t>(row))),
                       *table->texts);
}

void BenchGame::call_data()
{
    QTest::addColumn<GameAction>("action");
    for (const auto &[name, action] : gameActions)
        QTest::newRow(name) << action;
}

void BenchGame::call()
{
    QFETCH(GameAction, action);
    const ScriptedGame &script = longest.game;
    MemoryForm &form = table->form;
    Game &game = table->game;

    const int picks = picksBefore(action);
    const Catalogue &texts = *table->texts;
    GameView::showNewGame(form, game.NewGame(), texts);
    for (int step = 0; step < picks; ++step)
        pick(script.rows[static_cast<std::size_t>(step)]);

    const std::size_t next = static_cast<std::size_t>(std::min(picks, 2));
    QBENCHMARK_ONCE {
        switch (action) {
        case GameAction::NewGame:
            GameView::showNewGame(form, game.NewGame(), texts);
            break;
        case GameAction::ShowSolution:
            GameView::showSolution(form, *game.ShowSolution(), texts);
            break;
        case GameAction::PickAfterGameOver:
            pick(0);
            break;
        default:
            pick(script.rows[next]);
            break;
        }
    }

    // A benchmark whose calls missed their target would time nothing useful.
    const std::string rightGuess = FormTexts::filled(texts.translate(FormTexts::rightGuess), std::to_string(script.hiddenNumber));
    switch (action) {
    case GameAction::NewGame:
        QCOMPARE(game.state().pickCount, 0);
        QCOMPARE(form.items().size(), std::size_t{30});
        break;
    case GameAction::ShowSolution:
        QCOMPARE(QString::fromStdString(form.text1()).split(QStringLiteral("\r\n")).size(),
                 longest.transcriptLines);
        break;
    case GameAction::PickAfterGameOver:
        QCOMPARE(game.phase(), Phase::Over);
        QCOMPARE(form.text2(2), rightGuess);
        break;
    default:
        QCOMPARE(game.state().pickCount, picks + 1);
        QCOMPARE(form.label1Caption(1), std::to_string(script.picks[0]));
        if (action == GameAction::Guess)
            QCOMPARE(form.text2(2), rightGuess);
        break;
    }
}

QTEST_GUILESS_MAIN(BenchGame)
#include "bench_game.moc"
