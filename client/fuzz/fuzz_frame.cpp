// Any bytes as a received game or entry answer: unpacking must never read outside them.
#include "net/CReceviePacket.h"

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int server = data[0] & 1;
    auto packet = std::make_unique<CReceviePacket>();
    packet->setServerIndex(server);
    packet->setData(reinterpret_cast<const char*>(data + 1), static_cast<int>(size - 1), 3);
    (void)packet->unpack(3);
    return 0;
}
