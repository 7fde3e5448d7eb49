// Who gets a place among the server's connections. A boat's network is
// shared: one device that opens connections and says nothing, or sends its
// headers a byte a second, must not keep every viewer out. So each client
// address holds at most limits::per_address places, and when every place is
// taken a newcomer takes the place of the connection that has waited longest
// for its next request. The server's thread alone uses it.
#pragma once

#include <boost/asio/ip/address.hpp>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <set>

namespace radarctl::serve {

using Address = boost::asio::ip::address;

// The address a peer is counted under: an IPv4 client seen through an IPv6
// listener counts as its IPv4 address.
Address client_address(const Address &peer);

class Gate;

// A connection's place, held for as long as the connection lives (handed on
// from its HTTP session to its WebSocket).
class Place {
  public:
    Place(Gate &gate, const Address &address);
    ~Place();
    Place(const Place &) = delete;
    Place &operator=(const Place &) = delete;

    // The connection waits for its next request; `put_out` closes it, should
    // its place be needed. Until busy(), it may be called once.
    void waiting(std::function<void()> put_out);
    void busy();
    // False once the place has been given to a newcomer: the connection is
    // to close, even if its next request came just then.
    bool counted() const { return counted_; }
    const Address &address() const { return address_; }

  private:
    friend class Gate;
    Gate &gate_;
    Address address_;
    bool counted_ = true;
    std::function<void()> put_out_;  // set while waiting
    std::chrono::steady_clock::time_point waiting_since_{};
};

class Gate {
  public:
    // Whether a connection from `address` may have a place now; a waiting
    // connection may be put out to make room.
    bool admit(const Address &address);
    std::unique_ptr<Place> place(const Address &address) { return std::make_unique<Place>(*this, address); }
    int connections_from(const Address &address) const;

  private:
    friend class Place;
    void enter(Place *p);
    void leave(Place *p);
    void release(Place *p);  // no longer counted, though still open a moment

    int count_ = 0;
    std::map<Address, int> per_address_;
    std::set<Place *> places_;
};

}  // namespace radarctl::serve
