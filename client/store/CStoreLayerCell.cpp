#include "store/CStoreLayerCell.h"

#include "app/ClientLog.h"
#include "widgets/Pictures.h"

USING_NS_CC;

namespace {

constexpr float kTabWidth = 170, kTabHeight = 62;
constexpr float kFontSize = 26;
const ccColor3B kPlainText = {110, 70, 30};
const ccColor3B kChosenText = {255, 255, 255};

CCSprite* tab(const char* picture) {
    CCSprite* sprite = Pictures::sprite(picture);
    const CCSize size = sprite->getContentSize();
    if (size.width > 0 && size.height > 0) {
        sprite->setScaleX(kTabWidth / size.width);
        sprite->setScaleY(kTabHeight / size.height);
    }
    sprite->setPosition(ccp(CStoreLayerCell::kWidth / 2, CStoreLayerCell::kHeight / 2));
    return sprite;
}

} // namespace

CStoreLayerCell* CStoreLayerCell::create() {
    auto* cell = new CStoreLayerCell;
    if (cell->init()) {
        cell->autorelease();
        return cell;
    }
    delete cell;
    ClientLog::write("Fun CStoreLayerCell::Create Error!");
    return nullptr;
}

bool CStoreLayerCell::init() {
    if (!CCNode::init()) return false;
    setContentSize(CCSizeMake(kWidth, kHeight));
    m_plain = tab("common_greyBtn2.png");
    m_chosen = tab("common_btn.png");
    addChild(m_plain, 0);
    addChild(m_chosen, 0);
    // Long names wrap to a second line inside the tab rather than run past it.
    m_name = Pictures::label("", kFontSize, CCSizeMake(kTabWidth - 16, kTabHeight - 4), kCCTextAlignmentCenter);
    if (m_name) {
        m_name->setVerticalAlignment(kCCVerticalTextAlignmentCenter);
        m_name->setPosition(ccp(kWidth / 2, kHeight / 2));
        addChild(m_name, 1);
    }
    fill("", false);
    return true;
}

void CStoreLayerCell::fill(const std::string& name, bool selected) {
    m_selected = selected;
    m_plain->setVisible(!selected);
    m_chosen->setVisible(selected);
    if (m_name) {
        m_name->setString(name.c_str());
        m_name->setColor(selected ? kChosenText : kPlainText);
    }
}
