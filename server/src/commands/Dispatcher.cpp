#include "commands/Dispatcher.h"

#include "accounts/SessionTable.h"
#include "app/Log.h"
#include "app/ServerConfig.h"
#include "commands/JsonText.h"

namespace server {

namespace {
bool readInt(const Json::Value& value, int& out) {
    if (value.isInt()) {
        out = value.asInt();
        return true;
    }
    if (value.isString()) { // a lenient client may quote numbers
        try {
            std::size_t used = 0;
            out = std::stoi(value.asString(), &used);
            return used == value.asString().size();
        } catch (const std::exception&) {
            return false;
        }
    }
    return false;
}
} // namespace

Json::Value Dispatcher::sessionNotice() {
    Json::Value notice(Json::objectValue);
    notice["system"] = 1;
    notice["response"] = 2;
    return notice;
}

Answer Dispatcher::handle(std::string_view text, const std::string& peer) const {
    Json::Value request;
    std::string error;
    if (!JsonText::parse(text, request, error) || !request.isObject()) {
        Log::refusal(peer, "malformed JSON: " + error.substr(0, error.find('\n')));
        return Answer::refused();
    }
    int system = 0;
    if (!readInt(request["system"], system)) {
        Log::refusal(peer, "request without a numeric \"system\"");
        return Answer::refused();
    }
    RequestContext context{m_services, 0, {}, peer};
    if (m_role == ServerRole::Game) {
        int playerId = 0;
        const Json::Value& session = request["sessionid"];
        if (!session.isString() || !readInt(request["id"], playerId) ||
            !m_services.sessions.check(session.asString(), playerId)) {
            if (!m_services.config.quiet) {
                Log::info("session notice for " + peer + " (command " + std::to_string(system) + ")");
            }
            return sessionNotice();
        }
        context.playerId = playerId;
        context.sessionId = session.asString();
    }
    const CommandHandler* handler = m_registry.find(system);
    if (handler == nullptr) {
        Log::info(std::string(m_role == ServerRole::Game ? "game" : "entry") + " server: no command " +
                  std::to_string(system) + " (from " + peer + "), answered {\"response\": 0}");
        return Answer::refused();
    }
    try {
        Answer answer = (*handler)(request, context);
        if (!answer.isRaw && answer.json.isObject() && !answer.json.isMember("system")) {
            answer.json["system"] = system;
        }
        return answer;
    } catch (const std::exception& e) {
        Log::info("command " + std::to_string(system) + " from " + peer + " failed: " + e.what());
        return Answer::refused();
    }
}

} // namespace server
