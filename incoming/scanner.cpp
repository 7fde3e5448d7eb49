#include "scanner.h"

namespace radar::incoming {
namespace {

// The longest field kept; the rest of a longer field is read but not kept.
constexpr std::size_t field_capacity = 83;
constexpr int fraction_digits = 4;

class Text {
public:
    explicit Text(const char *text) : text_(text) {}
    bool used_up() const { return position_ >= longest_message || text_[position_] == '\0'; }
    char next() { return text_[position_++]; }
    char peek() const { return text_[position_]; }

private:
    const char *text_;
    std::size_t position_ = 0;
};

struct Field {
    char text[field_capacity + 1];
    std::size_t length;
};

// Cuts the next field: up to a comma or carriage return (consumed) or the end
// of the text (not consumed). An asterisk and the two characters after it are
// a checksum group: skipped, never past the end of the text. A line feed is an
// ordinary character.
void cut_field(Text &in, Field &field) {
    field.length = 0;
    while (!in.used_up()) {
        const char c = in.next();
        if (c == ',' || c == '\r') break;
        if (c == '*') {
            for (int skipped = 0; skipped < 2 && !in.used_up(); ++skipped) in.next();
            continue;
        }
        if (field.length < field_capacity) field.text[field.length++] = c;
    }
    field.text[field.length] = '\0';
}

struct Number {
    uint32_t value;  // accumulates with 32-bit wrap
    uint8_t status;
};

uint32_t power_of_ten(int exponent) {
    uint32_t p = 1;
    while (exponent-- > 0) p *= 10;
    return p;
}

// "d" and "l": sign, digits, a point and at most four fraction digits, then
// scaled to width - 1 decimal places when the whole field was a number.
Number decimal(const Field &field, int width, bool &negative) {
    std::size_t i = 0;
    negative = false;
    if (field.text[0] == '-') {
        negative = true;
        ++i;
    } else if (field.text[0] == '+') {
        ++i;
    }
    if (i == field.length) return {0, empty_field};
    Number n{0, converted};
    int fraction = -1;  // digits read after the point; -1 before it
    for (; i < field.length; ++i) {
        const char c = field.text[i];
        if (c >= '0' && c <= '9') {
            n.value = n.value * 10 + static_cast<uint32_t>(c - '0');
            if (fraction >= 0 && ++fraction == fraction_digits) break;  // the rest is not read
        } else if (c == '.' && fraction < 0) {
            fraction = 0;
        } else {
            n.status = bad_character;
            return n;
        }
    }
    const int places = fraction < 0 ? 0 : fraction;
    const int shift = (width - 1) - places;
    if (shift > 0)
        n.value *= power_of_ten(shift);
    else if (shift < 0)
        n.value /= power_of_ten(-shift);  // cuts toward zero: the sign comes later
    return n;
}

// "x": hexadecimal digits in either case; no sign, no point, no scaling.
Number hexadecimal(const Field &field) {
    if (field.length == 0) return {0, empty_field};
    Number n{0, converted};
    for (std::size_t i = 0; i < field.length; ++i) {
        const char c = field.text[i];
        uint32_t digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<uint32_t>(c - '0');
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<uint32_t>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            digit = static_cast<uint32_t>(c - 'A' + 10);
        else {
            n.status = bad_character;
            return n;
        }
        n.value = n.value * 16 + digit;
    }
    return n;
}

}  // namespace

int scan(const char *text, const char *format, void *const *records) {
    Text in(text);
    Field field;
    const char *f = format;
    if (*f == 'n') ++f;  // marks a field format; consumes nothing
    for (std::size_t record = 0; *f == '%'; ++record) {
        ++f;
        int width = 0;
        while (*f >= '0' && *f <= '9') width = width * 10 + (*f++ - '0');
        const char letter = *f;
        if (letter == '\0') break;
        ++f;
        if (letter == 'l' && *f == 'd') ++f;  // "%Nld" is "%Nl"

        cut_field(in, field);
        if (letter == 's') {
            auto *bytes = static_cast<unsigned char *>(records[record]);
            const std::size_t kept = field.length < static_cast<std::size_t>(width) ? field.length : static_cast<std::size_t>(width);
            bytes[0] = field.length == 0 ? empty_field : converted;
            for (std::size_t i = 0; i < kept; ++i) bytes[1 + i] = static_cast<unsigned char>(field.text[i]);
            bytes[1 + kept] = '\0';
            continue;  // no store step and no end test
        }
        if (letter != 'd' && letter != 'l' && letter != 'x') break;

        bool negative = false;
        const Number n = letter == 'x' ? hexadecimal(field) : decimal(field, width, negative);
        const uint32_t value = negative ? 0u - n.value : n.value;
        auto *target = static_cast<ScanRecord *>(records[record]);
        if (letter == 'l')
            target->long_value = static_cast<int32_t>(value);
        else
            target->short_value = static_cast<int16_t>(static_cast<uint16_t>(value));
        target->status = n.status;
        if (in.used_up()) break;
    }
    return 0;
}

}  // namespace radar::incoming
