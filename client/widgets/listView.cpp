#include "widgets/listView.h"

#include "app/ClientLog.h"
#include "data/LocalTables.h"
#include "quiz/QuizData.h"

#include <cstdio>
#include <cstdlib>

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

std::string twoDigits(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

} // namespace

listVewCell* listVewCell::create() {
    listVewCell* cell = new listVewCell;
    cell->autorelease();
    cell->m_label = CCLabelTTF::create("", "simhei.ttf", 24);
    cell->m_label->setColor(ccc3(80, 40, 10));
    cell->m_label->setPosition(ccp(listView::kCellWidth / 2, listView::kCellHeight / 2));
    cell->addChild(cell->m_label);
    return cell;
}

void listVewCell::setText(const std::string& text) { m_label->setString(text.c_str()); }
std::string listVewCell::text() const { return m_label->getString(); }

listView* listView::create() {
    listView* view = new listView;
    if (view->init()) {
        view->autorelease();
        return view;
    }
    delete view;
    ClientLog::write("Fun listView::Create Error!");
    return nullptr;
}

CCSize listView::sizeFor(int mode) {
    switch (mode) {
    case Province:
    case City: return CCSizeMake(290, 220);
    case Year: return CCSizeMake(170, 220);
    default: return CCSizeMake(100, 220);
    }
}

std::vector<std::string> listView::textsFor(int mode) {
    std::vector<std::string> texts;
    LocalTables& tables = LocalTables::instance();
    switch (mode) {
    case Province:
        tables.loadProvinces();
        for (const ProvinceAtt* p : tables.provinces()) texts.push_back(p->getName());
        break;
    case City: {
        tables.loadProvinces();
        const auto& provinces = tables.provinces();
        const int at = tables.selectedProvince();
        if (at >= 0 && at < static_cast<int>(provinces.size())) {
            for (const Cityatt* c : provinces[at]->cities()) texts.push_back(c->getName());
        }
        break;
    }
    case Year:
        for (int year = 1900; year <= 2050; ++year) {
            char text[16];
            std::snprintf(text, sizeof text, "%04d", year);
            texts.push_back(text);
        }
        break;
    case MonthOfYear:
        tables.loadMonths();
        for (const Month* m : tables.months()) texts.push_back(twoDigits(m->getNum()));
        break;
    case DayOfMonth: {
        tables.loadMonths();
        const auto& months = tables.months();
        const int at = tables.selectedMonth();
        if (at >= 0 && at < static_cast<int>(months.size())) {
            for (const Day* d : months[at]->days()) texts.push_back(twoDigits(d->getNum()));
        }
        break;
    }
    case Question:
        for (int id : QuizData::instance().secondList) texts.push_back(std::to_string(id));
        break;
    default: ClientLog::write("listView: unknown mode %d", mode);
    }
    return texts;
}

void listView::fill(int mode, int extra) {
    m_mode = mode;
    m_extra = extra;
    m_texts = textsFor(mode);
    if (m_table) m_table->removeFromParent();
    m_table = CCTableView::create(this, getContentSize());
    m_table->setDirection(kCCScrollViewDirectionVertical);
    m_table->setVerticalFillOrder(kCCTableViewFillTopDown);
    m_table->setDelegate(this);
    addChild(m_table);
    m_table->reloadData();
    // Birth years cluster near the end of the range: open there rather than at 1900.
    if (mode == Year) m_table->setContentOffset(ccp(0, kYearOffset));
}

unsigned int listView::numberOfCellsInTableView(CCTableView*) { return static_cast<unsigned int>(m_texts.size()); }

CCSize listView::cellSizeForTable(CCTableView*) { return CCSizeMake(kCellWidth, kCellHeight); }

CCTableViewCell* listView::tableCellAtIndex(CCTableView* table, unsigned int idx) {
    auto* cell = static_cast<listVewCell*>(table->dequeueCell());
    if (!cell) cell = listVewCell::create();
    cell->setText(idx < m_texts.size() ? m_texts[idx] : "");
    return cell;
}

void listView::tableCellTouched(CCTableView*, CCTableViewCell* cell) { choose(cell->getIdx()); }

void listView::choose(unsigned int index) {
    if (index >= m_texts.size()) return;
    const std::string chosen = m_texts[index];
    if (m_mode == Province) LocalTables::instance().setSelectedProvince(static_cast<int>(index));
    if (m_mode == MonthOfYear) LocalTables::instance().setSelectedMonth(static_cast<int>(index));
    if (m_mode == Question) {
        QuizData::instance().lastAnsweredQsid = std::atoi(chosen.c_str());
        if (m_delegate) m_delegate->onQuestionChosen(m_mode, chosen);
    }
    if (m_delegate) m_delegate->onListChosen(m_mode, chosen);
}

void listView::onEnter() {
    CCLayer::onEnter();
    // Below the table's own priority, so touches inside reach the cells first.
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, 1, false);
}

void listView::onExit() {
    CCDirector::sharedDirector()->getTouchDispatcher()->removeDelegate(this);
    CCLayer::onExit();
}

bool listView::ccTouchBegan(CCTouch* touch, CCEvent*) {
    if (!boundingBox().containsPoint(getParent() ? getParent()->convertToNodeSpace(touch->getLocation())
                                                 : touch->getLocation())) {
        retain();
        removeFromParent();
        autorelease();
    }
    return false;
}
