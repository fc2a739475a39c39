#pragma once
// Named painters: the words a picture description may use ("button", "rabbit", ...).
// A painter draws one picture filling its canvas from the description's arguments.

#include "art/Canvas.h"
#include "core/Description.h"

#include <functional>
#include <string>
#include <vector>

namespace brindle::assets {

using Painter = std::function<void(Canvas&, const DescriptionLine&)>;

class Painters {
public:
    static bool add(const std::string& name, Painter painter);
    static const Painter* find(const std::string& name);
    static std::vector<std::string> names();
};

// The warm palette shared by every picture.
namespace palette {
inline const Rgba orange = hex("#ff8a1f");
inline const Rgba deepOrange = hex("#e8591a");
inline const Rgba gold = hex("#ffc933");
inline const Rgba cream = hex("#fff5dc");
inline const Rgba brown = hex("#7a3f17");
inline const Rgba ink = hex("#5a2e10");
inline const Rgba green = hex("#5cc24a");
inline const Rgba leaf = hex("#3e9e36");
inline const Rgba sky = hex("#8fd8ff");
inline const Rgba pink = hex("#ffa7b8");
inline const Rgba fur = hex("#ffffff");
inline const Rgba furShade = hex("#efe4da");
inline const Rgba red = hex("#ef4b3f");
inline const Rgba blue = hex("#3a9bef");
} // namespace palette

// Argument helpers shared by the painters.
Rgba argColour(const DescriptionLine& line, const std::string& key, const std::string& fallback);

// The mascot, reusable by every picture that shows it. (cx, bottom) is the point between
// its feet; `height` the height from feet to ear tips.
struct RabbitLook {
    Rgba scarf = palette::orange;
    std::string pose = "stand";  // stand, wave, cheer, hold, think, run1, run2, peek
    std::string hat;             // "", cap, grad, crown, glasses, headset, band
    bool mirror = false;
    bool headOnly = false;
};
void drawRabbit(Canvas& canvas, double cx, double bottom, double height, const RabbitLook& look);
void drawRabbitHead(Canvas& canvas, double cx, double cy, double radius, const RabbitLook& look, bool ears);
void drawCarrot(Canvas& canvas, double cx, double cy, double length, double angle, bool gold);

} // namespace brindle::assets

#define BRINDLE_PAINTER(name, function)                                                                    \
    [[maybe_unused]] static const bool function##_painter = ::brindle::assets::Painters::add(name, function);
