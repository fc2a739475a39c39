#include "achievements/AchievementCatalogue.h"

#include "app/Log.h"
#include "commands/JsonText.h"

#include <fstream>
#include <sstream>

namespace server::achievements {

namespace {

bool wholeInt(const Json::Value& v) { return v.isInt(); }

std::string textOf(const Json::Value& v) { return v.isString() ? v.asString() : std::string(); }

} // namespace

AchievementCatalogue AchievementCatalogue::fromFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        Log::refusal("achievements", "cannot read " + path + "; no achievements are offered");
        return {};
    }
    std::ostringstream text;
    text << in.rdbuf();
    Json::Value list;
    std::string error;
    if (!JsonText::parse(text.str(), list, error) || !list.isArray()) {
        Log::refusal("achievements", path + " is no JSON list (" + error + "); no achievements are offered");
        return {};
    }
    return fromJson(list);
}

AchievementCatalogue AchievementCatalogue::fromJson(const Json::Value& list) {
    AchievementCatalogue catalogue;
    if (!list.isArray()) {
        return catalogue;
    }
    for (const auto& item : list) {
        if (!item.isObject() || !wholeInt(item["id"]) || !wholeInt(item["counter"]) || !wholeInt(item["target"]) ||
            !wholeInt(item["prize"])) {
            Log::refusal("achievements", "skipped an entry without whole id, counter, target and prize");
            continue;
        }
        Achievement a;
        a.id = item["id"].asInt();
        const int counter = item["counter"].asInt();
        a.target = item["target"].asInt();
        a.prize = item["prize"].asInt();
        if (a.id <= 0 || counter < static_cast<int>(Counter::Answers) || counter > static_cast<int>(Counter::Sets) ||
            a.target <= 0 || a.prize < 0 || catalogue.find(a.id)) {
            Log::refusal("achievements", "skipped entry " + std::to_string(a.id) +
                                             ": repeated id, unknown counter, or no target");
            continue;
        }
        a.counter = static_cast<Counter>(counter);
        a.name = textOf(item["name"]);
        a.desc = textOf(item["desc"]);
        a.img = textOf(item["img"]);
        catalogue.m_all.push_back(std::move(a));
    }
    return catalogue;
}

std::optional<Achievement> AchievementCatalogue::find(int id) const {
    for (const auto& a : m_all) {
        if (a.id == id) {
            return a;
        }
    }
    return std::nullopt;
}

} // namespace server::achievements
