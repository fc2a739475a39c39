#pragma once
// Newbie guide scripts. The description (assets/tables/guides.txt) names, per step, the
// widget of the guide's layout to highlight; the spot is computed from the layout so the
// guide keeps standing on the widget when the layout moves. Output is "guide%d.xml" in the
// shape the client's guide reads: three top-level elements, the third holding the steps.
#include "core/Description.h"
#include "data/LayoutDescription.h"

#include <functional>
#include <string>
#include <vector>

namespace brindle::assets {

class TextTable;

struct GuidePoint {
    double x = 0;
    double y = 0;
};

struct GuideStep {
    std::string target; // widget name, or a free label when the spot is given with at=
    GuidePoint spot;
    double radius = 0;
    std::string textKey;
    GuidePoint image;  // the dialog picture with the text
    GuidePoint arrow;  // the rabbit
    GuidePoint purpose; // the decoration
    int direction = 0;
};

struct Guide {
    int index = 0;
    std::string name;
    std::string layout;
    std::vector<GuideStep> steps;
};

class GuideScript {
public:
    using LayoutLookup = std::function<const LayoutDocument*(const std::string& name)>;

    // Fails with SourceError on unknown widgets, text keys missing from the table, repeated
    // guide numbers and guides without steps.
    static std::vector<Guide> parse(const std::vector<DescriptionLine>& lines, const LayoutLookup& layouts,
        const TextTable& texts);

    static std::string xml(const Guide& guide);

    // Centre of a widget on the design screen (its anchor may sit off the middle).
    static GuidePoint centre(const WidgetNode& widget);
};

} // namespace brindle::assets
