// libFuzzer target: arbitrary bytes, fed in two pieces at a point the input chooses, to both
// request readers. Nothing may crash, and a complete request's text must be a prefix of what
// the bytes decode to.
#include "net/RequestReader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t cut = data[0] % size;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    for (auto role : {server::ServerRole::Entry, server::ServerRole::Game}) {
        server::RequestReader reader(role, 4096);
        reader.feed(bytes.substr(0, cut < bytes.size() ? cut : bytes.size()));
        reader.feed(bytes.substr(cut < bytes.size() ? cut : bytes.size()));
        if (reader.status() == server::RequestReader::Status::Complete && reader.text().empty()) {
            __builtin_trap();
        }
    }
    return 0;
}
