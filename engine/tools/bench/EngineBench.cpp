// Frame cost of the engine against plain GL on the same 2000 textured, rotating quads, in the same
// process and context. Process CPU time is measured (llvmpipe rasterises on worker threads), each
// frame finished with glFinish so both sides pay for their drawing. The quads are small (12 x 12) so
// the software rasteriser does not drown the CPU cost being compared.
//   BENCH engine_frame_2000_sprites  us per frame: action update, traversal, batching, GL
//   BENCH raw_gl_2000_quads          us per frame of the plain GL loop
//   BENCH engine_over_raw            ratio of the two (goal <= 1.5)
//   BENCH draw_calls_2000_sprites    draw calls of one engine frame (goal <= 2)
#include <benchmark/benchmark.h>

#include <SDL2/SDL.h>

#include <cstdio>
#include <map>
#include <string>

#include "RawQuads.h"
#include "SampleFiles.h"
#include "cocos2d.h"
#include "render/GLIncludes.h"
#include "render/GLRenderer.h"

using namespace cocos2d;

namespace {

constexpr int kSprites = 2000;
int g_drawCalls = -1;

CCTexture2D* benchTexture()
{
    CCFileUtils::sharedFileUtils()->setResourceRoot(brindle::samples::folder().string());
    return CCTextureCache::sharedTextureCache()->addImage("spritesheets/grossini.png");
}

bool ensureWindow()
{
    if (!SDL_getenv("SDL_VIDEODRIVER"))
        SDL_setenv("SDL_VIDEODRIVER", "offscreen", 1);
    CCEGLView* view = CCEGLView::sharedOpenGLView();
    if (!view->isOpenGLReady())
        return false;
    SDL_GL_SetSwapInterval(0);
    CCDirector* director = CCDirector::sharedDirector();
    director->setOpenGLView(view);
    director->setManualClock(true);
    return true;
}

void engineFrame(benchmark::State& state)
{
    if (!ensureWindow()) {
        state.SkipWithError("no OpenGL context");
        return;
    }
    CCTexture2D* texture = benchTexture();
    if (!texture) {
        const std::string why = brindle::samples::present() ? "sample texture missing" : brindle::samples::missingNote();
        state.SkipWithError(why.c_str());
        return;
    }
    CCDirector* director = CCDirector::sharedDirector();
    CCScene* scene = CCScene::create();
    for (int i = 0; i < kSprites; ++i) {
        CCSprite* s = CCSprite::createWithTexture(texture, CCRect(360, 40, 12, 12));
        s->setPosition(CCPoint(20.0f + static_cast<float>(i % 50) * 19.0f, 20.0f + static_cast<float>(i / 50) * 15.0f));
        s->runAction(CCRepeatForever::create(CCRotateBy::create(2.0f, 360)));
        scene->addChild(s);
    }
    director->runWithScene(scene);
    director->stepFrame(1.0f / 60);
    for (auto _ : state) {
        director->stepFrame(1.0f / 60);
        glFinish();
    }
    g_drawCalls = Renderer::current()->drawCallsLastFrame();
    state.counters["draw_calls"] = g_drawCalls;
    state.counters["quads"] = Renderer::current()->lastFrameStats().quads;
    director->reset();
    if (auto* gl = CCEGLView::sharedOpenGLView()->renderer())
        Renderer::setCurrent(gl);
}

void rawFrame(benchmark::State& state)
{
    if (!ensureWindow()) {
        state.SkipWithError("no OpenGL context");
        return;
    }
    CCTexture2D* texture = benchTexture();
    if (!texture) {
        const std::string why = brindle::samples::present() ? "sample texture missing" : brindle::samples::missingNote();
        state.SkipWithError(why.c_str());
        return;
    }
    rawgl::RawScene raw;
    const Mat4 projection = CCDirector::sharedDirector()->getProjectionMatrix();
    if (!rawgl::setup(raw, texture->getName(), kSprites, projection.m.data())) {
        state.SkipWithError("raw program does not link");
        return;
    }
    glViewport(0, 0, 960, 640);
    for (auto _ : state) {
        rawgl::frame(raw);
        SDL_GL_SwapWindow(CCEGLView::sharedOpenGLView()->window());
        glFinish();
    }
    rawgl::teardown(raw);
}

class Collect : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& r : runs)
            if (!r.error_occurred && r.run_type == Run::RT_Iteration)
                cpuMicros[r.run_name.function_name] = r.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> cpuMicros;
};

} // namespace

BENCHMARK(engineFrame)->Name("engine_frame_2000_sprites")->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->MinTime(1.0);
BENCHMARK(rawFrame)->Name("raw_gl_2000_quads")->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->MinTime(1.0);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    Collect reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto engine = reporter.cpuMicros.find("engine_frame_2000_sprites");
    const auto raw = reporter.cpuMicros.find("raw_gl_2000_quads");
    if (engine != reporter.cpuMicros.end())
        std::printf("BENCH engine_frame_2000_sprites %.1f us\n", engine->second);
    if (raw != reporter.cpuMicros.end())
        std::printf("BENCH raw_gl_2000_quads %.1f us\n", raw->second);
    if (engine != reporter.cpuMicros.end() && raw != reporter.cpuMicros.end() && raw->second > 0)
        std::printf("BENCH engine_over_raw %.2f ratio\n", engine->second / raw->second);
    if (g_drawCalls >= 0)
        std::printf("BENCH draw_calls_2000_sprites %d calls\n", g_drawCalls);
    benchmark::Shutdown();
    return 0;
}
