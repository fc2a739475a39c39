#include "wire/frame.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    (void)wire::readLength(bytes);
    const auto decoded = wire::decodeBody(bytes);
    if (decoded.ok) {
        // Re-encoding what was decoded must decode to the same text.
        const auto again = wire::decodeBody(wire::encodeAnswerBody(decoded.text, '1', 0x21));
        if (!again.ok || again.text != decoded.text) {
            __builtin_trap();
        }
    }
    return 0;
}
