#include "sheets/SheetPacker.h"

#include <gtest/gtest.h>

namespace brindle::assets {
namespace {

bool overlap(const PackItem& a, const PackItem& b)
{
    const int aw = a.rotated ? a.height : a.width, ah = a.rotated ? a.width : a.height;
    const int bw = b.rotated ? b.height : b.width, bh = b.rotated ? b.width : b.height;
    return a.x < b.x + bw && b.x < a.x + aw && a.y < b.y + bh && b.y < a.y + ah;
}

TEST(SheetPacker, PlacesEveryItemInsideWithoutOverlapAndObeysTurns)
{
    std::vector<PackItem> items;
    for (int i = 0; i < 40; ++i) {
        PackItem item;
        item.name = "f" + std::to_string(i);
        item.width = 20 + (i * 37) % 150;
        item.height = 15 + (i * 53) % 200;
        item.turn = i % 7 == 0 ? Turn::Always : i % 5 == 0 ? Turn::Never : Turn::Allowed;
        items.push_back(item);
    }
    int w = 0, h = 0;
    ASSERT_TRUE(SheetPacker::pack(items, 2, 2048, w, h));
    ASSERT_EQ(items.size(), 40u);
    for (size_t i = 0; i < items.size(); ++i) {
        const auto& a = items[i];
        const int aw = a.rotated ? a.height : a.width, ah = a.rotated ? a.width : a.height;
        EXPECT_GE(a.x, 2);
        EXPECT_GE(a.y, 2);
        EXPECT_LE(a.x + aw, w) << a.name;
        EXPECT_LE(a.y + ah, h) << a.name;
        if (a.turn == Turn::Always) {
            EXPECT_TRUE(a.rotated) << a.name;
        }
        if (a.turn == Turn::Never) {
            EXPECT_FALSE(a.rotated) << a.name;
        }
        for (size_t j = i + 1; j < items.size(); ++j)
            EXPECT_FALSE(overlap(a, items[j])) << a.name << " / " << items[j].name;
    }
    // Same input, same places.
    std::vector<PackItem> again = items;
    for (auto& it : again) { it.x = it.y = 0; it.rotated = false; }
    int w2 = 0, h2 = 0;
    ASSERT_TRUE(SheetPacker::pack(again, 2, 2048, w2, h2));
    EXPECT_EQ(w, w2);
    EXPECT_EQ(h, h2);
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].name, again[i].name);
        EXPECT_EQ(items[i].x, again[i].x);
        EXPECT_EQ(items[i].y, again[i].y);
    }
}

TEST(SheetPacker, ReportsWhenItemsCannotFit)
{
    std::vector<PackItem> items(5);
    for (int i = 0; i < 5; ++i) {
        items[size_t(i)].name = "big" + std::to_string(i);
        items[size_t(i)].width = items[size_t(i)].height = 300;
    }
    int w = 0, h = 0;
    EXPECT_FALSE(SheetPacker::pack(items, 2, 512, w, h));
    items.resize(1);
    items[0].width = 600;
    EXPECT_FALSE(SheetPacker::pack(items, 2, 512, w, h));
}

} // namespace
} // namespace brindle::assets
