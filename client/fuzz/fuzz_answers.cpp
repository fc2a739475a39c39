// Any text as the answer to any request type: parsers must neither crash nor throw.
#include "app/Platform.h"
#include "app/VideoPlayer.h"
#include "net/MsgResponse.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

// No network and no folders: the fuzzer must not send or write anything.
class QuietPlatform : public Platform {
public:
    class NoVideo : public VideoPlayer {
    public:
        void playVideo(const std::string&) override {}
        void pauseVideo(bool) override {}
        void stopVideo() override {}
        bool hasPlayer() const override { return false; }
    };
    std::string deviceIdentity() override { return "FUZZ"; }
    bool isNetworkAlive() override { return false; }
    std::string tempFolder() override { return ""; }
    void clearFolder(const std::string&) override {}
    void openUrl(const std::string&) override {}
    void closeGameWindow() override {}
    VideoPlayer& videoPlayer() override { return m_video; }
    NoVideo m_video;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static bool installed = [] {
        Platform::install(std::make_unique<QuietPlatform>());
        return true;
    }();
    (void)installed;
    if (size == 0) {
        return 0;
    }
    // The first byte names the request type (one past each end included); the rest is the answer.
    const int type = data[0] % (MsgResponse::kParserCount + 2) - 1;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    int code = -1;
    (void)MsgResponse::instance().OnResPonse(text, type, &code);
    return 0;
}
