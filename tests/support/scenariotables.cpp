// SPDX-License-Identifier: MIT
#include "scenariotables.h"

#include "form/catalogue.h"
#include "form/formtexts.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <algorithm>
#include <stdexcept>

namespace {

QJsonObject readTable(const char *name)
{
    QFile file(QStringLiteral(ROVALIN_SCENARIOS) + u'/' + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read the scenario table " + file.fileName().toStdString());
    return QJsonDocument::fromJson(file.readAll()).object();
}

template<std::size_t size>
std::array<int, size> numbers(const QJsonValue &value)
{
    std::array<int, size> result{};
    const QJsonArray array = value.toArray();
    for (std::size_t at = 0; at < size; ++at)
        result.at(at) = array.at(static_cast<qsizetype>(at)).toInt();
    return result;
}

QStringList strings(const QJsonValue &value)
{
    QStringList result;
    for (const QJsonValue item : value.toArray())
        result.append(item.toString());
    return result;
}

std::string text(std::string_view words, int number, const Catalogue &texts)
{
    return FormTexts::filled(texts.translate(words), std::to_string(number));
}

} // namespace

std::vector<GameRow> gameTable()
{
    std::vector<GameRow> rows;
    for (const QJsonValue game : readTable("games.json")[u"games"].toArray()) {
        GameRow row;
        row.name = game[u"name"].toString();
        row.hidden = game[u"hidden"].toInt();
        row.picks = numbers<3>(game[u"picks"]);
        row.remainders = numbers<2>(game[u"remainders"]);
        for (const QJsonValue number : game[u"leftOut"].toArray())
            row.leftOut.push_back(number.toInt());
        row.rightGuess = game[u"verdict"].toString() == u"right";
        const QJsonArray differences = game[u"differences"].toArray();
        row.differences = {numbers<3>(differences.at(0)), numbers<3>(differences.at(1))};
        for (const QJsonValue step : game[u"subtractions"].toArray())
            row.subtractions.push_back(numbers<2>(step));
        row.divisor = game[u"divisor"].toInt();
        rows.push_back(row);
    }
    return rows;
}

std::vector<PickScenario> pickScenarios()
{
    std::vector<PickScenario> rows;
    for (const QJsonValue scenario : readTable("picks.json")[u"scenarios"].toArray()) {
        PickScenario row{scenario[u"name"].toString(), scenario[u"list"].toString(), {},
                         strings(scenario[u"picks"])};
        for (const QJsonValue step : scenario[u"input"].toArray())
            row.input.append(strings(step));
        rows.push_back(row);
    }
    return rows;
}

void addGameRows()
{
    QTest::addColumn<GameRow>("game");
    for (const GameRow &row : gameTable())
        QTest::newRow(qPrintable(row.name)) << row;
}

void addPickScenarioRows()
{
    QTest::addColumn<PickScenario>("scenario");
    for (const PickScenario &row : pickScenarios())
        QTest::newRow(qPrintable(row.name)) << row;
}

std::vector<std::string> numberTexts(int first, int last)
{
    std::vector<std::string> texts;
    for (int number = first; number <= last; ++number)
        texts.push_back(std::to_string(number));
    return texts;
}

namespace Expected {

std::vector<std::string> secondList(const GameRow &game)
{
    std::vector<std::string> texts = numberTexts(50, 99);
    std::erase_if(texts, [&game](const std::string &item) {
        return std::ranges::find(game.leftOut, std::stoi(item)) != game.leftOut.end();
    });
    return texts;
}

std::string verdict(const GameRow &game, const Catalogue &texts)
{
    return game.rightGuess ? text(FormTexts::rightGuess, game.hidden, texts) : texts.translate(FormTexts::wrongGuess);
}

std::string transcript(const GameRow &game, const Catalogue &texts)
{
    std::string lines = texts.translate(FormTexts::solutionHeading) + "\r\n";
    for (const auto &[number, remainder, difference] : game.differences)
        lines += std::to_string(number) + " - " + std::to_string(remainder) + " = " + std::to_string(difference) + "\r\n";
    lines += texts.translate(FormTexts::euclidHeading) + "\r\n";
    for (const auto &[larger, smaller] : game.subtractions)
        lines += std::to_string(larger) + " - " + std::to_string(smaller) + "\r\n";
    return lines + text(FormTexts::divisor, game.divisor, texts);
}

std::vector<std::string> announcements(const GameRow &game, const Catalogue &texts)
{
    return {text(FormTexts::Announcement::remainder, game.remainders[0], texts),
            text(FormTexts::Announcement::remainder, game.remainders[1], texts),
            text(FormTexts::divisor, game.divisor, texts), verdict(game, texts)};
}

} // namespace Expected
