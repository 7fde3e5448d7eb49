#include "builder.h"

#include "radar.h"
#include "sender.h"

namespace radar::sentences {
namespace {

constexpr char kind_letters[] = "SRNXEO";
constexpr uint16_t last_kind = 5;
constexpr uint16_t last_data_kind = 2;  // S, R and N carry the values
constexpr char hex_digits[] = "0123456789ABCDEF";

// Appends characters to the build buffer, never past its end.
class Writer {
  public:
    explicit Writer(char (&out)[buffer_size]) : out_(out) {}

    void put(char c) {
        if (length_ + 1 < buffer_size) out_[length_++] = c;
    }

    // Decimal, with at least `digits` digits (zero-padded), a minus sign first
    // when negative.
    void number(int64_t value, int digits) {
        uint64_t magnitude =
            value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
        char reversed[24];
        int count = 0;
        do {
            reversed[count++] = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        while (count < digits) reversed[count++] = '0';
        if (value < 0) put('-');
        while (count > 0) put(reversed[--count]);
    }

    std::size_t finish() {
        out_[length_] = '\0';
        return length_;
    }

  private:
    char (&out_)[buffer_size];
    std::size_t length_ = 0;
};

// The numbers the data form prints for the row's arguments, in order.
std::size_t field_values(const Sentence &row, const int64_t *values, int64_t (&fields)[20]) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < row.count; ++i) {
        const int64_t v = values[i];
        switch (row.arguments[i].render) {
            case Render::integer:
                fields[n++] = v;
                break;
            // Division truncates toward zero, so a negative value gives both
            // parts a sign: -15 is "-1.-5", -5 is "0.-5".
            case Render::tenths:
            case Render::signed_tenths:
                fields[n++] = v / 10;
                fields[n++] = v % 10;
                break;
            case Render::ten_thousandths:
                fields[n++] = v / 10000;
                fields[n++] = v % 10000;
                break;
            // The target index plus one travels in the high byte of a 16-bit number.
            case Render::erase_index:
                fields[n++] = static_cast<uint16_t>((v + 1) * 256);
                break;
            case Render::not_written:
                break;
        }
    }
    return n;
}

// Formats the data form: "%c" takes the kind letter, "%d", "%ld" and "%04ld"
// the next field value; everything else is copied.
void format(Writer &w, const char *form, char letter, const int64_t *fields) {
    for (const char *p = form; *p != '\0'; ++p) {
        if (*p != '%') {
            w.put(*p);
            continue;
        }
        ++p;
        if (*p == 'c') {
            w.put(letter);
            continue;
        }
        int digits = 0;
        while (*p >= '0' && *p <= '9') digits = digits * 10 + (*p++ - '0');
        if (*p == 'l') ++p;
        // *p is 'd': every numeric conversion of the catalogue is decimal.
        w.number(*fields++, digits);
    }
}

}  // namespace

std::size_t build(const Sentence &row, uint16_t kind, const int64_t *values,
                  char (&out)[buffer_size]) {
    Writer w(out);
    const char letter = kind_letters[kind];
    if (kind <= last_data_kind && row.form != nullptr) {
        int64_t fields[20];
        field_values(row, values, fields);
        format(w, row.form, letter, fields);
    } else {
        w.put('$');
        w.put(letter);
        w.put(hex_digits[row.code >> 4]);
        w.put(hex_digits[row.code & 0xF]);
        w.put('\r');
        w.put('\n');
    }
    return w.finish();
}

int16_t put(const Sentence &row, uint16_t kind, const int64_t *values) {
    if (kind > last_kind) return RADAR_OUT_OF_RANGE;
    // Every kind is checked, X, E and O too, though they carry no values.
    for (std::size_t i = 0; i < row.count; ++i) {
        const Argument &a = row.arguments[i];
        if (a.checked && (values[i] < a.lo || values[i] > a.hi)) return RADAR_OUT_OF_RANGE;
    }
    char buffer[buffer_size];
    build(row, kind, values, buffer);
    return static_cast<int16_t>(SendSentence(buffer));
}

}  // namespace radar::sentences
