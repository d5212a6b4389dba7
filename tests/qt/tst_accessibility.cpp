// SPDX-License-Identifier: MIT
#include "formdriver.h"

#include "fixedfractions.h"

#include <QAccessible>

namespace {

// The accessible child of the form that stands for the widget called name.
QAccessibleInterface *accessibleControl(GameForm &form, const QString &name)
{
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&form);
    if (window == nullptr)
        return nullptr;
    for (int child = 0; child < window->childCount(); ++child) {
        QAccessibleInterface *control = window->child(child);
        if (control != nullptr && control->object() != nullptr
            && control->object()->objectName() == name) {
            return control;
        }
    }
    return nullptr;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void everyControlIsNamed_data();
    void everyControlIsNamed();
    void namesStayWhileTheGameGoesOn();
};

void TestAccessibility::everyControlIsNamed_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");

    QTest::newRow("statement and solution") << "Text1_0" << "Условие и решение" << QAccessible::EditableText;
    QTest::newRow("title") << "Label1_0" << "Ровалин" << QAccessible::StaticText;
    QTest::newRow("list") << "List1" << "Числа за избор" << QAccessible::List;
    QTest::newRow("first remainder") << "Text2_0" << "Остатък на първото число" << QAccessible::EditableText;
    QTest::newRow("second remainder") << "Text2_1" << "Остатък на второто число" << QAccessible::EditableText;
    QTest::newRow("result") << "Text2_2" << "Отговор" << QAccessible::EditableText;
    QTest::newRow("check button") << "Command1_0" << "Провери" << QAccessible::Button;
    QTest::newRow("clear button") << "Command1_1" << "Чисти" << QAccessible::Button;
    QTest::newRow("first number label") << "Label1_1" << "Първо число" << QAccessible::StaticText;
    QTest::newRow("second number label") << "Label1_2" << "Второ число" << QAccessible::StaticText;
    QTest::newRow("solution label") << "Label1_3" << "Решение:" << QAccessible::StaticText;
    QTest::newRow("choose label") << "Label1_4" << "Изберете" << QAccessible::StaticText;
}

void TestAccessibility::everyControlIsNamed()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);
    GameForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&form);
    QVERIFY(window != nullptr);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Ровалин"));
    QAccessibleInterface *accessible = accessibleControl(form, control);
    QVERIFY2(accessible != nullptr, qPrintable(control));
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QCOMPARE(accessible->role(), role);
    QVERIFY(!accessible->state().invisible);
}

void TestAccessibility::namesStayWhileTheGameGoesOn()
{
    GameForm form(std::make_unique<FixedFractions>(std::deque<float>{FixedFractions::drawing(7)}));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    FormDriver driver(form);
    QVERIFY(driver.clickItem(QStringLiteral("25")));
    QVERIFY(driver.clickItem(QStringLiteral("52")));

    QAccessibleInterface *first = accessibleControl(form, QStringLiteral("Label1_1"));
    QVERIFY(first != nullptr);
    QCOMPARE(first->text(QAccessible::Name), QStringLiteral("Първо число"));
    // The label's caption is still there to read, after its name.
    QCOMPARE(driver.labels[1]->text(), QStringLiteral("25"));
    QAccessibleInterface *remainder = accessibleControl(form, QStringLiteral("Text2_0"));
    QVERIFY(remainder != nullptr);
    QCOMPARE(remainder->text(QAccessible::Name), QStringLiteral("Остатък на първото число"));
    QCOMPARE(remainder->text(QAccessible::Value), QStringLiteral("4"));
    // The read-only boxes still take the focus, so a keyboard user can read them.
    QVERIFY(remainder->state().focusable);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
