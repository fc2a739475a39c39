// Making, joining and leaving teams, their lists and the sign-ups for a match.
#include "teams/TeamService.h"

#include "app/Log.h"
#include "commands/RequestContext.h"
#include "contests/ContestMessages.h"
#include "storage/ContentStore.h"
#include "storage/PlayerStore.h"
#include "teams/TeamName.h"
#include "teams/TeamRules.h"

namespace server::teams {

namespace {

TeamService::Reply refuse(int response, std::string tip, std::string why) {
    TeamService::Reply reply;
    reply.answer["response"] = response;
    reply.answer["tip"] = std::move(tip);
    reply.refusal = std::move(why);
    return reply;
}

// Sign-ups and cancellations refuse with "response" 0 and a "fail" code the client reads.
TeamService::Reply fail(int code, std::string tip, std::string why) {
    TeamService::Reply reply = refuse(0, std::move(tip), std::move(why));
    reply.answer["fail"] = code;
    return reply;
}

TeamService::Reply ok() {
    TeamService::Reply reply;
    reply.answer["response"] = 1;
    return reply;
}

std::string teamText(int teamId) { return "team " + std::to_string(teamId); }

} // namespace

TeamService::TeamService(ServerServices& services, const ContentStore& content)
    : m_services(services), m_content(content), m_store(services.storage) {}

std::string TeamService::nameOf(int playerId) {
    const auto player = m_services.players.find(playerId);
    return player ? contests::ContestMessages::nameOf(*player) : std::to_string(playerId);
}

bool TeamService::enteredInMatch(int teamId, const Match& match) {
    const auto entry = m_store.signUp(match.id, teamId);
    return entry && !entry->eliminated && !match.over();
}

bool TeamService::playingInMatch(int teamId, const Match& match, std::int64_t now) {
    return (match.started(now) || roundZeroBegun(match)) && enteredInMatch(teamId, match);
}

bool TeamService::roundZeroBegun(const Match& match) {
    // Another thread's clock may have begun it a moment before this request's clock reached it.
    const auto first = m_store.round(match.id, 0);
    return first && first->begun;
}

int TeamService::teamStatus(int teamId, const Match& match, std::int64_t now) {
    const auto entry = m_store.signUp(match.id, teamId);
    if (!entry) {
        return kNotIn;
    }
    if (entry->eliminated || match.over()) {
        return kOut;
    }
    const auto round = m_store.latestRound(match.id);
    return round && round->running(now) ? kPlaying : kWaiting;
}

Json::Value TeamService::record(const Team& team, const Match& match, std::int64_t now) {
    Json::Value r(Json::objectValue);
    r["teamid"] = team.id;
    r["teamname"] = team.name;
    r["score"] = team.score;
    r["number"] = team.number;
    const auto entry = m_store.signUp(match.id, team.id);
    r["level"] = entry ? entry->level : 0;
    r["creater"] = std::to_string(team.creator);
    r["teammatchstatus"] = teamStatus(team.id, match, now);
    return r;
}

std::pair<int, int> TeamService::prizeOf(int place) const {
    for (const auto& tier : m_content.items(ContentStore::kPrize)) {
        if (tier["type"].asInt() == 2 && tier["times"].asInt() == place) {
            return {tier["prizetype"].asInt(), tier["prizenum"].asInt()};
        }
    }
    return {1, 0};
}

Json::Value TeamService::prizeTiers() const {
    Json::Value tiers(Json::arrayValue);
    for (const auto& tier : m_content.items(ContentStore::kPrize)) {
        if (tier["type"].asInt() == 2) {
            tiers.append(tier);
        }
    }
    return tiers;
}

TeamService::Reply TeamService::create(int playerId, const Json::Value& nameValue, std::int64_t now) {
    if (!nameValue.isString()) {
        return refuse(0, "队名不合适。", "a team name that is not a text");
    }
    const std::string name = nameValue.asString();
    if (const std::string problem = TeamName::problem(name); !problem.empty()) {
        return refuse(0, "队名只能用字母、数字和汉字，最多8个字母或5个汉字。", problem);
    }
    advance(now);
    const Match match = current(now);
    const auto open = m_store.latestRound(match.id);
    if ((open && open->number != 0) || (match.started(now) && !match.over())) {
        return refuse(2, "比赛进行中，不能创建战队。", "a team match is on");
    }
    auto& storage = m_store.storage();
    auto tx = storage.transaction();
    if (const auto team = m_store.teamOf(playerId)) {
        return refuse(0, "你已经在一个战队里了。", "already in " + teamText(*team));
    }
    if (m_store.teamNamed(name)) {
        return refuse(5, "队名已被使用。", "the team name is taken");
    }
    const auto paid = m_services.players.addProgress(tx, playerId, PlayerProgress{0, -kCreateCost, 0});
    if (!paid) {
        return refuse(3, "胡萝卜不够。", "not enough money to create a team");
    }
    int teamId = 0;
    try {
        auto q = storage.query("INSERT INTO teams (name, creator, created) VALUES (?1, ?2, ?3) RETURNING id");
        q->bindAll(name, playerId, now).step();
        teamId = static_cast<int>(q->columnInt(0));
    } catch (const ConstraintError&) {
        return refuse(5, "队名已被使用。", "the team name is taken");
    }
    storage.query("INSERT INTO team_members (player, team, joined) VALUES (?1, ?2, ?3)")->bindAll(playerId, teamId, now).run();
    tx.commit();
    Log::info("player " + std::to_string(playerId) + " created " + teamText(teamId));
    Reply reply = ok();
    reply.answer["teamid"] = teamId;
    reply.answer["money"] = paid->money;
    return reply;
}

TeamService::Reply TeamService::join(int playerId, Id teamId, std::int64_t now) {
    if (!teamId) {
        return refuse(0, "没有这个战队。", "\"teamid\" is not a number");
    }
    advance(now);
    const Match match = current(now);
    auto& storage = m_store.storage();
    auto tx = storage.transaction();
    if (const auto team = m_store.teamOf(playerId)) {
        return refuse(0, "你已经在一个战队里了。", "already in " + teamText(*team));
    }
    int target = *teamId;
    if (target == -1) {
        auto q = storage.query(
            "SELECT t.id FROM teams t WHERE t.dismissed = 0 "
            "AND (SELECT COUNT(*) FROM team_members m WHERE m.team = t.id) < ?2 "
            "AND NOT EXISTS (SELECT 1 FROM team_blacklist b WHERE b.team = t.id AND b.player = ?1) "
            "AND NOT EXISTS (SELECT 1 FROM team_signups s WHERE s.team = t.id AND s.match_id = ?3 "
            "                AND s.eliminated = 0 AND ?4 = 0) "
            "ORDER BY t.score DESC, t.id LIMIT 1");
        q->bindAll(playerId, kMaxMembers, match.id, match.over() ? 1 : 0);
        if (!q->step()) {
            return refuse(6, "没有可以加入的战队。", "no team with room for a quick join");
        }
        target = static_cast<int>(q->columnInt(0));
    }
    const auto team = m_store.team(target);
    if (!team || team->dismissed) {
        return refuse(7, "战队已解散。", "no live " + teamText(target));
    }
    if (m_store.blacklisted(target, playerId)) {
        return refuse(4, "你被这个战队请出过。", "blacklisted by " + teamText(target));
    }
    if (enteredInMatch(target, match)) {
        return refuse(5, "战队已报名比赛。", teamText(target) + " is signed up");
    }
    if (team->number >= kMaxMembers) {
        return refuse(3, "战队已满。", teamText(target) + " is full");
    }
    storage.query("INSERT INTO team_members (player, team, joined) VALUES (?1, ?2, ?3)")->bindAll(playerId, target, now).run();
    tx.commit();
    Log::info("player " + std::to_string(playerId) + " joined " + teamText(target));
    Reply reply = ok();
    reply.answer["teamid"] = target;
    return reply;
}

TeamService::Reply TeamService::info(Id teamId, std::int64_t now) {
    advance(now);
    const auto team = teamId ? m_store.team(*teamId) : std::nullopt;
    if (!team || team->dismissed) {
        Reply reply = refuse(0, "战队已解散。", "no live team " + (teamId ? std::to_string(*teamId) : "(not a number)"));
        reply.answer.removeMember("tip");
        return reply;
    }
    const Match match = current(now);
    Reply reply = ok();
    reply.answer["teaminfo"] = record(*team, match, now);
    Json::Value members(Json::arrayValue);
    for (int player : m_store.members(team->id)) {
        Json::Value m(Json::objectValue);
        m["userid"] = player;
        m["name"] = nameOf(player);
        // Only rounds with a result count: a running round adds nothing yet.
        auto q = m_store.storage().query(
            "SELECT COUNT(*), COALESCE(SUM(rr.survived), 0), COALESCE(SUM(s.rights + s.wrongs), 0), "
            "COALESCE(SUM(s.rights), 0), COALESCE(SUM(s.points), 0) FROM team_seats s "
            "JOIN team_round_results rr ON rr.match_id = s.match_id AND rr.round_no = s.round_no AND rr.team = s.team "
            "WHERE s.team = ?1 AND s.player = ?2");
        q->bindAll(team->id, player);
        q->step();
        m["pkcount"] = static_cast<int>(q->columnInt(0));
        m["wincount"] = static_cast<int>(q->columnInt(1));
        m["answercount"] = static_cast<int>(q->columnInt(2));
        m["rightcount"] = static_cast<int>(q->columnInt(3));
        m["score"] = static_cast<int>(q->columnInt(4));
        members.append(std::move(m));
    }
    reply.answer["teammember"] = std::move(members);
    reply.answer["prizearray"] = prizeTiers();
    return reply;
}

TeamService::Reply TeamService::list(int playerId, int page, std::int64_t now) {
    advance(now);
    const Match match = current(now);
    Reply reply = ok();
    reply.answer["act"] = 0;
    {
        auto q = m_store.storage().query("SELECT COUNT(*) FROM teams WHERE dismissed = 0");
        q->step();
        reply.answer["count"] = static_cast<int>(q->columnInt(0));
    }
    reply.answer["minteamer"] = kMinMembers;
    reply.answer["maxteamer"] = kMaxMembers;
    const auto mine = m_store.teamOf(playerId);
    const auto myTeam = mine ? m_store.team(*mine) : std::nullopt;
    if (myTeam) {
        const Json::Value r = record(*myTeam, match, now);
        reply.answer["myteamid"] = myTeam->id;
        reply.answer["myteamname"] = myTeam->name;
        reply.answer["myscore"] = myTeam->score;
        reply.answer["mycreater"] = r["creater"];
        reply.answer["mylevel"] = r["level"];
        reply.answer["myteammatchstatus"] = r["teammatchstatus"];
    } else {
        reply.answer["myteamid"] = 0;
        reply.answer["myteamname"] = "";
        reply.answer["myscore"] = 0;
        reply.answer["mycreater"] = "";
        reply.answer["mylevel"] = 0;
        reply.answer["myteammatchstatus"] = 0;
    }
    std::vector<int> ids;
    {
        auto q = m_store.storage().query("SELECT id FROM teams WHERE dismissed = 0 ORDER BY score DESC, id "
                                         "LIMIT ?1 OFFSET ?2");
        q->bindAll(kPageSize, std::max(0, page) * kPageSize);
        while (q->step()) {
            ids.push_back(static_cast<int>(q->columnInt(0)));
        }
    }
    Json::Value rows(Json::arrayValue);
    for (int id : ids) {
        if (const auto team = m_store.team(id)) {
            rows.append(record(*team, match, now));
        }
    }
    reply.answer["teaminfo"] = std::move(rows);
    return reply;
}

TeamService::Reply TeamService::ranking(int playerId, std::int64_t) {
    Reply reply = ok();
    reply.answer["act"] = 1;
    auto& storage = m_store.storage();
    {
        auto q = storage.query("SELECT COUNT(*) FROM teams WHERE dismissed = 0");
        q->step();
        reply.answer["count"] = static_cast<int>(q->columnInt(0));
    }
    const auto mine = m_store.teamOf(playerId);
    const auto myTeam = mine ? m_store.team(*mine) : std::nullopt;
    reply.answer["myrank"] = 0;
    reply.answer["myscore"] = 0;
    reply.answer["myteamid"] = 0;
    if (myTeam) {
        auto q = storage.query("SELECT COUNT(*) + 1 FROM teams WHERE dismissed = 0 "
                               "AND (score > ?1 OR (score = ?1 AND id < ?2))");
        q->bindAll(myTeam->score, myTeam->id);
        q->step();
        reply.answer["myrank"] = static_cast<int>(q->columnInt(0));
        reply.answer["myscore"] = myTeam->score;
        reply.answer["myteamid"] = myTeam->id;
    }
    Json::Value rows(Json::arrayValue);
    auto q = storage.query("SELECT score, name, id FROM teams WHERE dismissed = 0 ORDER BY score DESC, id LIMIT ?1");
    q->bind(1, kRankedTeams);
    while (q->step()) {
        Json::Value r(Json::objectValue);
        r["score"] = static_cast<int>(q->columnInt(0));
        r["teamname"] = q->columnText(1);
        r["teamid"] = static_cast<int>(q->columnInt(2));
        rows.append(std::move(r));
    }
    reply.answer["teaminfo"] = std::move(rows);
    return reply;
}

TeamService::Reply TeamService::dismiss(int playerId, Id teamId, std::int64_t now) {
    advance(now);
    const auto team = teamId ? m_store.team(*teamId) : std::nullopt;
    if (!team || team->dismissed) {
        return refuse(0, "没有这个战队。", "no live team to dismiss");
    }
    if (team->creator != playerId) {
        return refuse(0, "只有队长可以解散战队。", "not the creator of " + teamText(team->id));
    }
    const Match match = current(now);
    auto& storage = m_store.storage();
    auto tx = storage.transaction();
    if (playingInMatch(team->id, match, now)) {
        return refuse(0, "战队正在比赛，不能解散。", teamText(team->id) + " plays in the running match");
    }
    storage.query("UPDATE teams SET dismissed = 1 WHERE id = ?1")->bind(1, team->id).run();
    storage.query("DELETE FROM team_members WHERE team = ?1")->bind(1, team->id).run();
    // A sign-up for a match still to come goes with the team; finished ones stay as history.
    {
        auto q = storage.query("DELETE FROM team_signups WHERE team = ?1 AND match_id IN "
                               "(SELECT id FROM team_matches WHERE finished = 0 AND start > ?2)");
        q->bindAll(team->id, now).run();
    }
    tx.commit();
    Log::info("player " + std::to_string(playerId) + " dismissed " + teamText(team->id));
    return ok();
}

TeamService::Reply TeamService::kick(int playerId, Id memberId, Id teamId, std::int64_t now) {
    advance(now);
    const auto team = teamId ? m_store.team(*teamId) : std::nullopt;
    if (!team || team->dismissed) {
        return refuse(0, "没有这个战队。", "no live team to kick from");
    }
    if (team->creator != playerId) {
        return refuse(0, "只有队长可以请出队员。", "not the creator of " + teamText(team->id));
    }
    if (!memberId) {
        return refuse(0, "没有这个队员。", "\"userid\" is not a number");
    }
    if (*memberId == playerId) {
        return refuse(0, "队长不能请出自己。", "the creator kicking himself");
    }
    const Match match = current(now);
    auto& storage = m_store.storage();
    auto tx = storage.transaction();
    if (m_store.teamOf(*memberId) != team->id) {
        return refuse(0, "没有这个队员。", "player " + std::to_string(*memberId) + " is not in " + teamText(team->id));
    }
    if (enteredInMatch(team->id, match)) {
        return refuse(0, "战队已报名比赛，不能请出队员。", teamText(team->id) + " is signed up");
    }
    storage.query("DELETE FROM team_members WHERE player = ?1 AND team = ?2")->bindAll(*memberId, team->id).run();
    storage.query("INSERT INTO team_blacklist (team, player) VALUES (?1, ?2) ON CONFLICT DO NOTHING")
        ->bindAll(team->id, *memberId)
        .run();
    tx.commit();
    Log::info("player " + std::to_string(*memberId) + " kicked out of " + teamText(team->id));
    Reply reply = ok();
    reply.answer["name"] = nameOf(*memberId);
    return reply;
}

TeamService::Reply TeamService::quit(int playerId, Id teamId, std::int64_t now) {
    advance(now);
    const auto team = teamId ? m_store.team(*teamId) : std::nullopt;
    if (!team || team->dismissed) {
        return refuse(0, "没有这个战队。", "no live team to quit");
    }
    if (team->creator == playerId) {
        return refuse(0, "队长不能退出，只能解散战队。", "the creator quitting " + teamText(team->id));
    }
    const Match match = current(now);
    auto& storage = m_store.storage();
    auto tx = storage.transaction();
    if (m_store.teamOf(playerId) != team->id) {
        return refuse(0, "你不在这个战队里。", "not a member of " + teamText(team->id));
    }
    if (playingInMatch(team->id, match, now)) {
        return refuse(0, "战队正在比赛，不能退出。", teamText(team->id) + " plays in the running match");
    }
    storage.query("DELETE FROM team_members WHERE player = ?1")->bind(1, playerId).run();
    const int left = m_store.memberCount(team->id);
    if (enteredInMatch(team->id, match) && left < kMinMembers) {
        storage.query("DELETE FROM team_signups WHERE match_id = ?1 AND team = ?2")->bindAll(match.id, team->id).run();
        Log::info(teamText(team->id) + " withdrawn from team match " + std::to_string(match.id) + ": " +
                  std::to_string(left) + " members left");
    }
    if (left == 0) {
        storage.query("UPDATE teams SET dismissed = 1 WHERE id = ?1")->bind(1, team->id).run();
        Log::info(teamText(team->id) + " dismissed: nobody left");
    }
    tx.commit();
    Log::info("player " + std::to_string(playerId) + " quit " + teamText(team->id));
    return ok();
}

TeamService::Reply TeamService::signUp(int playerId, Id matchId, Id teamId, std::int64_t now) {
    advance(now);
    const Match match = current(now);
    if (!matchId || *matchId != match.id) {
        return fail(1, "现在不能报名。", "sign-up for a match other than the current " + std::to_string(match.id));
    }
    if (match.started(now) || match.over()) {
        return fail(3, "比赛已经开始。", "match " + std::to_string(match.id) + " has started");
    }
    if (now >= match.signUpClose) {
        return fail(1, "报名已截止。", "sign-up for match " + std::to_string(match.id) + " has closed");
    }
    const auto team = teamId ? m_store.team(*teamId) : std::nullopt;
    if (!team || team->dismissed) {
        return fail(2, "没有这个战队。", "no live team to sign up");
    }
    if (team->creator != playerId) {
        return fail(2, "只有队长可以报名。", "not the creator of " + teamText(team->id));
    }
    auto& storage = m_store.storage();
    auto tx = storage.transaction();
    if (m_store.memberCount(team->id) < kMinMembers) {
        return fail(2, "队员不足，不能报名。", teamText(team->id) + " has too few members");
    }
    if (m_store.signUp(match.id, team->id)) {
        return fail(2, "已经报过名了。", teamText(team->id) + " is signed up already");
    }
    if (roundZeroBegun(match)) {
        return fail(3, "比赛已经开始。", "match " + std::to_string(match.id) + " began meanwhile");
    }
    storage.query("INSERT INTO team_signups (match_id, team, signed) VALUES (?1, ?2, ?3)")
        ->bindAll(match.id, team->id, now)
        .run();
    tx.commit();
    Log::info(teamText(team->id) + " signed up for team match " + std::to_string(match.id));
    return ok();
}

TeamService::Reply TeamService::cancelSignUp(int playerId, Id matchId, Id teamId, std::int64_t now) {
    advance(now);
    const Match match = current(now);
    if (!matchId || *matchId != match.id) {
        return fail(2, "没有报名这场比赛。", "cancelling for a match other than the current " + std::to_string(match.id));
    }
    if (match.started(now) || match.over() || now >= match.start - kSignUpCloseMs) {
        return fail(1, "比赛即将开始，不能取消报名。", "too late to cancel for match " + std::to_string(match.id));
    }
    const auto team = teamId ? m_store.team(*teamId) : std::nullopt;
    if (!team || team->dismissed || team->creator != playerId) {
        return fail(2, "只有队长可以取消报名。", "not the creator of a live team");
    }
    auto q = m_store.storage().query("DELETE FROM team_signups WHERE match_id = ?1 AND team = ?2");
    q->bindAll(match.id, team->id).run();
    if (q->changes() != 1) {
        return fail(2, "战队没有报名。", teamText(team->id) + " is not signed up");
    }
    Log::info(teamText(team->id) + " cancelled its sign-up for team match " + std::to_string(match.id));
    return ok();
}

} // namespace server::teams
