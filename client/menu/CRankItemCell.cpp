#include "menu/CRankItemCell.h"

#include "app/ClientLog.h"
#include "net/ResponseRecords.h"
#include "widgets/Pictures.h"

#include <vector>

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr float kPictureScale = 0.67f;
constexpr float kTextSize = 30;
// The number font stands taller than the text: a little smaller, its digits sit on the text's line.
constexpr float kNumberScale = 0.8f;
const ccColor3B kTextColour = {90, 52, 20};
// From the nickname's start to the score's: a longer name is drawn smaller, down to a size that
// still reads, and beyond that cut with an ellipsis, never over the score.
constexpr float kNameWidth = 210;
constexpr float kTelWidth = 200;
constexpr float kSmallestScale = 0.75f;

CCLabelBMFont* numberLabel(const CCPoint& at) {
    CCLabelBMFont* label = CCLabelBMFont::create("", "NumFont.fnt");
    if (label == nullptr) {
        ClientLog::write("ranking: NumFont.fnt cannot be read");
        return nullptr;
    }
    label->setAnchorPoint(CCPointZero);
    label->setPosition(at);
    label->setScale(kNumberScale);
    return label;
}

CCLabelTTF* textLabel(const CCPoint& at) {
    CCLabelTTF* label = Pictures::label("", kTextSize, CCSizeZero, kCCTextAlignmentLeft);
    label->setColor(kTextColour);
    label->setAnchorPoint(CCPointZero);
    label->setPosition(at);
    return label;
}

// Byte offsets where each UTF-8 character starts (continuation bytes are skipped).
std::vector<std::size_t> characterStarts(const std::string& text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
    }
    return starts;
}

void fitWidth(CCLabelTTF* label, const std::string& text, float width) {
    label->setString(text.c_str());
    label->setScale(1.0f);
    float drawn = label->getContentSize().width;
    if (drawn <= width) return;
    if (drawn * kSmallestScale <= width) {
        label->setScale(width / drawn);
        return;
    }
    label->setScale(kSmallestScale);
    const std::vector<std::size_t> starts = characterStarts(text);
    for (std::size_t keep = starts.size(); keep > 1; --keep) {
        label->setString((text.substr(0, starts[keep - 1]) + "…").c_str());
        if (label->getContentSize().width * kSmallestScale <= width) return;
    }
}

} // namespace

CRankItemCell* CRankItemCell::create() {
    auto* cell = new CRankItemCell;
    if (cell->init()) {
        cell->autorelease();
        return cell;
    }
    delete cell;
    ClientLog::write("Fun CRankItemCell::Create Error!");
    return nullptr;
}

bool CRankItemCell::init() {
    m_background = Pictures::sprite("common_btn_max.png");
    m_background->setAnchorPoint(CCPointZero);
    m_background->setScale(kPictureScale);
    addChild(m_background, 0);
    m_topIcon = Pictures::sprite("rank_icon1.png");
    m_topIcon->setAnchorPoint(CCPointZero);
    m_topIcon->setPosition(ccp(25, 16));
    m_topIcon->setScale(kPictureScale);
    addChild(m_topIcon, 1);
    if ((m_rank = numberLabel(ccp(100, 40)))) addChild(m_rank, 1);
    addChild(m_tel = textLabel(ccp(180, 40)), 1);
    addChild(m_name = textLabel(ccp(390, 40)), 1);
    if ((m_score = numberLabel(ccp(610, 40)))) addChild(m_score, 1);
    return true;
}

std::string CRankItemCell::maskedTel(const std::string& tel) {
    if (tel.empty()) return "";
    const std::vector<std::size_t> starts = characterStarts(tel);
    auto cut = [&](std::size_t first, std::size_t count) {
        if (first >= starts.size()) return std::string();
        const std::size_t from = starts[first];
        const std::size_t last = first + count;
        const std::size_t to = last < starts.size() ? starts[last] : tel.size();
        return tel.substr(from, to - from);
    };
    return cut(0, 3) + "****" + cut(7, 4);
}

void CRankItemCell::fill(const RankItem& item) {
    // Only the first three places are top places; a place of 0 or less is none.
    m_topIcon->setVisible(item.rank >= 1 && item.rank <= 3);
    if (m_rank) m_rank->setString(std::to_string(item.rank).c_str());
    fitWidth(m_tel, maskedTel(item.tel), kTelWidth);
    fitWidth(m_name, item.name, kNameWidth);
    if (m_score) m_score->setString(std::to_string(item.score).c_str());
}
