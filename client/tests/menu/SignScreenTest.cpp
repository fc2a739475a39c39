// The sign-in screen: the calendar's month layout, the streak line, signing once a day with its
// flying rewards, the lucky draw from available through the reveal to the award, and the boxes a
// guest or a player without an account sees.
#include "menu/SignRankSupport.h"

#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "menu/AccountPrompt.h"
#include "menu/CCalendar.h"
#include "menu/CSignLayer.h"
#include "net/GameData.h"
#include "net/RewardParsers.h"
#include "net/UserSession.h"
#include "quiz/AddCarrot.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/CTipBox.h"
#include "widgets/playGuide.h"

#include "testing/EngineTesting.h"

#include <json/reader.h>

USING_NS_CC;
USING_NS_CC_EXT;
using namespace test_support;

namespace {

class SignScreenTest : public SignRankTest {
protected:
    CSignLayer* enterSign() { return enter<CSignLayer>(5); }
    std::vector<AddCarrot*> carrots(CSignLayer* sign) { return childrenOf<AddCarrot>(sign); }
    std::vector<CMyMessageBox*> boxes(CCNode* parent) { return childrenOf<CMyMessageBox>(parent); }
    static bool shown(CCNode* node) { return node && node->isVisible(); }
};

// The calendar on its own, as the sign record sets it.
class CalendarTest : public SignRankTest {
protected:
    CCalendar* drawn(int year, int month, int column, const std::string& mask) {
        CCalendar* calendar = CCalendar::create();
        calendar->setYear(year);
        calendar->setMonth(month);
        calendar->setFirstColumn(column);
        calendar->setMask(mask);
        calendar->refresh();
        m_keep.push_back(calendar);
        calendar->retain();
        return calendar;
    }
    void TearDown() override {
        for (CCalendar* calendar : m_keep) calendar->release();
        SignRankTest::TearDown();
    }
    std::vector<CCalendar*> m_keep;
};

TEST_F(CalendarTest, MonthLengthsFollowTheEveryFourthYearRule) {
    struct Case {
        int year, month, days;
    };
    const Case cases[] = {{2016, 2, 29}, {2100, 2, 29}, {2015, 2, 28}, {2026, 1, 31}, {2026, 4, 30},
                          {2026, 12, 31}, {2026, 11, 30}, {2026, 0, 0},  {2026, 13, 0}, {2026, -3, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month));
        EXPECT_EQ(CCalendar::daysInMonth(c.year, c.month), c.days);
        CCalendar* calendar = drawn(c.year, c.month, 1, "");
        EXPECT_EQ(calendar->drawnDays(), c.days);
        if (c.days > 0) {
            EXPECT_NE(calendar->dayLabel(c.days), nullptr);
        }
        EXPECT_EQ(calendar->dayLabel(c.days + 1), nullptr);
    }
    EXPECT_TRUE(logged("month 13 is no month"));
}

TEST_F(CalendarTest, FirstColumnPlacesDayOneAndWrapsTheRows) {
    CCalendar* sunday = drawn(2026, 11, 1, "");
    EXPECT_EQ(sunday->dayLabel(1)->getPosition(), ccp(-335, 80));
    EXPECT_EQ(sunday->dayLabel(7)->getPosition(), ccp(55, 80));
    EXPECT_EQ(sunday->dayLabel(8)->getPosition(), ccp(-335, 35));
    EXPECT_EQ(sunday->dayLabel(30)->getPosition(), ccp(-270, -100));

    // Saturday first: day 1 alone in the last column, day 2 opens the second row, and a 31-day
    // month needs a sixth row.
    CCalendar* saturday = drawn(2026, 8, 7, "");
    EXPECT_EQ(saturday->dayLabel(1)->getPosition(), ccp(55, 80));
    EXPECT_EQ(saturday->dayLabel(2)->getPosition(), ccp(-335, 35));
    EXPECT_EQ(saturday->dayLabel(31)->getPosition(), ccp(-270, -145));
    EXPECT_EQ(saturday->dayLabel(31)->getString(), std::string("31"));

    // Header: the year and the month in their own places.
    EXPECT_EQ(saturday->yearLabel()->getPosition(), ccp(-20, 170));
    EXPECT_EQ(saturday->monthLabel()->getPosition(), ccp(-170, 170));
    EXPECT_EQ(saturday->yearLabel()->getString(), std::string("2026年"));
    EXPECT_EQ(saturday->monthLabel()->getString(), std::string("8月"));

    // A column outside 1..7 draws no days rather than cells off the grid.
    for (int column : {0, 8, -2}) {
        SCOPED_TRACE(column);
        EXPECT_EQ(drawn(2026, 8, column, "1111")->drawnDays(), 0);
    }
    EXPECT_TRUE(logged("first column 8 is outside 1..7"));
}

TEST_F(CalendarTest, MasksArePaddedOrCutToTheMonth) {
    // Short: the missing days count as not signed.
    CCalendar* shortMask = drawn(2015, 2, 1, "0110");
    EXPECT_EQ(shortMask->lastMaskGiven(), "0110");
    EXPECT_EQ(shortMask->maskLength(), 4);
    EXPECT_EQ(shortMask->mask(), "0110" + std::string(24, '0'));
    EXPECT_EQ(shortMask->signedDaysDrawn(), 2);
    EXPECT_EQ(shortMask->dayMark(1), nullptr);
    ASSERT_NE(shortMask->dayMark(2), nullptr);
    EXPECT_EQ(shortMask->dayMark(2)->getPosition(), shortMask->dayLabel(2)->getPosition());
    EXPECT_EQ(shortMask->dayMark(2)->getZOrder(), 2);

    // Long: used as far as the month goes, the rest ignored.
    CCalendar* longMask = drawn(2026, 2, 1, std::string(40, '1'));
    EXPECT_EQ(longMask->mask().size(), 40u);
    EXPECT_EQ(longMask->drawnDays(), 28);
    EXPECT_EQ(longMask->signedDaysDrawn(), 28);
    EXPECT_EQ(longMask->dayMark(29), nullptr);

    // Only "0" means unsigned; a redraw replaces the old month entirely.
    CCalendar* calendar = drawn(2026, 4, 4, "0x1");
    EXPECT_EQ(calendar->signedDaysDrawn(), 2);
    calendar->setMonth(2);
    calendar->setMask("");
    calendar->refresh();
    EXPECT_EQ(calendar->signedDaysDrawn(), 0);
    EXPECT_EQ(calendar->getChildrenCount(), 2u + 28u) << "header and one label per day, nothing left over";
}

TEST_F(SignScreenTest, EntryShowsTheMonthTheStreakAndTheTotals) {
    signData = signRecord(2026, 12, 3, "11011110", 4, 1);
    CSignLayer* sign = enterSign();
    ASSERT_NE(sign, nullptr);
    EXPECT_EQ(requestsOf(11, "everyday", "data").size(), 1u);
    EXPECT_EQ(requestsOf(11, "luck", "data").size(), 1u);

    CCalendar* calendar = sign->calendar();
    EXPECT_EQ(worldOf(calendar), ccp(480, 320));
    EXPECT_EQ(calendar->drawnDays(), 31);
    EXPECT_EQ(calendar->signedDaysDrawn(), 6);
    EXPECT_EQ(calendar->dayLabel(1)->getPosition(), CCalendar::cellPosition(2)) << "Tuesday, column 3";
    EXPECT_TRUE(sign->signedToday());

    EXPECT_EQ(sign->scoreLabel()->getString(), std::string("1200"));
    EXPECT_EQ(sign->moneyLabel()->getString(), std::string("35"));
    EXPECT_EQ(sign->scoreLabel()->getPosition(), ccp(110, 585));
    EXPECT_EQ(sign->moneyLabel()->getPosition(), ccp(390, 585));

    // The streak line: the word 110 left of the number, "day" 28 right of its end.
    CCLabelBMFont* streak = sign->streakLabel();
    EXPECT_EQ(streak->getString(), std::string("4"));
    EXPECT_EQ(streak->getPosition(), ccp(380, 80));
    ASSERT_NE(sign->streakWord(), nullptr);
    EXPECT_EQ(sign->streakWord()->getPosition(), ccp(270, 80));
    EXPECT_TRUE(shown(sign->dayWord()));
    EXPECT_FLOAT_EQ(sign->dayWord()->getPositionX(), 380 + streak->getContentSize().width + 28);
    EXPECT_FLOAT_EQ(sign->dayWord()->getScale(), 0.536f);
}

TEST_F(SignScreenTest, SigningFliesTheRewardsAndASecondTapOnlyTellsItIsDone) {
    CSignLayer* sign = enterSign();
    ASSERT_NE(sign, nullptr);
    EXPECT_FALSE(sign->signedToday());
    EXPECT_FALSE(shown(sign->dayWord()) && sign->streakLabel()->getString() != std::string("4"));

    signDone = signRecord(2026, 12, 3, "0001111100", 5, 1);
    signDone["addscore"] = 30;
    signDone["addmoney"] = 1;
    signDone["score"] = 1230;
    signDone["levelupscore"] = 2000;
    signDone["level"] = 3;
    signDone["money"] = 36;
    tapWidget(sign->widget("signbtn"));
    settle();
    ASSERT_EQ(requestsOf(11, "everyday", "sign").size(), 1u);
    EXPECT_TRUE(sign->signedToday());
    EXPECT_EQ(sign->calendar()->signedDaysDrawn(), 5);
    EXPECT_EQ(sign->streakLabel()->getString(), std::string("5"));

    auto flying = carrots(sign);
    ASSERT_EQ(flying.size(), 2u);
    EXPECT_EQ(flying[0]->getPosition(), ccp(430, 320));
    EXPECT_EQ(flying[0]->scoreCounter(), 30);
    EXPECT_EQ(flying[1]->getPosition(), ccp(530, 320));
    EXPECT_EQ(flying[1]->moneyCounter(), 1);
    engine::testing::stepSeconds(2.0f);
    EXPECT_TRUE(carrots(sign).empty());
    EXPECT_EQ(sign->scoreLabel()->getString(), std::string("1230"));
    EXPECT_EQ(sign->moneyLabel()->getString(), std::string("36"));

    // Known to be signed: a box, and nothing goes to the server.
    tapWidget(sign->widget("signbtn"));
    settle();
    EXPECT_EQ(requestsOf(11, "everyday", "sign").size(), 1u);
    auto said = boxes(sign);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0]->messageText(), text("Signed"));
    EXPECT_EQ(worldOf(said[0]), ccp(480, 320));
    ASSERT_NE(said[0]->button(2), nullptr);
    EXPECT_EQ(said[0]->button(1), nullptr);
    said[0]->handleRelease(said[0]->button(2)->getPosition());
    EXPECT_TRUE(boxes(sign).empty()) << "the sure button closes it";
}

TEST_F(SignScreenTest, RefusedOrOddSignAnswersChangeNothingAndNeverCrash) {
    CSignLayer* sign = enterSign();
    ASSERT_NE(sign, nullptr);
    const int marks = sign->calendar()->signedDaysDrawn();
    // Refused (signed elsewhere today): nothing flies, nothing changes.
    tapWidget(sign->widget("signbtn"));
    settle();
    EXPECT_EQ(requestsOf(11, "everyday", "sign").size(), 1u);
    EXPECT_TRUE(carrots(sign).empty());
    EXPECT_EQ(sign->calendar()->signedDaysDrawn(), marks);
    EXPECT_TRUE(logged("sign-in was refused"));

    // Negative rewards and a negative streak: logged, shown as nothing and 0.
    signDone = signRecord(2026, 13, 9, "1", -2, 1);
    signDone["addscore"] = -5;
    signDone["addmoney"] = -1;
    tapWidget(sign->widget("signbtn"));
    settle();
    EXPECT_TRUE(carrots(sign).empty());
    EXPECT_EQ(sign->streakLabel()->getString(), std::string("0"));
    EXPECT_EQ(sign->calendar()->drawnDays(), 0);
    EXPECT_TRUE(logged("a reward of -5 is no reward"));
    tapNode(sign->widget("backbtn"));
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(sceneId(), 2);
}

TEST_F(SignScreenTest, DrawGoesFromAvailableThroughTheRevealToOneAward) {
    CSignLayer* sign = enterSign();
    ASSERT_NE(sign, nullptr);
    UIWidget* lucky = sign->widget("luckybtn");
    EXPECT_TRUE(shown(lucky));
    EXPECT_TRUE(lucky->isTouchEnabled());
    EXPECT_TRUE(shown(sign->luckLabel()));
    EXPECT_FALSE(shown(sign->widget("lucksignlabel")));
    EXPECT_EQ(sign->awardLabel(), nullptr);

    luckDone = luckRecord(1, 0, 30);
    luckDone["score"] = 1230;
    tapWidget(lucky);
    settle();
    ASSERT_EQ(requestsOf(11, "luck", "sign").size(), 1u);
    EXPECT_TRUE(sign->drawRunning());
    CCNode* shade = sign->getChildByTag(CSignLayer::kRevealTag);
    ASSERT_NE(shade, nullptr);
    ASSERT_EQ(childrenOf<CCArmature>(shade).size(), 1u);
    EXPECT_EQ(childrenOf<CCArmature>(shade)[0]->getName(), "BrindleAnimation");
    EXPECT_EQ(sign->awardLabel(), nullptr) << "the award waits for the reveal";

    // While it runs, another tap asks nothing.
    tapWidget(lucky);
    settle();
    EXPECT_EQ(requestsOf(11, "luck", "sign").size(), 1u);

    engine::testing::stepSeconds(2.0f);
    EXPECT_EQ(sign->getChildByTag(CSignLayer::kRevealTag), nullptr);
    ASSERT_NE(sign->awardLabel(), nullptr);
    EXPECT_EQ(sign->awardLabel()->getString(), std::string("+30"));
    EXPECT_EQ(sign->awardLabel()->getPosition(), ccp(805, 480));
    EXPECT_EQ(sign->awardCarrot()->getPosition(), ccp(700, 480));
    EXPECT_FALSE(shown(lucky));
    EXPECT_FALSE(lucky->isTouchEnabled());
    EXPECT_FALSE(shown(sign->luckLabel()));
    ASSERT_EQ(carrots(sign).size(), 1u);
    EXPECT_EQ(carrots(sign)[0]->getPosition(), ccp(480, 320));
    engine::testing::stepSeconds(2.0f);
    EXPECT_TRUE(carrots(sign).empty());
    EXPECT_EQ(sign->scoreLabel()->getString(), std::string("1230")) << "counted up to the new total";
}

TEST_F(SignScreenTest, StartAndCompletionOfTheRevealGiveTheCarrotsOnce) {
    // The armature reports a start and a completion (and a stray loop end): the player gets one
    // award line and one flying carrot, not one per event.
    CSignLayer* sign = enterSign();
    ASSERT_NE(sign, nullptr);
    luckDone = luckRecord(1, 0, 50);
    tapWidget(sign->widget("luckybtn"));
    settle();
    CCNode* shade = sign->getChildByTag(CSignLayer::kRevealTag);
    ASSERT_NE(shade, nullptr);
    CCArmature* armature = childrenOf<CCArmature>(shade).at(0);
    sign->onRevealEvent(armature, START, "lucky");
    EXPECT_NE(sign->getChildByTag(CSignLayer::kRevealTag), nullptr) << "the start ends nothing";
    EXPECT_TRUE(carrots(sign).empty());
    sign->onRevealEvent(armature, COMPLETE, "lucky");
    sign->onRevealEvent(armature, LOOP_COMPLETE, "lucky");
    engine::testing::stepSeconds(0.2f);
    EXPECT_EQ(sign->getChildByTag(CSignLayer::kRevealTag), nullptr);
    EXPECT_EQ(carrots(sign).size(), 1u);
    EXPECT_EQ(sign->awardLabel()->getString(), std::string("+50"));
    const int awardNodes = static_cast<int>(sign->getChildrenCount());
    engine::testing::stepSeconds(CSignLayer::kRevealLimitSeconds);
    EXPECT_EQ(static_cast<int>(sign->getChildrenCount()), awardNodes - 1) << "only the carrot left, nothing added";
}

TEST_F(SignScreenTest, TheRevealDrawsItsOwnColouringAfterTheLogosArmature) {
    // The logo reads the same armature from its own sheet of the same picture names; the draw's
    // sheet must still go in, or the reveal would show nothing but the shade.
    CCArmatureDataManager::sharedArmatureDataManager()->addArmatureFileInfo("Armature.png", "Armature.plist",
                                                                            "BrindleAnimation.ExportJson");
    CSignLayer* sign = enterSign();
    ASSERT_NE(sign, nullptr);
    luckDone = luckRecord(1, 0, 5);
    tapWidget(sign->widget("luckybtn"));
    settle();
    ASSERT_NE(sign->getChildByTag(CSignLayer::kRevealTag), nullptr);
    CCSpriteFrame* box = CCSpriteFrameCache::sharedSpriteFrameCache()->spriteFrameByName("arm_gift_box.png");
    ASSERT_NE(box, nullptr) << "the draw's sheet was not loaded";
    EXPECT_EQ(box->getTexture(), CCTextureCache::sharedTextureCache()->addImage("Armature1.png"));
}

TEST_F(SignScreenTest, DrawStatesFromTheServer) {
    struct Case {
        const char* what;
        Json::Value luck;
        bool available;
        std::string award; // "" = no award line
    };
    const Case cases[] = {
        {"not drawn today", luckRecord(0, 0, 0), true, ""},
        {"drawn, carrots", luckRecord(1, 0, 20), false, "+20"},
        {"drawn, multiplier", luckRecord(1, 1, 1.5), false, "X1.5" + text("Multiple")},
        {"drawn, double", luckRecord(1, 1, 2), false, "X2.0" + text("Multiple")},
        {"drawn, kind unknown", luckRecord(1, 7, 3), false, ""},
        {"drawn, negative", luckRecord(1, 0, -4), false, ""},
        {"refused", Json::Value(), false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameData::instance().signAward = SignAward{};
        luckData = c.luck;
        CSignLayer* sign = enterSign();
        ASSERT_NE(sign, nullptr);
        EXPECT_EQ(shown(sign->widget("luckybtn")), c.available);
        EXPECT_EQ(shown(sign->luckLabel()), c.available);
        if (c.award.empty()) {
            EXPECT_TRUE(sign->awardLabel() == nullptr || !shown(sign->awardLabel()));
        } else {
            ASSERT_NE(sign->awardLabel(), nullptr);
            EXPECT_EQ(sign->awardLabel()->getString(), c.award);
        }
        EXPECT_TRUE(carrots(sign).empty()) << "entering shows the award without flying it";
        enterScene(2);
    }
    EXPECT_TRUE(logged("award kind 7 is unknown"));
}

TEST_F(SignScreenTest, ARefusedDrawLeavesTheButtonToTryAgain) {
    CSignLayer* sign = enterSign();
    ASSERT_NE(sign, nullptr);
    tapWidget(sign->widget("luckybtn"));
    settle();
    EXPECT_FALSE(sign->drawRunning());
    EXPECT_EQ(sign->getChildByTag(CSignLayer::kRevealTag), nullptr);
    EXPECT_TRUE(shown(sign->widget("luckybtn")));
    luckDone = luckRecord(1, 1, 1.5);
    tapWidget(sign->widget("luckybtn"));
    settle();
    EXPECT_EQ(requestsOf(11, "luck", "sign").size(), 2u);
    EXPECT_TRUE(sign->drawRunning());
    engine::testing::stepSeconds(2.0f);
    EXPECT_EQ(sign->awardLabel()->getString(), "X1.5" + text("Multiple"));
    EXPECT_TRUE(carrots(sign).empty()) << "a multiplier pays later, nothing flies";
}

TEST_F(SignScreenTest, LeavingDuringTheRevealIsSafe) {
    CSignLayer* sign = enterSign();
    ASSERT_NE(sign, nullptr);
    luckDone = luckRecord(1, 0, 10);
    tapWidget(sign->widget("luckybtn"));
    settle();
    ASSERT_TRUE(sign->drawRunning());
    // Back acts on the first touch phase.
    const CCPoint back = worldOf(sign->widget("backbtn"));
    engine::testing::touchBegan(back.x, back.y);
    engine::testing::stepSeconds(0.1f);
    EXPECT_EQ(sceneId(), 2);
    engine::testing::touchEnded(back.x, back.y);
    engine::testing::stepSeconds(CSignLayer::kRevealLimitSeconds + 1);
    EXPECT_EQ(sceneId(), 2);
}

TEST_F(SignScreenTest, AccountBoxesGuideAndExplain) {
    struct Case {
        const char* what;
        std::string storedName;
        int accountKind;
        bool guideSeen;
        std::string message; // "" = no box
        int sceneOfFirstButton;
    };
    const Case cases[] = {
        {"no account", "", 1, true, text("signTip"), 14},
        {"guest", "guest-1", 2, true, text("notLoginTip"), 13},
        {"registered", "13800138000", 1, true, "", -1},
        {"guide first", "", 2, false, "", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StoredSettings::storeUserName(c.storedName);
        UserSession::instance().setAccountKind(c.accountKind);
        StoredSettings::writeBool(StoredSettings::guideKey("sign").c_str(), c.guideSeen);
        CSignLayer* sign = enterSign();
        ASSERT_NE(sign, nullptr);
        EXPECT_EQ(childrenOf<playGuide>(sign).size(), c.guideSeen ? 0u : 1u);
        auto said = boxes(sign);
        if (c.message.empty()) {
            EXPECT_TRUE(said.empty());
        } else {
            ASSERT_EQ(said.size(), 1u);
            EXPECT_EQ(said[0]->messageText(), c.message);
            EXPECT_EQ(said[0]->getPosition(), ccp(480, 320));
            if (c.accountKind == 2) {
                EXPECT_EQ(said[0]->titleText(), text("FriendlyTip"));
            }
            said[0]->handleRelease(said[0]->button(1)->getPosition());
            engine::testing::stepSeconds(0.3f);
            EXPECT_EQ(sceneId(), c.sceneOfFirstButton);
        }
        enterScene(2);
    }

    // The later button only closes the box.
    StoredSettings::storeUserName("");
    StoredSettings::writeBool(StoredSettings::guideKey("sign").c_str(), true);
    CSignLayer* sign = enterSign();
    auto said = boxes(sign);
    ASSERT_EQ(said.size(), 1u);
    ASSERT_NE(said[0]->button(3), nullptr);
    EXPECT_EQ(said[0]->button(2), nullptr);
    said[0]->handleRelease(said[0]->button(3)->getPosition());
    EXPECT_TRUE(boxes(sign).empty());
    EXPECT_EQ(sceneId(), 5);

    // The rules: help text 3 in the sign-in ribbon.
    GameData::instance().explains = {{0, "排行规则"}, {3, "每天签到一次"}};
    tapWidget(sign->widget("instructionbtn"));
    auto tips = childrenOf<CTipBox>(sign);
    ASSERT_EQ(tips.size(), 1u);
    const std::string tree = engine::testing::dumpTree(tips[0]);
    EXPECT_NE(tree.find("每天签到一次"), std::string::npos);
    EXPECT_EQ(tree.find("排行规则"), std::string::npos);
    tips[0]->handleRelease(tips[0]->closeButton()->getPosition());
    EXPECT_TRUE(childrenOf<CTipBox>(sign).empty()) << "the close button works";
}

} // namespace
