// SPDX-License-Identifier: MIT
#include "scenariotables.h"

#include "testlanguage.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <stdexcept>

namespace {

QJsonObject pickTable()
{
    QFile file(QStringLiteral(ROVALIN_SCENARIOS "/picks.json"));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read the scenario table " + file.fileName().toStdString());
    return QJsonDocument::fromJson(file.readAll()).object();
}

QStringList strings(const QJsonValue &value)
{
    QStringList result;
    for (const QJsonValue item : value.toArray())
        result.append(item.toString());
    return result;
}

QList<QStringList> steps(const QJsonValue &value)
{
    QList<QStringList> result;
    for (const QJsonValue step : value.toArray())
        result.append(strings(step));
    return result;
}

} // namespace

QString qtKeyName(const QString &tableName)
{
    static const QJsonObject keys = pickTable()[u"keys"].toObject();
    QStringList parts = tableName.split(u'+');
    for (QString &part : parts)
        part = keys[part][u"qt"].toString(part);
    return parts.join(u'+');
}

void addGameRows()
{
    QTest::addColumn<GameRow>("game");
    for (const GameRow &row : gameTable())
        QTest::newRow(row.name.c_str()) << row;
}

void addPickScenarioRows()
{
    QTest::addColumn<PickScenario>("scenario");
    const QJsonObject table = pickTable();
    for (const QJsonValue scenario : table[u"scenarios"].toArray()) {
        const QJsonObject list = table[u"lists"][scenario[u"list"].toString()].toObject();
        const bool mirrored = inRightToLeft() && scenario.toObject().contains(u"rightToLeft");
        const QJsonValue toSystem = scenario[u"toSystem"];
        const PickScenario row{scenario[u"name"].toString(),
                               steps(list[u"before"]),
                               list[u"cutTo"].toInt(),
                               steps(scenario[u"input"]),
                               strings(scenario[mirrored ? u"rightToLeft" : u"picks"]),
                               toSystem.isBool() ? std::optional<bool>(toSystem.toBool()) : std::nullopt};
        QTest::newRow(qPrintable(row.name)) << row;
    }
}

std::vector<std::string> numberTexts(int first, int last)
{
    std::vector<std::string> texts;
    for (int number = first; number <= last; ++number)
        texts.push_back(std::to_string(number));
    return texts;
}
