#include "contests/ContestMessages.h"

#include "accounts/MaskedTel.h"
#include "quiz/QuestionView.h"

namespace server::contests {

namespace {

Json::Value push(int system, int act) {
    Json::Value v(Json::objectValue);
    v["response"] = 1;
    v["system"] = system;
    if (act >= 0) {
        v["act"] = act;
    }
    return v;
}

} // namespace

std::string ContestMessages::nameOf(const PlayerRecord& player) {
    if (!player.nickname.empty()) {
        return player.nickname;
    }
    // The user name of an account is its mobile number: the opponent sees it masked.
    if (!player.guest && !player.userName.empty()) {
        return maskedTel(player.userName);
    }
    return std::to_string(player.id);
}

Json::Value ContestMessages::challenge(const PlayerRecord& from, int type) {
    Json::Value v = push(28, 0);
    v["name"] = nameOf(from);
    v["challenge"] = std::to_string(from.id);
    v["eqquse"] = 1;
    v["matchtype"] = type;
    return v;
}

Json::Value ContestMessages::begins(const PlayerRecord& opponent, int winPercent, int type, int questions) {
    Json::Value v = push(28, 3);
    v["matchtype"] = type;
    v["eqquse"] = 1;
    v["challenge"] = std::to_string(opponent.id);
    v["name"] = nameOf(opponent);
    v["level"] = opponent.level;
    v["winper"] = winPercent;
    v["headpic"] = "";
    v["qscount"] = questions;
    return v;
}

Json::Value ContestMessages::nobody(int type) {
    Json::Value v = push(28, 6);
    v["matchtype"] = type;
    return v;
}

Json::Value ContestMessages::question(const quiz::BankEntry& entry, bool answerable) {
    // Contests ask text choices only, whose view never carries the key; withoutKey holds should a
    // question of another kind ever get here.
    Json::Value v = quiz::QuestionView::withoutKey(entry);
    v["response"] = 1;
    v["system"] = 29;
    v["flag"] = answerable ? 1 : 0;
    v["qsid"] = entry.qsid;
    return v;
}

Json::Value ContestMessages::opponentVerdict(bool right, const std::string& answer) {
    Json::Value v = push(31, -1);
    v["bright"] = right ? 1 : 0;
    v["answer"] = answer;
    return v;
}

Json::Value ContestMessages::answeredFirst() { return push(32, 2); }

Json::Value ContestMessages::result(int type, const ContestStore::Outcome& first, const std::string& firstName,
                                    const ContestStore::Outcome& second, const std::string& secondName, bool fled) {
    Json::Value v = push(32, 1);
    v["matchtype"] = type;
    auto side = [&v](const ContestStore::Outcome& o, const std::string& name, const std::string& suffix) {
        v["challenge" + suffix] = std::to_string(o.playerId);
        v["name" + suffix] = name;
        v["right" + suffix] = o.right;
        v["err" + suffix] = o.wrong;
        v["time" + suffix] = o.tenths / 10.0; // whole tenths: one decimal on the wire
        v["core" + suffix] = o.points;
        v["money" + suffix] = o.money;
        v["iswin" + suffix] = o.win;
    };
    side(first, firstName, "");
    side(second, secondName, "2");
    v["flee"] = fled ? 1 : 0;
    return v;
}

} // namespace server::contests
