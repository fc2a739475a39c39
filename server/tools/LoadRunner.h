// brindle-load's engine: worker threads that each open one connection per request, send it,
// read the whole answer and close, until the request count or the time is used up.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace server::load {

struct LoadResult {
    std::uint64_t requests = 0; // answered completely
    std::uint64_t errors = 0;   // refused, cut or timed out
    double seconds = 0;
    std::vector<double> latenciesMs; // one per answered request
    std::size_t answerBytes = 0;     // size of an answer on the wire (length prefix included)

    double perSecond() const { return seconds > 0 ? static_cast<double>(requests) / seconds : 0; }
    // q in [0, 1]; 0 without samples.
    double percentileMs(double q);
};

enum class AnswerKind {
    LengthPrefixed, // our servers: 4-byte length, then the body
    ToClose,        // HTTP with Connection: close: everything until the server closes
};

struct LoadPlan {
    int port = 0;
    // The port of request number n when requests go to several servers; empty: `port`.
    std::function<int(std::uint64_t n)> portOf;
    AnswerKind kind = AnswerKind::LengthPrefixed;
    int threads = 2;
    std::uint64_t maxRequests = 10'000;
    std::chrono::milliseconds maxTime{10'000};
    // The bytes of request number n (called from worker threads; must be thread-safe).
    std::function<std::string(std::uint64_t n)> request;
    // Optional check of an answer body; false counts as an error.
    std::function<bool(const std::string& body)> accept;
};

class LoadRunner {
public:
    static LoadResult run(const LoadPlan& plan);
    // One exchange on a fresh loopback connection; false on any failure. body gets the answer
    // (without the length prefix for LengthPrefixed).
    static bool exchange(int port, AnswerKind kind, const std::string& request, std::string& body);
};

} // namespace server::load
