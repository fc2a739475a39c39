#include "app/FfmpegVideoPlayer.h"

#include "app/ClientLog.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

#include <vector>

USING_NS_CC;

namespace {

// The overlay's parent: the director's notification node, drawn above every scene.
CCNode* overlayParent() {
    CCDirector* director = CCDirector::sharedDirector();
    if (director->getNotificationNode() == nullptr) {
        director->setNotificationNode(CCNode::create());
    }
    return director->getNotificationNode();
}

} // namespace

// One playing file: the decoder, the picture and the clock that paces it. The scheduler drives it
// once per frame, on the main thread.
class FfmpegVideoPlayer::Session : public CCObject {
public:
    explicit Session(const std::string& path) {
        m_picture = CCSprite::create();
        m_picture->retain();
        m_picture->setAnchorPoint(ccp(0, 1));
        const CCSize window = CCDirector::sharedDirector()->getWinSize();
        m_picture->setPosition(ccp(kLeft, window.height - kTop));
        overlayParent()->addChild(m_picture, 1000);
        m_graph = openDecoder(path);
        if (!m_graph) {
            ClientLog::write("video %s cannot be played", path.c_str());
            closeDecoder();
        }
        CCDirector::sharedDirector()->getScheduler()->scheduleUpdateForTarget(this, 0, false);
    }

    // Before the last release: the scheduler holds a reference while the update is scheduled.
    void stop() { CCDirector::sharedDirector()->getScheduler()->unscheduleUpdateForTarget(this); }

    ~Session() override {
        closeDecoder();
        m_picture->removeFromParentAndCleanup(true);
        m_picture->release();
    }

    void update(float dt) override {
        if (!m_graph || m_paused || m_ended) {
            return;
        }
        m_clock += dt;
        bool fresh = false;
        while (m_nextFrameTime <= m_clock && !m_ended) {
            fresh = decodeOne() || fresh;
        }
        if (fresh) {
            showFrame();
        }
    }

    void pause(bool pause) {
        if (!m_graph) {
            return;
        }
        m_paused = pause;
        m_picture->setVisible(!pause);
    }

    CCSprite* m_picture = nullptr;
    bool m_graph = false;
    bool m_paused = false;
    int m_shown = 0;

private:
    bool openDecoder(const std::string& path) {
        if (avformat_open_input(&m_format, path.c_str(), nullptr, nullptr) != 0) return false;
        if (avformat_find_stream_info(m_format, nullptr) < 0) return false;
        const AVCodec* codec = nullptr;
        m_stream = av_find_best_stream(m_format, AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
        if (m_stream < 0 || codec == nullptr) return false;
        m_codec = avcodec_alloc_context3(codec);
        if (!m_codec || avcodec_parameters_to_context(m_codec, m_format->streams[m_stream]->codecpar) < 0) return false;
        if (avcodec_open2(m_codec, codec, nullptr) < 0) return false;
        m_frame = av_frame_alloc();
        m_packet = av_packet_alloc();
        m_timeBase = av_q2d(m_format->streams[m_stream]->time_base);
        m_pixels.assign(static_cast<std::size_t>(kWidth) * static_cast<std::size_t>(kHeight) * 4, 0);
        return m_frame && m_packet;
    }

    void closeDecoder() {
        sws_freeContext(m_scaler);
        m_scaler = nullptr;
        av_frame_free(&m_frame);
        av_packet_free(&m_packet);
        avcodec_free_context(&m_codec);
        avformat_close_input(&m_format);
    }

    // Decodes the next picture into m_pixels; false at the end of the file.
    bool decodeOne() {
        while (true) {
            const int received = avcodec_receive_frame(m_codec, m_frame);
            if (received == 0) {
                convert();
                const int64_t pts = m_frame->best_effort_timestamp;
                m_nextFrameTime = pts == AV_NOPTS_VALUE ? m_nextFrameTime + 1.0 / 25 : pts * m_timeBase;
                return true;
            }
            if (received == AVERROR_EOF) {
                m_ended = true;
                return false;
            }
            const int read = av_read_frame(m_format, m_packet);
            if (read < 0) {
                avcodec_send_packet(m_codec, nullptr); // drain what the decoder still holds
                continue;
            }
            if (m_packet->stream_index == m_stream) {
                avcodec_send_packet(m_codec, m_packet);
            }
            av_packet_unref(m_packet);
        }
    }

    void convert() {
        const int width = static_cast<int>(kWidth), height = static_cast<int>(kHeight);
        m_scaler = sws_getCachedContext(m_scaler, m_frame->width, m_frame->height,
                                        static_cast<AVPixelFormat>(m_frame->format), width, height, AV_PIX_FMT_RGBA,
                                        SWS_BILINEAR, nullptr, nullptr, nullptr);
        if (m_scaler == nullptr) {
            return;
        }
        uint8_t* planes[1] = {m_pixels.data()};
        const int strides[1] = {width * 4};
        sws_scale(m_scaler, m_frame->data, m_frame->linesize, 0, m_frame->height, planes, strides);
    }

    void showFrame() {
        auto* texture = new CCTexture2D;
        if (texture->initWithData(m_pixels.data(), kCCTexture2DPixelFormat_RGBA8888, static_cast<unsigned>(kWidth),
                                  static_cast<unsigned>(kHeight), CCSizeMake(kWidth, kHeight))) {
            m_picture->setTexture(texture);
            m_picture->setTextureRect(CCRectMake(0, 0, kWidth, kHeight));
            m_shown += 1;
        }
        texture->release();
    }

    AVFormatContext* m_format = nullptr;
    AVCodecContext* m_codec = nullptr;
    AVFrame* m_frame = nullptr;
    AVPacket* m_packet = nullptr;
    SwsContext* m_scaler = nullptr;
    int m_stream = -1;
    double m_timeBase = 0;
    double m_clock = 0;
    double m_nextFrameTime = 0;
    bool m_ended = false;
    std::vector<uint8_t> m_pixels;
};

FfmpegVideoPlayer::FfmpegVideoPlayer() = default;

FfmpegVideoPlayer::~FfmpegVideoPlayer() { stopVideo(); }

void FfmpegVideoPlayer::playVideo(const std::string& path) {
    stopVideo();
    m_session = new Session(path);
}

void FfmpegVideoPlayer::pauseVideo(bool pause) {
    if (m_session) {
        m_session->pause(pause);
    }
}

void FfmpegVideoPlayer::stopVideo() {
    if (m_session) {
        m_session->m_picture->setVisible(false);
        m_session->stop();
        Session* session = m_session;
        m_session = nullptr;
        session->release();
    }
}

bool FfmpegVideoPlayer::hasPlayer() const { return m_session != nullptr; }
CCSprite* FfmpegVideoPlayer::picture() const { return m_session ? m_session->m_picture : nullptr; }
bool FfmpegVideoPlayer::hasGraph() const { return m_session && m_session->m_graph; }
bool FfmpegVideoPlayer::isPaused() const { return m_session && m_session->m_paused; }
int FfmpegVideoPlayer::framesShown() const { return m_session ? m_session->m_shown : 0; }
