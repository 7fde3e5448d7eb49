// The rows of the Set/Get catalogue, one per stem in command-code order.
// Read a row against the radar's group table: fields in argument order, each
// with its place in the record, its width and its accepted range.
#pragma once

#include <cstddef>
#include <iterator>

#include "groups.h"

namespace radar::params {

constexpr Field field(Width width, uint16_t offset, bool per_entry, bool checked, int64_t lo,
                      int64_t hi) {
    return Field{width, Role::value, checked, per_entry, offset, lo, hi};
}
constexpr Field u16(uint16_t at, int64_t lo, int64_t hi) {
    return field(Width::u16, at, false, true, lo, hi);
}
constexpr Field u16(uint16_t at) { return field(Width::u16, at, false, false, 0, 0); }
constexpr Field s16(uint16_t at, int64_t lo, int64_t hi) {
    return field(Width::s16, at, false, true, lo, hi);
}
constexpr Field u32(uint16_t at, int64_t lo, int64_t hi) {
    return field(Width::u32, at, false, true, lo, hi);
}
constexpr Field u32(uint16_t at) { return field(Width::u32, at, false, false, 0, 0); }
constexpr Field s32(uint16_t at, int64_t lo, int64_t hi) {
    return field(Width::s32, at, false, true, lo, hi);
}
constexpr Field entry_u16(uint16_t at, int64_t lo, int64_t hi) {
    return field(Width::u16, at, true, true, lo, hi);
}
constexpr Field entry_u32(uint16_t at, int64_t lo, int64_t hi) {
    return field(Width::u32, at, true, true, lo, hi);
}
// The entry number of the guard-zone, EBL and VRM groups: signed, 1 or 2.
constexpr Field selector() { return Field{Width::s16, Role::selector, true, false, 0, 1, 2}; }

constexpr Group row(Stem stem, uint8_t code, Lead lead, std::size_t entry_stride,
                    std::initializer_list<Field> fields) {
    Group group{
        stem, code, lead, static_cast<uint16_t>(entry_stride), static_cast<uint8_t>(fields.size()),
        {}};
    std::size_t i = 0;
    for (const Field &f : fields) group.fields[i++] = f;
    return group;
}

#define AT(member) static_cast<uint16_t>(offsetof(Record, member))

// clang-format off
inline constexpr Group table[] = {
    row(RadarGain, 0x03, Lead::pointer, 0, {u16(AT(gain.mode), 0, 3), u16(AT(gain.level), 0, 100)}),
    row(RadarACSea, 0x04, Lead::pointer, 0, {u16(AT(ac_sea.mode), 0, 3), u16(AT(ac_sea.level), 0, 100)}),
    row(RadarACAuto, 0x05, Lead::pointer, 0, {u16(AT(ac_auto.setting), 0, 1)}),
    row(RadarACRain, 0x06, Lead::pointer, 0, {u16(AT(ac_rain.level), 0, 100)}),
    row(RadarEchoStrech, 0x07, Lead::pointer, 0, {u16(AT(echo_strech.setting), 0, 2)}),
    row(RadarIntReject, 0x08, Lead::pointer, 0, {u16(AT(int_reject.setting), 0, 3)}),
    row(RadarFTC, 0x09, Lead::pointer, 0, {u16(AT(ftc.level), 0, 100)}),
    row(RadarNoiseReject, 0x0A, Lead::pointer, 0, {u16(AT(noise_reject.setting), 0, 2)}),
    row(RadarTune, 0x0B, Lead::pointer, 0, {u16(AT(tune.mode), 0, 1), u16(AT(tune.value), 0, 461)}),
    row(RadarCursorMode, 0x0C, Lead::pointer, 0, {u16(AT(cursor.mode), 0, 3), u16(AT(cursor.value), 0, 9)}),
    row(RadarCursorPos, 0x0C, Lead::pointer, 0, {u16(AT(cursor.setting), 0, 1), u16(AT(cursor.bearing), 0, 3599), u32(AT(cursor.distance), 0, 99999999)}),
    row(RadarAntHight, 0x0D, Lead::pointer, 0, {u16(AT(ant_hight.setting), 0, 2)}),
    row(RadarSTCCurve, 0x0E, Lead::pointer, 0, {u16(AT(stc_curve.setting), 0, 2)}),
    row(RadarDemo, 0x0F, Lead::pointer, 0, {u16(AT(demo.setting), 0, 2)}),
    row(RadarMBSAdjust, 0x10, Lead::pointer, 0, {u16(AT(mbs_adjust.value), 0, 25)}),
    row(RadarSweepTiming, 0x11, Lead::pointer, 0, {u16(AT(sweep_timing.value), 0, 20000)}),
    row(RadarOffset, 0x12, Lead::pointer, 0, {u16(AT(offset.setting), 0, 1), u16(AT(offset.bearing), 0, 3599), u32(AT(offset.distance), 0, 99999999)}),
    row(RadarGuard, 0x13, Lead::selector, sizeof(Record::GuardZone), {selector(), entry_u16(AT(guard.zone[0].setting), 0, 1), entry_u16(AT(guard.zone[0].type), 0, 4), entry_u16(AT(guard.zone[0].bearing1), 0, 3599), entry_u16(AT(guard.zone[0].bearing2), 0, 3599), entry_u32(AT(guard.zone[0].distance1), 0, 99999999), entry_u32(AT(guard.zone[0].distance2), 0, 99999999)}),
    row(RadarBlind, 0x14, Lead::pointer, 0, {u16(AT(blind.setting), 0, 1), u16(AT(blind.bearing), 0, 359), u16(AT(blind.width), 1, 135)}),
    row(RadarDispMode, 0x15, Lead::pointer, 0, {u16(AT(disp_mode.mode), 0, 4), u16(AT(disp_mode.bearing), 0, 3599)}),
    row(RadarReverse, 0x16, Lead::pointer, 0, {u16(AT(reverse.setting), 0, 1)}),
    row(RadarRange, 0x17, Lead::pointer, 0, {u16(AT(range.step), 0, 17), u16(AT(range.value), 0, 2)}),
    row(RadarRings, 0x18, Lead::pointer, 0, {u16(AT(rings.value1), 0, 3), u16(AT(rings.value2), 0, 1), u16(AT(rings.value3), 0, 1)}),
    row(RadarZoom, 0x19, Lead::pointer, 0, {u16(AT(zoom.mode), 0, 2), u16(AT(zoom.bearing), 0, 3599), u32(AT(zoom.distance), 0, 99999999)}),
    row(RadarShift, 0x1A, Lead::pointer, 0, {u16(AT(shift.mode), 0, 2), u16(AT(shift.bearing), 0, 3599), u32(AT(shift.distance), 0, 99999999)}),
    row(RadarEBL, 0x1B, Lead::selector, sizeof(Record::EblEntry), {selector(), u16(AT(ebl.value1), 0, 1), entry_u16(AT(ebl.entry[0].value2), 0, 1), entry_u16(AT(ebl.entry[0].value3), 0, 1), entry_u16(AT(ebl.entry[0].bearing), 0, 3599)}),
    row(RadarVRM, 0x1C, Lead::selector, sizeof(Record::VrmEntry), {selector(), u16(AT(vrm.value1), 0, 2), entry_u16(AT(vrm.entry[0].value2), 0, 2), entry_u16(AT(vrm.entry[0].value3), 0, 1), entry_u32(AT(vrm.entry[0].distance), 0, 99999999)}),
    row(RadarBright, 0x1D, Lead::ignored, 0, {u16(AT(bright.item), 0, 7), u16(AT(bright.level), 0, 9)}),
    row(RadarHeadingMark, 0x1E, Lead::pointer, 0, {u16(AT(heading_mark.setting), 0, 1), u16(AT(heading_mark.value), 0, 9)}),
    row(RadarTrail, 0x1F, Lead::pointer, 0, {u16(AT(trail.value1), 0, 1), u16(AT(trail.value2), 0, 1), u16(AT(trail.value3), 0, 7), u16(AT(trail.value4), 0, 2), u16(AT(trail.value5), 0, 4), u16(AT(trail.value6), 0, 9)}),
    row(RadarWatchman, 0x20, Lead::pointer, 0, {u16(AT(watchman.value1), 0, 1), u16(AT(watchman.value2), 0, 2), u16(AT(watchman.value3), 0, 7), u16(AT(watchman.value4), 0, 1)}),
    row(RadarTotalOnHours, 0x21, Lead::pointer, 0, {u32(AT(total_on_hours.hours))}),
    row(RadarTotalTxHours, 0x22, Lead::pointer, 0, {u32(AT(total_tx_hours.hours))}),
    row(RadarWPTMark, 0x23, Lead::pointer, 0, {u16(AT(wpt_mark.setting), 0, 1), u16(AT(wpt_mark.value), 0, 9), u16(AT(wpt_mark.number), 0, 9999), u16(AT(wpt_mark.bearing), 0, 3599), u32(AT(wpt_mark.distance), 0, 99999999)}),
    row(RadarTxStby, 0x24, Lead::pointer, 0, {u16(AT(tx_stby.state), 0, 3)}),
    row(RadarPulseLength, 0x25, Lead::pointer, 0, {u16(AT(pulse_length.setting), 0, 1)}),
    row(RadarDirSensor, 0x26, Lead::pointer, 0, {u16(AT(dir_sensor.setting), 0, 1)}),
    row(RadarTxAntStatus, 0x27, Lead::pointer, 0, {u16(AT(tx_ant_status.setting), 0, 1)}),
    row(RadarWarmUpTime, 0x28, Lead::pointer, 0, {u16(AT(warm_up_time.value), 0, 300)}),
    row(RadarRangePreset, 0x29, Lead::pointer, 0, {u16(AT(range_preset.setting), 0, 2), u32(AT(range_preset.value), 0, 262143)}),
    row(RadarTuneAdjust, 0x2A, Lead::pointer, 0, {u16(AT(tune_adjust.setting), 0, 1)}),
    row(RadarVideoAdjust, 0x2B, Lead::pointer, 0, {u16(AT(video_adjust.setting), 0, 1)}),
    row(RadarAntType, 0x2C, Lead::pointer, 0, {u16(AT(ant_type.type), 0, 7)}),
    row(RadarMaxRange, 0x2D, Lead::pointer, 0, {u16(AT(max_range.value), 0, 4)}),
    row(RadarMonitorMode, 0x2E, Lead::pointer, 0, {u16(AT(monitor_mode.setting), 0, 1)}),
    row(Radar2ndEchoReject, 0x2F, Lead::pointer, 0, {u16(AT(second_echo_reject.setting), 0, 1)}),
    row(RadarSignal, 0x30, Lead::pointer, 0, {u16(AT(signal.value), 0, 9)}),
    row(RadarBackGround, 0x31, Lead::pointer, 0, {u16(AT(back_ground.value), 0, 4)}),
    row(RadarEchoColor, 0x32, Lead::pointer, 0, {u16(AT(echo_color.value), 0, 2)}),
    row(RadarAlarmSound, 0x33, Lead::pointer, 0, {u16(AT(alarm_sound.setting), 0, 1), u16(AT(alarm_sound.value), 0, 15)}),
    row(RadarFactory, 0x34, Lead::pointer, 0, {u16(AT(factory.setting), 0, 1)}),
    row(RadarDemoData, 0x36, Lead::pointer, 0, {u16(AT(demo_data.setting), 0, 1)}),
    row(RadarOwnPosiLL, 0x37, Lead::pointer, 0, {u16(AT(own_posi_ll.setting), 0, 1), s32(AT(own_posi_ll.latitude), -353894400, 353894400), s32(AT(own_posi_ll.longitude), -707788800, 707788800)}),
    row(RadarNMEAHead, 0x38, Lead::pointer, 0, {u16(AT(nmea_head.setting), 0, 1), u16(AT(nmea_head.heading), 0, 3599), s16(AT(nmea_head.value), -1799, 1799)}),
    row(RadarHeadingAdjust, 0x39, Lead::pointer, 0, {u16(AT(heading_adjust.bearing), 0, 3599)}),
    row(RadarMaxShiftSpeed, 0x3A, Lead::pointer, 0, {u16(AT(max_shift_speed.value), 0, 999)}),
    row(RadarAmpType, 0x3B, Lead::pointer, 0, {u16(AT(amp_type.type), 0, 1)}),
    row(RadarTuneInit, 0x3C, Lead::pointer, 0, {u16(AT(tune_init.value), 0, 461)}),
    row(RadarAutoTune, 0x3D, Lead::pointer, 0, {u16(AT(auto_tune.value), 0, 100)}),
    row(RadarTuneInd, 0x3E, Lead::pointer, 0, {u16(AT(tune_ind.value), 0, 100)}),
    row(ArpaOnOff, 0x40, Lead::pointer, 0, {u16(AT(arpa_on_off.setting1), 0, 1), u16(AT(arpa_on_off.setting2), 0, 1)}),
    row(ArpaAllClear, 0x41, Lead::pointer, 0, {u16(AT(arpa_all_clear.flag), 0, 1)}),
    row(ArpaPlotInterval, 0x42, Lead::pointer, 0, {u16(AT(arpa_plot_interval.value), 0, 6)}),
    row(ArpaVectorMode, 0x43, Lead::pointer, 0, {u16(AT(arpa_vector_mode.mode), 0, 1)}),
    row(ArpaVectorTime, 0x44, Lead::pointer, 0, {u16(AT(arpa_vector_time.value), 0, 5)}),
    row(ArpaCPA, 0x45, Lead::pointer, 0, {u16(AT(arpa_cpa.value), 0, 6)}),
    row(ArpaTCPA, 0x46, Lead::pointer, 0, {u16(AT(arpa_tcpa.value), 0, 7)}),
    row(ArpaAutoACQ, 0x47, Lead::pointer, 0, {u16(AT(arpa_auto_acq.setting), 0, 1)}),
    row(ArpaAlarm, 0x48, Lead::pointer, 0, {u16(AT(arpa_alarm.value))}),
    row(ArpaMark, 0x49, Lead::pointer, 0, {u16(AT(arpa_mark.value))}),
    row(ArpaACQData, 0x4A, Lead::pointer, 0, {u32(AT(arpa_acq_data.value)), u16(AT(arpa_acq_data.bearing), 0, 3599)}),
    row(ArpaEraseData, 0x4B, Lead::pointer, 0, {u16(AT(arpa_erase_data.index), 0, 9)}),
    row(ArpaTargetNumber, 0x4C, Lead::pointer, 0, {u16(AT(arpa_target_number.setting), 0, 1)}),
    row(ArpaServerOnOff, 0x52, Lead::pointer, 0, {u16(AT(arpa_server_on_off.setting1), 0, 1), u16(AT(arpa_server_on_off.setting2), 0, 1)}),
    row(OwnCourse, 0x55, Lead::pointer, 0, {u16(AT(own_course.setting), 0, 1), u16(AT(own_course.course), 0, 3599)}),
    row(ArpaStatus, 0x56, Lead::pointer, 0, {u16(AT(arpa_status.value1)), u16(AT(arpa_status.value2)), u16(AT(arpa_status.value3)), u16(AT(arpa_status.value4)), u16(AT(arpa_status.value5)), u16(AT(arpa_status.value6)), u16(AT(arpa_status.value7)), u16(AT(arpa_status.value8)), u16(AT(arpa_status.value9)), u16(AT(arpa_status.value10))}),
    row(ArpaAlarmStop, 0x57, Lead::pointer, 0, {u16(AT(arpa_alarm_stop.flag), 0, 1)}),
};
// clang-format on

#undef AT

static_assert(std::size(table) == stem_count, "one row per Set/Get stem");
static_assert(stem_count == 77, "77 Set and 77 Get functions");

// Rows sit at their stem's index and in ascending command-code order.
constexpr bool rows_in_order() {
    for (std::size_t i = 0; i < std::size(table); ++i) {
        if (table[i].stem != i) return false;
        if (i > 0 && table[i].code < table[i - 1].code) return false;
    }
    return true;
}
static_assert(rows_in_order());

}  // namespace radar::params
