// The bytes on the wire between the game and its two servers, shared by client and server so the
// two sides cannot drift.
//
// Entry server (index 0): requests are the JSON text as it stands; answers are a 4-byte
// little-endian length followed by the JSON text.
// Game server (index 1): requests are a 4-byte header ("2", K, K, K) followed by the Base64 text of
// the JSON (CR LF after every 76 characters), every byte XORed with K. Answers are the 4-byte length,
// then a 4-byte header H whose first byte is a digit d from "0" to "3" naming the key K = H[d]
// (for d = "0" the key is the digit character itself), then the masked Base64 text.
// Media answers (request type 34) carry raw file bytes after the length and are never transformed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wire {

// The client's key byte. Frozen: the server accepts any key the header names, but old clients use this.
constexpr std::uint8_t kClientKey = 0x6B;

constexpr std::size_t kLengthPrefixSize = 4;
constexpr std::size_t kHeaderSize = 4;
constexpr std::size_t kBase64LineLength = 76;

// Standard alphabet with "=" padding; CR LF after every 76th output character of complete groups
// (so a text of exactly 76, 152, ... characters also ends with CR LF). The padded final group is
// never followed by CR LF.
std::string base64Encode(std::string_view bytes);

struct Base64Result {
    std::string bytes;
    std::size_t invalidCharacters = 0; // characters outside the alphabet (decoded as zero bits)
    bool truncated = false;            // the text ended inside a group
};

// Walks groups of 4; CR and LF bytes where a group begins are skipped; "=" ends a group early.
// Never reads outside the text: a group cut short by the end of the text decodes what it has.
Base64Result base64Decode(std::string_view text);

// XOR every byte with key, in place.
void mask(std::string& bytes, std::uint8_t key);

// Game-server request: header "2" K K K followed by the masked Base64 text of the JSON.
std::string encodeRequest(std::string_view json, std::uint8_t key = kClientKey);

struct Decoded {
    bool ok = false;
    std::string text;  // the decoded JSON text when ok
    std::string error; // why not, for the log
};

// Either direction's masked body (header plus payload, without the length prefix).
// Refuses a body shorter than the header and a first header byte that is not "0" to "3".
Decoded decodeBody(std::string_view body);

// Game-server answer body: header with the key digit keyDigit ('0' to '3') and key, then the
// masked Base64 text. For keyDigit '0' the key is '0' itself whatever key says.
std::string encodeAnswerBody(std::string_view json, char keyDigit, std::uint8_t key);

// 4-byte little-endian length followed by the body.
std::string frameAnswer(std::string_view body);

// Length from a 4-byte prefix; nullopt when fewer than 4 bytes are given.
std::optional<std::uint32_t> readLength(std::string_view bytes);

} // namespace wire
