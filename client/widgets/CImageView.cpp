#include "widgets/CImageView.h"

#include "app/ClientLog.h"
#include "net/RequestCatalogue.h"
#include "quiz/QuizData.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <optional>

USING_NS_CC;

namespace {

struct Dimensions {
    std::uint32_t width = 0, height = 0;
};

std::uint32_t bigEndian(const unsigned char* p, int bytes) {
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) value = (value << 8) | p[i];
    return value;
}

std::uint32_t littleEndian(const unsigned char* p, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | p[i];
    return value;
}

std::optional<Dimensions> jpegDimensions(std::ifstream& in) {
    in.seekg(2);
    std::array<unsigned char, 9> segment{};
    while (in.read(reinterpret_cast<char*>(segment.data()), 4)) {
        if (segment[0] != 0xFF) return std::nullopt;
        const unsigned marker = segment[1];
        const std::uint32_t length = bigEndian(&segment[2], 2);
        const bool frameHeader = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
                                 marker != 0xCC;
        if (frameHeader) {
            if (!in.read(reinterpret_cast<char*>(segment.data()), 5)) return std::nullopt;
            return Dimensions{bigEndian(&segment[3], 2), bigEndian(&segment[1], 2)};
        }
        if (length < 2) return std::nullopt;
        in.seekg(length - 2, std::ios::cur);
    }
    return std::nullopt;
}

// The picture's size from its header, without decoding it; none for a format we do not read.
std::optional<Dimensions> pictureDimensions(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::array<unsigned char, 26> head{};
    if (!in.read(reinterpret_cast<char*>(head.data()), head.size())) return std::nullopt;
    static const unsigned char png[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (std::equal(png, png + 8, head.begin())) {
        return Dimensions{bigEndian(&head[16], 4), bigEndian(&head[20], 4)};
    }
    if (head[0] == 'G' && head[1] == 'I' && head[2] == 'F') {
        return Dimensions{littleEndian(&head[6], 2), littleEndian(&head[8], 2)};
    }
    if (head[0] == 'B' && head[1] == 'M') {
        const auto height = static_cast<std::int32_t>(littleEndian(&head[22], 4));
        return Dimensions{littleEndian(&head[18], 4), static_cast<std::uint32_t>(height < 0 ? -height : height)};
    }
    if (head[0] == 0xFF && head[1] == 0xD8) {
        return jpegDimensions(in);
    }
    return std::nullopt;
}

} // namespace

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

CImageView::~CImageView() = default;

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
    addChild(m_shade);

    if (!spinnerFrame.empty()) {
        if (CCSpriteFrame* frame =
                CCSpriteFrameCache::sharedSpriteFrameCache()->spriteFrameByName(spinnerFrame.c_str())) {
            m_spinner = CCSprite::createWithSpriteFrame(frame);
        } else {
            m_spinner = CCSprite::create(spinnerFrame.c_str());
        }
        if (m_spinner) {
            m_spinner->setVisible(true);
            m_spinner->runAction(CCRepeatForever::create(CCRotateBy::create(0.5f, 360)));
            addChild(m_spinner);
            m_picture = m_spinner;
        } else {
            ClientLog::write("image view spinner %s is missing", spinnerFrame.c_str());
        }
    }

    if (QuizData::instance().string(mediaName).empty()) {
        // The pending request holds the view until its answer has been handled.
        RequestCatalogue::media(mediaName, Busy::No,
                                NetTarget{this, net_selector(CImageView::showImage), net_selector(CImageView::onFailed)});
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
    const std::optional<Dimensions> dimensions = pictureDimensions(path);
    if (!dimensions) {
        fail("is no picture we can read");
        return;
    }
    if (dimensions->width == 0 || dimensions->height == 0 || dimensions->width > kMaxPictureSide ||
        dimensions->height > kMaxPictureSide) {
        fail("is too large or empty");
        return;
    }
    CCSprite* picture = CCSprite::create(path.c_str());
    if (picture == nullptr || picture->getContentSize().width <= 0 || picture->getContentSize().height <= 0) {
        fail("could not be decoded");
        return;
    }
    m_loaded = true;
    m_shade->setVisible(false);
    if (m_spinner) {
        m_spinner->stopAllActions();
    }
    addChild(picture);
    picture->setVisible(true);
    picture->setRotation(0);
    // Stretched to the view: the server's pictures are made for the slot they fill.
    picture->setScaleX(m_size.width / picture->getContentSize().width);
    picture->setScaleY(m_size.height / picture->getContentSize().height);
    m_picture = picture;
    if (m_target && m_onLoaded) {
        (m_target->*m_onLoaded)(m_mediaName);
    }
}

void CImageView::onFailed(int status) {
    ClientLog::write("image view %s: download failed with status %d", m_mediaName.c_str(), status);
    fail("could not be fetched");
}

void CImageView::fail(const char* why) {
    ClientLog::write("image view %s: the picture %s", m_mediaName.c_str(), why);
    if (m_spinner) {
        m_spinner->setVisible(false);
    }
    if (m_target && m_onFailed) {
        (m_target->*m_onFailed)(m_mediaName);
    }
}
