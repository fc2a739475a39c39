#include "commands/EntryCommands.h"

#include "accounts/AccountService.h"
#include "app/ServerConfig.h"
#include "cluster/GameServerPool.h"
#include "commands/CommandRegistry.h"
#include "commands/Members.h"
#include "app/Log.h"
#include "referrals/ReferralCommands.h"
#include "referrals/ReferralStore.h"

#include <sstream>
#include <vector>

namespace server {

namespace {

std::vector<long> versionParts(const std::string& text) {
    std::vector<long> parts;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, '.')) {
        try {
            parts.push_back(std::stol(part));
        } catch (const std::exception&) {
            parts.push_back(0);
        }
    }
    return parts;
}

Answer versionCheck(const Json::Value& request, RequestContext& context) {
    const ServerConfig& config = context.config();
    const std::string version = Members::text(request, "version", 32);
    Json::Value answer(Json::objectValue);
    const bool mustUpdate = EntryCommands::compareVersions(version, config.minVersion) < 0;
    const bool mayUpdate = EntryCommands::compareVersions(version, config.currentVersion) < 0;
    if (!mustUpdate && !mayUpdate) {
        answer["response"] = 1;
        return answer;
    }
    answer["response"] = 0;
    answer["update"] = mustUpdate ? 1 : 0;
    answer["upurl"] = config.updateUrl;
    answer["updateinfo"] = config.updateInfo.empty() ? std::string("发现新版本，请下载更新。") : config.updateInfo;
    return answer;
}

Answer refusal(const AccountService::Outcome& outcome, RequestContext& context) {
    context.logNote = outcome.why;
    Json::Value answer(Json::objectValue);
    answer["response"] = 0;
    answer["fail"] = outcome.fail;
    answer["tip"] = outcome.tip;
    return answer;
}

// The client shows the tip in its box and lets the player try again.
Answer busy(RequestContext& context, const cluster::GameServerPool& gameServers) {
    context.logNote = "no game server is up (" + gameServers.describe() + ")";
    Json::Value answer(Json::objectValue);
    answer["response"] = 0;
    answer["fail"] = 4;
    answer["tip"] = "服务器繁忙，请稍后再试。";
    return answer;
}

} // namespace

int EntryCommands::compareVersions(const std::string& a, const std::string& b) {
    auto left = versionParts(a);
    auto right = versionParts(b);
    const std::size_t n = std::max(left.size(), right.size());
    left.resize(n, 0);
    right.resize(n, 0);
    for (std::size_t i = 0; i < n; ++i) {
        if (left[i] != right[i]) {
            return left[i] < right[i] ? -1 : 1;
        }
    }
    return 0;
}

void EntryCommands::registerInto(CommandRegistry& entry, AccountService& accounts,
                                 const cluster::GameServerPool* gameServers) {
    entry.add(0, "version", versionCheck);

    entry.add(1, "register", [&accounts](const Json::Value& request, RequestContext& context) -> Answer {
        int referrer = 0;
        if (Members::integer(request, "tuijian") == 1) {
            // A referrer box that held no number is a refused referrer, not an absent one.
            const auto given = Members::wholeNumber(request, "tuijianid");
            referrer = given && *given > 0 ? *given : -1;
        }
        const auto outcome = accounts.registerAccount(Members::text(request, "username", 64),
                                                      Members::text(request, "pwd", 64),
                                                      Members::text(request, "mac", 128), referrer);
        if (!outcome.ok) {
            if (outcome.fail == 3) {
                Log::refusal("entry " + context.peer, std::string("registration refused: ") + outcome.why +
                                                          ", \"tuijianid\" " + Members::describe(request, "tuijianid"));
            }
            return refusal(outcome, context);
        }
        context.logNote = (outcome.fromGuest ? "the device's guest became player " : "new player ") +
                          std::to_string(outcome.playerId);
        Json::Value answer(Json::objectValue);
        answer["response"] = 1;
        return answer;
    });

    entry.add(2, "login", [&accounts, gameServers](const Json::Value& request, RequestContext& context) -> Answer {
        // Turned away before the login counts: no session or login day for a player who cannot play.
        if (gameServers && !gameServers->anyUp()) {
            return busy(context, *gameServers);
        }
        const auto outcome = accounts.login(Members::text(request, "username", 64), Members::text(request, "pwd", 64),
                                            Members::text(request, "mac", 129));
        if (!outcome.ok) {
            return refusal(outcome, context);
        }
        const ServerConfig& config = context.config();
        cluster::GameServerAddress game{config.advertisedHost(), config.gamePort};
        if (gameServers) {
            const auto chosen = gameServers->choose(outcome.playerId);
            if (!chosen) { // the last one went down since the check above
                return busy(context, *gameServers);
            }
            game = *chosen;
        }
        context.services.referrals.noteLoginDay(outcome.playerId, referrals::ReferralCommands::today(config));
        Json::Value answer(Json::objectValue);
        answer["response"] = 1;
        answer["id"] = outcome.playerId;
        answer["sessionid"] = outcome.sessionId;
        answer["ip"] = game.host;
        answer["port"] = game.port;
        // Contests run on the game server itself.
        answer["pkip"] = game.host;
        answer["pkport"] = game.port;
        if (gameServers) {
            context.logNote = "game server " + game.text();
        }
        return answer;
    });
}

} // namespace server
