#include "nmea_in.h"

#include <boost/asio/connect.hpp>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "address.h"

namespace radarctl::serve {
namespace {

namespace net = boost::asio;
using Outcome = NmeaReader::Outcome;
using Fields = NmeaReader::Fields;

// The standard's longest sentence is 82 characters; some instruments send
// longer ones, but a line of hundreds is noise or two lines run together.
constexpr std::size_t longest_sentence = 200;
constexpr std::size_t buffer_bytes = 65536;  // a datagram, or one read of the TCP stream
constexpr auto first_back_off = std::chrono::milliseconds(500);
constexpr auto longest_back_off = std::chrono::milliseconds(30000);
// A variation an RMC gave stays good for an HDG this long: it changes by
// fractions of a degree over a day's run.
constexpr auto variation_kept = std::chrono::hours(1);

bool number(std::string_view text, double &value) {
    if (text.empty()) return false;
    const auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), value);
    return problem == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// A field that must hold a number: not there (empty) is "not valid", there
// but not a number is malformed.
std::optional<Outcome> read_number(std::string_view text, double &value) {
    if (text.empty()) return Outcome::not_valid;
    if (!number(text, value)) return Outcome::malformed;
    return std::nullopt;
}

// An angle 0 to 360 (360 taken as 0).
std::optional<Outcome> read_angle(std::string_view text, double &deg) {
    if (auto bad = read_number(text, deg)) return bad;
    if (deg < 0 || deg > 360) return Outcome::malformed;
    if (deg == 360) deg = 0;
    return std::nullopt;
}

// "4807.038","N" as degrees: ddmm.mmm (dddmm.mmm for longitude), the
// hemisphere giving the sign.
std::optional<Outcome> read_coordinate(std::string_view text, std::string_view side, bool latitude,
                                       double &deg) {
    double v = 0;
    if (auto bad = read_number(text, v)) return bad;
    const char plus = latitude ? 'N' : 'E', minus = latitude ? 'S' : 'W';
    if (side.size() != 1 || (side[0] != plus && side[0] != minus) || v < 0)
        return Outcome::malformed;
    const double whole = std::floor(v / 100), minutes = v - whole * 100;
    deg = whole + minutes / 60;
    if (minutes >= 60 || deg > (latitude ? 90 : 180)) return Outcome::malformed;
    if (side[0] == minus) deg = -deg;
    return std::nullopt;
}

// The mode indicator NMEA 2.3 added at the end of RMC, VTG and GLL: "N"
// says the data are not valid. Older talkers do not send it.
bool mode_not_valid(const Fields &f, std::size_t index) {
    return f.count > index && f[index] == "N";
}

// A magnetic bearing's variation or deviation: "12.6","W" is -12.6.
std::optional<Outcome> read_east(std::string_view text, std::string_view side, double &deg) {
    if (auto bad = read_number(text, deg)) return bad;
    if (side != "E" && side != "W") return Outcome::malformed;
    if (side == "W") deg = -deg;
    return std::nullopt;
}

double wrap(double deg) { return std::fmod(std::fmod(deg, 360.0) + 360.0, 360.0); }

// "udp://ADDR:PORT" into its parts.
bool split(const std::string &url, bool &udp, std::string &host, std::string &port) {
    const std::string_view u(url);
    if (u.starts_with("udp://"))
        udp = true;
    else if (u.starts_with("tcp://"))
        udp = false;
    else
        return false;
    uint16_t number = 0;
    if (!split_host_port(u.substr(6), host, number)) return false;
    port = std::to_string(number);
    return true;
}

}  // namespace

// Sentence types in the order of the handlers below. The least field count
// is what the standard's sentence carries (NMEA 0183 2.0 and later), so a
// handler reads every field up to it without looking.
const NmeaReader::Row NmeaReader::table[] = {
    {"HDT", 2, &NmeaReader::hdt},  {"HDG", 5, &NmeaReader::hdg}, {"THS", 2, &NmeaReader::ths},
    {"RMC", 11, &NmeaReader::rmc}, {"VTG", 8, &NmeaReader::vtg}, {"GGA", 14, &NmeaReader::gga},
    {"GLL", 6, &NmeaReader::gll},
};

// $HEHDT,274.07,T*19
Outcome NmeaReader::hdt(const Fields &f, Now now) {
    double deg = 0;
    if (auto bad = read_angle(f[0], deg)) return *bad;
    if (f[1] != "T") return Outcome::malformed;
    own_.nmea_heading(deg, now);
    return Outcome::used;
}

// $HCHDG,98.3,0.0,E,12.6,W*57
// The magnetic sensor's heading, its deviation and the variation: true is
// their sum (east positive). A deviation not given is taken as corrected
// already; a variation not given is taken from a recent RMC, and without
// one the heading is magnetic and not used: a bearing 10 degrees off would
// put every target in the wrong place.
Outcome NmeaReader::hdg(const Fields &f, Now now) {
    double deg = 0, deviation = 0, variation = 0;
    if (auto bad = read_angle(f[0], deg)) return *bad;
    if (!f[1].empty())
        if (auto bad = read_east(f[1], f[2], deviation)) return *bad;
    if (!f[3].empty()) {
        if (auto bad = read_east(f[3], f[4], variation)) return *bad;
    } else if (variation_ && now - variation_at_ < variation_kept) {
        variation = *variation_;
    } else {
        return Outcome::not_valid;
    }
    own_.nmea_heading(wrap(deg + deviation + variation), now);
    return Outcome::used;
}

// $INTHS,123.4,A*23
// The mode: A autonomous, E estimated, M manual, S simulator, V not valid.
Outcome NmeaReader::ths(const Fields &f, Now now) {
    double deg = 0;
    if (f[1] == "V") return Outcome::not_valid;
    if (auto bad = read_angle(f[0], deg)) return *bad;
    own_.nmea_heading(deg, now);
    return Outcome::used;
}

// $GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A
// Position, and course and speed over ground when both are there (a
// receiver at rest often leaves the course empty).
Outcome NmeaReader::rmc(const Fields &f, Now now) {
    if (f[1] != "A" || mode_not_valid(f, 11)) return Outcome::not_valid;
    double lat = 0, lon = 0, speed = 0, course = 0, variation = 0;
    if (auto bad = read_coordinate(f[2], f[3], true, lat)) return *bad;
    if (auto bad = read_coordinate(f[4], f[5], false, lon)) return *bad;
    const bool moving = !f[6].empty() && !f[7].empty();
    if (moving) {
        if (auto bad = read_number(f[6], speed); bad || speed < 0) return Outcome::malformed;
        if (auto bad = read_angle(f[7], course)) return *bad;
    }
    if (!f[9].empty()) {
        if (auto bad = read_east(f[9], f[10], variation)) return *bad;
        variation_ = variation;
        variation_at_ = now;
    }
    own_.nmea_position(lat, lon, now);
    if (moving) own_.nmea_velocity(course, speed, now);
    return Outcome::used;
}

// $GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48
Outcome NmeaReader::vtg(const Fields &f, Now now) {
    if (mode_not_valid(f, 8)) return Outcome::not_valid;
    double course = 0, speed = 0;
    if (auto bad = read_angle(f[0], course)) return *bad;
    if (auto bad = read_number(f[4], speed)) return *bad;
    if (f[1] != "T" || f[5] != "N" || speed < 0) return Outcome::malformed;
    own_.nmea_velocity(course, speed, now);
    return Outcome::used;
}

// $GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47
// Fix quality 0 is no fix.
Outcome NmeaReader::gga(const Fields &f, Now now) {
    if (f[5].empty() || f[5] == "0") return Outcome::not_valid;
    double lat = 0, lon = 0;
    if (auto bad = read_coordinate(f[1], f[2], true, lat)) return *bad;
    if (auto bad = read_coordinate(f[3], f[4], false, lon)) return *bad;
    own_.nmea_position(lat, lon, now);
    return Outcome::used;
}

// $GPGLL,4916.45,N,12311.12,W,225444,A,*1D
Outcome NmeaReader::gll(const Fields &f, Now now) {
    if (f[5] != "A" || mode_not_valid(f, 6)) return Outcome::not_valid;
    double lat = 0, lon = 0;
    if (auto bad = read_coordinate(f[0], f[1], true, lat)) return *bad;
    if (auto bad = read_coordinate(f[2], f[3], false, lon)) return *bad;
    own_.nmea_position(lat, lon, now);
    return Outcome::used;
}

// The checks every sentence passes before its handler: a "$", a checksum
// that matches, a five-letter address of a talker (proprietary "P..."
// sentences and encapsulated "!" ones are not read), and the least field
// count of its row, so that no handler looks at a field that is not there.
void NmeaReader::sentence(std::string_view text, Now now) {
    while (!text.empty() && (text.back() == '\r' || text.back() == ' ')) text.remove_suffix(1);
    if (text.empty()) return;
    if (text.size() > longest_sentence || text[0] != '$') {
        ++(text[0] == '!' ? counts_.other : counts_.malformed);
        return;
    }
    const auto star = text.rfind('*');
    if (star == std::string_view::npos) {
        ++counts_.no_checksum;
        return;
    }
    if (star + 3 != text.size() || hex_digit(text[star + 1]) < 0 || hex_digit(text[star + 2]) < 0) {
        ++counts_.malformed;
        return;
    }
    unsigned sum = 0;
    for (char c : text.substr(1, star - 1)) sum ^= static_cast<unsigned char>(c);
    if (sum != static_cast<unsigned>(hex_digit(text[star + 1]) * 16 + hex_digit(text[star + 2]))) {
        ++counts_.bad_checksum;
        return;
    }
    std::string_view body = text.substr(1, star - 1);
    const auto comma = body.find(',');
    const std::string_view address = body.substr(0, comma);
    if (address.size() != 5 || address[0] == 'P') {
        ++counts_.other;
        return;
    }
    const Row *row = nullptr;
    for (const Row &r : table)
        if (address.substr(2) == r.type) row = &r;
    if (row == nullptr) {
        ++counts_.other;
        return;
    }
    Fields f;
    if (comma != std::string_view::npos) {
        body.remove_prefix(comma + 1);
        for (;;) {
            if (f.count == most_fields) {
                ++counts_.malformed;
                return;
            }
            const auto next = body.find(',');
            f.at[f.count++] = body.substr(0, next);
            if (next == std::string_view::npos) break;
            body.remove_prefix(next + 1);
        }
    }
    if (f.count < row->least_fields) {
        ++counts_.malformed;
        return;
    }
    switch ((this->*row->handle)(f, now)) {
        case Outcome::used:
            ++counts_.used;
            break;
        case Outcome::not_valid:
            ++counts_.not_valid;
            break;
        case Outcome::malformed:
            ++counts_.malformed;
            break;
    }
}

std::string NmeaInput::check(const std::string &url) {
    bool udp = false;
    std::string host, port;
    if (!split(url, udp, host, port)) return "--nmea-in takes udp://ADDR:PORT or tcp://HOST:PORT";
    boost::system::error_code ec;
    if (udp) net::ip::make_address(host, ec);
    if (ec) return "--nmea-in: \"" + host + "\" is not an IP address";
    return {};
}

NmeaInput::NmeaInput(net::io_context &io, std::string url, OwnShip &own)
    : io_(io),
      url_(std::move(url)),
      reader_(own),
      udp_socket_(io),
      buffer_(new char[buffer_bytes]),
      resolver_(io),
      tcp_socket_(io),
      retry_timer_(io),
      back_off_(first_back_off) {
    split(url_, udp_, host_, port_);
}

bool NmeaInput::start(std::string &why) {
    if (!udp_) {
        connect();
        return true;
    }
    boost::system::error_code ec;
    const net::ip::udp::endpoint at{net::ip::make_address(host_, ec),
                                    static_cast<uint16_t>(std::stoul(port_))};
    if (!ec) udp_socket_.open(at.protocol(), ec);
    // Other programs aboard (a chart plotter) often listen on the same port
    // for the same broadcast.
    if (!ec) udp_socket_.set_option(net::socket_base::reuse_address(true), ec);
    if (!ec) udp_socket_.bind(at, ec);
    if (ec) {
        why = url_ + ": " + ec.message();
        return false;
    }
    connected_ = true;
    receive();
    return true;
}

void NmeaInput::stop() {
    stopped_ = true;
    boost::system::error_code ignored;
    udp_socket_.close(ignored);
    tcp_socket_.close(ignored);
    resolver_.cancel();
    retry_timer_.cancel();
}

// Each line of a datagram is a sentence; the last may lack its CR LF.
void NmeaInput::lines(std::string_view data) {
    const auto now = OwnShip::Clock::now();
    while (!data.empty()) {
        const auto end = data.find('\n');
        reader_.sentence(data.substr(0, end), now);
        if (end == std::string_view::npos) break;
        data.remove_prefix(end + 1);
    }
}

void NmeaInput::receive() {
    udp_socket_.async_receive_from(net::buffer(buffer_.get(), buffer_bytes), sender_,
                                   [this](boost::system::error_code ec, std::size_t n) {
                                       if (stopped_ || ec == net::error::operation_aborted) return;
                                       if (!ec) lines(std::string_view(buffer_.get(), n));
                                       receive();
                                   });
}

void NmeaInput::connect() {
    resolver_.async_resolve(
        host_, port_, [this](boost::system::error_code ec, net::ip::tcp::resolver::results_type r) {
            if (stopped_) return;
            if (ec) return retry();
            net::async_connect(
                tcp_socket_, r,
                [this](boost::system::error_code ec, const net::ip::tcp::endpoint &) {
                    if (stopped_) return;
                    if (ec) return retry();
                    std::fprintf(stderr, "radarctl serve: NMEA input %s connected\n", url_.c_str());
                    connected_ = true;
                    back_off_ = first_back_off;
                    partial_.clear();
                    read();
                });
        });
}

// A line the link cut short is dropped with the link, not read: a
// truncated sentence could pass for a whole one.
void NmeaInput::read() {
    tcp_socket_.async_read_some(
        net::buffer(buffer_.get(), buffer_bytes),
        [this](boost::system::error_code ec, std::size_t n) {
            if (stopped_) return;
            if (ec) {
                std::fprintf(stderr, "radarctl serve: NMEA input %s: %s; connecting again\n",
                             url_.c_str(), ec.message().c_str());
                connected_ = false;
                boost::system::error_code ignored;
                tcp_socket_.close(ignored);
                return retry();
            }
            partial_.append(buffer_.get(), n);
            const auto last = partial_.rfind('\n');
            if (last != std::string::npos) {
                lines(std::string_view(partial_).substr(0, last + 1));
                partial_.erase(0, last + 1);
            }
            if (partial_.size() > longest_sentence)
                partial_.clear();  // no line end in sight: noise
            read();
        });
}

// Tried again after a wait that doubles with each failure, up to 30 s: a
// multiplexer that is off is not hammered, one that comes back is found.
void NmeaInput::retry() {
    retry_timer_.expires_after(back_off_);
    back_off_ = std::min(back_off_ * 2, longest_back_off);
    retry_timer_.async_wait([this](boost::system::error_code ec) {
        if (!ec && !stopped_) connect();
    });
}

nlohmann::json NmeaInput::describe() const {
    const NmeaCounts &c = reader_.counts();
    return {{"input", url_},
            {"connected", connected_},
            {"sentences",
             {{"used", c.used},
              {"not_valid", c.not_valid},
              {"bad_checksum", c.bad_checksum},
              {"no_checksum", c.no_checksum},
              {"malformed", c.malformed},
              {"other", c.other}}}};
}

}  // namespace radarctl::serve
