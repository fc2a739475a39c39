// The halls: entering and leaving, searching for an opponent, challenges and their answers.
#include "contests/ContestService.h"

#include "app/Log.h"
#include "commands/PushQueue.h"
#include "commands/RequestContext.h"
#include "contests/ContestClock.h"
#include "contests/ContestMessages.h"
#include "contests/ContestSchedule.h"
#include "storage/PlayerStore.h"

#include <algorithm>

namespace server::contests {

namespace {

// 28's refusal acts.
constexpr int kNobody = 4;
constexpr int kNoMoney = 5;
constexpr int kBusy = 6;
constexpr int kNoneLeft = 7;
constexpr int kNoChallenge = 8;

const char* tipFor(int act) {
    switch (act) {
    case kNobody: return "暂时没有可以挑战的对手。";
    case kNoMoney: return "金币不足，无法参加比赛。";
    case kBusy: return "比赛正在进行中。";
    case kNoneLeft: return "今天的比赛次数已经用完。";
    default: return "挑战已经失效。";
    }
}

ContestService::Reply accepted(int system, int act) {
    ContestService::Reply reply;
    reply.answer["response"] = 1;
    reply.answer["system"] = system;
    reply.answer["act"] = act;
    return reply;
}

ContestService::Reply refused(int act, std::string why) {
    ContestService::Reply reply;
    reply.answer["response"] = 0;
    reply.answer["system"] = 28;
    reply.answer["act"] = act;
    reply.answer["tip"] = tipFor(act);
    reply.refusal = std::move(why);
    return reply;
}

} // namespace

ContestService::ContestService(ServerServices& services)
    : m_services(services), m_store(services.storage, services.players, services.counters), m_random(std::random_device{}()) {}

ContestService::~ContestService() = default;

Json::Value ContestService::schedule(std::int64_t now) { return ContestSchedule::entries(now); }

ContestService::Presence& ContestService::presenceOf(int playerId) { return m_presence[playerId]; }

std::int64_t ContestService::lastSeen(int playerId, const Presence& presence) const {
    return std::max(presence.seenAt, m_services.pushes.lastHeartbeat(playerId));
}

void ContestService::stopSearch(Presence& presence, int playerId) {
    presence.searching = 0;
    presence.invited = false;
    std::erase_if(m_challenges, [playerId](const Challenge& c) { return c.from == playerId && c.type == kOneToOne; });
}

ContestService::Reply ContestService::presence(int playerId, int act, int type, std::int64_t now) {
    Sharing sharing(*this);
    Reply reply = presenceLocked(playerId, act, type, now);
    sharing.finish();
    return reply;
}

ContestService::Reply ContestService::presenceLocked(int playerId, int act, int type, std::int64_t now) {
    if (!validMatchType(type) || act < 1 || act > 4) {
        Reply reply;
        reply.answer["response"] = 0;
        reply.answer["system"] = 27;
        reply.answer["act"] = act;
        reply.answer["tip"] = "请求有误。";
        reply.refusal = "act " + std::to_string(act) + " of match type " + std::to_string(type) + " is no presence";
        return reply;
    }
    // Read before the lock: the database has nothing to do with the halls' state.
    const int played = act == 1 ? m_store.playedOn(playerId, ContestClock::dayNumber(now), type) : 0;
    const int king = act == 1 ? m_store.king() : 0;
    std::lock_guard lock(m_mutex);
    Presence& p = presenceOf(playerId);
    p.seenAt = now;
    Reply reply = accepted(27, act);
    switch (act) {
    case 1:
        leftForHall(playerId);
        if (type != kOneToOne) {
            stopSearch(p, playerId); // a search belongs to the one-to-one hall
        }
        p.hall = type;
        reply.answer["enablecount"] = std::max(0, dailyCounts(type).max - played);
        reply.answer["isking"] = king == playerId ? 1 : 0;
        break;
    case 2:
        p.hall = 0;
        stopSearch(p, playerId);
        std::erase_if(m_challenges, [playerId](const Challenge& c) { return c.from == playerId; });
        break;
    case 3:
        stopSearch(p, playerId);
        break;
    default: {
        Contest* contest = contestOf(playerId);
        if (contest == nullptr) {
            reply.answer["response"] = 0;
            reply.answer["tip"] = "比赛已经结束。";
            reply.refusal = "leaving a contest while in none";
            break;
        }
        const std::int64_t id = contest->id;
        finish(*contest, contest->seats[0].playerId == playerId ? 0 : 1);
        m_contests.erase(id);
        break;
    }
    }
    return reply;
}

int ContestService::precheck(int playerId, int type, std::int64_t now) {
    const DailyCounts counts = dailyCounts(type);
    const int played = m_store.playedOn(playerId, ContestClock::dayNumber(now), type);
    if (played >= counts.max) {
        return kNoneLeft;
    }
    if (played >= counts.free && counts.cost > 0) {
        const auto player = m_services.players.find(playerId);
        if (!player || player->money < counts.cost) {
            return kNoMoney;
        }
    }
    return 0;
}

void ContestService::leftForHall(int playerId) {
    Contest* contest = contestOf(playerId);
    if (contest == nullptr) {
        return;
    }
    // The client shows a hall only after its contest screen has gone (left, or the game started
    // anew): the contest can no longer be played from there. Waiting for its heartbeats to stop
    // would never end, since the new session beats for the same player.
    const std::int64_t id = contest->id;
    Log::info("contest " + std::to_string(id) + ": player " + std::to_string(playerId) +
              " came back to a hall; counted as leaving");
    finish(*contest, contest->seats[0].playerId == playerId ? 0 : 1);
    m_contests.erase(id);
}

ContestService::Reply ContestService::pairing(int playerId, int act, int type, std::optional<int> challenger,
                                              std::int64_t now) {
    Sharing sharing(*this);
    Reply reply = pairingLocked(playerId, act, type, challenger, now);
    sharing.finish(); // asking from a hall may have ended a contest the player left behind
    return reply;
}

ContestService::Reply ContestService::pairingLocked(int playerId, int act, int type, std::optional<int> challenger,
                                                    std::int64_t now) {
    if (act == 0) {
        {
            // Before any refusal: whatever the answer, the player asks from a hall.
            std::lock_guard lock(m_mutex);
            leftForHall(playerId);
        }
        return ask(playerId, type, now);
    }
    if (act == 1 || act == 2) {
        return answerChallenge(playerId, act, type, challenger, now);
    }
    Reply reply = refused(kNoChallenge, "act " + std::to_string(act) + " is no pairing act");
    reply.answer["act"] = act;
    reply.answer["tip"] = "请求有误。";
    return reply;
}

ContestService::Reply ContestService::ask(int playerId, int type, std::int64_t now) {
    if (type != kOneToOne && type != kKing) {
        return refused(kNobody, "match type " + std::to_string(type) + " has no pairing yet");
    }
    if (!ContestSchedule::isOpen(type, now)) {
        return refused(kNobody, "match type " + std::to_string(type) + " is closed now");
    }
    // The database first, outside the lock; the contest's start checks again in its transaction.
    const int prechecked = precheck(playerId, type, now);
    const int king = type == kKing ? m_store.king() : 0;
    std::lock_guard lock(m_mutex);
    Presence& p = presenceOf(playerId);
    p.seenAt = now;
    if (p.contestId != 0) {
        // Begun since the contest left behind was ended: a search of this player found a partner.
        return refused(kBusy, "already in contest " + std::to_string(p.contestId));
    }
    return type == kOneToOne ? askOpponent(playerId, now, prechecked) : challengeKing(playerId, now, prechecked, king);
}

ContestService::Reply ContestService::askOpponent(int playerId, std::int64_t now, int prechecked) {
    if (prechecked != 0) {
        return refused(prechecked, prechecked == kNoMoney ? "not enough money" : "no contests left today");
    }
    Presence& p = presenceOf(playerId);
    p.hall = kOneToOne;
    // The longest waiting searcher gets the newcomer.
    for (;;) {
        int partner = 0;
        std::int64_t since = 0;
        for (const auto& [id, other] : m_presence) {
            if (id != playerId && other.searching != 0 && other.contestId == 0 &&
                (partner == 0 || other.searching < since)) {
                partner = id;
                since = other.searching;
            }
        }
        if (partner == 0) {
            break;
        }
        const Begun begun = begin(kOneToOne, partner, true, playerId, true, now);
        if (begun.result == Begin::Started) {
            return accepted(28, 0);
        }
        if (begun.result == Begin::NoQuestions) {
            return refused(kNobody, "the bank has too few choice questions for a contest");
        }
        if (begun.refusedPlayer == playerId) {
            return refused(begun.result == Begin::NoMoney ? kNoMoney : kNoneLeft, "the start's checks refused");
        }
        // The partner can no longer play: the search ends for them.
        Log::refusal("contests", "searcher " + std::to_string(partner) + " can no longer pay or play; search ended");
        stopSearch(presenceOf(partner), partner);
        m_services.pushes.push(partner, ContestMessages::nobody(kOneToOne));
    }
    if (p.searching == 0) {
        p.searching = now;
        p.invited = false;
    }
    return accepted(28, 0);
}

ContestService::Reply ContestService::challengeKing(int playerId, std::int64_t now, int prechecked, int king) {
    if (king == 0) {
        return refused(kNobody, "there is no king");
    }
    if (king == playerId) {
        return refused(kNobody, "the king cannot challenge");
    }
    auto k = m_presence.find(king);
    if (k == m_presence.end() || k->second.hall != kKing || now - lastSeen(king, k->second) > kAbsentMs) {
        return refused(kNobody, "king " + std::to_string(king) + " is not in the challenge hall");
    }
    if (k->second.contestId != 0) {
        return refused(kBusy, "king " + std::to_string(king) + " is in a contest");
    }
    if (prechecked != 0) {
        return refused(prechecked, prechecked == kNoMoney ? "not enough money" : "no contests left today");
    }
    const auto challenger = m_services.players.find(playerId);
    if (!challenger) {
        return refused(kNobody, "the player record is gone");
    }
    // One challenge at a time: the king's popup shows only the first, so a second challenger
    // would wait out its 30 seconds for nothing. He hears at once that nobody can take him on.
    const bool kingBusy = std::any_of(m_challenges.begin(), m_challenges.end(), [&](const Challenge& c) {
        return c.to == king && c.from != playerId && now - c.at <= kChallengeMs;
    });
    if (kingBusy) {
        return refused(kNobody, "king " + std::to_string(king) + " is answering another challenge");
    }
    presenceOf(playerId).hall = kKing;
    std::erase_if(m_challenges, [playerId](const Challenge& c) { return c.from == playerId; });
    m_challenges.push_back({playerId, king, kKing, now});
    m_services.pushes.push(king, ContestMessages::challenge(*challenger, kKing));
    Log::info("contests: player " + std::to_string(playerId) + " challenges king " + std::to_string(king));
    return accepted(28, 0);
}

ContestService::Reply ContestService::answerChallenge(int playerId, int act, int type, std::optional<int> challenger,
                                                      std::int64_t now) {
    if (!challenger || *challenger == playerId) {
        return refused(kNoChallenge, challenger ? "answering a challenge of oneself" : "no challenger named");
    }
    const int from = *challenger;
    std::lock_guard lock(m_mutex);
    presenceOf(playerId).seenAt = now;
    auto it = std::find_if(m_challenges.begin(), m_challenges.end(), [&](const Challenge& c) {
        return c.from == from && c.to == playerId && now - c.at <= kChallengeMs;
    });
    if (it == m_challenges.end()) {
        return refused(kNoChallenge, "no open challenge of player " + std::to_string(from));
    }
    const Challenge challenge = *it;
    m_challenges.erase(it); // answered, whatever comes next: a second accept finds nothing
    if (act == 2) {
        Log::info("contests: player " + std::to_string(playerId) + " refuses the challenge of " + std::to_string(from));
        return accepted(28, 2);
    }
    if (presenceOf(playerId).contestId != 0) {
        return refused(kBusy, "already in a contest");
    }
    Presence& theirs = presenceOf(from);
    if (theirs.contestId != 0) {
        return refused(kBusy, "challenger " + std::to_string(from) + " is in a contest");
    }
    if (challenge.type == kOneToOne && theirs.searching == 0) {
        return refused(kNoChallenge, "player " + std::to_string(from) + " no longer searches");
    }
    if (type != 0 && type != challenge.type) {
        Log::refusal("contests", "accept names match type " + std::to_string(type) + " for a challenge of type " +
                                     std::to_string(challenge.type) + "; the challenge's type stands");
    }
    // In a one-to-one both chose to play, so both use a contest of the day; the king only defends.
    const bool accepterCounted = challenge.type == kOneToOne;
    const Begun begun = begin(challenge.type, from, true, playerId, accepterCounted, now);
    switch (begun.result) {
    case Begin::Started: return accepted(28, 1);
    case Begin::NoQuestions: return refused(kNobody, "the bank has too few choice questions for a contest");
    default:
        if (begun.refusedPlayer == playerId) {
            return refused(begun.result == Begin::NoMoney ? kNoMoney : kNoneLeft, "the start's checks refused");
        }
        if (challenge.type == kOneToOne) {
            stopSearch(theirs, from);
            m_services.pushes.push(from, ContestMessages::nobody(kOneToOne));
        }
        return refused(kNoChallenge, "challenger " + std::to_string(from) + " can no longer pay or play");
    }
}

void ContestService::tickSearches(std::int64_t now) {
    std::erase_if(m_challenges, [now](const Challenge& c) { return now - c.at > kChallengeMs; });
    for (auto& [id, p] : m_presence) {
        if (p.searching == 0 || p.contestId != 0) {
            continue;
        }
        if (now - lastSeen(id, p) > kAbsentMs) {
            stopSearch(p, id); // gone without a word
            p.hall = 0;
        } else if (now - p.searching >= kSearchMs) {
            stopSearch(p, id);
            m_services.pushes.push(id, ContestMessages::nobody(kOneToOne));
            Log::info("contests: nobody for player " + std::to_string(id) + " after " +
                      std::to_string(kSearchMs / 1000) + " s");
        } else if (!p.invited && now - p.searching >= kInviteMs) {
            // Offer the lone searcher to someone idling in the hall.
            for (const auto& [otherId, other] : m_presence) {
                if (otherId != id && other.hall == kOneToOne && other.searching == 0 && other.contestId == 0 &&
                    now - lastSeen(otherId, other) <= kAbsentMs) {
                    if (const auto searcher = m_services.players.find(id)) {
                        m_challenges.push_back({id, otherId, kOneToOne, now});
                        m_services.pushes.push(otherId, ContestMessages::challenge(*searcher, kOneToOne));
                        Log::info("contests: player " + std::to_string(id) + " offered to idle player " +
                                  std::to_string(otherId));
                    }
                    p.invited = true;
                    break;
                }
            }
        }
    }
    // Forget those who left everything and went quiet.
    std::erase_if(m_presence, [&](const auto& entry) {
        const Presence& p = entry.second;
        return p.contestId == 0 && p.searching == 0 && (p.hall == 0 || now - lastSeen(entry.first, p) > kAbsentMs) &&
               std::none_of(m_challenges.begin(), m_challenges.end(),
                            [&](const Challenge& c) { return c.from == entry.first || c.to == entry.first; });
    });
}

void ContestService::tick(std::int64_t now) {
    Sharing sharing(*this);
    {
        std::lock_guard lock(m_mutex);
        tickContests(now);
        tickSearches(now);
    }
    sharing.finish();
}

} // namespace server::contests
