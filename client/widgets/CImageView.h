// A picture that lives on the game server: a black shade (and an optional spinner) until the file
// has been fetched with the media request, then the picture stretched to the view's size. The
// view's position is its centre.
//
// While the request is pending the server link holds the view; if the screen around it is left
// meanwhile, the answer is dropped and neither handler runs (the target may be gone by then).
#pragma once

#include "cocos2d.h"

#include <string>

// Handlers of the view's target, given the media name.
typedef void (cocos2d::CCObject::*SEL_MediaHandler)(const std::string&);
#define media_selector(_SELECTOR) (SEL_MediaHandler)(&_SELECTOR)

class CImageView : public cocos2d::CCNode {
public:
    using SEL_MediaHandler = ::SEL_MediaHandler;

    static CImageView* create(const std::string& mediaName, const std::string& spinnerFrame,
                              const cocos2d::CCSize& size);
    static CImageView* create(const std::string& mediaName, const std::string& spinnerFrame,
                              const cocos2d::CCSize& size, cocos2d::CCObject* target, SEL_MediaHandler onLoaded,
                              SEL_MediaHandler onFailed);
    ~CImageView() override;

    using cocos2d::CCNode::init;
    bool init(const std::string& mediaName, const std::string& spinnerFrame, const cocos2d::CCSize& size);
    bool init(const std::string& mediaName, const std::string& spinnerFrame, const cocos2d::CCSize& size,
              cocos2d::CCObject* target, SEL_MediaHandler onLoaded, SEL_MediaHandler onFailed);

    // The server link's two handlers for the media request.
    void showImage(int code);
    void onFailed(int status);

    const std::string& mediaName() const { return m_mediaName; }
    // The spinner while loading, then the picture; null without either.
    cocos2d::CCSprite* picture() const { return m_picture; }
    cocos2d::CCLayerColor* shade() const { return m_shade; }
    bool isLoaded() const { return m_loaded; }

    // Pictures larger than this on a side are refused: a downloaded file is not trusted to fit a texture.
    static constexpr int kMaxPictureSide = 4096;

private:
    // Hides the spinner and tells the target; shared by a failed download and a file that is no picture.
    void fail(const char* why);

    cocos2d::CCSprite* m_picture = nullptr;
    cocos2d::CCSprite* m_spinner = nullptr;
    cocos2d::CCLayerColor* m_shade = nullptr;
    cocos2d::CCSize m_size;
    std::string m_mediaName, m_spinnerFrame;
    cocos2d::CCObject* m_target = nullptr;
    SEL_MediaHandler m_onLoaded = nullptr, m_onFailed = nullptr;
    bool m_loaded = false;
};
