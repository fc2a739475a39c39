// The real server over loopback for the achievement and treasure tests: the question bank
// loaded (answers count), and a contest clock the test sets, since the treasure's day is read
// from it.
#pragma once

#include "integration/TestClient.h"
#include "integration/TestServer.h"
#include "quiz/QuizStore.h"
#include "storage/PlayerStore.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>

namespace server::test {

inline Json::Value command(int system, const char* act = nullptr) {
    Json::Value r(Json::objectValue);
    r["system"] = system;
    if (act != nullptr) {
        r["act"] = act;
    }
    return r;
}

struct ProgressPlayer {
    TestServer* server = nullptr;
    std::string mac;
    Json::Value login;

    int id() const { return login["id"].asInt(); }
    Json::Value game(const Json::Value& request) const { return server->game(request, login, mac); }
    PlayerRecord record() const { return *server->app().services().players.find(id()); }
    // Asks for the question and answers it; the verdict.
    Json::Value answer(int qsid, const std::string& text) const {
        auto ask = command(2);
        ask["qsid"] = qsid;
        EXPECT_EQ(game(ask)["response"].asInt(), 1);
        auto r = command(3);
        r["qsid"] = qsid;
        r["answer"] = text;
        return game(r);
    }
};

class ProgressTest : public ::testing::Test {
protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        at(2026, 12, 9, 12, 0);
        server = std::make_unique<TestServer>([this](ServerConfig& c) {
            c.bankDir = std::string(BRINDLE_SERVER_SOURCE_DIR) + "/bank/questions";
            c.mediaDir =
                (fs::path(BRINDLE_SERVER_BINARY).parent_path().parent_path() / "server-data" / "media").string();
            c.contestSweeper = false;
            c.contestClock = [this] {
                return std::chrono::system_clock::time_point(std::chrono::milliseconds(now.load()));
            };
        });
        quiz::QuizStore bank(server->app().services().storage);
        questions = bank.questionIds();
        ASSERT_GE(questions.size(), 30u);
    }

    // The contest clock at this local time.
    void at(int year, int month, int day, int hour, int minute, int second = 0) {
        std::tm tm{};
        tm.tm_year = year - 1900;
        tm.tm_mon = month - 1;
        tm.tm_mday = day;
        tm.tm_hour = hour;
        tm.tm_min = minute;
        tm.tm_sec = second;
        tm.tm_isdst = -1;
        now = static_cast<std::int64_t>(std::mktime(&tm)) * 1000;
    }

    ProgressPlayer guest(const std::string& mac) { return ProgressPlayer{server.get(), mac, server->loginGuest(mac)}; }

    std::string rightOf(int qsid) {
        quiz::QuizStore bank(server->app().services().storage);
        return bank.find(qsid)->right;
    }

    std::unique_ptr<TestServer> server;
    std::atomic<std::int64_t> now{0};
    std::vector<int> questions;
};

} // namespace server::test
