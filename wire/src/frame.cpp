#include "wire/frame.h"

#include <array>

namespace wire {
namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::uint8_t kInvalid = 0xFF;

constexpr std::array<std::uint8_t, 256> makeDecodeTable() {
    std::array<std::uint8_t, 256> table{};
    for (auto& entry : table) {
        entry = kInvalid;
    }
    for (int i = 0; i < 64; ++i) {
        table[static_cast<unsigned char>(kAlphabet[i])] = static_cast<std::uint8_t>(i);
    }
    return table;
}

constexpr auto kDecodeTable = makeDecodeTable();

} // namespace

std::string base64Encode(std::string_view bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4 + (bytes.size() / 57 + 1) * 2);
    std::size_t lineChars = 0;
    auto put = [&](char c) {
        out.push_back(c);
        if (++lineChars == kBase64LineLength) {
            out += "\r\n";
            lineChars = 0;
        }
    };
    std::size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const std::uint32_t v = (static_cast<std::uint8_t>(bytes[i]) << 16) |
                                (static_cast<std::uint8_t>(bytes[i + 1]) << 8) |
                                static_cast<std::uint8_t>(bytes[i + 2]);
        put(kAlphabet[(v >> 18) & 63]);
        put(kAlphabet[(v >> 12) & 63]);
        put(kAlphabet[(v >> 6) & 63]);
        put(kAlphabet[v & 63]);
    }
    const std::size_t rest = bytes.size() - i;
    if (rest > 0) {
        // The padded final group never gets a line break after it.
        std::uint32_t v = static_cast<std::uint8_t>(bytes[i]) << 16;
        if (rest == 2) {
            v |= static_cast<std::uint8_t>(bytes[i + 1]) << 8;
        }
        out.push_back(kAlphabet[(v >> 18) & 63]);
        out.push_back(kAlphabet[(v >> 12) & 63]);
        out.push_back(rest == 2 ? kAlphabet[(v >> 6) & 63] : '=');
        out.push_back('=');
    }
    return out;
}

Base64Result base64Decode(std::string_view text) {
    Base64Result result;
    result.bytes.reserve(text.size() / 4 * 3);
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '\r' || text[i] == '\n') {
            ++i;
            continue;
        }
        std::uint32_t sextets[4] = {0, 0, 0, 0};
        int have = 0;
        bool padded = false;
        while (have < 4 && i < text.size()) {
            const char c = text[i++];
            if (c == '=') {
                padded = true;
                // Consume the rest of the padding of this group.
                while (i < text.size() && text[i] == '=') {
                    ++i;
                }
                break;
            }
            std::uint8_t v = kDecodeTable[static_cast<unsigned char>(c)];
            if (v == kInvalid) {
                ++result.invalidCharacters;
                v = 0;
            }
            sextets[have++] = v;
        }
        if (have < 4 && !padded) {
            result.truncated = true;
        }
        const std::uint32_t v = (sextets[0] << 18) | (sextets[1] << 12) | (sextets[2] << 6) | sextets[3];
        if (have >= 2) {
            result.bytes.push_back(static_cast<char>((v >> 16) & 0xFF));
        }
        if (have >= 3) {
            result.bytes.push_back(static_cast<char>((v >> 8) & 0xFF));
        }
        if (have == 4) {
            result.bytes.push_back(static_cast<char>(v & 0xFF));
        }
        if (padded) {
            // Text after padding starts a new group, as the group walk of the old decoder did.
            continue;
        }
    }
    return result;
}

void mask(std::string& bytes, std::uint8_t key) {
    for (char& c : bytes) {
        c = static_cast<char>(static_cast<std::uint8_t>(c) ^ key);
    }
}

std::string encodeRequest(std::string_view json, std::uint8_t key) {
    std::string payload = base64Encode(json);
    mask(payload, key);
    std::string out;
    out.reserve(kHeaderSize + payload.size());
    out.push_back('2');
    out.append(3, static_cast<char>(key));
    out += payload;
    return out;
}

Decoded decodeBody(std::string_view body) {
    Decoded result;
    if (body.size() < kHeaderSize) {
        result.error = "body of " + std::to_string(body.size()) + " bytes is shorter than its 4-byte header";
        return result;
    }
    const char digit = body[0];
    if (digit < '0' || digit > '3') {
        result.error = "header names no key position (first byte " +
                       std::to_string(static_cast<unsigned>(static_cast<std::uint8_t>(digit))) + ")";
        return result;
    }
    const auto key = static_cast<std::uint8_t>(body[static_cast<std::size_t>(digit - '0')]);
    std::string payload(body.substr(kHeaderSize));
    mask(payload, key);
    Base64Result decoded = base64Decode(payload);
    result.ok = true;
    result.text = std::move(decoded.bytes);
    if (decoded.invalidCharacters > 0) {
        result.error = std::to_string(decoded.invalidCharacters) + " characters outside the Base64 alphabet";
    }
    return result;
}

std::string encodeAnswerBody(std::string_view json, char keyDigit, std::uint8_t key) {
    if (keyDigit < '0' || keyDigit > '3') {
        keyDigit = '1';
    }
    std::string header(kHeaderSize, static_cast<char>(key));
    header[0] = keyDigit;
    const auto actualKey = static_cast<std::uint8_t>(header[static_cast<std::size_t>(keyDigit - '0')]);
    std::string payload = base64Encode(json);
    mask(payload, actualKey);
    return header + payload;
}

std::string frameAnswer(std::string_view body) {
    const auto n = static_cast<std::uint32_t>(body.size());
    std::string out;
    out.reserve(kLengthPrefixSize + body.size());
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<char>((n >> shift) & 0xFF));
    }
    out += body;
    return out;
}

std::optional<std::uint32_t> readLength(std::string_view bytes) {
    if (bytes.size() < kLengthPrefixSize) {
        return std::nullopt;
    }
    std::uint32_t n = 0;
    for (int i = 3; i >= 0; --i) {
        n = (n << 8) | static_cast<std::uint8_t>(bytes[static_cast<std::size_t>(i)]);
    }
    return n;
}

} // namespace wire
