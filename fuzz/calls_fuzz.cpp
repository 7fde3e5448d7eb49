// The application's calls with arbitrary arguments: the station-name check
// (directly, and through OrvaneChangeRadarHost) and every Put function, whose
// sentence is read back from the reply socket and compared with the one the
// catalogue row describes, formatted here by the C library's printf.
//
// Input: bit 0 of byte 0 picks the call. A station name: bit 1 asks for a
// null name, the rest of the input is the name (handed over without a
// terminating zero once it is 10 bytes or longer: the check reads at most 9).
// A Put: byte 1 picks the function (the export list's Put functions in
// order), bytes 2-3 the kind, then each data argument in turn, little-endian,
// as wide as its type (missing bytes are zero).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <tuple>

#include "fuzz_support.h"
#include "netlib_double.h"
#include "radar.h"
#include "sentences/rows.h"
#include "session/station_name.h"

namespace {

namespace sentences = radar::sentences;

fuzz::ReplySocket reply;

class Reader {
  public:
    Reader(const uint8_t *data, std::size_t size) : data_(data), size_(size) {}
    template <class T>
    T take() {
        uint64_t value = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i, ++at_)
            if (at_ < size_) value |= uint64_t{data_[at_]} << (8 * i);
        return static_cast<T>(value);
    }

  private:
    const uint8_t *data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

struct Called {
    int16_t result;
    int64_t values[10];  // the data arguments, each as its declared type makes it
};

template <class... A>
Called call(int16_t(RADAR_API *put)(uint16_t, A...), uint16_t kind, Reader &in) {
    const std::tuple<A...> arguments{in.take<A>()...};  // taken in order
    Called c{0, {}};
    std::size_t i = 0;
    std::apply([&](auto... a) { ((c.values[i++] = static_cast<int64_t>(a)), ...); }, arguments);
    c.result = std::apply([&](auto... a) { return put(kind, a...); }, arguments);
    return c;
}

struct Put {
    Called (*call)(uint16_t kind, Reader &in);
    sentences::PutStem stem;
};

// Generated from the export list: PUT(PutRadarGain) for OrvanePutRadarGain, ...
#define PUT(stem) \
    {[](uint16_t kind, Reader &in) { return call(&Orvane##stem, kind, in); }, sentences::stem},
constexpr Put put_functions[] = {
#include "put_list.inc"
};
#undef PUT
static_assert(std::size(put_functions) == 77, "every Put function of the export list");

// The sentence the row describes, through printf: "%c" the kind letter, every
// other conversion one field value, widened to long long.
std::string expected_sentence(const sentences::Sentence &row, uint16_t kind,
                              const int64_t *values) {
    char text[128];
    const char letter = fuzz::kind_letters[kind];
    if (kind > 2 || row.form == nullptr) {
        std::snprintf(text, sizeof text, "$%c%02X\r\n", letter, row.code);
        return text;
    }
    long long fields[20];
    std::size_t n = 0;
    for (std::size_t i = 0; i < row.count; ++i) {
        const long long v = values[i];
        switch (row.arguments[i].render) {
            case sentences::Render::integer:
                fields[n++] = v;
                break;
            case sentences::Render::tenths:
            case sentences::Render::signed_tenths:
                fields[n++] = v / 10;
                fields[n++] = v % 10;
                break;
            case sentences::Render::ten_thousandths:
                fields[n++] = v / 10000;
                fields[n++] = v % 10000;
                break;
            case sentences::Render::erase_index:
                fields[n++] = static_cast<uint16_t>((v + 1) * 256);
                break;
            case sentences::Render::not_written:
                break;
        }
    }
    std::string out;
    std::size_t next = 0;
    for (const char *p = row.form; *p != '\0'; ++p) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        std::string conversion = "%";
        for (++p; *p >= '0' && *p <= '9'; ++p) conversion += *p;
        if (*p == 'c') {
            out += letter;
            continue;
        }
        if (*p == 'l') ++p;
        FUZZ_CHECK(*p == 'd' && next < n);
        conversion += "lld";
        std::snprintf(text, sizeof text, conversion.c_str(), fields[next++]);
        out += text;
    }
    return out;
}

bool out_of_range(const sentences::Sentence &row, uint16_t kind, const int64_t *values) {
    if (kind > 5) return true;
    for (std::size_t i = 0; i < row.count; ++i) {
        const sentences::Argument &a = row.arguments[i];
        if (a.checked && (values[i] < a.lo || values[i] > a.hi)) return true;
    }
    return false;
}

void check_put(const uint8_t *data, std::size_t size) {
    Reader in(data, size);
    const Put &put = put_functions[in.take<uint8_t>() % std::size(put_functions)];
    const uint16_t kind = in.take<uint16_t>();
    const Called c = put.call(kind, in);
    const sentences::Sentence &row = sentences::catalogue[put.stem];

    char sent[512];
    const std::size_t got = reply.drain(sent, sizeof sent);
    if (out_of_range(row, kind, c.values)) {
        FUZZ_CHECK(c.result == RADAR_OUT_OF_RANGE && got == 0);
        return;
    }
    // The reply socket is recorded and emptied after every call: the whole
    // sentence and its zero byte go out.
    FUZZ_CHECK(c.result == RADAR_OK);
    const std::string expected = expected_sentence(row, kind, c.values);
    FUZZ_CHECK(got == expected.size() + 1 && sent[got - 1] == '\0');
    FUZZ_CHECK(std::memcmp(sent, expected.data(), expected.size()) == 0);
    int code = -1;
    char letter = 0;
    FUZZ_CHECK(fuzz::well_formed_sentence(sent, got - 1, code, letter));
    FUZZ_CHECK(code == row.code && letter == fuzz::kind_letters[kind]);
}

bool allowed(unsigned char c) {
    return std::strchr("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789#&'-_ ", c) !=
               nullptr &&
           c != '\0';
}

void check_station_name(const uint8_t *data, std::size_t size, bool null_name) {
    // The name in a buffer of its own exact size, so a read past it is seen.
    const bool terminated = size < 10;
    char *name =
        null_name ? nullptr : static_cast<char *>(std::malloc(size + (terminated ? 1 : 0)));
    if (name != nullptr) {
        std::memcpy(name, data, size);
        if (terminated) name[size] = '\0';
    }
    // What the check should say: up to 9 characters are looked at; 1 to 8 of
    // the allowed ones make a name, spaces taken as "_".
    std::size_t length = 0;
    while (name != nullptr && length < 9 && name[length] != '\0') ++length;
    bool valid = name != nullptr && length >= 1 && length <= 8;
    std::string copy;
    for (std::size_t i = 0; valid && i < length; ++i) {
        valid = allowed(static_cast<unsigned char>(name[i]));
        copy += name[i] == ' ' ? '_' : name[i];
    }

    radar::session::StationName checked;
    const int status = radar::session::check_station_name(name, checked);
    FUZZ_CHECK(status == (valid ? 0 : -1));
    if (valid) FUZZ_CHECK(copy == checked.text);

    netlib_double::calls.clear();
    FUZZ_CHECK(OrvaneChangeRadarHost(name) == (valid ? RADAR_OK : RADAR_REFUSED));
    if (valid)
        FUZZ_CHECK(netlib_double::calls.size() == 1 &&
                   netlib_double::calls[0] == "ChangeRadarSource(" + copy + ")");
    else
        FUZZ_CHECK(netlib_double::calls.empty());
    std::free(name);
}

bool start() {
    if (!reply.open()) return false;
    // The conversion callback records the reply socket; code -1 runs no handler.
    if (OrvaneInitRadarFunc("FUZZ", nullptr) != RADAR_OK || netlib_double::conversion == nullptr)
        return false;
    int32_t socket = reply.near;
    netlib_double::conversion(-1, "", &socket);
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
    static const bool started = start();
    FUZZ_CHECK(started);
    if (size < 1) return 0;
    if (data[0] & 1)
        check_put(data + 1, size - 1);
    else
        check_station_name(data + 1, size - 1, (data[0] & 2) != 0);
    return 0;
}
