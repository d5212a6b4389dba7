// SPDX-License-Identifier: MIT
// What a screen reader is told of the window's controls: every row of the table that
// the page's tests check too (tests/scenarios/accessibility.json).

#include "formdriver.h"

#include "fixedfractions.h"

#include <QAccessible>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The accessible child of the form that stands for the widget called name.
QAccessibleInterface *accessibleControl(GameForm &form, const QString &name)
{
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&form);
    for (int child = 0; window != nullptr && child < window->childCount(); ++child) {
        QAccessibleInterface *control = window->child(child);
        if (control != nullptr && control->object() != nullptr && control->object()->objectName() == name)
            return control;
    }
    return nullptr;
}

QAccessible::Role qtRole(const QString &role)
{
    if (role == u"text")
        return QAccessible::EditableText;
    if (role == u"list")
        return QAccessible::List;
    if (role == u"button")
        return QAccessible::Button;
    return QAccessible::StaticText; // a label, the title
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void controlsAsAScreenReaderMeetsThem_data();
    void controlsAsAScreenReaderMeetsThem();
};

void TestAccessibility::controlsAsAScreenReaderMeetsThem_data()
{
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QJsonObject>("expected");

    QFile file(QFINDTESTDATA("../scenarios/accessibility.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonObject table = QJsonDocument::fromJson(file.readAll()).object();
    const QJsonObject afterPicks = table[u"afterPicks"].toObject();
    QStringList picks;
    for (const QJsonValue pick : afterPicks[u"picks"].toArray())
        picks.append(pick.toString());
    for (const auto &[when, rows, played] : {std::tuple{"at the start", table[u"controls"].toArray(), QStringList{}},
                                             std::tuple{"after the picks", afterPicks[u"controls"].toArray(), picks}}) {
        for (const QJsonValue row : rows) {
            const QString name = row[u"control"].toString() + QStringLiteral(", ") + QString::fromLatin1(when);
            QTest::newRow(qPrintable(name)) << played << row.toObject();
        }
    }
}

void TestAccessibility::controlsAsAScreenReaderMeetsThem()
{
    QFETCH(QStringList, picks);
    QFETCH(QJsonObject, expected);
    GameForm form(std::make_unique<FixedFractions>(std::deque<float>{FixedFractions::drawing(7)}));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    FormDriver driver(form);
    for (const QString &number : picks)
        QVERIFY(driver.clickItem(number));

    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&form);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Ровалин"));
    QAccessibleInterface *control = accessibleControl(form, expected[u"control"].toString());
    QVERIFY(control != nullptr);
    QCOMPARE(control->role(), qtRole(expected[u"role"].toString()));
    QCOMPARE(control->text(QAccessible::Name), expected[u"name"].toString());
    QCOMPARE(control->text(QAccessible::Description), expected[u"description"].toString());
    QVERIFY(!control->state().invisible);

    QStringList labels;
    for (const auto &[label, relation] : control->relations(QAccessible::Label))
        labels.append(label->object()->objectName());
    const QString labelledBy = expected[u"labelledBy"].toString();
    QCOMPARE(labels, labelledBy.isEmpty() ? QStringList{} : QStringList{labelledBy});
    // Boxes and buttons take the focus, so a keyboard user can read them.
    QVERIFY(control->state().focusable || qtRole(expected[u"role"].toString()) == QAccessible::StaticText);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
