#include "quiz/BankRules.h"

#include "quiz/PlayTypeRules.h"
#include "quiz/Utf8Text.h"

#include <algorithm>
#include <set>

namespace server::quiz {

namespace {

const std::set<std::string> kCommonMembers = {"qsid",   "gametype", "playtype", "seltype", "question",
                                              "explain", "answer",  "jump",     "prizemoney", "right",
                                              "ad"};

std::set<std::string> allowedMembers(int gameType, int playType)
{
    auto allowed = kCommonMembers;
    if (gameType == 1 && playType == 15)
        allowed.insert("multiple");
    if (gameType == 2) {
        allowed.insert({"img", "answerlength"});
        if (playType == 13)
            allowed.insert({"awardtype", "awardnum"});
    }
    if (gameType == 3)
        allowed.insert({"music", "answerlength"});
    if (gameType == 4)
        allowed.insert({"video", "answerlength"});
    return allowed;
}

bool isPlainInt(const Json::Value& v) { return (v.type() == Json::intValue || v.type() == Json::uintValue) && v.isInt(); }

} // namespace

const std::vector<std::pair<int, int>>& BankRules::supportedPairs()
{
    static const std::vector<std::pair<int, int>> pairs = {
        {1, 1},  {1, 2},  {1, 3},  {1, 4},  {1, 6},  {1, 7},  {1, 8},  {1, 9},  {1, 10}, {1, 11},
        {1, 13}, {1, 14}, {1, 15}, {2, 1},  {2, 2},  {2, 3},  {2, 4},  {2, 5},  {2, 6},  {2, 7},
        {2, 8},  {2, 9},  {2, 11}, {2, 12}, {2, 13}, {2, 14}, {3, 1},  {3, 2},  {4, 1},  {4, 2}};
    return pairs;
}

bool BankRules::isSupported(int gameType, int playType)
{
    const auto& pairs = supportedPairs();
    return std::find(pairs.begin(), pairs.end(), std::pair{gameType, playType}) != pairs.end();
}

bool BankRules::isMediaName(std::string_view name)
{
    const auto dot = name.find('.');
    if (dot == 0 || dot == std::string_view::npos || name.size() > 64)
        return false;
    const auto stem = name.substr(0, dot);
    const auto ext = name.substr(dot + 1);
    if (ext != "png" && ext != "mp3" && ext != "mp4")
        return false;
    return std::all_of(stem.begin(), stem.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    });
}

std::vector<std::string> BankRules::mediaNames(const BankEntry& entry)
{
    std::vector<std::string> names;
    const auto& body = entry.body;
    for (const char* key : {"img", "music", "video"})
        if (body.isMember(key))
            names.push_back(body[key].asString());
    if (body["ad"].isObject())
        names.push_back(body["ad"]["icon"].asString());
    const int g = entry.gameType;
    const int p = entry.playType;
    // The question text itself names a picture on the colour and spot-the-difference screens.
    if (g == 2 && (p == 5 || p == 6))
        names.push_back(body["question"].asString());
    if (g == 2 && (p == 3 || p == 8 || p == 9 || p == 12))
        for (const auto& a : body["answer"])
            names.push_back(a.asString());
    return names;
}

CheckedEntry BankRules::check(const Json::Value& line)
{
    CheckedEntry out;
    auto& problems = out.problems;
    if (!line.isObject()) {
        problems.push_back("a bank line must be a JSON object");
        return out;
    }
    for (const char* key : {"qsid", "gametype", "playtype"}) {
        if (!isPlainInt(line[key]))
            problems.push_back(std::string("\"") + key + "\" must be an integer");
    }
    if (!problems.empty())
        return out;
    auto& e = out.entry;
    e.qsid = line["qsid"].asInt();
    e.gameType = line["gametype"].asInt();
    e.playType = line["playtype"].asInt();
    e.body = line;
    if (!isSupported(e.gameType, e.playType)) {
        problems.push_back("no screen shows game type " + std::to_string(e.gameType) + " play type " +
                           std::to_string(e.playType));
        return out;
    }
    // The id tells its pair at a glance: game type, play type (two digits), then a running number.
    const int serial = e.qsid - (e.gameType * 100000 + e.playType * 1000);
    if (serial < 1 || serial > 999)
        problems.push_back("qsid " + std::to_string(e.qsid) + " must be " + std::to_string(e.gameType) +
                           (e.playType < 10 ? "0" : "") + std::to_string(e.playType) + "001 to ...999");

    const auto allowed = allowedMembers(e.gameType, e.playType);
    for (const auto& name : line.getMemberNames())
        if (!allowed.count(name))
            problems.push_back("member \"" + name + "\" is not read by this screen");

    for (const char* key : {"question", "right"}) {
        if (!line[key].isString() || line[key].asString().empty())
            problems.push_back(std::string("\"") + key + "\" must be a non-empty text");
    }
    for (const char* key : {"explain", "img", "music", "video"}) {
        if (line.isMember(key) && !line[key].isString())
            problems.push_back(std::string("\"") + key + "\" must be a text");
    }
    for (const char* key : {"seltype", "prizemoney", "answerlength", "multiple", "awardtype", "awardnum"}) {
        if (line.isMember(key) && !isPlainInt(line[key]))
            problems.push_back(std::string("\"") + key + "\" must be an integer");
    }
    if (line.isMember("answer") && !line["answer"].isArray())
        problems.push_back("\"answer\" must be an array");
    if (!problems.empty())
        return out;

    for (const char* key : {"question", "right", "explain"})
        if (!Utf8Text::isClientSafe(line[key].asString()))
            problems.push_back(std::string("\"") + key + "\" holds characters the game cannot split");
    const int prize = line["prizemoney"].asInt();
    if (prize < 0 || prize > 100)
        problems.push_back("\"prizemoney\" must lie between 0 and 100");
    e.right = line["right"].asString();
    if (e.right == "-1")
        problems.push_back("\"right\" cannot be \"-1\", the answer a timed-out question sends");
    if (e.right.size() > kMaxAnswerBytes)
        problems.push_back("\"right\" is longer than any answer the server accepts");

    PlayTypeRules::check(e, problems);
    return out;
}

} // namespace server::quiz
