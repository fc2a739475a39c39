// asset-gallery --resources DIR --out DIR
// Contact pages of the generated resources, for people to look at: every single picture,
// every sheet with its frame outlines, and samples of the bitmap fonts. Layouts and armatures
// render through the engine (offscreen GL) when it is linked here, else through cairo stand-ins.

#include "gallery/ContactPage.h"
#include "gallery/GalleryPages.h"

#ifdef BRINDLE_GALLERY_ENGINE
#include "gallery-engine/EngineStage.h"
#endif

#include <cstdio>
#include <string>

using namespace brindle::assets;

// Fontconfig keeps a small cache for the life of the process; in sanitizer builds that is
// reported as a leak although it is none of ours.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

// The drawing libraries are not built with the thread sanitizer; their internal locking is
// invisible to it. Our own sharing (the step context, the picture list) stays checked.
extern "C" const char* __tsan_default_suppressions()
{
    return "called_from_lib:libfontconfig.so\ncalled_from_lib:libpango-1.0.so\ncalled_from_lib:libpangoft2-1.0.so\n"
           "called_from_lib:libpangocairo-1.0.so\ncalled_from_lib:libcairo.so\ncalled_from_lib:libglib-2.0.so\n"
           "called_from_lib:libgobject-2.0.so\ncalled_from_lib:libharfbuzz.so\ncalled_from_lib:libfreetype.so\n"
           "called_from_lib:libpixman-1.so\n";
}

int main(int argc, char** argv)
{
    std::string resources, out;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        if (arg == "--resources") resources = argv[i + 1];
        else if (arg == "--out") out = argv[i + 1];
    }
    if (resources.empty() || out.empty()) {
        std::fprintf(stderr, "usage: asset-gallery --resources DIR --out DIR\n");
        return 2;
    }
#ifdef BRINDLE_GALLERY_ENGINE
    EngineStage stage;
    if (stage.open(resources))
        stage.install();
#endif
    return GalleryPages::renderAll(resources, out);
}
