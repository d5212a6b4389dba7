// SPDX-License-Identifier: MIT
#include "web/webfront.h"

#include "game/runtimeerror.h"
#include "window/errortext.h"

#include <string>
#include <utility>

using emscripten::val;

WebFront::WebFront(val host)
    : form(buildForm(std::move(host)))
    , game(form, fractions)
{
}

template<typename Handler>
void WebFront::reportingErrors(Handler handler)
{
    try {
        handler();
    } catch (const RuntimeError &error) {
        val::global("window").call<void>("alert", std::string(errorText(error.kind())));
    }
}

void WebFront::formLoad()
{
    reportingErrors([this] {
        fractions.seed(clockSeed());
        game.NewGame();
    });
    val host = form.controls().form;
    host.set("hidden", false);
}

void WebFront::command1Click(int index)
{
    reportingErrors([this, index] {
        if (index == 0) {
            game.ShowSolution();
        } else {
            game.NewGame();
            form.setText1({});
        }
    });
}

void WebFront::list1Click()
{
    reportingErrors([this] { game.pick(); });
}
