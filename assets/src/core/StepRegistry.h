#pragma once
// Generator steps register themselves with a name and an order. Steps of a lower order
// finish before any of a higher order starts (a layout step may read the sheets), and
// steps of the same order run in parallel.
//
//   static void makeSounds(GenContext& ctx) { ... }
//   BRINDLE_ASSET_STEP(makeSounds, "sounds", 10)

#include <functional>
#include <string>
#include <vector>

namespace brindle::assets {

class GenContext;

// Orders in use: pictures and sounds first, sheets built from pictures next, data that
// references sheet frames (layouts, armatures) after that, checks last.
inline constexpr int kOrderPictures = 10;
inline constexpr int kOrderSheets = 20;
inline constexpr int kOrderData = 30;
inline constexpr int kOrderChecks = 90;

struct GeneratorStep {
    std::string name;
    int order = 0;
    std::function<void(GenContext&)> run;
};

class StepRegistry {
public:
    static bool add(GeneratorStep step);
    // Sorted by order, then name (stable across link orders).
    static std::vector<GeneratorStep> steps();
};

} // namespace brindle::assets

#define BRINDLE_ASSET_STEP(function, name, order)                                                          \
    [[maybe_unused]] static const bool function##_registered                                               \
        = ::brindle::assets::StepRegistry::add({ name, order, function });
