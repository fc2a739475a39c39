#include "app/LevelTitles.h"

namespace {

struct BandImages {
    const char* title;
    const char* badge;
};

constexpr BandImages kBands[] = {
    {"guangdingtu.png", ""},
    {"guangdingtu.png", "guangdingtu_b.png"},
    {"xiaopxiaoptu.png", "xiaopxiaoptu_b.png"},
    {"qingniantu.png", "qingniantu_b.png"},
    {"wenyitu.png", "wenyitu_b.png"},
    {"qianglitu.png", "qianglitu_b.png"},
    {"xuejiutu.png", "xuejiutu_b.png"},
    {"chaojitu.png", "chaojitu_b.png"},
};

} // namespace

int levelBand(int level) {
    if (level < 0) return 0;
    if (level <= 10) return 1;
    if (level <= 20) return 2;
    if (level <= 40) return 3;
    if (level <= 60) return 4;
    if (level <= 80) return 5;
    if (level <= 90) return 6;
    return 7;
}

std::string levelTitleImage(int level) { return kBands[levelBand(level)].title; }

std::string levelBadgeImage(int level) { return kBands[levelBand(level)].badge; }
