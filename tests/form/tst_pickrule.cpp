// SPDX-License-Identifier: MIT
// What counts as a pick, without widgets: every row of the scenario table that the
// window's and the page's tests play with real input, here as the presses and keys a
// front end hands the handlers for it.

#include "memoryform.h"
#include "scenariotables.h"
#include "testlanguage.h"

#include "form/formhandlers.h"

#include <QTest>

#include <algorithm>

namespace {

// The list shows seven whole rows of 18 pixels, as in both editions.
constexpr int rowHeight = 18;
constexpr int viewHeight = 7 * rowHeight + 8;

int rowShowing(const MemoryForm &form, const QString &number)
{
    const auto found = std::ranges::find(form.items(), number.toStdString());
    return found == form.items().end() ? -1 : static_cast<int>(found - form.items().begin());
}

PickRule::KeyPress keyNamed(QString name, const std::string &typed)
{
    PickRule::KeyPress key;
    for (const QString &modifier : {QStringLiteral("Ctrl+"), QStringLiteral("Alt+"), QStringLiteral("Meta+")}) {
        if (name.startsWith(modifier)) {
            key.commandModifier = true;
            name.remove(0, modifier.size());
        }
    }
    static const QHash<QString, PickRule::Key> keys{
        {QStringLiteral("Down"), PickRule::Key::Down},         {QStringLiteral("Up"), PickRule::Key::Up},
        {QStringLiteral("Right"), PickRule::Key::Right},       {QStringLiteral("Left"), PickRule::Key::Left},
        {QStringLiteral("Home"), PickRule::Key::Home},         {QStringLiteral("End"), PickRule::Key::End},
        {QStringLiteral("PageDown"), PickRule::Key::PageDown}, {QStringLiteral("PageUp"), PickRule::Key::PageUp},
        {QStringLiteral("Enter"), PickRule::Key::Other}};
    // Space types a blank; any other name of one character types that character.
    key.key = keys.value(name, PickRule::Key::Character);
    key.character = typed;
    key.viewHeight = viewHeight;
    key.rowHeight = rowHeight;
    return key;
}

} // namespace

class TestPickRule : public QObject
{
    Q_OBJECT

private slots:
    void scenarios_data();
    void scenarios();
};

void TestPickRule::scenarios_data()
{
    addPickScenarioRows();
}

void TestPickRule::scenarios()
{
    QFETCH(PickScenario, scenario);
    MemoryForm form;
    const std::shared_ptr<const Catalogue> texts = testCatalogue();
    FormHandlers handlers(form, *texts, std::make_unique<FixedFractions>(std::deque<float>{FixedFractions::drawing(7)}));
    handlers.Form_Load();
    const auto click = [&](const QString &number, PickRule::Button button, int clickCount) {
        handlers.List1_MouseDown({button, clickCount, rowShowing(form, number)});
    };
    if (scenario.list == u"guessed") {
        for (const QString &number : {QStringLiteral("25"), QStringLiteral("52"), QStringLiteral("15")})
            click(number, PickRule::Button::Left, 1);
    } else if (scenario.list == u"short") {
        form.list1Clear();
        form.list1AddItem("20");
        form.list1AddItem("21");
    }
    const int picksBefore = handlers.game().state().pickCount;
    const std::string selectedBefore = form.selectedItem();
    const std::string captionBefore = form.label1Caption(1);

    for (const QStringList &step : scenario.input) {
        const QString &input = step.constFirst();
        const QString item = step.value(1);
        if (input == u"click" || input == u"drag") {
            click(item, PickRule::Button::Left, 1); // the rest of a drag never reaches the rule
        } else if (input == u"rightClick" || input == u"middleClick") {
            click(item, input == u"rightClick" ? PickRule::Button::Right : PickRule::Button::Middle, 1);
        } else if (input == u"doubleClick" || input == u"quadrupleClick") {
            // The later presses land where the first did, on the list that pick made.
            const int row = rowShowing(form, item);
            for (int press = 1; press <= (input == u"doubleClick" ? 2 : 4); ++press)
                handlers.List1_MouseDown({PickRule::Button::Left, press, row});
        } else if (input == u"clickEmptyArea") {
            handlers.List1_MouseDown({PickRule::Button::Left, 1, -1});
        } else if (input == u"key") {
            const QString name = step.value(1);
            const std::string typed = name == u"Space" ? std::string(" ") : name.section(u'+', -1).toStdString();
            handlers.List1_KeyDown(keyNamed(name, typed));
        } else {
            // The scroll bar and the focus arriving by Tab bring the list nothing.
            QVERIFY(QStringList({"clickScrollBar", "tab", "backtab"}).contains(input));
        }
    }

    QCOMPARE(handlers.game().state().pickCount, picksBefore + scenario.picks.size());
    if (scenario.picks.isEmpty()) {
        QCOMPARE(form.selectedItem(), selectedBefore);
        QCOMPARE(form.label1Caption(1), captionBefore);
    } else if (scenario.list == u"guessed") {
        QCOMPARE(QString::fromStdString(form.selectedItem()), scenario.picks.constLast());
    } else {
        QCOMPARE(QString::fromStdString(form.label1Caption(1)), scenario.picks.constFirst());
    }
}

QTEST_GUILESS_MAIN(TestPickRule)
#include "tst_pickrule.moc"
