#include "bridge.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

#include "serve_limits.h"

namespace radarctl::serve {
namespace {

constexpr int sweeps_per_turn = 8192;
constexpr std::size_t line_header = 8;  // sweep, bearing offset, scale code, sample count
constexpr std::size_t most_samples = 512;
constexpr std::size_t most_codes = 4096;

void put_u16(std::string &out, uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

int64_t now_ns() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

// Never destroyed: the library's threads may still call in while the
// program exits (a playback has no session whose end would stop them).
Bridge &Bridge::instance() {
    static Bridge &bridge = *new Bridge;
    return bridge;
}

Bridge::Bridge() {
    // Room for the most lines the hand-off holds: the receiver never waits
    // for memory.
    for (std::string *buffer : {&pending_, &spare_}) {
        buffer->reserve(2 + limits::handoff_lines * (line_header + most_samples));
        put_u16(*buffer, 0);
    }
    pending_times_.reserve(limits::handoff_lines);
    spare_times_.reserve(limits::handoff_lines);
}

void RADAR_CALLBACK Bridge::echo_callback(EchoLineRecord *line) {
    if (line != nullptr) instance().take_line(*line);
}

void RADAR_CALLBACK Bridge::notify_callback(int32_t code) {
    Bridge &b = instance();
    std::function<void()> wake;
    {
        std::lock_guard<std::mutex> held(b.lock_);
        if (b.codes_.size() < most_codes) b.codes_.push_back(code);
        wake = b.wake_;
    }
    if (wake) wake();
}

void Bridge::on_codes(std::function<void()> wake) {
    std::lock_guard<std::mutex> held(lock_);
    wake_ = std::move(wake);
}

void Bridge::pace(double rpm) { rpm_.store(rpm); }

void Bridge::take_line(const EchoLineRecord &line) {
    received_.fetch_add(1, std::memory_order_relaxed);
    if (line.Mode == mode_last_played) playback_ended.store(true);
    if (rpm_.load() > 0) wait_for_pace(line);
    last_mode_.store(line.Mode, std::memory_order_relaxed);
    const int64_t now = std::max<int64_t>(now_ns(), 1);
    last_line_ns_.store(now, std::memory_order_relaxed);
    scale_seen_ns_[line.ScaleCode % scale_codes].store(now, std::memory_order_relaxed);
    const uint16_t samples = line.SampleCount > most_samples ? most_samples : line.SampleCount;
    std::lock_guard<std::mutex> held(lock_);
    if (pending_lines_ >= limits::handoff_lines) {
        dropped_.fetch_add(1, std::memory_order_relaxed);
        return;
    }
    put_u16(pending_, line.Sweep);
    put_u16(pending_, line.BearingOffset);
    put_u16(pending_, line.ScaleCode);
    put_u16(pending_, samples);
    pending_.append(reinterpret_cast<const char *>(line.Data), samples);
    pending_times_.push_back(now);  // within its reserve: no allocation here
    ++pending_lines_;
}

// Each line is due when the antenna, turning at the set rate, has come round
// to its sweep since the first line: the forward step from the line before
// (across north too) counts, a step back does not.
void Bridge::wait_for_pace(const EchoLineRecord &line) {
    const int sweep = line.Sweep % sweeps_per_turn;
    if (previous_sweep_ < 0) {
        pace_start_ns_ = now_ns();
        paced_seconds_ = 0;
    } else {
        const int step = (sweep - previous_sweep_ + sweeps_per_turn) % sweeps_per_turn;
        if (step < sweeps_per_turn / 2) paced_seconds_ += step * 60.0 / rpm_.load() / sweeps_per_turn;
    }
    previous_sweep_ = sweep;
    const int64_t due = pace_start_ns_ + static_cast<int64_t>(paced_seconds_ * 1e9);
    const int64_t wait = due - now_ns();
    // After a long stall (a paused process), start again rather than rush.
    if (wait < -1'000'000'000) {
        previous_sweep_ = -1;
        return;
    }
    if (wait > 0) std::this_thread::sleep_for(std::chrono::nanoseconds(wait));
}

std::optional<uint16_t> Bridge::other_scale_since(uint16_t except,
                                                  std::chrono::steady_clock::time_point since) const {
    const int64_t since_ns = std::chrono::duration_cast<std::chrono::nanoseconds>(since.time_since_epoch()).count();
    for (std::size_t code = 0; code < scale_codes; ++code)
        if (code != except && scale_seen_ns_[code].load(std::memory_order_relaxed) > since_ns)
            return static_cast<uint16_t>(code);
    return std::nullopt;
}

std::optional<std::chrono::steady_clock::time_point> Bridge::last_line() const {
    const int64_t ns = last_line_ns_.load(std::memory_order_relaxed);
    if (ns == 0) return std::nullopt;
    return std::chrono::steady_clock::time_point(
        std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::nanoseconds(ns)));
}

std::string Bridge::take_batch(uint32_t &lines, std::vector<int64_t> &times) {
    spare_times_.clear();
    {
        std::lock_guard<std::mutex> held(lock_);
        lines = pending_lines_;
        if (lines == 0) {
            times.clear();
            return {};
        }
        pending_.swap(spare_);
        pending_times_.swap(spare_times_);
        pending_lines_ = 0;
    }
    times.assign(spare_times_.begin(), spare_times_.end());
    // A frame of its own size; the full buffer is kept for the next turn.
    std::string frame(spare_);
    spare_.resize(2);
    frame[0] = static_cast<char>(lines & 0xFF);
    frame[1] = static_cast<char>(lines >> 8);
    return frame;
}

std::vector<int32_t> Bridge::take_codes() {
    std::lock_guard<std::mutex> held(lock_);
    std::vector<int32_t> codes;
    codes.swap(codes_);
    return codes;
}

}  // namespace radarctl::serve
