#include "app/AppDelegate.h"
#include "app/ClientLog.h"
#include "app/CommandLine.h"
#include "app/FfmpegVideoPlayer.h"
#include "app/LinuxPlatform.h"
#include "net/NetManager.h"

#include "cocos2d.h"
#include "platform/CCEGLView.h"

#include <cstdio>
#include <cstdlib>

USING_NS_CC;

int main(int argc, char** argv) {
    std::string error;
    const auto options =
        CommandLine::parse(std::vector<std::string>(argv + 1, argv + argc), std::getenv("BRINDLE_ENTRY"), error);
    if (!options) {
        std::fprintf(stderr, "brindle: %s\n%s", error.c_str(), CommandLine::usage().c_str());
        return 2;
    }
    if (options->help) {
        std::fputs(CommandLine::usage().c_str(), stdout);
        return 0;
    }
    ClientLog::setSink([](const std::string& line) { CCLog("%s", line.c_str()); });

    const std::string userDir = options->userDir.empty() ? CommandLine::defaultUserDir() : options->userDir;
    const std::string resources =
        options->resources.empty() ? CommandLine::defaultResources(argv[0]) : options->resources;
    CCFileUtils::sharedFileUtils()->setResourceRoot(resources);
    CCFileUtils::sharedFileUtils()->setWritablePath(userDir);

    auto platform = std::make_unique<LinuxPlatform>();
    platform->setUserDir(userDir);
    platform->setEntryHost(options->entryHost);
    platform->setCloseHandler([] { CCDirector::sharedDirector()->end(); });
    platform->setVideoPlayer(std::make_unique<FfmpegVideoPlayer>());
    Platform::install(std::move(platform));
    NetManager::instance().setEntryEndpoint(options->entryHost, options->entryPort);

    AppDelegate app(*options);
    CCEGLView* view = CCEGLView::sharedOpenGLView();
    view->setViewName("Brindle");
    view->setFrameSize(static_cast<float>(options->windowWidth), static_cast<float>(options->windowHeight));
    return app.run();
}
