// engine-demo: two scenes on the sample files.
//   --resources DIR       sample folder (default: $BRINDLE_SAMPLES, else shared/samples beside the checkout)
//   --scene 1|2|3         first scene (3: the extensions gallery)
//   --screenshot FILE     save the window once, at --screenshot-at SECONDS (default 1.5)
//   --quit-after SECONDS  end the director after that long
//   --tap-at SECONDS      click the window (near the bottom, away from the menus) at that time
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "DemoScenes.h"
#include "GalleryScene.h"
#include "SampleFiles.h"
#include "cocos2d.h"

using namespace cocos2d;

namespace {

struct Options {
    std::string resources = brindle::samples::folder().string();
    std::string screenshot;
    double screenshotAt = 1.5;
    double quitAfter = -1;
    double tapAt = -1;
    int scene = 1;
};

class DemoApp : public CCApplication {
public:
    explicit DemoApp(Options options) : m_options(std::move(options)) {}

    bool applicationDidFinishLaunching() override
    {
        CCEGLView* view = CCEGLView::sharedOpenGLView();
        if (!view->isOpenGLReady()) {
            std::fprintf(stderr, "engine-demo: no OpenGL window\n");
            return false;
        }
        view->setViewName("engine-demo");
        view->setDesignResolutionSize(960, 640, kResolutionExactFit);
        CCDirector* director = CCDirector::sharedDirector();
        director->setOpenGLView(view);
        director->setAnimationInterval(1.0 / 60);
        CCFileUtils* files = CCFileUtils::sharedFileUtils();
        files->setResourceRoot(m_options.resources);
        files->setSearchPaths({"spritesheets", "bmfont", "cocostudio-ui/CocoGUISample"});
        director->runWithScene(m_options.scene == 3   ? demo::createGalleryScene()
                              : m_options.scene == 2 ? demo::createTextScene()
                                                     : demo::createSpritesScene());
        setLoopHook([this](double elapsed) { onLoop(elapsed); });
        return true;
    }
    void applicationDidEnterBackground() override { CCDirector::sharedDirector()->stopAnimation(); }
    void applicationWillEnterForeground() override { CCDirector::sharedDirector()->startAnimation(); }

private:
    void onLoop(double elapsed)
    {
        if (!m_options.screenshot.empty() && !m_shot && elapsed >= m_options.screenshotAt) {
            CCEGLView::sharedOpenGLView()->requestScreenshot(m_options.screenshot);
            m_shot = true;
        }
        if (m_options.tapAt >= 0 && !m_tapped && elapsed >= m_options.tapAt) {
            m_tapped = true;
            int id = 0;
            float x = 480, y = 610; // frame pixels, y down
            CCEGLView::sharedOpenGLView()->handleTouchesBegin(1, &id, &x, &y);
            CCEGLView::sharedOpenGLView()->handleTouchesEnd(1, &id, &x, &y);
        }
        if (m_options.quitAfter >= 0 && elapsed >= m_options.quitAfter && !m_quitting) {
            m_quitting = true;
            CCDirector::sharedDirector()->end();
        }
    }

    Options m_options;
    bool m_shot = false;
    bool m_quitting = false;
    bool m_tapped = false;
};

bool parse(int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&](const char* name) -> const char* {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "engine-demo: %s needs a value\n", name);
                return nullptr;
            }
            return argv[++i];
        };
        const char* v = nullptr;
        if (a == "--resources" && (v = value("--resources")))
            o.resources = v;
        else if (a == "--screenshot" && (v = value("--screenshot")))
            o.screenshot = v;
        else if (a == "--screenshot-at" && (v = value("--screenshot-at")))
            o.screenshotAt = std::atof(v);
        else if (a == "--quit-after" && (v = value("--quit-after")))
            o.quitAfter = std::atof(v);
        else if (a == "--tap-at" && (v = value("--tap-at")))
            o.tapAt = std::atof(v);
        else if (a == "--scene" && (v = value("--scene")))
            o.scene = std::atoi(v);
        else if (a == "--help") {
            std::printf("engine-demo [--resources DIR] [--scene 1|2] [--screenshot FILE] [--screenshot-at SECONDS] "
                        "[--quit-after SECONDS] [--tap-at SECONDS]\n");
            std::exit(0);
        } else {
            std::fprintf(stderr, "engine-demo: unknown or incomplete option %s\n", a.c_str());
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parse(argc, argv, options))
        return 2;
    // The scenes are built from third-party samples the tree does not carry.
    if (!std::filesystem::is_directory(options.resources)) {
        std::fprintf(stderr, "engine-demo: no sample folder at %s; set BRINDLE_SAMPLES or pass --resources DIR\n",
                     options.resources.c_str());
        return 1;
    }
    // A screenshot with no quit time would leave the demo running forever in CI.
    if (!options.screenshot.empty() && options.quitAfter < 0)
        options.quitAfter = options.screenshotAt + 0.5;
    DemoApp app(options);
    return app.run();
}
