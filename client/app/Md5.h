// MD5 (RFC 1321), used for every password the client sends: the server only ever sees the digest.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class Md5 {
public:
    Md5();
    void update(std::string_view bytes);
    std::array<std::uint8_t, 16> finish();

    // The digest of bytes as 32 upper-case hexadecimal digits.
    static std::string hexDigest(std::string_view bytes);

private:
    void transform(const std::uint8_t* block);

    std::array<std::uint32_t, 4> m_state;
    std::array<std::uint8_t, 64> m_buffer{};
    std::uint64_t m_byteCount = 0;
};
