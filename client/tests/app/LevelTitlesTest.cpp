#include "app/LevelTitles.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

struct Case {
    int level;
    int band;
    const char* title;
    const char* badge;
};

const Case kCases[] = {
    {INT_MIN, 0, "guangdingtu.png", ""},      {-1, 0, "guangdingtu.png", ""},
    {0, 1, "guangdingtu.png", "guangdingtu_b.png"}, {10, 1, "guangdingtu.png", "guangdingtu_b.png"},
    {11, 2, "xiaopxiaoptu.png", "xiaopxiaoptu_b.png"}, {20, 2, "xiaopxiaoptu.png", "xiaopxiaoptu_b.png"},
    {21, 3, "qingniantu.png", "qingniantu_b.png"}, {40, 3, "qingniantu.png", "qingniantu_b.png"},
    {41, 4, "wenyitu.png", "wenyitu_b.png"},   {60, 4, "wenyitu.png", "wenyitu_b.png"},
    {61, 5, "qianglitu.png", "qianglitu_b.png"}, {80, 5, "qianglitu.png", "qianglitu_b.png"},
    {81, 6, "xuejiutu.png", "xuejiutu_b.png"}, {90, 6, "xuejiutu.png", "xuejiutu_b.png"},
    {91, 7, "chaojitu.png", "chaojitu_b.png"}, {INT_MAX, 7, "chaojitu.png", "chaojitu_b.png"},
};

TEST(LevelTitles, BandsAndPicturesAtEveryBoundary) {
    for (const Case& c : kCases) {
        EXPECT_EQ(levelBand(c.level), c.band) << c.level;
        EXPECT_EQ(levelTitleImage(c.level), c.title) << c.level;
        EXPECT_EQ(levelBadgeImage(c.level), c.badge) << c.level;
    }
}

} // namespace
