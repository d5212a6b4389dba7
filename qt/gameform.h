// SPDX-License-Identifier: MIT
#pragma once

#include "form/formhandlers.h"
#include "form/formsurface.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>

class Announcer;
class ColourButton;
class FractionSource;
class PickList;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// The program's one window. It lays out the controls as designed, offers them to the
// form's handlers as a FormSurface, and turns the widgets' events into handler calls:
// Form_Load once the controls are built, Command1_Click for either button, and
// List1_MouseDown / List1_KeyDown for the player's presses and keys in the list. The
// window decides nothing about the game itself.
class GameForm final : public QWidget, public FormSurface
{
    Q_OBJECT

public:
    // How a run-time error reaches the player; tests replace the message box.
    using ErrorReporter = std::function<void(const QString &message)>;

    // Builds the form and runs Form_Load, so the first game is ready before the
    // window is shown. Without a fraction source it draws from a clock-seeded one.
    explicit GameForm(std::unique_ptr<FractionSource> source = {}, QWidget *parent = nullptr);
    ~GameForm() override;

    GameForm(const GameForm &) = delete;
    GameForm &operator=(const GameForm &) = delete;

    [[nodiscard]] const Game &game() const noexcept { return handlers.game(); }
    void setErrorReporter(ErrorReporter reporter);

    // FormSurface
    void setCaption(std::string_view caption) override;
    void setLabel1Caption(int index, std::string_view caption) override;
    [[nodiscard]] std::string text2(int index) const override;
    void setText2(int index, std::string_view text) override;
    void setText2Locked(bool locked) override;
    [[nodiscard]] std::string text1() const override;
    void setText1(std::string_view text) override;
    void list1Clear() override;
    void list1AddItem(std::string_view text) override;
    [[nodiscard]] int list1ListCount() const override;
    [[nodiscard]] std::string list1Item(int index) const override;
    [[nodiscard]] int list1ListIndex() const override;
    void setList1ListIndex(int index) override;
    void announce(std::string_view phrase) override;
    void reportRunTimeError(std::string_view message) override;

private:
    void buildControls();

    FormHandlers handlers;
    ErrorReporter reportError;

    std::array<QLabel *, 5> label1{};
    QPlainTextEdit *text1Box = nullptr;
    std::array<QLineEdit *, 3> text2Box{};
    PickList *list1 = nullptr;
    std::array<ColourButton *, 2> command1{};
    Announcer *announcer = nullptr;

    // The texts exactly as last written, CR LF included; the boxes show them with
    // plain line breaks.
    std::string text1Written;
    std::array<std::string, 3> text2Written;
};
