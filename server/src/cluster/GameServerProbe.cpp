#include "cluster/GameServerProbe.h"

#include "commands/AliveCommand.h"
#include "commands/JsonText.h"

#include <wire/frame.h>

#include <asio/connect.hpp>
#include <asio/ip/tcp.hpp>
#include <asio/read.hpp>
#include <asio/steady_timer.hpp>
#include <asio/write.hpp>

#include <array>
#include <memory>

namespace server::cluster {

namespace {

// An alive answer is a few dozen bytes; anything much longer is not one.
constexpr std::uint32_t kLongestAnswer = 4096;

class Probe : public std::enable_shared_from_this<Probe> {
public:
    Probe(asio::io_context& io, GameServerAddress server, ProbeDone done)
        : m_resolver(io), m_socket(io), m_timer(io), m_server(std::move(server)), m_done(std::move(done)) {}

    void start(std::chrono::milliseconds timeout) {
        auto self = shared_from_this();
        m_timer.expires_after(timeout);
        m_timer.async_wait([self, timeout](const std::error_code& error) {
            if (!error) {
                self->finish("no answer within " + std::to_string(timeout.count()) + " ms");
            }
        });
        m_resolver.async_resolve(m_server.host, std::to_string(m_server.port),
                                 [self](const std::error_code& error, asio::ip::tcp::resolver::results_type found) {
                                     if (error) {
                                         return self->finish("address not found: " + error.message());
                                     }
                                     self->connect(found);
                                 });
    }

private:
    void connect(const asio::ip::tcp::resolver::results_type& found) {
        auto self = shared_from_this();
        asio::async_connect(m_socket, found, [self](const std::error_code& error, const asio::ip::tcp::endpoint&) {
            if (error) {
                return self->finish("connect failed: " + error.message());
            }
            self->m_request = wire::encodeRequest(aliveRequest());
            asio::async_write(self->m_socket, asio::buffer(self->m_request),
                              [self](const std::error_code& error, std::size_t) {
                                  if (error) {
                                      return self->finish("request not sent: " + error.message());
                                  }
                                  self->readLength();
                              });
        });
    }

    void readLength() {
        auto self = shared_from_this();
        asio::async_read(m_socket, asio::buffer(m_length), [self](const std::error_code& error, std::size_t) {
            if (error) {
                return self->finish("closed without an answer");
            }
            const auto length = wire::readLength(std::string_view(self->m_length.data(), self->m_length.size()));
            if (!length || *length == 0 || *length > kLongestAnswer) {
                return self->finish("an answer of " + std::to_string(length.value_or(0)) + " bytes is no alive answer");
            }
            self->m_body.resize(*length);
            asio::async_read(self->m_socket, asio::buffer(self->m_body), [self](const std::error_code& error, std::size_t) {
                if (error) {
                    return self->finish("answer cut short");
                }
                const wire::Decoded decoded = wire::decodeBody(self->m_body);
                self->finish(decoded.ok && isAliveAnswer(decoded.text) ? "" : "the answer is not a game server's");
            });
        });
    }

    void finish(const std::string& why) {
        if (!m_done) {
            return; // the time-out and the last step both came through
        }
        std::error_code ignored;
        m_timer.cancel();
        m_resolver.cancel();
        m_socket.close(ignored);
        auto done = std::move(m_done);
        m_done = nullptr;
        done(why);
    }

    asio::ip::tcp::resolver m_resolver;
    asio::ip::tcp::socket m_socket;
    asio::steady_timer m_timer;
    GameServerAddress m_server;
    ProbeDone m_done;
    std::string m_request;
    std::array<char, 4> m_length{};
    std::string m_body;
};

} // namespace

std::string aliveRequest() { return "{\"system\":" + std::to_string(AliveCommand::kSystem) + "}"; }

bool isAliveAnswer(const std::string& json) {
    Json::Value answer;
    std::string error;
    if (!JsonText::parse(json, answer, error) || !answer.isObject()) {
        return false;
    }
    const Json::Value& system = answer["system"];
    const Json::Value& response = answer["response"];
    return system.isInt() && system.asInt() == AliveCommand::kSystem && response.isInt() && response.asInt() == 1;
}

void probeGameServer(asio::io_context& io, const GameServerAddress& server, std::chrono::milliseconds timeout,
                     ProbeDone done) {
    std::make_shared<Probe>(io, server, std::move(done))->start(timeout);
}

} // namespace server::cluster
