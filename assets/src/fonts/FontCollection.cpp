#include "fonts/FontCollection.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace brindle::assets {

namespace {

uint32_t be32(const std::string& b, size_t at)
{
    if (at + 4 > b.size())
        throw std::runtime_error("font: truncated");
    return uint32_t(uint8_t(b[at])) << 24 | uint32_t(uint8_t(b[at + 1])) << 16 | uint32_t(uint8_t(b[at + 2])) << 8
        | uint32_t(uint8_t(b[at + 3]));
}

uint16_t be16(const std::string& b, size_t at)
{
    if (at + 2 > b.size())
        throw std::runtime_error("font: truncated");
    return uint16_t(uint8_t(b[at]) << 8 | uint8_t(b[at + 1]));
}

void put32(std::string& b, size_t at, uint32_t v)
{
    b[at] = char(v >> 24);
    b[at + 1] = char(v >> 16);
    b[at + 2] = char(v >> 8);
    b[at + 3] = char(v);
}

void append32(std::string& b, uint32_t v) { b.append(4, '\0'); put32(b, b.size() - 4, v); }
void append16(std::string& b, uint16_t v) { b += char(v >> 8); b += char(v); }

uint32_t checksum(const std::string& b, size_t from, size_t length)
{
    uint32_t sum = 0;
    for (size_t i = 0; i < length; i += 4) {
        uint32_t word = 0;
        for (size_t k = 0; k < 4; ++k)
            word = word << 8 | (from + i + k < b.size() && i + k < length ? uint8_t(b[from + i + k]) : 0);
        sum += word;
    }
    return sum;
}

} // namespace

unsigned FontCollection::faceCount(const std::string& bytes)
{
    return bytes.compare(0, 4, "ttcf") == 0 ? be32(bytes, 8) : 1;
}

std::string FontCollection::extractFace(const std::string& bytes, unsigned faceIndex)
{
    if (bytes.compare(0, 4, "ttcf") != 0)
        return bytes;
    if (faceIndex >= faceCount(bytes))
        throw std::runtime_error("font: no face " + std::to_string(faceIndex) + " in the collection");
    const size_t face = be32(bytes, 12 + 4 * size_t(faceIndex));
    const uint32_t version = be32(bytes, face);
    const uint16_t tables = be16(bytes, face + 4);
    struct Table {
        uint32_t tag, sum, offset, length;
    };
    std::vector<Table> list;
    for (uint16_t i = 0; i < tables; ++i) {
        const size_t rec = face + 12 + 16 * size_t(i);
        list.push_back({ be32(bytes, rec), be32(bytes, rec + 4), be32(bytes, rec + 8), be32(bytes, rec + 12) });
        if (size_t(list.back().offset) + list.back().length > bytes.size())
            throw std::runtime_error("font: table outside the file");
    }
    std::sort(list.begin(), list.end(), [](const Table& a, const Table& b) { return a.tag < b.tag; });

    std::string out;
    append32(out, version);
    append16(out, tables);
    uint16_t power = 1, log = 0;
    while (power * 2 <= tables) { power *= 2; ++log; }
    append16(out, uint16_t(power * 16));
    append16(out, log);
    append16(out, uint16_t(tables * 16 - power * 16));
    const size_t directory = out.size();
    out.append(size_t(tables) * 16, '\0');
    size_t headAt = 0;
    for (size_t i = 0; i < list.size(); ++i) {
        const Table& t = list[i];
        const size_t at = out.size();
        out.append(bytes, t.offset, t.length);
        out.append((4 - out.size() % 4) % 4, '\0');
        if (t.tag == 0x68656164) // 'head'
            headAt = at;
        const size_t rec = directory + 16 * i;
        put32(out, rec, t.tag);
        put32(out, rec + 4, t.sum);
        put32(out, rec + 8, uint32_t(at));
        put32(out, rec + 12, t.length);
    }
    // The whole-file checksum lives in 'head'; recompute it for the new layout.
    if (headAt && headAt + 12 <= out.size()) {
        put32(out, headAt + 8, 0);
        put32(out, headAt + 8, 0xB1B0AFBAu - checksum(out, 0, out.size()));
    }
    return out;
}

} // namespace brindle::assets
