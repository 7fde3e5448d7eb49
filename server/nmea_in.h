// Own ship from the boat's NMEA 0183 network: `--nmea-in udp://ADDR:PORT`
// binds and listens for datagrams of sentences; `--nmea-in tcp://HOST:PORT`
// connects to a multiplexer as a client and connects again, backing off,
// whenever the link drops. Sentences are read by one table (sentence type ->
// least field count, handler); what they carry goes to OwnShip. The
// sockets run on the server's thread.
#pragma once

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/ip/udp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <chrono>
#include <cstdint>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "own_ship.h"

namespace radarctl::serve {

// What became of the sentences: each one is counted once.
struct NmeaCounts {
    uint64_t used = 0;  // read, and its values given to own ship
    uint64_t not_valid =
        0;  // whole, but saying its data is not valid (RMC "V", GGA fix 0, ...) or empty
    uint64_t bad_checksum = 0;  // its checksum does not match
    uint64_t no_checksum = 0;   // without "*hh": refused (a line cut short looks like that)
    uint64_t malformed = 0;     // too few fields, a field that is not a number, too long, no "$"
    uint64_t other = 0;         // a sentence this reader does not use
};

// One sentence at a time (without its CR LF), on the server's thread.
class NmeaReader {
  public:
    explicit NmeaReader(OwnShip &own) : own_(own) {}
    void sentence(std::string_view text, OwnShip::Clock::time_point now);
    const NmeaCounts &counts() const { return counts_; }

    static constexpr std::size_t most_fields = 24;
    struct Fields {
        std::string_view at[most_fields];
        std::size_t count = 0;  // after the address field
        std::string_view operator[](std::size_t i) const { return at[i]; }
    };
    enum class Outcome { used, not_valid, malformed };

  private:
    using Now = OwnShip::Clock::time_point;
    Outcome hdt(const Fields &f, Now now);
    Outcome hdg(const Fields &f, Now now);
    Outcome ths(const Fields &f, Now now);
    Outcome rmc(const Fields &f, Now now);
    Outcome vtg(const Fields &f, Now now);
    Outcome gga(const Fields &f, Now now);
    Outcome gll(const Fields &f, Now now);

    struct Row {
        std::string_view type;
        std::size_t least_fields;  // fields after the address; fewer: malformed
        Outcome (NmeaReader::*handle)(const Fields &, Now);
    };
    static const Row table[];

    OwnShip &own_;
    NmeaCounts counts_;
    // The magnetic variation an RMC gave (east positive), for an HDG without its own.
    std::optional<double> variation_;
    Now variation_at_{};
};

class NmeaInput {
  public:
    // Reads "udp://ADDR:PORT" or "tcp://HOST:PORT"; empty when good, else why not.
    static std::string check(const std::string &url);
    NmeaInput(boost::asio::io_context &io, std::string url, OwnShip &own);
    // UDP: binds now (false with `why` when the port cannot be had). TCP:
    // starts connecting; a server not there yet is tried again.
    bool start(std::string &why);
    void stop();
    // {"input": url, "connected": bool, "sentences": {counts}}.
    nlohmann::json describe() const;

  private:
    void receive();
    void connect();
    void read();
    void retry();
    void lines(std::string_view data);

    boost::asio::io_context &io_;
    std::string url_, host_, port_;
    bool udp_ = true;
    NmeaReader reader_;
    boost::asio::ip::udp::socket udp_socket_;
    boost::asio::ip::udp::endpoint sender_;
    std::unique_ptr<char[]> buffer_;
    boost::asio::ip::tcp::resolver resolver_;
    boost::asio::ip::tcp::socket tcp_socket_;
    std::string partial_;  // a TCP line not yet ended
    boost::asio::steady_timer retry_timer_;
    std::chrono::milliseconds back_off_;
    bool connected_ = false, stopped_ = false;
};

}  // namespace radarctl::serve
