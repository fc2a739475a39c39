#include <cmath>

#include "base/CoreTestSupport.h"

USING_NS_CC;

namespace {

TEST(CCStringValues, NumericConversionsFollowAtoiAndAtof)
{
    struct Case {
        const char* text;
        int asInt;
        float asFloat;
        bool asBool;
    };
    const Case cases[] = {
        {"42", 42, 42.f, true}, {"-7abc", -7, -7.f, true}, {"", 0, 0.f, false},
        {"0", 0, 0.f, false},   {"false", 0, 0.f, false},  {"3.75", 3, 3.75f, true},
    };
    for (const Case& c : cases) {
        CCString* s = CCString::create(c.text);
        EXPECT_EQ(s->intValue(), c.asInt) << c.text;
        EXPECT_FLOAT_EQ(s->floatValue(), c.asFloat) << c.text;
        EXPECT_EQ(s->boolValue(), c.asBool) << c.text;
    }
    CCPoolManager::sharedPoolManager()->pop();
}

TEST(CCStringValues, CreateWithFormatHandlesLongOutput)
{
    std::string longText(5000, 'x');
    CCString* s = CCString::createWithFormat("%s-%d", longText.c_str(), 12);
    EXPECT_EQ(s->length(), 5003u);
    EXPECT_EQ(s->m_sString.substr(5000), "-12");
    CCPoolManager::sharedPoolManager()->pop();
}

TEST(Geometry, RectContainsItsEdgesAndIntersectsTouchingRects)
{
    CCRect r = CCRectMake(10, 20, 100, 50);
    EXPECT_TRUE(r.containsPoint(ccp(10, 20)));
    EXPECT_TRUE(r.containsPoint(ccp(110, 70)));
    EXPECT_FALSE(r.containsPoint(ccp(110.01f, 70)));
    EXPECT_FALSE(r.containsPoint(ccp(9.99f, 30)));
    EXPECT_TRUE(r.intersectsRect(CCRectMake(110, 70, 5, 5)));
    EXPECT_FALSE(r.intersectsRect(CCRectMake(111, 70, 5, 5)));
    EXPECT_FLOAT_EQ(r.getMidX(), 60);
    EXPECT_FLOAT_EQ(r.getMaxY(), 70);
}

TEST(Geometry, PointHelpers)
{
    EXPECT_FLOAT_EQ(ccpDistance(ccp(0, 0), ccp(3, 4)), 5);
    CCPoint n = ccpNormalize(ccp(0, -8));
    EXPECT_FLOAT_EQ(n.x, 0);
    EXPECT_FLOAT_EQ(n.y, -1);
    EXPECT_TRUE(ccpAdd(ccp(1, 2), ccp(3, 4)).equals(ccp(4, 6)));
    EXPECT_TRUE(ccpMult(ccpSub(ccp(5, 5), ccp(1, 2)), 2).equals(ccp(8, 6)));
    EXPECT_FLOAT_EQ(clampf(5, 10, 0), 5);
    EXPECT_FLOAT_EQ(clampf(-1, 0, 10), 0);
}

TEST(Geometry, AffineConcatAndInvertRoundTrip)
{
    CCAffineTransform t = CCAffineTransformRotate(CCAffineTransformMakeIdentity(), 0.7f);
    t = CCAffineTransformScale(t, 2, 3);
    t = CCAffineTransformTranslate(t, 10, -4);
    CCAffineTransform round = CCAffineTransformConcat(t, CCAffineTransformInvert(t));
    CCPoint p = CCPointApplyAffineTransform(ccp(17, -3), round);
    EXPECT_NEAR(p.x, 17, 1e-4);
    EXPECT_NEAR(p.y, -3, 1e-4);
    // Concat applies the first transform first.
    CCAffineTransform move = CCAffineTransformMake(1, 0, 0, 1, 5, 0);
    CCAffineTransform twice = CCAffineTransformMake(2, 0, 0, 2, 0, 0);
    CCPoint q = CCPointApplyAffineTransform(ccp(1, 1), CCAffineTransformConcat(move, twice));
    EXPECT_FLOAT_EQ(q.x, 12);
    EXPECT_FLOAT_EQ(q.y, 2);
}

TEST(Geometry, RectUnderRotationGivesAxisAlignedBounds)
{
    CCAffineTransform quarter = CCAffineTransformRotate(CCAffineTransformMakeIdentity(), 3.14159265f / 2);
    CCRect r = CCRectApplyAffineTransform(CCRectMake(0, 0, 100, 20), quarter);
    EXPECT_NEAR(r.origin.x, -20, 1e-3);
    EXPECT_NEAR(r.origin.y, 0, 1e-3);
    EXPECT_NEAR(r.size.width, 20, 1e-3);
    EXPECT_NEAR(r.size.height, 100, 1e-3);
}

} // namespace
