// SPDX-License-Identifier: MIT
#include "qt/gameform.h"

#include "form/formdesign.h"
#include "form/formtexts.h"
#include "game/fractionsource.h"
#include "qt/announcer.h"
#include "qt/colourbutton.h"
#include "qt/picklist.h"
#include "qt/programicon.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>

namespace {

// Texts keep CR LF as written; a Qt text box wants one line break per line.
QString onScreen(std::string_view text)
{
    QString shown = QString::fromUtf8(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
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

void fillBackground(QWidget *widget, const QColor &background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Times New Roman where it is installed; elsewhere its metric-compatible twin, named
// directly, since having fontconfig find a substitute costs a tenth of start-up.
QString designFontFamily()
{
    QString family = QString::fromUtf8(FormDesign::fontFamily);
    if (!QFontDatabase::hasFamily(family))
        family = QString::fromUtf8(FormDesign::fontMetricTwin);
    return family;
}

} // namespace

GameForm::GameForm(std::unique_ptr<FractionSource> source, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint)
    , handlers(*this, std::move(source))
    , reportError([this](const QString &message) {
        QMessageBox::critical(this, QString::fromUtf8(FormTexts::errorTitle), message);
    })
{
    setObjectName(QStringLiteral("GameForm"));
    buildControls();
    handlers.Form_Load();
}

GameForm::~GameForm() = default;

void GameForm::setErrorReporter(ErrorReporter reporter)
{
    reportError = std::move(reporter);
}

void GameForm::buildControls()
{
    setWindowIcon(programIcon());
    setAccessibleName(QString::fromUtf8(FormTexts::Accessible::window));
    setFixedSize(FormDesign::clientWidth / FormDesign::twipsPerPixel,
                 FormDesign::clientHeight / FormDesign::twipsPerPixel);
    fillBackground(this, colour(FormDesign::formBackground));

    QFont font(designFontFamily(), FormDesign::fontPointSize, QFont::Normal);
    font.setStyleHint(QFont::Serif);
    setFont(font);

    // Created in tab order, so the focus chain follows the design even before the
    // explicit setTabOrder calls below.
    text1Box = new QPlainTextEdit(this);
    text1Box->setObjectName(QStringLiteral("Text1_0"));
    text1Box->setGeometry(pixels(FormDesign::text1Transcript));
    text1Box->setReadOnly(true);
    text1Box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text1Box->setTabChangesFocus(true);
    text1Box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1Box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text1Box->setAccessibleName(QString::fromUtf8(FormTexts::Accessible::transcript));
    setText1(FormTexts::taskStatement);

    const std::array<std::string_view, 5> labelTexts{FormTexts::title, FormTexts::firstNumber,
                                                     FormTexts::secondNumber, FormTexts::solution,
                                                     FormTexts::choose};
    const std::array<FormDesign::Rect, 5> labelPlaces{
        FormDesign::label1Title, FormDesign::label1Row[0], FormDesign::label1Row[1],
        FormDesign::label1Row[2], FormDesign::label1Row[3]};
    for (std::size_t index = 0; index < label1.size(); ++index) {
        auto *label = new QLabel(onScreen(labelTexts[index]), this);
        label->setObjectName(QStringLiteral("Label1_%1").arg(index));
        label->setGeometry(pixels(labelPlaces[index]));
        // A label's caption is centred across and starts at the top.
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(true);
        fillBackground(label, colour(FormDesign::labelBackground));
        label1[index] = label;
    }
    // Labels are named by what they show; the title without its line break. The two
    // number labels change to the picked numbers; what they stand for is described.
    label1[0]->setAccessibleName(QString::fromUtf8(FormTexts::programName));
    label1[1]->setAccessibleDescription(QString::fromUtf8(FormTexts::Accessible::firstNumberLabel));
    label1[2]->setAccessibleDescription(QString::fromUtf8(FormTexts::Accessible::secondNumberLabel));

    list1 = new PickList(handlers, this);
    list1->setObjectName(QStringLiteral("List1"));
    list1->setGeometry(pixels(FormDesign::list1));
    // A list view takes no name from its label, so it is given the label's caption.
    list1->setAccessibleName(QString::fromUtf8(FormTexts::choose));
    list1->setAccessibleDescription(QString::fromUtf8(FormTexts::Accessible::list));
    label1[4]->setBuddy(list1);

    // Each box is labelled by the label before it, and named by what that label shows.
    const std::array<std::string_view, 3> boxPurposes{FormTexts::Accessible::firstRemainder,
                                                      FormTexts::Accessible::secondRemainder,
                                                      FormTexts::Accessible::result};
    for (std::size_t index = 0; index < text2Box.size(); ++index) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Text2_%1").arg(index));
        box->setGeometry(pixels(FormDesign::text2[index]));
        box->setReadOnly(true);
        box->setAccessibleDescription(QString::fromUtf8(boxPurposes[index]));
        label1[index + 1]->setBuddy(box);
        // What the player types into the unlocked result box is its text from then on.
        connect(box, &QLineEdit::textEdited, this, [this, index](const QString &text) {
            text2Written[index] = text.toStdString();
        });
        text2Box[index] = box;
    }

    const std::array<std::string_view, 2> captions{FormTexts::check, FormTexts::clear};
    const std::array<QColor, 2> buttonColours{colour(FormDesign::checkButtonBackground),
                                              colour(FormDesign::clearButtonBackground)};
    for (std::size_t index = 0; index < command1.size(); ++index) {
        auto *button = new ColourButton(QString::fromUtf8(captions[index]), buttonColours[index], this);
        button->setObjectName(QStringLiteral("Command1_%1").arg(index));
        button->setGeometry(pixels(FormDesign::command1[index]));
        // Enter presses the focused button, like Space.
        button->setAutoDefault(true);
        button->setAccessibleName(QString::fromUtf8(captions[index]));
        connect(button, &QPushButton::clicked, this,
                [this, index] { handlers.Command1_Click(static_cast<int>(index)); });
        command1[index] = button;
    }

    announcer = new Announcer(this);

    setTabOrder(text1Box, list1);
    setTabOrder(list1, text2Box[0]);
    setTabOrder(text2Box[0], text2Box[1]);
    setTabOrder(text2Box[1], text2Box[2]);
    setTabOrder(text2Box[2], command1[0]);
    setTabOrder(command1[0], command1[1]);
    text1Box->setFocus();

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void GameForm::setCaption(std::string_view caption)
{
    setWindowTitle(QString::fromUtf8(caption));
}

void GameForm::setLabel1Caption(int index, std::string_view caption)
{
    label1.at(static_cast<std::size_t>(index))->setText(onScreen(caption));
}

std::string GameForm::text2(int index) const
{
    return text2Written.at(static_cast<std::size_t>(index));
}

void GameForm::setText2(int index, std::string_view text)
{
    const auto box = static_cast<std::size_t>(index);
    text2Written.at(box) = text;
    text2Box.at(box)->setText(onScreen(text));
}

void GameForm::setText2Locked(bool locked)
{
    text2Box[2]->setReadOnly(locked);
}

std::string GameForm::text1() const
{
    return text1Written;
}

void GameForm::setText1(std::string_view text)
{
    text1Written = text;
    text1Box->setPlainText(onScreen(text));
}

void GameForm::list1Clear()
{
    list1->clear();
}

void GameForm::list1AddItem(std::string_view text)
{
    list1->addItem(QString::fromUtf8(text));
}

int GameForm::list1ListCount() const
{
    return list1->count();
}

std::string GameForm::list1Item(int index) const
{
    const QListWidgetItem *item = list1->item(index);
    return item != nullptr ? item->text().toStdString() : std::string{};
}

int GameForm::list1ListIndex() const
{
    return list1->selectedRow();
}

void GameForm::setList1ListIndex(int index)
{
    if (index < 0) {
        list1->clearSelection();
        list1->setCurrentRow(-1);
    } else if (index < list1->count()) {
        list1->setCurrentRow(index);
    }
}

void GameForm::reportRunTimeError(std::string_view message)
{
    reportError(QString::fromUtf8(message));
}

void GameForm::announce(std::string_view phrase)
{
    announcer->announce(QString::fromUtf8(phrase));
}
