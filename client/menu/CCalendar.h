// The sign-in calendar: one month on a seven-column grid (Sunday first), the signed days marked.
// It lays itself out around its own origin; the sign-in screen puts that at the window centre.
#pragma once

#include "cocos2d.h"

#include <string>

class CCalendar : public cocos2d::CCLayer {
public:
    static CCalendar* create();
    bool init() override;

    void setYear(int year) { m_year = year; }
    void setMonth(int month) { m_month = month; }
    // Column 1..7 of the month's first day.
    void setFirstColumn(int column) { m_firstColumn = column; }
    // One character per day; anything but '0' marks the day as signed.
    void setMask(const std::string& mask);
    // Draws the header and the days anew from the values set.
    void refresh();

    // 28..31, or 0 for a month that is no month. Every fourth year is a leap year, centuries too.
    static int daysInMonth(int year, int month);

    int year() const { return m_year; }
    int month() const { return m_month; }
    int firstColumn() const { return m_firstColumn; }
    int day() const { return m_day; }
    int maskLength() const { return m_maskLength; }
    const std::string& mask() const { return m_mask; }
    const std::string& lastMaskGiven() const { return m_maskGiven; }

    // What the last refresh drew, for the screen's tests and pictures.
    int drawnDays() const { return m_drawnDays; }
    int signedDaysDrawn() const { return m_signedDrawn; }
    cocos2d::CCLabelTTF* yearLabel() const { return m_yearLabel; }
    cocos2d::CCLabelTTF* monthLabel() const { return m_monthLabel; }
    // The label of day 1..drawnDays(), null outside; and its mark (null when the day is not signed).
    cocos2d::CCLabelTTF* dayLabel(int day) const;
    cocos2d::CCSprite* dayMark(int day) const;

    // Where cell k of the grid stands, relative to the calendar's origin.
    static cocos2d::CCPoint cellPosition(int cell);

    static constexpr int kDayTagBase = 1000;
    static constexpr int kMarkTagBase = 2000;

private:
    void clearDrawn();

    int m_year = 2014;
    int m_month = 9;
    int m_day = 16;
    int m_firstColumn = 7;
    int m_maskLength = 30;
    std::string m_mask = "000000000001000000000000000000";
    std::string m_maskGiven = m_mask;

    int m_drawnDays = 0;
    int m_signedDrawn = 0;
    cocos2d::CCLabelTTF* m_yearLabel = nullptr;
    cocos2d::CCLabelTTF* m_monthLabel = nullptr;
};
