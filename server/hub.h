// The WebSocket clients and what goes to all of them. A frame is built once
// and shared; each client queues it, within its bound. The server's thread
// alone touches the hub.
#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>

namespace radarctl::serve {

using Frame = std::shared_ptr<const std::string>;

class Client {
  public:
    virtual ~Client() = default;
    // Queues a frame; a batch of echo lines that does not fit is dropped
    // and counted.
    virtual void send(const Frame &frame, bool binary, uint32_t lines) = 0;
    // Queues the status event (a JSON object's text), with what this client
    // itself lost lately added.
    virtual void send_status(const std::string &status) = 0;
    virtual void close_going_away() = 0;
    // Closes the client when one of its writes has been stuck too long.
    virtual void check_stuck() = 0;
};

struct Counters {
    uint64_t lines_sent = 0, lines_dropped = 0;
};

class Hub {
  public:
    void join(Client *c) { clients_.insert(c); }
    void leave(Client *c) { clients_.erase(c); }
    std::size_t clients() const { return clients_.size(); }
    void broadcast(const Frame &frame, bool binary, uint32_t lines) {
        for (Client *c : std::set<Client *>(clients_)) c->send(frame, binary, lines);
    }
    void send_status(const std::string &status) {
        for (Client *c : std::set<Client *>(clients_)) c->send_status(status);
    }
    void close_all() {
        for (Client *c : std::set<Client *>(clients_)) c->close_going_away();
    }
    void check_stuck() {
        for (Client *c : std::set<Client *>(clients_)) c->check_stuck();
    }
    Counters counters;

  private:
    std::set<Client *> clients_;
};

}  // namespace radarctl::serve
