// The requests of the question flow and of contests and teams.
#include "net/RequestCatalogue.h"

namespace {
constexpr Busy kBusy = Busy::Yes;
constexpr Dim kDim = Dim::Yes;
} // namespace

void RequestCatalogue::questionByList(int qsid, const NetTarget& to) {
    Json::Value v = body(2);
    v["qsid"] = qsid;
    game(ReqQuestion, v, to, kBusy, kDim);
}

void RequestCatalogue::questionFirstOfRun(int qsid, int date, const NetTarget& to) {
    Json::Value v = body(2);
    v["qsid"] = qsid;
    v["date"] = date;
    game(ReqQuestion, v, to, kBusy, kDim);
}

void RequestCatalogue::questionFromListPage(int qsid, int date, const NetTarget& to) {
    Json::Value v = body(2);
    v["qsid"] = qsid;
    v["date"] = date;
    v["deviceid"] = kDeviceKind;
    game(ReqQuestion, v, to, kBusy, kDim);
}

void RequestCatalogue::contestQuestion(int qsid, int date, int matchType, int matchId, const NetTarget& to) {
    Json::Value v = body(46);
    v["qsid"] = qsid;
    v["date"] = date;
    v["matchtype"] = matchType;
    v["matchid"] = matchId;
    game(ReqQuestion, v, to, kBusy, kDim);
}

void RequestCatalogue::contestQuestionIdList(int matchType, int matchId, const NetTarget& to) {
    Json::Value v = body(48);
    v["date"] = 0;
    v["matchtype"] = matchType;
    v["matchid"] = matchId;
    game(ReqQuestionIdList, v, to, kBusy, kDim);
}

void RequestCatalogue::submitAnswer(int qsid, int questId, const std::string& answer, int date, int awardNum,
                                    int count, const NetTarget& to) {
    Json::Value v = body(3);
    v["qsid"] = qsid;
    v["questid"] = questId;
    v["answer"] = answer;
    v["date"] = date;
    v["awardnum"] = awardNum;
    if (count >= 0) {
        v["count"] = count;
    }
    game(ReqSubmitAnswer, v, to, kBusy, kDim);
}

void RequestCatalogue::submitContestAnswer(int qsid, int questId, const std::string& answer, int date, int awardNum,
                                           int count, int matchType, int matchId, const NetTarget& to) {
    Json::Value v = body(47);
    v["qsid"] = qsid;
    v["questid"] = questId;
    v["answer"] = answer;
    v["date"] = date;
    v["awardnum"] = awardNum;
    v["matchtype"] = matchType;
    v["matchid"] = matchId;
    if (count >= 0) {
        v["count"] = count;
    }
    game(ReqSubmitAnswer, v, to, kBusy, kDim);
}

void RequestCatalogue::submitContestSummary(int qsid, const std::string& answer, double spendTime, int matchType,
                                            const NetTarget& to) {
    Json::Value v = body(30);
    v["spendtime"] = spendTime;
    v["matchtype"] = matchType;
    v["qsid"] = qsid;
    v["answer"] = answer;
    game(ReqSubmitAnswer, v, to, kBusy, kDim);
}

void RequestCatalogue::media(const std::string& name, Busy busy, const NetTarget& to) {
    Json::Value v = body(0);
    v["media"] = name;
    game(ReqMedia, v, to, busy, kDim);
}

void RequestCatalogue::matchSchedule(const NetTarget& to) { game(ReqMatchSchedule, body(26), to, kBusy, kDim); }

void RequestCatalogue::createTeam(const std::string& name, const std::string& info, const NetTarget& to) {
    Json::Value v = body(36);
    v["teamname"] = name;
    v["teaminfo"] = info;
    game(ReqCreateTeam, v, to, kBusy, kDim);
}

void RequestCatalogue::joinTeam(int teamId, const Json::Value& teamLeader, const NetTarget& to) {
    Json::Value v = body(37);
    v["teamid"] = teamId;
    v["teamleader"] = teamLeader;
    game(ReqJoinTeam, v, to, kBusy, kDim);
}

void RequestCatalogue::teamList(int page, const NetTarget& to) {
    Json::Value v = body(40, 0);
    v["page"] = page;
    game(ReqTeamList, v, to, kBusy, kDim);
}

void RequestCatalogue::teamListFirst(const NetTarget& to) {
    Json::Value v = body(40, 0);
    v["page"] = 0;
    game(ReqTeamListFirst, v, to, kBusy, kDim);
}

void RequestCatalogue::teamInfo(int teamId, const NetTarget& to) {
    Json::Value v = body(39);
    v["teamid"] = teamId;
    game(ReqTeamInfo, v, to, kBusy, kDim);
}

namespace {
Json::Value teamBody(int system, int teamId, const Json::Value& creater) {
    Json::Value v = RequestCatalogue::body(system);
    v["teamid"] = teamId;
    v["teamcreater"] = creater;
    return v;
}
} // namespace

void RequestCatalogue::dismissTeam(int teamId, const Json::Value& teamCreater, const NetTarget& to) {
    game(ReqDismissTeam, teamBody(41, teamId, teamCreater), to, kBusy, kDim);
}

void RequestCatalogue::kickMember(int userId, int teamId, const Json::Value& teamCreater, const NetTarget& to) {
    Json::Value v = teamBody(45, teamId, teamCreater);
    v["userid"] = userId;
    game(ReqKickMember, v, to, kBusy, kDim);
}

void RequestCatalogue::signUp(int matchId, int teamId, const Json::Value& teamCreater, const NetTarget& to) {
    Json::Value v = teamBody(42, teamId, teamCreater);
    v["matchid"] = matchId;
    game(ReqSignUp, v, to, kBusy, kDim);
}

void RequestCatalogue::cancelSignUp(int matchId, int teamId, const Json::Value& teamCreater, const NetTarget& to) {
    Json::Value v = teamBody(43, teamId, teamCreater);
    v["matchid"] = matchId;
    game(ReqCancelSignUp, v, to, kBusy, kDim);
}

void RequestCatalogue::quitTeam(int teamId, const NetTarget& to) {
    Json::Value v = body(44);
    v["teamid"] = teamId;
    game(ReqQuitTeam, v, to, kBusy, kDim);
}

void RequestCatalogue::teamRankList(int page, const NetTarget& to) {
    Json::Value v = body(40, 1);
    v["page"] = page;
    game(ReqTeamRankList, v, to, kBusy, kDim);
}

void RequestCatalogue::contestRank(int matchType, const NetTarget& to) {
    Json::Value v = body(33);
    v["matchtype"] = matchType;
    game(ReqContestRank, v, to, kBusy, kDim);
}

void RequestCatalogue::matchPresence(int act, int matchType, Busy busy, const NetTarget& to) {
    Json::Value v = body(27, act);
    v["matchtype"] = matchType;
    game(ReqMatchPresence, v, to, busy, kDim);
}

void RequestCatalogue::challenge(int act, const Json::Value& challenger, const std::string& name, int matchType,
                                 const NetTarget& to) {
    Json::Value v = body(28, act);
    v["eqquse"] = 1;
    v["challenge"] = challenger;
    v["name"] = name;
    v["matchtype"] = matchType;
    game(ReqChallenge, v, to, Busy::No, kDim);
}

void RequestCatalogue::teamListForAnnouncement() {
    Json::Value v = body(40);
    v["page"] = 0;
    game(ReqTeamList, v, {}, Busy::No, kDim);
}

void RequestCatalogue::ownTeamForAnnouncement(int teamId) {
    Json::Value v = body(39);
    v["teamid"] = teamId;
    game(ReqTeamInfo, v, {}, Busy::No, kDim);
}

void RequestCatalogue::teamQuestionIdList(int matchId, const NetTarget& to) {
    Json::Value v = body(48);
    v["date"] = 0;
    v["matchtype"] = 2;
    v["matchid"] = matchId;
    game(ReqQuestionIdList, v, to, Busy::No, Dim::No);
}
