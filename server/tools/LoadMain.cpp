// brindle-load: a loopback load generator for the game server (guest login, then heartbeats),
// for an HTTP server (GET with Connection: close), for mass guest logins and for the morning
// rush of daily sign-ins.
#include "ContestLoad.h"
#include "LoadRunner.h"

#include "commands/JsonText.h"
#include "wire/frame.h"

#include <charconv>
#include <memory>
#include <set>
#include <cstdio>
#include <string>
#include <vector>

using server::load::AnswerKind;
using server::load::LoadPlan;
using server::load::LoadResult;
using server::load::LoadRunner;

namespace {

const char* const kUsage = R"(Usage: brindle-load --target game|http|login|signin [OPTIONS]

  --target game    log in --players guests (default 8) at --entry-port, then send heartbeats,
                   each guest's to the game server its login answer names ("ip" must be
                   loopback), so the load spreads as the entry server spreads players
  --target http    GET --path from the HTTP server at --port, Connection: close
  --target login   log in --requests different guests at the entry server at --port
  --target signin  log in --players guests at --entry-port, then each signs in for the day once
                   at the game server at --port (a write transaction with its reward each)
  --target contest registered players at --entry-port who search the one-to-one hall of the game
                   server at --port, play their contests and heartbeat once a second each; added
                   --step at a time up to --players while the p99 heartbeat stays in --p99-ms
  --port N         the port under load (always on 127.0.0.1: this tool is loopback only); the
                   game target takes its ports from the login answers instead
  --entry-port N   the entry server (game target)
  --host HOST      must be a loopback address (default 127.0.0.1)
  --path PATH      HTTP path (default /)
  --requests N     stop after N requests (default 10000)
  --seconds S      stop after S seconds (default 10)
  --threads N      concurrent connections (default 2)
  --players N      contest: the most players (default 8000); signin, game: the guests
  --step N         contest: players added per step (default 1000)
  --step-seconds S contest: measured seconds per step (default 10)
  --p99-ms N       contest: the heartbeat p99 a step must keep (default 20)
  --server-pid N   contest: report this process's resident memory at each step

Prints requests, errors, seconds, rps, p50_ms, p99_ms and answer_bytes, one per line (the game
target adds game_servers, how many game ports its guests were given); the contest target prints
a line per step, then contest_players_held and contest_rss_kb.
)";

bool toNumber(const char* text, long long& out) {
    const std::string s(text);
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && ptr == s.data() + s.size() && out >= 0;
}

std::string loginRequest(const std::string& mac) {
    Json::Value r(Json::objectValue);
    r["system"] = 2;
    r["mac"] = mac;
    r["deviceid"] = 3;
    r["platid"] = 0;
    r["flag"] = 0;
    r["username"] = "";
    r["pwd"] = "";
    return server::JsonText::write(r);
}

bool parseAnswer(const std::string& body, Json::Value& out) {
    std::string error;
    return server::JsonText::parse(body, out, error) && out.isObject();
}

void report(const char* target, LoadResult& r) {
    std::printf("target %s\nrequests %llu\nerrors %llu\nseconds %.3f\nrps %.1f\np50_ms %.3f\np99_ms %.3f\nanswer_bytes %zu\n", target,
                static_cast<unsigned long long>(r.requests), static_cast<unsigned long long>(r.errors), r.seconds,
                r.perSecond(), r.percentileMs(0.50), r.percentileMs(0.99), r.answerBytes);
}

} // namespace

int main(int argc, char** argv) {
    std::string target;
    std::string host = "127.0.0.1";
    std::string path = "/";
    long long port = 0;
    long long entryPort = 0;
    long long requests = 10'000;
    long long seconds = 10;
    long long threads = 2;
    long long players = -1; // by target: 8000 contest players, 8 heartbeating guests
    long long step = 1000;
    long long stepSeconds = 10;
    long long p99Ms = 20;
    long long serverPid = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const char* v = i + 1 < argc ? argv[i + 1] : nullptr;
        auto number = [&](long long& out) {
            if (v == nullptr || !toNumber(v, out)) {
                std::fprintf(stderr, "brindle-load: %s needs a number\n", a.c_str());
                std::exit(2);
            }
            ++i;
        };
        if (a == "--help" || a == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (a == "--target" && v) {
            target = argv[++i];
        } else if (a == "--host" && v) {
            host = argv[++i];
        } else if (a == "--path" && v) {
            path = argv[++i];
        } else if (a == "--port") {
            number(port);
        } else if (a == "--entry-port") {
            number(entryPort);
        } else if (a == "--requests") {
            number(requests);
        } else if (a == "--seconds") {
            number(seconds);
        } else if (a == "--threads") {
            number(threads);
        } else if (a == "--players") {
            number(players);
        } else if (a == "--step") {
            number(step);
        } else if (a == "--step-seconds") {
            number(stepSeconds);
        } else if (a == "--p99-ms") {
            number(p99Ms);
        } else if (a == "--server-pid") {
            number(serverPid);
        } else {
            std::fprintf(stderr, "brindle-load: unknown option %s\n\n%s", a.c_str(), kUsage);
            return 2;
        }
    }
    if (host != "127.0.0.1" && host != "localhost") {
        std::fprintf(stderr, "brindle-load: only loopback targets are allowed (got %s)\n", host.c_str());
        return 2;
    }
    if ((target != "game" && port <= 0) || port > 65535 || threads < 1 || threads > 1024) {
        std::fprintf(stderr, "brindle-load: --port (1-65535) and --threads (1-1024) are needed\n\n%s", kUsage);
        return 2;
    }
    if (players < 0) {
        players = target == "game" ? 8 : 8000;
    }
    if (target == "contest") {
        if (entryPort <= 0 || step < 1 || players < step || players > 100'000) {
            std::fprintf(stderr, "brindle-load: contest needs --entry-port, and 1 <= --step <= --players <= 100000\n");
            return 2;
        }
        server::load::ContestPlan contest;
        contest.entryPort = static_cast<int>(entryPort);
        contest.gamePort = static_cast<int>(port);
        contest.maxPlayers = static_cast<int>(players);
        contest.stepPlayers = static_cast<int>(step);
        contest.stepTime = std::chrono::seconds(stepSeconds);
        contest.p99LimitMs = static_cast<double>(p99Ms);
        contest.threads = static_cast<int>(threads);
        contest.serverPid = static_cast<int>(serverPid);
        const server::load::ContestStep held = server::load::ContestLoad::run(contest, stdout);
        std::printf("contest_players_held %d\ncontest_rss_kb %ld\n", held.inContest, held.rssKb);
        return held.players > 0 ? 0 : 1;
    }
    LoadPlan plan;
    plan.port = static_cast<int>(port);
    plan.threads = static_cast<int>(threads);
    plan.maxRequests = static_cast<std::uint64_t>(requests);
    plan.maxTime = std::chrono::seconds(seconds);

    if (target == "http") {
        const std::string get = "GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";
        plan.kind = AnswerKind::ToClose;
        plan.request = [get](std::uint64_t) { return get; };
        plan.accept = [](const std::string& body) { return body.rfind("HTTP/1.1 200", 0) == 0; };
    } else if (target == "game") {
        if (entryPort <= 0 || players < 1 || players > 10'000) {
            std::fprintf(stderr, "brindle-load: game needs --entry-port and 1 <= --players <= 10000\n");
            return 2;
        }
        // Each guest's heartbeat, and the game port its login answer named.
        std::vector<std::pair<int, std::string>> beats;
        std::set<int> ports;
        for (long long i = 0; i < players; ++i) {
            char mac[32];
            std::snprintf(mac, sizeof mac, "LOAD%08llX", static_cast<unsigned long long>(i));
            std::string body;
            Json::Value login;
            if (!LoadRunner::exchange(static_cast<int>(entryPort), AnswerKind::LengthPrefixed, loginRequest(mac), body) ||
                !parseAnswer(body, login) || login["response"].asInt() != 1) {
                std::fprintf(stderr, "brindle-load: guest login %lld at entry port %lld failed\n", i, entryPort);
                return 1;
            }
            const std::string ip = login["ip"].isString() ? login["ip"].asString() : "";
            const int gamePort = login["port"].isInt() ? login["port"].asInt() : 0;
            if ((ip != "127.0.0.1" && ip != "localhost") || gamePort <= 0 || gamePort > 65535) {
                std::fprintf(stderr, "brindle-load: login answer names game server %s:%d, not a loopback port\n",
                             ip.c_str(), gamePort);
                return 1;
            }
            Json::Value beat(Json::objectValue);
            beat["system"] = 10;
            beat["mac"] = mac;
            beat["sessionid"] = login["sessionid"];
            beat["id"] = login["id"];
            beats.emplace_back(gamePort, wire::encodeRequest(server::JsonText::write(beat)));
            ports.insert(gamePort);
        }
        std::printf("game_servers %zu\n", ports.size());
        auto shared = std::make_shared<const std::vector<std::pair<int, std::string>>>(std::move(beats));
        plan.portOf = [shared](std::uint64_t n) { return (*shared)[n % shared->size()].first; };
        plan.request = [shared](std::uint64_t n) { return (*shared)[n % shared->size()].second; };
        // A session notice is a well-formed answer too; only a heartbeat's own answer counts.
        plan.accept = [](const std::string& answer) {
            const wire::Decoded decoded = wire::decodeBody(answer);
            Json::Value v;
            return decoded.ok && parseAnswer(decoded.text, v) && v["response"].asInt() == 1;
        };
    } else if (target == "login") {
        plan.request = [](std::uint64_t n) {
            char mac[32];
            std::snprintf(mac, sizeof mac, "%012llX", static_cast<unsigned long long>(n) + 0x100000000ULL);
            return loginRequest(mac);
        };
        plan.accept = [](const std::string& answer) {
            Json::Value v;
            return parseAnswer(answer, v) && v["response"].asInt() == 1;
        };
    } else if (target == "signin") {
        if (players < 1 || players > 100'000) {
            std::fprintf(stderr, "brindle-load: signin needs 1 <= --players <= 100000\n");
            return 2;
        }
        // Everybody's first request of the day: every guest logs in, then the timed part is one
        // sign-in each, so every request is a fresh write with its reward.
        std::vector<std::string> signIns;
        for (long long i = 0; i < players; ++i) {
            char mac[32];
            std::snprintf(mac, sizeof mac, "SIGN%08llX", static_cast<unsigned long long>(i));
            std::string body;
            Json::Value login;
            if (entryPort <= 0 ||
                !LoadRunner::exchange(static_cast<int>(entryPort), AnswerKind::LengthPrefixed, loginRequest(mac), body) ||
                !parseAnswer(body, login) || login["response"].asInt() != 1) {
                std::fprintf(stderr, "brindle-load: guest login %lld at entry port %lld failed\n", i, entryPort);
                return 1;
            }
            Json::Value sign(Json::objectValue);
            sign["system"] = 11;
            sign["act"] = "everyday";
            sign["req"] = "sign";
            sign["mac"] = mac;
            sign["sessionid"] = login["sessionid"];
            sign["id"] = login["id"];
            signIns.push_back(wire::encodeRequest(server::JsonText::write(sign)));
        }
        plan.maxRequests = signIns.size();
        plan.request = [signIns = std::move(signIns)](std::uint64_t n) { return signIns[n % signIns.size()]; };
        plan.accept = [](const std::string& answer) {
            const wire::Decoded decoded = wire::decodeBody(answer);
            Json::Value v;
            return decoded.ok && parseAnswer(decoded.text, v) && v["response"].asInt() == 1;
        };
    } else {
        std::fprintf(stderr, "brindle-load: --target game, http, login, signin or contest\n\n%s", kUsage);
        return 2;
    }
    LoadResult result = LoadRunner::run(plan);
    report(target.c_str(), result);
    return result.requests > 0 ? 0 : 1;
}
