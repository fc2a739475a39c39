#include "contest/RemotePlayer.h"

#include "account/AccountChecks.h"
#include "account/ServerProcess.h"
#include "quiz/QuizScreenSupport.h"

#include "wire/frame.h"

#include <json/reader.h>
#include <json/writer.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <thread>

namespace test_support {

namespace {

Json::Value parsed(const std::string& text) {
    Json::Value v;
    if (text.empty() || !Json::Reader().parse(text, v) || !v.isObject()) return Json::Value();
    return v;
}

std::string written(const Json::Value& v) { return Json::FastWriter().write(v); }

} // namespace

std::string RemotePlayer::exchange(unsigned short port, const std::string& bytes) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return "";
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::string buffer;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        std::size_t sent = 0;
        while (sent < bytes.size()) {
            const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
            if (n <= 0) break;
            sent += static_cast<std::size_t>(n);
        }
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        char chunk[16384];
        while (std::chrono::steady_clock::now() < deadline) {
            if (auto length = wire::readLength(buffer); length && buffer.size() >= 4 + *length) {
                ::close(fd);
                return buffer.substr(4, *length);
            }
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 100) <= 0) continue;
            const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
            if (n <= 0) break;
            buffer.append(chunk, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    return "";
}

Json::Value RemotePlayer::object(int system) {
    Json::Value r(Json::objectValue);
    r["system"] = system;
    return r;
}

bool RemotePlayer::registerAccount(unsigned short entryPort, const std::string& mobile) {
    Json::Value r = object(1);
    r["username"] = mobile;
    r["pwd"] = AccountChecks::passwordDigest(password());
    r["mac"] = "REMOTE-" + mobile;
    return parsed(exchange(entryPort, written(r)))["response"].asInt() == 1;
}

bool RemotePlayer::signUp(unsigned short entryPort, unsigned short gamePort, const std::string& mobile) {
    m_gamePort = gamePort;
    m_mac = "REMOTE-" + mobile;
    if (!registerAccount(entryPort, mobile)) return false;
    Json::Value r = object(2);
    r["username"] = mobile;
    r["pwd"] = AccountChecks::passwordDigest(password());
    r["mac"] = m_mac;
    m_login = parsed(exchange(entryPort, written(r)));
    return m_login["response"].asInt() == 1 && id() != 0;
}

Json::Value RemotePlayer::game(Json::Value request) const {
    request["mac"] = m_mac;
    request["sessionid"] = m_login["sessionid"];
    request["id"] = m_login["id"];
    const wire::Decoded decoded = wire::decodeBody(exchange(m_gamePort, wire::encodeRequest(written(request))));
    return decoded.ok ? parsed(decoded.text) : Json::Value();
}

Json::Value RemotePlayer::beat() {
    Json::Value answer = game(object(10));
    if (answer.isObject() && answer["system"].asInt() != 10) inbox.push_back(answer);
    return answer;
}

void RemotePlayer::drain() {
    for (int i = 0; i < 100; ++i) {
        const Json::Value answer = beat();
        if (!answer.isObject() || answer["system"].asInt() == 10) return;
    }
}

Json::Value RemotePlayer::take(int system, int act) {
    for (auto it = inbox.begin(); it != inbox.end(); ++it) {
        if ((*it)["system"].asInt() == system && (act < 0 || (*it)["act"].asInt() == act)) {
            Json::Value found = *it;
            inbox.erase(it);
            return found;
        }
    }
    return Json::Value();
}

Json::Value RemotePlayer::awaitPush(int system, int act, double seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (;;) {
        Json::Value found = take(system, act);
        if (!found.isNull() || std::chrono::steady_clock::now() > deadline) return found;
        if (beat()["system"].asInt() == 10) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

Json::Value RemotePlayer::presence(int act, int matchType) const {
    Json::Value r = object(27);
    r["act"] = act;
    r["matchtype"] = matchType;
    return game(r);
}

Json::Value RemotePlayer::pair(int act, int matchType, const std::string& challenger) const {
    Json::Value r = object(28);
    r["act"] = act;
    r["matchtype"] = matchType;
    r["eqquse"] = 1;
    r["name"] = "remote";
    // Asking, the client names its own session; answering, the challenger's id it was sent.
    r["challenge"] = act == 0 ? m_login["sessionid"] : Json::Value(challenger);
    return game(r);
}

Json::Value RemotePlayer::answer(int qsid, const std::string& text) const {
    Json::Value r = object(30);
    r["qsid"] = qsid;
    r["answer"] = text;
    r["spendtime"] = 2.5;
    r["matchtype"] = 1;
    return game(r);
}

namespace {

const std::map<int, std::string>& rights() {
    static const std::map<int, std::string> found = [] {
        std::map<int, std::string> all;
        const auto folder =
            std::filesystem::path(ServerProcess::binary()).parent_path().parent_path() / "server-data/bank";
        std::error_code error;
        for (const auto& file : std::filesystem::directory_iterator(folder, error)) {
            for (const Json::Value& entry : jsonLines(file.path().string())) {
                all[entry["qsid"].asInt()] = entry["right"].asString();
            }
        }
        return all;
    }();
    return found;
}

} // namespace

std::string bankRight(int qsid) {
    const auto at = rights().find(qsid);
    return at == rights().end() ? std::string() : at->second;
}

std::string bankWrong(int qsid, const Json::Value& options) {
    for (const Json::Value& option : options) {
        if (option.asString() != bankRight(qsid)) return option.asString();
    }
    return "-1";
}

} // namespace test_support
