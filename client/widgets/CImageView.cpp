#include "widgets/CImageView.h"

#include "app/ClientLog.h"
#include "net/RequestCatalogue.h"
#include "quiz/QuizData.h"
#include "widgets/Pictures.h"

USING_NS_CC;

CImageView* CImageView::create(const std::string& mediaName, const std::string& spinnerFrame, const CCSize& size) {
    return create(mediaName, spinnerFrame, size, nullptr, nullptr, nullptr);
}

CImageView* CImageView::create(const std::string& mediaName, const std::string& spinnerFrame, const CCSize& size,
                               CCObject* target, SEL_MediaHandler onLoaded, SEL_MediaHandler onFailed) {
    auto* view = new CImageView;
    if (view->init(mediaName, spinnerFrame, size, target, onLoaded, onFailed)) {
        view->autorelease();
        return view;
    }
    CCLog("Fun CImageView::Create Error!");
    delete view;
    return nullptr;
}

bool CImageView::init(const std::string& mediaName, const std::string& spinnerFrame, const CCSize& size) {
    return init(mediaName, spinnerFrame, size, nullptr, nullptr, nullptr);
}

bool CImageView::init(const std::string& mediaName, const std::string& spinnerFrame, const CCSize& size,
                      CCObject* target, SEL_MediaHandler onLoaded, SEL_MediaHandler onFailed) {
    if (!CCNode::init()) {
        return false;
    }
    if (mediaName.empty()) {
        return true;
    }
    setContentSize(size);
    m_size = size;
    m_mediaName = mediaName;
    m_spinnerFrame = spinnerFrame;
    m_target = target;
    m_onLoaded = onLoaded;
    m_onFailed = onFailed;
    m_shade = CCLayerColor::create(ccc4(0, 0, 0, 255), size.width, size.height);
    m_shade->setPosition(ccp(-size.width / 2, -size.height / 2));
    addChild(m_shade, 0);
    if (!spinnerFrame.empty()) {
        m_spinner = Pictures::sprite(spinnerFrame);
        m_spinner->runAction(CCRepeatForever::create(CCRotateBy::create(0.5f, 360)));
        addChild(m_spinner, 1);
    }
    if (QuizData::instance().string(mediaName).empty()) {
        RequestCatalogue::media(mediaName, Busy::No,
                                {this, net_selector(CImageView::showImage), net_selector(CImageView::onFailed)});
    } else {
        showImage(0);
    }
    return true;
}

void CImageView::showImage(int) {
    const std::string path = QuizData::instance().string(m_mediaName);
    if (path.empty() || m_loaded) {
        return;
    }
    CCSprite* picture = CCSprite::create(path.c_str());
    if (picture == nullptr || picture->getContentSize().width <= 0 || picture->getContentSize().height <= 0) {
        ClientLog::write("picture %s (%s) cannot be shown", m_mediaName.c_str(), path.c_str());
        onFailed(kStatusEmpty);
        return;
    }
    if (m_shade) m_shade->setVisible(false);
    if (m_spinner) m_spinner->stopAllActions();
    m_picture = picture;
    m_picture->setRotation(0);
    m_picture->setScaleX(m_size.width / picture->getContentSize().width);
    m_picture->setScaleY(m_size.height / picture->getContentSize().height);
    addChild(m_picture, 2);
    m_loaded = true;
    if (m_target && m_onLoaded) {
        (m_target->*m_onLoaded)(m_mediaName);
    }
}

void CImageView::onFailed(int) {
    if (m_spinner) m_spinner->setVisible(false);
    if (m_target && m_onFailed) {
        (m_target->*m_onFailed)(m_mediaName);
    }
}
