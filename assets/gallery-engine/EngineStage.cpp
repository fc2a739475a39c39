#include "gallery-engine/EngineStage.h"

#include "gallery/GalleryPages.h"

#include <SDL2/SDL.h>

#include <cstdio>
#include <vector>

#include "director/CCDirector.h"
#include "extensions/armature/CCArmature.h"
#include "extensions/armature/CCArmatureAnimation.h"
#include "extensions/armature/CCArmatureDataManager.h"
#include "extensions/gui/GUIReader.h"
#include "extensions/gui/UILayer.h"
#include "extensions/gui/UIWidget.h"
#include "nodes/CCLayerColor.h"
#include "nodes/CCScene.h"
#include "platform/CCEGLView.h"
#include "render/GLRenderer.h"
#include "sprites/CCSpriteFrameCache.h"
#include "support/CCFileUtils.h"

using namespace cocos2d;
using namespace cocos2d::extension;

namespace brindle::assets {

namespace {
constexpr int kWidth = 960;
constexpr int kHeight = 640;
}

bool EngineStage::open(const std::filesystem::path& resources)
{
    m_resources = resources;
    if (!SDL_getenv("SDL_VIDEODRIVER"))
        SDL_setenv("SDL_VIDEODRIVER", "offscreen", 1);
    CCEGLView* view = CCEGLView::sharedOpenGLView();
    if (!view->isOpenGLReady() || !view->renderer()) {
        std::fprintf(stderr, "asset-gallery: no OpenGL context, layouts and armatures stay cairo stand-ins\n");
        return false;
    }
    view->setDesignResolutionSize(kWidth, kHeight, kResolutionExactFit);
    CCDirector* director = CCDirector::sharedDirector();
    director->setOpenGLView(view);
    director->setManualClock(true);
    Renderer::setCurrent(view->renderer());
    // The client's search order and the four sheets it loads before any screen.
    std::vector<std::string> paths;
    for (const char* dir : { "config", "images_1440X960", "fonts", "sound", "sound/effect", "sound/effect/Play" })
        paths.push_back((resources / dir).string() + "/");
    CCFileUtils::sharedFileUtils()->setSearchPaths(paths);
    for (const char* sheet : { "UI1.plist", "UI2.plist", "Game.plist", "Expand1.plist" })
        CCSpriteFrameCache::sharedSpriteFrameCache()->addSpriteFramesWithFile(sheet);
    return true;
}

void EngineStage::install()
{
    EngineRenders renders;
    renders.layout = [this](const std::filesystem::path& file) { return layout(file); };
    renders.armature = [this](const std::filesystem::path& json, const std::filesystem::path& plist, int index,
                           double progress) { return armature(json, plist, index, progress); };
    GalleryPages::useEngine(std::move(renders));
}

cairo_surface_t* EngineStage::layout(const std::filesystem::path& layoutFile)
{
    UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile(layoutFile.filename().c_str());
    if (!root)
        return nullptr;
    CCScene* scene = CCScene::create();
    // A dark floor so the layouts' own translucent backdrops show as they would over a screen.
    scene->addChild(CCLayerColor::create(ccc4(40, 44, 52, 255)));
    UILayer* layer = UILayer::create();
    layer->addWidget(root);
    scene->addChild(layer);
    return shoot(scene, 2);
}

cairo_surface_t* EngineStage::armature(const std::filesystem::path& exportJson, const std::filesystem::path& plist,
    int index, double progress)
{
    // Both image pairs of an armature use the same frame names: start over whenever the pair changes.
    const std::string pair = exportJson.string() + "|" + plist.string();
    if (pair != m_loadedPair) {
        // The armatures on the screen point into the data about to go: take them off first.
        CCDirector* director = CCDirector::sharedDirector();
        if (director->getRunningScene()) {
            director->replaceScene(CCScene::create());
            director->stepFrame(1.0f / 60.0f);
        }
        CCArmatureDataManager::purge();
        if (!m_loadedPlist.empty())
            CCSpriteFrameCache::sharedSpriteFrameCache()->removeSpriteFramesFromFile(m_loadedPlist.c_str());
        m_loadedPlist = plist.filename().string();
        std::filesystem::path png = plist;
        png.replace_extension(".png");
        CCArmatureDataManager::sharedArmatureDataManager()->addArmatureFileInfo(
            png.filename().c_str(), plist.filename().c_str(), exportJson.filename().c_str());
        m_loadedPair = pair;
    }
    const std::string name = exportJson.stem().string();
    const AnimationData* data = CCArmatureDataManager::sharedArmatureDataManager()->getAnimationData(name);
    CCArmature* armature = CCArmature::create(name.c_str());
    if (!data || !armature || index < 0 || index >= static_cast<int>(data->movements.size()))
        return nullptr;
    const MovementData& movement = data->movements[static_cast<std::size_t>(index)];
    CCScene* scene = CCScene::create();
    scene->addChild(CCLayerColor::create(ccc4(40, 44, 52, 255)));
    armature->setPosition(CCPoint(kWidth / 2.0f, kHeight / 2.0f));
    scene->addChild(armature);
    armature->getAnimation()->playByIndex(index, -1, -1, 0, 10000);
    // Blend in, then the share of the movement; stopping one frame short keeps a single movement's end pose.
    const float speed = movement.scale > 0 ? movement.scale : 1.0f;
    const int frames = static_cast<int>((movement.durationTo + progress * std::max(0, movement.duration - 1)) / speed);
    return shoot(scene, frames + 1);
}

cairo_surface_t* EngineStage::shoot(CCScene* scene, int frames)
{
    CCDirector* director = CCDirector::sharedDirector();
    if (director->getRunningScene())
        director->replaceScene(scene);
    else
        director->runWithScene(scene);
    for (int i = 0; i < std::max(1, frames); ++i)
        director->stepFrame(1.0f / 60.0f);

    GLRenderer* renderer = CCEGLView::sharedOpenGLView()->renderer();
    renderer->setDesignSize(kWidth, kHeight);
    renderer->resetMatrixStack();
    renderer->beginFrame(director->getProjectionMatrix(), kWidth, kHeight, ccColor4F { 0, 0, 0, 1 });
    scene->visit();
    renderer->endFrame();
    std::vector<unsigned char> rgba;
    if (!renderer->readPixels(0, 0, kWidth, kHeight, rgba) || rgba.size() < std::size_t(kWidth) * kHeight * 4)
        return nullptr;

    cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
    cairo_surface_flush(out);
    unsigned char* data = cairo_image_surface_get_data(out);
    const int stride = cairo_image_surface_get_stride(out);
    for (int y = 0; y < kHeight; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        const unsigned char* src = rgba.data() + static_cast<std::size_t>(y) * kWidth * 4;
        for (int x = 0; x < kWidth; ++x, src += 4)
            row[x] = (uint32_t(src[0]) << 16) | (uint32_t(src[1]) << 8) | uint32_t(src[2]);
    }
    cairo_surface_mark_dirty(out);
    return out;
}

} // namespace brindle::assets
