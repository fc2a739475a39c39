#include "account/ProfileStatistics.h"

#include "app/LevelTitles.h"
#include "app/LocalText.h"
#include "app/TextFormat.h"
#include "widgets/Pictures.h"

#include <ctime>

USING_NS_CC;

namespace profile_statistics {

namespace {

constexpr float kFontSize = 30;
constexpr float kRowStep = 40;
const ccColor3B kTextColour = {80, 40, 10};

struct Figure {
    const char* key;
    int column; // 0 left, 1 right
    int row;    // 0 to 4, top down
};

CCLabelTTF* addLine(CCNode* panel, const std::string& text, const CCPoint& at) {
    CCLabelTTF* label = Pictures::label(text, kFontSize, CCSizeZero, kCCTextAlignmentLeft);
    label->setAnchorPoint(ccp(0, 0.5f));
    label->setColor(kTextColour);
    label->setPosition(at);
    panel->addChild(label, 2);
    return label;
}

// Rows step down from one row above the avatar's middle; the columns start right of the avatar.
CCPoint cell(int column, int row) {
    const float x = kAvatarAt.x + (column == 0 ? 150 : 520);
    return ccp(x, kAvatarAt.y + kRowStep - kRowStep * row);
}

} // namespace

std::string registrationDate(int regTime) {
    if (regTime == 0) return "";
    const std::time_t when = static_cast<std::time_t>(regTime);
    std::tm local{};
    if (localtime_r(&when, &local) == nullptr) return "";
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    return text;
}

std::string line(const char* key, const std::string& value) {
    const std::string format = LocalText::instance().text(key);
    if (format.find("%d") != std::string::npos || format.find("%s") != std::string::npos) {
        return fillText(format, {value});
    }
    return format + value;
}

CCNode* build(const UserInfo& user, const ReferralStats& stats, bool withFigures) {
    CCNode* panel = CCNode::create();
    float avatarWidth = 0;
    const std::string badge = levelBadgeImage(user.level);
    if (!badge.empty()) {
        CCSprite* avatar = Pictures::sprite(badge);
        avatar->setScale(0.6f);
        avatar->setAnchorPoint(ccp(0, 0.5f));
        avatar->setPosition(kAvatarAt);
        panel->addChild(avatar, 1);
        avatarWidth = avatar->getContentSize().width * avatar->getScale();
    }
    CCLabelTTF* id = Pictures::label(fillText("ID:%d", {std::to_string(user.uuid)}), kFontSize, CCSizeZero,
                                     kCCTextAlignmentCenter);
    id->setColor(kTextColour);
    id->setScale(0.8f);
    id->setPosition(ccp(kAvatarAt.x + std::max(avatarWidth, 120.0f) / 2, kAvatarAt.y - 2.5f * kRowStep));
    panel->addChild(id, 2);
    addLine(panel, line("NiCheng", user.nickname), ccp(kAvatarAt.x + 150, kAvatarAt.y + 2 * kRowStep));

    const auto n = [](int v) { return std::to_string(v); };
    addLine(panel, line("ShouJiHao", user.tel), cell(1, 1));
    if (!withFigures) return panel;
    const std::pair<Figure, std::string> figures[] = {
        {{"JinRiHuluoboShu", 0, 0}, n(stats.todayScore)},
        {{"JinRiJinluoboShu", 0, 1}, n(stats.todayMoney)},
        {{"LeiJiZhengQueShu", 0, 2}, n(stats.allRight)},
        {{"LeiJiCuoWuShu", 0, 3}, n(stats.allWrong)},
        {{"BenZhouPaiHangMingCi", 0, 4}, n(stats.rank)},
        {{"ZhuCeShiJian", 1, 0}, registrationDate(stats.regTime)},
        {{"TuiJianHaoYouShu", 1, 2}, n(stats.referralCount)},
        {{"HuoYueZongShu", 1, 3}, n(stats.activeCount)},
        {{"TuiJianJiangLi", 1, 4}, n(stats.referralPrize)},
    };
    for (const auto& [figure, value] : figures) {
        CCLabelTTF* label = addLine(panel, line(figure.key, value), cell(figure.column, figure.row));
        if (std::string(figure.key) == "TuiJianJiangLi") {
            CCSprite* carrot = Pictures::sprite("common_jinluobo.png");
            carrot->setScale(0.45f);
            carrot->setPosition(ccp(label->getPositionX() + label->getContentSize().width + 28, label->getPositionY()));
            panel->addChild(carrot, 2);
        }
    }
    return panel;
}

} // namespace profile_statistics
