#include "gate.h"

#include "serve_limits.h"

namespace radarctl::serve {

Address client_address(const Address &peer) {
    if (peer.is_v6() && peer.to_v6().is_v4_mapped())
        return boost::asio::ip::make_address_v4(boost::asio::ip::v4_mapped, peer.to_v6());
    return peer;
}

Place::Place(Gate &gate, const Address &address) : gate_(gate), address_(address) { gate_.enter(this); }

Place::~Place() { gate_.leave(this); }

void Place::waiting(std::function<void()> put_out) {
    put_out_ = std::move(put_out);
    waiting_since_ = std::chrono::steady_clock::now();
}

void Place::busy() { put_out_ = nullptr; }

void Gate::enter(Place *p) {
    places_.insert(p);
    ++count_;
    ++per_address_[p->address_];
}

void Gate::release(Place *p) {
    if (!p->counted_) return;
    p->counted_ = false;
    --count_;
    if (--per_address_[p->address_] == 0) per_address_.erase(p->address_);
}

void Gate::leave(Place *p) {
    places_.erase(p);
    release(p);
}

int Gate::connections_from(const Address &address) const {
    const auto found = per_address_.find(address);
    return found == per_address_.end() ? 0 : found->second;
}

bool Gate::admit(const Address &address) {
    if (connections_from(address) >= limits::per_address) return false;
    if (count_ < limits::connections) return true;
    Place *longest = nullptr;
    for (Place *p : places_)
        if (p->put_out_ && (longest == nullptr || p->waiting_since_ < longest->waiting_since_)) longest = p;
    if (longest == nullptr) return false;
    // Its place is free from now on, though its socket closes a moment later.
    const std::function<void()> put_out = std::move(longest->put_out_);
    longest->put_out_ = nullptr;
    release(longest);
    put_out();
    return true;
}

}  // namespace radarctl::serve
