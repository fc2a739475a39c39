// The baseline of the frame benchmark: the same 2000 textured, rotating quads drawn with plain GL
// (one program, one buffer, one draw call), no engine objects at all.
#pragma once

#include <vector>

namespace rawgl {

struct RawScene {
    unsigned program = 0;
    unsigned vbo = 0;
    unsigned texture = 0;
    int mvpLocation = -1;
    std::vector<float> centres; // x, y per quad
    std::vector<float> vertices;
    float angle = 0;
    float projection[16];
};

// texture: an existing GL texture; projection: column-major, world points to clip space.
bool setup(RawScene& scene, unsigned texture, int quads, const float* projection);
// Rotates every quad a step, rebuilds the vertices on the CPU and draws them.
void frame(RawScene& scene);
void teardown(RawScene& scene);

} // namespace rawgl
