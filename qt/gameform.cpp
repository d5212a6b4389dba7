// SPDX-License-Identifier: MIT
#include "qt/gameform.h"

#include "form/catalogue.h"
#include "form/controltable.h"
#include "form/formtexts.h"
#include "form/showntext.h"
#include "game/fractionsource.h"
#include "qt/announcer.h"
#include "qt/colourbutton.h"
#include "qt/picklist.h"
#include "qt/programicon.h"
#include "qt/scaledstyle.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRawFont>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using FormDesign::ControlKind;

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString translated(std::string_view text, const Catalogue &texts)
{
    return QString::fromStdString(texts.translate(text));
}

// A text of the form as a widget shows it.
QString onScreen(std::string_view text)
{
    return QString::fromStdString(shownText(text));
}

QRect toQRect(const FormDesign::Rect &rect)
{
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

void logToStandardError(std::string_view what)
{
    const std::string line = "rovalin: programming error: " + std::string(what) + '\n';
    std::fputs(line.c_str(), stderr);
}

// Times New Roman where it is installed; elsewhere its metric-compatible twin, named
// directly, since having fontconfig find a substitute costs a tenth of start-up. The
// letters of the form's captions (the task statement among them, which has every
// letter of its language) that this serif lacks, such as Arabic's or Armenian's, come
// from the first of the design's companion serifs that is installed and has them:
// fontconfig's own choice would be a sans. Only then is a second family named, since
// it has Qt ask fontconfig for fallbacks at once, a twentieth of start-up, which a form
// whose letters the serif has would pay for nothing. Decided once, at start.
QStringList designFontFamilies(const Catalogue &texts)
{
    QString family = fromUtf8(FormDesign::fontFamily);
    if (!QFontDatabase::hasFamily(family))
        family = fromUtf8(FormDesign::fontMetricTwin);
    QStringList families{family};

    const QRawFont serif = QRawFont::fromFont(QFont(family));
    std::vector<char32_t> lacking;
    for (const FormDesign::Control &control : FormDesign::controls) {
        for (const char32_t letter : fromUtf8(FormDesign::caption(control, texts)).toUcs4()) {
            if (QChar::isLetter(letter) && !serif.supportsCharacter(letter)
                && std::find(lacking.begin(), lacking.end(), letter) == lacking.end())
                lacking.push_back(letter);
        }
    }
    for (const std::string_view companion : FormDesign::companionSerifs) {
        if (lacking.empty())
            break;
        const QString name = fromUtf8(companion);
        if (!QFontDatabase::hasFamily(name))
            continue;
        const QRawFont font = QRawFont::fromFont(QFont(name));
        const auto drawn = std::remove_if(lacking.begin(), lacking.end(),
                                          [&font](char32_t letter) { return font.supportsCharacter(letter); });
        if (drawn != lacking.end())
            families.append(name);
        lacking.erase(drawn, lacking.end());
    }
    return families;
}

// Lines that run in direction and start at its side, even a line of numbers alone,
// which would run left to right from the left, and whatever the first letter of a
// line.
QTextOption inDirection(QTextOption option, Qt::LayoutDirection direction)
{
    option.setTextDirection(direction);
    option.setAlignment(QStyle::visualAlignment(direction, Qt::AlignLeft));
    return option;
}

} // namespace

GameForm::GameForm(std::unique_ptr<FractionSource> source, std::shared_ptr<const Catalogue> catalogue,
                   FormHandlers::ErrorLog log, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                          | Qt::WindowCloseButtonHint)
    , texts(std::move(catalogue))
    , handlers(*this, *texts, log ? std::move(log) : FormHandlers::ErrorLog(logToStandardError),
               source ? std::move(source) : std::make_unique<UniformFractionSource>(), clockSeed)
    , reportError([this](const QString &message) {
        QMessageBox::critical(this, translated(FormTexts::errorTitle, *texts), message);
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
    setAccessibleName(translated(FormTexts::programName, *texts));
    // Never smaller than designed; whatever it grows to is the form's colour.
    const QSize designedSize = toQRect(FormDesign::toPixels(FormDesign::client)).size();
    setMinimumSize(designedSize);
    resize(designedSize);
    fillBackground(this, colour(FormDesign::formBackground));
    auto *fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(fullScreen, &QShortcut::activated, this,
            [this] { setWindowState(windowState() ^ Qt::WindowFullScreen); });

    // A language written right to left gets the form mirrored: each control at its
    // mirrored place, and every text, box and scroll bar laid out right to left.
    const bool rightToLeft = texts->language().rightToLeft;
    setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    QFont font;
    font.setFamilies(designFontFamilies(*texts));
    font.setPointSize(FormDesign::fontPointSize);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::Serif);
    setFont(font);

    std::vector<std::pair<int, QWidget *>> focusChain;
    for (const FormDesign::Control &control : FormDesign::controls) {
        QWidget *widget = nullptr;
        switch (control.kind) {
        case ControlKind::Title:
        case ControlKind::Label: {
            auto *label = new QLabel(onScreen(caption(control, *texts)), this);
            // A label's caption is centred across and starts at the top.
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            label->setWordWrap(true);
            widget = label;
            break;
        }
        case ControlKind::Transcript:
            text1Box = new QPlainTextEdit(onScreen(caption(control, *texts)), this);
            text1Box->setReadOnly(true);
            text1Box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            text1Box->setTabChangesFocus(true);
            text1Box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            text1Box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            text1Box->document()->setDefaultTextOption(
                inDirection(text1Box->document()->defaultTextOption(), layoutDirection()));
            widget = text1Box;
            break;
        case ControlKind::TextBox: {
            auto *box = new QLineEdit(this);
            box->setReadOnly(true);
            // At the side the form's lines start, whatever the direction of the text.
            box->setAlignment(QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter));
            text2Box.at(static_cast<std::size_t>(control.index)) = box;
            widget = box;
            break;
        }
        case ControlKind::List:
            list1 = new PickList(this);
            connect(list1, &PickList::pressed, this,
                    [this](const PickRule::Press &press) { handlers.List1_MouseDown(press); });
            connect(list1, &PickList::keyPressed, this,
                    [this](const PickRule::KeyPress &key) { handlers.List1_KeyDown(key); });
            widget = list1;
            break;
        case ControlKind::Button: {
            auto *button =
                new ColourButton(onScreen(caption(control, *texts)), colour(control.background.value()), this);
            // Enter presses the focused button, like Space.
            button->setAutoDefault(true);
            connect(button, &QPushButton::clicked, this,
                    [this, index = control.index] { handlers.Command1_Click(index); });
            command1.at(static_cast<std::size_t>(control.index)) = button;
            widget = button;
            break;
        }
        }
        widget->setObjectName(fromUtf8(control.name));
        designedPlaces.emplace_back(widget, rightToLeft ? FormDesign::mirrored(control.rect) : control.rect);
        widget->setAccessibleName(translated(control.accessibleName, *texts));
        widget->setAccessibleDescription(translated(control.description, *texts));
        if (control.background && control.kind != ControlKind::Button)
            fillBackground(widget, colour(*control.background));
        if (auto *label = qobject_cast<QLabel *>(widget))
            label1.at(static_cast<std::size_t>(control.index)) = label;
        if (!control.labelledBy.empty()) {
            auto *label = findChild<QLabel *>(fromUtf8(control.labelledBy), Qt::FindDirectChildrenOnly);
            label->setBuddy(widget);
            // A list view takes no name from its label, so it is given the label's caption.
            if (control.kind == ControlKind::List)
                widget->setAccessibleName(label->text());
        }
        if (FormDesign::takesFocus(control.kind))
            focusChain.emplace_back(control.tabIndex, widget);
        // The list and the boxes, with their scroll bars; the buttons draw their own.
        if (control.kind != ControlKind::Button && FormDesign::takesFocus(control.kind)) {
            styledWidgets.push_back(widget);
            for (QWidget *inside : widget->findChildren<QWidget *>())
                styledWidgets.push_back(inside);
        }
    }
    announcer = new Announcer(this);
    fitControls();

    std::sort(focusChain.begin(), focusChain.end());
    for (std::size_t at = 1; at < focusChain.size(); ++at)
        setTabOrder(focusChain[at - 1].second, focusChain[at].second);
    focusChain.front().second->setFocus();

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void GameForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitControls();
}

void GameForm::fitControls()
{
    const FormDesign::Fit fit = FormDesign::fitted(width(), height());
    if (fit.scale != scale) {
        scale = fit.scale;
        QFont scaled = font();
        scaled.setPointSizeF(FormDesign::fontPointSize * scale);
        setFont(scaled);
        for (ColourButton *button : command1)
            button->setScale(scale);
        scaleStyle();
    }
    for (const auto &[widget, place] : designedPlaces)
        widget->setGeometry(toQRect(FormDesign::placed(place, fit)));
}

void GameForm::scaleStyle()
{
    // At the designed size the platform's style serves as it is, so the window starts
    // without a style of its own. The scaled style is made the first time it is
    // needed, after the controls, so that it is deleted after them.
    if (scaledStyle == nullptr) {
        if (scale == 1.0)
            return;
        scaledStyle = new ScaledStyle;
        scaledStyle->setParent(this);
        scaledStyle->setScale(scale);
        for (QWidget *widget : styledWidgets)
            widget->setStyle(scaledStyle);
        return;
    }
    // The scroll bars and frames take their new widths from the style.
    scaledStyle->setScale(scale);
    for (QWidget *widget : styledWidgets) {
        QEvent styleChanged(QEvent::StyleChange);
        QCoreApplication::sendEvent(widget, &styleChanged);
    }
}

void GameForm::setCaption(std::string_view caption)
{
    setWindowTitle(fromUtf8(caption));
}

void GameForm::setLabel1Caption(int index, std::string_view caption)
{
    label1.at(static_cast<std::size_t>(index))->setText(onScreen(caption));
}

void GameForm::setText2(int index, std::string_view text)
{
    text2Box.at(static_cast<std::size_t>(index))->setText(onScreen(text));
}

void GameForm::setText2Locked(bool locked)
{
    text2Box[2]->setReadOnly(locked);
}

void GameForm::setText1(std::string_view text)
{
    text1Box->setPlainText(onScreen(text));
}

void GameForm::setList1Items(std::span<const std::string> items)
{
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string &item : items)
        shown.append(fromUtf8(item));
    list1->clear();
    list1->addItems(shown);
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
    reportError(fromUtf8(message));
}

void GameForm::announce(std::string_view phrase)
{
    announcer->announce(fromUtf8(phrase));
}
