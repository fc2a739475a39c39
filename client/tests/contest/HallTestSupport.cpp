#include "contest/HallTestSupport.h"

#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "contest/ContestPushRouter.h"
#include "contest/ContestScenes.h"
#include "net/ContestParsers.h"
#include "net/GameData.h"
#include "net/MsgResponse.h"
#include "net/NetManager.h"
#include "net/UserSession.h"
#include "widgets/CMyMessageBox.h"

#include <json/writer.h>
#include <sqlite3.h>

#include <chrono>
#include <thread>

#include "testing/EngineTesting.h"

USING_NS_CC;
USING_NS_CC_EXT;

namespace test_support {

namespace {

void collectBoxes(CCNode* node, std::vector<CMyMessageBox*>& found) {
    if (node == nullptr) return;
    if (auto* box = dynamic_cast<CMyMessageBox*>(node)) found.push_back(box);
    CCArray* children = node->getChildren();
    for (unsigned i = 0; children && i < children->count(); ++i) {
        collectBoxes(static_cast<CCNode*>(children->objectAtIndex(i)), found);
    }
}

} // namespace

void HallTest::SetUp() {
    ClientTest::SetUp();
    beforePictures();
    useGameResources();
    setGameTexts();
    NetManager::installFrameHook();
    registerContestScenes();
    for (int id : {2, 13, 14, 22, 24, 25, 29}) {
        SceneDirector::instance().registerScene(id, [] { return CCScene::create(); });
    }
    m_answers.schedule = openDay();
    m_game = std::make_unique<LoopbackServer>(true, [this](const Json::Value& request) {
        std::lock_guard<std::mutex> hold(m_lock);
        Json::Value answer(Json::objectValue);
        const int system = request["system"].asInt();
        answer["system"] = system;
        answer["response"] = 1;
        if (system == 26) {
            answer["matchact"] = m_answers.schedule;
        } else if (system == 27) {
            answer["act"] = request["act"];
            answer["response"] = m_answers.enterResponse;
            if (request["act"].asInt() == 1) {
                answer["enablecount"] = m_answers.enableCount;
                answer["isking"] = m_answers.isKing;
            }
        } else if (system == 28 && !m_answers.challenge.isNull()) {
            answer = m_answers.challenge;
        }
        return Reply::json(answer);
    });
    NetManager::instance().setGameEndpoint("127.0.0.1", m_game->port());
    UserSession::instance().setLoginValues(10002, "s-10002");
    UserSession::instance().setAccountKind(1);
    StoredSettings::storeUserName("13800000002");
    GameData::instance().user.nickname = "小白兔";
    GameData::instance().user.level = 12;
}

void HallTest::TearDown() {
    EXPECT_TRUE(pumpUntilIdle());
    ContestPushRouter::clearHallHandler();
    ContestPushRouter::clearPlayHandler();
    ContestParsers::hooks().contestPush = nullptr;
    ClientTest::TearDown();
    m_game.reset();
}

void HallTest::setAnswers(const Answers& answers) {
    std::lock_guard<std::mutex> hold(m_lock);
    m_answers = answers;
}

Json::Value HallTest::scheduleEntry(int type, int freeCount, int maxCount, int delMoney, int status,
                                    const std::string& start, const std::string& end, const std::string& now) {
    Json::Value entry;
    entry["matchtype"] = type;
    entry["delmoney"] = delMoney;
    entry["pkfreecount"] = freeCount;
    entry["pkmaxcount"] = maxCount;
    entry["matchid"] = 100 + type;
    entry["level"] = 0;
    entry["status"] = status;
    entry["starttime"] = start;
    entry["endtime"] = end;
    entry["servertime"] = now;
    return entry;
}

Json::Value HallTest::openDay() {
    Json::Value day(Json::arrayValue);
    const std::string now = "20261209120000";
    day.append(scheduleEntry(1, 3, 5, 5, 1, "20261209000000", "20261209235959", now));
    day.append(scheduleEntry(2, 0, 1, 0, 1, "20261209200000", "20261209203000", now));
    day.append(scheduleEntry(3, 1, 5, 10, 1, "20261209080000", "20261209233000", now));
    day.append(scheduleEntry(4, 0, 1, 0, 1, "20261209200000", "20261209203000", now));
    return day;
}

void HallTest::enter(int sceneId) {
    SceneDirector::instance().switchTo(sceneId);
    engine::testing::stepSeconds(0.3f);
    settle();
}

void HallTest::feedSchedule(const Json::Value& entries) {
    Json::Value answer;
    answer["system"] = 26;
    answer["response"] = 1;
    answer["matchact"] = entries;
    int code = -1;
    EXPECT_TRUE(MsgResponse::instance().OnResPonse(Json::FastWriter().write(answer), 38, &code));
    EXPECT_EQ(code, 0);
}

void HallTest::push(const std::string& json) {
    int code = -1;
    EXPECT_TRUE(MsgResponse::instance().OnResPonse(json, 35, &code)) << json;
}

void HallTest::settle() {
    // Frames without game time: the answers arrive, the halls' clocks stand still.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (NetManager::instance().outstanding() > 0) {
        ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "answers did not arrive";
        engine::testing::stepFrames(1, 0.0f);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void HallTest::wait(float seconds) {
    // Half-second steps so the halls' ticks see every value they would in play.
    for (float left = seconds; left > 0; left -= 0.5f) {
        engine::testing::stepSeconds(left < 0.5f ? left : 0.5f);
        settle();
    }
}

std::vector<Json::Value> HallTest::sent(int system, int act) const {
    std::vector<Json::Value> found;
    for (const Json::Value& request : m_game->requests()) {
        if (request["system"].asInt() != system) continue;
        if (act >= 0 && request["act"].asInt() != act) continue;
        found.push_back(request);
    }
    return found;
}

std::vector<CMyMessageBox*> HallTest::boxes() {
    std::vector<CMyMessageBox*> found;
    collectBoxes(CCDirector::sharedDirector()->getRunningScene(), found);
    return found;
}

CMyMessageBox* HallTest::boxSaying(const std::string& message) {
    for (CMyMessageBox* box : boxes()) {
        if (box->messageText() == message) return box;
    }
    return nullptr;
}

void HallTest::pressSure(CMyMessageBox* box) {
    ASSERT_NE(box, nullptr);
    CCSprite* sure = box->button(1) ? box->button(1) : box->button(2);
    ASSERT_NE(sure, nullptr);
    box->handleRelease(sure->getPosition());
}

void HallTest::pressCancel(CMyMessageBox* box) {
    ASSERT_NE(box, nullptr);
    ASSERT_NE(box->button(3), nullptr);
    box->handleRelease(box->button(3)->getPosition());
}

bool HallTest::hasCancel(CMyMessageBox* box) { return box != nullptr && box->button(3) != nullptr; }

void HallTest::tapWidget(UIWidget* widget) {
    ASSERT_NE(widget, nullptr);
    const CCSize size = widget->getContentSize();
    const CCPoint at = widget->convertToWorldSpace(ccp(size.width / 2, size.height / 2));
    engine::testing::tap(at.x, at.y);
}

std::string HallTest::text(const char* key) { return LocalText::instance().text(key); }

void HallServerTest::SetUp() {
    HallTest::SetUp();
    if (!m_server.start(m_folder)) GTEST_SKIP() << "brindle-server not found beside the tests";
}

void HallServerTest::signUp(bool remoteIsKing) {
    if (remoteIsKing) {
        ASSERT_TRUE(m_server.addRemote(m_remote, "13900000001"));
    }
    ASSERT_TRUE(m_server.logInClient("13900000002"));
    if (!remoteIsKing) {
        ASSERT_TRUE(m_server.addRemote(m_remote, "13900000003"));
    }
}

int HallServerTest::clientId() const { return UserSession::instance().userId(); }

bool HallServerTest::sql(const std::string& statement, int* value) {
    sqlite3* db = nullptr;
    if (sqlite3_open((m_folder + "server.db").c_str(), &db) != SQLITE_OK) return false;
    sqlite3_busy_timeout(db, 5000);
    char* error = nullptr;
    auto first = [](void* out, int, char** values, char**) {
        if (out != nullptr && values[0] != nullptr) *static_cast<int*>(out) = std::atoi(values[0]);
        return 0;
    };
    const bool done = sqlite3_exec(db, statement.c_str(), first, value, &error) == SQLITE_OK;
    if (!done) ADD_FAILURE() << statement << ": " << (error ? error : "?");
    sqlite3_free(error);
    sqlite3_close(db);
    return done;
}

} // namespace test_support
