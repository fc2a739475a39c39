#include "claims/ClaimCommands.h"

#include "app/ServerConfig.h"
#include "claims/ClaimRules.h"
#include "claims/ClaimStore.h"
#include "claims/CodeSender.h"
#include "commands/CommandRegistry.h"
#include "commands/LoggedReply.h"
#include "commands/Members.h"
#include "contests/ContestClock.h"
#include "storage/PlayerStore.h"

#include <sodium.h>

#include <memory>
#include <stdexcept>

namespace server::claims {

namespace {

constexpr int kFailCode = 1;      // authcode: the day's codes used up; update: the code
constexpr int kFailGuestCode = 2; // authcode: a guest has no mobile number
constexpr int kFailField = 2;
constexpr int kFailGuestForm = 3;
constexpr int kFailUnknownType = 9;

struct Reply {
    Json::Value answer;
    std::string refusal;
};

struct Claims {
    ClaimStore store;
    std::unique_ptr<CodeSender> sender;
};

Reply refused(int fail, std::string why) {
    Json::Value answer(Json::objectValue);
    answer["response"] = 0;
    answer["fail"] = fail;
    return {answer, std::move(why)};
}

Json::Value success() {
    Json::Value answer(Json::objectValue);
    answer["response"] = 1;
    return answer;
}

// The number codes go to; empty for a guest.
std::string mobileOf(const ServerServices& services, int playerId) {
    const auto player = services.players.find(playerId);
    return player && !player->guest ? player->userName : std::string();
}

Reply askCode(Claims& claims, const ServerServices& services, int playerId) {
    const std::string tel = mobileOf(services, playerId);
    if (tel.empty()) {
        return refused(kFailGuestCode, "a guest has no mobile number for a code");
    }
    const std::int64_t now = contests::ContestClock::nowMs(services.config);
    const int code = static_cast<int>(randombytes_uniform(kCodeRange));
    if (!claims.store.issueCode(playerId, contests::ContestClock::dayNumber(now), code, now)) {
        Reply reply = refused(kFailCode, "the " + std::to_string(kCodesPerDay) + " codes of today are used up");
        reply.answer["tip"] = "今天的验证码已经用完了，请明天再试。";
        return reply;
    }
    claims.sender->send(playerId, tel, codeMessage(code));
    return {success(), {}};
}

std::string why(ClaimStore::Save save) {
    switch (save.verdict) {
    case ClaimStore::Verdict::NoCode: return "no code was asked for";
    case ClaimStore::Verdict::Used: return "the code was used already";
    case ClaimStore::Verdict::Voided: return "the code is void after " + std::to_string(kWrongTries) + " wrong tries";
    case ClaimStore::Verdict::Expired: return "the code has expired";
    case ClaimStore::Verdict::Wrong:
        return "wrong code (try " + std::to_string(save.wrongTries) + " of " + std::to_string(kWrongTries) + ")";
    case ClaimStore::Verdict::Saved: break;
    }
    return {};
}

Reply saveForm(Claims& claims, const ServerServices& services, int playerId, const Json::Value& request) {
    const std::string tel = mobileOf(services, playerId);
    if (tel.empty()) {
        return refused(kFailGuestForm, "a guest cannot claim prize money");
    }
    const std::int64_t now = contests::ContestClock::nowMs(services.config);
    // The fields first: a typing slip in the form costs none of the code's tries.
    FormCheck form = ClaimForm::read(request, contests::ContestClock::dayNumber(now));
    if (!form.details) {
        return refused(kFailField, form.refusal);
    }
    form.details->tel = tel;
    const auto save = claims.store.saveDetails(playerId, Members::wholeNumber(request, "authcode"), now, *form.details);
    if (save.verdict != ClaimStore::Verdict::Saved) {
        return refused(kFailCode, why(save));
    }
    Json::Value answer = success();
    answer["binfo"] = 1;
    return {answer, {}};
}

} // namespace

void ClaimCommands::registerInto(CommandRegistry& game, ServerServices& services) {
    if (sodium_init() < 0) {
        throw std::runtime_error("libsodium could not be initialised");
    }
    std::unique_ptr<CodeSender> sender;
    if (services.config.smsCommand.empty()) {
        const ServerConfig& config = services.config;
        sender = std::make_unique<OutboxSender>(OutboxSender::pathFor(config.smsOutbox, config.dbPath),
                                                [&config] { return contests::ContestClock::nowMs(config); });
    } else {
        sender = std::make_unique<CommandSender>(services.config.smsCommand, std::chrono::seconds(kGatewaySeconds));
    }
    auto claims = std::make_shared<Claims>(Claims{ClaimStore(services.storage, services.players), std::move(sender)});
    game.add(24, "claim form", [claims, &services](const Json::Value& request, RequestContext& context) -> Answer {
        const Json::Value& type = request["type"];
        if (type == "authcode") {
            Answer answer = loggedReply(context, "claim code", askCode(*claims, services, context.playerId));
            if (answer.json["response"].asInt() == 1) {
                context.logNote = "code sent";
            }
            return answer;
        }
        if (type == "update") {
            return loggedReply(context, "claim form", saveForm(*claims, services, context.playerId, request));
        }
        return loggedReply(context, "claim form",
                           refused(kFailUnknownType, "unknown type " + Members::describe(request, "type")));
    });
}

} // namespace server::claims
