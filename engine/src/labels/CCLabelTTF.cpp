#include "labels/CCLabelTTF.h"

#include "base/CCConsole.h"
#include "labels/TTFRenderer.h"
#include "sprites/CCTexture2D.h"

namespace cocos2d {

CCLabelTTF::CCLabelTTF() = default;
CCLabelTTF::~CCLabelTTF() = default;

CCLabelTTF* CCLabelTTF::create()
{
    auto* l = new CCLabelTTF();
    if (!l->init()) {
        delete l;
        return nullptr;
    }
    l->autorelease();
    return l;
}

CCLabelTTF* CCLabelTTF::create(const char* string, const char* fontName, float fontSize)
{
    return create(string, fontName, fontSize, CCSizeZero, kCCTextAlignmentCenter, kCCVerticalTextAlignmentTop);
}

CCLabelTTF* CCLabelTTF::create(const char* string, const char* fontName, float fontSize, const CCSize& dimensions,
                               CCTextAlignment hAlignment)
{
    return create(string, fontName, fontSize, dimensions, hAlignment, kCCVerticalTextAlignmentTop);
}

CCLabelTTF* CCLabelTTF::create(const char* string, const char* fontName, float fontSize, const CCSize& dimensions,
                               CCTextAlignment hAlignment, CCVerticalTextAlignment vAlignment)
{
    auto* l = new CCLabelTTF();
    if (!l->initWithString(string, fontName, fontSize, dimensions, hAlignment, vAlignment)) {
        delete l;
        return nullptr;
    }
    l->autorelease();
    return l;
}

bool CCLabelTTF::init()
{
    return initWithString("", "Helvetica", 12);
}

bool CCLabelTTF::initWithString(const char* string, const char* fontName, float fontSize)
{
    return initWithString(string, fontName, fontSize, CCSizeZero, kCCTextAlignmentCenter,
                          kCCVerticalTextAlignmentTop);
}

bool CCLabelTTF::initWithString(const char* string, const char* fontName, float fontSize, const CCSize& dimensions,
                                CCTextAlignment hAlignment, CCVerticalTextAlignment vAlignment)
{
    if (!CCSprite::init())
        return false;
    m_string = string ? string : "";
    m_fontName = fontName ? fontName : "";
    m_fontSize = fontSize;
    m_dimensions = dimensions;
    m_hAlignment = hAlignment;
    m_vAlignment = vAlignment;
    return updateTexture();
}

bool CCLabelTTF::updateTexture()
{
    TextRequest request;
    request.text = m_string;
    request.fontName = m_fontName;
    request.fontSize = m_fontSize;
    request.width = m_dimensions.width;
    request.height = m_dimensions.height;
    request.hAlign = m_hAlignment;
    request.vAlign = m_vAlignment;
    TextBitmap bitmap;
    std::string error;
    if (!TTFRenderer::render(request, bitmap, error)) {
        CCLog("CCLabelTTF: %s", error.c_str());
        return false;
    }
    if (bitmap.width == 0 || bitmap.height == 0) {
        setTexture(nullptr);
        setTextureRect(CCRectZero);
        return true;
    }
    auto* texture = new CCTexture2D();
    const CCSize size(static_cast<float>(bitmap.width), static_cast<float>(bitmap.height));
    if (!texture->initWithData(bitmap.rgba.data(), kCCTexture2DPixelFormat_RGBA8888,
                               static_cast<unsigned>(bitmap.width), static_cast<unsigned>(bitmap.height), size)) {
        texture->release();
        return false;
    }
    texture->setPremultipliedAlpha(true);
    setTexture(texture);
    texture->release();
    setTextureRect(CCRect(0, 0, size.width, size.height));
    return true;
}

void CCLabelTTF::setString(const char* string)
{
    const std::string s = string ? string : "";
    if (s != m_string) {
        m_string = s;
        updateTexture();
    }
}

void CCLabelTTF::setHorizontalAlignment(CCTextAlignment alignment)
{
    if (alignment != m_hAlignment) {
        m_hAlignment = alignment;
        updateTexture();
    }
}

void CCLabelTTF::setVerticalAlignment(CCVerticalTextAlignment alignment)
{
    if (alignment != m_vAlignment) {
        m_vAlignment = alignment;
        updateTexture();
    }
}

void CCLabelTTF::setDimensions(const CCSize& dimensions)
{
    if (!dimensions.equals(m_dimensions)) {
        m_dimensions = dimensions;
        updateTexture();
    }
}

void CCLabelTTF::setFontSize(float fontSize)
{
    if (fontSize != m_fontSize) {
        m_fontSize = fontSize;
        updateTexture();
    }
}

void CCLabelTTF::setFontName(const char* fontName)
{
    const std::string name = fontName ? fontName : "";
    if (name != m_fontName) {
        m_fontName = name;
        updateTexture();
    }
}

} // namespace cocos2d
