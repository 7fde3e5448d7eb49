// line_cutter.h - cuts the incoming byte stream into messages.
//
// A message is "$", a kind letter, two hexadecimal digits (the command code),
// any text, then CR LF. One zero byte right after a CR LF is skipped: the
// radar library's own sentences carry one. Lines of another shape are dropped,
// and a line longer than the buffer is dropped whole, up to its CR LF.
#ifndef ORVANE_LINE_CUTTER_H
#define ORVANE_LINE_CUTTER_H

#include <cstddef>
#include <cstdint>

namespace orvane {

class LineCutter {
  public:
    static constexpr std::size_t kLineMax = 512;  // message bytes, CR LF included

    // Consumes bytes from `data` until a message is complete or the bytes run
    // out; returns how many it used. After a completed message, ready() is
    // true and text()/code() describe it until the next call.
    std::size_t take(const char *data, std::size_t size);

    bool ready() const { return ready_; }
    int16_t code() const { return code_; }
    const char *text() const { return line_; }

    // Forgets any partial line (a new connection starts a new stream).
    void reset() { *this = LineCutter{}; }

  private:
    void skip(char c);
    bool finish();

    char line_[kLineMax + 1] = {};
    std::size_t len_ = 0;
    int16_t code_ = 0;
    bool ready_ = false;
    bool skip_zero_ = false;
    bool discarding_ = false;  // inside an overlong line
    bool last_cr_ = false;     // while discarding: the previous byte was CR
};

}  // namespace orvane

#endif
