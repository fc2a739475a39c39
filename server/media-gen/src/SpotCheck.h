// Holds the spot-the-difference questions to their pictures: every pixel that differs between
// the two pictures must lie inside one of the question's rectangles, and every rectangle must
// frame a visible change. A bank edit that moves a drawing without moving its rectangle fails
// the build instead of leaving an unfindable difference in the game.
#pragma once

#include <string>
#include <vector>

namespace mediagen {

class SpotCheck {
public:
    // Problems found, one line each; empty when the pictures and the bank agree.
    static std::vector<std::string> run(const std::string& bankFolder, const std::string& mediaFolder);
};

} // namespace mediagen
