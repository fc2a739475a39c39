#include "ContestLoad.h"

#include "LoadRunner.h"

#include "commands/JsonText.h"
#include "wire/frame.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <fstream>
#include <mutex>
#include <queue>
#include <random>
#include <thread>
#include <vector>

namespace server::load {

namespace {

using Clock = std::chrono::steady_clock;

// Every bot uses the same password; only its digest travels, as from the client.
constexpr const char* kPasswordDigest = "0f5c3b1a9e7d2c4b6a8f0e1d3c5b7a92";

struct Bot {
    std::string mac;
    std::string sessionId;
    int id = 0;
    bool wantsOpponent = true;
    bool inContest = false;
    int pendingQsid = 0;
    std::string pendingAnswer;
    Clock::time_point answerAt;
    Clock::time_point due;
};

struct Due {
    Clock::time_point at;
    std::size_t bot;
    bool operator>(const Due& other) const { return at > other.at; }
};

bool parse(const std::string& body, Json::Value& out) {
    std::string error;
    return JsonText::parse(body, out, error) && out.isObject();
}

bool entryRequest(int port, const Json::Value& request, Json::Value& answer) {
    std::string body;
    return LoadRunner::exchange(port, AnswerKind::LengthPrefixed, JsonText::write(request), body) && parse(body, answer);
}

class Swarm {
public:
    // Every bot exists from the start, so workers may hold one while later ones are seated.
    explicit Swarm(const ContestPlan& plan) : m_plan(plan), m_bots(static_cast<std::size_t>(std::max(0, plan.maxPlayers))) {}

    ~Swarm() {
        {
            std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_wake.notify_all();
        for (auto& worker : m_workers) {
            worker.join();
        }
    }

    void startWorkers() {
        for (int t = 0; t < std::max(1, m_plan.threads); ++t) {
            m_workers.emplace_back([this] { work(); });
        }
    }

    // Registers, logs in and seats count more bots in the one-to-one hall; returns how many made it.
    int add(int count) {
        const std::size_t first = m_seated;
        const std::size_t end = std::min(m_bots.size(), first + static_cast<std::size_t>(std::max(0, count)));
        m_seated = end;
        std::atomic<std::size_t> next{first};
        std::atomic<int> ready{0};
        std::vector<std::thread> setup;
        for (int t = 0; t < 4; ++t) {
            setup.emplace_back([&] {
                for (std::size_t i = next++; i < end; i = next++) {
                    if (prepare(i)) {
                        ++ready;
                    }
                }
            });
        }
        for (auto& t : setup) {
            t.join();
        }
        // Spread the new bots' heartbeats evenly over the second, as real players would be.
        const auto now = Clock::now();
        {
            std::lock_guard lock(m_mutex);
            for (std::size_t i = first; i < end; ++i) {
                if (m_bots[i].id == 0) {
                    continue;
                }
                m_bots[i].due = now + std::chrono::microseconds(1'000'000 * (i - first) / static_cast<std::size_t>(count));
                m_heap.push({m_bots[i].due, i});
                ++m_active;
            }
        }
        m_wake.notify_all();
        return ready;
    }

    void beginWindow() {
        std::lock_guard lock(m_measure);
        m_latencies.clear();
        m_errors = 0;
        m_windowStart = Clock::now();
    }

    ContestStep endWindow() {
        ContestStep step;
        std::vector<double> latencies;
        double seconds = 0;
        {
            std::lock_guard lock(m_measure);
            latencies.swap(m_latencies);
            step.errors = m_errors;
            seconds = std::chrono::duration<double>(Clock::now() - m_windowStart).count();
        }
        step.heartbeats = static_cast<long long>(latencies.size());
        step.perSecond = seconds > 0 ? static_cast<double>(latencies.size()) / seconds : 0;
        auto at = [&latencies](double q) {
            if (latencies.empty()) {
                return 0.0;
            }
            const auto index = static_cast<std::size_t>(q * static_cast<double>(latencies.size() - 1));
            std::nth_element(latencies.begin(), latencies.begin() + static_cast<std::ptrdiff_t>(index), latencies.end());
            return latencies[index];
        };
        step.p50Ms = at(0.5);
        step.p99Ms = at(0.99);
        std::lock_guard lock(m_mutex);
        step.players = m_active;
        step.inContest = m_inContest;
        return step;
    }

private:
    bool prepare(std::size_t i) {
        Bot& bot = m_bots[i];
        char name[32];
        std::snprintf(name, sizeof name, "%s%09zu", m_plan.namePrefix.c_str(), i);
        char mac[32];
        std::snprintf(mac, sizeof mac, "CL%010zu", i);
        bot.mac = mac;
        Json::Value answer;
        Json::Value reg(Json::objectValue);
        reg["system"] = 1;
        reg["username"] = name;
        reg["pwd"] = kPasswordDigest;
        reg["mac"] = mac;
        reg["tuijian"] = 0;
        entryRequest(m_plan.entryPort, reg, answer); // an account left from a previous run is fine
        Json::Value login(Json::objectValue);
        login["system"] = 2;
        login["username"] = name;
        login["pwd"] = kPasswordDigest;
        login["mac"] = mac;
        login["deviceid"] = 3;
        login["platid"] = 0;
        login["flag"] = 0;
        if (!entryRequest(m_plan.entryPort, login, answer) || answer["response"].asInt() != 1) {
            return false;
        }
        bot.id = answer["id"].asInt();
        bot.sessionId = answer["sessionid"].asString();
        Json::Value enter = body(bot, 27);
        enter["act"] = 1;
        enter["matchtype"] = 1;
        Json::Value entered;
        if (!game(enter, entered) || entered["response"].asInt() != 1) {
            bot.id = 0;
            return false;
        }
        return true;
    }

    static Json::Value body(const Bot& bot, int system) {
        Json::Value v(Json::objectValue);
        v["system"] = system;
        v["mac"] = bot.mac;
        v["sessionid"] = bot.sessionId;
        v["id"] = bot.id;
        return v;
    }

    bool game(const Json::Value& request, Json::Value& answer) const {
        std::string body;
        if (!LoadRunner::exchange(m_plan.gamePort, AnswerKind::LengthPrefixed,
                                  wire::encodeRequest(JsonText::write(request)), body)) {
            return false;
        }
        const wire::Decoded decoded = wire::decodeBody(body);
        return decoded.ok && parse(decoded.text, answer);
    }

    void work() {
        std::mt19937 random(std::random_device{}());
        std::unique_lock lock(m_mutex);
        while (!m_stopping) {
            if (m_heap.empty()) {
                m_wake.wait(lock);
                continue;
            }
            const Due next = m_heap.top();
            if (next.at > Clock::now()) {
                m_wake.wait_until(lock, next.at);
                continue;
            }
            m_heap.pop();
            lock.unlock();
            visit(m_bots[next.bot], random);
            lock.lock();
            Bot& bot = m_bots[next.bot];
            bot.due = std::max(bot.due + std::chrono::seconds(1), Clock::now());
            m_heap.push({bot.due, next.bot});
        }
    }

    // One second of a player's life: the search or the answer when one is due, then the heartbeat.
    void visit(Bot& bot, std::mt19937& random) {
        Json::Value answer;
        if (bot.wantsOpponent) {
            Json::Value ask = body(bot, 28);
            ask["act"] = 0;
            ask["matchtype"] = 1;
            ask["eqquse"] = 1;
            ask["challenge"] = bot.sessionId;
            ask["name"] = bot.mac;
            if (game(ask, answer) && answer["response"].asInt() == 1) {
                bot.wantsOpponent = false;
            }
        }
        if (bot.pendingQsid != 0 && Clock::now() >= bot.answerAt) {
            Json::Value reply = body(bot, 30);
            reply["qsid"] = bot.pendingQsid;
            reply["answer"] = bot.pendingAnswer;
            reply["spendtime"] = m_plan.answerDelay;
            reply["matchtype"] = 1;
            game(reply, answer);
            bot.pendingQsid = 0;
        }
        const auto begin = Clock::now();
        const bool ok = game(body(bot, 10), answer);
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
        {
            std::lock_guard lock(m_measure);
            if (ok) {
                m_latencies.push_back(ms);
            } else {
                ++m_errors;
            }
        }
        if (ok) {
            readPush(bot, answer, random);
        }
    }

    void readPush(Bot& bot, const Json::Value& push, std::mt19937& random) {
        const int system = push["system"].asInt();
        const int act = push["act"].asInt();
        if (system == 28 && act == 3) {
            setInContest(bot, true);
        } else if (system == 28 && act == 6) {
            bot.wantsOpponent = true;
        } else if (system == 29) {
            bot.pendingQsid = push["qsid"].asInt();
            const Json::Value& options = push["answer"];
            bot.pendingAnswer = options.isArray() && !options.empty() && options[0].isString() ? options[0].asString() : "-1";
            std::uniform_real_distribution<double> spread(0.5, 1.5);
            bot.answerAt = Clock::now() + std::chrono::milliseconds(static_cast<int>(1000 * m_plan.answerDelay * spread(random)));
        } else if (system == 32 && act == 1) {
            setInContest(bot, false);
            bot.pendingQsid = 0;
            bot.wantsOpponent = true;
        }
    }

    void setInContest(Bot& bot, bool in) {
        std::lock_guard lock(m_mutex);
        if (bot.inContest != in) {
            bot.inContest = in;
            m_inContest += in ? 1 : -1;
        }
    }

    const ContestPlan& m_plan;
    std::vector<Bot> m_bots;
    std::size_t m_seated = 0; // bots [0, m_seated) have been prepared (main thread only)
    std::priority_queue<Due, std::vector<Due>, std::greater<>> m_heap;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
    int m_active = 0;
    int m_inContest = 0;
    std::vector<std::thread> m_workers;

    std::mutex m_measure;
    std::vector<double> m_latencies;
    long long m_errors = 0;
    Clock::time_point m_windowStart;
};

long residentKb(int pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::atol(line.c_str() + 6);
        }
    }
    return 0;
}

} // namespace

ContestStep ContestLoad::run(const ContestPlan& plan, std::FILE* out) {
    Swarm swarm(plan);
    swarm.startWorkers();
    ContestStep held;
    for (int players = plan.stepPlayers; players <= plan.maxPlayers; players += plan.stepPlayers) {
        const int ready = swarm.add(plan.stepPlayers);
        // Let the new players find opponents before measuring.
        std::this_thread::sleep_for(std::chrono::seconds(3));
        swarm.beginWindow();
        std::this_thread::sleep_for(plan.stepTime);
        ContestStep step = swarm.endWindow();
        if (plan.serverPid > 0) {
            step.rssKb = residentKb(plan.serverPid);
        }
        // Held: the p99 within the limit, and the heartbeats kept pace with the players.
        const bool ok = step.p99Ms <= plan.p99LimitMs && step.perSecond >= 0.9 * step.players && step.errors == 0;
        std::fprintf(out, "step players %d ready %d in_contest %d heartbeats %lld errors %lld rps %.1f p50_ms %.2f p99_ms %.2f rss_kb %ld %s\n",
                     step.players, ready, step.inContest, step.heartbeats, step.errors, step.perSecond, step.p50Ms,
                     step.p99Ms, step.rssKb, ok ? "held" : "missed");
        std::fflush(out);
        if (!ok) {
            break;
        }
        held = step;
    }
    return held;
}

} // namespace server::load
