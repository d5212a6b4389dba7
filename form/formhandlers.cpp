// SPDX-License-Identifier: MIT
#include "form/formhandlers.h"

#include "appinfo.h"
#include "form/formsurface.h"
#include "form/formtexts.h"
#include "game/gametexts.h"
#include "game/runtimeerror.h"

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace {

std::string_view errorText(RuntimeError::Kind kind)
{
    switch (kind) {
    case RuntimeError::Kind::Overflow:
        return FormTexts::overflowError;
    case RuntimeError::Kind::DivisionByZero:
        return FormTexts::divisionByZeroError;
    }
    return FormTexts::unexpectedError;
}

} // namespace

FormHandlers::FormHandlers(FormSurface &surface, std::unique_ptr<FractionSource> source)
    : form(surface)
    , fractions(source ? std::move(source) : std::make_unique<UniformFractionSource>())
    , gameLogic(surface, *fractions)
{
}

template<typename Work>
void FormHandlers::reportingErrors(Work work)
{
    try {
        work();
    } catch (const RuntimeError &error) {
        form.reportRunTimeError(errorText(error.kind()));
    } catch (const std::exception &) {
        form.reportRunTimeError(FormTexts::unexpectedError);
    }
}

void FormHandlers::Form_Load()
{
    form.setCaption(FormTexts::caption(AppInfo::siteAddress));
    reportingErrors([this] {
        fractions->seed(clockSeed());
        gameLogic.NewGame();
    });
}

void FormHandlers::Command1_Click(int index)
{
    reportingErrors([this, index] {
        switch (index) {
        case 0:
            gameLogic.ShowSolution();
            // The solution is written once both questions are asked; before, nothing
            // changed.
            if (gameLogic.phase() >= Game::Phase::Guess)
                form.announce(std::string(GameTexts::divisorPrefix) + form.text2(2));
            break;
        case 1:
            gameLogic.NewGame();
            form.setText1({});
            form.announce(FormTexts::Announcement::newGame);
            break;
        default:
            break;
        }
    });
}

void FormHandlers::List1_Click()
{
    reportingErrors([this] { pickSelected(); });
}

void FormHandlers::List1_MouseDown(const PickRule::Press &press)
{
    if (const std::optional<int> row = PickRule::rowPickedBy(press))
        pickRow(*row);
}

bool FormHandlers::List1_KeyDown(const PickRule::KeyPress &key)
{
    if (const std::optional<int> row = PickRule::rowPickedBy(key, form))
        pickRow(*row);
    return PickRule::belongsToList(key);
}

void FormHandlers::pickRow(int row)
{
    // The pick reads the selection, so the item is selected first, as the player's
    // list box would have done.
    reportingErrors([this, row] {
        if (row >= form.list1ListCount())
            return;
        form.setList1ListIndex(row);
        pickSelected();
    });
}

void FormHandlers::pickSelected()
{
    const Game::Phase phase = gameLogic.phase();
    const std::int16_t picksBefore = gameLogic.state().pickCount;
    gameLogic.pick();
    if (gameLogic.state().pickCount == picksBefore)
        return; // nothing was selected
    switch (phase) {
    case Game::Phase::FirstQuestion:
        form.announce(std::string(FormTexts::Announcement::remainder) + form.text2(0));
        break;
    case Game::Phase::SecondQuestion:
        form.announce(std::string(FormTexts::Announcement::remainder) + form.text2(1));
        break;
    case Game::Phase::Guess:
        form.announce(form.text2(2));
        break;
    case Game::Phase::Over:
        break; // the pick changed nothing on the form
    }
}
