#include "RawQuads.h"

#include <cmath>
#include <cstring>

#include "render/GLIncludes.h"

namespace rawgl {

namespace {
const char* kVs = "#version 120\nuniform mat4 u_mvp;\nattribute vec3 a_pos;\nattribute vec4 a_col;\n"
                  "attribute vec2 a_tex;\nvarying vec4 v_col;\nvarying vec2 v_tex;\n"
                  "void main(){gl_Position=u_mvp*vec4(a_pos,1.0);v_col=a_col;v_tex=a_tex;}\n";
const char* kFs = "#version 120\nuniform sampler2D u_tex;\nvarying vec4 v_col;\nvarying vec2 v_tex;\n"
                  "void main(){gl_FragColor=v_col*texture2D(u_tex,v_tex);}\n";
// x y z, rgba bytes packed in one float slot, u v: 6 floats = 24 bytes, like the engine's vertex.
constexpr int kStride = 6;

GLuint shader(GLenum type, const char* src)
{
    GLuint s = glCreateShader(type);
    glShaderSource(s, 1, &src, nullptr);
    glCompileShader(s);
    return s;
}
} // namespace

bool setup(RawScene& scene, unsigned texture, int quads, const float* projection)
{
    scene.program = glCreateProgram();
    GLuint vs = shader(GL_VERTEX_SHADER, kVs), fs = shader(GL_FRAGMENT_SHADER, kFs);
    glAttachShader(scene.program, vs);
    glAttachShader(scene.program, fs);
    glBindAttribLocation(scene.program, 0, "a_pos");
    glBindAttribLocation(scene.program, 1, "a_col");
    glBindAttribLocation(scene.program, 2, "a_tex");
    glLinkProgram(scene.program);
    glDeleteShader(vs);
    glDeleteShader(fs);
    GLint ok = 0;
    glGetProgramiv(scene.program, GL_LINK_STATUS, &ok);
    if (!ok)
        return false;
    scene.mvpLocation = glGetUniformLocation(scene.program, "u_mvp");
    glGenBuffers(1, &scene.vbo);
    scene.texture = texture;
    std::memcpy(scene.projection, projection, sizeof scene.projection);
    scene.centres.clear();
    for (int i = 0; i < quads; ++i) {
        scene.centres.push_back(20.0f + static_cast<float>(i % 50) * 19.0f);
        scene.centres.push_back(20.0f + static_cast<float>(i / 50) * 15.0f);
    }
    scene.vertices.assign(static_cast<std::size_t>(quads) * 6 * kStride, 0.0f);
    return true;
}

void frame(RawScene& scene)
{
    scene.angle += 0.05f;
    const float c = std::cos(scene.angle), s = std::sin(scene.angle);
    const float hw = 6.0f, hh = 6.0f; // a 12 x 12 piece like the engine benchmark's sprites
    const float corners[6][4] = {{-hw, hh, 0, 0}, {-hw, -hh, 0, 1}, {hw, hh, 1, 0},
                                 {hw, hh, 1, 0},  {-hw, -hh, 0, 1}, {hw, -hh, 1, 1}};
    unsigned char white[4] = {255, 255, 255, 255};
    float packed;
    std::memcpy(&packed, white, 4);
    float* v = scene.vertices.data();
    const std::size_t quads = scene.centres.size() / 2;
    for (std::size_t q = 0; q < quads; ++q) {
        const float cx = scene.centres[2 * q], cy = scene.centres[2 * q + 1];
        for (const auto& k : corners) {
            *v++ = cx + k[0] * c + k[1] * s;
            *v++ = cy - k[0] * s + k[1] * c;
            *v++ = 0;
            *v++ = packed;
            *v++ = k[2] * 0.1f;
            *v++ = k[3] * 0.4f;
        }
    }
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_STENCIL_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    glUseProgram(scene.program);
    glUniformMatrix4fv(scene.mvpLocation, 1, GL_FALSE, scene.projection);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, scene.texture);
    glBindBuffer(GL_ARRAY_BUFFER, scene.vbo);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(scene.vertices.size() * sizeof(float)),
                 scene.vertices.data(), GL_STREAM_DRAW);
    const GLsizei stride = kStride * sizeof(float);
    glEnableVertexAttribArray(0);
    glEnableVertexAttribArray(1);
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride, nullptr);
    glVertexAttribPointer(1, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride, reinterpret_cast<const void*>(3 * sizeof(float)));
    glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<const void*>(4 * sizeof(float)));
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(quads * 6));
}

void teardown(RawScene& scene)
{
    if (scene.program)
        glDeleteProgram(scene.program);
    if (scene.vbo)
        glDeleteBuffers(1, &scene.vbo);
    scene = RawScene{};
}

} // namespace rawgl
