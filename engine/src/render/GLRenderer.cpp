#include "render/GLRenderer.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include "render/GLIncludes.h"

#include <cstddef>
#include <cstdio>
#include <cstring>

#include "sprites/CCTexture2D.h"

namespace cocos2d {

namespace {

const char* kVertexShader = R"(#version 120
uniform mat4 u_mvp;
attribute vec3 a_position;
attribute vec4 a_color;
attribute vec2 a_texCoord;
varying vec4 v_color;
varying vec2 v_texCoord;
void main()
{
    gl_Position = u_mvp * vec4(a_position, 1.0);
    v_color = a_color;
    v_texCoord = a_texCoord;
}
)";

// The alpha test is how a stencil drawn with a threshold below 1 ignores nearly transparent pixels.
const char* kFragmentShader = R"(#version 120
uniform sampler2D u_texture;
uniform float u_alphaThreshold;
varying vec4 v_color;
varying vec2 v_texCoord;
void main()
{
    vec4 c = v_color * texture2D(u_texture, v_texCoord);
    if (c.a <= u_alphaThreshold)
        discard;
    gl_FragColor = c;
}
)";

GLuint compile(GLenum type, const char* source)
{
    GLuint shader = glCreateShader(type);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint ok = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[1024] = {0};
        glGetShaderInfoLog(shader, sizeof log - 1, nullptr, log);
        std::fprintf(stderr, "GLRenderer: shader does not compile: %s\n", log);
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

} // namespace

GLRenderer::~GLRenderer()
{
    // The context may already be gone when the process ends; only touch GL while one is current.
    if (SDL_GL_GetCurrentContext()) {
        if (m_program)
            glDeleteProgram(m_program);
        if (m_vbo)
            glDeleteBuffers(1, &m_vbo);
        if (m_white)
            glDeleteTextures(1, &m_white);
    }
}

bool GLRenderer::init()
{
    GLuint vs = compile(GL_VERTEX_SHADER, kVertexShader);
    GLuint fs = compile(GL_FRAGMENT_SHADER, kFragmentShader);
    if (!vs || !fs)
        return false;
    m_program = glCreateProgram();
    glAttachShader(m_program, vs);
    glAttachShader(m_program, fs);
    glLinkProgram(m_program);
    glDeleteShader(vs);
    glDeleteShader(fs);
    GLint ok = 0;
    glGetProgramiv(m_program, GL_LINK_STATUS, &ok);
    if (!ok) {
        std::fprintf(stderr, "GLRenderer: program does not link\n");
        glDeleteProgram(m_program);
        m_program = 0;
        return false;
    }
    m_locMvp = glGetUniformLocation(m_program, "u_mvp");
    m_locThreshold = glGetUniformLocation(m_program, "u_alphaThreshold");
    m_locTexture = glGetUniformLocation(m_program, "u_texture");
    m_attrPos = glGetAttribLocation(m_program, "a_position");
    m_attrColor = glGetAttribLocation(m_program, "a_color");
    m_attrTex = glGetAttribLocation(m_program, "a_texCoord");

    glGenBuffers(1, &m_vbo);
    const unsigned char white[4] = {255, 255, 255, 255};
    glGenTextures(1, &m_white);
    glBindTexture(GL_TEXTURE_2D, m_white);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, white);
    glGetIntegerv(GL_STENCIL_BITS, &m_stencilBits);
    m_vertices.reserve(6 * 4096);
    return true;
}

void GLRenderer::setDesignSize(float width, float height)
{
    m_designW = width;
    m_designH = height;
}

unsigned GLRenderer::nameOf(CCTexture2D* texture) const
{
    const unsigned name = texture ? texture->getName() : 0;
    return name ? name : m_white;
}

void GLRenderer::beginFrame(const Mat4& projection, int viewportWidth, int viewportHeight, ccColor4F clear)
{
    m_vertices.clear();
    m_current = RenderStats{};
    m_targets.clear();
    m_stencil.clear();
    m_frameProjection = projection;
    m_projection = projection;
    m_viewportW = viewportWidth;
    m_viewportH = viewportHeight;
    if (m_designW <= 0) {
        m_designW = static_cast<float>(viewportWidth);
        m_designH = static_cast<float>(viewportHeight);
    }
    resetMatrixStack();
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(0, 0, viewportWidth, viewportHeight);
    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glStencilMask(0xFF);
    m_scissor = false;
    glClearColor(clear.r, clear.g, clear.b, clear.a);
    glClearStencil(0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glEnable(GL_BLEND);
    m_threshold = -1.0f;
}

void GLRenderer::endFrame()
{
    flush();
    m_last = m_current;
    m_current = RenderStats{};
}

void GLRenderer::bindState(unsigned textureName, ccBlendFunc blend)
{
    if (!m_vertices.empty() && (textureName != m_batchTexture || !(blend == m_batchBlend)))
        flush();
    m_batchTexture = textureName;
    m_batchBlend = blend;
}

void GLRenderer::drawQuads(CCTexture2D* texture, ccBlendFunc blend, const ccV3F_C4B_T2F_Quad* quads,
                           std::size_t count)
{
    if (!count || !quads || !m_program)
        return;
    bindState(nameOf(texture), blend);
    for (std::size_t i = 0; i < count; ++i) {
        const ccV3F_C4B_T2F_Quad& q = quads[i];
        m_vertices.push_back(q.tl);
        m_vertices.push_back(q.bl);
        m_vertices.push_back(q.tr);
        m_vertices.push_back(q.tr);
        m_vertices.push_back(q.bl);
        m_vertices.push_back(q.br);
    }
    m_current.quads += static_cast<int>(count);
}

void GLRenderer::drawTriangles(CCTexture2D* texture, ccBlendFunc blend, const ccV3F_C4B_T2F* vertices,
                               std::size_t count)
{
    count -= count % 3;
    if (!count || !vertices || !m_program)
        return;
    bindState(nameOf(texture), blend);
    m_vertices.insert(m_vertices.end(), vertices, vertices + count);
    m_current.triangles += static_cast<int>(count / 3);
}

void GLRenderer::flush()
{
    if (m_vertices.empty() || !m_program)
        return;
    glUseProgram(m_program);
    glUniformMatrix4fv(m_locMvp, 1, GL_FALSE, m_projection.m.data());
    glUniform1f(m_locThreshold, m_threshold);
    glUniform1i(m_locTexture, 0);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, m_batchTexture);
    glBlendFunc(m_batchBlend.src, m_batchBlend.dst);
    glBindBuffer(GL_ARRAY_BUFFER, m_vbo);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(m_vertices.size() * sizeof(ccV3F_C4B_T2F)),
                 m_vertices.data(), GL_STREAM_DRAW);
    const GLsizei stride = sizeof(ccV3F_C4B_T2F);
    glEnableVertexAttribArray(static_cast<GLuint>(m_attrPos));
    glEnableVertexAttribArray(static_cast<GLuint>(m_attrColor));
    glEnableVertexAttribArray(static_cast<GLuint>(m_attrTex));
    glVertexAttribPointer(static_cast<GLuint>(m_attrPos), 3, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(offsetof(ccV3F_C4B_T2F, vertices)));
    glVertexAttribPointer(static_cast<GLuint>(m_attrColor), 4, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                          reinterpret_cast<const void*>(offsetof(ccV3F_C4B_T2F, colors)));
    glVertexAttribPointer(static_cast<GLuint>(m_attrTex), 2, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(offsetof(ccV3F_C4B_T2F, texCoords)));
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(m_vertices.size()));
    ++m_current.drawCalls;
    m_vertices.clear();
}

void GLRenderer::enableScissor(float x, float y, float width, float height)
{
    flush();
    float sx = 1, sy = 1;
    if (m_targets.empty() && m_designW > 0 && m_designH > 0) {
        sx = static_cast<float>(m_viewportW) / m_designW;
        sy = static_cast<float>(m_viewportH) / m_designH;
    }
    if (width < 0)
        width = 0;
    if (height < 0)
        height = 0;
    glEnable(GL_SCISSOR_TEST);
    glScissor(static_cast<GLint>(x * sx + 0.5f), static_cast<GLint>(y * sy + 0.5f),
              static_cast<GLsizei>(width * sx + 0.5f), static_cast<GLsizei>(height * sy + 0.5f));
    m_scissor = true;
}

void GLRenderer::disableScissor()
{
    flush();
    glDisable(GL_SCISSOR_TEST);
    m_scissor = false;
}

} // namespace cocos2d
