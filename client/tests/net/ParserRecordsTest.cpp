// What each parser stores: every member of its record, in the record's fields; missing members
// read as 0 or ""; members of the wrong type read the same and are logged; lists are replaced.
#include "net/GameData.h"
#include "net/JsonRead.h"
#include "net/MsgResponse.h"
#include "net/NetManager.h"
#include "net/UserSession.h"
#include "quiz/QuizData.h"
#include "support/TestSupport.h"

#include <functional>

namespace {

using test_support::ClientTest;

class ParserRecordsTest : public ClientTest {
protected:
    int parse(int type, const std::string& json) {
        Json::Value answer;
        EXPECT_TRUE(JsonRead::parse(json, answer)) << json;
        int code = -1;
        MsgResponse::parserFor(type)(answer, &code);
        return code;
    }
    GameData& data() { return GameData::instance(); }
};

TEST_F(ParserRecordsTest, UserRecordReadsEveryMember) {
    parse(3, R"({"response":1,"weekscore":1,"score":2,"levelupscore":3,"level":4,"money":5,"sex":6,
        "answercount":7,"lastrank":8,"rankprizemoney":9,"brankpop":10,"uuid":11,"tuijianrenid":12,
        "title":"t","tel":"138","email":"e@x","nickname":"n","binfo":1})");
    const UserInfo& u = data().user;
    const int ints[] = {u.weekScore, u.score, u.levelUpScore, u.level, u.money, u.sex, u.answerCount,
                        u.lastRank, u.rankPrizeMoney, u.rankPop, u.uuid, u.referrerId};
    for (int i = 0; i < 12; ++i) EXPECT_EQ(ints[i], i + 1) << "field " << i;
    EXPECT_EQ(u.title, "t");
    EXPECT_EQ(u.tel, "138");
    EXPECT_EQ(u.email, "e@x");
    EXPECT_EQ(u.nickname, "n");
    EXPECT_TRUE(u.infoFilled);
}

TEST_F(ParserRecordsTest, MissingAndMistypedMembersReadAsDefaults) {
    parse(3, R"({"response":1,"score":"12","level":[1],"money":3.9,"nickname":{"a":1},"title":42,
        "binfo":true,"uuid":1e12})");
    const UserInfo& u = data().user;
    EXPECT_EQ(u.score, 0);
    EXPECT_EQ(u.level, 0);
    EXPECT_EQ(u.money, 3) << "reals are truncated";
    EXPECT_EQ(u.nickname, "");
    EXPECT_EQ(u.title, "42") << "numbers read as text in their text form";
    EXPECT_TRUE(u.infoFilled);
    EXPECT_EQ(u.uuid, 2147483647) << "out-of-range numbers saturate";
    EXPECT_EQ(u.weekScore, 0);
    EXPECT_EQ(u.email, "");
    EXPECT_TRUE(logged("score")) << "a wrong type is logged";
}

TEST_F(ParserRecordsTest, FailedAnswersStoreNothing) {
    data().user.score = 77;
    for (const char* json : {R"({"response":0,"score":1})", R"({"response":2,"score":1})"}) {
        parse(3, json);
        EXPECT_EQ(data().user.score, 77) << json;
    }
}

struct ListCase {
    const char* name;
    int type;
    const char* json;
    std::function<void(GameData&)> check;
};

TEST_F(ParserRecordsTest, ListsAndRecordsOfEveryKind) {
    const ListCase cases[] = {
        {"achievements", 7,
         R"({"response":1,"achvlist":[{"id":1,"done":2,"do":3,"prize":4,"name":"a","desc":"b","img":"c"},{"id":9}]})",
         [](GameData& d) {
             ASSERT_EQ(d.achievementsFinished.size(), 2u);
             const AchievementItem& a = d.achievementsFinished[0];
             EXPECT_EQ(a.id + a.done + a.doCount + a.prize, 10);
             EXPECT_EQ(a.name + a.desc + a.img, "abc");
             EXPECT_EQ(d.achievementsFinished[1].id, 9);
         }},
        {"claim", 8, R"({"response":1,"achvlist":[],"addscore":5,"score":6,"levelupscore":7,"level":8})",
         [](GameData& d) {
             EXPECT_TRUE(d.achievementsFinished.empty());
             EXPECT_TRUE(d.achievementsInProgress.empty());
             EXPECT_EQ(d.lastAddScore, 5);
             EXPECT_EQ(d.user.score, 6);
             EXPECT_EQ(d.user.levelUpScore, 7);
             EXPECT_EQ(d.user.level, 8);
         }},
        {"sign info", 9,
         R"({"response":1,"issign":1,"year":2026,"month":12,"week":3,"continuous":4,"nextdays":5,"nextscore":6,"addmoney":7,"days":"1,2"})",
         [](GameData& d) {
             const SignInfo& s = d.signInfo;
             EXPECT_EQ(s.isSigned, 1);
             EXPECT_EQ(s.year, 2026);
             EXPECT_EQ(s.month + s.week + s.continuous + s.nextDays + s.nextScore + s.addMoney, 37);
             EXPECT_EQ(s.days, "1,2");
         }},
        {"sign in adds money", 10, R"({"response":1,"addmoney":7,"score":1,"levelupscore":2,"level":3,"addscore":4})",
         [](GameData& d) {
             EXPECT_EQ(d.user.money, 107);
             EXPECT_EQ(d.user.level, 3);
             EXPECT_EQ(d.lastAddScore, 4);
         }},
        {"luck", 11, R"({"response":1,"issign":1,"awardtype":2,"awardscore":2.5,"name":"n","award":"a"})",
         [](GameData& d) {
             EXPECT_EQ(d.signAward.awardType, 2);
             EXPECT_DOUBLE_EQ(d.signAward.awardScore, 2.5);
             EXPECT_EQ(d.signAward.name + d.signAward.award, "na");
         }},
        {"luck sign", 12, R"({"response":1,"score":9,"levelupscore":8,"level":7})",
         [](GameData& d) { EXPECT_EQ(d.user.score + d.user.levelUpScore + d.user.level, 24); }},
        {"rank", 13,
         R"({"response":1,"myrank":3,"myscore":4,"curweekscore":5,"ranklist":[{"rank":1,"score":90,"name":"a","tel":"1"},{"rank":2}]})",
         [](GameData& d) {
             EXPECT_EQ(d.rankPage.myRank, 3);
             EXPECT_EQ(d.rankPage.curWeekScore, 5);
             ASSERT_EQ(d.rankPage.items.size(), 2u);
             EXPECT_EQ(d.rankPage.items[0].score, 90);
             EXPECT_EQ(d.rankPage.items[1].rank, 2);
         }},
        {"treasure open", 14, R"({"response":1,"index":2,"value":3,"score":40,"money":50})",
         [](GameData& d) {
             EXPECT_EQ(d.treasure.index, 2);
             EXPECT_EQ(d.treasure.value, 3);
             EXPECT_EQ(d.user.score, 40);
             EXPECT_EQ(d.user.money, 50);
         }},
        {"treasure data", 15, R"({"response":1,"index":4,"value":5,"score":1})",
         [](GameData& d) {
             EXPECT_EQ(d.treasure.index, 4);
             EXPECT_EQ(d.user.score, 0);
         }},
        {"collection", 16, R"({"response":1,"caidanlist":[3,1,"x",2]})",
         [](GameData& d) { EXPECT_EQ(d.collection, (std::vector<int>{3, 1, 0, 2})); }},
        {"goods", 18,
         R"({"response":1,"bbreak":1,"goodstype":[{"type":2,"name":"t"}],"goodsinfo":[{"goodsid":1,"goodstypeid":2,"scoreprice":3,"moneyprice":4,"goodsimg":"i","goodsname":"g","shopaddress":"a","shoptel":"t"}]})",
         [](GameData& d) {
             EXPECT_EQ(d.goodsBreak, 1);
             ASSERT_EQ(d.goodsTypes.size(), 1u);
             EXPECT_EQ(d.goodsTypes[0].name, "t");
             ASSERT_EQ(d.goods.size(), 1u);
             EXPECT_EQ(d.goods[0].moneyPrice, 4);
             EXPECT_EQ(d.goods[0].shopTel, "t");
         }},
        {"buy records", 19,
         R"({"response":1,"buyrecord":[{"goodsid":1,"goodsnum":2,"date":3,"hourmin":4,"showtype":5,"price":6,"orderid":7,"goodsname":"a","goodsimg":"b","addr":"c","tel":"d","code":"e","name":"f","supplyaddr":"g","supplytel":"h"}]})",
         [](GameData& d) {
             ASSERT_EQ(d.buyRecords.size(), 1u);
             const BuyRecord& b = d.buyRecords[0];
             EXPECT_EQ(b.orderId, 7);
             EXPECT_EQ(b.goodsName + b.goodsImg + b.addr + b.tel + b.code + b.name + b.supplyAddr + b.supplyTel,
                       "abcdefgh");
         }},
        {"goods detail", 20,
         R"({"response":1,"goodsid":5,"number":6,"inputaddr":1,"goodsdescribe":"d","supplytel":"t","supplyaddr":"a"})",
         [](GameData& d) {
             EXPECT_EQ(d.goodsDetail.number, 6);
             EXPECT_EQ(d.goodsDetail.describe, "d");
         }},
        {"exchange", 21, R"({"response":1,"tip":"ok","levelupscore":1,"money":2,"score":3})",
         [](GameData& d) {
             EXPECT_EQ(d.exchangeTip, "ok");
             EXPECT_EQ(d.user.money, 2);
         }},
        {"notices for loading", 22, R"({"response":1,"act":0,"notice":[{"hourmin":930,"message":"m"}]})",
         [](GameData& d) {
             ASSERT_EQ(d.notices.size(), 1u);
             EXPECT_EQ(d.notices[0].hourMin, 930);
             EXPECT_TRUE(d.rollNotices.empty());
         }},
        {"notices for the menu roll", 22, R"({"response":1,"act":1,"notice":[{"message":"r"}]})",
         [](GameData& d) {
             ASSERT_EQ(d.rollNotices.size(), 1u);
             EXPECT_EQ(d.rollNotices[0].message, "r");
         }},
        {"events", 23,
         R"({"response":1,"huodong":[{"id":1,"date":2,"enddate":3,"click":4,"needmoney":5,"title":"t","desc":"d","url":"u"}]})",
         [](GameData& d) {
             ASSERT_EQ(d.events.size(), 1u);
             EXPECT_EQ(d.events[0].needMoney, 5);
             EXPECT_EQ(d.events[0].url, "u");
         }},
        {"join event", 24, R"({"response":1,"money":33})", [](GameData& d) { EXPECT_EQ(d.user.money, 33); }},
        {"join event refused", 24, R"({"response":0,"fail":4})",
         [](GameData& d) { EXPECT_EQ(d.eventFailReason, 4); }},
        {"explains", 25, R"({"response":1,"explains":[{"uiid":7,"explain":"rules"}]})",
         [](GameData& d) {
             ASSERT_EQ(d.explains.size(), 1u);
             EXPECT_EQ(d.explains[0].uiId, 7);
         }},
        {"wall list", 26, R"({"response":1,"sdkplat":[{"index":3,"sdkplattype":2}]})",
         [](GameData& d) {
             ASSERT_EQ(d.sdkPlats.size(), 1u);
             EXPECT_EQ(d.sdkPlats[0].index, 3);
             EXPECT_EQ(d.sdkPlats[0].sdkPlatType, 2);
         }},
        {"receive info", 29, R"({"response":1})", [](GameData& d) { EXPECT_TRUE(d.user.infoFilled); }},
        {"bonus", 33, R"({"response":1,"addmoney":12})", [](GameData& d) { EXPECT_EQ(d.bonusMoney, 12); }},
        {"bonus not positive", 33, R"({"response":1,"addmoney":-3})",
         [](GameData& d) { EXPECT_EQ(d.bonusMoney, 0); }},
        {"ad report", 36, R"({"response":0,"qsid":8,"qstype":2})",
         [](GameData& d) {
             EXPECT_EQ(d.wallEntry.qsid, 8);
             EXPECT_EQ(d.wallEntry.qstype, 2);
         }},
        {"schedule", 38,
         R"({"response":1,"matchact":[{"matchid":1,"matchtype":2,"delmoney":3,"pkfreecount":4,"pkmaxcount":5,"level":6,"status":7,"starttime":"s","endtime":"e","servertime":"n"}]})",
         [](GameData& d) {
             ASSERT_EQ(d.matchSchedule.size(), 1u);
             EXPECT_EQ(d.matchSchedule[0].status, 7);
             EXPECT_EQ(d.matchSchedule[0].serverTime, "n");
         }},
        {"create team", 40, R"({"response":1,"money":61})", [](GameData& d) { EXPECT_EQ(d.user.money, 61); }},
        {"team list", 42,
         R"({"response":1,"count":2,"myteamid":9,"myscore":1,"minteamer":2,"maxteamer":5,"mylevel":3,"myteammatchstatus":1,"myteamname":"m","mycreater":"c","teaminfo":[{"teamid":9,"score":1,"number":2,"level":3,"teammatchstatus":4,"teamname":"n","creater":"c"}]})",
         [](GameData& d) {
             EXPECT_EQ(d.myTeam.myTeamId, 9);
             EXPECT_EQ(d.myTeam.maxTeamer, 5);
             EXPECT_EQ(d.myTeam.myTeamName, "m");
             ASSERT_EQ(d.teamList.size(), 1u);
             EXPECT_EQ(d.teamList[0].teamMatchStatus, 4);
         }},
        {"team info", 43,
         R"({"response":1,"teammember":[{"userid":1,"pkcount":2,"wincount":3,"answercount":4,"rightcount":5,"score":6,"name":"n"}],"prizearray":[{"prizetype":1,"prizenum":2,"rightcount":3,"wrongcount":4,"score":5,"teamscore":6,"times":7,"type":8}]})",
         [](GameData& d) {
             ASSERT_EQ(d.teamMembers.size(), 1u);
             EXPECT_EQ(d.teamMembers[0].rightCount, 5);
             ASSERT_EQ(d.teamPrizes.size(), 1u);
             EXPECT_EQ(d.teamPrizes[0].type, 8);
         }},
        {"prize table", 49, R"({"response":1,"prizearray":[{"times":3},{"times":4,"usetime":4.7}]})",
         [](GameData& d) {
             ASSERT_EQ(d.prizeTable.size(), 2u);
             EXPECT_EQ(d.prizeTable[1].times, 4);
             EXPECT_LT(d.prizeTable[0].useTime, 0) << "not sent: the whole seconds stand";
             EXPECT_DOUBLE_EQ(d.prizeTable[1].useTime, 4.7);
         }},
        {"team rank", 50,
         R"({"response":1,"count":1,"myrank":2,"myscore":3,"myteamid":4,"teaminfo":[{"score":5,"teamid":6,"teamname":"t"}]})",
         [](GameData& d) {
             EXPECT_EQ(d.teamRank.myTeamId, 4);
             ASSERT_EQ(d.teamRank.items.size(), 1u);
             EXPECT_EQ(d.teamRank.items[0].teamName, "t");
         }},
        {"contest rank", 52,
         R"({"response":1,"rank":1,"wixcount":2,"wixtotal":3,"userscore":4,"ranklist":[{"rank":5,"wixcount":6,"wixtotal":7,"userscore":8,"name":"n"}]})",
         [](GameData& d) {
             EXPECT_EQ(d.contestRank.userScore, 4);
             ASSERT_EQ(d.contestRank.items.size(), 1u);
             EXPECT_EQ(d.contestRank.items[0].name, "n");
         }},
        {"presence", 53, R"({"response":1,"act":1,"enablecount":17,"isking":1})",
         [](GameData& d) {
             EXPECT_EQ(d.enableCount, 17);
             EXPECT_EQ(d.isKing, 1);
         }},
        {"referrals", 55,
         R"({"response":1,"tuijian":[{"score":1,"money":2,"todayanswercount":3,"todayscore":4,"todaymoney":5,"rightcount":6,"wrongcount":7,"recommenduuid":8,"onlinetime":9,"monthlogindays":10,"logindays":11,"lasthuoyue":12,"tel":"t","regdate":"r"}]})",
         [](GameData& d) {
             ASSERT_EQ(d.referrals.size(), 1u);
             EXPECT_EQ(d.referrals[0].lastHuoyue, 12);
             EXPECT_EQ(d.referrals[0].regDate, "r");
         }},
        {"referral stats", 56,
         R"({"response":1,"todayscore":1,"todaymoney":2,"allright":3,"allwrong":4,"rank":5,"tuijiancount":6,"huoyuecount":7,"tuijianprize":8,"regtime":9})",
         [](GameData& d) {
             EXPECT_EQ(d.referralStats.referralCount, 6);
             EXPECT_EQ(d.referralStats.regTime, 9);
         }},
        {"set referrer, refused", 57, R"({"response":0,"tuijianrenid":44})",
         [](GameData& d) { EXPECT_EQ(d.user.referrerId, 44); }},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.name);
        data().reset();
        data().user.money = 100;
        parse(c.type, c.json);
        c.check(data());
    }
}

TEST_F(ParserRecordsTest, ANewAnswerReplacesTheOldList) {
    parse(7, R"({"response":1,"achvlist":[{"id":1},{"id":2},{"id":3,"done":2}]})");
    parse(7, R"({"response":1,"achvlist":[{"id":4}]})");
    ASSERT_EQ(data().achievementsFinished.size(), 1u);
    EXPECT_EQ(data().achievementsFinished[0].id, 4);
    EXPECT_TRUE(data().achievementsInProgress.empty());
    parse(7, R"({"response":1,"achvlist":{"id":5}})");
    EXPECT_TRUE(data().achievementsFinished.empty()) << "a list member that is no array is an empty list";
}

TEST_F(ParserRecordsTest, AchievementsSortIntoInProgressAndFinishedKeepingServerOrder) {
    const char* list = R"({"response":1,"achvlist":[{"id":1,"do":3,"done":5},{"id":2,"do":5,"done":5},
        {"id":3,"do":-2,"done":1},{"id":4,"do":9,"done":5,"prize":1},{"id":5,"do":4,"done":5}]})";
    auto ids = [](const std::vector<AchievementItem>& items) {
        std::vector<int> found;
        for (const AchievementItem& item : items) found.push_back(item.id);
        return found;
    };
    // The list answer and the claim answer sort alike.
    for (int type : {7, 8}) {
        SCOPED_TRACE(type);
        data().reset();
        EXPECT_EQ(parse(type, list), 0);
        EXPECT_EQ(ids(data().achievementsInProgress), (std::vector<int>{1, 3, 5}));
        EXPECT_EQ(ids(data().achievementsFinished), (std::vector<int>{2, 4})) << "a count past its target is done";
    }
    // A refusal keeps the lists the screen shows.
    parse(7, R"({"response":0,"fail":1,"achvlist":[]})");
    EXPECT_EQ(data().achievementsInProgress.size(), 3u);
    EXPECT_EQ(data().achievementsFinished.size(), 2u);
}

TEST_F(ParserRecordsTest, LoginStoresTheSessionAndTheGameServer) {
    parse(1, R"({"response":1,"ip":"127.0.0.9","port":8101,"id":42,"sessionid":"abc","pkip":"x","pkport":1})");
    EXPECT_EQ(UserSession::instance().sessionId(), "abc");
    EXPECT_EQ(UserSession::instance().userId(), 42);
    EXPECT_EQ(NetManager::instance().gameEndpoint().host, "127.0.0.9");
    EXPECT_EQ(NetManager::instance().gameEndpoint().port, 8101);
    EXPECT_EQ(data().gameServerCopy.port, 8101);
    EXPECT_EQ(data().tip, "");

    parse(1, R"({"response":0,"fail":3,"tip":"locked"})");
    EXPECT_EQ(data().tip, "locked");
    parse(1, R"({"response":1,"ip":"h","port":99999,"id":1,"sessionid":"s"})");
    EXPECT_EQ(NetManager::instance().gameEndpoint().port, 0) << "a port out of range reaches nowhere";
    EXPECT_EQ(data().tip, "");
}

TEST_F(ParserRecordsTest, VersionAndRegistrationTexts) {
    parse(0, R"({"response":0,"update":1,"upurl":"http://u","updateinfo":"new"})");
    EXPECT_EQ(data().upgradeUrl, "http://u");
    EXPECT_EQ(data().upgradeInfo, "new");
    parse(4, R"({"response":0,"fail":1,"tip":"taken"})");
    EXPECT_EQ(data().tip, "taken");
    parse(4, R"({"response":1})");
    EXPECT_EQ(data().tip, "");
}

TEST_F(ParserRecordsTest, QuestionIdsReplaceTheQueue) {
    QuizData& quiz = QuizData::instance();
    quiz.qsidQueue = {9, 9};
    quiz.secondList = {1};
    parse(30, R"({"response":1,"system":4,"idlist":[5,6,7]})");
    EXPECT_EQ(std::vector<int>(quiz.qsidQueue.begin(), quiz.qsidQueue.end()), (std::vector<int>{5, 6, 7}));
    EXPECT_TRUE(quiz.secondList.empty());
    EXPECT_TRUE(logged(" MsgResponseQuestionList 6"));
    EXPECT_EQ(data().teamMatchStatus, 0);
    parse(30, R"({"response":1,"system":48})");
    EXPECT_TRUE(quiz.qsidQueue.empty());
    EXPECT_EQ(data().teamMatchStatus, 1);
}

TEST_F(ParserRecordsTest, QuestionsOfEveryKind) {
    QuizData& quiz = QuizData::instance();
    parse(31, R"({"gametype":1,"playtype":15,"seltype":2,"right":"B","multiple":3,"questid":77,"prizemoney":5,
        "question":"q","explain":"e","answer":["A","B",3],"jump":[{"url":"u1","name":"n1"},{"url":"u2"}]})");
    parse(31, R"({"gametype":2,"playtype":6,"img":"p.png","answerlength":4,"right":"r",
        "answer":[{"x1":1.5,"x2":2,"y1":3,"y2":4}]})");
    parse(31, R"({"gametype":2,"playtype":13,"awardtype":1,"awardnum":9,"answer":["a"]})");
    parse(31, R"({"gametype":3,"playtype":1,"music":"v.mp3","video":"no","answerlength":2})");
    parse(31, R"({"gametype":4,"playtype":2,"music":"no","video":"f.mp4"})");
    parse(31, R"({"gametype":1,"playtype":7,"multiple":3})");
    ASSERT_EQ(quiz.questionQueue.size(), 6u);

    const QuestionRecord& choice = *quiz.questionQueue[0];
    EXPECT_EQ(choice.questid, 77);
    EXPECT_EQ(choice.prizemoney, 5);
    EXPECT_EQ(choice.answers, (std::vector<std::string>{"A", "B", "3"}));
    EXPECT_EQ(choice.jumpUrls, (std::vector<std::string>{"u1", "u2"}));
    EXPECT_EQ(choice.jumpNames, (std::vector<std::string>{"n1", ""}));
    EXPECT_EQ(std::get<ChoiceQuestion>(choice.details).right, "B");
    EXPECT_EQ(std::get<ChoiceQuestion>(choice.details).multiple, 3);

    const QuestionRecord& area = *quiz.questionQueue[1];
    EXPECT_TRUE(area.answers.empty());
    const ImageQuestion& image = std::get<ImageQuestion>(area.details);
    ASSERT_EQ(image.rects.size(), 1u);
    EXPECT_DOUBLE_EQ(image.rects[0].x1, 1.5);
    EXPECT_DOUBLE_EQ(image.rects[0].y2, 4);
    EXPECT_EQ(image.img, "p.png");

    EXPECT_EQ(std::get<ImageQuestion>(quiz.questionQueue[2]->details).awardnum, 9);
    EXPECT_TRUE(logged("awardtype = 1,awardnum =9"));
    EXPECT_EQ(std::get<MediaQuestion>(quiz.questionQueue[3]->details).media, "v.mp3");
    EXPECT_EQ(std::get<MediaQuestion>(quiz.questionQueue[4]->details).media, "f.mp4");
    EXPECT_EQ(std::get<ChoiceQuestion>(quiz.questionQueue[5]->details).multiple, 0)
        << "multiple is read only for play type 15";
}

TEST_F(ParserRecordsTest, AnswerResultAndTheUserRecord) {
    const struct {
        int awardtype;
        int score, money;
    } cases[] = {{1, 6, 0}, {2, 0, 6}, {3, 0, 0}};
    for (const auto& c : cases) {
        parse(32, R"({"response":"success","addscore":1,"addmoney":2,"awardtype":)" + std::to_string(c.awardtype) +
                      R"(,"awardnum":6,"explain":"e","adicon":"i","adname":"n","adinfo":"f","adurl":"u",
                      "apkname":"com.x","answer":"A","score":10,"money":11,"level":12,"levelupscore":13,
                      "answercount":14})");
        const AnswerResult& r = *QuizData::instance().lastResult;
        EXPECT_EQ(r.awardScore, c.score) << c.awardtype;
        EXPECT_EQ(r.awardMoney, c.money) << c.awardtype;
        EXPECT_EQ(r.addscore + r.addmoney, 3);
        EXPECT_EQ(r.explain + r.adicon + r.adname + r.adinfo + r.adurl + r.apkname + r.answer, "einfucom.xA");
    }
    const UserInfo& u = data().user;
    EXPECT_EQ(u.score, 10);
    EXPECT_EQ(u.answerCount, 14);
    EXPECT_TRUE(logged("_awardMoney = 0, _awardScore = 0 , addscore = 1, addmoney = 2"));
}

} // namespace
