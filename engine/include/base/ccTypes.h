// Plain value types shared by nodes, sprites and the renderer (cocos2d-x 2.2 names).
#pragma once

#include <cstdint>

namespace cocos2d {

typedef unsigned char GLubyte;
typedef float GLfloat;
typedef unsigned int GLenum;

struct ccColor3B {
    GLubyte r = 0, g = 0, b = 0;
};
struct ccColor4B {
    GLubyte r = 0, g = 0, b = 0, a = 0;
};
struct ccColor4F {
    GLfloat r = 0, g = 0, b = 0, a = 0;
};

inline ccColor3B ccc3(GLubyte r, GLubyte g, GLubyte b) { return ccColor3B{r, g, b}; }
inline ccColor4B ccc4(GLubyte r, GLubyte g, GLubyte b, GLubyte a) { return ccColor4B{r, g, b, a}; }
inline ccColor4F ccc4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) { return ccColor4F{r, g, b, a}; }
inline ccColor4F ccc4FFromccc4B(ccColor4B c) { return ccColor4F{c.r / 255.f, c.g / 255.f, c.b / 255.f, c.a / 255.f}; }
inline ccColor4F ccc4FFromccc3B(ccColor3B c) { return ccColor4F{c.r / 255.f, c.g / 255.f, c.b / 255.f, 1.f}; }
inline bool ccc3BEqual(ccColor3B a, ccColor3B b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

static const ccColor3B ccWHITE = {255, 255, 255};
static const ccColor3B ccYELLOW = {255, 255, 0};
static const ccColor3B ccBLUE = {0, 0, 255};
static const ccColor3B ccGREEN = {0, 255, 0};
static const ccColor3B ccRED = {255, 0, 0};
static const ccColor3B ccMAGENTA = {255, 0, 255};
static const ccColor3B ccBLACK = {0, 0, 0};
static const ccColor3B ccORANGE = {255, 127, 0};
static const ccColor3B ccGRAY = {166, 166, 166};

struct ccVertex2F {
    GLfloat x = 0, y = 0;
};
struct ccVertex3F {
    GLfloat x = 0, y = 0, z = 0;
};
struct ccTex2F {
    GLfloat u = 0, v = 0;
};

struct ccV2F_C4B_T2F {
    ccVertex2F vertices;
    ccColor4B colors;
    ccTex2F texCoords;
};
struct ccV3F_C4B_T2F {
    ccVertex3F vertices;
    ccColor4B colors;
    ccTex2F texCoords;
};
// Corner order of cocos2d-x: top-left, bottom-left, top-right, bottom-right.
struct ccV3F_C4B_T2F_Quad {
    ccV3F_C4B_T2F tl, bl, tr, br;
};

// GL blend factors as plain numbers so headers need no GL include.
constexpr GLenum kGL_ZERO = 0;
constexpr GLenum kGL_ONE = 1;
constexpr GLenum kGL_SRC_ALPHA = 0x0302;
constexpr GLenum kGL_ONE_MINUS_SRC_ALPHA = 0x0303;
constexpr GLenum kGL_DST_COLOR = 0x0306;

struct ccBlendFunc {
    GLenum src = kGL_ONE;
    GLenum dst = kGL_ONE_MINUS_SRC_ALPHA;
};
inline bool operator==(ccBlendFunc a, ccBlendFunc b) { return a.src == b.src && a.dst == b.dst; }

// Premultiplied-alpha default (PNG textures), as in cocos2d-x.
#define CC_BLEND_SRC kGL_ONE
#define CC_BLEND_DST kGL_ONE_MINUS_SRC_ALPHA

enum CCTextAlignment { kCCTextAlignmentLeft = 0, kCCTextAlignmentCenter = 1, kCCTextAlignmentRight = 2 };
enum CCVerticalTextAlignment {
    kCCVerticalTextAlignmentTop = 0,
    kCCVerticalTextAlignmentCenter = 1,
    kCCVerticalTextAlignmentBottom = 2
};

} // namespace cocos2d
