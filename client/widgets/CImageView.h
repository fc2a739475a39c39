// A picture that lives on the game server: a black shade (and an optional spinner) until the file
// has been fetched, then the picture stretched to the view's size. A file fetched before is shown
// at once from the path QuizData keeps for it.
//
// The pending request retains the view; a view whose screen has gone meanwhile is skipped by the
// server link, so its handlers never run on a released node.
#pragma once

#include "cocos2d.h"

#include <string>

class CImageView : public cocos2d::CCNode {
public:
    // Handlers of the target take the media name.
    using SEL_MediaHandler = void (cocos2d::CCObject::*)(const std::string&);

    static CImageView* create(const std::string& mediaName, const std::string& spinnerFrame,
                              const cocos2d::CCSize& size);
    static CImageView* create(const std::string& mediaName, const std::string& spinnerFrame,
                              const cocos2d::CCSize& size, cocos2d::CCObject* target, SEL_MediaHandler onLoaded,
                              SEL_MediaHandler onFailed);
    bool init(const std::string& mediaName, const std::string& spinnerFrame, const cocos2d::CCSize& size);
    bool init(const std::string& mediaName, const std::string& spinnerFrame, const cocos2d::CCSize& size,
              cocos2d::CCObject* target, SEL_MediaHandler onLoaded, SEL_MediaHandler onFailed);

    void showImage(int code);
    void onFailed(int status);

    cocos2d::CCSprite* picture() const { return m_picture; }
    bool isLoaded() const { return m_loaded; }

private:
    cocos2d::CCSprite* m_picture = nullptr;
    cocos2d::CCSprite* m_spinner = nullptr;
    cocos2d::CCLayerColor* m_shade = nullptr;
    cocos2d::CCSize m_size;
    std::string m_mediaName, m_spinnerFrame;
    cocos2d::CCObject* m_target = nullptr;
    SEL_MediaHandler m_onLoaded = nullptr;
    SEL_MediaHandler m_onFailed = nullptr;
    bool m_loaded = false;
};
