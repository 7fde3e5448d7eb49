// The rows of the Put catalogue, one per command code with a sentence, in code
// order. Hold a row against the radar's catalogue: arguments after the kind in
// call order (type, range, rendering) and the data form.
#pragma once

#include <iterator>

#include "catalogue.h"

namespace radar::sentences {

constexpr Argument argument(Width width, bool checked, int64_t lo, int64_t hi, Render render) {
    return Argument{width, checked, lo, hi, render};
}
constexpr Argument u16(int64_t lo, int64_t hi, Render r) {
    return argument(Width::u16, true, lo, hi, r);
}
constexpr Argument u16(Render r) { return argument(Width::u16, false, 0, 0, r); }
constexpr Argument s16(int64_t lo, int64_t hi, Render r) {
    return argument(Width::s16, true, lo, hi, r);
}
constexpr Argument u32(int64_t lo, int64_t hi, Render r) {
    return argument(Width::u32, true, lo, hi, r);
}
constexpr Argument u32(Render r) { return argument(Width::u32, false, 0, 0, r); }
constexpr Argument s32(int64_t lo, int64_t hi, Render r) {
    return argument(Width::s32, true, lo, hi, r);
}
constexpr Argument s32(Render r) { return argument(Width::s32, false, 0, 0, r); }

constexpr Sentence row(PutStem stem, uint8_t code, const char *form,
                       std::initializer_list<Argument> arguments) {
    Sentence sentence{stem, code, form, static_cast<uint8_t>(arguments.size()), {}};
    std::size_t i = 0;
    for (const Argument &a : arguments) sentence.arguments[i++] = a;
    return sentence;
}

constexpr Render integer = Render::integer;
constexpr Render tenths = Render::tenths;
constexpr Render signed_tenths = Render::signed_tenths;
constexpr Render ten_thousandths = Render::ten_thousandths;
constexpr Render erase_index = Render::erase_index;
constexpr Render not_written = Render::not_written;

// clang-format off
inline constexpr Sentence catalogue[] = {
    row(PutRadarGain, 0x03, "$%c03,%d,%d\r\n", {u16(0, 3, integer), u16(0, 100, integer)}),
    row(PutRadarACSea, 0x04, "$%c04,%d,%d\r\n", {u16(0, 3, integer), u16(0, 100, integer)}),
    row(PutRadarACAuto, 0x05, "$%c05,%d\r\n", {u16(0, 1, integer)}),
    row(PutRadarACRain, 0x06, "$%c06,%d\r\n", {u16(0, 100, integer)}),
    row(PutRadarEchoStrech, 0x07, "$%c07,%d\r\n", {u16(0, 2, integer)}),
    row(PutRadarIntReject, 0x08, "$%c08,%d\r\n", {u16(0, 3, integer)}),
    row(PutRadarFTC, 0x09, "$%c09,%d\r\n", {u16(0, 100, integer)}),
    row(PutRadarNoiseReject, 0x0A, "$%c0A,%d\r\n", {u16(0, 2, integer)}),
    row(PutRadarTune, 0x0B, "$%c0B,%d,%d\r\n", {u16(0, 1, integer), u16(0, 461, integer)}),
    row(PutRadarCursorMode, 0x0C, "$%c0C,%d,%d\r\n", {u16(0, 3, integer), u16(0, 9, integer)}),
    row(PutRadarAntHight, 0x0D, "$%c0D,%d\r\n", {u16(0, 2, integer)}),
    row(PutRadarSTCCurve, 0x0E, "$%c0E,%d\r\n", {u16(0, 2, integer)}),
    row(PutRadarDemo, 0x0F, "$%c0F,%d\r\n", {u16(0, 2, integer)}),
    row(PutRadarMBSAdjust, 0x10, "$%c10,%d\r\n", {u16(0, 25, integer)}),
    row(PutRadarSweepTiming, 0x11, "$%c11,%d.%d\r\n", {u16(0, 20000, tenths)}),
    row(PutRadarOffset, 0x12, "$%c12,%d,%d.%d,%ld.%04ld\r\n", {u16(0, 1, integer), u16(0, 3599, tenths), u32(0, 99999999, ten_thousandths)}),
    row(PutRadarGuard, 0x13, "$%c13,%d,%d,%d,%d.%d,%d.%d,%ld.%04ld,%d.%04ld\r\n", {u16(1, 2, integer), u16(0, 1, integer), u16(0, 4, integer), u16(0, 3599, tenths), u16(0, 3599, tenths), u32(0, 99999999, ten_thousandths), u32(0, 99999999, ten_thousandths)}),
    row(PutRadarBlind, 0x14, "$%c14,%d,%d,%d\r\n", {u16(0, 1, integer), u16(0, 359, integer), u16(0, 135, integer)}),
    row(PutRadarDispMode, 0x15, "$%c15,%d,%d\r\n", {u16(0, 3, integer), u16(0, 3599, integer)}),
    row(PutRadarReverse, 0x16, "$%c16,%d\r\n", {u16(0, 1, integer)}),
    row(PutRadarRange, 0x17, "$%c17,%d,%d\r\n", {u16(0, 17, integer), u16(0, 2, integer)}),
    row(PutRadarRings, 0x18, "$%c18,%d,%d,%d\r\n", {u16(0, 3, integer), u16(0, 1, integer), u16(0, 1, integer)}),
    row(PutRadarZoom, 0x19, "$%c19,%d,%d.%d,%ld.%04ld\r\n", {u16(0, 2, integer), u16(0, 3599, tenths), u32(0, 99999999, ten_thousandths)}),
    row(PutRadarShift, 0x1A, "$%c1A,%d,%d.%d,%ld.%04ld\r\n", {u16(0, 2, integer), u16(0, 3599, tenths), u32(0, 99999999, ten_thousandths)}),
    row(PutRadarEBL, 0x1B, "$%c1B,%d,%d,%d,%d,%d.%d,\r\n", {u16(1, 2, integer), u16(0, 1, integer), u16(0, 1, integer), u16(0, 1, integer), u16(0, 3599, tenths)}),
    row(PutRadarVRM, 0x1C, "$%c1C,%d,%d,%d,%d,%ld.%04ld\r\n", {u16(1, 2, integer), u16(0, 2, integer), u16(0, 2, integer), u16(0, 1, integer), u32(0, 99999999, ten_thousandths)}),
    row(PutRadarBright, 0x1D, "$%c1D,%d,%d\r\n", {u16(0, 7, integer), u16(0, 9, integer)}),
    row(PutRadarHeadingMark, 0x1E, "$%c1E,%d,%d\r\n", {u16(0, 1, integer), u16(0, 9, integer)}),
    row(PutRadarTrail, 0x1F, "$%c1F,%d,%d,%d,%d,%d,%d\r\n", {u16(0, 1, integer), u16(0, 1, integer), u16(0, 7, integer), u16(0, 2, integer), u16(0, 4, integer), u16(0, 9, integer)}),
    row(PutRadarWatchman, 0x20, "$%c20,%d,%d,%d\r\n", {u16(0, 1, not_written), u16(0, 2, integer), u16(0, 7, integer), u16(0, 1, integer)}),
    row(PutRadarTotalOnHours, 0x21, "$%c21,%d.%d\r\n", {u32(tenths)}),
    row(PutRadarTotalTxHours, 0x22, "$%c22,%d.%d\r\n", {u32(tenths)}),
    row(PutRadarWPTMark, 0x23, "$%c23,%d,%d,%d,%d.%d,%ld.%04ld\r\n", {u16(0, 1, integer), u16(0, 9, integer), u16(0, 9999, integer), u16(0, 3599, tenths), u32(0, 99999999, ten_thousandths)}),
    row(PutRadarTxStby, 0x24, "$%c24,%d\r\n", {u16(0, 3, integer)}),
    row(PutRadarPulseLength, 0x25, "$%c25,%d\r\n", {u16(0, 1, integer)}),
    row(PutRadarDirSensor, 0x26, "$%c26,%d\r\n", {u16(0, 1, integer)}),
    row(PutRadarTxAntStatus, 0x27, "$%c27,%d\r\n", {u16(0, 1, integer)}),
    row(PutRadarWarmUpTime, 0x28, "$%c28,%d\r\n", {u16(0, 300, integer)}),
    row(PutRadarRangePreset, 0x29, "$%c29,%d,%ld\r\n", {u16(0, 2, integer), u32(0, 262143, integer)}),
    row(PutRadarTuneAdjust, 0x2A, "$%c2A,%d\r\n", {u16(0, 1, integer)}),
    row(PutRadarVideoAdjust, 0x2B, "$%c2B,%d\r\n", {u16(0, 1, integer)}),
    row(PutRadarAntType, 0x2C, "$%c2C,%d\r\n", {u16(0, 7, integer)}),
    row(PutRadarMaxRange, 0x2D, "$%c2D,%d\r\n", {u16(0, 4, integer)}),
    row(PutRadarMonitorMode, 0x2E, "$%c2E,%d\r\n", {u16(0, 1, integer)}),
    row(PutRadar2ndEchoReject, 0x2F, "$%c2F,%d\r\n", {u16(0, 1, integer)}),
    row(PutRadarSignal, 0x30, "$%c30,%d\r\n", {u16(0, 9, integer)}),
    row(PutRadarBackGround, 0x31, "$%c31,%d\r\n", {u16(0, 4, integer)}),
    row(PutRadarEchoColor, 0x32, "$%c32,%d\r\n", {u16(0, 2, integer)}),
    row(PutRadarAlarmSound, 0x33, "$%c33,%d,%d\r\n", {u16(0, 1, integer), u16(0, 15, integer)}),
    row(PutRadarFactory, 0x34, "$%c34,%d\r\n", {u16(0, 1, integer)}),
    row(PutRadarCursorPos, 0x35, "$%c35,%d,%d.%d,%ld.%04ld\r\n", {u16(0, 1, integer), u16(0, 3599, tenths), u32(0, 99999999, ten_thousandths)}),
    row(PutRadarDemoData, 0x36, "$%c36,%d\r\n", {u16(0, 1, integer)}),
    row(PutRadarOwnPosiLL, 0x37, "$%c37,%d,%ld,%ld\r\n", {u16(0, 1, integer), s32(-353894400, 353894400, integer), s32(-707788800, 707788800, integer)}),
    row(PutRadarNMEAHead, 0x38, "$%c38,%d,%d.%d,%d.%d\r\n", {u16(0, 1, integer), u16(0, 3599, tenths), s16(-1799, 1799, signed_tenths)}),
    row(PutRadarHeadingAdjust, 0x39, "$%c39,%d.%d\r\n", {u16(0, 3599, tenths)}),
    row(PutRadarMaxShiftSpeed, 0x3A, "$%c3A,%d.%d\r\n", {u16(0, 999, tenths)}),
    row(PutRadarAmpType, 0x3B, "$%c3B,%d\r\n", {u16(0, 1, integer)}),
    row(PutRadarTuneInit, 0x3C, "$%c3C,%d\r\n", {u16(0, 461, integer)}),
    row(PutRadarAutoTune, 0x3D, "$%c3D,%d\r\n", {u16(0, 100, integer)}),
    row(PutRadarTuneInd, 0x3E, "$%c3E,%d\r\n", {u16(0, 100, integer)}),
    row(PutArpaOnOff, 0x40, "$%c40,%d\r\n", {u16(0, 1, integer), u16(0, 1, not_written)}),
    row(PutArpaAllClear, 0x41, nullptr, {}),
    row(PutArpaPlotInterval, 0x42, "$%c42,%d\r\n", {u16(0, 6, integer)}),
    row(PutArpaVectorMode, 0x43, "$%c43,%d\r\n", {u16(0, 1, integer)}),
    row(PutArpaVectorTime, 0x44, "$%c44,%d\r\n", {u16(0, 5, integer)}),
    row(PutArpaCPA, 0x45, "$%c45,%d\r\n", {u16(0, 6, integer)}),
    row(PutArpaTCPA, 0x46, "$%c46,%d\r\n", {u16(0, 7, integer)}),
    row(PutArpaAutoACQ, 0x47, "$%c47,%d\r\n", {u16(0, 1, integer)}),
    row(PutArpaAlarm, 0x48, "$%c48,%d\r\n", {u16(integer)}),
    row(PutArpaMark, 0x49, "$%c49,%d\r\n", {u16(integer)}),
    row(PutArpaACQData, 0x4A, "$%c4A,%ld,%d.%d\r\n", {s32(integer), u16(0, 3599, tenths)}),
    row(PutArpaEraseData, 0x4B, "$%c4B,%d\r\n", {u16(0, 9, erase_index)}),
    row(PutArpaTargetNumber, 0x4C, "$%c4C,%d\r\n", {u16(0, 1, integer)}),
    row(PutArpaServerOnOff, 0x52, "$%c52,%d,%d\r\n", {u16(0, 1, integer), u16(0, 1, integer)}),
    row(PutOwnCourse, 0x55, "$%c55,%d,%d\r\n", {u16(0, 1, integer), u16(0, 3599, integer)}),
    row(PutArpaStatus, 0x56, "$%c56,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d\r\n", {u16(integer), u16(integer), u16(integer), u16(integer), u16(integer), u16(integer), u16(integer), u16(integer), u16(integer), u16(integer)}),
    row(PutArpaAlarmStop, 0x57, nullptr, {}),
};
// clang-format on

static_assert(std::size(catalogue) == put_stem_count, "one row per Put function");
static_assert(put_stem_count == 77, "77 command codes have a sentence");

// Rows sit at their stem's index, in ascending code order, and every data
// form carries the row's own code.
constexpr bool rows_in_order() {
    for (std::size_t i = 0; i < std::size(catalogue); ++i) {
        const Sentence &s = catalogue[i];
        if (s.stem != i) return false;
        if (i > 0 && s.code <= catalogue[i - 1].code) return false;
        constexpr char hex[] = "0123456789ABCDEF";
        if (s.form != nullptr && (s.form[0] != '$' || s.form[1] != '%' || s.form[2] != 'c' ||
                                  s.form[3] != hex[s.code >> 4] || s.form[4] != hex[s.code & 15]))
            return false;
    }
    return true;
}
static_assert(rows_in_order());

}  // namespace radar::sentences
