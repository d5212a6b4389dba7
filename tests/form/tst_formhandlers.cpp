// SPDX-License-Identifier: MIT
// The form's handlers on an in-memory form: what loading the form, the picks and the
// buttons show and announce, and how errors reach the player, the same for every
// front end.

#include "memoryform.h"
#include "scenariotables.h"
#include "testlanguage.h"

#include "form/appinfo.h"
#include "form/controltable.h"
#include "form/formhandlers.h"
#include "form/formtexts.h"
#include "form/gameview.h"

#include <QTest>

#include <algorithm>
#include <stdexcept>

namespace {

// A fraction source that fails as a bug would, on its second draw only.
class BrokenFractions final : public FractionSource
{
public:
    void seed(std::uint64_t /*value*/) override {}
    [[nodiscard]] float nextFraction() override
    {
        if (++draws == 2)
            throw std::logic_error("no fraction left");
        return FixedFractions::drawing(7);
    }

private:
    int draws = 0;
};

// When the tests' forms are loaded, to the nanosecond: a time with a part of a second.
constexpr std::uint64_t loadTime = 1'765'264'800'123'456'789;

// A loaded form whose games hide the numbers given, in turn.
struct LoadedForm
{
    explicit LoadedForm(std::vector<float> draws = {FixedFractions::drawing(7), FixedFractions::drawing(11)})
        : LoadedForm(std::make_unique<FixedFractions>(std::move(draws)))
    {
    }

    explicit LoadedForm(std::unique_ptr<FractionSource> source)
        : handlers(form, *texts, [this](std::string_view what) { logged.emplace_back(what); }, std::move(source),
                   [] { return loadTime; })
    {
        handlers.Form_Load();
    }

    [[nodiscard]] std::string text(std::string_view source) const { return texts->translate(source); }

    // The player clicks the item showing number.
    void pick(int number)
    {
        const auto found = std::ranges::find(form.items(), std::to_string(number));
        QVERIFY2(found != form.items().end(), qPrintable(QString::number(number)));
        handlers.List1_MouseDown({PickRule::Button::Left, 1, static_cast<int>(found - form.items().begin())});
    }

    std::shared_ptr<const Catalogue> texts = testCatalogue();
    MemoryForm form;
    std::vector<std::string> logged;
    FormHandlers handlers;
};

enum class Outcome { Unchanged, Solved, NewGame };
// What a button makes a screen reader say: the divisor 7, or a new game.
enum class Said { Divisor, NewGame };

void verifyNewGame(const LoadedForm &loaded)
{
    const MemoryForm &form = loaded.form;
    QCOMPARE(form.items(), numberTexts(20, 49));
    QCOMPARE(form.list1ListIndex(), -1);
    QCOMPARE(form.label1Caption(1), loaded.text(FormTexts::firstNumber));
    QCOMPARE(form.label1Caption(2), loaded.text(FormTexts::secondNumber));
    for (int box = 0; box <= 2; ++box)
        QVERIFY(form.text2(box).empty());
    QVERIFY(!form.text2Locked());
}

} // namespace

class TestFormHandlers : public QObject
{
    Q_OBJECT

private slots:
    void bulgarianTexts_data();
    void bulgarianTexts();
    void tableIsConsistent();
    void loadingStartsTheFirstGame();
    void captionNamesTheSite_data();
    void captionNamesTheSite();
    void gamesAreShownAndAnnounced_data();
    void gamesAreShownAndAnnounced();
    void buttons_data();
    void buttons();
    void runTimeErrorsShowWhatWasDone_data();
    void runTimeErrorsShowWhatWasDone();
    void programmingErrorIsLoggedAndTheGameGoesOn();
};

void TestFormHandlers::bulgarianTexts_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("designed");

    // What the form and the game show in Bulgarian, character for character.
    const auto statement = std::ranges::find(FormDesign::controls, std::string_view("Text1_0"), &FormDesign::Control::name);
    const auto title = std::ranges::find(FormDesign::controls, std::string_view("Label1_0"), &FormDesign::Control::name);
    const std::shared_ptr<const Catalogue> texts = testCatalogue();
    const auto row = [](const char *name, const std::string &shown, const char *designed) {
        QTest::newRow(name) << QString::fromStdString(shown) << QString::fromUtf8(designed);
    };
    row("the task statement", FormDesign::caption(*statement, *texts),
        "Двама съученици си играят на следната игра с естествени числа: първият си намисля число от "
        "интервала [2..20].\r\n"
        "Вторият казва последователно две естествени числа, а първият отговаря колко е целочисленият им "
        "остатък при деленето с намисленото от него число.\r\n"
        "Този целочислен остатък може да бъде и 0.\r\n"
        "Да се реализира проект, чрез който се реализира играта.\r\n"
        "Тема на проекта: Ровалин.\r\n"
        "Пример: въпрос: 20 остатък 5; въпрос: 50 остатък 5\r\n"
        "Изход: 15\r\n"
        "В реализирания проект, намисленото число се генерира автоматично.\r\n"
        "Двете числа въпрос се посочват от листово поле, а в съответните текстови полета се извежда "
        "съответния целочислен остатък.\r\n"
        "Посочване на трето число е потребителския отговор.\r\n"
        "При събитие On Click върху команден бутон се извежда поетапното решение на задачата.\r\n");
    row("the title", FormDesign::caption(*title, *texts), "Ровалин\r\n");
    row("the labels", texts->translate(FormTexts::choose) + '|' + texts->translate(FormTexts::firstNumber) + '|'
                          + texts->translate(FormTexts::secondNumber) + '|' + texts->translate(FormTexts::solution),
        "Изберете|Число 1:|Число 2:|Решение:");
    row("the buttons", texts->translate(FormTexts::check) + '|' + texts->translate(FormTexts::clear), "Провери|Чисти");
    row("the verdicts", FormTexts::filled(texts->translate(FormTexts::rightGuess), "7") + '|'
                            + texts->translate(FormTexts::wrongGuess),
        "Да 7|Не");
    row("the announcements", FormTexts::filled(texts->translate(FormTexts::Announcement::remainder), "4") + '|'
                                 + texts->translate(FormTexts::Announcement::newGame),
        "Остатък 4|Нова игра");
    row("an error message", FormTexts::errorMessage(FormTexts::overflowError, *texts),
        "Числото е твърде голямо и не може да бъде пресметнато (препълване).\n"
        "Натиснете „Чисти“, за да започнете нова игра.");
    // The worked solution of the typical game, byte for byte.
    Solution typical{{25, 4, 21}, {52, 3, 49}, {{49, 21}, {28, 21}, {21, 7}, {14, 7}}, 7, std::nullopt};
    row("the typical game's solution", GameView::transcript(typical, *texts),
        "Извеждам двете въведени числа и остатъците:\r\n25 - 4 = 21\r\n52 - 3 = 49\r\n"
        "Решение чрез алгоритъм на Евклид:\r\n49 - 21\r\n28 - 21\r\n21 - 7\r\n14 - 7\r\nНОД = 7");
}

void TestFormHandlers::bulgarianTexts()
{
    QFETCH(QString, shown);
    QFETCH(QString, designed);
    if (!inBulgarian())
        QSKIP("the designed texts are Bulgarian");
    QCOMPARE(shown, designed);
}

void TestFormHandlers::tableIsConsistent()
{
    // A control named by a label comes after it, beside it on its row or just below
    // it; and Tab meets each control once.
    std::vector<int> tabIndexes;
    for (auto control = FormDesign::controls.begin(); control != FormDesign::controls.end(); ++control) {
        tabIndexes.push_back(control->tabIndex);
        if (control->labelledBy.empty())
            continue;
        const auto label = std::ranges::find(FormDesign::controls.begin(), control, control->labelledBy,
                                             &FormDesign::Control::name);
        QVERIFY2(label != control && label->kind == FormDesign::ControlKind::Label, control->name.data());
        constexpr int near = 60; // twips, four pixels
        const FormDesign::Rect &at = control->rect;
        const FormDesign::Rect &by = label->rect;
        const bool beside = std::abs(by.top - at.top) <= near && std::abs(by.left + by.width - at.left) <= near;
        const bool above = by.left == at.left && std::abs(by.top + by.height - at.top) <= near;
        QVERIFY2(beside || above, control->name.data());
    }
    std::ranges::sort(tabIndexes);
    QVERIFY(std::ranges::adjacent_find(tabIndexes) == tabIndexes.end());
}

void TestFormHandlers::loadingStartsTheFirstGame()
{
    auto source = std::make_unique<FixedFractions>(std::vector<float>{FixedFractions::drawing(7)});
    const FixedFractions &fractions = *source;
    LoadedForm loaded(std::move(source));

    QCOMPARE(loaded.form.caption(), FormTexts::windowTitle(AppInfo::siteAddress, *loaded.texts));
    // Seeded once, from the clock, to the part of a second: a whole class starting the
    // game at the teacher's word, in one second, gets other hidden numbers each.
    QCOMPARE(fractions.seeds(), std::vector<std::uint64_t>{loadTime});
    // The program's clock reads parts of a second too.
    const std::uint64_t before = clockSeed();
    QVERIFY(clockSeed() > before);
    QCOMPARE(loaded.handlers.game().state().hiddenNumber, 7);
    verifyNewGame(loaded);
    // The statement stays; nothing is announced before the player does anything.
    QVERIFY(loaded.form.text1().empty());
    QVERIFY(loaded.form.announced().empty());
    QVERIFY(loaded.form.errors().empty());
}

void TestFormHandlers::captionNamesTheSite_data()
{
    QTest::addColumn<QString>("siteAddress");
    QTest::addColumn<QString>("before");

    QTest::newRow("no site address") << "" << "";
    QTest::newRow("a site address, then one blank") << "www.rovalin.bg" << "www.rovalin.bg ";
}

void TestFormHandlers::captionNamesTheSite()
{
    QFETCH(QString, siteAddress);
    QFETCH(QString, before);
    const std::shared_ptr<const Catalogue> texts = testCatalogue();
    QCOMPARE(QString::fromStdString(FormTexts::windowTitle(siteAddress.toStdString(), *texts)),
             before + QString::fromStdString(texts->translate(FormTexts::programName)));
}

void TestFormHandlers::gamesAreShownAndAnnounced_data()
{
    addGameRows();
}

void TestFormHandlers::gamesAreShownAndAnnounced()
{
    QFETCH(GameRow, game);
    LoadedForm loaded({FixedFractions::drawing(game.hidden)});
    const MemoryForm &form = loaded.form;

    loaded.pick(game.picks[0]);
    QCOMPARE(form.label1Caption(1), std::to_string(game.picks[0]));
    QCOMPARE(form.text2(0), std::to_string(game.remainders[0]));
    QCOMPARE(form.items(), Expected::secondList(game));
    QCOMPARE(form.list1ListIndex(), -1);

    loaded.pick(game.picks[1]);
    QCOMPARE(form.label1Caption(2), std::to_string(game.picks[1]));
    QCOMPARE(form.text2(1), std::to_string(game.remainders[1]));
    QCOMPARE(form.items(), numberTexts(1, 30));
    QCOMPARE(form.list1ListIndex(), -1);

    loaded.handlers.Command1_Click(0);
    QCOMPARE(form.text1(), Expected::transcript(game, *loaded.texts, inRightToLeft()));
    QCOMPARE(form.text2(2), std::to_string(game.divisor));
    QVERIFY(form.text2Locked());

    loaded.pick(game.picks[2]);
    QCOMPARE(form.text2(2), Expected::verdict(game, *loaded.texts, inRightToLeft()));
    QCOMPARE(form.items(), numberTexts(1, 30));
    QCOMPARE(form.selectedItem(), std::to_string(game.picks[2]));
    QCOMPARE(form.text1(), Expected::transcript(game, *loaded.texts, inRightToLeft()));

    // A pick after the game changes nothing and says nothing.
    const int writes = form.writeCount();
    loaded.pick(game.picks[2] == 1 ? 2 : 1);
    QCOMPARE(form.writeCount(), writes + 1); // the selection only
    QCOMPARE(form.announced(), Expected::announcements(game, *loaded.texts, inRightToLeft()));
    QVERIFY(form.errors().empty());
}

void TestFormHandlers::buttons_data()
{
    QTest::addColumn<QList<int>>("picks");
    QTest::addColumn<QList<int>>("pressed");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QList<Said>>("said");

    using Said::Divisor, Said::NewGame;
    QTest::newRow("Check before any pick") << QList<int>{} << QList{0} << Outcome::Unchanged << QList<Said>{};
    QTest::newRow("Check after one pick") << QList{25} << QList{0} << Outcome::Unchanged << QList<Said>{};
    QTest::newRow("Check after two picks") << QList{25, 52} << QList{0} << Outcome::Solved << QList{Divisor};
    QTest::newRow("Check after the guess") << QList{25, 52, 7} << QList{0} << Outcome::Solved << QList{Divisor};
    QTest::newRow("Check twice") << QList{25, 52} << QList{0, 0} << Outcome::Solved << QList{Divisor, Divisor};
    QTest::newRow("Clear at the start") << QList<int>{} << QList{1} << Outcome::NewGame << QList{NewGame};
    QTest::newRow("Clear after one pick") << QList{25} << QList{1} << Outcome::NewGame << QList{NewGame};
    QTest::newRow("Clear after the solution")
        << QList{25, 52} << QList{0, 1} << Outcome::NewGame << QList{Divisor, NewGame};
    QTest::newRow("Clear after the guess") << QList{25, 52, 7} << QList{1} << Outcome::NewGame << QList{NewGame};
    QTest::newRow("a button index beyond the two") << QList{25, 52} << QList{2} << Outcome::Unchanged << QList<Said>{};
    QTest::newRow("a negative button index") << QList{25, 52} << QList{-1} << Outcome::Unchanged << QList<Said>{};
}

void TestFormHandlers::buttons()
{
    QFETCH(QList<int>, picks);
    QFETCH(QList<int>, pressed);
    QFETCH(Outcome, outcome);
    QFETCH(QList<Said>, said);
    LoadedForm loaded;
    const MemoryForm &form = loaded.form;
    for (const int number : picks)
        loaded.pick(number);
    const int writesBefore = form.writeCount();
    const auto announcedBefore = form.announced().size();

    for (const int index : pressed)
        loaded.handlers.Command1_Click(index);

    const GameState &state = loaded.handlers.game().state();
    switch (outcome) {
    case Outcome::Unchanged:
        QCOMPARE(form.writeCount(), writesBefore);
        break;
    case Outcome::Solved:
        QCOMPARE(form.text1(), Expected::transcript(gameTable().front(), *loaded.texts, inRightToLeft()));
        QCOMPARE(form.text2(2), "7");
        QVERIFY(form.text2Locked());
        QCOMPARE(state.pickCount, picks.size());
        break;
    case Outcome::NewGame:
        QCOMPARE(state.hiddenNumber, 11);
        QCOMPARE(state.pickCount, 0);
        verifyNewGame(loaded);
        QVERIFY(form.text1().empty());
        break;
    }
    std::vector<std::string> expected;
    for (const Said phrase : said) {
        expected.push_back(phrase == Said::Divisor ? inLanguage({FormTexts::divisor, "7"}, *loaded.texts, inRightToLeft())
                                                   : loaded.text(FormTexts::Announcement::newGame));
    }
    QCOMPARE(std::vector(form.announced().begin() + static_cast<std::ptrdiff_t>(announcedBefore), form.announced().end()),
             expected);
    QVERIFY(form.errors().empty());
}

void TestFormHandlers::runTimeErrorsShowWhatWasDone_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("transcript");
    QTest::addColumn<QStringList>("shown");

    const QString overflow = QString::fromUtf8(FormTexts::overflowError);
    const QString caption = QString::fromUtf8(FormTexts::firstNumber);
    const QString heading = QString::fromUtf8(FormTexts::solutionHeading) + QStringLiteral("\r\n");
    // No list offers such numbers, and no draw gives such a fraction: only the
    // program itself could get there. Texts of the form are given as written, in English.
    QTest::newRow("Clear when the draw fails: the new game is laid out, Text1(0) kept")
        << "clear" << overflow << "before" << QStringList{caption, "", "20"};
    QTest::newRow("a second number beyond 16 bits: its caption and remainder")
        << "second pick" << overflow << "before" << QStringList{"40000", "2", "51"};
    QTest::newRow("a first number of 0: an empty list")
        << "first pick" << QString::fromUtf8(FormTexts::divisionByZeroError) << "before"
        << QStringList{"0", "0", ""};
    QTest::newRow("a solution stopped: only its heading") << "solution" << overflow << heading
                                                           << QStringList{"25", "4", "51"};
}

void TestFormHandlers::runTimeErrorsShowWhatWasDone()
{
    QFETCH(QString, call);
    QFETCH(QString, error);
    QFETCH(QString, transcript);
    QFETCH(QStringList, shown);
    auto source = std::make_unique<FixedFractions>(std::vector<float>{FixedFractions::drawing(7)});
    FixedFractions &fractions = *source;
    LoadedForm loaded(std::move(source));
    MemoryForm &form = loaded.form;
    loaded.pick(25);
    form.setText1("before");
    Game game(fractions);
    static_cast<void>(game.NewGame());
    static_cast<void>(game.pick(25));
    const auto announcedBefore = form.announced().size();

    const Catalogue &texts = *loaded.texts;
    bool shownWhole = true;
    if (call == u"clear") {
        fractions.push(std::nanf(""));
        loaded.handlers.Command1_Click(1);
    } else if (call == u"second pick") {
        shownWhole = GameView::showPick(form, game.pick(40000), texts);
    } else if (call == u"first pick") {
        static_cast<void>(game.NewGame());
        shownWhole = GameView::showPick(form, game.pick(0), texts);
    } else {
        shownWhole = GameView::showSolution(form, Solution{{}, {}, {}, 0.0, RuntimeError::Overflow}, texts);
    }
    const auto inLanguage = [&texts](const QString &text) {
        return text.endsWith(u'\n') ? QString::fromStdString(texts.translate(text.chopped(2).toStdString()) + "\r\n")
                                     : QString::fromStdString(texts.translate(text.toStdString()));
    };

    QVERIFY(!shownWhole || call == u"clear");
    QCOMPARE(form.errors(), std::vector<std::string>{FormTexts::errorMessage(error.toStdString(), texts)});
    QCOMPARE(QString::fromStdString(form.text1()), inLanguage(transcript));
    const int row = call == u"second pick" ? 2 : 1;
    QCOMPARE(QString::fromStdString(form.label1Caption(row)), inLanguage(shown[0]));
    QCOMPARE(QString::fromStdString(form.text2(row - 1)), shown[1]);
    QCOMPARE(QString::fromStdString(form.items().empty() ? std::string() : form.items().front()), shown[2]);
    // The error is told instead of the announcement.
    QCOMPARE(form.announced().size(), announcedBefore);
    QVERIFY(loaded.logged.empty());
}

void TestFormHandlers::programmingErrorIsLoggedAndTheGameGoesOn()
{
    LoadedForm loaded(std::make_unique<BrokenFractions>());
    loaded.pick(25);

    loaded.handlers.Command1_Click(1);

    QCOMPARE(loaded.form.errors(),
             std::vector<std::string>{FormTexts::errorMessage(FormTexts::unexpectedError, *loaded.texts)});
    QCOMPARE(loaded.logged, std::vector<std::string>{"no fraction left"});
    // "Clear", as the message says, starts a new game.
    loaded.handlers.Command1_Click(1);
    verifyNewGame(loaded);
    QCOMPARE(loaded.form.errors().size(), 1U);
}

QTEST_GUILESS_MAIN(TestFormHandlers)
#include "tst_formhandlers.moc"
