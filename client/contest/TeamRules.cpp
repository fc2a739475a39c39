#include "contest/TeamRules.h"

#include "net/GameData.h"
#include "net/UserSession.h"

#include <cctype>

USING_NS_CC;
USING_NS_CC_EXT;

namespace team_rules {

bool validName(const std::string& name) {
    constexpr size_t kMostBytes = 62;
    constexpr size_t kMostUnits = 16;
    if (name.empty() || name.size() > kMostBytes) return false;
    size_t ascii = 0;
    for (size_t at = 0; at < name.size(); ++at) {
        const auto byte = static_cast<unsigned char>(name[at]);
        if (byte >= 128) {
            // A character of several bytes goes whole; its continuation bytes are never read as
            // ASCII, and an ASCII byte after it is checked like any other.
            while (at + 1 < name.size() && (static_cast<unsigned char>(name[at + 1]) & 0xC0) == 0x80) ++at;
            continue;
        }
        if (!std::isalnum(byte)) return false;
        ++ascii;
    }
    return name.size() + ascii <= kMostUnits;
}

std::string ownIdText() { return std::to_string(UserSession::instance().userId()); }

int roleOf(const TeamInfo& team) {
    if (!team.creater.empty() && team.creater == ownIdText()) return kLeader;
    const int own = GameData::instance().myTeam.myTeamId;
    if (own != 0 && team.teamId == own) return kMember;
    return kViewer;
}

const char* joinAnswerKey(int code) {
    switch (code) {
    case 1: return "HDopsuccess";
    case 3: return "HDTeamFull";
    case 4: return "HDInTeamBlacklist";
    case 5: return "HDTeamSignUped";
    case 6: return "notFindTeam";
    case 7: return "HDTeamJieSan";
    default: return "HDopfail";
    }
}

void caption(UIWidget* button, const std::string& text, const char* font, float size) {
    auto* b = dynamic_cast<UIButton*>(button);
    if (b == nullptr) return;
    const float scale = b->getScaleY() > 0 ? b->getScaleY() : 1.0f;
    b->setTitleFontName(font);
    b->setTitleFontSize(size / scale);
    b->setTitleText(text.c_str());
    b->setTitleColor(ccc3(255, 255, 255));
}

void showButton(UIWidget* button, bool shown) {
    if (button == nullptr) return;
    button->setVisible(shown);
    button->setTouchEnabled(shown);
}

CCLabelTTF* addLabel(CCNode* parent, const std::string& text, const char* font, float size, const CCPoint& at,
                     const ccColor3B& colour, int z) {
    if (parent == nullptr) return nullptr;
    CCLabelTTF* label = CCLabelTTF::create(text.c_str(), font, size);
    if (label == nullptr) return nullptr;
    label->setPosition(at);
    label->setColor(colour);
    parent->addChild(label, z);
    return label;
}

} // namespace team_rules
