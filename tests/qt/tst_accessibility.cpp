// SPDX-License-Identifier: MIT
// What a screen reader is told of the window: every control of the control table by
// its role, its name and its description, at the start and after two picks (the
// number labels then show the picked numbers, and so name their boxes), and the
// announcer that speaks each step.

#include "formdriver.h"
#include "testlanguage.h"

#include "form/controltable.h"
#include "game/fractionsource.h"

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <algorithm>

namespace {

using FormDesign::ControlKind;

// The accessible child of the form that stands for the widget called name.
QAccessibleInterface *accessibleChild(GameForm &form, const QString &name)
{
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&form);
    for (int child = 0; window != nullptr && child < window->childCount(); ++child) {
        QAccessibleInterface *control = window->child(child);
        if (control != nullptr && control->object() != nullptr && control->object()->objectName() == name)
            return control;
    }
    return nullptr;
}

QAccessible::Role roleOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Transcript:
    case ControlKind::TextBox:
        return QAccessible::EditableText;
    case ControlKind::List:
        return QAccessible::List;
    case ControlKind::Button:
        return QAccessible::Button;
    case ControlKind::Title:
    case ControlKind::Label:
        break;
    }
    return QAccessible::StaticText;
}

const FormDesign::Control &control(std::string_view name)
{
    return *std::ranges::find(FormDesign::controls, name, &FormDesign::Control::name);
}

// The notifications the window has shown to the accessibility layer, by their names,
// as a screen reader is told of them.
QStringList &notificationsShown()
{
    static QStringList shown;
    return shown;
}

void recordNotification(QAccessibleEvent *event)
{
    QAccessibleInterface *accessible = event->accessibleInterface();
    if (event->type() == QAccessible::ObjectShow && accessible != nullptr
        && accessible->role() == QAccessible::Notification)
        notificationsShown().append(accessible->text(QAccessible::Name));
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void controlsAsAScreenReaderMeetsThem_data();
    void controlsAsAScreenReaderMeetsThem();
    void announcerSpeaksWithoutShowing();

private:
    [[nodiscard]] QString text(std::string_view source) const { return QString::fromStdString(texts->translate(source)); }

    std::shared_ptr<const Catalogue> texts = testCatalogue();
};

void TestAccessibility::controlsAsAScreenReaderMeetsThem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("picks");
    for (const QStringList &picks : {QStringList{}, QStringList{"25", "52"}}) {
        for (const FormDesign::Control &row : FormDesign::controls) {
            const QString name = fromUtf8(row.name);
            QTest::addRow("%s, %s", qPrintable(name), picks.isEmpty() ? "at the start" : "after two picks")
                << name << picks;
        }
    }
}

void TestAccessibility::controlsAsAScreenReaderMeetsThem()
{
    QFETCH(QString, name);
    QFETCH(QStringList, picks);
    GameForm form(std::make_unique<FixedFractions>(std::vector<float>{FixedFractions::drawing(7)}), texts);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    FormDriver driver(form);
    for (const QString &number : picks)
        QVERIFY(driver.clickItem(number));
    const FormDesign::Control &expected = control(name.toStdString());

    QCOMPARE(QAccessible::queryAccessibleInterface(&form)->text(QAccessible::Name), text(FormTexts::programName));
    QAccessibleInterface *accessible = accessibleChild(form, name);
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->role(), roleOf(expected.kind));
    QVERIFY(!accessible->state().invisible);
    // Found where the form shows it, mirrored in a language written right to left.
    const QRect place = designedPlace(expected.rect);
    QCOMPARE(accessible->rect(), QRect(form.mapToGlobal(place.topLeft()), place.size()));
    QCOMPARE(accessible->text(QAccessible::Description), text(expected.description));

    // Named as the form shows it: by its label's caption as it is now, or its own.
    QStringList labels;
    for (const auto &[label, relation] : accessible->relations(QAccessible::Label))
        labels.append(label->object()->objectName());
    QString shownName = text(expected.accessibleName);
    if (!expected.labelledBy.empty()) {
        const auto *label = form.findChild<QLabel *>(fromUtf8(expected.labelledBy));
        shownName = label->text();
        // A list takes its name, not its relation, from the label.
        if (expected.kind != ControlKind::List)
            QCOMPARE(labels, QStringList{label->objectName()});
    } else if (shownName.isEmpty()) {
        shownName = form.findChild<QWidget *>(name)->property("text").toString();
    }
    QCOMPARE(accessible->text(QAccessible::Name), shownName);
    QVERIFY(!shownName.isEmpty());
    // Boxes, the list and buttons take the focus, so a keyboard user can read them.
    QCOMPARE(accessible->state().focusable, FormDesign::takesFocus(expected.kind));
}

void TestAccessibility::announcerSpeaksWithoutShowing()
{
    GameForm form(std::make_unique<FixedFractions>(std::vector<float>{FixedFractions::drawing(7)}), texts);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    FormDriver driver(form);
    // As when a screen reader listens: the platform's accessibility is on, and what
    // the window tells it goes to the handler.
    notificationsShown().clear();
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(recordNotification);
    // 25 and 53 leave the same remainder: a screen reader is told both times.
    QVERIFY(driver.clickItem(QStringLiteral("25")));
    QVERIFY(driver.clickItem(QStringLiteral("53")));
    QAccessible::installUpdateHandler(previous);
    const QString remainder = QString::fromStdString(inLanguage({FormTexts::Announcement::remainder, "4"}, *texts, inRightToLeft()));
    QCOMPARE(notificationsShown(), QStringList({remainder, remainder}));

    auto *announcer = form.findChild<QWidget *>(QStringLiteral("Announcer"));
    QVERIFY(announcer != nullptr);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(announcer);
    QVERIFY(!accessible->state().focusable);
    // It takes no room on the form.
    QCOMPARE(announcer->size(), QSize(0, 0));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
