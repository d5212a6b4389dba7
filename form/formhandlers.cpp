// SPDX-License-Identifier: MIT
#include "form/formhandlers.h"

#include "form/appinfo.h"
#include "form/catalogue.h"
#include "form/formsurface.h"
#include "form/formtexts.h"
#include "form/gameview.h"

#include <exception>
#include <optional>
#include <string>
#include <vector>

FormHandlers::FormHandlers(FormSurface &surface, const Catalogue &catalogue, ErrorLog log,
                           std::unique_ptr<FractionSource> source, SeedClock clock)
    : form(surface)
    , texts(catalogue)
    , fractions(std::move(source))
    , seedClock(std::move(clock))
    , logError(std::move(log))
    , gameLogic(*fractions)
{
}

template<typename Work>
void FormHandlers::guarded(Work work)
{
#if __cpp_exceptions
    try {
        work();
    } catch (const std::exception &error) {
        logError(error.what());
        form.reportRunTimeError(FormTexts::errorMessage(FormTexts::unexpectedError, texts));
    }
#else
    work();
#endif
}

void FormHandlers::loadUnplayed(FormSurface &surface, const Catalogue &catalogue, ErrorLog log)
{
    // Nothing a new game shows depends on the hidden number, so any draw and any seed
    // serve.
    FormHandlers handlers(surface, catalogue, std::move(log), std::make_unique<FixedFractions>(std::vector<float>{}),
                          [] { return std::uint64_t{0}; });
    handlers.Form_Load();
}

void FormHandlers::Form_Load()
{
    form.setCaption(FormTexts::windowTitle(AppInfo::siteAddress, texts));
    guarded([this] {
        fractions->seed(seedClock());
        GameView::showNewGame(form, gameLogic.NewGame(), texts);
    });
}

void FormHandlers::Command1_Click(int index)
{
    guarded([this, index] {
        switch (index) {
        case 0:
            if (const std::optional<Solution> solution = gameLogic.ShowSolution())
                GameView::showSolution(form, *solution, texts);
            break;
        case 1:
            if (GameView::showNewGame(form, gameLogic.NewGame(), texts)) {
                form.setText1({});
                form.announce(texts.translate(FormTexts::Announcement::newGame));
            }
            break;
        default:
            break;
        }
    });
}

void FormHandlers::List1_MouseDown(const PickRule::Press &press)
{
    if (const std::optional<int> row = PickRule::rowPickedBy(press))
        List1_Click(*row);
}

bool FormHandlers::List1_KeyDown(const PickRule::KeyPress &key)
{
    const std::vector<std::string> items = GameView::itemTexts(gameLogic.state().offer);
    if (const std::optional<int> row =
            PickRule::rowPickedBy(key, items, form.list1ListIndex(), texts.language().rightToLeft))
        List1_Click(*row);
    return PickRule::belongsToList(key);
}

void FormHandlers::List1_Click(int row)
{
    guarded([this, row] {
        const Offer &offer = gameLogic.state().offer;
        if (row < 0 || row >= static_cast<int>(offer.size()))
            return;
        // The item is selected as the player's list box would select it, and the pick
        // takes the number on offer there.
        form.setList1ListIndex(row);
        GameView::showPick(form, gameLogic.pick(offer[static_cast<std::size_t>(row)]), texts);
    });
}
