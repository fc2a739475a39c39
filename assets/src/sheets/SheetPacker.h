#pragma once
// Packs rectangles into one texture (MaxRects, best short side fit). Deterministic: the
// same inputs in the same order always give the same places.

#include <string>
#include <vector>

namespace brindle::assets {

enum class Turn { Never, Allowed, Always };

struct PackItem {
    std::string name;
    int width = 0;
    int height = 0;
    Turn turn = Turn::Never; // Always: stored turned 90 degrees clockwise
    // Results:
    int x = 0;
    int y = 0;
    bool rotated = false;
};

class SheetPacker {
public:
    // Places every item (padding pixels between them and from the edges) in the smallest
    // texture it can find up to maxSide; false if they do not fit.
    static bool pack(std::vector<PackItem>& items, int padding, int maxSide, int& sheetWidth, int& sheetHeight);

private:
    static bool packInto(std::vector<PackItem>& items, int padding, int width, int height);
};

} // namespace brindle::assets
