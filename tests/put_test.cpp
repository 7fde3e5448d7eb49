// The Put family through the shared library: every sentence for every kind,
// sent on a real TCP connection and compared byte for byte with what the
// radar expects; every range check; the 32-bit argument slots; the results
// of a send that cannot go out.
#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <unistd.h>
#endif

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "loopback_station.h"
#include "netlib_double.h"
#include "radar.h"

namespace {

using namespace loopback;
using Values = std::vector<int64_t>;

struct Range {
    bool any;
    bool wide;  // 32 bits; else 16, taken from the low half of its slot
    int64_t lo, hi;
};
Range U16(int64_t lo, int64_t hi) { return {false, false, lo, hi}; }
Range S16(int64_t lo, int64_t hi) { return {false, false, lo, hi}; }
Range U32(int64_t lo, int64_t hi) { return {false, true, lo, hi}; }
Range S32(int64_t lo, int64_t hi) { return {false, true, lo, hi}; }
Range U16Any() { return {true, false, 0, 0}; }
Range U32Any() { return {true, true, 0, 0}; }
Range S32Any() { return {true, true, 0, 0}; }

using Call = std::function<int16_t(uint32_t kind, const Values &)>;

// Calls the Put function with its declared argument types.
template <class... A>
Call typed(int16_t (*put)(uint16_t, A...)) {
    return [put](uint32_t kind, const Values &v) {
        return [&]<std::size_t... I>(std::index_sequence<I...>) {
            return put(static_cast<uint16_t>(kind), static_cast<A>(v[I])...);
        }
        (std::index_sequence_for<A...>{});
    };
}

// Calls the Put function the way a caller sees its binary interface: every
// argument a full 32-bit slot, so the upper half of a 16-bit one may be set.
template <class A>
using Slot = uint32_t;
template <class... A>
Call slotted(int16_t (*put)(uint16_t, A...)) {
    using Slots = int16_t (*)(uint32_t, Slot<A>...);
    const auto raw = reinterpret_cast<Slots>(reinterpret_cast<void (*)()>(put));
    return [raw](uint32_t kind, const Values &v) {
        return [&]<std::size_t... I>(std::index_sequence<I...>) {
            return raw(kind, static_cast<uint32_t>(v[I])...);
        }
        (std::index_sequence_for<A...>{});
    };
}

struct Sample {
    Values values;
    std::string text;  // after "$" and the kind letter, before CR LF: "03,1,55"
};

struct Row {
    const char *name;
    int code;
    Call call, call_slots;
    std::vector<Range> ranges;
    std::vector<Sample> samples;  // at the low bounds, in between, at the high bounds
};

const std::vector<Row> &rows() {
    static const std::vector<Row> table = {
        {"PutRadarGain",
         0x03,
         typed(&OrvanePutRadarGain),
         slotted(&OrvanePutRadarGain),
         {U16(0, 3), U16(0, 100)},
         {{{0, 0}, "03,0,0"}, {{1, 50}, "03,1,50"}, {{3, 100}, "03,3,100"}}},
        {"PutRadarACSea",
         0x04,
         typed(&OrvanePutRadarACSea),
         slotted(&OrvanePutRadarACSea),
         {U16(0, 3), U16(0, 100)},
         {{{0, 0}, "04,0,0"}, {{1, 50}, "04,1,50"}, {{3, 100}, "04,3,100"}}},
        {"PutRadarACAuto",
         0x05,
         typed(&OrvanePutRadarACAuto),
         slotted(&OrvanePutRadarACAuto),
         {U16(0, 1)},
         {{{0}, "05,0"}, {{1}, "05,1"}, {{1}, "05,1"}}},
        {"PutRadarACRain",
         0x06,
         typed(&OrvanePutRadarACRain),
         slotted(&OrvanePutRadarACRain),
         {U16(0, 100)},
         {{{0}, "06,0"}, {{50}, "06,50"}, {{100}, "06,100"}}},
        {"PutRadarEchoStrech",
         0x07,
         typed(&OrvanePutRadarEchoStrech),
         slotted(&OrvanePutRadarEchoStrech),
         {U16(0, 2)},
         {{{0}, "07,0"}, {{1}, "07,1"}, {{2}, "07,2"}}},
        {"PutRadarIntReject",
         0x08,
         typed(&OrvanePutRadarIntReject),
         slotted(&OrvanePutRadarIntReject),
         {U16(0, 3)},
         {{{0}, "08,0"}, {{1}, "08,1"}, {{3}, "08,3"}}},
        {"PutRadarFTC",
         0x09,
         typed(&OrvanePutRadarFTC),
         slotted(&OrvanePutRadarFTC),
         {U16(0, 100)},
         {{{0}, "09,0"}, {{50}, "09,50"}, {{100}, "09,100"}}},
        {"PutRadarNoiseReject",
         0x0A,
         typed(&OrvanePutRadarNoiseReject),
         slotted(&OrvanePutRadarNoiseReject),
         {U16(0, 2)},
         {{{0}, "0A,0"}, {{1}, "0A,1"}, {{2}, "0A,2"}}},
        {"PutRadarTune",
         0x0B,
         typed(&OrvanePutRadarTune),
         slotted(&OrvanePutRadarTune),
         {U16(0, 1), U16(0, 461)},
         {{{0, 0}, "0B,0,0"}, {{1, 230}, "0B,1,230"}, {{1, 461}, "0B,1,461"}}},
        {"PutRadarCursorMode",
         0x0C,
         typed(&OrvanePutRadarCursorMode),
         slotted(&OrvanePutRadarCursorMode),
         {U16(0, 3), U16(0, 9)},
         {{{0, 0}, "0C,0,0"}, {{1, 4}, "0C,1,4"}, {{3, 9}, "0C,3,9"}}},
        {"PutRadarAntHight",
         0x0D,
         typed(&OrvanePutRadarAntHight),
         slotted(&OrvanePutRadarAntHight),
         {U16(0, 2)},
         {{{0}, "0D,0"}, {{1}, "0D,1"}, {{2}, "0D,2"}}},
        {"PutRadarSTCCurve",
         0x0E,
         typed(&OrvanePutRadarSTCCurve),
         slotted(&OrvanePutRadarSTCCurve),
         {U16(0, 2)},
         {{{0}, "0E,0"}, {{1}, "0E,1"}, {{2}, "0E,2"}}},
        {"PutRadarDemo",
         0x0F,
         typed(&OrvanePutRadarDemo),
         slotted(&OrvanePutRadarDemo),
         {U16(0, 2)},
         {{{0}, "0F,0"}, {{1}, "0F,1"}, {{2}, "0F,2"}}},
        {"PutRadarMBSAdjust",
         0x10,
         typed(&OrvanePutRadarMBSAdjust),
         slotted(&OrvanePutRadarMBSAdjust),
         {U16(0, 25)},
         {{{0}, "10,0"}, {{12}, "10,12"}, {{25}, "10,25"}}},
        {"PutRadarSweepTiming",
         0x11,
         typed(&OrvanePutRadarSweepTiming),
         slotted(&OrvanePutRadarSweepTiming),
         {U16(0, 20000)},
         {{{0}, "11,0.0"}, {{10000}, "11,1000.0"}, {{20000}, "11,2000.0"}}},
        {"PutRadarOffset",
         0x12,
         typed(&OrvanePutRadarOffset),
         slotted(&OrvanePutRadarOffset),
         {U16(0, 1), U16(0, 3599), U32(0, 99999999)},
         {{{0, 0, 0}, "12,0,0.0,0.0000"},
          {{1, 1799, 49999999}, "12,1,179.9,4999.9999"},
          {{1, 3599, 99999999}, "12,1,359.9,9999.9999"}}},
        {"PutRadarGuard",
         0x13,
         typed(&OrvanePutRadarGuard),
         slotted(&OrvanePutRadarGuard),
         {U16(1, 2), U16(0, 1), U16(0, 4), U16(0, 3599), U16(0, 3599), U32(0, 99999999),
          U32(0, 99999999)},
         {{{1, 0, 0, 0, 0, 0, 0}, "13,1,0,0,0.0,0.0,0.0000,0.0000"},
          {{2, 1, 2, 1799, 1799, 49999999, 49999999}, "13,2,1,2,179.9,179.9,4999.9999,4999.9999"},
          {{2, 1, 4, 3599, 3599, 99999999, 99999999}, "13,2,1,4,359.9,359.9,9999.9999,9999.9999"}}},
        {"PutRadarBlind",
         0x14,
         typed(&OrvanePutRadarBlind),
         slotted(&OrvanePutRadarBlind),
         {U16(0, 1), U16(0, 359), U16(0, 135)},
         {{{0, 0, 0}, "14,0,0,0"}, {{1, 179, 67}, "14,1,179,67"}, {{1, 359, 135}, "14,1,359,135"}}},
        {"PutRadarDispMode",
         0x15,
         typed(&OrvanePutRadarDispMode),
         slotted(&OrvanePutRadarDispMode),
         {U16(0, 3), U16(0, 3599)},
         {{{0, 0}, "15,0,0"}, {{1, 1799}, "15,1,1799"}, {{3, 3599}, "15,3,3599"}}},
        {"PutRadarReverse",
         0x16,
         typed(&OrvanePutRadarReverse),
         slotted(&OrvanePutRadarReverse),
         {U16(0, 1)},
         {{{0}, "16,0"}, {{1}, "16,1"}, {{1}, "16,1"}}},
        {"PutRadarRange",
         0x17,
         typed(&OrvanePutRadarRange),
         slotted(&OrvanePutRadarRange),
         {U16(0, 17), U16(0, 2)},
         {{{0, 0}, "17,0,0"}, {{8, 1}, "17,8,1"}, {{17, 2}, "17,17,2"}}},
        {"PutRadarRings",
         0x18,
         typed(&OrvanePutRadarRings),
         slotted(&OrvanePutRadarRings),
         {U16(0, 3), U16(0, 1), U16(0, 1)},
         {{{0, 0, 0}, "18,0,0,0"}, {{1, 1, 1}, "18,1,1,1"}, {{3, 1, 1}, "18,3,1,1"}}},
        {"PutRadarZoom",
         0x19,
         typed(&OrvanePutRadarZoom),
         slotted(&OrvanePutRadarZoom),
         {U16(0, 2), U16(0, 3599), U32(0, 99999999)},
         {{{0, 0, 0}, "19,0,0.0,0.0000"},
          {{1, 1799, 49999999}, "19,1,179.9,4999.9999"},
          {{2, 3599, 99999999}, "19,2,359.9,9999.9999"}}},
        {"PutRadarShift",
         0x1A,
         typed(&OrvanePutRadarShift),
         slotted(&OrvanePutRadarShift),
         {U16(0, 2), U16(0, 3599), U32(0, 99999999)},
         {{{0, 0, 0}, "1A,0,0.0,0.0000"},
          {{1, 1799, 49999999}, "1A,1,179.9,4999.9999"},
          {{2, 3599, 99999999}, "1A,2,359.9,9999.9999"}}},
        {"PutRadarEBL",
         0x1B,
         typed(&OrvanePutRadarEBL),
         slotted(&OrvanePutRadarEBL),
         {U16(1, 2), U16(0, 1), U16(0, 1), U16(0, 1), U16(0, 3599)},
         {{{1, 0, 0, 0, 0}, "1B,1,0,0,0,0.0,"},
          {{2, 1, 1, 1, 1799}, "1B,2,1,1,1,179.9,"},
          {{2, 1, 1, 1, 3599}, "1B,2,1,1,1,359.9,"}}},
        {"PutRadarVRM",
         0x1C,
         typed(&OrvanePutRadarVRM),
         slotted(&OrvanePutRadarVRM),
         {U16(1, 2), U16(0, 2), U16(0, 2), U16(0, 1), U32(0, 99999999)},
         {{{1, 0, 0, 0, 0}, "1C,1,0,0,0,0.0000"},
          {{2, 1, 1, 1, 49999999}, "1C,2,1,1,1,4999.9999"},
          {{2, 2, 2, 1, 99999999}, "1C,2,2,2,1,9999.9999"}}},
        {"PutRadarBright",
         0x1D,
         typed(&OrvanePutRadarBright),
         slotted(&OrvanePutRadarBright),
         {U16(0, 7), U16(0, 9)},
         {{{0, 0}, "1D,0,0"}, {{3, 4}, "1D,3,4"}, {{7, 9}, "1D,7,9"}}},
        {"PutRadarHeadingMark",
         0x1E,
         typed(&OrvanePutRadarHeadingMark),
         slotted(&OrvanePutRadarHeadingMark),
         {U16(0, 1), U16(0, 9)},
         {{{0, 0}, "1E,0,0"}, {{1, 4}, "1E,1,4"}, {{1, 9}, "1E,1,9"}}},
        {"PutRadarTrail",
         0x1F,
         typed(&OrvanePutRadarTrail),
         slotted(&OrvanePutRadarTrail),
         {U16(0, 1), U16(0, 1), U16(0, 7), U16(0, 2), U16(0, 4), U16(0, 9)},
         {{{0, 0, 0, 0, 0, 0}, "1F,0,0,0,0,0,0"},
          {{1, 1, 3, 1, 2, 4}, "1F,1,1,3,1,2,4"},
          {{1, 1, 7, 2, 4, 9}, "1F,1,1,7,2,4,9"}}},
        {"PutRadarWatchman",
         0x20,
         typed(&OrvanePutRadarWatchman),
         slotted(&OrvanePutRadarWatchman),
         {U16(0, 1), U16(0, 2), U16(0, 7), U16(0, 1)},
         {{{0, 0, 0, 0}, "20,0,0,0"}, {{1, 1, 3, 1}, "20,1,3,1"}, {{1, 2, 7, 1}, "20,2,7,1"}}},
        {"PutRadarTotalOnHours",
         0x21,
         typed(&OrvanePutRadarTotalOnHours),
         slotted(&OrvanePutRadarTotalOnHours),
         {U32Any()},
         {{{0}, "21,0.0"}, {{12345}, "21,1234.5"}, {{4294967295}, "21,429496729.5"}}},
        {"PutRadarTotalTxHours",
         0x22,
         typed(&OrvanePutRadarTotalTxHours),
         slotted(&OrvanePutRadarTotalTxHours),
         {U32Any()},
         {{{0}, "22,0.0"}, {{12345}, "22,1234.5"}, {{4294967295}, "22,429496729.5"}}},
        {"PutRadarWPTMark",
         0x23,
         typed(&OrvanePutRadarWPTMark),
         slotted(&OrvanePutRadarWPTMark),
         {U16(0, 1), U16(0, 9), U16(0, 9999), U16(0, 3599), U32(0, 99999999)},
         {{{0, 0, 0, 0, 0}, "23,0,0,0,0.0,0.0000"},
          {{1, 4, 4999, 1799, 49999999}, "23,1,4,4999,179.9,4999.9999"},
          {{1, 9, 9999, 3599, 99999999}, "23,1,9,9999,359.9,9999.9999"}}},
        {"PutRadarTxStby",
         0x24,
         typed(&OrvanePutRadarTxStby),
         slotted(&OrvanePutRadarTxStby),
         {U16(0, 3)},
         {{{0}, "24,0"}, {{1}, "24,1"}, {{3}, "24,3"}}},
        {"PutRadarPulseLength",
         0x25,
         typed(&OrvanePutRadarPulseLength),
         slotted(&OrvanePutRadarPulseLength),
         {U16(0, 1)},
         {{{0}, "25,0"}, {{1}, "25,1"}, {{1}, "25,1"}}},
        {"PutRadarDirSensor",
         0x26,
         typed(&OrvanePutRadarDirSensor),
         slotted(&OrvanePutRadarDirSensor),
         {U16(0, 1)},
         {{{0}, "26,0"}, {{1}, "26,1"}, {{1}, "26,1"}}},
        {"PutRadarTxAntStatus",
         0x27,
         typed(&OrvanePutRadarTxAntStatus),
         slotted(&OrvanePutRadarTxAntStatus),
         {U16(0, 1)},
         {{{0}, "27,0"}, {{1}, "27,1"}, {{1}, "27,1"}}},
        {"PutRadarWarmUpTime",
         0x28,
         typed(&OrvanePutRadarWarmUpTime),
         slotted(&OrvanePutRadarWarmUpTime),
         {U16(0, 300)},
         {{{0}, "28,0"}, {{150}, "28,150"}, {{300}, "28,300"}}},
        {"PutRadarRangePreset",
         0x29,
         typed(&OrvanePutRadarRangePreset),
         slotted(&OrvanePutRadarRangePreset),
         {U16(0, 2), U32(0, 262143)},
         {{{0, 0}, "29,0,0"}, {{1, 131071}, "29,1,131071"}, {{2, 262143}, "29,2,262143"}}},
        {"PutRadarTuneAdjust",
         0x2A,
         typed(&OrvanePutRadarTuneAdjust),
         slotted(&OrvanePutRadarTuneAdjust),
         {U16(0, 1)},
         {{{0}, "2A,0"}, {{1}, "2A,1"}, {{1}, "2A,1"}}},
        {"PutRadarVideoAdjust",
         0x2B,
         typed(&OrvanePutRadarVideoAdjust),
         slotted(&OrvanePutRadarVideoAdjust),
         {U16(0, 1)},
         {{{0}, "2B,0"}, {{1}, "2B,1"}, {{1}, "2B,1"}}},
        {"PutRadarAntType",
         0x2C,
         typed(&OrvanePutRadarAntType),
         slotted(&OrvanePutRadarAntType),
         {U16(0, 7)},
         {{{0}, "2C,0"}, {{3}, "2C,3"}, {{7}, "2C,7"}}},
        {"PutRadarMaxRange",
         0x2D,
         typed(&OrvanePutRadarMaxRange),
         slotted(&OrvanePutRadarMaxRange),
         {U16(0, 4)},
         {{{0}, "2D,0"}, {{2}, "2D,2"}, {{4}, "2D,4"}}},
        {"PutRadarMonitorMode",
         0x2E,
         typed(&OrvanePutRadarMonitorMode),
         slotted(&OrvanePutRadarMonitorMode),
         {U16(0, 1)},
         {{{0}, "2E,0"}, {{1}, "2E,1"}, {{1}, "2E,1"}}},
        {"PutRadar2ndEchoReject",
         0x2F,
         typed(&OrvanePutRadar2ndEchoReject),
         slotted(&OrvanePutRadar2ndEchoReject),
         {U16(0, 1)},
         {{{0}, "2F,0"}, {{1}, "2F,1"}, {{1}, "2F,1"}}},
        {"PutRadarSignal",
         0x30,
         typed(&OrvanePutRadarSignal),
         slotted(&OrvanePutRadarSignal),
         {U16(0, 9)},
         {{{0}, "30,0"}, {{4}, "30,4"}, {{9}, "30,9"}}},
        {"PutRadarBackGround",
         0x31,
         typed(&OrvanePutRadarBackGround),
         slotted(&OrvanePutRadarBackGround),
         {U16(0, 4)},
         {{{0}, "31,0"}, {{2}, "31,2"}, {{4}, "31,4"}}},
        {"PutRadarEchoColor",
         0x32,
         typed(&OrvanePutRadarEchoColor),
         slotted(&OrvanePutRadarEchoColor),
         {U16(0, 2)},
         {{{0}, "32,0"}, {{1}, "32,1"}, {{2}, "32,2"}}},
        {"PutRadarAlarmSound",
         0x33,
         typed(&OrvanePutRadarAlarmSound),
         slotted(&OrvanePutRadarAlarmSound),
         {U16(0, 1), U16(0, 15)},
         {{{0, 0}, "33,0,0"}, {{1, 7}, "33,1,7"}, {{1, 15}, "33,1,15"}}},
        {"PutRadarFactory",
         0x34,
         typed(&OrvanePutRadarFactory),
         slotted(&OrvanePutRadarFactory),
         {U16(0, 1)},
         {{{0}, "34,0"}, {{1}, "34,1"}, {{1}, "34,1"}}},
        {"PutRadarCursorPos",
         0x35,
         typed(&OrvanePutRadarCursorPos),
         slotted(&OrvanePutRadarCursorPos),
         {U16(0, 1), U16(0, 3599), U32(0, 99999999)},
         {{{0, 0, 0}, "35,0,0.0,0.0000"},
          {{1, 1799, 49999999}, "35,1,179.9,4999.9999"},
          {{1, 3599, 99999999}, "35,1,359.9,9999.9999"}}},
        {"PutRadarDemoData",
         0x36,
         typed(&OrvanePutRadarDemoData),
         slotted(&OrvanePutRadarDemoData),
         {U16(0, 1)},
         {{{0}, "36,0"}, {{1}, "36,1"}, {{1}, "36,1"}}},
        {"PutRadarOwnPosiLL",
         0x37,
         typed(&OrvanePutRadarOwnPosiLL),
         slotted(&OrvanePutRadarOwnPosiLL),
         {U16(0, 1), S32(-353894400, 353894400), S32(-707788800, 707788800)},
         {{{0, -353894400, -707788800}, "37,0,-353894400,-707788800"},
          {{1, 0, 0}, "37,1,0,0"},
          {{1, 353894400, 707788800}, "37,1,353894400,707788800"}}},
        {"PutRadarNMEAHead",
         0x38,
         typed(&OrvanePutRadarNMEAHead),
         slotted(&OrvanePutRadarNMEAHead),
         {U16(0, 1), U16(0, 3599), S16(-1799, 1799)},
         {{{0, 0, -1799}, "38,0,0.0,-179.-9"},
          {{1, 1799, 0}, "38,1,179.9,0.0"},
          {{1, 3599, 1799}, "38,1,359.9,179.9"}}},
        {"PutRadarHeadingAdjust",
         0x39,
         typed(&OrvanePutRadarHeadingAdjust),
         slotted(&OrvanePutRadarHeadingAdjust),
         {U16(0, 3599)},
         {{{0}, "39,0.0"}, {{1799}, "39,179.9"}, {{3599}, "39,359.9"}}},
        {"PutRadarMaxShiftSpeed",
         0x3A,
         typed(&OrvanePutRadarMaxShiftSpeed),
         slotted(&OrvanePutRadarMaxShiftSpeed),
         {U16(0, 999)},
         {{{0}, "3A,0.0"}, {{499}, "3A,49.9"}, {{999}, "3A,99.9"}}},
        {"PutRadarAmpType",
         0x3B,
         typed(&OrvanePutRadarAmpType),
         slotted(&OrvanePutRadarAmpType),
         {U16(0, 1)},
         {{{0}, "3B,0"}, {{1}, "3B,1"}, {{1}, "3B,1"}}},
        {"PutRadarTuneInit",
         0x3C,
         typed(&OrvanePutRadarTuneInit),
         slotted(&OrvanePutRadarTuneInit),
         {U16(0, 461)},
         {{{0}, "3C,0"}, {{230}, "3C,230"}, {{461}, "3C,461"}}},
        {"PutRadarAutoTune",
         0x3D,
         typed(&OrvanePutRadarAutoTune),
         slotted(&OrvanePutRadarAutoTune),
         {U16(0, 100)},
         {{{0}, "3D,0"}, {{50}, "3D,50"}, {{100}, "3D,100"}}},
        {"PutRadarTuneInd",
         0x3E,
         typed(&OrvanePutRadarTuneInd),
         slotted(&OrvanePutRadarTuneInd),
         {U16(0, 100)},
         {{{0}, "3E,0"}, {{50}, "3E,50"}, {{100}, "3E,100"}}},
        {"PutArpaOnOff",
         0x40,
         typed(&OrvanePutArpaOnOff),
         slotted(&OrvanePutArpaOnOff),
         {U16(0, 1), U16(0, 1)},
         {{{0, 0}, "40,0"}, {{1, 1}, "40,1"}, {{1, 1}, "40,1"}}},
        {"PutArpaAllClear",
         0x41,
         typed(&OrvanePutArpaAllClear),
         slotted(&OrvanePutArpaAllClear),
         {},
         {{{}, "41"}, {{}, "41"}, {{}, "41"}}},
        {"PutArpaPlotInterval",
         0x42,
         typed(&OrvanePutArpaPlotInterval),
         slotted(&OrvanePutArpaPlotInterval),
         {U16(0, 6)},
         {{{0}, "42,0"}, {{3}, "42,3"}, {{6}, "42,6"}}},
        {"PutArpaVectorMode",
         0x43,
         typed(&OrvanePutArpaVectorMode),
         slotted(&OrvanePutArpaVectorMode),
         {U16(0, 1)},
         {{{0}, "43,0"}, {{1}, "43,1"}, {{1}, "43,1"}}},
        {"PutArpaVectorTime",
         0x44,
         typed(&OrvanePutArpaVectorTime),
         slotted(&OrvanePutArpaVectorTime),
         {U16(0, 5)},
         {{{0}, "44,0"}, {{2}, "44,2"}, {{5}, "44,5"}}},
        {"PutArpaCPA",
         0x45,
         typed(&OrvanePutArpaCPA),
         slotted(&OrvanePutArpaCPA),
         {U16(0, 6)},
         {{{0}, "45,0"}, {{3}, "45,3"}, {{6}, "45,6"}}},
        {"PutArpaTCPA",
         0x46,
         typed(&OrvanePutArpaTCPA),
         slotted(&OrvanePutArpaTCPA),
         {U16(0, 7)},
         {{{0}, "46,0"}, {{3}, "46,3"}, {{7}, "46,7"}}},
        {"PutArpaAutoACQ",
         0x47,
         typed(&OrvanePutArpaAutoACQ),
         slotted(&OrvanePutArpaAutoACQ),
         {U16(0, 1)},
         {{{0}, "47,0"}, {{1}, "47,1"}, {{1}, "47,1"}}},
        {"PutArpaAlarm",
         0x48,
         typed(&OrvanePutArpaAlarm),
         slotted(&OrvanePutArpaAlarm),
         {U16Any()},
         {{{0}, "48,0"}, {{12345}, "48,12345"}, {{65535}, "48,65535"}}},
        {"PutArpaMark",
         0x49,
         typed(&OrvanePutArpaMark),
         slotted(&OrvanePutArpaMark),
         {U16Any()},
         {{{0}, "49,0"}, {{12345}, "49,12345"}, {{65535}, "49,65535"}}},
        {"PutArpaACQData",
         0x4A,
         typed(&OrvanePutArpaACQData),
         slotted(&OrvanePutArpaACQData),
         {S32Any(), U16(0, 3599)},
         {{{-2147483648, 0}, "4A,-2147483648,0.0"},
          {{-12345, 1799}, "4A,-12345,179.9"},
          {{2147483647, 3599}, "4A,2147483647,359.9"}}},
        {"PutArpaEraseData",
         0x4B,
         typed(&OrvanePutArpaEraseData),
         slotted(&OrvanePutArpaEraseData),
         {U16(0, 9)},
         {{{0}, "4B,256"}, {{4}, "4B,1280"}, {{9}, "4B,2560"}}},
        {"PutArpaTargetNumber",
         0x4C,
         typed(&OrvanePutArpaTargetNumber),
         slotted(&OrvanePutArpaTargetNumber),
         {U16(0, 1)},
         {{{0}, "4C,0"}, {{1}, "4C,1"}, {{1}, "4C,1"}}},
        {"PutArpaServerOnOff",
         0x52,
         typed(&OrvanePutArpaServerOnOff),
         slotted(&OrvanePutArpaServerOnOff),
         {U16(0, 1), U16(0, 1)},
         {{{0, 0}, "52,0,0"}, {{1, 1}, "52,1,1"}, {{1, 1}, "52,1,1"}}},
        {"PutOwnCourse",
         0x55,
         typed(&OrvanePutOwnCourse),
         slotted(&OrvanePutOwnCourse),
         {U16(0, 1), U16(0, 3599)},
         {{{0, 0}, "55,0,0"}, {{1, 1799}, "55,1,1799"}, {{1, 3599}, "55,1,3599"}}},
        {"PutArpaStatus",
         0x56,
         typed(&OrvanePutArpaStatus),
         slotted(&OrvanePutArpaStatus),
         {U16Any(), U16Any(), U16Any(), U16Any(), U16Any(), U16Any(), U16Any(), U16Any(), U16Any(),
          U16Any()},
         {{{0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "56,0,0,0,0,0,0,0,0,0,0"},
          {{12345, 12345, 12345, 12345, 12345, 12345, 12345, 12345, 12345, 12345},
           "56,12345,12345,12345,12345,12345,12345,12345,12345,12345,12345"},
          {{65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535},
           "56,65535,65535,65535,65535,65535,65535,65535,65535,65535,65535"}}},
        {"PutArpaAlarmStop",
         0x57,
         typed(&OrvanePutArpaAlarmStop),
         slotted(&OrvanePutArpaAlarmStop),
         {},
         {{{}, "57"}, {{}, "57"}, {{}, "57"}}},
    };
    return table;
}

const char letters[] = "SRNXEO";

// The bytes a sentence puts on the wire: its text, CR LF and one zero byte.
std::string wire(uint32_t kind, const Row &row, const Sample &sample) {
    char code[3];
    std::snprintf(code, sizeof code, "%02X", row.code);
    const std::string body = kind <= 2 ? sample.text : std::string(code);
    return std::string("$") + letters[kind] + body + "\r\n" + std::string(1, '\0');
}

class Put : public ::testing::Test {
  protected:
    void SetUp() override {
        connection_ = connect_pair();
        ASSERT_GE(connection_.far.get(), 0);
        // Register with the network library's double and deliver one message
        // from the connection: its socket becomes the reply socket.
        ASSERT_EQ(OrvaneInitRadarFunc("TEST", nullptr), RADAR_OK);
        ASSERT_NE(netlib_double::conversion, nullptr);
        int32_t handle = connection_.near.get();
        netlib_double::conversion(88, "", &handle);
    }

    // Reads exactly what `expected` holds and compares it.
    void expect_received(const std::string &expected, const std::string &legend) {
        EXPECT_EQ(read_n(connection_.far.get(), expected.size()), expected) << legend;
    }

    // Sends a known sentence and expects it to be the very next thing on the
    // wire: nothing went out in between.
    void expect_nothing_sent_before_marker(const std::string &legend) {
        ASSERT_EQ(OrvanePutRadarGain(2, 1, 2), RADAR_OK);
        expect_received(std::string("$N03,1,2\r\n", 11), legend + " (marker)");
    }

    Connection connection_;
};

TEST_F(Put, EverySentenceForEveryKindIsExactOnTheWire) {
    for (const Row &row : rows()) {
        for (uint32_t kind = 0; kind <= 5; ++kind) {
            for (const Sample &sample : row.samples) {
                const std::string legend =
                    std::string(row.name) + " kind " + letters[kind] + " " + sample.text;
                ASSERT_EQ(row.call(kind, sample.values), RADAR_OK) << legend;
                expect_received(wire(kind, row, sample), legend);
                if (HasFailure()) return;  // the stream is out of step from here on
            }
        }
    }
    EXPECT_FALSE(readable(connection_.far.get())) << "more bytes than the sentences";
}

TEST_F(Put, OnePastEveryBoundIsRefusedForEveryKindAndSendsNothing) {
    for (const Row &row : rows()) {
        for (std::size_t i = 0; i < row.ranges.size(); ++i) {
            if (row.ranges[i].any) continue;
            // -1 for an unsigned argument arrives as its largest value.
            for (int64_t wrong : {row.ranges[i].lo - 1, row.ranges[i].hi + 1}) {
                Values values = row.samples[2].values;
                values[i] = wrong;
                for (uint32_t kind = 0; kind <= 5; ++kind)
                    EXPECT_EQ(row.call(kind, values), RADAR_OUT_OF_RANGE)
                        << row.name << " argument " << i + 1 << " = " << wrong << " kind " << kind;
            }
        }
        expect_nothing_sent_before_marker(row.name);
        if (HasFailure()) return;
    }
}

TEST_F(Put, AKindAboveFiveIsRefused) {
    for (const Row &row : rows()) {
        for (uint32_t kind : {6u, 7u, 255u, 65535u})
            EXPECT_EQ(row.call(kind, row.samples[0].values), RADAR_OUT_OF_RANGE)
                << row.name << " kind " << kind;
        expect_nothing_sent_before_marker(row.name);
        if (HasFailure()) return;
    }
}

TEST_F(Put, SixteenBitArgumentsAreTakenFromTheLowHalfOfTheirSlots) {
    for (const Row &row : rows()) {
        const Sample &sample = row.samples[2];
        Values slots = sample.values;
        for (std::size_t i = 0; i < slots.size(); ++i)
            if (!row.ranges[i].wide)
                slots[i] = static_cast<uint16_t>(slots[i]) + 65536 * int64_t(i + 1);
        // Kind 2 with its slot's upper half set is still kind N.
        ASSERT_EQ(row.call_slots(2 + 65536, slots), RADAR_OK) << row.name;
        expect_received(wire(2, row, sample), row.name);
        ASSERT_EQ(row.call_slots(4 + 0xFFFF0000u, slots), RADAR_OK) << row.name;
        expect_received(wire(4, row, sample), row.name);
        if (HasFailure()) return;
    }
}

// The worked examples, as the radar's documentation writes them.
TEST_F(Put, WorkedExamples) {
    struct Example {
        const char *legend;
        std::function<int16_t()> call;
        int16_t status;
        std::string bytes;  // empty when nothing is sent
    };
    const std::string nul(1, '\0');
    const Example examples[] = {
        {"gain S 1 55", [] { return OrvanePutRadarGain(0, 1, 55); }, 0, "$S03,1,55\r\n" + nul},
        {"gain N 3 100", [] { return OrvanePutRadarGain(2, 3, 100); }, 0, "$N03,3,100\r\n" + nul},
        {"gain E bare", [] { return OrvanePutRadarGain(4, 1, 55); }, 0, "$E03\r\n" + nul},
        {"gain E level 101", [] { return OrvanePutRadarGain(4, 1, 101); }, -2, ""},
        {"gain kind 6", [] { return OrvanePutRadarGain(6, 1, 55); }, -2, ""},
        {"offset", [] { return OrvanePutRadarOffset(0, 1, 1234, 5); }, 0,
         "$S12,1,123.4,0.0005\r\n" + nul},
        {"guard zone 2", [] { return OrvanePutRadarGuard(2, 2, 1, 4, 3599, 0, 99999999, 10000); },
         0, "$N13,2,1,4,359.9,0.0,9999.9999,1.0000\r\n" + nul},
        {"guard zone 0", [] { return OrvanePutRadarGuard(3, 0, 1, 4, 3599, 0, 99999999, 10000); },
         -2, ""},
        {"EBL trailing comma", [] { return OrvanePutRadarEBL(0, 1, 0, 1, 0, 5); }, 0,
         "$S1B,1,0,1,0,0.5,\r\n" + nul},
        {"watchman", [] { return OrvanePutRadarWatchman(0, 1, 2, 7, 0); }, 0,
         "$S20,2,7,0\r\n" + nul},
        {"watchman first 2", [] { return OrvanePutRadarWatchman(0, 2, 2, 7, 0); }, -2, ""},
        {"ARPA on", [] { return OrvanePutArpaOnOff(0, 1, 0); }, 0, "$S40,1\r\n" + nul},
        {"ARPA on second 5", [] { return OrvanePutArpaOnOff(0, 1, 5); }, -2, ""},
        {"NMEA head -15", [] { return OrvanePutRadarNMEAHead(0, 0, 0, -15); }, 0,
         "$S38,0,0.0,-1.-5\r\n" + nul},
        {"NMEA head -5", [] { return OrvanePutRadarNMEAHead(0, 0, 0, -5); }, 0,
         "$S38,0,0.0,0.-5\r\n" + nul},
        {"NMEA heading 3600", [] { return OrvanePutRadarNMEAHead(0, 0, 3600, 0); }, -2, ""},
        {"NMEA value 1800", [] { return OrvanePutRadarNMEAHead(0, 0, 0, 1800); }, -2, ""},
        {"latitude", [] { return OrvanePutRadarOwnPosiLL(0, 1, -353894400, 0); }, 0,
         "$S37,1,-353894400,0\r\n" + nul},
        {"latitude one less", [] { return OrvanePutRadarOwnPosiLL(0, 1, -353894401, 0); }, -2, ""},
        {"erase index 0", [] { return OrvanePutArpaEraseData(2, 0); }, 0, "$N4B,256\r\n" + nul},
        {"erase index 10", [] { return OrvanePutArpaEraseData(2, 10); }, -2, ""},
        {"hours", [] { return OrvanePutRadarTotalOnHours(0, 4294967295u); }, 0,
         "$S21,429496729.5\r\n" + nul},
        {"all clear", [] { return OrvanePutArpaAllClear(0); }, 0, "$S41\r\n" + nul},
        {"all clear kind 6", [] { return OrvanePutArpaAllClear(6); }, -2, ""},
        {"alarm stop N", [] { return OrvanePutArpaAlarmStop(2); }, 0, "$N57\r\n" + nul},
        {"amp type", [] { return OrvanePutRadarAmpType(2, 1); }, 0, "$N3B,1\r\n" + nul},
        {"tune init", [] { return OrvanePutRadarTuneInit(2, 1); }, 0, "$N3C,1\r\n" + nul},
        {"auto tune", [] { return OrvanePutRadarAutoTune(2, 1); }, 0, "$N3D,1\r\n" + nul},
        {"tune indicator", [] { return OrvanePutRadarTuneInd(2, 1); }, 0, "$N3E,1\r\n" + nul},
        {"display mode 4", [] { return OrvanePutRadarDispMode(0, 4, 0); }, -2, ""},
        {"display mode bearing", [] { return OrvanePutRadarDispMode(0, 3, 3599); }, 0,
         "$S15,3,3599\r\n" + nul},
        {"shift upper case", [] { return OrvanePutRadarShift(1, 2, 5, 123456); }, 0,
         "$R1A,2,0.5,12.3456\r\n" + nul},
        {"blind width 0", [] { return OrvanePutRadarBlind(0, 0, 359, 0); }, 0,
         "$S14,0,359,0\r\n" + nul},
        {"status 66 characters",
         [] {
             return OrvanePutArpaStatus(2, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535,
                                        65535, 65535);
         },
         0, "$N56,65535,65535,65535,65535,65535,65535,65535,65535,65535,65535\r\n" + nul},
    };
    for (const Example &e : examples) {
        EXPECT_EQ(e.call(), e.status) << e.legend;
        if (!e.bytes.empty()) expect_received(e.bytes, e.legend);
        if (HasFailure()) return;
    }
    expect_nothing_sent_before_marker("worked examples");
}

TEST_F(Put, APeerThatHasGoneGivesMinusThreeAndTheProcessLivesOn) {
    connection_.far.reset();
    // The first send may still be taken by the kernel before the reset
    // arrives; within a few sends every one fails, without a signal.
    ASSERT_TRUE(eventually([] { return OrvanePutRadarGain(0, 1, 55) == RADAR_NOT_SENT; }));
    EXPECT_EQ(OrvanePutArpaAllClear(0), RADAR_NOT_SENT);
}

// An open handle of another kind: a pipe's end on POSIX, an event on Windows.
class NoSocket {
  public:
    NoSocket(const NoSocket &) = delete;
    NoSocket &operator=(const NoSocket &) = delete;
#if defined(_WIN32)
    NoSocket() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~NoSocket() {
        if (event_ != nullptr) CloseHandle(event_);
    }
    bool open() const { return event_ != nullptr; }
    int32_t handle() const { return static_cast<int32_t>(reinterpret_cast<intptr_t>(event_)); }

  private:
    HANDLE event_;
#else
    NoSocket() {
        if (pipe(ends_) != 0) ends_[0] = ends_[1] = -1;
    }
    ~NoSocket() {
        if (open()) {
            close(ends_[0]);
            close(ends_[1]);
        }
    }
    bool open() const { return ends_[1] >= 0; }
    int32_t handle() const { return ends_[1]; }

  private:
    int ends_[2];
#endif
};

TEST_F(Put, AReplyHandleThatIsNoSocketGivesMinusThree) {
    NoSocket other;
    ASSERT_TRUE(other.open());
    int32_t handle = other.handle();
    netlib_double::conversion(3, "$N03,1,1\r\n", &handle);
    EXPECT_EQ(OrvanePutRadarGain(0, 1, 55), RADAR_NOT_SENT);
}

TEST(PutCatalogue, CoversEveryCommandCodeWithASentence) {
    std::vector<int> codes;
    for (const Row &row : rows()) codes.push_back(row.code);
    std::vector<int> expected;
    for (int code = 0x03; code <= 0x3E; ++code) expected.push_back(code);
    for (int code = 0x40; code <= 0x4C; ++code) expected.push_back(code);
    for (int code : {0x52, 0x55, 0x56, 0x57}) expected.push_back(code);
    EXPECT_EQ(codes, expected);
}

}  // namespace
