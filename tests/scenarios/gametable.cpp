// SPDX-License-Identifier: MIT
#include "gametable.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <stdexcept>

std::vector<GameRow> gameTable()
{
    const std::string path = ROVALIN_SCENARIOS "/games.json";
    std::ifstream file(path);
    if (!file)
        throw std::runtime_error("cannot read the scenario table " + path);
    const nlohmann::json table = nlohmann::json::parse(file);
    std::vector<GameRow> rows;
    for (const nlohmann::json &game : table.at("games")) {
        rows.push_back({game.at("name"), game.at("hidden"), game.at("picks"), game.at("remainders"),
                        game.at("leftOut"), game.at("verdict") == "right", game.at("differences"),
                        game.at("subtractions"), game.at("divisor")});
    }
    return rows;
}
