// The message scanner: fields and their delimiters, the checksum group, the
// string, decimal, long and hexadecimal conversions, the statuses, the 16- and
// 32-bit cuts, and the bounds it keeps to (field length, the message's zero
// byte and the longest message) - the last checked against a page that cannot
// be read, so that an overread ends the test program even without sanitizers.
#include "incoming/scanner.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "guard_page.h"

namespace {

using radar::incoming::bad_character;
using radar::incoming::converted;
using radar::incoming::empty_field;
using radar::incoming::longest_message;
using radar::incoming::ScanRecord;
using radar::incoming::StringRecord;
using radar::incoming::untouched;

constexpr int16_t short_sentinel = 0x5A5A;
constexpr int32_t long_sentinel = 0x5A5A5A5A;
constexpr unsigned char guard_byte = 0xA5;
constexpr char name_filler = '#';
constexpr std::size_t most_values = 10;

// The records of one scan, fenced by bytes no conversion may touch.
struct Guarded {
    unsigned char before[16];
    StringRecord<4> name;
    unsigned char between[18];
    ScanRecord values[most_values];
    unsigned char after[16];
};

struct Scanned {
    Guarded records;
    int result;
};

// The conversion letters of a format, in order ("ld" counts as "l").
std::string letters_of(const char *format) {
    std::string letters;
    for (const char *f = format; *f != '\0'; ++f) {
        if (*f != '%') continue;
        ++f;
        while (*f >= '0' && *f <= '9') ++f;
        if (*f == '\0') break;
        letters += *f;
        if (*f == 'l' && f[1] == 'd') ++f;
    }
    return letters;
}

// Scans `text` into a fresh set of records: every status `untouched`, every
// value a sentinel, the name filled, the fences set. The first conversion of
// every format here is the "%4s" name; the others take the value records.
Scanned scan_text(const char *text, const char *format) {
    Scanned s;
    std::memset(&s.records, guard_byte, sizeof s.records);
    s.records.name.status = untouched;
    std::memset(s.records.name.text, name_filler, sizeof s.records.name.text);
    for (ScanRecord &v : s.records.values) {
        v.status = untouched;
        v.short_value = short_sentinel;
        v.long_value = long_sentinel;
    }
    void *addresses[1 + most_values];
    addresses[0] = &s.records.name;
    for (std::size_t i = 0; i < most_values; ++i) addresses[1 + i] = &s.records.values[i];
    s.result = radar::incoming::scan(text, format, addresses);
    return s;
}

// Scans a copy held in a buffer of exactly its length and zero byte, so that a
// sanitizer sees any read past the end.
Scanned scan_copy(const std::string &text, const char *format) {
    std::vector<char> exact(text.begin(), text.end());
    exact.push_back('\0');
    return scan_text(exact.data(), format);
}

std::string printable(const std::string &text) {
    std::string out;
    for (const char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out.size() > 60 ? out.substr(0, 60) + "...(" + std::to_string(text.size()) + ")" : out;
}

bool fences_intact(const Guarded &g) {
    auto all_guard = [](const unsigned char *p, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i)
            if (p[i] != guard_byte) return false;
        return true;
    };
    return all_guard(g.before, sizeof g.before) && all_guard(g.between, sizeof g.between) &&
           all_guard(g.after, sizeof g.after);
}

enum class Into { short_value, long_value, nothing };

// What one value record holds after the scan.
struct Want {
    uint8_t status;
    int32_t value;
    Into into;
};

Want in_short(uint8_t status, int16_t value) { return {status, value, Into::short_value}; }
Want in_long(uint8_t status, int32_t value) { return {status, value, Into::long_value}; }
Want not_reached() { return {untouched, 0, Into::nothing}; }

void expect_value(const ScanRecord &r, const Want &w, std::size_t index) {
    SCOPED_TRACE("value record " + std::to_string(index + 1));
    EXPECT_EQ(r.status, w.status);
    switch (w.into) {
        case Into::short_value:
            EXPECT_EQ(r.short_value, static_cast<int16_t>(w.value));
            EXPECT_EQ(r.long_value, long_sentinel) << "the long value is the caller's";
            break;
        case Into::long_value:
            EXPECT_EQ(r.long_value, w.value);
            EXPECT_EQ(r.short_value, short_sentinel) << "the short value is the caller's";
            break;
        case Into::nothing:
            EXPECT_EQ(r.short_value, short_sentinel);
            EXPECT_EQ(r.long_value, long_sentinel);
            break;
    }
}

// One message, one format, and what each record holds afterwards.
struct Row {
    const char *legend;
    std::string text;
    const char *format;
    uint8_t name_status;
    const char *name;
    std::vector<Want> values;
};

void check_rows(const std::vector<Row> &rows) {
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.legend) + " | text \"" + printable(row.text) + "\" | format " +
                     row.format);
        ASSERT_EQ(row.values.size() + 1, letters_of(row.format).size()) << "the row is malformed";
        const Scanned s = scan_copy(row.text, row.format);
        EXPECT_EQ(s.result, 0);
        EXPECT_EQ(s.records.name.status, row.name_status);
        EXPECT_STREQ(s.records.name.text, row.name);
        for (std::size_t i = 0; i < row.values.size(); ++i)
            expect_value(s.records.values[i], row.values[i], i);
        for (std::size_t i = row.values.size(); i < most_values; ++i)
            expect_value(s.records.values[i], not_reached(), i);
        EXPECT_TRUE(fences_intact(s.records));
    }
}

constexpr const char *two_values = "n%4s%1d%1d";

// ---------------------------------------------------------------------------
// Fields, delimiters and the end of the text.

TEST(ScannerFields, MessagesCutIntoFields) {
    check_rows({
        {"three fields",
         "$S03,2,50",
         two_values,
         converted,
         "$S03",
         {in_short(converted, 2), in_short(converted, 50)}},
        {"three fields and CR LF",
         "$S03,2,50\r\n",
         two_values,
         converted,
         "$S03",
         {in_short(converted, 2), in_short(converted, 50)}},
        {"the LF after a CR is a field of its own",
         "$S03,2\r\n",
         two_values,
         converted,
         "$S03",
         {in_short(converted, 2), in_short(bad_character, 0)}},
        {"the text ends after the first value",
         "$S03,2",
         two_values,
         converted,
         "$S03",
         {in_short(converted, 2), not_reached()}},
        {"the text ends on the comma after the first value",
         "$S03,2,",
         two_values,
         converted,
         "$S03",
         {in_short(converted, 2), not_reached()}},
        {"an empty first value",
         "$S03,,50",
         two_values,
         converted,
         "$S03",
         {in_short(empty_field, 0), in_short(converted, 50)}},
        {"the name alone: the value after it is read empty",
         "$R03",
         two_values,
         converted,
         "$R03",
         {in_short(empty_field, 0), not_reached()}},
        {"a negative value",
         "$S03,-1,50",
         two_values,
         converted,
         "$S03",
         {in_short(converted, -1), in_short(converted, 50)}},
        {"a fraction cut to an integer",
         "$S03,2.6,50",
         two_values,
         converted,
         "$S03",
         {in_short(converted, 2), in_short(converted, 50)}},
        {"a checksum group inside a value",
         "$S03,2*1F,50",
         two_values,
         converted,
         "$S03",
         {in_short(converted, 2), in_short(converted, 50)}},
        {"a space inside a value",
         "$S03,5 0,50",
         two_values,
         converted,
         "$S03",
         {in_short(bad_character, 5), in_short(converted, 50)}},
        {"fields beyond the format are not read",
         "$S03,2,50,9,9",
         two_values,
         converted,
         "$S03",
         {in_short(converted, 2), in_short(converted, 50)}},
        {"a name longer than four characters is cut",
         "$S03XYZ,2,50",
         two_values,
         converted,
         "$S03",
         {in_short(converted, 2), in_short(converted, 50)}},
        {"an empty name",
         ",2,50",
         two_values,
         empty_field,
         "",
         {in_short(converted, 2), in_short(converted, 50)}},
        {"a name of one character",
         "$,2,50",
         two_values,
         converted,
         "$",
         {in_short(converted, 2), in_short(converted, 50)}},
        {"an empty text",
         "",
         two_values,
         empty_field,
         "",
         {in_short(empty_field, 0), not_reached()}},
        {"a lone comma",
         ",",
         two_values,
         empty_field,
         "",
         {in_short(empty_field, 0), not_reached()}},
        {"CR as the delimiter throughout",
         "$S03\r2\r50",
         two_values,
         converted,
         "$S03",
         {in_short(converted, 2), in_short(converted, 50)}},
        {"a LF inside a value is an ordinary character",
         "$S03,2\n,50",
         two_values,
         converted,
         "$S03",
         {in_short(bad_character, 2), in_short(converted, 50)}},
        {"CR LF after the name: LF starts the first value",
         "$S03\r\n2,50",
         two_values,
         converted,
         "$S03",
         {in_short(bad_character, 0), in_short(converted, 50)}},
        {"an empty second value ended by CR is read",
         "$S03,2,\r",
         two_values,
         converted,
         "$S03",
         {in_short(converted, 2), in_short(empty_field, 0)}},
    });
}

TEST(ScannerFields, ANegativeShortValueIsItsSixteenBitPattern) {
    const Scanned s = scan_copy("$S03,-1,50", two_values);
    EXPECT_EQ(s.records.values[0].status, converted);
    EXPECT_EQ(static_cast<uint16_t>(s.records.values[0].short_value), 65535);
}

// ---------------------------------------------------------------------------
// The checksum group: an asterisk and the two characters after it.

TEST(ScannerFields, ChecksumGroups) {
    check_rows({
        {"an asterisk as the last character",
         "$S03,2*",
         two_values,
         converted,
         "$S03",
         {in_short(converted, 2), not_reached()}},
        {"an asterisk as the second-to-last character",
         "$S03,2*1",
         two_values,
         converted,
         "$S03",
         {in_short(converted, 2), not_reached()}},
        {"an asterisk as the third-to-last character",
         "$S03,2*1F",
         two_values,
         converted,
         "$S03",
         {in_short(converted, 2), not_reached()}},
        {"a comma inside the group is skipped",
         "$S03,2*,5,7",
         two_values,
         converted,
         "$S03",
         {in_short(converted, 2), in_short(converted, 7)}},
        {"a CR inside the group is skipped",
         "$S03,2*\r5,7",
         two_values,
         converted,
         "$S03",
         {in_short(converted, 2), in_short(converted, 7)}},
        {"copying goes on after the group",
         "$S03,1*AB2,50",
         two_values,
         converted,
         "$S03",
         {in_short(converted, 12), in_short(converted, 50)}},
        {"a group inside the name",
         "$S*xy03,2,50",
         two_values,
         converted,
         "$S03",
         {in_short(converted, 2), in_short(converted, 50)}},
        {"a value that is only a group is empty",
         "$S03,*1F,50",
         two_values,
         converted,
         "$S03",
         {in_short(empty_field, 0), in_short(converted, 50)}},
        {"a group at the end of the name field",
         "$S03*1F",
         two_values,
         converted,
         "$S03",
         {in_short(empty_field, 0), not_reached()}},
        {"an asterisk alone",
         "*",
         two_values,
         empty_field,
         "",
         {in_short(empty_field, 0), not_reached()}},
        {"an asterisk inside the group is skipped too",
         "$S03,2**1,7",
         two_values,
         converted,
         "$S03",
         {in_short(converted, 2), in_short(converted, 7)}},
    });
}

// ---------------------------------------------------------------------------
// "d" and "l": sign, digits, point, fraction, scaling.

// The name field followed by one value field, scanned with one conversion.
Row one_value(const char *legend, const char *format, const std::string &field, Want want) {
    return {legend, "$S03," + field, format, converted, "$S03", {want}};
}

TEST(ScannerDecimal, SignsDigitsAndScaling) {
    check_rows({
        one_value("an integer", "n%4s%1d", "2", in_short(converted, 2)),
        one_value("the fraction is cut for integers", "n%4s%1d", "2.6", in_short(converted, 2)),
        one_value("tenths", "n%4s%2d", "2.6", in_short(converted, 26)),
        one_value("tenths of an integer", "n%4s%2d", "12", in_short(converted, 120)),
        one_value("hundredths cut to tenths", "n%4s%2d", "12.34", in_short(converted, 123)),
        one_value("a negative value in tenths", "n%4s%2d", "-179.9", in_short(converted, -1799)),
        one_value("the largest tenths in a short value", "n%4s%2d", "2000.0",
                  in_short(converted, 20000)),
        one_value("a plus sign is skipped", "n%4s%1d", "+5", in_short(converted, 5)),
        one_value("minus one", "n%4s%1d", "-1", in_short(converted, -1)),
        one_value("a negative fraction cut toward zero", "n%4s%2d", "-1.25",
                  in_short(converted, -12)),
        one_value("a negative integer cut toward zero", "n%4s%1d", "-2.6", in_short(converted, -2)),
        one_value("a point with no digits after it", "n%4s%2d", "5.", in_short(converted, 50)),
        one_value("a point alone is a number of no digits", "n%4s%2d", ".", in_short(converted, 0)),
        one_value("a point with no digits before it", "n%4s%2d", ".5", in_short(converted, 5)),
        one_value("a fraction below one cut to zero", "n%4s%1d", "0.9999", in_short(converted, 0)),
        one_value("three places", "n%4s%4d", "1.5", in_short(converted, 1500)),
        one_value("ten-thousandths", "n%4s%5l", "1.5", in_long(converted, 15000)),
        one_value("the sixth digit is not read", "n%4s%5l", "1.23456", in_long(converted, 12345)),
        one_value("what follows the fourth fraction digit is not read", "n%4s%5l", "1.2345X",
                  in_long(converted, 12345)),
        one_value("a space after the fourth fraction digit is not read", "n%4s%5l", "1.2345 7",
                  in_long(converted, 12345)),
        one_value("four fraction digits cut to tenths", "n%4s%2d", "1.23456",
                  in_short(converted, 12)),
        one_value("negative ten-thousandths", "n%4s%5l", "-0.0001", in_long(converted, -1)),
        one_value("an integer in ten-thousandths", "n%4s%5ld", "7", in_long(converted, 70000)),
        one_value("an empty number", "n%4s%2d", "", in_short(empty_field, 0)),
        one_value("a minus sign alone is an empty number", "n%4s%1d", "-",
                  in_short(empty_field, 0)),
        one_value("a plus sign alone is an empty number", "n%4s%1l", "+", in_long(empty_field, 0)),
        one_value("a space stops the number", "n%4s%1d", "5 0", in_short(bad_character, 5)),
        one_value("a space stops a negative number", "n%4s%1d", "-5 0",
                  in_short(bad_character, -5)),
        one_value("a stopped value is not scaled", "n%4s%3d", "2.6 ", in_short(bad_character, 26)),
        one_value("a stopped long value is not scaled", "n%4s%5l", "-1.5x",
                  in_long(bad_character, -15)),
        one_value("a leading space", "n%4s%1d", " 5", in_short(bad_character, 0)),
        one_value("a second point", "n%4s%1d", "1.2.3", in_short(bad_character, 12)),
        one_value("a letter", "n%4s%1d", "1a", in_short(bad_character, 1)),
        one_value("a minus sign after the digits", "n%4s%1d", "1-", in_short(bad_character, 1)),
        one_value("two signs", "n%4s%1d", "+-5", in_short(bad_character, 0)),
        one_value("hexadecimal digits are not decimal", "n%4s%1d", "1A",
                  in_short(bad_character, 1)),
    });
}

TEST(ScannerDecimal, ShortAndLongValues) {
    check_rows({
        {"\"ld\" into the long value",
         "$S03,7",
         "n%4s%1ld",
         converted,
         "$S03",
         {in_long(converted, 7)}},
        {"\"l\" at the end of the format into the long value",
         "$S03,7",
         "n%4s%1l",
         converted,
         "$S03",
         {in_long(converted, 7)}},
        {"\"l\" followed by \"%\" reads two fields",
         "$S03,7,9",
         "n%4s%1l%1d",
         converted,
         "$S03",
         {in_long(converted, 7), in_short(converted, 9)}},
        {"\"ld\" then tenths",
         "$S03,7,1.5",
         "n%4s%1ld%2d",
         converted,
         "$S03",
         {in_long(converted, 7), in_short(converted, 15)}},
        {"one short then two long",
         "$S03,1,2,3",
         "n%4s%1d%1l%1l",
         converted,
         "$S03",
         {in_short(converted, 1), in_long(converted, 2), in_long(converted, 3)}},
        {"tenths in a long value",
         "$S03,-12.3",
         "n%4s%2l",
         converted,
         "$S03",
         {in_long(converted, -123)}},
        {"a long value beyond 16 bits",
         "$S03,123456",
         "n%4s%1l",
         converted,
         "$S03",
         {in_long(converted, 123456)}},
        {"an empty long value",
         "$S03,,5",
         "n%4s%1l%1l",
         converted,
         "$S03",
         {in_long(empty_field, 0), in_long(converted, 5)}},
        {"a stopped long value",
         "$S03,12x,5",
         "n%4s%1l%1d",
         converted,
         "$S03",
         {in_long(bad_character, 12), in_short(converted, 5)}},
        {"the format the mixed sentences use",
         "$S03,1,2,3,4.5,6.7,8.9,1.2345",
         "n%4s%1d%1d%1d%2d%2d%5l%5l",
         converted,
         "$S03",
         {in_short(converted, 1), in_short(converted, 2), in_short(converted, 3),
          in_short(converted, 45), in_short(converted, 67), in_long(converted, 89000),
          in_long(converted, 12345)}},
    });
}

// ---------------------------------------------------------------------------
// "x": hexadecimal.

TEST(ScannerHexadecimal, Conversions) {
    check_rows({
        one_value("capital digits", "n%4s%1x", "1A", in_short(converted, 26)),
        one_value("small digits", "n%4s%1x", "1a", in_short(converted, 26)),
        one_value("a single small digit", "n%4s%1x", "a", in_short(converted, 10)),
        one_value("mixed case", "n%4s%1x", "aB", in_short(converted, 0xAB)),
        one_value("the width does not scale", "n%4s%2x", "1A", in_short(converted, 26)),
        one_value("a decimal-looking value", "n%4s%1x", "10", in_short(converted, 16)),
        one_value("empty", "n%4s%1x", "", in_short(empty_field, 0)),
        one_value("a letter beyond F", "n%4s%1x", "1G", in_short(bad_character, 1)),
        one_value("a space", "n%4s%1x", "1 2", in_short(bad_character, 1)),
        one_value("a point", "n%4s%1x", "1.5", in_short(bad_character, 1)),
        one_value("no minus sign", "n%4s%1x", "-1", in_short(bad_character, 0)),
        one_value("no plus sign", "n%4s%1x", "+1", in_short(bad_character, 0)),
        one_value("all sixteen bits", "n%4s%1x", "FFFF", in_short(converted, -1)),
        one_value("beyond sixteen bits, the low half", "n%4s%1x", "12345",
                  in_short(converted, 0x2345)),
        one_value("beyond 32 bits, wrapped", "n%4s%1x", "100000001", in_short(converted, 1)),
        {"ten values",
         "$S03,0,1,2,3,4,5,6,7,8,9",
         "n%4s%1x%1x%1x%1x%1x%1x%1x%1x%1x%1x",
         converted,
         "$S03",
         {in_short(converted, 0), in_short(converted, 1), in_short(converted, 2),
          in_short(converted, 3), in_short(converted, 4), in_short(converted, 5),
          in_short(converted, 6), in_short(converted, 7), in_short(converted, 8),
          in_short(converted, 9)}},
        {"ten values, the text ending after the fourth",
         "$S03,f,e,d,c",
         "n%4s%1x%1x%1x%1x%1x%1x%1x%1x%1x%1x",
         converted,
         "$S03",
         {in_short(converted, 15), in_short(converted, 14), in_short(converted, 13),
          in_short(converted, 12), not_reached(), not_reached(), not_reached(), not_reached(),
          not_reached(), not_reached()}},
    });
}

// ---------------------------------------------------------------------------
// 16-bit cuts and 32-bit wraps.

TEST(ScannerWidths, SixteenBitCutAndThirtyTwoBitWrap) {
    check_rows({
        one_value("70000 keeps its low 16 bits", "n%4s%1d", "70000",
                  in_short(converted, static_cast<int16_t>(70000 & 0xFFFF))),
        one_value("32768 becomes the lowest short", "n%4s%1d", "32768",
                  in_short(converted, -32768)),
        one_value("65535 becomes minus one", "n%4s%1d", "65535", in_short(converted, -1)),
        one_value("65536 tenths cut to zero", "n%4s%2d", "6553.6", in_short(converted, 0)),
        one_value("-65537 keeps its low 16 bits", "n%4s%1d", "-65537", in_short(converted, -1)),
        one_value("a long value wraps at 32 bits", "n%4s%1l", "4294967297", in_long(converted, 1)),
        one_value("a long value of exactly 2^32", "n%4s%1l", "4294967296", in_long(converted, 0)),
        one_value("a negative long value wraps", "n%4s%1l", "-4294967297", in_long(converted, -1)),
        one_value("2^31 in a long value", "n%4s%1l", "2147483648", in_long(converted, INT32_MIN)),
        one_value("a stopped value wraps too", "n%4s%1l", "4294967298 ", in_long(bad_character, 2)),
    });
}

// ---------------------------------------------------------------------------
// Field length: a field is kept up to 83 characters; the rest is passed over.

TEST(ScannerBounds, LongFields) {
    const std::string zeros82(82, '0');
    const std::string zeros83(83, '0');
    check_rows({
        {"a 200-character name, then two values",
         std::string(200, 'A') + ",7,8",
         two_values,
         converted,
         "AAAA",
         {in_short(converted, 7), in_short(converted, 8)}},
        {"a 200-character value, then the next value",
         "$S03," + std::string(200, '0') + ",8",
         two_values,
         converted,
         "$S03",
         {in_short(converted, 0), in_short(converted, 8)}},
        {"a 200-character value of letters",
         "$S03," + std::string(200, 'Z') + ",8",
         two_values,
         converted,
         "$S03",
         {in_short(bad_character, 0), in_short(converted, 8)}},
        {"the 83rd character is kept",
         "$S03," + zeros82 + "7,8",
         two_values,
         converted,
         "$S03",
         {in_short(converted, 7), in_short(converted, 8)}},
        {"a bad 83rd character is seen",
         "$S03," + zeros82 + "X,8",
         two_values,
         converted,
         "$S03",
         {in_short(bad_character, 0), in_short(converted, 8)}},
        {"the 84th character is not kept",
         "$S03," + zeros83 + "7,8",
         two_values,
         converted,
         "$S03",
         {in_short(converted, 0), in_short(converted, 8)}},
        {"a bad 84th character is not seen",
         "$S03," + zeros83 + "X,8",
         two_values,
         converted,
         "$S03",
         {in_short(converted, 0), in_short(converted, 8)}},
        {"groups do not count toward the 83",
         "$S03," + zeros82 + "*AB7,8",
         two_values,
         converted,
         "$S03",
         {in_short(converted, 7), in_short(converted, 8)}},
    });
}

// The value of the first 83 digits of a field of `count` ones, at 32 bits.
int16_t ones_value(std::size_t count) {
    uint32_t v = 0;
    for (std::size_t i = 0; i < count && i < 83; ++i) v = v * 10 + 1;
    return static_cast<int16_t>(static_cast<uint16_t>(v));
}

TEST(ScannerBounds, ALongFieldOfDigitsWrapsOverItsFirst83) {
    const Scanned s = scan_copy("$S03," + std::string(300, '1') + "\r5", two_values);
    EXPECT_EQ(s.records.values[0].status, converted);
    EXPECT_EQ(s.records.values[0].short_value, ones_value(300));
    EXPECT_EQ(s.records.values[0].long_value, long_sentinel);
    EXPECT_EQ(s.records.values[1].status, converted);
    EXPECT_EQ(s.records.values[1].short_value, 5);
    EXPECT_TRUE(fences_intact(s.records));
}

// The longest message: characters from the 1025th on are never read, even when
// the zero byte comes later.
TEST(ScannerBounds, NothingPastTheLongestMessageIsRead) {
    ASSERT_EQ(longest_message, 1024u);
    const std::string names1022(1022, 'A');
    const std::string names1023(1023, 'A');
    check_rows({
        {"a value as the 1024th character, a delimiter after it",
         names1022 + ",5,6",
         two_values,
         converted,
         "AAAA",
         {in_short(converted, 5), not_reached()}},
        {"a digit as the 1024th character, another after it",
         names1022 + ",57",
         two_values,
         converted,
         "AAAA",
         {in_short(converted, 5), not_reached()}},
        {"a comma as the 1024th character",
         names1023 + ",5",
         two_values,
         converted,
         "AAAA",
         {in_short(empty_field, 0), not_reached()}},
        {"a checksum group cut by the end of the 1024th character",
         std::string(1021, 'A') + ",*5,7",
         two_values,
         converted,
         "AAAA",
         {in_short(empty_field, 0), not_reached()}},
        {"exactly 1024 characters",
         names1022 + ",5",
         two_values,
         converted,
         "AAAA",
         {in_short(converted, 5), not_reached()}},
    });
}

// ---------------------------------------------------------------------------
// Overreads against a page that cannot be read.

constexpr const char *three_values = "n%4s%1d%1d%1d";
constexpr const char *ten_hex = "n%4s%1x%1x%1x%1x%1x%1x%1x%1x%1x%1x";

std::string digits(std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s += static_cast<char>('0' + i % 10);
    return s;
}

// Bytes with no zero byte anywhere, right before the unreadable page. The
// first field runs to the end of what is read, so only a name and one empty
// value are found - unless the bytes are all commas.
struct UnterminatedRow {
    const char *legend;
    std::string bytes;
    const char *format;
    uint8_t name_status;
    const char *name;
    uint8_t first_status;
    bool all_fields_empty;  // every value record reached and empty
};

TEST(ScannerBounds, UnterminatedTextBeforeAnUnreadablePage) {
    GuardPage guard;
    ASSERT_TRUE(guard.ready());
    ASSERT_GE(guard.size(), 4096u);
    const std::string commas4096(4096, ',');
    const std::string commas1024(1024, ',');
    const UnterminatedRow rows[] = {
        {"4096 letters, three values", std::string(4096, 'A'), three_values, converted, "AAAA",
         empty_field, false},
        {"4096 letters, ten hexadecimal values", std::string(4096, 'A'), ten_hex, converted, "AAAA",
         empty_field, false},
        {"4096 digits, three values", digits(4096), three_values, converted, "0123", empty_field,
         false},
        {"4096 digits, ten hexadecimal values", digits(4096), ten_hex, converted, "0123",
         empty_field, false},
        {"4096 commas, three values", commas4096, three_values, empty_field, "", empty_field, true},
        {"4096 commas, ten hexadecimal values", commas4096, ten_hex, empty_field, "", empty_field,
         true},
        {"1024 letters only, three values", std::string(1024, 'A'), three_values, converted, "AAAA",
         empty_field, false},
        {"1024 digits only, ten hexadecimal values", digits(1024), ten_hex, converted, "0123",
         empty_field, false},
        {"1024 commas only, ten hexadecimal values", commas1024, ten_hex, empty_field, "",
         empty_field, true},
        {"1023 letters and an asterisk", std::string(1023, 'A') + "*", three_values, converted,
         "AAAA", empty_field, false},
        {"1022 letters, an asterisk and one more", std::string(1022, 'A') + "*1", ten_hex,
         converted, "AAAA", empty_field, false},
        {"1023 letters and a comma", std::string(1023, 'A') + ",", ten_hex, converted, "AAAA",
         empty_field, false},
    };
    for (const UnterminatedRow &row : rows) {
        SCOPED_TRACE(std::string(row.legend) + " | format " + row.format);
        const Scanned s = scan_text(guard.place(row.bytes), row.format);
        EXPECT_EQ(s.result, 0);
        EXPECT_EQ(s.records.name.status, row.name_status);
        EXPECT_STREQ(s.records.name.text, row.name);
        const std::size_t count = letters_of(row.format).size() - 1;
        for (std::size_t i = 0; i < count; ++i) {
            if (i == 0 || row.all_fields_empty)
                expect_value(s.records.values[i], in_short(row.first_status, 0), i);
            else
                expect_value(s.records.values[i], not_reached(), i);
        }
        EXPECT_TRUE(fences_intact(s.records));
    }
}

TEST(ScannerBounds, TerminatedTextEndingInAnAsteriskBeforeAnUnreadablePage) {
    GuardPage guard;
    ASSERT_TRUE(guard.ready());
    // The zero byte is the last readable byte.
    const Row rows[] = {
        {"an asterisk last",
         std::string("$S03,2*") + '\0',
         two_values,
         converted,
         "$S03",
         {in_short(converted, 2), not_reached()}},
        {"an asterisk second to last",
         std::string("$S03,2*1") + '\0',
         two_values,
         converted,
         "$S03",
         {in_short(converted, 2), not_reached()}},
        {"an asterisk alone",
         std::string("*") + '\0',
         two_values,
         empty_field,
         "",
         {in_short(empty_field, 0), not_reached()}},
        {"an asterisk after the name",
         std::string("$S03*") + '\0',
         ten_hex,
         converted,
         "$S03",
         {in_short(empty_field, 0), not_reached(), not_reached(), not_reached(), not_reached(),
          not_reached(), not_reached(), not_reached(), not_reached(), not_reached()}},
        {"an empty text",
         std::string(1, '\0'),
         two_values,
         empty_field,
         "",
         {in_short(empty_field, 0), not_reached()}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.legend) + " | format " + row.format);
        const Scanned s = scan_text(guard.place(row.text), row.format);
        EXPECT_EQ(s.result, 0);
        EXPECT_EQ(s.records.name.status, row.name_status);
        EXPECT_STREQ(s.records.name.text, row.name);
        for (std::size_t i = 0; i < row.values.size(); ++i)
            expect_value(s.records.values[i], row.values[i], i);
        EXPECT_TRUE(fences_intact(s.records));
    }
}

// ---------------------------------------------------------------------------
// A seeded sweep of random messages through every format the library uses.

const char *const library_formats[] = {
    "n%4s%1d%1d",    "n%4s%2d",       "n%4s%1d%2d%5l", "n%4s%1d%1d%1d%2d%2d%5l%5l",
    "n%4s%1d%1l%1l", "n%4s%1d%2d%2d", "n%4s%2l",       "n%4s%1d%1l",
    "n%4s%1ld%2d",   ten_hex,
};

// Checks what may hold after any scan: the name is reached with status '@' or
// 1 and a zero byte within its five characters; numeric statuses are '@', 1, 2
// or `untouched`; an untouched record keeps both sentinels and so do all the
// records after it; a reached record keeps the sentinel of the value it does
// not produce; an empty field holds zero; the fences are intact. Returns
// false at the first breach, with a gtest failure naming it.
bool holds_invariants(const Scanned &s, const std::string &letters, const std::string &text,
                      const char *format) {
    const Guarded &g = s.records;
    const std::string where = "text \"" + printable(text) + "\" format " + format;
    if (s.result != 0 || !fences_intact(g) ||
        (g.name.status != converted && g.name.status != empty_field) ||
        std::memchr(g.name.text, '\0', sizeof g.name.text) == nullptr ||
        (g.name.status == empty_field && g.name.text[0] != '\0') ||
        (g.name.status == converted && g.name.text[0] == '\0')) {
        ADD_FAILURE() << "name record or fences wrong: " << where;
        return false;
    }
    bool ended = false;
    for (std::size_t i = 0; i < most_values; ++i) {
        const ScanRecord &r = g.values[i];
        const bool in_format = i + 1 < letters.size();
        if (!in_format || ended || r.status == untouched) {
            if (i == 0 && in_format) {
                ADD_FAILURE() << "the value after the name was not reached: " << where;
                return false;
            }
            if (r.status != untouched || r.short_value != short_sentinel ||
                r.long_value != long_sentinel) {
                ADD_FAILURE() << "record " << i + 1 << " written after the scan ended: " << where;
                return false;
            }
            ended = true;
            continue;
        }
        if (r.status != converted && r.status != empty_field && r.status != bad_character) {
            ADD_FAILURE() << "record " << i + 1 << " status " << int{r.status} << ": " << where;
            return false;
        }
        const bool into_long = letters[i + 1] == 'l';
        const bool other_kept =
            into_long ? r.short_value == short_sentinel : r.long_value == long_sentinel;
        const bool empty_is_zero =
            r.status != empty_field || (into_long ? r.long_value == 0 : r.short_value == 0);
        if (!other_kept || !empty_is_zero) {
            ADD_FAILURE() << "record " << i + 1 << " values wrong: " << where;
            return false;
        }
    }
    return true;
}

std::string random_text(std::mt19937 &random, const std::string &alphabet) {
    std::uniform_int_distribution<int> length(0, 300);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> any_byte(1, 255);
    const int n = length(random);
    std::string text;
    for (int i = 0; i < n; ++i)
        text += alphabet.empty() ? static_cast<char>(any_byte(random)) : alphabet[pick(random)];
    return text;
}

TEST(ScannerSweep, RandomMessagesThroughEveryFormat) {
    GuardPage guard;
    ASSERT_TRUE(guard.ready());
    std::mt19937 random(20240611u);
    // Any byte but zero, and bytes weighted toward what sentences hold.
    const std::string alphabets[] = {"", "0123456789.,-+*\r\nAaFfGx $"};
    std::size_t scans = 0;
    for (const std::string &alphabet : alphabets) {
        for (int message = 0; message < 20000; ++message) {
            const std::string text = random_text(random, alphabet);
            // The zero byte is the last readable byte: an overread faults.
            const char *placed = guard.place(text + '\0');
            for (const char *format : library_formats) {
                const Scanned s = scan_text(placed, format);
                ++scans;
                if (!holds_invariants(s, letters_of(format), text, format)) return;
            }
        }
    }
    EXPECT_EQ(scans, 2u * 20000u * std::size(library_formats));
}

TEST(ScannerSweep, RandomUnterminatedLongestMessages) {
    GuardPage guard;
    ASSERT_TRUE(guard.ready());
    std::mt19937 random(777u);
    std::uniform_int_distribution<int> any_byte(1, 255);
    const std::string sentence_bytes = "0123456789.,*\r";
    std::uniform_int_distribution<std::size_t> pick(0, sentence_bytes.size() - 1);
    for (int message = 0; message < 500; ++message) {
        // 1024 bytes and no zero byte, the last one right before the unreadable page.
        std::string text(longest_message, ' ');
        for (char &c : text)
            c = message % 2 == 0 ? static_cast<char>(any_byte(random))
                                 : sentence_bytes[pick(random)];
        const char *placed = guard.place(text);
        for (const char *format : library_formats) {
            const Scanned s = scan_text(placed, format);
            if (!holds_invariants(s, letters_of(format), text, format)) return;
        }
    }
}

}  // namespace
