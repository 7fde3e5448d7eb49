// The exported Put functions: each passes the kind and its data arguments,
// with the row of its command code, to `put`. The compiler checks every
// signature against radar.h and against the types in the row.
#include "builder.h"
#include "radar.h"
#include "rows.h"

namespace radar::sentences {
namespace {

template <PutStem S, class... A>
int16_t put(uint16_t kind, A... values) {
    static_assert(widths_match<A...>(catalogue[S].arguments, catalogue[S].count),
                  "Put arguments disagree with the row");
    const int64_t numbers[] = {0, static_cast<int64_t>(values)...};
    return sentences::put(catalogue[S], kind, numbers + 1);
}

}  // namespace
}  // namespace radar::sentences

using namespace radar::sentences;

extern "C" {
// clang-format off
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarGain(uint16_t kind, uint16_t mode, uint16_t level) { return put<PutRadarGain>(kind, mode, level); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarACSea(uint16_t kind, uint16_t mode, uint16_t level) { return put<PutRadarACSea>(kind, mode, level); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarACAuto(uint16_t kind, uint16_t setting) { return put<PutRadarACAuto>(kind, setting); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarACRain(uint16_t kind, uint16_t level) { return put<PutRadarACRain>(kind, level); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarEchoStrech(uint16_t kind, uint16_t setting) { return put<PutRadarEchoStrech>(kind, setting); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarIntReject(uint16_t kind, uint16_t setting) { return put<PutRadarIntReject>(kind, setting); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarFTC(uint16_t kind, uint16_t level) { return put<PutRadarFTC>(kind, level); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarNoiseReject(uint16_t kind, uint16_t setting) { return put<PutRadarNoiseReject>(kind, setting); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarTune(uint16_t kind, uint16_t mode, uint16_t value) { return put<PutRadarTune>(kind, mode, value); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarCursorMode(uint16_t kind, uint16_t mode, uint16_t value) { return put<PutRadarCursorMode>(kind, mode, value); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarAntHight(uint16_t kind, uint16_t setting) { return put<PutRadarAntHight>(kind, setting); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarSTCCurve(uint16_t kind, uint16_t setting) { return put<PutRadarSTCCurve>(kind, setting); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarDemo(uint16_t kind, uint16_t setting) { return put<PutRadarDemo>(kind, setting); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarMBSAdjust(uint16_t kind, uint16_t value) { return put<PutRadarMBSAdjust>(kind, value); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarSweepTiming(uint16_t kind, uint16_t value) { return put<PutRadarSweepTiming>(kind, value); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarOffset(uint16_t kind, uint16_t setting, uint16_t bearing, uint32_t distance) { return put<PutRadarOffset>(kind, setting, bearing, distance); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarGuard(uint16_t kind, uint16_t zone, uint16_t setting, uint16_t type, uint16_t bearing1, uint16_t bearing2, uint32_t distance1, uint32_t distance2) { return put<PutRadarGuard>(kind, zone, setting, type, bearing1, bearing2, distance1, distance2); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarBlind(uint16_t kind, uint16_t setting, uint16_t bearing, uint16_t width) { return put<PutRadarBlind>(kind, setting, bearing, width); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarDispMode(uint16_t kind, uint16_t mode, uint16_t bearing) { return put<PutRadarDispMode>(kind, mode, bearing); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarReverse(uint16_t kind, uint16_t setting) { return put<PutRadarReverse>(kind, setting); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarRange(uint16_t kind, uint16_t step, uint16_t value) { return put<PutRadarRange>(kind, step, value); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarRings(uint16_t kind, uint16_t value1, uint16_t value2, uint16_t value3) { return put<PutRadarRings>(kind, value1, value2, value3); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarZoom(uint16_t kind, uint16_t mode, uint16_t bearing, uint32_t distance) { return put<PutRadarZoom>(kind, mode, bearing, distance); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarShift(uint16_t kind, uint16_t mode, uint16_t bearing, uint32_t distance) { return put<PutRadarShift>(kind, mode, bearing, distance); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarEBL(uint16_t kind, uint16_t number, uint16_t value1, uint16_t value2, uint16_t value3, uint16_t bearing) { return put<PutRadarEBL>(kind, number, value1, value2, value3, bearing); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarVRM(uint16_t kind, uint16_t number, uint16_t value1, uint16_t value2, uint16_t value3, uint32_t distance) { return put<PutRadarVRM>(kind, number, value1, value2, value3, distance); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarBright(uint16_t kind, uint16_t item, uint16_t level) { return put<PutRadarBright>(kind, item, level); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarHeadingMark(uint16_t kind, uint16_t setting, uint16_t value) { return put<PutRadarHeadingMark>(kind, setting, value); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarTrail(uint16_t kind, uint16_t value1, uint16_t value2, uint16_t value3, uint16_t value4, uint16_t value5, uint16_t value6) { return put<PutRadarTrail>(kind, value1, value2, value3, value4, value5, value6); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarWatchman(uint16_t kind, uint16_t value1, uint16_t value2, uint16_t value3, uint16_t value4) { return put<PutRadarWatchman>(kind, value1, value2, value3, value4); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarTotalOnHours(uint16_t kind, uint32_t hours) { return put<PutRadarTotalOnHours>(kind, hours); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarTotalTxHours(uint16_t kind, uint32_t hours) { return put<PutRadarTotalTxHours>(kind, hours); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarWPTMark(uint16_t kind, uint16_t setting, uint16_t value, uint16_t number, uint16_t bearing, uint32_t distance) { return put<PutRadarWPTMark>(kind, setting, value, number, bearing, distance); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarTxStby(uint16_t kind, uint16_t state) { return put<PutRadarTxStby>(kind, state); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarPulseLength(uint16_t kind, uint16_t setting) { return put<PutRadarPulseLength>(kind, setting); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarDirSensor(uint16_t kind, uint16_t setting) { return put<PutRadarDirSensor>(kind, setting); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarTxAntStatus(uint16_t kind, uint16_t setting) { return put<PutRadarTxAntStatus>(kind, setting); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarWarmUpTime(uint16_t kind, uint16_t value) { return put<PutRadarWarmUpTime>(kind, value); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarRangePreset(uint16_t kind, uint16_t setting, uint32_t value) { return put<PutRadarRangePreset>(kind, setting, value); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarTuneAdjust(uint16_t kind, uint16_t setting) { return put<PutRadarTuneAdjust>(kind, setting); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarVideoAdjust(uint16_t kind, uint16_t setting) { return put<PutRadarVideoAdjust>(kind, setting); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarAntType(uint16_t kind, uint16_t type) { return put<PutRadarAntType>(kind, type); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarMaxRange(uint16_t kind, uint16_t value) { return put<PutRadarMaxRange>(kind, value); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarMonitorMode(uint16_t kind, uint16_t setting) { return put<PutRadarMonitorMode>(kind, setting); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadar2ndEchoReject(uint16_t kind, uint16_t setting) { return put<PutRadar2ndEchoReject>(kind, setting); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarSignal(uint16_t kind, uint16_t value) { return put<PutRadarSignal>(kind, value); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarBackGround(uint16_t kind, uint16_t value) { return put<PutRadarBackGround>(kind, value); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarEchoColor(uint16_t kind, uint16_t value) { return put<PutRadarEchoColor>(kind, value); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarAlarmSound(uint16_t kind, uint16_t setting, uint16_t value) { return put<PutRadarAlarmSound>(kind, setting, value); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarFactory(uint16_t kind, uint16_t setting) { return put<PutRadarFactory>(kind, setting); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarCursorPos(uint16_t kind, uint16_t setting, uint16_t bearing, uint32_t distance) { return put<PutRadarCursorPos>(kind, setting, bearing, distance); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarDemoData(uint16_t kind, uint16_t setting) { return put<PutRadarDemoData>(kind, setting); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarOwnPosiLL(uint16_t kind, uint16_t setting, int32_t latitude, int32_t longitude) { return put<PutRadarOwnPosiLL>(kind, setting, latitude, longitude); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarNMEAHead(uint16_t kind, uint16_t setting, uint16_t heading, int16_t value) { return put<PutRadarNMEAHead>(kind, setting, heading, value); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarHeadingAdjust(uint16_t kind, uint16_t bearing) { return put<PutRadarHeadingAdjust>(kind, bearing); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarMaxShiftSpeed(uint16_t kind, uint16_t value) { return put<PutRadarMaxShiftSpeed>(kind, value); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarAmpType(uint16_t kind, uint16_t type) { return put<PutRadarAmpType>(kind, type); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarTuneInit(uint16_t kind, uint16_t value) { return put<PutRadarTuneInit>(kind, value); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarAutoTune(uint16_t kind, uint16_t value) { return put<PutRadarAutoTune>(kind, value); }
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarTuneInd(uint16_t kind, uint16_t value) { return put<PutRadarTuneInd>(kind, value); }
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaOnOff(uint16_t kind, uint16_t setting1, uint16_t setting2) { return put<PutArpaOnOff>(kind, setting1, setting2); }
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaAllClear(uint16_t kind) { return put<PutArpaAllClear>(kind); }
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaPlotInterval(uint16_t kind, uint16_t value) { return put<PutArpaPlotInterval>(kind, value); }
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaVectorMode(uint16_t kind, uint16_t mode) { return put<PutArpaVectorMode>(kind, mode); }
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaVectorTime(uint16_t kind, uint16_t value) { return put<PutArpaVectorTime>(kind, value); }
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaCPA(uint16_t kind, uint16_t value) { return put<PutArpaCPA>(kind, value); }
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaTCPA(uint16_t kind, uint16_t value) { return put<PutArpaTCPA>(kind, value); }
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaAutoACQ(uint16_t kind, uint16_t setting) { return put<PutArpaAutoACQ>(kind, setting); }
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaAlarm(uint16_t kind, uint16_t value) { return put<PutArpaAlarm>(kind, value); }
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaMark(uint16_t kind, uint16_t value) { return put<PutArpaMark>(kind, value); }
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaACQData(uint16_t kind, int32_t value, uint16_t bearing) { return put<PutArpaACQData>(kind, value, bearing); }
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaEraseData(uint16_t kind, uint16_t index) { return put<PutArpaEraseData>(kind, index); }
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaTargetNumber(uint16_t kind, uint16_t setting) { return put<PutArpaTargetNumber>(kind, setting); }
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaServerOnOff(uint16_t kind, uint16_t setting1, uint16_t setting2) { return put<PutArpaServerOnOff>(kind, setting1, setting2); }
RADAR_EXPORT int16_t RADAR_API OrvanePutOwnCourse(uint16_t kind, uint16_t setting, uint16_t course) { return put<PutOwnCourse>(kind, setting, course); }
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaStatus(uint16_t kind, uint16_t value1, uint16_t value2, uint16_t value3, uint16_t value4, uint16_t value5, uint16_t value6, uint16_t value7, uint16_t value8, uint16_t value9, uint16_t value10) { return put<PutArpaStatus>(kind, value1, value2, value3, value4, value5, value6, value7, value8, value9, value10); }
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaAlarmStop(uint16_t kind) { return put<PutArpaAlarmStop>(kind); }
// clang-format on
}  // extern "C"
