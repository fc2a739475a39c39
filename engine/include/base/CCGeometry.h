// Points, sizes and rectangles in design points (origin bottom left, y up).
#pragma once

#include <cmath>

namespace cocos2d {

class CCSize;

class CCPoint {
public:
    float x = 0;
    float y = 0;

    CCPoint() = default;
    CCPoint(float x_, float y_) : x(x_), y(y_) {}
    explicit CCPoint(const CCSize& size);

    void setPoint(float x_, float y_) { x = x_; y = y_; }
    bool equals(const CCPoint& target) const { return x == target.x && y == target.y; }
    bool fuzzyEquals(const CCPoint& target, float variance) const;

    CCPoint operator+(const CCPoint& r) const { return CCPoint(x + r.x, y + r.y); }
    CCPoint operator-(const CCPoint& r) const { return CCPoint(x - r.x, y - r.y); }
    CCPoint operator-() const { return CCPoint(-x, -y); }
    CCPoint operator*(float a) const { return CCPoint(x * a, y * a); }
    CCPoint operator/(float a) const { return CCPoint(x / a, y / a); }
    bool operator==(const CCPoint& r) const { return equals(r); }
    bool operator!=(const CCPoint& r) const { return !equals(r); }

    float getLength() const { return std::sqrt(x * x + y * y); }
    float getLengthSq() const { return x * x + y * y; }
    float getDistance(const CCPoint& other) const { return (*this - other).getLength(); }
    float getDistanceSq(const CCPoint& other) const { return (*this - other).getLengthSq(); }
    float getAngle() const { return std::atan2(y, x); }
    float getAngle(const CCPoint& other) const;
    float dot(const CCPoint& other) const { return x * other.x + y * other.y; }
    float cross(const CCPoint& other) const { return x * other.y - y * other.x; }
    CCPoint getPerp() const { return CCPoint(-y, x); }
    CCPoint getRPerp() const { return CCPoint(y, -x); }
    CCPoint getMidpoint(const CCPoint& other) const { return CCPoint((x + other.x) / 2, (y + other.y) / 2); }
    CCPoint getClampPoint(const CCPoint& minInclusive, const CCPoint& maxInclusive) const;
    CCPoint project(const CCPoint& other) const { return other * (dot(other) / other.dot(other)); }
    CCPoint rotate(const CCPoint& other) const { return CCPoint(x * other.x - y * other.y, x * other.y + y * other.x); }
    CCPoint unrotate(const CCPoint& other) const { return CCPoint(x * other.x + y * other.y, y * other.x - x * other.y); }
    CCPoint normalize() const;
    CCPoint lerp(const CCPoint& other, float alpha) const { return *this * (1.f - alpha) + other * alpha; }
    CCPoint rotateByAngle(const CCPoint& pivot, float angle) const;
    static CCPoint forAngle(float a) { return CCPoint(std::cos(a), std::sin(a)); }
};

class CCSize {
public:
    float width = 0;
    float height = 0;

    CCSize() = default;
    CCSize(float w, float h) : width(w), height(h) {}
    explicit CCSize(const CCPoint& point) : width(point.x), height(point.y) {}

    void setSize(float w, float h) { width = w; height = h; }
    bool equals(const CCSize& target) const { return width == target.width && height == target.height; }
    CCSize operator+(const CCSize& r) const { return CCSize(width + r.width, height + r.height); }
    CCSize operator-(const CCSize& r) const { return CCSize(width - r.width, height - r.height); }
    CCSize operator*(float a) const { return CCSize(width * a, height * a); }
    CCSize operator/(float a) const { return CCSize(width / a, height / a); }
    bool operator==(const CCSize& r) const { return equals(r); }
    bool operator!=(const CCSize& r) const { return !equals(r); }
};

class CCRect {
public:
    CCPoint origin;
    CCSize size;

    CCRect() = default;
    CCRect(float x, float y, float width, float height) : origin(x, y), size(width, height) {}

    void setRect(float x, float y, float width, float height);
    float getMinX() const { return origin.x; }
    float getMidX() const { return origin.x + size.width / 2.0f; }
    float getMaxX() const { return origin.x + size.width; }
    float getMinY() const { return origin.y; }
    float getMidY() const { return origin.y + size.height / 2.0f; }
    float getMaxY() const { return origin.y + size.height; }
    bool equals(const CCRect& rect) const { return origin.equals(rect.origin) && size.equals(rect.size); }
    // Edges included, as in 2.2.
    bool containsPoint(const CCPoint& point) const;
    bool intersectsRect(const CCRect& rect) const;
    bool operator==(const CCRect& r) const { return equals(r); }
};

#define CCPointMake(x, y) ::cocos2d::CCPoint((float)(x), (float)(y))
#define CCSizeMake(width, height) ::cocos2d::CCSize((float)(width), (float)(height))
#define CCRectMake(x, y, width, height) ::cocos2d::CCRect((float)(x), (float)(y), (float)(width), (float)(height))

extern const CCPoint CCPointZero;
extern const CCSize CCSizeZero;
extern const CCRect CCRectZero;

} // namespace cocos2d
