// The referral table: rows as the table shows them, the list fetched page by page until a short
// answer, paging within the table, and the scroll bar and the columns moving together.
#include "account/ProfileSupport.h"

#include "net/GameData.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;
namespace et = engine::testing;

namespace {

class ReferralTableTest : public ProfileTest {
protected:
    CRefereesInfoLayer* openTable() {
        auto* table = dynamic_cast<CRefereesInfoLayer*>(m_screen->getChildByTag(10089));
        return table;
    }
    static std::vector<RefereeRow> rows(int count) {
        std::vector<RefereeRow> out;
        for (int i = 0; i < count; ++i) {
            RefereeRow row;
            for (int c = 0; c < 9; ++c) row[c] = "r" + std::to_string(i) + "c" + std::to_string(c);
            out.push_back(row);
        }
        return out;
    }
};

TEST_F(ReferralTableTest, RowsAreFormattedForTheTable) {
    const std::pair<const char*, const char*> tels[] = {
        {"13812345678", "138****5678"}, {"1381234567890", "138****567890"}, {"12345", "123****"},
        {"1234", "123****"},            {"123", "123"},                     {"12", "12"},
        {"", ""},                       {"电话号码一二三四五", "电话号****四五"},
    };
    for (const auto& [tel, shown] : tels) EXPECT_EQ(CRefereesInfoLayer::maskedTel(tel), shown) << tel;

    const std::pair<int, std::string> times[] = {
        {0, "0秒"},         {59, "59秒"},          {60, "1分0秒"},  {3599, "59分59秒"},
        {3600, "1小时0分0秒"}, {3725, "1小时2分5秒"}, {-5, "0秒"}, {90061, "25小时1分1秒"},
    };
    for (const auto& [seconds, shown] : times) EXPECT_EQ(CRefereesInfoLayer::onlineTime(seconds), shown) << seconds;

    ReferralItem item;
    item.tel = "13912345678";
    item.regDate = "2026-11-30";
    item.rightCount = 40, item.wrongCount = 9, item.money = 25, item.score = 1300, item.todayMoney = 3;
    item.onlineTime = 125, item.todayAnswerCount = 12, item.monthLoginDays = 6, item.loginDays = 44;
    const RefereeRow expected = {"139****5678", "2026-11-30", "40/9", "25/1300", "3", "2分5秒", "12", "6", "44"};
    EXPECT_EQ(CRefereesInfoLayer::rowOf(item), expected);
}

TEST_F(ReferralTableTest, ListIsFetchedPageByPageUntilAShortAnswer) {
    struct Case {
        const char* what;
        std::vector<int> pageSizes; // rows answered for page 0, 1, ...
        int pagesShown;
    };
    const Case cases[] = {
        {"one short page", {3}, 1},
        {"two full pages then a short one", {100, 100, 37}, 48},
        {"exactly a full page, then none", {100, 0}, 20},
        {"empty list", {0}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_peer.reset();
        answer = [&c](const Json::Value& request) {
            const int page = request["page"].asInt();
            const int size = page < static_cast<int>(c.pageSizes.size()) ? c.pageSizes[page] : 0;
            return referralPage(page * 100, size);
        };
        enterProfile();
        m_screen->requestReferredFriends();
        ASSERT_TRUE(pumpUntilIdle());
        const std::vector<Json::Value> asked = requestsOf(50);
        ASSERT_EQ(asked.size(), c.pageSizes.size());
        for (size_t p = 0; p < asked.size(); ++p) EXPECT_EQ(asked[p]["page"], Json::Value(static_cast<int>(p)));
        CRefereesInfoLayer* table = openTable();
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->getZOrder(), 1000);
        size_t total = 0;
        for (int size : c.pageSizes) total += size;
        ASSERT_EQ(table->rows().size(), total);
        if (total > 0) {
            const Json::Value last = referralPage(static_cast<int>(total) - 1, 1)["tuijian"][0];
            EXPECT_EQ(table->rows().back()[0], CRefereesInfoLayer::maskedTel(last["tel"].asString()));
        }
        EXPECT_EQ(table->pageCount(), c.pagesShown);
        EXPECT_EQ(table->currentPage(), 1);
        table->removeFromParent();
    }
}

TEST_F(ReferralTableTest, ARefusedListShowsNothing) {
    answer = [](const Json::Value&) {
        Json::Value a(Json::objectValue);
        a["response"] = 0;
        return a;
    };
    enterProfile();
    m_screen->requestReferredFriends();
    ASSERT_TRUE(pumpUntilIdle());
    EXPECT_EQ(openTable(), nullptr);
    EXPECT_EQ(requestsOf(50).size(), 1u);
}

TEST_F(ReferralTableTest, PagingStaysWithinThePages) {
    enterScene(3);
    CRefereesInfoLayer* table = CRefereesInfoLayer::Create();
    ASSERT_NE(table, nullptr);
    CCDirector::sharedDirector()->getRunningScene()->addChild(table);
    auto pageLabel = [table] {
        return std::string(static_cast<CCLabelTTF*>(table->getChildByTag(CRefereesInfoLayer::kPageLabelTag))->getString());
    };
    const std::pair<int, int> counts[] = {{0, 1}, {1, 1}, {5, 1}, {6, 2}, {10, 2}, {11, 3}};
    for (const auto& [count, pages] : counts) {
        table->setRows(rows(count));
        EXPECT_EQ(table->pageCount(), pages) << count;
        EXPECT_EQ(pageLabel(), "1/" + std::to_string(pages));
        EXPECT_EQ(table->columnTexts(0).size(), static_cast<size_t>(std::min(count, 5)));
    }
    // 11 rows: three pages, the last with one row.
    table->prevPage();
    EXPECT_EQ(table->currentPage(), 1);
    EXPECT_EQ(table->columnTexts(3), (std::vector<std::string>{"r0c3", "r1c3", "r2c3", "r3c3", "r4c3"}));
    table->nextPage();
    table->nextPage();
    EXPECT_EQ(pageLabel(), "3/3");
    EXPECT_EQ(table->columnTexts(8), std::vector<std::string>{"r10c8"});
    EXPECT_EQ(table->columnTexts(0), std::vector<std::string>{"r10c0"});
    table->nextPage();
    EXPECT_EQ(table->currentPage(), 3);
    table->prevPage();
    EXPECT_EQ(table->columnTexts(1), (std::vector<std::string>{"r5c1", "r6c1", "r7c1", "r8c1", "r9c1"}));

    // Through the menu's own text buttons and the back button.
    et::tap(480 + 40 - 120, 40);
    EXPECT_EQ(table->currentPage(), 1);
    et::tap(480 + 40 + 120, 40);
    EXPECT_EQ(table->currentPage(), 2);
    table->retain();
    et::tap(920, 600);
    EXPECT_EQ(table->getParent(), nullptr);
    table->release();
}

TEST_F(ReferralTableTest, ScrollThumbAndColumnsFollowEachOther) {
    enterScene(3);
    CRefereesInfoLayer* table = CRefereesInfoLayer::Create();
    ASSERT_NE(table, nullptr);
    CCDirector::sharedDirector()->getRunningScene()->addChild(table);
    et::stepFrames(2);
    CCSprite* thumb = table->thumb();
    const float trackX = table->trackX();
    const float travel = table->thumbTravel();
    const float range = 1650 - table->scrollView()->getViewSize().width;
    ASSERT_GT(travel, 0);
    EXPECT_FLOAT_EQ(thumb->getPositionX(), trackX);

    // Drag the thumb halfway: the columns follow.
    const float grabX = trackX + 20;
    et::touchBegan(grabX, 80);
    et::touchMoved(grabX + travel / 2, 80);
    EXPECT_NEAR(thumb->getPositionX(), trackX + travel / 2, 0.5f);
    EXPECT_NEAR(table->scrollView()->getContentOffset().x, -range / 2, 1.0f);
    // Past the end of the track the thumb stops there, and the columns at their last.
    et::touchMoved(grabX + travel + 300, 80);
    EXPECT_NEAR(thumb->getPositionX(), trackX + travel, 0.5f);
    EXPECT_NEAR(table->scrollView()->getContentOffset().x, -range, 1.0f);
    et::touchEnded(grabX + travel + 300, 80);

    // Columns moved another way: the thumb follows on its timer.
    table->scrollView()->setContentOffset(ccp(-range / 4, 0));
    et::stepSeconds(0.05f);
    EXPECT_NEAR(thumb->getPositionX(), trackX + travel / 4, 0.5f);
    // A drag that does not begin on the thumb leaves it to the columns.
    et::touchBegan(trackX + travel + 100, 80);
    et::touchMoved(trackX, 80);
    et::touchEnded(trackX, 80);
    et::stepSeconds(0.05f);
    EXPECT_NEAR(thumb->getPositionX(), trackX + travel / 4, 0.5f);
}

} // namespace
