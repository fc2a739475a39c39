// Column-major 4x4 matrix, enough for node transforms, the node camera and the projection.
#pragma once

#include <array>

namespace cocos2d {

struct Mat4 {
    // m[column * 4 + row], as OpenGL expects.
    std::array<float, 16> m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

    static Mat4 identity() { return Mat4{}; }
    static Mat4 translation(float x, float y, float z);
    static Mat4 scale(float x, float y, float z);
    static Mat4 perspective(float fovYDegrees, float aspect, float zNear, float zFar);
    static Mat4 lookAt(float eyeX, float eyeY, float eyeZ, float centerX, float centerY, float centerZ,
                       float upX, float upY, float upZ);
    // The 2D affine part of cocos2d-x (a b c d tx ty) as a matrix.
    static Mat4 fromAffine(float a, float b, float c, float d, float tx, float ty);

    float& at(int row, int column) { return m[static_cast<std::size_t>(column * 4 + row)]; }
    float at(int row, int column) const { return m[static_cast<std::size_t>(column * 4 + row)]; }

    Mat4 operator*(const Mat4& rhs) const;
    // Transforms a point (w = 1); returns x, y, z without perspective division.
    void transformPoint(float x, float y, float z, float& outX, float& outY, float& outZ) const;
    bool inverse(Mat4& out) const;
};

} // namespace cocos2d
