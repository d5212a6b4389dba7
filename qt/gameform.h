// SPDX-License-Identifier: MIT
#pragma once

#include "form/formdesign.h"
#include "form/formhandlers.h"
#include "form/formsurface.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class Announcer;
class Catalogue;
class ColourButton;
class FractionSource;
class PickList;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class ScaledStyle;

// The program's one window. It builds the form's controls from the control table
// (form/controltable.h), offers them to the form's handlers as a FormSurface, and
// turns the widgets' events into handler calls: Form_Load once the controls are
// built, Command1_Click for either button, and List1_MouseDown / List1_KeyDown for
// what the pick list signals.
//
// It opens at the form's designed size and can be made larger, maximised or shown
// full screen (F11): the whole form then scales to fill it, centred and keeping its
// proportions, every control laid out and drawn anew at the scale, its font
// included. It shows what it is told and decides nothing itself; its FormSurface
// operations are for the handlers (and benchmarks), through that interface.
class GameForm final : public QWidget, public FormSurface
{
    Q_OBJECT

public:
    // How a run-time error reaches the player; tests replace the message box.
    using ErrorReporter = std::function<void(const QString &message)>;

    // Builds the form and runs Form_Load, so the first game is ready before the
    // window is shown. Without a fraction source it draws from a clock-seeded one. It
    // speaks the language of catalogue, which must be given, in that language's
    // direction (qt/language.h chooses it). Programming errors are logged to log, by
    // default to standard error.
    GameForm(std::unique_ptr<FractionSource> source, std::shared_ptr<const Catalogue> catalogue,
             FormHandlers::ErrorLog log = {}, QWidget *parent = nullptr);
    ~GameForm() override;

    GameForm(const GameForm &) = delete;
    GameForm &operator=(const GameForm &) = delete;

    [[nodiscard]] const Game &game() const noexcept { return handlers.game(); }
    void setErrorReporter(ErrorReporter reporter);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    // Lays the controls out at the scale that fills the window.
    void fitControls();
    // Gives the list, the boxes and their scroll bars the style of the form's scale.
    void scaleStyle();

    // FormSurface
    void setCaption(std::string_view caption) override;
    void setLabel1Caption(int index, std::string_view caption) override;
    void setText2(int index, std::string_view text) override;
    void setText2Locked(bool locked) override;
    void setText1(std::string_view text) override;
    void setList1Items(std::span<const std::string> items) override;
    [[nodiscard]] int list1ListIndex() const override;
    void setList1ListIndex(int index) override;
    void announce(std::string_view phrase) override;
    void reportRunTimeError(std::string_view message) override;

    std::shared_ptr<const Catalogue> texts;
    FormHandlers handlers;
    ErrorReporter reportError;

    std::array<QLabel *, 5> label1{};
    QPlainTextEdit *text1Box = nullptr;
    std::array<QLineEdit *, 3> text2Box{};
    PickList *list1 = nullptr;
    std::array<ColourButton *, 2> command1{};
    Announcer *announcer = nullptr;
    // The style of the list, the boxes and their scroll bars at the form's scale, once
    // the form is scaled.
    ScaledStyle *scaledStyle = nullptr;
    std::vector<QWidget *> styledWidgets;
    // Each control with its place in the design.
    std::vector<std::pair<QWidget *, FormDesign::Rect>> designedPlaces;
    double scale = 1.0;
};
