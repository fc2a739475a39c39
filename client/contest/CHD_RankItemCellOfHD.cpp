#include "contest/CHD_RankItemCellOfHD.h"

#include "widgets/Pictures.h"

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

const ccColor3B kTextColour = {90, 52, 20};
constexpr float kTextSize = 24;
// A name wider than its column is drawn smaller rather than running into the next one.
constexpr float kNameWidth = 230;

} // namespace

CHD_RankItemCellOfHD* CHD_RankItemCellOfHD::create(const CCSize& size) {
    auto* cell = new CHD_RankItemCellOfHD;
    cell->autorelease();
    cell->m_size = size;
    cell->setContentSize(size);
    return cell;
}

void CHD_RankItemCellOfHD::fill(unsigned int index, const std::vector<std::string>& columns,
                                const std::vector<float>& xs) {
    // Cells are reused as the table scrolls: everything of the previous row goes.
    removeAllChildrenWithCleanup(true);
    m_columns = columns;
    m_background = index % 2 == 0 ? "common_btn_max.png" : "common_greyBtn2.png";
    const float middle = m_size.height / 2;
    CCSprite* back = Pictures::sprite(m_background);
    const CCSize picture = back->getContentSize();
    if (picture.width > 0 && picture.height > 0) {
        back->setScaleX((m_size.width - 8) / picture.width);
        back->setScaleY((m_size.height - 6) / picture.height);
    }
    back->setPosition(ccp(m_size.width / 2, middle));
    addChild(back, 0);

    for (std::size_t k = 0; k < columns.size() && k < xs.size(); ++k) {
        CCNode* node = nullptr;
        if (k == 0) {
            CCLabelBMFont* place = CCLabelBMFont::create(columns[k].c_str(), "NumFont.fnt");
            if (place) place->setScale(0.8f);
            node = place;
        }
        if (node == nullptr) {
            CCLabelTTF* label = Pictures::label(columns[k], kTextSize, CCSizeZero, kCCTextAlignmentCenter);
            label->setColor(kTextColour);
            const float width = label->getContentSize().width;
            if (k == 1 && width > kNameWidth) label->setScale(kNameWidth / width);
            node = label;
        }
        node->setPosition(ccp(xs[k], middle));
        addChild(node, 1);
    }
}
