// SPDX-License-Identifier: MIT
#include "formdriver.h"

#include "fixedfractions.h"
#include "window/formtexts.h"

#include <QFontInfo>
#include <QMessageBox>
#include <QTimer>
#include <QScrollBar>
#include <QSignalSpy>

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
    void typicalGameWithTheMouse();
    void keyboardPicks();
    void resultBoxLockedOrNot();
    void clearAtAnyTime_data();
    void clearAtAnyTime();
    void checkBeforeTwoPicksChangesNothing();
    void clicksThatAreNoPick();
    void doubleClickPicksOnce();
    void releaseElsewhereKeepsTheGuess();
    void runtimeErrorIsReportedAndGameGoesOn();
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

void TestGameForm::typicalGameWithTheMouse()
{
    GameForm form(hiddenNumber(7));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
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

    driver.clickButton(0);
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

    driver.clickButton(1);
    QVERIFY(form.text1().empty());
    QVERIFY(driver.transcript->toPlainText().isEmpty());
    QCOMPARE(driver.items(), numberTexts(20, 49));
}

void TestGameForm::keyboardPicks()
{
    GameForm form(hiddenNumber(7));
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    FormDriver driver(form);

    // Tab from the statement into the list: the focus arrives, nothing is picked.
    QTest::keyClick(driver.transcript, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), driver.list);
    QCOMPARE(form.game().state().pickCount, 0);
    QCOMPARE(form.list1ListIndex(), -1);

    // Typing an item's first digit picks the first item that begins with it.
    QTest::keyClick(driver.list, Qt::Key_4);
    QCOMPARE(form.game().state().pickCount, 1);
    QCOMPARE(driver.labels[1]->text(), QStringLiteral("40"));
    QCOMPARE(driver.boxes[0]->text(), QStringLiteral("5"));

    // In the rebuilt list nothing is current: an arrow key picks its first item.
    QTest::keyClick(driver.list, Qt::Key_Down);
    QCOMPARE(form.game().state().pickCount, 2);
    QCOMPARE(driver.labels[2]->text(), QStringLiteral("50"));
    QCOMPARE(driver.boxes[1]->text(), QStringLiteral("1"));
    QCOMPARE(driver.items(), numberTexts(1, 30));

    QTest::keyClick(driver.list, Qt::Key_End);
    QCOMPARE(form.game().state().pickCount, 3);
    QCOMPARE(driver.boxes[2]->text(), QStringLiteral("Не"));
    QCOMPARE(form.list1Item(form.list1ListIndex()), "30");

    // Space and Enter press the focused button.
    QTest::keyClick(driver.list, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), driver.buttons[0]);
    QTest::keyClick(driver.buttons[0], Qt::Key_Space);
    QVERIFY(form.text1().ends_with("НОД = 7"));
    QTest::keyClick(driver.buttons[0], Qt::Key_Tab);
    QTest::keyClick(driver.buttons[1], Qt::Key_Return);
    QCOMPARE(form.game().state().pickCount, 0);
    QVERIFY(form.text1().empty());
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

void TestGameForm::clearAtAnyTime_data()
{
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<bool>("check");

    QTest::newRow("at the start") << QStringList{} << false;
    QTest::newRow("after one pick") << QStringList{"25"} << false;
    QTest::newRow("after the solution") << QStringList{"25", "52"} << true;
    QTest::newRow("after the guess") << QStringList{"25", "52", "7"} << false;
}

void TestGameForm::clearAtAnyTime()
{
    QFETCH(QStringList, picks);
    QFETCH(bool, check);
    auto fractions = hiddenNumber(7);
    fractions->push(FixedFractions::drawing(11));
    GameForm form(std::move(fractions));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    FormDriver driver(form);
    for (const QString &number : picks)
        QVERIFY(driver.clickItem(number));
    if (check)
        driver.clickButton(0);

    driver.clickButton(1);

    QCOMPARE(form.game().state().hiddenNumber, 11);
    QCOMPARE(form.game().state().pickCount, 0);
    QCOMPARE(driver.items(), numberTexts(20, 49));
    QCOMPARE(form.list1ListIndex(), -1);
    QCOMPARE(driver.labels[1]->text(), QStringLiteral("Число 1:"));
    QCOMPARE(driver.labels[2]->text(), QStringLiteral("Число 2:"));
    for (QLineEdit *box : driver.boxes)
        QVERIFY(box->text().isEmpty());
    QVERIFY(!driver.boxes[2]->isReadOnly());
    QVERIFY(form.text1().empty());
    QVERIFY(driver.transcript->toPlainText().isEmpty());
}

void TestGameForm::checkBeforeTwoPicksChangesNothing()
{
    GameForm form(hiddenNumber(7));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    FormDriver driver(form);

    driver.clickButton(0);
    QCOMPARE(form.text1(), FormTexts::taskStatement);
    QVERIFY(driver.clickItem(QStringLiteral("25")));
    driver.clickButton(0);
    QCOMPARE(form.text1(), FormTexts::taskStatement);
    QVERIFY(driver.boxes[2]->text().isEmpty());
    QVERIFY(!driver.boxes[2]->isReadOnly());
}

void TestGameForm::clicksThatAreNoPick()
{
    GameForm form(hiddenNumber(7));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    FormDriver driver(form);
    QSignalSpy picks(driver.list, &PickList::picked);

    // The program's own changes to the list.
    form.setList1ListIndex(3);
    form.setList1ListIndex(-1);
    form.setList1ListIndex(-1);
    form.list1Clear();
    for (const QString &number : numberTexts(20, 21))
        form.list1AddItem(number.toStdString());

    // The empty area below the only two items, a right click, and the scroll bar.
    QTest::mouseClick(driver.list->viewport(), Qt::LeftButton, {}, QPoint(20, 120));
    QTest::mouseClick(driver.list->viewport(), Qt::RightButton, {},
                      driver.list->visualItemRect(driver.list->item(0)).center());
    form.list1Clear();
    for (const QString &number : numberTexts(20, 49))
        form.list1AddItem(number.toStdString());
    QScrollBar *bar = driver.list->verticalScrollBar();
    QTRY_VERIFY(bar->isVisible());
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 20));

    QCOMPARE(picks.count(), 0);
    QCOMPARE(form.game().state().pickCount, 0);
    QCOMPARE(form.list1ListIndex(), -1);
}

void TestGameForm::doubleClickPicksOnce()
{
    GameForm form(hiddenNumber(7));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    FormDriver driver(form);

    // A double click reaches a widget as press, release, double click, release.
    const QPoint centre = driver.list->visualItemRect(driver.list->item(5)).center();
    QTest::mouseClick(driver.list->viewport(), Qt::LeftButton, {}, centre);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, centre,
                            driver.list->viewport()->mapToGlobal(centre), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(driver.list->viewport(), &doubleClick);
    QTest::mouseRelease(driver.list->viewport(), Qt::LeftButton, {}, centre);

    QCOMPARE(form.game().state().pickCount, 1);
    QCOMPARE(driver.labels[1]->text(), QStringLiteral("25"));
}

void TestGameForm::releaseElsewhereKeepsTheGuess()
{
    GameForm form(hiddenNumber(7));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    FormDriver driver(form);
    QVERIFY(driver.clickItem(QStringLiteral("25")));
    QVERIFY(driver.clickItem(QStringLiteral("52")));
    QVERIFY(driver.clickItem(QStringLiteral("9")));

    // Press on the guessed item, let go over another one: the press is a pick (the
    // game is over, so it changes nothing) and the guessed item stays selected.
    QListWidgetItem *guessed = driver.list->findItems(QStringLiteral("9"), Qt::MatchExactly).constFirst();
    const QRect pressedAt = driver.list->visualItemRect(guessed);
    QTest::mousePress(driver.list->viewport(), Qt::LeftButton, {}, pressedAt.center());
    QTest::mouseRelease(driver.list->viewport(), Qt::LeftButton, {},
                        pressedAt.center() + QPoint(0, 2 * pressedAt.height()));

    QCOMPARE(form.list1Item(form.list1ListIndex()), "9");
    QCOMPARE(form.game().state().pickCount, 4);
    QCOMPARE(driver.boxes[2]->text(), QStringLiteral("Не"));
}

void TestGameForm::runtimeErrorIsReportedAndGameGoesOn()
{
    GameForm form(hiddenNumber(7));
    QStringList reports;
    form.setErrorReporter([&reports](const QString &message) { reports.append(message); });
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    FormDriver driver(form);

    // No list offers a second number beyond 16 bits; put one there through the form.
    QVERIFY(driver.clickItem(QStringLiteral("25")));
    form.list1AddItem("40000");
    QVERIFY(driver.clickItem(QStringLiteral("40000")));

    QCOMPARE(reports.size(), 1);
    QVERIFY(reports.constFirst().contains(QStringLiteral("препълване")));
    QVERIFY(form.isVisible());
    bool loopRuns = false;
    QTimer::singleShot(0, &form, [&loopRuns] { loopRuns = true; });
    QTRY_VERIFY(loopRuns);

    driver.clickButton(1);
    QCOMPARE(driver.items(), numberTexts(20, 49));
    QCOMPARE(form.game().state().pickCount, 0);
    QVERIFY(driver.clickItem(QStringLiteral("25")));
    QVERIFY(driver.clickItem(QStringLiteral("52")));
    driver.clickButton(0);
    QVERIFY(form.text1().ends_with("НОД = 7"));
    QCOMPARE(reports.size(), 1);
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
