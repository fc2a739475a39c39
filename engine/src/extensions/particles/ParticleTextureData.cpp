#include "ParticleTextureData.h"

#include <zlib.h>

namespace cocos2d::particles {

bool decodeBase64(const std::string& text, std::vector<unsigned char>& out)
{
    out.clear();
    out.reserve(text.size() * 3 / 4);
    unsigned int buffer = 0;
    int bits = 0;
    bool ended = false;
    for (unsigned char c : text) {
        int value;
        if (c >= 'A' && c <= 'Z')
            value = c - 'A';
        else if (c >= 'a' && c <= 'z')
            value = c - 'a' + 26;
        else if (c >= '0' && c <= '9')
            value = c - '0' + 52;
        else if (c == '+')
            value = 62;
        else if (c == '/')
            value = 63;
        else if (c == '=') {
            ended = true;
            continue;
        } else if (c == ' ' || c == '\n' || c == '\r' || c == '\t')
            continue;
        else
            return false;
        if (ended)
            return false; // data after padding
        buffer = (buffer << 6) | static_cast<unsigned int>(value);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out.push_back(static_cast<unsigned char>((buffer >> bits) & 0xFF));
        }
    }
    return !out.empty();
}

bool inflateData(const std::vector<unsigned char>& in, std::vector<unsigned char>& out, std::size_t maxSize)
{
    out.clear();
    if (in.empty())
        return false;
    z_stream stream{};
    // 15 window bits + 32: accept both gzip and zlib headers.
    if (inflateInit2(&stream, 15 + 32) != Z_OK)
        return false;
    stream.next_in = const_cast<Bytef*>(in.data());
    stream.avail_in = static_cast<uInt>(in.size());
    unsigned char chunk[16384];
    int status = Z_OK;
    while (status != Z_STREAM_END) {
        stream.next_out = chunk;
        stream.avail_out = sizeof(chunk);
        status = inflate(&stream, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END) {
            inflateEnd(&stream);
            return false;
        }
        out.insert(out.end(), chunk, chunk + (sizeof(chunk) - stream.avail_out));
        if (out.size() > maxSize || (status == Z_OK && stream.avail_in == 0 && stream.avail_out != 0)) {
            inflateEnd(&stream);
            return false; // too big, or truncated input
        }
    }
    inflateEnd(&stream);
    return true;
}

} // namespace cocos2d::particles
