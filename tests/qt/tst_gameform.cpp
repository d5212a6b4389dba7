// SPDX-License-Identifier: MIT
#include "formdriver.h"

#include "fixedfractions.h"
#include "form/formtexts.h"

#include <QFile>
#include <QFontInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMessageBox>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<FixedFractions> hiddenNumber(int number)
{
    return std::make_unique<FixedFractions>(std::deque<float>{FixedFractions::drawing(number)});
}

} // namespace

class TestGameForm : public QObject
{
    Q_OBJECT

private slots:
    void controlsSitAsDesigned_data();
    void controlsSitAsDesigned();
    void windowAtStart();
    void coloursShowOnScreen_data();
    void coloursShowOnScreen();
    void oneFontEverywhere();
    void focusedButtonShowsIt();
    void tabOrderAsDesigned();
    void typicalGame();
    void pickScenarios_data();
    void pickScenarios();
    void resultBoxLockedOrNot();
    void runtimeErrorShowsMessageBox();
};

void TestGameForm::controlsSitAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("Text1(0)") << "Text1_0" << QRect(8, 216, 441, 121);
    QTest::newRow("Label1(0)") << "Label1_0" << QRect(56, 0, 353, 25);
    QTest::newRow("List1") << "List1" << QRect(8, 64, 73, 137);
    QTest::newRow("Text2(0)") << "Text2_0" << QRect(192, 40, 81, 27);
    QTest::newRow("Text2(1)") << "Text2_1" << QRect(192, 110, 81, 27);
    QTest::newRow("Text2(2)") << "Text2_2" << QRect(192, 176, 81, 27);
    QTest::newRow("Command1(0)") << "Command1_0" << QRect(288, 40, 97, 27);
    QTest::newRow("Command1(1)") << "Command1_1" << QRect(288, 176, 97, 27);
    QTest::newRow("Label1(1)") << "Label1_1" << QRect(104, 40, 89, 27);
    QTest::newRow("Label1(2)") << "Label1_2" << QRect(104, 112, 89, 27);
    QTest::newRow("Label1(3)") << "Label1_3" << QRect(104, 176, 89, 27);
    QTest::newRow("Label1(4)") << "Label1_4" << QRect(8, 40, 73, 27);
}

void TestGameForm::controlsSitAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    GameForm form;
    const QWidget *control = form.findChild<QWidget *>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(), geometry);
}

void TestGameForm::windowAtStart()
{
    GameForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    FormDriver driver(form);
    QVERIFY(driver.complete());

    QCOMPARE(form.size(), QSize(461, 342));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(form.windowTitle(), QStringLiteral("Ровалин"));

    // The statement reads back with its CR LF and shows as eleven plain lines.
    QCOMPARE(form.text1(), FormTexts::taskStatement);
    const QString shown = driver.transcript->toPlainText();
    QVERIFY(!shown.contains(u'\r'));
    QCOMPARE(shown.split(u'\n').size(), 12);
    QCOMPARE(shown.split(u'\n').constFirst(),
             QStringLiteral("Двама съученици си играят на следната игра с естествени числа: "
                            "първият си намисля число от интервала [2..20]."));
    QVERIFY(driver.transcript->isReadOnly());
    QCOMPARE(driver.transcript->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    QCOMPARE(driver.labels[0]->text().trimmed(), QStringLiteral("Ровалин"));
    QCOMPARE(driver.labels[1]->text(), QStringLiteral("Число 1:"));
    QCOMPARE(driver.labels[2]->text(), QStringLiteral("Число 2:"));
    QCOMPARE(driver.labels[3]->text(), QStringLiteral("Решение:"));
    QCOMPARE(driver.labels[4]->text(), QStringLiteral("Изберете"));
    QCOMPARE(driver.buttons[0]->text(), QStringLiteral("Провери"));
    QCOMPARE(driver.buttons[1]->text(), QStringLiteral("Чисти"));

    for (QLineEdit *box : driver.boxes)
        QVERIFY(box->text().isEmpty());
    QVERIFY(driver.boxes[0]->isReadOnly());
    QVERIFY(driver.boxes[1]->isReadOnly());
    QVERIFY(!driver.boxes[2]->isReadOnly());
    QCOMPARE(driver.items(), numberTexts(20, 49));
    QCOMPARE(form.list1ListIndex(), -1);
    QCOMPARE(form.game().state().pickCount, 0);
}

void TestGameForm::coloursShowOnScreen_data()
{
    QTest::addColumn<QPoint>("where");
    QTest::addColumn<QColor>("expected");

    const QColor green(0, 192, 0);
    const QColor labelColour(255, 192, 128);
    QTest::newRow("form, between the controls") << QPoint(150, 150) << green;
    QTest::newRow("form, bottom right corner") << QPoint(458, 339) << green;
    QTest::newRow("title label, left end") << QPoint(60, 20) << labelColour;
    QTest::newRow("Label1(3), below its text") << QPoint(108, 200) << labelColour;
    QTest::newRow("Label1(4), bottom left") << QPoint(10, 62) << labelColour;
    QTest::newRow("Провери") << QPoint(292, 62) << QColor(128, 255, 128);
    QTest::newRow("Чисти") << QPoint(292, 198) << QColor(255, 0, 0);
}

void TestGameForm::coloursShowOnScreen()
{
    QFETCH(QPoint, where);
    QFETCH(QColor, expected);
    GameForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    const QImage image = form.grab().toImage();
    QCOMPARE(image.pixelColor(where).rgb(), expected.rgb());
}

void TestGameForm::oneFontEverywhere()
{
    GameForm form;
    const QStringList acceptable{QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")};
    const QList<QWidget *> controls = form.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QVERIFY(controls.size() >= 12);
    for (const QWidget *control : controls) {
        const QFontInfo info(control->font());
        QVERIFY2(acceptable.contains(info.family()), qPrintable(control->objectName() + ": " + info.family()));
        QCOMPARE(control->font().pointSize(), 12);
        QCOMPARE(info.weight(), int(QFont::Normal));
        QVERIFY(!info.italic());
    }
}

void TestGameForm::focusedButtonShowsIt()
{
    GameForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    FormDriver driver(form);
    // Black pixels on the column where the focus rectangle's left side runs.
    const auto blackOnFocusLine = [&form] {
        const QImage image = form.grab().toImage();
        int black = 0;
        for (int y = 46; y < 62; ++y)
            black += image.pixelColor(292, y) == QColor(Qt::black) ? 1 : 0;
        return black;
    };
    QCOMPARE(blackOnFocusLine(), 0);

    driver.boxes[2]->setFocus();
    QTest::keyClick(driver.boxes[2], Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), driver.buttons[0]);
    QVERIFY(blackOnFocusLine() >= 5);
}

void TestGameForm::tabOrderAsDesigned()
{
    GameForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    QStringList order;
    QWidget *start = QApplication::focusWidget();
    QVERIFY(start != nullptr);
    QWidget *current = start;
    do {
        order.append(current->objectName());
        QTest::keyClick(current, Qt::Key_Tab);
        current = QApplication::focusWidget();
    } while (current != start && order.size() < 20);

    QCOMPARE(order, QStringList({"Text1_0", "List1", "Text2_0", "Text2_1", "Text2_2",
                                 "Command1_0", "Command1_1"}));
}

void TestGameForm::typicalGame()
{
    GameForm form(hiddenNumber(7));
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    FormDriver driver(form);

    QVERIFY(driver.clickItem(QStringLiteral("25")));
    QCOMPARE(driver.labels[1]->text(), QStringLiteral("25"));
    QCOMPARE(driver.boxes[0]->text(), QStringLiteral("4"));
    QCOMPARE(driver.items().size(), 48);
    QVERIFY(!driver.items().contains(QStringLiteral("75")));
    QCOMPARE(form.list1ListIndex(), -1);

    QVERIFY(driver.clickItem(QStringLiteral("52")));
    QCOMPARE(driver.labels[2]->text(), QStringLiteral("52"));
    QCOMPARE(driver.boxes[1]->text(), QStringLiteral("3"));
    QCOMPARE(driver.items(), numberTexts(1, 30));

    // Space presses the focused button, as Enter does.
    driver.buttons[0]->setFocus();
    QTest::keyClick(driver.buttons[0], Qt::Key_Space);
    const QStringList expected{"Извеждам двете въведени числа и остатъците:", "25 - 4 = 21",
                               "52 - 3 = 49", "Решение чрез алгоритъм на Евклид:", "49 - 21",
                               "28 - 21", "21 - 7", "14 - 7", "НОД = 7"};
    QCOMPARE(QString::fromStdString(form.text1()), expected.join(QStringLiteral("\r\n")));
    QCOMPARE(driver.transcript->toPlainText(), expected.join(u'\n'));
    QCOMPARE(driver.boxes[2]->text(), QStringLiteral("7"));
    QVERIFY(driver.boxes[2]->isReadOnly());

    QVERIFY(driver.clickItem(QStringLiteral("7")));
    QCOMPARE(driver.boxes[2]->text(), QStringLiteral("Да 7"));
    QCOMPARE(form.list1Item(form.list1ListIndex()), "7");

    driver.buttons[1]->setFocus();
    QTest::keyClick(driver.buttons[1], Qt::Key_Return);
    QVERIFY(form.text1().empty());
    QVERIFY(driver.transcript->toPlainText().isEmpty());
    QCOMPARE(driver.items(), numberTexts(20, 49));
    QCOMPARE(form.game().state().pickCount, 0);
}

void TestGameForm::pickScenarios_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QJsonArray>("input");
    QTest::addColumn<QString>("picks");

    QFile file(QFINDTESTDATA("../scenarios/picks.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonArray scenarios = QJsonDocument::fromJson(file.readAll())[u"scenarios"].toArray();
    QVERIFY(!scenarios.isEmpty());
    for (const QJsonValue scenario : scenarios) {
        QTest::newRow(qPrintable(scenario[u"name"].toString()))
            << scenario[u"list"].toString() << scenario[u"input"].toArray()
            << scenario[u"picks"].toString();
    }
}

void TestGameForm::pickScenarios()
{
    QFETCH(QString, list);
    QFETCH(QJsonArray, input);
    QFETCH(QString, picks);
    GameForm form(hiddenNumber(7));
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    FormDriver driver(form);
    int picksBefore = 0;
    if (list == u"guessed") {
        for (const QString &number : {u"25"_s, u"52"_s, u"15"_s})
            QVERIFY(driver.clickItem(number));
        picksBefore = 3;
    } else if (list == u"short") {
        form.list1Clear();
        form.list1AddItem("20");
        form.list1AddItem("21");
    }
    const std::string selectedBefore = form.list1Item(form.list1ListIndex());

    for (const QJsonValue step : input)
        QVERIFY(driver.play(step.toArray().toVariantList()));

    const int pickCount = form.game().state().pickCount;
    const QString selected = QString::fromStdString(form.list1Item(form.list1ListIndex()));
    if (picks.isEmpty()) {
        QCOMPARE(pickCount, picksBefore);
        QCOMPARE(selected.toStdString(), selectedBefore);
        QCOMPARE(driver.labels[1]->text(), list == u"guessed" ? u"25"_s : u"Число 1:"_s);
    } else {
        QCOMPARE(pickCount, picksBefore + 1);
        QCOMPARE(list == u"guessed" ? selected : driver.labels[1]->text(), picks);
        // A pick that keeps the list shows the picked item.
        const QRect shown = driver.list->visualItemRect(driver.list->item(form.list1ListIndex()));
        QVERIFY(list != u"guessed" || driver.list->viewport()->rect().contains(shown));
    }
}

void TestGameForm::resultBoxLockedOrNot()
{
    GameForm form(hiddenNumber(7));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    FormDriver driver(form);

    // Unlocked at the start of a game: the player may type, the game ignores it.
    QTest::keyClicks(driver.boxes[2], QStringLiteral("12"));
    QCOMPARE(driver.boxes[2]->text(), QStringLiteral("12"));
    QVERIFY(driver.clickItem(QStringLiteral("25")));
    QVERIFY(driver.clickItem(QStringLiteral("52")));
    QCOMPARE(driver.boxes[2]->text(), QStringLiteral("12"));
    driver.clickButton(0);
    QVERIFY(form.text1().ends_with("НОД = 7"));

    // Locked by the solution: typing changes nothing.
    QTest::keyClicks(driver.boxes[2], QStringLiteral("99"));
    QCOMPARE(driver.boxes[2]->text(), QStringLiteral("7"));

    // The remainder boxes never take typing.
    QTest::keyClicks(driver.boxes[0], QStringLiteral("5"));
    QCOMPARE(driver.boxes[0]->text(), QStringLiteral("4"));
}

void TestGameForm::runtimeErrorShowsMessageBox()
{
    GameForm form(hiddenNumber(7));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    FormDriver driver(form);
    QVERIFY(driver.clickItem(QStringLiteral("25")));
    form.list1AddItem("40000");

    // The message box is modal: answer it from the event loop it runs.
    QString shown;
    QTimer answer;
    connect(&answer, &QTimer::timeout, &form, [&shown] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->windowTitle() + u'|' + box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    answer.start(10);
    QVERIFY(driver.clickItem(QStringLiteral("40000")));
    answer.stop();

    QVERIFY2(shown.startsWith(QStringLiteral("Ровалин: грешка|")), qPrintable(shown));
    QVERIFY(shown.contains(QStringLiteral("Чисти")));
    QVERIFY(form.isVisible());
    driver.clickButton(1);
    QCOMPARE(driver.items(), numberTexts(20, 49));
}

QTEST_MAIN(TestGameForm)
#include "tst_gameform.moc"
