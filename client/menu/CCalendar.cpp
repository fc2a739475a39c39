#include "menu/CCalendar.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/TextFormat.h"
#include "widgets/Pictures.h"

USING_NS_CC;

namespace {

const ccColor3B kHeaderColour = {50, 50, 50};
const ccColor3B kDayColour = {150, 80, 50};
constexpr float kHeaderSize = 35, kDaySize = 40;
constexpr int kColumns = 7;

std::string headerText(const char* key, int value) {
    const std::string format = LocalText::instance().text(key);
    // Without its text the bare number still tells the month.
    return format.empty() ? std::to_string(value) : fillText(format, {std::to_string(value)});
}

} // namespace

CCalendar* CCalendar::create() {
    auto* calendar = new CCalendar;
    if (calendar->init()) {
        calendar->autorelease();
        return calendar;
    }
    delete calendar;
    ClientLog::write("Fun CCalendar::Create Error!");
    return nullptr;
}

bool CCalendar::init() {
    if (!CCLayer::init()) return false;
    // The layer stands at the window centre; it must not cover the screen's buttons with a size.
    setContentSize(CCSizeZero);
    return true;
}

void CCalendar::setMask(const std::string& mask) {
    m_mask = mask;
    m_maskGiven = mask;
    m_maskLength = static_cast<int>(mask.size());
}

int CCalendar::daysInMonth(int year, int month) {
    switch (month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12: return 31;
    case 4: case 6: case 9: case 11: return 30;
    case 2: return year % 4 == 0 ? 29 : 28;
    default: return 0;
    }
}

CCPoint CCalendar::cellPosition(int cell) {
    return ccp(static_cast<float>((cell % kColumns) * 65 - 335), static_cast<float>(80 - (cell / kColumns) * 45));
}

void CCalendar::clearDrawn() {
    removeAllChildrenWithCleanup(true);
    m_yearLabel = m_monthLabel = nullptr;
    m_drawnDays = m_signedDrawn = 0;
}

CCLabelTTF* CCalendar::dayLabel(int day) const {
    if (day < 1 || day > m_drawnDays) return nullptr;
    return dynamic_cast<CCLabelTTF*>(const_cast<CCalendar*>(this)->getChildByTag(kDayTagBase + day));
}

CCSprite* CCalendar::dayMark(int day) const {
    if (day < 1 || day > m_drawnDays) return nullptr;
    return dynamic_cast<CCSprite*>(const_cast<CCalendar*>(this)->getChildByTag(kMarkTagBase + day));
}

void CCalendar::refresh() {
    clearDrawn();
    m_yearLabel = Pictures::label(headerText("calendarYear", m_year), kHeaderSize, CCSizeZero, kCCTextAlignmentCenter);
    m_yearLabel->setColor(kHeaderColour);
    m_yearLabel->setPosition(ccp(-20, 170));
    addChild(m_yearLabel, 1);
    m_monthLabel = Pictures::label(headerText("calendarMonth", m_month), kHeaderSize, CCSizeZero, kCCTextAlignmentCenter);
    m_monthLabel->setColor(kHeaderColour);
    m_monthLabel->setPosition(ccp(-170, 170));
    addChild(m_monthLabel, 1);

    const int days = daysInMonth(m_year, m_month);
    if (days == 0) {
        ClientLog::write("calendar: month %d is no month, no days drawn", m_month);
        return;
    }
    if (m_firstColumn < 1 || m_firstColumn > kColumns) {
        ClientLog::write("calendar: first column %d is outside 1..7, no days drawn", m_firstColumn);
        return;
    }
    if (static_cast<int>(m_mask.size()) < days) m_mask.append(days - m_mask.size(), '0');
    if (m_maskLength > days) {
        ClientLog::write("calendar: %d marks for a month of %d days, the rest ignored", m_maskLength, days);
    }

    const int first = m_firstColumn - 1;
    for (int cell = first; cell < first + days; ++cell) {
        const int day = cell - first + 1;
        const CCPoint at = cellPosition(cell);
        CCLabelTTF* label = Pictures::label(std::to_string(day), kDaySize, CCSizeZero, kCCTextAlignmentCenter);
        label->setColor(kDayColour);
        label->setPosition(at);
        addChild(label, 1, kDayTagBase + day);
        if (m_mask[day - 1] != '0') {
            CCSprite* mark = Pictures::sprite("riqixuanzhong.png");
            mark->setPosition(at);
            addChild(mark, 2, kMarkTagBase + day);
            m_signedDrawn += 1;
        }
    }
    m_drawnDays = days;
}
