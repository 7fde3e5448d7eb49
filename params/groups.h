// The Set/Get catalogue as data: one row per Set/Get stem, in command-code
// order. A row lists the group's fields in argument order, each with where it
// lives in the record, its width and signedness, and the range its Set
// function accepts. The exported functions are one-line wrappers over
// `store` and `load` with their row.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "record.h"
#include "width.h"

namespace radar::params {

using radar::Width;

// What a field's argument does in the Set function.
enum class Role : uint8_t {
    value,     // checked (when `checked`) and stored
    selector,  // picks entry 1 or 2 of a numbered group; checked, not stored
};

struct Field {
    Width width = Width::u16;
    Role role = Role::value;
    bool checked = false;    // false: any value is stored as given
    bool per_entry = false;  // offset is entry 1's; entry 2 lies `entry_stride` further
    uint16_t offset = 0;     // byte offset in the record
    int64_t lo = 0, hi = 0;  // accepted range, bounds included
};

// How the Get function takes its first argument.
enum class Lead : uint8_t {
    pointer,   // like every other argument: a pointer to the field
    selector,  // by value: the entry number 1 or 2; anything else is refused
    ignored,   // by value and unused (the brightness item)
};

// Row order; `table[stem]` is the row of that stem.
enum Stem : uint8_t {
    RadarGain,
    RadarACSea,
    RadarACAuto,
    RadarACRain,
    RadarEchoStrech,
    RadarIntReject,
    RadarFTC,
    RadarNoiseReject,
    RadarTune,
    RadarCursorMode,
    RadarCursorPos,
    RadarAntHight,
    RadarSTCCurve,
    RadarDemo,
    RadarMBSAdjust,
    RadarSweepTiming,
    RadarOffset,
    RadarGuard,
    RadarBlind,
    RadarDispMode,
    RadarReverse,
    RadarRange,
    RadarRings,
    RadarZoom,
    RadarShift,
    RadarEBL,
    RadarVRM,
    RadarBright,
    RadarHeadingMark,
    RadarTrail,
    RadarWatchman,
    RadarTotalOnHours,
    RadarTotalTxHours,
    RadarWPTMark,
    RadarTxStby,
    RadarPulseLength,
    RadarDirSensor,
    RadarTxAntStatus,
    RadarWarmUpTime,
    RadarRangePreset,
    RadarTuneAdjust,
    RadarVideoAdjust,
    RadarAntType,
    RadarMaxRange,
    RadarMonitorMode,
    Radar2ndEchoReject,
    RadarSignal,
    RadarBackGround,
    RadarEchoColor,
    RadarAlarmSound,
    RadarFactory,
    RadarDemoData,
    RadarOwnPosiLL,
    RadarNMEAHead,
    RadarHeadingAdjust,
    RadarMaxShiftSpeed,
    RadarAmpType,
    RadarTuneInit,
    RadarAutoTune,
    RadarTuneInd,
    ArpaOnOff,
    ArpaAllClear,
    ArpaPlotInterval,
    ArpaVectorMode,
    ArpaVectorTime,
    ArpaCPA,
    ArpaTCPA,
    ArpaAutoACQ,
    ArpaAlarm,
    ArpaMark,
    ArpaACQData,
    ArpaEraseData,
    ArpaTargetNumber,
    ArpaServerOnOff,
    OwnCourse,
    ArpaStatus,
    ArpaAlarmStop,
    stem_count
};

struct Group {
    Stem stem;
    uint8_t code;
    Lead lead;
    uint16_t entry_stride;
    uint8_t count;                 // arguments of the Set function
    std::array<Field, 10> fields;  // in argument order
};

int16_t store(const Group &group, const int64_t *values);
int16_t load(const Group &group, int64_t lead, void *const *targets);

}  // namespace radar::params
