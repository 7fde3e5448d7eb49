// The Put catalogue as data: one row per command code that has a sentence, in
// code order. A row gives the data arguments after the kind, in call order,
// each with its type, accepted range (or none) and how its field is written,
// and the data form, the format text of the sentence for kinds S, R and N.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "params/width.h"

namespace radar::sentences {

// How an argument becomes fields of the data form.
enum class Render : uint8_t {
    integer,          // "%d" / "%ld": the value, signed or not as its type says
    tenths,           // "%d.%d": v / 10 and v % 10
    signed_tenths,    // "%d.%d" of a signed value: both parts carry the sign (-15: "-1.-5")
    ten_thousandths,  // "%ld.%04ld": v / 10000 and v % 10000 in four digits
    erase_index,      // "%d": (index + 1) * 256, in 16 bits
    not_written,      // tested against its range, but no field
};

struct Argument {
    Width width;
    bool checked;  // false: any value
    int64_t lo, hi;
    Render render;
};

enum PutStem : uint8_t {
    PutRadarGain,
    PutRadarACSea,
    PutRadarACAuto,
    PutRadarACRain,
    PutRadarEchoStrech,
    PutRadarIntReject,
    PutRadarFTC,
    PutRadarNoiseReject,
    PutRadarTune,
    PutRadarCursorMode,
    PutRadarAntHight,
    PutRadarSTCCurve,
    PutRadarDemo,
    PutRadarMBSAdjust,
    PutRadarSweepTiming,
    PutRadarOffset,
    PutRadarGuard,
    PutRadarBlind,
    PutRadarDispMode,
    PutRadarReverse,
    PutRadarRange,
    PutRadarRings,
    PutRadarZoom,
    PutRadarShift,
    PutRadarEBL,
    PutRadarVRM,
    PutRadarBright,
    PutRadarHeadingMark,
    PutRadarTrail,
    PutRadarWatchman,
    PutRadarTotalOnHours,
    PutRadarTotalTxHours,
    PutRadarWPTMark,
    PutRadarTxStby,
    PutRadarPulseLength,
    PutRadarDirSensor,
    PutRadarTxAntStatus,
    PutRadarWarmUpTime,
    PutRadarRangePreset,
    PutRadarTuneAdjust,
    PutRadarVideoAdjust,
    PutRadarAntType,
    PutRadarMaxRange,
    PutRadarMonitorMode,
    PutRadar2ndEchoReject,
    PutRadarSignal,
    PutRadarBackGround,
    PutRadarEchoColor,
    PutRadarAlarmSound,
    PutRadarFactory,
    PutRadarCursorPos,
    PutRadarDemoData,
    PutRadarOwnPosiLL,
    PutRadarNMEAHead,
    PutRadarHeadingAdjust,
    PutRadarMaxShiftSpeed,
    PutRadarAmpType,
    PutRadarTuneInit,
    PutRadarAutoTune,
    PutRadarTuneInd,
    PutArpaOnOff,
    PutArpaAllClear,
    PutArpaPlotInterval,
    PutArpaVectorMode,
    PutArpaVectorTime,
    PutArpaCPA,
    PutArpaTCPA,
    PutArpaAutoACQ,
    PutArpaAlarm,
    PutArpaMark,
    PutArpaACQData,
    PutArpaEraseData,
    PutArpaTargetNumber,
    PutArpaServerOnOff,
    PutOwnCourse,
    PutArpaStatus,
    PutArpaAlarmStop,
    put_stem_count
};

struct Sentence {
    PutStem stem;
    uint8_t code;
    const char *form;  // null: the sentence is always sent in its bare form
    uint8_t count;
    std::array<Argument, 10> arguments;
};

}  // namespace radar::sentences
