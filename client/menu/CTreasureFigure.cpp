#include "menu/CTreasureFigure.h"

#include "app/ClientLog.h"
#include "menu/CaidanFrames.h"
#include "widgets/CStrokeLabelTTF.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

USING_NS_CC;

namespace {

// The band the figures start in: x0 in 0..799, y0 in 100..349 (lower draws are lifted by 200,
// clear of the bottom buttons).
constexpr unsigned kSpanX = 800, kSpanY = 350;
constexpr unsigned kLowestY = 100, kLift = 200;
constexpr float kScanStep = 10;

CCPoint pointOf(const CCSize& figure, std::uint64_t r) {
    const auto x0 = static_cast<unsigned>(r % kSpanX);
    auto y0 = static_cast<unsigned>(r % kSpanY);
    if (y0 < kLowestY) y0 += kLift;
    return ccp(figure.width / 2 + static_cast<float>(x0), figure.height / 2 + static_cast<float>(y0));
}

// The index of the first obstacle holding the point, or -1.
int coveringObstacle(const std::vector<CCRect>& obstacles, const CCPoint& point) {
    for (std::size_t k = 0; k < obstacles.size(); ++k) {
        if (obstacles[k].containsPoint(point)) return static_cast<int>(k);
    }
    return -1;
}

} // namespace

CCPoint CTreasureFigure::startPoint(const CCSize& figure, const std::vector<CCRect>& obstacles,
                                    const Random& random) {
    CCPoint point = pointOf(figure, random());
    for (int redraw = 0; redraw < kMaxRedraws; ++redraw) {
        const int k = coveringObstacle(obstacles, point);
        if (k < 0) return point;
        // 64 bits: the product of two draws would overflow an int.
        std::uint64_t r = static_cast<std::uint64_t>(random()) * static_cast<std::uint64_t>(k + 1);
        r *= r % 100;
        point = pointOf(figure, r);
    }
    if (coveringObstacle(obstacles, point) < 0) return point;
    ClientLog::write("treasure: no free start after %d draws; scanning for one", kMaxRedraws);
    for (float y0 = kLowestY; y0 < kSpanY; y0 += kScanStep) {
        for (float x0 = 0; x0 < kSpanX; x0 += kScanStep) {
            const CCPoint candidate = ccp(figure.width / 2 + x0, figure.height / 2 + y0);
            if (coveringObstacle(obstacles, candidate) < 0) return candidate;
        }
    }
    ClientLog::write("treasure: the obstacles cover every start point; the figure starts on one");
    return point;
}

CTreasureFigure* CTreasureFigure::create(int kind, int count, const std::vector<CCRect>& obstacles, Random random) {
    auto* holder = new CTreasureFigure;
    if (holder->initFigure(kind, count, obstacles, random)) {
        holder->autorelease();
        return holder;
    }
    delete holder;
    ClientLog::write("Fun CTreasureFigure::Create Error!");
    return nullptr;
}

bool CTreasureFigure::initFigure(int kind, int count, const std::vector<CCRect>& obstacles, const Random& random) {
    if (!CCSprite::init()) return false;
    if (!CaidanFrames::isKnownKind(kind) || count < 1) {
        ClientLog::write("treasure: kind %d with count %d makes no figure", kind, count);
        return false;
    }
    CCArray* frames = CaidanFrames::cut(kind);
    if (frames == nullptr || frames->count() == 0) return false;
    m_kind = kind;
    m_count = count;

    m_figure = CCSprite::createWithSpriteFrame(static_cast<CCSpriteFrame*>(frames->objectAtIndex(0)));
    if (m_figure == nullptr) return false;
    const float scale = CaidanFrames::isZodiac(kind) ? kZodiacScale : kCarrotScale;
    m_figure->setScale(scale);
    CCAnimation* animation = CCAnimation::createWithSpriteFrames(frames, kFrameDelay);
    m_figure->runAction(CCRepeatForever::create(CCAnimate::create(animation)));

    // The holder is the figure as drawn, so its box is what the player touches.
    const CCSize drawn = CCSizeMake(m_figure->getContentSize().width * scale,
                                    m_figure->getContentSize().height * scale);
    setContentSize(drawn);
    m_figure->setPosition(ccp(drawn.width / 2, drawn.height / 2));
    addChild(m_figure, 0);

    const CCPoint start = random ? startPoint(drawn, obstacles, random) : ccp(480, 320);
    setPosition(start);
    m_direction = directionFor(start.x);

    if (count > 1) {
        char text[24];
        std::snprintf(text, sizeof text, "X%d", count);
        // On the holder rather than the figure, so the number never turns with it.
        m_countLabel = CStrokeLabelTTF::create(text, "Arial", std::max(80 * scale, 30.0f));
        if (m_countLabel) {
            m_countLabel->setColor(ccc3(255, 210, 60));
            m_countLabel->setPosition(ccp(drawn.width / 2, drawn.height + 20 * scale));
            addChild(m_countLabel, 1);
        }
    }

    if (CaidanFrames::isZodiac(kind)) {
        startWalking();
    } else {
        startBobbing();
    }
    return true;
}

void CTreasureFigure::startWalking() {
    const float d = static_cast<float>(m_direction);
    const float leg = std::abs(d);
    // The pictures face left: a figure that sets off to the right starts turned.
    m_turned = m_direction > 0;
    CCArray* walk = CCArray::create();
    walk->addObject(CCCallFunc::create(this, callfunc_selector(CTreasureFigure::turn)));
    walk->addObject(CCMoveBy::create(leg, ccp(100 * d, 0)));
    walk->addObject(CCCallFunc::create(this, callfunc_selector(CTreasureFigure::turn)));
    walk->addObject(CCMoveBy::create(2 * leg, ccp(-200 * d, 0)));
    walk->addObject(CCCallFunc::create(this, callfunc_selector(CTreasureFigure::turn)));
    walk->addObject(CCMoveBy::create(leg, ccp(100 * d, 0)));
    walk->addObject(CCCallFunc::create(this, callfunc_selector(CTreasureFigure::toggleTurn)));
    runAction(CCRepeatForever::create(CCSequence::create(walk)));
}

void CTreasureFigure::startBobbing() {
    runAction(CCRepeatForever::create(CCSequence::createWithTwoActions(CCMoveBy::create(0.47f, ccp(0, -20)),
                                                                       CCMoveBy::create(0.3f, ccp(0, 20)))));
}

void CTreasureFigure::turn() {
    if (m_figure) m_figure->setRotationY(m_turned ? 180 : 0);
    m_turned = !m_turned;
}

std::string CTreasureFigure::countText() const {
    return m_countLabel && m_countLabel->label() ? m_countLabel->label()->getString() : "";
}
