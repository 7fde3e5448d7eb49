// The handler table as data: one row per command code, in code order. A value
// row gives the scan format, the accepted range of each value field in field
// order (unsigned unless marked signed), the rule that sets the handler apart
// from the common steps, and the group's Get, Set and Put functions.
#include <tuple>
#include <type_traits>
#include <utility>

#include "handlers.h"
#include "params/width.h"
#include "radar.h"

namespace radar::incoming {
namespace {

// ---- Adapters: the group's exported functions, called with field values ----

template <class... P>
int16_t get_values(int16_t(RADAR_API *get)(P...), int64_t *values) {
    // Pointer parameters receive the fields; a by-value first parameter (the
    // entry number, the brightness item) is passed the value in hand.
    std::tuple<std::remove_pointer_t<P>...> cells{};
    const int16_t status = [&]<std::size_t... I>(std::index_sequence<I...>) {
        auto argument = [&]<std::size_t J>(std::integral_constant<std::size_t, J>) {
            using T = std::tuple_element_t<J, std::tuple<P...>>;
            if constexpr (std::is_pointer_v<T>)
                return &std::get<J>(cells);
            else
                return static_cast<T>(values[J]);
        };
        return get(argument(std::integral_constant<std::size_t, I>{})...);
    }(std::index_sequence_for<P...>{});
    [&]<std::size_t... I>(std::index_sequence<I...>) {
        ((std::is_pointer_v<std::tuple_element_t<I, std::tuple<P...>>>
              ? void(values[I] = static_cast<int64_t>(std::get<I>(cells)))
              : void()),
         ...);
    }(std::index_sequence_for<P...>{});
    return status;
}

template <class... A>
int16_t set_values(int16_t(RADAR_API *set)(A...), const int64_t *values) {
    return [&]<std::size_t... I>(std::index_sequence<I...>) {
        return set(static_cast<A>(values[I])...);
    }(std::index_sequence_for<A...>{});
}

template <class... A>
int16_t put_values(int16_t(RADAR_API *put)(uint16_t, A...), uint16_t kind, const int64_t *values) {
    return [&]<std::size_t... I>(std::index_sequence<I...>) {
        return put(kind, static_cast<A>(values[I])...);
    }(std::index_sequence_for<A...>{});
}

template <class... A>
constexpr std::array<Width, most_fields> widths_of(int16_t(RADAR_API *)(A...)) {
    std::array<Width, most_fields> widths{};
    std::size_t i = 0;
    ((widths[i++] = width_of<A>()), ...);
    return widths;
}
template <class... A>
constexpr std::size_t arity(int16_t(RADAR_API *)(A...)) {
    return sizeof...(A);
}

struct Group {
    GetValues get;
    SetValues set;
    PutValues put;
    std::size_t set_arity;
    std::array<Width, most_fields> set_widths;
};

template <auto Get, auto Set, auto Put>
constexpr Group group() {
    return Group{[](int64_t *v) { return get_values(Get, v); },
                 [](const int64_t *v) { return set_values(Set, v); },
                 [](uint16_t kind, const int64_t *v) { return put_values(Put, kind, v); },
                 arity(Set), widths_of(Set)};
}

template <auto Set>
constexpr SetValues set = [](const int64_t *v) { return set_values(Set, v); };

// ---- Row builders ---------------------------------------------------------

constexpr Range u(int64_t lo, int64_t hi) { return {true, false, lo, hi}; }
constexpr Range s(int64_t lo, int64_t hi) { return {true, true, lo, hi}; }
constexpr Range any() { return {false, false, 0, 0}; }

constexpr HandlerRow none(uint8_t code) { return {code, Rule::none, nullptr, 0, {}, {}, nullptr, nullptr, nullptr}; }
constexpr HandlerRow event(uint8_t code) { return {code, Rule::event, nullptr, 0, {}, {}, nullptr, nullptr, nullptr}; }
constexpr HandlerRow pulse(uint8_t code, SetValues set) {
    return {code, Rule::pulse, nullptr, 0, {}, {}, nullptr, set, nullptr};
}

// A value row. The field count and widths come from the format, and must
// agree with the ranges and with the group's Set function: a disagreement
// stops the build.
constexpr HandlerRow row(Rule rule, uint8_t code, const char *format, std::initializer_list<Range> ranges,
                         Group g) {
    HandlerRow r{code, rule, format, 0, {}, {}, g.get, g.set, g.put};
    for (const char *f = format; *f != '\0'; ++f) {
        if (*f != '%') continue;
        ++f;
        while (*f >= '0' && *f <= '9') ++f;
        if (*f == 's') continue;  // field 1
        r.wide[r.fields++] = *f == 'l';
    }
    if (ranges.size() != r.fields) throw "a range for every value field";
    if (g.set_arity != r.fields) throw "the Set function takes every value field";
    std::size_t i = 0;
    for (const Range &range : ranges) {
        const bool wide = g.set_widths[i] == Width::u32 || g.set_widths[i] == Width::s32;
        if (wide != r.wide[i]) throw "\"l\" fields are the 32-bit arguments";
        r.ranges[i++] = range;
    }
    return r;
}
constexpr HandlerRow common(uint8_t c, const char *f, std::initializer_list<Range> r, Group g) {
    return row(Rule::common, c, f, r, g);
}
constexpr HandlerRow selector(uint8_t c, const char *f, std::initializer_list<Range> r, Group g) {
    return row(Rule::selector, c, f, r, g);
}
constexpr HandlerRow bright(uint8_t c, const char *f, std::initializer_list<Range> r, Group g) {
    return row(Rule::bright, c, f, r, g);
}
constexpr HandlerRow erase(uint8_t c, const char *f, std::initializer_list<Range> r, Group g) {
    return row(Rule::erase, c, f, r, g);
}

}  // namespace

// clang-format off
extern constexpr std::array<HandlerRow, code_count> handler_table = {{
    event(0x00),
    none(0x01),
    none(0x02),
    common(0x03, "n%4s%1d%1d", {u(0, 3), u(0, 100)}, group<&OrvaneGetRadarGain, &OrvaneSetRadarGain, &OrvanePutRadarGain>()),
    common(0x04, "n%4s%1d%1d", {u(0, 3), u(0, 100)}, group<&OrvaneGetRadarACSea, &OrvaneSetRadarACSea, &OrvanePutRadarACSea>()),
    common(0x05, "n%4s%1d", {u(0, 1)}, group<&OrvaneGetRadarACAuto, &OrvaneSetRadarACAuto, &OrvanePutRadarACAuto>()),
    common(0x06, "n%4s%1d", {u(0, 100)}, group<&OrvaneGetRadarACRain, &OrvaneSetRadarACRain, &OrvanePutRadarACRain>()),
    common(0x07, "n%4s%1d", {u(0, 2)}, group<&OrvaneGetRadarEchoStrech, &OrvaneSetRadarEchoStrech, &OrvanePutRadarEchoStrech>()),
    common(0x08, "n%4s%1d", {u(0, 3)}, group<&OrvaneGetRadarIntReject, &OrvaneSetRadarIntReject, &OrvanePutRadarIntReject>()),
    common(0x09, "n%4s%1d", {u(0, 100)}, group<&OrvaneGetRadarFTC, &OrvaneSetRadarFTC, &OrvanePutRadarFTC>()),
    common(0x0A, "n%4s%1d", {u(0, 2)}, group<&OrvaneGetRadarNoiseReject, &OrvaneSetRadarNoiseReject, &OrvanePutRadarNoiseReject>()),
    common(0x0B, "n%4s%1d%1d", {u(0, 1), u(0, 100)}, group<&OrvaneGetRadarTune, &OrvaneSetRadarTune, &OrvanePutRadarTune>()),
    common(0x0C, "n%4s%1d%1d", {u(0, 3), u(0, 9)}, group<&OrvaneGetRadarCursorMode, &OrvaneSetRadarCursorMode, &OrvanePutRadarCursorMode>()),
    common(0x0D, "n%4s%1d", {u(0, 2)}, group<&OrvaneGetRadarAntHight, &OrvaneSetRadarAntHight, &OrvanePutRadarAntHight>()),
    common(0x0E, "n%4s%1d", {u(0, 2)}, group<&OrvaneGetRadarSTCCurve, &OrvaneSetRadarSTCCurve, &OrvanePutRadarSTCCurve>()),
    common(0x0F, "n%4s%1d", {u(0, 2)}, group<&OrvaneGetRadarDemo, &OrvaneSetRadarDemo, &OrvanePutRadarDemo>()),
    common(0x10, "n%4s%1d", {u(0, 25)}, group<&OrvaneGetRadarMBSAdjust, &OrvaneSetRadarMBSAdjust, &OrvanePutRadarMBSAdjust>()),
    common(0x11, "n%4s%2d", {u(0, 20000)}, group<&OrvaneGetRadarSweepTiming, &OrvaneSetRadarSweepTiming, &OrvanePutRadarSweepTiming>()),
    common(0x12, "n%4s%1d%2d%5l", {u(0, 1), u(0, 3599), u(0, 99999999)}, group<&OrvaneGetRadarOffset, &OrvaneSetRadarOffset, &OrvanePutRadarOffset>()),
    selector(0x13, "n%4s%1d%1d%1d%2d%2d%5l%5l", {u(1, 2), u(0, 1), u(0, 4), u(0, 3599), u(0, 3599), u(0, 99999999), u(0, 99999999)}, group<&OrvaneGetRadarGuard, &OrvaneSetRadarGuard, &OrvanePutRadarGuard>()),
    common(0x14, "n%4s%1d%1d%1d", {u(0, 1), u(0, 359), u(0, 135)}, group<&OrvaneGetRadarBlind, &OrvaneSetRadarBlind, &OrvanePutRadarBlind>()),
    common(0x15, "n%4s%1d%1d", {u(0, 4), u(0, 3599)}, group<&OrvaneGetRadarDispMode, &OrvaneSetRadarDispMode, &OrvanePutRadarDispMode>()),
    common(0x16, "n%4s%1d", {u(0, 1)}, group<&OrvaneGetRadarReverse, &OrvaneSetRadarReverse, &OrvanePutRadarReverse>()),
    common(0x17, "n%4s%1d%1d", {u(0, 17), u(0, 2)}, group<&OrvaneGetRadarRange, &OrvaneSetRadarRange, &OrvanePutRadarRange>()),
    common(0x18, "n%4s%1d%1d%1d", {u(0, 3), u(0, 1), u(0, 1)}, group<&OrvaneGetRadarRings, &OrvaneSetRadarRings, &OrvanePutRadarRings>()),
    common(0x19, "n%4s%1d%2d%5l", {u(0, 2), u(0, 3599), u(0, 99999999)}, group<&OrvaneGetRadarZoom, &OrvaneSetRadarZoom, &OrvanePutRadarZoom>()),
    common(0x1A, "n%4s%1d%2d%5l", {u(0, 2), u(0, 3599), u(0, 99999999)}, group<&OrvaneGetRadarShift, &OrvaneSetRadarShift, &OrvanePutRadarShift>()),
    selector(0x1B, "n%4s%1d%1d%1d%1d%2d", {u(1, 2), u(0, 1), u(0, 1), u(0, 1), u(0, 3599)}, group<&OrvaneGetRadarEBL, &OrvaneSetRadarEBL, &OrvanePutRadarEBL>()),
    selector(0x1C, "n%4s%1d%1d%1d%1d%5l", {u(1, 2), u(0, 2), u(0, 2), u(0, 1), u(0, 99999999)}, group<&OrvaneGetRadarVRM, &OrvaneSetRadarVRM, &OrvanePutRadarVRM>()),
    bright(0x1D, "n%4s%1d%1d", {u(0, 7), u(0, 9)}, group<&OrvaneGetRadarBright, &OrvaneSetRadarBright, &OrvanePutRadarBright>()),
    common(0x1E, "n%4s%1d%1d", {u(0, 1), u(0, 9)}, group<&OrvaneGetRadarHeadingMark, &OrvaneSetRadarHeadingMark, &OrvanePutRadarHeadingMark>()),
    common(0x1F, "n%4s%1d%1d%1d%1d%1d%1d", {u(0, 1), u(0, 1), u(0, 7), u(0, 2), u(0, 4), u(0, 9)}, group<&OrvaneGetRadarTrail, &OrvaneSetRadarTrail, &OrvanePutRadarTrail>()),
    common(0x20, "n%4s%1d%1d%1d%1d", {u(0, 1), u(0, 2), u(0, 7), u(0, 1)}, group<&OrvaneGetRadarWatchman, &OrvaneSetRadarWatchman, &OrvanePutRadarWatchman>()),
    common(0x21, "n%4s%2l", {any()}, group<&OrvaneGetRadarTotalOnHours, &OrvaneSetRadarTotalOnHours, &OrvanePutRadarTotalOnHours>()),
    common(0x22, "n%4s%2l", {any()}, group<&OrvaneGetRadarTotalTxHours, &OrvaneSetRadarTotalTxHours, &OrvanePutRadarTotalTxHours>()),
    common(0x23, "n%4s%1d%1d%1d%2d%5l", {u(0, 1), u(0, 9), u(0, 9999), u(0, 3599), u(0, 99999999)}, group<&OrvaneGetRadarWPTMark, &OrvaneSetRadarWPTMark, &OrvanePutRadarWPTMark>()),
    common(0x24, "n%4s%1d", {u(0, 2)}, group<&OrvaneGetRadarTxStby, &OrvaneSetRadarTxStby, &OrvanePutRadarTxStby>()),
    common(0x25, "n%4s%1d", {u(0, 1)}, group<&OrvaneGetRadarPulseLength, &OrvaneSetRadarPulseLength, &OrvanePutRadarPulseLength>()),
    common(0x26, "n%4s%1d", {u(0, 1)}, group<&OrvaneGetRadarDirSensor, &OrvaneSetRadarDirSensor, &OrvanePutRadarDirSensor>()),
    common(0x27, "n%4s%1d", {u(0, 1)}, group<&OrvaneGetRadarTxAntStatus, &OrvaneSetRadarTxAntStatus, &OrvanePutRadarTxAntStatus>()),
    common(0x28, "n%4s%1d", {u(0, 300)}, group<&OrvaneGetRadarWarmUpTime, &OrvaneSetRadarWarmUpTime, &OrvanePutRadarWarmUpTime>()),
    common(0x29, "n%4s%1d%1l", {u(0, 2), u(0, 262143)}, group<&OrvaneGetRadarRangePreset, &OrvaneSetRadarRangePreset, &OrvanePutRadarRangePreset>()),
    common(0x2A, "n%4s%1d", {u(0, 1)}, group<&OrvaneGetRadarTuneAdjust, &OrvaneSetRadarTuneAdjust, &OrvanePutRadarTuneAdjust>()),
    common(0x2B, "n%4s%1d", {u(0, 1)}, group<&OrvaneGetRadarVideoAdjust, &OrvaneSetRadarVideoAdjust, &OrvanePutRadarVideoAdjust>()),
    common(0x2C, "n%4s%1d", {u(0, 7)}, group<&OrvaneGetRadarAntType, &OrvaneSetRadarAntType, &OrvanePutRadarAntType>()),
    common(0x2D, "n%4s%1d", {u(0, 4)}, group<&OrvaneGetRadarMaxRange, &OrvaneSetRadarMaxRange, &OrvanePutRadarMaxRange>()),
    common(0x2E, "n%4s%1d", {u(0, 1)}, group<&OrvaneGetRadarMonitorMode, &OrvaneSetRadarMonitorMode, &OrvanePutRadarMonitorMode>()),
    common(0x2F, "n%4s%1d", {u(0, 1)}, group<&OrvaneGetRadar2ndEchoReject, &OrvaneSetRadar2ndEchoReject, &OrvanePutRadar2ndEchoReject>()),
    common(0x30, "n%4s%1d", {u(0, 9)}, group<&OrvaneGetRadarSignal, &OrvaneSetRadarSignal, &OrvanePutRadarSignal>()),
    common(0x31, "n%4s%1d", {u(0, 4)}, group<&OrvaneGetRadarBackGround, &OrvaneSetRadarBackGround, &OrvanePutRadarBackGround>()),
    common(0x32, "n%4s%1d", {u(0, 2)}, group<&OrvaneGetRadarEchoColor, &OrvaneSetRadarEchoColor, &OrvanePutRadarEchoColor>()),
    common(0x33, "n%4s%1d%1d", {u(0, 1), u(0, 15)}, group<&OrvaneGetRadarAlarmSound, &OrvaneSetRadarAlarmSound, &OrvanePutRadarAlarmSound>()),
    common(0x34, "n%4s%1d", {u(0, 1)}, group<&OrvaneGetRadarFactory, &OrvaneSetRadarFactory, &OrvanePutRadarFactory>()),
    common(0x35, "n%4s%1d%2d%5l", {u(0, 1), u(0, 3599), u(0, 99999999)}, group<&OrvaneGetRadarCursorPos, &OrvaneSetRadarCursorPos, &OrvanePutRadarCursorPos>()),
    common(0x36, "n%4s%1d", {u(0, 1)}, group<&OrvaneGetRadarDemoData, &OrvaneSetRadarDemoData, &OrvanePutRadarDemoData>()),
    common(0x37, "n%4s%1d%1l%1l", {u(0, 1), s(-353894400, 353894400), s(-707788800, 707788800)}, group<&OrvaneGetRadarOwnPosiLL, &OrvaneSetRadarOwnPosiLL, &OrvanePutRadarOwnPosiLL>()),
    common(0x38, "n%4s%1d%2d%2d", {u(0, 1), u(0, 3599), s(-1799, 1799)}, group<&OrvaneGetRadarNMEAHead, &OrvaneSetRadarNMEAHead, &OrvanePutRadarNMEAHead>()),
    common(0x39, "n%4s%1d", {u(0, 3599)}, group<&OrvaneGetRadarHeadingAdjust, &OrvaneSetRadarHeadingAdjust, &OrvanePutRadarHeadingAdjust>()),
    common(0x3A, "n%4s%1d", {u(0, 999)}, group<&OrvaneGetRadarMaxShiftSpeed, &OrvaneSetRadarMaxShiftSpeed, &OrvanePutRadarMaxShiftSpeed>()),
    common(0x3B, "n%4s%1d", {u(0, 1)}, group<&OrvaneGetRadarAmpType, &OrvaneSetRadarAmpType, &OrvanePutRadarAmpType>()),
    common(0x3C, "n%4s%1d", {u(0, 461)}, group<&OrvaneGetRadarTuneInit, &OrvaneSetRadarTuneInit, &OrvanePutRadarTuneInit>()),
    common(0x3D, "n%4s%1d", {u(0, 100)}, group<&OrvaneGetRadarAutoTune, &OrvaneSetRadarAutoTune, &OrvanePutRadarAutoTune>()),
    common(0x3E, "n%4s%1d", {u(0, 100)}, group<&OrvaneGetRadarTuneInd, &OrvaneSetRadarTuneInd, &OrvanePutRadarTuneInd>()),
    none(0x3F),
    common(0x40, "n%4s%1d%1d", {u(0, 1), u(0, 1)}, group<&OrvaneGetArpaOnOff, &OrvaneSetArpaOnOff, &OrvanePutArpaOnOff>()),
    pulse(0x41, set<&OrvaneSetArpaAllClear>),
    common(0x42, "n%4s%1d", {u(0, 6)}, group<&OrvaneGetArpaPlotInterval, &OrvaneSetArpaPlotInterval, &OrvanePutArpaPlotInterval>()),
    common(0x43, "n%4s%1d", {u(0, 1)}, group<&OrvaneGetArpaVectorMode, &OrvaneSetArpaVectorMode, &OrvanePutArpaVectorMode>()),
    common(0x44, "n%4s%1d", {u(0, 5)}, group<&OrvaneGetArpaVectorTime, &OrvaneSetArpaVectorTime, &OrvanePutArpaVectorTime>()),
    common(0x45, "n%4s%1d", {u(0, 6)}, group<&OrvaneGetArpaCPA, &OrvaneSetArpaCPA, &OrvanePutArpaCPA>()),
    common(0x46, "n%4s%1d", {u(0, 7)}, group<&OrvaneGetArpaTCPA, &OrvaneSetArpaTCPA, &OrvanePutArpaTCPA>()),
    common(0x47, "n%4s%1d", {u(0, 1)}, group<&OrvaneGetArpaAutoACQ, &OrvaneSetArpaAutoACQ, &OrvanePutArpaAutoACQ>()),
    common(0x48, "n%4s%1d", {any()}, group<&OrvaneGetArpaAlarm, &OrvaneSetArpaAlarm, &OrvanePutArpaAlarm>()),
    common(0x49, "n%4s%1d", {u(0, 1)}, group<&OrvaneGetArpaMark, &OrvaneSetArpaMark, &OrvanePutArpaMark>()),
    common(0x4A, "n%4s%1ld%2d", {any(), u(0, 3599)}, group<&OrvaneGetArpaACQData, &OrvaneSetArpaACQData, &OrvanePutArpaACQData>()),
    erase(0x4B, "n%4s%1d", {u(256, 2815)}, group<&OrvaneGetArpaEraseData, &OrvaneSetArpaEraseData, &OrvanePutArpaEraseData>()),
    common(0x4C, "n%4s%1d", {u(0, 1)}, group<&OrvaneGetArpaTargetNumber, &OrvaneSetArpaTargetNumber, &OrvanePutArpaTargetNumber>()),
    event(0x4D),
    event(0x4E),
    event(0x4F),
    event(0x50),
    event(0x51),
    common(0x52, "n%4s%1d%1d", {u(0, 1), u(0, 1)}, group<&OrvaneGetArpaServerOnOff, &OrvaneSetArpaServerOnOff, &OrvanePutArpaServerOnOff>()),
    event(0x53),
    event(0x54),
    common(0x55, "n%4s%1d%1d", {u(0, 1), u(0, 3599)}, group<&OrvaneGetOwnCourse, &OrvaneSetOwnCourse, &OrvanePutOwnCourse>()),
    common(0x56, "n%4s%1x%1x%1x%1x%1x%1x%1x%1x%1x%1x", {any(), any(), any(), any(), any(), any(), any(), any(), any(), any()}, group<&OrvaneGetArpaStatus, &OrvaneSetArpaStatus, &OrvanePutArpaStatus>()),
    pulse(0x57, set<&OrvaneSetArpaAlarmStop>),
}};
// clang-format on

constexpr bool rows_in_code_order() {
    for (std::size_t i = 0; i < handler_table.size(); ++i)
        if (handler_table[i].code != i) return false;
    return true;
}
static_assert(rows_in_code_order(), "the row of each code sits at that code");

}  // namespace radar::incoming
