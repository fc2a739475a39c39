// Nodes of the game (text panels) ask for wheel notches; each arrives as a delta of 120.
#include <cstdlib>

#include "ExtTestSupport.h"
#include "director/CCDirector.h"
#include "touch/CCMouseWheelDispatcher.h"

using namespace cocos2d;

namespace {

class WheelPanel : public CCMouseWheelDelegate {
public:
    void mouseWheelScrolled(int delta) override { deltas.push_back(delta); }
    std::vector<int> deltas;
};

class MouseWheelTest : public exttest::ExtensionTest {};

TEST_F(MouseWheelTest, EachNotchIs120AndSignTellsTheWay)
{
    WheelPanel panel;
    CCMouseWheelDispatcher* wheel = CCDirector::sharedDirector()->getMouseWheelDispatcher();
    wheel->addDelegate(&panel);
    engine::testing::wheel(1);
    engine::testing::wheel(-2);
    wheel->removeDelegate(&panel);
    engine::testing::wheel(1);
    ASSERT_FALSE(panel.deltas.empty());
    int total = 0;
    for (int d : panel.deltas) {
        EXPECT_EQ(std::abs(d) % kCCMouseWheelNotch, 0);
        total += d;
    }
    EXPECT_EQ(total, -120);
}

} // namespace
