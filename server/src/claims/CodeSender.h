// Where a claim code goes: the outbox file an operator's own tools pick up, or a gateway command.
// Only the mobile number and the message reach either; log lines name the player and never the
// number or the code.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace asio {
class thread_pool;
}

namespace server::claims {

class CodeSender {
public:
    virtual ~CodeSender() = default;
    // Never throws: a failure is logged, the code stays stored either way.
    virtual void send(int playerId, const std::string& tel, const std::string& message) = 0;
};

// Appends "yyyy-mm-dd hh:mm:ss<TAB>tel<TAB>message" to a file readable by its owner alone, one
// write per line so lines of racing requests (or of another process on the same file) never mix.
class OutboxSender : public CodeSender {
public:
    OutboxSender(std::string path, std::function<std::int64_t()> nowMs);
    void send(int playerId, const std::string& tel, const std::string& message) override;
    const std::string& path() const { return m_path; }

    static std::string line(std::int64_t ms, const std::string& tel, const std::string& message);
    // The outbox beside a database file; for a PostgreSQL database, in the working folder.
    static std::string besideDatabase(const std::string& dbPath);
    // The configured outbox (--sms-outbox), else the one beside the database.
    static std::string pathFor(const std::string& configured, const std::string& dbPath);

private:
    std::string m_path;
    std::function<std::int64_t()> m_nowMs;
    std::mutex m_mutex;
};

// Runs the operator's gateway: CMD split on spaces, no shell, the tel and the message appended as
// the last two arguments. It runs on a small pool of its own, so a slow gateway never holds up an
// io thread; the destructor waits for the commands still running.
class CommandSender : public CodeSender {
public:
    explicit CommandSender(const std::string& command, std::chrono::milliseconds limit = std::chrono::seconds(10));
    ~CommandSender() override;
    void send(int playerId, const std::string& tel, const std::string& message) override;

    // CMD's words; empty when it has none.
    static std::vector<std::string> words(const std::string& command);

    struct Outcome {
        bool ok = false;
        std::string why; // for the log: never an argument, only the program and what became of it
    };
    // Runs argv to its end, or kills it once the limit is over. Output goes nowhere.
    static Outcome run(const std::vector<std::string>& argv, std::chrono::milliseconds limit);

private:
    std::vector<std::string> m_words;
    std::chrono::milliseconds m_limit;
    std::unique_ptr<asio::thread_pool> m_pool;
};

} // namespace server::claims
