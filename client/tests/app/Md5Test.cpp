#include "app/Md5.h"

#include <gtest/gtest.h>

namespace {

struct Vector {
    const char* input;
    const char* digest;
};

// The test suite of RFC 1321, in upper case as the game sends digests.
const Vector kRfc1321[] = {
    {"", "D41D8CD98F00B204E9800998ECF8427E"},
    {"a", "0CC175B9C0F1B6A831C399E269772661"},
    {"abc", "900150983CD24FB0D6963F7D28E17F72"},
    {"message digest", "F96B697D7CB7938D525A2F31AAF161D0"},
    {"abcdefghijklmnopqrstuvwxyz", "C3FCD3D76192E4007DFB496CCA67E13B"},
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "D174AB98D277D9F5A5611C2C9F419D9F"},
    {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
     "57EDF4A22BE3C955AC49DA2E2107B67A"},
};

TEST(Md5, MatchesTheRfc1321Vectors) {
    for (const Vector& v : kRfc1321) {
        EXPECT_EQ(Md5::hexDigest(v.input), v.digest) << "input \"" << v.input << "\"";
    }
}

TEST(Md5, GivesTheSameDigestWhateverTheChunking) {
    // 55, 56 and 64 bytes sit on the padding boundaries.
    for (std::size_t length : {55u, 56u, 63u, 64u, 65u, 200u}) {
        const std::string text(length, 'x');
        Md5 pieces;
        for (char c : text) {
            pieces.update(std::string_view(&c, 1));
        }
        const auto digest = pieces.finish();
        Md5 whole;
        whole.update(text);
        EXPECT_EQ(digest, whole.finish()) << length;
    }
}

} // namespace
