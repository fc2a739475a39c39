// One parser per request type.
#include "net/AccountParsers.h"
#include "net/ContestParsers.h"
#include "net/MsgResponse.h"
#include "net/QuizParsers.h"
#include "net/RewardParsers.h"
#include "net/StoreParsers.h"

#include <array>

namespace {

const std::array<parsers::Parser, MsgResponse::kParserCount> kParsers = {
    &AccountParsers::version,          // 0
    &AccountParsers::login,            // 1
    &AccountParsers::reportLocation,   // 2
    &AccountParsers::userInfo,         // 3
    &AccountParsers::registration,     // 4
    &AccountParsers::userInfo,         // 5
    &AccountParsers::changePassword,   // 6
    &RewardParsers::achievements,      // 7
    &RewardParsers::claimAchievement,  // 8
    &RewardParsers::signData,          // 9
    &RewardParsers::signIn,            // 10
    &RewardParsers::luckData,          // 11
    &RewardParsers::luckSign,          // 12
    &RewardParsers::rankList,          // 13
    &RewardParsers::treasureOpen,      // 14
    &RewardParsers::treasureData,      // 15
    &RewardParsers::collection,        // 16
    &RewardParsers::plainOutcome,      // 17
    &StoreParsers::goodsList,          // 18
    &StoreParsers::buyRecords,         // 19
    &StoreParsers::goodsDetail,        // 20
    &StoreParsers::exchange,           // 21
    &RewardParsers::notices,           // 22
    &RewardParsers::events,            // 23
    &RewardParsers::joinEvent,         // 24
    &RewardParsers::explains,          // 25
    &QuizParsers::sdkPlats,            // 26
    &QuizParsers::unused,              // 27
    &RewardParsers::plainOutcome,      // 28
    &AccountParsers::saveReceiveInfo,  // 29
    &QuizParsers::questionIdList,      // 30
    &QuizParsers::question,            // 31
    &QuizParsers::answerResult,        // 32
    &RewardParsers::bonus,             // 33
    nullptr,                           // 34: media bytes are never parsed
    &ContestParsers::heartbeat,        // 35
    &QuizParsers::adTouch,             // 36
    &RewardParsers::plainOutcome,      // 37
    &ContestParsers::matchSchedule,    // 38
    &ContestParsers::rankCount,        // 39
    &ContestParsers::createTeam,       // 40
    &ContestParsers::joinTeam,         // 41
    &ContestParsers::teamList,         // 42
    &ContestParsers::teamInfo,         // 43
    &RewardParsers::plainOutcome,      // 44
    &RewardParsers::plainOutcome,      // 45
    &ContestParsers::signUp,           // 46
    &ContestParsers::cancelSignUp,     // 47
    &ContestParsers::quitTeam,         // 48
    &ContestParsers::prizeTable,       // 49
    &ContestParsers::teamRank,         // 50
    &ContestParsers::teamList,         // 51
    &ContestParsers::contestRank,      // 52
    &ContestParsers::matchPresence,    // 53
    &ContestParsers::challenge,        // 54
    &AccountParsers::referralList,     // 55
    &AccountParsers::referralStats,    // 56
    &AccountParsers::setReferrer,      // 57
};

} // namespace

parsers::Parser MsgResponse::parserFor(int requestType) {
    if (requestType < 0 || requestType >= kParserCount) {
        return nullptr;
    }
    return kParsers[static_cast<std::size_t>(requestType)];
}
