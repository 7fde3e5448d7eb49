// line_cutter.cpp - message framing for the incoming stream.
#include "line_cutter.h"

namespace orvane {
namespace {

int hex_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool is_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

// One byte of an overlong line: only its CR LF matters.
void LineCutter::skip(char c) {
    if (c == '\n' && last_cr_) {
        discarding_ = false;
        skip_zero_ = true;
    }
    last_cr_ = (c == '\r');
}

// The line in line_ has just ended with CR LF: keep it if it has the shape.
bool LineCutter::finish() {
    const std::size_t len = len_;
    line_[len] = '\0';
    len_ = 0;
    skip_zero_ = true;
    if (len < 6 || line_[0] != '$' || !is_letter(line_[1])) return false;
    const int high = hex_value(line_[2]);
    const int low = hex_value(line_[3]);
    if (high < 0 || low < 0) return false;
    code_ = static_cast<int16_t>(high * 16 + low);
    return true;
}

std::size_t LineCutter::take(const char *data, std::size_t size) {
    ready_ = false;
    std::size_t i = 0;
    while (i < size) {
        const char c = data[i++];
        if (skip_zero_) {
            skip_zero_ = false;
            if (c == '\0') continue;
        }
        if (discarding_) {
            skip(c);
            continue;
        }
        if (len_ == kLineMax) {
            // No room for this byte: the whole line goes.
            discarding_ = true;
            last_cr_ = (line_[len_ - 1] == '\r');
            len_ = 0;
            skip(c);
            continue;
        }
        line_[len_++] = c;
        if (c == '\n' && len_ >= 2 && line_[len_ - 2] == '\r' && finish()) {
            ready_ = true;
            break;
        }
    }
    return i;
}

}  // namespace orvane
