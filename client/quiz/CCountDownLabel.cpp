#include "quiz/CCountDownLabel.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/TextFormat.h"

#include <cmath>

USING_NS_CC;

namespace {

constexpr long long kDay = 86400, kHour = 3600, kMinute = 60;

// Days since 1970-01-01 of a civil date (proleptic Gregorian), without the C library's time zone.
long long daysFromCivil(long long y, long long m, long long d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

} // namespace

long long CCountDownLabel::parseTime(const std::string& text) {
    if (text.size() != 14) return -1;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
    }
    auto part = [&](size_t at, size_t length) { return std::stoll(text.substr(at, length)); };
    const long long year = part(0, 4), month = part(4, 2), day = part(6, 2);
    const long long hour = part(8, 2), minute = part(10, 2), second = part(12, 2);
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 60) return -1;
    return daysFromCivil(year, month, day) * kDay + hour * kHour + minute * kMinute + second;
}

CCountDownLabel* CCountDownLabel::create(const std::string& startTime, const std::string& serverTime,
                                         const std::string& endTime) {
    auto* label = new CCountDownLabel;
    if (label->init(startTime, serverTime, endTime)) {
        label->autorelease();
        return label;
    }
    CCLog("Fun CCountDownLabel::Create Error!");
    delete label;
    return nullptr;
}

bool CCountDownLabel::init(const std::string& startTime, const std::string& serverTime, const std::string& endTime) {
    if (!CCNode::init()) {
        return false;
    }
    m_start = parseTime(startTime);
    m_end = parseTime(endTime);
    const long long now = parseTime(serverTime);
    if (m_start < 0 || m_end < 0 || now < 0) {
        // A schedule the client cannot read shows as over rather than counting toward nonsense.
        ClientLog::write("countdown: unreadable times start \"%s\" server \"%s\" end \"%s\"", startTime.c_str(),
                         serverTime.c_str(), endTime.c_str());
        m_start = m_end = 0;
    }
    m_now = now < 0 ? 1.0 : static_cast<double>(now);
    m_label = CCLabelBMFont::create("", "Chinese.fnt");
    if (m_label == nullptr) {
        return false;
    }
    addChild(m_label);
    refresh();
    schedule(schedule_selector(CCountDownLabel::tick), 1.0f);
    return true;
}

void CCountDownLabel::tick(float dt) {
    m_now += dt;
    refresh();
}

long long CCountDownLabel::secondsToStart() const {
    return m_start - static_cast<long long>(std::floor(m_now));
}

std::string CCountDownLabel::text() const { return m_label ? m_label->getString() : ""; }

void CCountDownLabel::refresh() {
    const long long now = static_cast<long long>(std::floor(m_now));
    LocalText& text = LocalText::instance();
    auto show = [&](const char* dayKey, const char* hourKey, const char* minuteKey, const char* secondKey,
                    long long left) {
        const char* key = left >= kDay ? dayKey : left >= kHour ? hourKey : left >= kMinute ? minuteKey : secondKey;
        std::vector<std::string> values;
        if (left >= kDay) {
            values = {std::to_string(left / kDay)};
        } else if (left >= kHour) {
            values = {std::to_string(left / kHour), std::to_string(left % kHour / kMinute)};
        } else if (left >= kMinute) {
            values = {std::to_string(left / kMinute), std::to_string(left % kMinute)};
        } else {
            values = {std::to_string(left)};
        }
        m_label->setString(fillText(text.text(key), values).c_str());
    };
    if (now < m_start) {
        const long long left = m_start - now;
        m_state = left > kOpeningSoonSeconds ? kWaiting : kOpeningSoon;
        show("HDWaitRemainDay", "HDWaitRemainHoursAndMin", "HDWaitRemainMinAndSec", "HDWaitRemainSec", left);
    } else if (now < m_end) {
        m_state = kRunning;
        show("HDCconductRemainDay", "HDCconductRemainHoursAndMin", "HDConductRemainMinAndSec", "HDConductRemainSec",
             m_end - now);
    } else {
        m_state = kEnded;
        m_label->setString(text.text("HDEnded").c_str());
        unschedule(schedule_selector(CCountDownLabel::tick));
    }
}
