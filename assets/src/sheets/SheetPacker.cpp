#include "sheets/SheetPacker.h"

#include <algorithm>
#include <climits>

namespace brindle::assets {

namespace {

struct Rect {
    int x, y, w, h;
};

bool contains(const Rect& a, const Rect& b)
{
    return b.x >= a.x && b.y >= a.y && b.x + b.w <= a.x + a.w && b.y + b.h <= a.y + a.h;
}

class MaxRects {
public:
    MaxRects(int w, int h) { m_free.push_back({ 0, 0, w, h }); }

    // Best short-side fit; returns false when nothing fits.
    bool find(int w, int h, Rect& out) const
    {
        int bestShort = INT_MAX, bestLong = INT_MAX;
        for (const auto& f : m_free) {
            if (f.w >= w && f.h >= h) {
                const int dx = f.w - w, dy = f.h - h;
                const int s = std::min(dx, dy), l = std::max(dx, dy);
                if (s < bestShort || (s == bestShort && l < bestLong)) {
                    bestShort = s;
                    bestLong = l;
                    out = { f.x, f.y, w, h };
                }
            }
        }
        return bestShort != INT_MAX;
    }

    int score(int w, int h) const
    {
        Rect r;
        if (!find(w, h, r))
            return INT_MAX;
        int best = INT_MAX;
        for (const auto& f : m_free)
            if (f.w >= w && f.h >= h)
                best = std::min(best, std::min(f.w - w, f.h - h));
        return best;
    }

    void place(const Rect& used)
    {
        std::vector<Rect> next;
        for (const auto& f : m_free) {
            if (used.x >= f.x + f.w || used.x + used.w <= f.x || used.y >= f.y + f.h || used.y + used.h <= f.y) {
                next.push_back(f);
                continue;
            }
            if (used.x > f.x) next.push_back({ f.x, f.y, used.x - f.x, f.h });
            if (used.x + used.w < f.x + f.w) next.push_back({ used.x + used.w, f.y, f.x + f.w - used.x - used.w, f.h });
            if (used.y > f.y) next.push_back({ f.x, f.y, f.w, used.y - f.y });
            if (used.y + used.h < f.y + f.h) next.push_back({ f.x, used.y + used.h, f.w, f.y + f.h - used.y - used.h });
        }
        // Drop free rectangles inside others.
        m_free.clear();
        for (size_t i = 0; i < next.size(); ++i) {
            bool inside = false;
            for (size_t j = 0; j < next.size() && !inside; ++j) {
                if (i == j)
                    continue;
                inside = contains(next[j], next[i])
                    && !(contains(next[i], next[j]) && j > i); // identical: keep the first
            }
            if (!inside)
                m_free.push_back(next[i]);
        }
    }

private:
    std::vector<Rect> m_free;
};

} // namespace

bool SheetPacker::packInto(std::vector<PackItem>& items, int padding, int width, int height)
{
    MaxRects bins(width - padding, height - padding);
    for (auto& item : items) {
        const int w = item.width + padding, h = item.height + padding;
        Rect upright {}, turned {};
        const bool canUpright = item.turn != Turn::Always && bins.find(w, h, upright);
        const bool canTurn = item.turn != Turn::Never && bins.find(h, w, turned);
        if (!canUpright && !canTurn)
            return false;
        bool useTurn = canTurn && (!canUpright || bins.score(h, w) < bins.score(w, h));
        const Rect r = useTurn ? turned : upright;
        bins.place(r);
        item.x = r.x + padding;
        item.y = r.y + padding;
        item.rotated = useTurn;
    }
    return true;
}

bool SheetPacker::pack(std::vector<PackItem>& items, int padding, int maxSide, int& sheetWidth, int& sheetHeight)
{
    std::stable_sort(items.begin(), items.end(), [](const PackItem& a, const PackItem& b) {
        const int sa = std::max(a.width, a.height), sb = std::max(b.width, b.height);
        if (sa != sb)
            return sa > sb;
        if (a.width * a.height != b.width * b.height)
            return a.width * a.height > b.width * b.height;
        return a.name < b.name;
    });
    long long area = 0;
    int widest = 0;
    for (const auto& item : items) {
        area += (long long)(item.width + padding) * (item.height + padding);
        widest = std::max(widest, std::min(item.width, item.height) + 2 * padding);
    }
    // Try sizes from small to large (multiples of 64) and keep the smallest area that works.
    std::vector<std::pair<int, int>> sizes;
    for (int w = 64; w <= maxSide; w += 64)
        for (int h = 64; h <= maxSide; h += 64)
            if ((long long)w * h >= area && w >= widest && h >= widest)
                sizes.push_back({ w, h });
    std::stable_sort(sizes.begin(), sizes.end(), [](auto a, auto b) {
        const long long aa = (long long)a.first * a.second, bb = (long long)b.first * b.second;
        if (aa != bb)
            return aa < bb;
        return std::abs(a.first - a.second) < std::abs(b.first - b.second);
    });
    for (auto [w, h] : sizes) {
        std::vector<PackItem> attempt = items;
        if (packInto(attempt, padding, w, h)) {
            items = std::move(attempt);
            sheetWidth = w;
            sheetHeight = h;
            return true;
        }
    }
    return false;
}

} // namespace brindle::assets
