// Macros of the cocos2d-x 2.2 API: namespaces, safe release, two-phase creation, properties, asserts.
#pragma once

#include <cassert>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>

#define NS_CC_BEGIN namespace cocos2d {
#define NS_CC_END }
#define USING_NS_CC using namespace cocos2d
#define CC_DLL

#define CC_UNUSED_PARAM(unusedparam) (void)(unusedparam)
#define CC_BREAK_IF(cond) \
    if (cond)             \
    break

#define CC_SAFE_DELETE(p) \
    do {                  \
        delete (p);       \
        (p) = nullptr;    \
    } while (0)
#define CC_SAFE_DELETE_ARRAY(p) \
    do {                        \
        delete[] (p);           \
        (p) = nullptr;          \
    } while (0)
#define CC_SAFE_FREE(p)  \
    do {                 \
        if (p) {         \
            free(p);     \
            (p) = 0;     \
        }                \
    } while (0)
#define CC_SAFE_RELEASE(p) \
    do {                   \
        if (p)             \
            (p)->release(); \
    } while (0)
#define CC_SAFE_RELEASE_NULL(p) \
    do {                        \
        if (p) {                \
            (p)->release();     \
            (p) = nullptr;      \
        }                       \
    } while (0)
#define CC_SAFE_RETAIN(p) \
    do {                  \
        if (p)            \
            (p)->retain(); \
    } while (0)

// Programmer errors: logged always, fatal only in debug builds (release keeps going like 2.2 did).
namespace cocos2d {
void ccAssertFailed(const char* condition, const char* message, const char* file, int line);
}
#define CCAssert(cond, msg)                                                    \
    do {                                                                       \
        if (!(cond))                                                           \
            ::cocos2d::ccAssertFailed(#cond, (msg), __FILE__, __LINE__);       \
    } while (0)
#define CC_ASSERT(cond) CCAssert(cond, "")

// static create() of the usual two-phase kind: new, init, autorelease (or delete and null).
#define CREATE_FUNC(__TYPE__)            \
    static __TYPE__* create()            \
    {                                    \
        __TYPE__* pRet = new __TYPE__(); \
        if (pRet && pRet->init()) {      \
            pRet->autorelease();         \
            return pRet;                 \
        }                                \
        delete pRet;                     \
        pRet = nullptr;                  \
        return nullptr;                  \
    }

#define NODE_FUNC(__TYPE__) CREATE_FUNC(__TYPE__)

#define CC_PROPERTY_READONLY(varType, varName, funName) \
protected:                                              \
    varType varName;                                    \
                                                        \
public:                                                 \
    virtual varType get##funName(void);

#define CC_PROPERTY_READONLY_PASS_BY_REF(varType, varName, funName) \
protected:                                                          \
    varType varName;                                                \
                                                                    \
public:                                                             \
    virtual const varType& get##funName(void);

#define CC_PROPERTY(varType, varName, funName) \
protected:                                     \
    varType varName;                           \
                                               \
public:                                        \
    virtual varType get##funName(void);        \
    virtual void set##funName(varType var);

#define CC_PROPERTY_PASS_BY_REF(varType, varName, funName) \
protected:                                                 \
    varType varName;                                       \
                                                           \
public:                                                    \
    virtual const varType& get##funName(void);             \
    virtual void set##funName(const varType& var);

#define CC_SYNTHESIZE_READONLY(varType, varName, funName)      \
protected:                                                     \
    varType varName;                                           \
                                                               \
public:                                                        \
    virtual varType get##funName(void) const { return varName; }

#define CC_SYNTHESIZE_READONLY_PASS_BY_REF(varType, varName, funName) \
protected:                                                            \
    varType varName;                                                  \
                                                                      \
public:                                                               \
    virtual const varType& get##funName(void) const { return varName; }

#define CC_SYNTHESIZE(varType, varName, funName)                    \
protected:                                                          \
    varType varName;                                                \
                                                                    \
public:                                                             \
    virtual varType get##funName(void) const { return varName; }    \
    virtual void set##funName(varType var) { varName = var; }

#define CC_SYNTHESIZE_PASS_BY_REF(varType, varName, funName)                \
protected:                                                                  \
    varType varName;                                                        \
                                                                            \
public:                                                                     \
    virtual const varType& get##funName(void) const { return varName; }     \
    virtual void set##funName(const varType& var) { varName = var; }

#define CC_SYNTHESIZE_RETAIN(varType, varName, funName)              \
private:                                                             \
    varType varName;                                                 \
                                                                     \
public:                                                              \
    virtual varType get##funName(void) const { return varName; }     \
    virtual void set##funName(varType var)                           \
    {                                                                \
        if (varName != var) {                                        \
            CC_SAFE_RETAIN(var);                                     \
            CC_SAFE_RELEASE(varName);                                \
            varName = var;                                           \
        }                                                            \
    }

#define CC_DEGREES_TO_RADIANS(__ANGLE__) ((__ANGLE__) * 0.01745329252f)
#define CC_RADIANS_TO_DEGREES(__ANGLE__) ((__ANGLE__) * 57.29577951f)
#define CC_CONTENT_SCALE_FACTOR() 1.0f
#define CC_POINT_PIXELS_TO_POINTS(p) (p)
#define CC_POINT_POINTS_TO_PIXELS(p) (p)
#define CC_SIZE_PIXELS_TO_POINTS(s) (s)
#define CC_SIZE_POINTS_TO_PIXELS(s) (s)
#define CC_RECT_PIXELS_TO_POINTS(r) (r)
#define CC_RECT_POINTS_TO_PIXELS(r) (r)

#define CCRANDOM_MINUS1_1() ((2.0f * ((float)rand() / RAND_MAX)) - 1.0f)
#define CCRANDOM_0_1() ((float)rand() / RAND_MAX)

#define CC_SWAP(x, y, type) \
    {                       \
        type temp = (x);    \
        x = y;              \
        y = temp;           \
    }

#ifndef MIN
#define MIN(x, y) (((x) > (y)) ? (y) : (x))
#endif
#ifndef MAX
#define MAX(x, y) (((x) < (y)) ? (y) : (x))
#endif

#define kCCRepeatForever (UINT_MAX - 1)
