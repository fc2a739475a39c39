#include "commands/Dispatcher.h"

#include "accounts/SessionTable.h"
#include "app/Log.h"
#include "app/ServerConfig.h"
#include "commands/JsonText.h"
#include "commands/RequestLog.h"

#include <chrono>

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
    // Built only for a refusal: the usual request must not pay for it.
    auto where = [&] { return std::string(m_role == ServerRole::Game ? "game " : "entry ") + peer; };
    Json::Value request;
    std::string error;
    if (!JsonText::parse(text, request, error) || !request.isObject()) {
        Log::refusal(where(), "malformed JSON: " + error.substr(0, error.find('\n')));
        return Answer::refused();
    }
    int system = 0;
    if (!readInt(request["system"], system)) {
        Log::refusal(where(), "request without a numeric \"system\"");
        return Answer::refused();
    }
    const CommandRegistry::Command* command = m_registry.find(system);
    RequestLog::Request logged{m_role, peer, system, command ? std::string_view(command->name) : "", request, 0};
    RequestContext context{m_services, 0, {}, peer, {}};
    if (m_role == ServerRole::Game && !(command && command->open)) {
        int playerId = 0;
        const Json::Value& session = request["sessionid"];
        bool known = false;
        try {
            known = session.isString() && readInt(request["id"], playerId) &&
                    m_services.sessions.check(session.asString(), playerId);
        } catch (const std::exception& e) {
            // Shared sessions live in the database: while it is away nothing can be served.
            Log::refusal(where(), std::string("session check failed: ") + e.what());
            return Answer::refused();
        }
        if (!known) {
            if (Log::enabled(LogLevel::Info)) {
                Log::info(RequestLog::sessionNotice(logged));
            }
            return sessionNotice();
        }
        context.playerId = playerId;
        context.sessionId = session.asString();
        logged.playerId = playerId;
    }
    if (command == nullptr) {
        Log::refusal(where(), "unknown command " + std::to_string(system) +
                                (context.playerId ? " (player " + std::to_string(context.playerId) + ")" : "") +
                                ", answered {\"response\": 0}");
        return Answer::refused();
    }
    // At "quiet" nothing is timed or formatted; at "info" a heartbeat costs one clock read pair
    // and a counter, since only its answer tells whether it delivered a push worth a line.
    const bool timed = Log::enabled(LogLevel::Info);
    const auto start = timed ? std::chrono::steady_clock::now() : std::chrono::steady_clock::time_point{};
    Answer answer;
    try {
        answer = command->handler(request, context);
    } catch (const std::exception& e) {
        Log::refusal(where(), "type " + std::to_string(system) + " (" + command->name + ") failed: " + e.what());
        return Answer::refused();
    }
    if (!answer.isRaw && answer.json.isObject() && !answer.json.isMember("system")) {
        answer.json["system"] = system;
    }
    if (timed) {
        // A routine command is logged anyway when its answer carried a pushed message.
        const Json::Value& json = answer.json;
        const bool pushed = !answer.isRaw && json.isObject() && json["system"] != Json::Value(system);
        if (Log::enabled(command->logLevel) || pushed) {
            const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
            Log::info(RequestLog::line(logged, answer, context.logNote, took.count()));
        } else if (!command->open) {
            m_unlogged.fetch_add(1, std::memory_order_relaxed);
        }
    }
    return answer;
}

std::uint64_t Dispatcher::takeUnloggedCount() const { return m_unlogged.exchange(0, std::memory_order_relaxed); }

} // namespace server
