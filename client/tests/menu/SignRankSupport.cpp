#include "menu/SignRankSupport.h"

#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "menu/MenuScenes.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "net/UserSession.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
USING_NS_CC_EXT;

namespace test_support {

namespace {

Json::Value refusal() {
    Json::Value answer(Json::objectValue);
    answer["response"] = 0;
    answer["fail"] = 1;
    return answer;
}

} // namespace

void SignRankTest::SetUp() {
    ClientTest::SetUp();
    beforePictures();
    useGameResources();
    setGameTexts();
    UserInfo& user = GameData::instance().user;
    user.score = 1200;
    user.money = 35;
    user.infoFilled = true;
    UserSession::instance().setLoginValues(10001, "s1");
    UserSession::instance().setAccountKind(1);
    StoredSettings::storeUserName("13800138000");
    StoredSettings::writeBool(StoredSettings::guideKey("sign").c_str(), true);
    NetManager::installFrameHook();
    for (int id : {2, 13, 14}) SceneDirector::instance().registerScene(id, [] { return CCScene::create(); });
    registerMenuScenes();

    signData = signRecord(2026, 12, 3, "0001111000", 4, 0);
    luckData = luckRecord(0, 0, 0);
    m_peer = std::make_unique<LoopbackServer>(true, [this](const Json::Value& request) {
        const int system = request["system"].asInt();
        const std::string act = request["act"].asString(), req = request["req"].asString();
        Json::Value answer;
        if (system == 11 && act == "everyday") answer = req == "sign" ? signDone : signData;
        if (system == 11 && act == "luck") answer = req == "sign" ? luckDone : luckData;
        if (system == 13) answer = rank;
        return Reply::json(answer.isNull() ? refusal() : answer);
    });
    NetManager::instance().setGameEndpoint("127.0.0.1", m_peer->port());
}

void SignRankTest::TearDown() {
    EXPECT_TRUE(pumpUntilIdle());
    m_peer.reset();
    ClientTest::TearDown();
}

void SignRankTest::enterScene(int sceneId) {
    SceneDirector::instance().switchTo(sceneId);
    engine::testing::stepSeconds(0.3f);
    settle();
}

CCScene* SignRankTest::currentScene() const { return SceneDirector::instance().currentScene(); }

int SignRankTest::sceneId() const { return SceneDirector::instance().currentSceneId(); }

void SignRankTest::settle() {
    EXPECT_TRUE(pumpUntilIdle());
    engine::testing::stepFrames(2);
}

void SignRankTest::tapWidget(UIWidget* widget) {
    ASSERT_NE(widget, nullptr);
    const CCSize size = widget->getContentSize();
    const CCPoint at = widget->convertToWorldSpace(ccp(size.width / 2, size.height / 2));
    engine::testing::tap(at.x, at.y);
}

std::vector<Json::Value> SignRankTest::requestsOf(int system, const char* act, const char* req) const {
    std::vector<Json::Value> found;
    for (const Json::Value& request : m_peer->requests()) {
        if (request["system"].asInt() != system) continue;
        if (act && request["act"].asString() != act) continue;
        if (req && request["req"].asString() != req) continue;
        found.push_back(request);
    }
    return found;
}

std::string SignRankTest::text(const char* key) { return LocalText::instance().text(key); }

Json::Value SignRankTest::signRecord(int year, int month, int week, const std::string& days, int continuous,
                                         int isSigned) {
    Json::Value answer(Json::objectValue);
    answer["response"] = 1;
    answer["issign"] = isSigned;
    answer["year"] = year;
    answer["month"] = month;
    answer["week"] = week;
    answer["continuous"] = continuous;
    answer["nextdays"] = continuous + 1;
    answer["nextscore"] = 30;
    answer["addmoney"] = 0;
    answer["addscore"] = 0;
    answer["days"] = days;
    return answer;
}

Json::Value SignRankTest::luckRecord(int isSigned, int awardType, double awardScore) {
    Json::Value answer(Json::objectValue);
    answer["response"] = 1;
    answer["issign"] = isSigned;
    answer["awardtype"] = awardType;
    answer["awardscore"] = awardScore;
    answer["award"] = isSigned ? "award" : "";
    answer["name"] = isSigned ? "name" : "";
    return answer;
}

Json::Value SignRankTest::rankAnswer(int myRank, int myScore, int curWeekScore, int rows) {
    Json::Value answer(Json::objectValue);
    answer["response"] = 1;
    answer["myrank"] = myRank;
    answer["myscore"] = myScore;
    answer["curweekscore"] = curWeekScore;
    Json::Value list(Json::arrayValue);
    const char* names[] = {"答题小王子", "兔兔", "胡萝卜爱好者", "阿明", "小红", "学霸"};
    for (int i = 0; i < rows; ++i) {
        Json::Value item(Json::objectValue);
        item["rank"] = i + 1;
        item["score"] = 980 - i * 85;
        item["tel"] = "1380013" + std::to_string(8000 + i * 111);
        item["name"] = names[i % 6];
        list.append(item);
    }
    answer["ranklist"] = list;
    return answer;
}

} // namespace test_support
