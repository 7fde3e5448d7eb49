// The exported Set and Get functions: each passes its arguments, with the row
// of its stem, to `store` or `load`. The compiler checks every signature twice:
// against the declaration in radar.h, and against the widths in the row.
#include <type_traits>

#include "radar.h"
#include "table.h"

namespace radar::params {
namespace {

template <Stem S, class... A>
constexpr bool set_matches() {
    return widths_match<A...>(table[S].fields, table[S].count);
}

template <Stem S, class... A>
int16_t set(A... values) {
    static_assert(set_matches<S, A...>(), "Set arguments disagree with the row");
    const int64_t numbers[] = {static_cast<int64_t>(values)...};
    return store(table[S], numbers);
}

// The Get takes the same types as the Set, as pointers, except a by-value lead.
template <Stem S, class First, class... Rest>
int16_t get(First first, Rest *...rest) {
    constexpr const Group &g = table[S];
    if constexpr (g.lead == Lead::pointer) {
        static_assert(std::is_pointer_v<First>);
        static_assert(set_matches<S, std::remove_pointer_t<First>, Rest...>(),
                      "Get pointers disagree with the row");
        void *const targets[] = {first, rest...};
        return load(g, 0, targets);
    } else {
        static_assert(!std::is_pointer_v<First>);
        static_assert(set_matches<S, First, Rest...>(), "Get pointers disagree with the row");
        void *const targets[] = {nullptr, rest...};
        return load(g, static_cast<int64_t>(first), targets);
    }
}

}  // namespace
}  // namespace radar::params

using namespace radar::params;

extern "C" {
// clang-format off
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarGain(uint16_t mode, uint16_t level) { return set<RadarGain>(mode, level); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarGain(uint16_t *mode, uint16_t *level) { return get<RadarGain>(mode, level); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarACSea(uint16_t mode, uint16_t level) { return set<RadarACSea>(mode, level); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarACSea(uint16_t *mode, uint16_t *level) { return get<RadarACSea>(mode, level); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarACAuto(uint16_t setting) { return set<RadarACAuto>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarACAuto(uint16_t *setting) { return get<RadarACAuto>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarACRain(uint16_t level) { return set<RadarACRain>(level); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarACRain(uint16_t *level) { return get<RadarACRain>(level); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarEchoStrech(uint16_t setting) { return set<RadarEchoStrech>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarEchoStrech(uint16_t *setting) { return get<RadarEchoStrech>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarIntReject(uint16_t setting) { return set<RadarIntReject>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarIntReject(uint16_t *setting) { return get<RadarIntReject>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarFTC(uint16_t level) { return set<RadarFTC>(level); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarFTC(uint16_t *level) { return get<RadarFTC>(level); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarNoiseReject(uint16_t setting) { return set<RadarNoiseReject>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarNoiseReject(uint16_t *setting) { return get<RadarNoiseReject>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarTune(uint16_t mode, uint16_t value) { return set<RadarTune>(mode, value); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarTune(uint16_t *mode, uint16_t *value) { return get<RadarTune>(mode, value); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarCursorMode(uint16_t mode, uint16_t value) { return set<RadarCursorMode>(mode, value); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarCursorMode(uint16_t *mode, uint16_t *value) { return get<RadarCursorMode>(mode, value); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarCursorPos(uint16_t setting, uint16_t bearing, uint32_t distance) { return set<RadarCursorPos>(setting, bearing, distance); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarCursorPos(uint16_t *setting, uint16_t *bearing, uint32_t *distance) { return get<RadarCursorPos>(setting, bearing, distance); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarAntHight(uint16_t setting) { return set<RadarAntHight>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarAntHight(uint16_t *setting) { return get<RadarAntHight>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarSTCCurve(uint16_t setting) { return set<RadarSTCCurve>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarSTCCurve(uint16_t *setting) { return get<RadarSTCCurve>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarDemo(uint16_t setting) { return set<RadarDemo>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarDemo(uint16_t *setting) { return get<RadarDemo>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarMBSAdjust(uint16_t value) { return set<RadarMBSAdjust>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarMBSAdjust(uint16_t *value) { return get<RadarMBSAdjust>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarSweepTiming(uint16_t value) { return set<RadarSweepTiming>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarSweepTiming(uint16_t *value) { return get<RadarSweepTiming>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarOffset(uint16_t setting, uint16_t bearing, uint32_t distance) { return set<RadarOffset>(setting, bearing, distance); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarOffset(uint16_t *setting, uint16_t *bearing, uint32_t *distance) { return get<RadarOffset>(setting, bearing, distance); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarGuard(int16_t zone, uint16_t setting, uint16_t type, uint16_t bearing1, uint16_t bearing2, uint32_t distance1, uint32_t distance2) { return set<RadarGuard>(zone, setting, type, bearing1, bearing2, distance1, distance2); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarGuard(int16_t zone, uint16_t *setting, uint16_t *type, uint16_t *bearing1, uint16_t *bearing2, uint32_t *distance1, uint32_t *distance2) { return get<RadarGuard>(zone, setting, type, bearing1, bearing2, distance1, distance2); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarBlind(uint16_t setting, uint16_t bearing, uint16_t width) { return set<RadarBlind>(setting, bearing, width); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarBlind(uint16_t *setting, uint16_t *bearing, uint16_t *width) { return get<RadarBlind>(setting, bearing, width); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarDispMode(uint16_t mode, uint16_t bearing) { return set<RadarDispMode>(mode, bearing); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarDispMode(uint16_t *mode, uint16_t *bearing) { return get<RadarDispMode>(mode, bearing); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarReverse(uint16_t setting) { return set<RadarReverse>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarReverse(uint16_t *setting) { return get<RadarReverse>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarRange(uint16_t step, uint16_t value) { return set<RadarRange>(step, value); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarRange(uint16_t *step, uint16_t *value) { return get<RadarRange>(step, value); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarRings(uint16_t value1, uint16_t value2, uint16_t value3) { return set<RadarRings>(value1, value2, value3); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarRings(uint16_t *value1, uint16_t *value2, uint16_t *value3) { return get<RadarRings>(value1, value2, value3); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarZoom(uint16_t mode, uint16_t bearing, uint32_t distance) { return set<RadarZoom>(mode, bearing, distance); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarZoom(uint16_t *mode, uint16_t *bearing, uint32_t *distance) { return get<RadarZoom>(mode, bearing, distance); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarShift(uint16_t mode, uint16_t bearing, uint32_t distance) { return set<RadarShift>(mode, bearing, distance); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarShift(uint16_t *mode, uint16_t *bearing, uint32_t *distance) { return get<RadarShift>(mode, bearing, distance); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarEBL(int16_t number, uint16_t value1, uint16_t value2, uint16_t value3, uint16_t bearing) { return set<RadarEBL>(number, value1, value2, value3, bearing); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarEBL(int16_t number, uint16_t *value1, uint16_t *value2, uint16_t *value3, uint16_t *bearing) { return get<RadarEBL>(number, value1, value2, value3, bearing); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarVRM(int16_t number, uint16_t value1, uint16_t value2, uint16_t value3, uint32_t distance) { return set<RadarVRM>(number, value1, value2, value3, distance); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarVRM(int16_t number, uint16_t *value1, uint16_t *value2, uint16_t *value3, uint32_t *distance) { return get<RadarVRM>(number, value1, value2, value3, distance); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarBright(uint16_t item, uint16_t level) { return set<RadarBright>(item, level); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarBright(uint16_t item, uint16_t *level) { return get<RadarBright>(item, level); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarHeadingMark(uint16_t setting, uint16_t value) { return set<RadarHeadingMark>(setting, value); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarHeadingMark(uint16_t *setting, uint16_t *value) { return get<RadarHeadingMark>(setting, value); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarTrail(uint16_t value1, uint16_t value2, uint16_t value3, uint16_t value4, uint16_t value5, uint16_t value6) { return set<RadarTrail>(value1, value2, value3, value4, value5, value6); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarTrail(uint16_t *value1, uint16_t *value2, uint16_t *value3, uint16_t *value4, uint16_t *value5, uint16_t *value6) { return get<RadarTrail>(value1, value2, value3, value4, value5, value6); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarWatchman(uint16_t value1, uint16_t value2, uint16_t value3, uint16_t value4) { return set<RadarWatchman>(value1, value2, value3, value4); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarWatchman(uint16_t *value1, uint16_t *value2, uint16_t *value3, uint16_t *value4) { return get<RadarWatchman>(value1, value2, value3, value4); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarTotalOnHours(uint32_t hours) { return set<RadarTotalOnHours>(hours); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarTotalOnHours(uint32_t *hours) { return get<RadarTotalOnHours>(hours); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarTotalTxHours(uint32_t hours) { return set<RadarTotalTxHours>(hours); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarTotalTxHours(uint32_t *hours) { return get<RadarTotalTxHours>(hours); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarWPTMark(uint16_t setting, uint16_t value, uint16_t number, uint16_t bearing, uint32_t distance) { return set<RadarWPTMark>(setting, value, number, bearing, distance); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarWPTMark(uint16_t *setting, uint16_t *value, uint16_t *number, uint16_t *bearing, uint32_t *distance) { return get<RadarWPTMark>(setting, value, number, bearing, distance); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarTxStby(uint16_t state) { return set<RadarTxStby>(state); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarTxStby(uint16_t *state) { return get<RadarTxStby>(state); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarPulseLength(uint16_t setting) { return set<RadarPulseLength>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarPulseLength(uint16_t *setting) { return get<RadarPulseLength>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarDirSensor(uint16_t setting) { return set<RadarDirSensor>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarDirSensor(uint16_t *setting) { return get<RadarDirSensor>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarTxAntStatus(uint16_t setting) { return set<RadarTxAntStatus>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarTxAntStatus(uint16_t *setting) { return get<RadarTxAntStatus>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarWarmUpTime(uint16_t value) { return set<RadarWarmUpTime>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarWarmUpTime(uint16_t *value) { return get<RadarWarmUpTime>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarRangePreset(uint16_t setting, uint32_t value) { return set<RadarRangePreset>(setting, value); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarRangePreset(uint16_t *setting, uint32_t *value) { return get<RadarRangePreset>(setting, value); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarTuneAdjust(uint16_t setting) { return set<RadarTuneAdjust>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarTuneAdjust(uint16_t *setting) { return get<RadarTuneAdjust>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarVideoAdjust(uint16_t setting) { return set<RadarVideoAdjust>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarVideoAdjust(uint16_t *setting) { return get<RadarVideoAdjust>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarAntType(uint16_t type) { return set<RadarAntType>(type); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarAntType(uint16_t *type) { return get<RadarAntType>(type); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarMaxRange(uint16_t value) { return set<RadarMaxRange>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarMaxRange(uint16_t *value) { return get<RadarMaxRange>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarMonitorMode(uint16_t setting) { return set<RadarMonitorMode>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarMonitorMode(uint16_t *setting) { return get<RadarMonitorMode>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadar2ndEchoReject(uint16_t setting) { return set<Radar2ndEchoReject>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadar2ndEchoReject(uint16_t *setting) { return get<Radar2ndEchoReject>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarSignal(uint16_t value) { return set<RadarSignal>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarSignal(uint16_t *value) { return get<RadarSignal>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarBackGround(uint16_t value) { return set<RadarBackGround>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarBackGround(uint16_t *value) { return get<RadarBackGround>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarEchoColor(uint16_t value) { return set<RadarEchoColor>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarEchoColor(uint16_t *value) { return get<RadarEchoColor>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarAlarmSound(uint16_t setting, uint16_t value) { return set<RadarAlarmSound>(setting, value); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarAlarmSound(uint16_t *setting, uint16_t *value) { return get<RadarAlarmSound>(setting, value); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarFactory(uint16_t setting) { return set<RadarFactory>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarFactory(uint16_t *setting) { return get<RadarFactory>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarDemoData(uint16_t setting) { return set<RadarDemoData>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarDemoData(uint16_t *setting) { return get<RadarDemoData>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarOwnPosiLL(uint16_t setting, int32_t latitude, int32_t longitude) { return set<RadarOwnPosiLL>(setting, latitude, longitude); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarOwnPosiLL(uint16_t *setting, int32_t *latitude, int32_t *longitude) { return get<RadarOwnPosiLL>(setting, latitude, longitude); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarNMEAHead(uint16_t setting, uint16_t heading, int16_t value) { return set<RadarNMEAHead>(setting, heading, value); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarNMEAHead(uint16_t *setting, uint16_t *heading, int16_t *value) { return get<RadarNMEAHead>(setting, heading, value); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarHeadingAdjust(uint16_t bearing) { return set<RadarHeadingAdjust>(bearing); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarHeadingAdjust(uint16_t *bearing) { return get<RadarHeadingAdjust>(bearing); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarMaxShiftSpeed(uint16_t value) { return set<RadarMaxShiftSpeed>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarMaxShiftSpeed(uint16_t *value) { return get<RadarMaxShiftSpeed>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarAmpType(uint16_t type) { return set<RadarAmpType>(type); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarAmpType(uint16_t *type) { return get<RadarAmpType>(type); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarTuneInit(uint16_t value) { return set<RadarTuneInit>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarTuneInit(uint16_t *value) { return get<RadarTuneInit>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarAutoTune(uint16_t value) { return set<RadarAutoTune>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarAutoTune(uint16_t *value) { return get<RadarAutoTune>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarTuneInd(uint16_t value) { return set<RadarTuneInd>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarTuneInd(uint16_t *value) { return get<RadarTuneInd>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaOnOff(uint16_t setting1, uint16_t setting2) { return set<ArpaOnOff>(setting1, setting2); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaOnOff(uint16_t *setting1, uint16_t *setting2) { return get<ArpaOnOff>(setting1, setting2); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaAllClear(uint16_t flag) { return set<ArpaAllClear>(flag); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaAllClear(uint16_t *flag) { return get<ArpaAllClear>(flag); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaPlotInterval(uint16_t value) { return set<ArpaPlotInterval>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaPlotInterval(uint16_t *value) { return get<ArpaPlotInterval>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaVectorMode(uint16_t mode) { return set<ArpaVectorMode>(mode); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaVectorMode(uint16_t *mode) { return get<ArpaVectorMode>(mode); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaVectorTime(uint16_t value) { return set<ArpaVectorTime>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaVectorTime(uint16_t *value) { return get<ArpaVectorTime>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaCPA(uint16_t value) { return set<ArpaCPA>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaCPA(uint16_t *value) { return get<ArpaCPA>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaTCPA(uint16_t value) { return set<ArpaTCPA>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaTCPA(uint16_t *value) { return get<ArpaTCPA>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaAutoACQ(uint16_t setting) { return set<ArpaAutoACQ>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaAutoACQ(uint16_t *setting) { return get<ArpaAutoACQ>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaAlarm(uint16_t value) { return set<ArpaAlarm>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaAlarm(uint16_t *value) { return get<ArpaAlarm>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaMark(uint16_t value) { return set<ArpaMark>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaMark(uint16_t *value) { return get<ArpaMark>(value); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaACQData(uint32_t value, uint16_t bearing) { return set<ArpaACQData>(value, bearing); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaACQData(uint32_t *value, uint16_t *bearing) { return get<ArpaACQData>(value, bearing); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaEraseData(uint16_t index) { return set<ArpaEraseData>(index); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaEraseData(uint16_t *index) { return get<ArpaEraseData>(index); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaTargetNumber(uint16_t setting) { return set<ArpaTargetNumber>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaTargetNumber(uint16_t *setting) { return get<ArpaTargetNumber>(setting); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaServerOnOff(uint16_t setting1, uint16_t setting2) { return set<ArpaServerOnOff>(setting1, setting2); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaServerOnOff(uint16_t *setting1, uint16_t *setting2) { return get<ArpaServerOnOff>(setting1, setting2); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetOwnCourse(uint16_t setting, uint16_t course) { return set<OwnCourse>(setting, course); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetOwnCourse(uint16_t *setting, uint16_t *course) { return get<OwnCourse>(setting, course); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaStatus(uint16_t value1, uint16_t value2, uint16_t value3, uint16_t value4, uint16_t value5, uint16_t value6, uint16_t value7, uint16_t value8, uint16_t value9, uint16_t value10) { return set<ArpaStatus>(value1, value2, value3, value4, value5, value6, value7, value8, value9, value10); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaStatus(uint16_t *value1, uint16_t *value2, uint16_t *value3, uint16_t *value4, uint16_t *value5, uint16_t *value6, uint16_t *value7, uint16_t *value8, uint16_t *value9, uint16_t *value10) { return get<ArpaStatus>(value1, value2, value3, value4, value5, value6, value7, value8, value9, value10); }
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaAlarmStop(uint16_t flag) { return set<ArpaAlarmStop>(flag); }
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaAlarmStop(uint16_t *flag) { return get<ArpaAlarmStop>(flag); }
// clang-format on
}  // extern "C"
