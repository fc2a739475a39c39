#include "platform/CCApplication.h"

#include <SDL2/SDL.h>

#include <chrono>
#include <cstdlib>
#include <cstring>

#include "base/CCConsole.h"
#include "director/CCDirector.h"
#include "labels/CCBMFontConfiguration.h"
#include "labels/TTFRenderer.h"
#include "platform/CCEGLView.h"
#include "sprites/CCAnimationCache.h"
#include "sprites/CCSpriteFrameCache.h"
#include "sprites/CCTextureCache.h"

namespace cocos2d {

namespace {
CCApplication* g_app = nullptr;
}

CCApplication::CCApplication()
{
    g_app = this;
}

CCApplication::~CCApplication()
{
    if (g_app == this)
        g_app = nullptr;
}

CCApplication* CCApplication::sharedApplication()
{
    return g_app;
}

void CCApplication::setAnimationInterval(double interval)
{
    m_interval = interval > 0 ? interval : 1.0 / 60.0;
}

int CCApplication::run()
{
    CCDirector* director = CCDirector::sharedDirector();
    // The director's purge (at end) empties the caches this side owns.
    director->addPurgeListener([] {
        CCAnimationCache::purgeSharedAnimationCache();
        CCSpriteFrameCache::purgeSharedSpriteFrameCache();
        FNTConfigRemoveCache();
        CCTextureCache::purgeSharedTextureCache();
    });
    CCEGLView* view = CCEGLView::sharedOpenGLView();
    view->setLifecycleHandlers([this] { applicationDidEnterBackground(); },
                               [this] { applicationWillEnterForeground(); });
    if (!applicationDidFinishLaunching())
        return 0;
    using clock = std::chrono::steady_clock;
    const auto start = clock::now();
    auto last = start - std::chrono::duration_cast<clock::duration>(std::chrono::duration<double>(m_interval));
    while (!view->isEnded()) {
        view->pollEvents();
        const auto now = clock::now();
        const double sinceLast = std::chrono::duration<double>(now - last).count();
        if (sinceLast < m_interval) {
            const double wait = (m_interval - sinceLast) * 1000.0;
            SDL_Delay(wait > 1.0 ? static_cast<Uint32>(wait) : 1u);
            continue;
        }
        last = now;
        if (m_loopHook)
            m_loopHook(std::chrono::duration<double>(now - start).count());
        director->mainLoop();
        if (director->hasEnded() && !view->isEnded() && !director->getRunningScene())
            view->end();
    }
    TTFRenderer::closeFonts();
    return 0;
}

ccLanguageType CCApplication::languageFromLocale(const char* locale)
{
    if (!locale || std::strlen(locale) < 2)
        return kLanguageEnglish;
    static const struct {
        const char* code;
        ccLanguageType language;
    } table[] = {{"zh", kLanguageChinese},  {"fr", kLanguageFrench},     {"it", kLanguageItalian},
                 {"de", kLanguageGerman},   {"es", kLanguageSpanish},    {"ru", kLanguageRussian},
                 {"ko", kLanguageKorean},   {"ja", kLanguageJapanese},   {"hu", kLanguageHungarian},
                 {"pt", kLanguagePortuguese}, {"ar", kLanguageArabic}};
    for (const auto& entry : table)
        if (std::strncmp(locale, entry.code, 2) == 0)
            return entry.language;
    return kLanguageEnglish;
}

ccLanguageType CCApplication::getCurrentLanguage()
{
    for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(var);
        if (value && *value)
            return languageFromLocale(value);
    }
    return kLanguageEnglish;
}

} // namespace cocos2d
