// What one listening server (entry or game) shares with its connections. Connections hold it by
// shared pointer, so it outlives every connection however the io context winds down.
#pragma once

#include "net/RequestReader.h"

#include <asio/thread_pool.hpp>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <string>

namespace server {

class Dispatcher;

struct EndpointState {
    EndpointState(ServerRole r, const Dispatcher& d, asio::thread_pool* pool, std::size_t maxBytes,
                  std::chrono::milliseconds t, std::size_t maxOpen)
        : role(r), dispatcher(d), workPool(pool), maxRequestBytes(maxBytes), timeout(t), maxConnections(maxOpen) {}

    ServerRole role;
    const Dispatcher& dispatcher;
    asio::thread_pool* workPool; // requests are handled here when set, else on the io thread
    std::size_t maxRequestBytes;
    std::chrono::milliseconds timeout;
    std::size_t maxConnections;
    std::atomic<std::size_t> openConnections{0};
    std::atomic<std::uint32_t> answered{0}; // also picks the key of each game answer
};

} // namespace server
