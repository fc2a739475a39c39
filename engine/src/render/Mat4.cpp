#include "render/Mat4.h"

#include <cmath>
#include <utility>

namespace cocos2d {

Mat4 Mat4::translation(float x, float y, float z)
{
    Mat4 r;
    r.at(0, 3) = x;
    r.at(1, 3) = y;
    r.at(2, 3) = z;
    return r;
}

Mat4 Mat4::scale(float x, float y, float z)
{
    Mat4 r;
    r.at(0, 0) = x;
    r.at(1, 1) = y;
    r.at(2, 2) = z;
    return r;
}

Mat4 Mat4::perspective(float fovYDegrees, float aspect, float zNear, float zFar)
{
    const float f = 1.0f / std::tan(fovYDegrees * 3.14159265358979f / 360.0f);
    Mat4 r;
    r.m.fill(0);
    r.at(0, 0) = f / aspect;
    r.at(1, 1) = f;
    r.at(2, 2) = (zFar + zNear) / (zNear - zFar);
    r.at(2, 3) = 2.0f * zFar * zNear / (zNear - zFar);
    r.at(3, 2) = -1.0f;
    return r;
}

Mat4 Mat4::lookAt(float eyeX, float eyeY, float eyeZ, float centerX, float centerY, float centerZ, float upX,
                  float upY, float upZ)
{
    auto normalise = [](float& x, float& y, float& z) {
        const float len = std::sqrt(x * x + y * y + z * z);
        if (len > 0) {
            x /= len;
            y /= len;
            z /= len;
        }
    };
    float fx = centerX - eyeX, fy = centerY - eyeY, fz = centerZ - eyeZ;
    normalise(fx, fy, fz);
    normalise(upX, upY, upZ);
    // side = forward x up, then the corrected up = side x forward
    float sx = fy * upZ - fz * upY, sy = fz * upX - fx * upZ, sz = fx * upY - fy * upX;
    normalise(sx, sy, sz);
    const float ux = sy * fz - sz * fy, uy = sz * fx - sx * fz, uz = sx * fy - sy * fx;
    Mat4 r;
    r.at(0, 0) = sx;
    r.at(0, 1) = sy;
    r.at(0, 2) = sz;
    r.at(1, 0) = ux;
    r.at(1, 1) = uy;
    r.at(1, 2) = uz;
    r.at(2, 0) = -fx;
    r.at(2, 1) = -fy;
    r.at(2, 2) = -fz;
    return r * translation(-eyeX, -eyeY, -eyeZ);
}

Mat4 Mat4::fromAffine(float a, float b, float c, float d, float tx, float ty)
{
    // cocos2d-x affine: x' = a*x + c*y + tx, y' = b*x + d*y + ty
    Mat4 r;
    r.at(0, 0) = a;
    r.at(1, 0) = b;
    r.at(0, 1) = c;
    r.at(1, 1) = d;
    r.at(0, 3) = tx;
    r.at(1, 3) = ty;
    return r;
}

Mat4 Mat4::operator*(const Mat4& rhs) const
{
    Mat4 r;
    for (int col = 0; col < 4; ++col) {
        for (int row = 0; row < 4; ++row) {
            float sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += at(row, k) * rhs.at(k, col);
            r.at(row, col) = sum;
        }
    }
    return r;
}

void Mat4::transformPoint(float x, float y, float z, float& outX, float& outY, float& outZ) const
{
    outX = at(0, 0) * x + at(0, 1) * y + at(0, 2) * z + at(0, 3);
    outY = at(1, 0) * x + at(1, 1) * y + at(1, 2) * z + at(1, 3);
    outZ = at(2, 0) * x + at(2, 1) * y + at(2, 2) * z + at(2, 3);
}

bool Mat4::inverse(Mat4& out) const
{
    // Gauss-Jordan with partial pivoting on [this | I].
    float a[4][8];
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            a[r][c] = at(r, c);
            a[r][c + 4] = r == c ? 1.0f : 0.0f;
        }
    }
    for (int c = 0; c < 4; ++c) {
        int pivot = c;
        for (int r = c + 1; r < 4; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[pivot][c]))
                pivot = r;
        if (std::fabs(a[pivot][c]) < 1e-12f)
            return false;
        if (pivot != c)
            for (int k = 0; k < 8; ++k)
                std::swap(a[c][k], a[pivot][k]);
        const float inv = 1.0f / a[c][c];
        for (int k = 0; k < 8; ++k)
            a[c][k] *= inv;
        for (int r = 0; r < 4; ++r) {
            if (r == c)
                continue;
            const float f = a[r][c];
            if (f != 0)
                for (int k = 0; k < 8; ++k)
                    a[r][k] -= f * a[c][k];
        }
    }
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            out.at(r, c) = a[r][c + 4];
    return true;
}

} // namespace cocos2d
