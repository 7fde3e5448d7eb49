// The Set and Get functions, through the shared library's exports. Each row
// describes one Set/Get pair as the radar defines it: the accepted range of
// every argument in argument order ("Any" for values stored unchecked).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "radar.h"
#include "record_access.h"

namespace {

using namespace record_access;

struct Range {
    bool any;
    int64_t lo, hi;
};
Range In(int64_t lo, int64_t hi) { return {false, lo, hi}; }
Range Any() { return {true, 0, 0}; }

struct Row {
    const char *stem;
    int code;
    Access access;
    std::vector<Range> ranges;  // per Set argument
};

const std::vector<Row> &rows() {
    static const std::vector<Row> table = {
        {"RadarGain",
         0x03,
         plain(&OrvaneSetRadarGain, &OrvaneGetRadarGain),
         {In(0, 3), In(0, 100)}},
        {"RadarACSea",
         0x04,
         plain(&OrvaneSetRadarACSea, &OrvaneGetRadarACSea),
         {In(0, 3), In(0, 100)}},
        {"RadarACAuto", 0x05, plain(&OrvaneSetRadarACAuto, &OrvaneGetRadarACAuto), {In(0, 1)}},
        {"RadarACRain", 0x06, plain(&OrvaneSetRadarACRain, &OrvaneGetRadarACRain), {In(0, 100)}},
        {"RadarEchoStrech",
         0x07,
         plain(&OrvaneSetRadarEchoStrech, &OrvaneGetRadarEchoStrech),
         {In(0, 2)}},
        {"RadarIntReject",
         0x08,
         plain(&OrvaneSetRadarIntReject, &OrvaneGetRadarIntReject),
         {In(0, 3)}},
        {"RadarFTC", 0x09, plain(&OrvaneSetRadarFTC, &OrvaneGetRadarFTC), {In(0, 100)}},
        {"RadarNoiseReject",
         0x0A,
         plain(&OrvaneSetRadarNoiseReject, &OrvaneGetRadarNoiseReject),
         {In(0, 2)}},
        {"RadarTune",
         0x0B,
         plain(&OrvaneSetRadarTune, &OrvaneGetRadarTune),
         {In(0, 1), In(0, 461)}},
        {"RadarCursorMode",
         0x0C,
         plain(&OrvaneSetRadarCursorMode, &OrvaneGetRadarCursorMode),
         {In(0, 3), In(0, 9)}},
        {"RadarCursorPos",
         0x0C,
         plain(&OrvaneSetRadarCursorPos, &OrvaneGetRadarCursorPos),
         {In(0, 1), In(0, 3599), In(0, 99999999)}},
        {"RadarAntHight",
         0x0D,
         plain(&OrvaneSetRadarAntHight, &OrvaneGetRadarAntHight),
         {In(0, 2)}},
        {"RadarSTCCurve",
         0x0E,
         plain(&OrvaneSetRadarSTCCurve, &OrvaneGetRadarSTCCurve),
         {In(0, 2)}},
        {"RadarDemo", 0x0F, plain(&OrvaneSetRadarDemo, &OrvaneGetRadarDemo), {In(0, 2)}},
        {"RadarMBSAdjust",
         0x10,
         plain(&OrvaneSetRadarMBSAdjust, &OrvaneGetRadarMBSAdjust),
         {In(0, 25)}},
        {"RadarSweepTiming",
         0x11,
         plain(&OrvaneSetRadarSweepTiming, &OrvaneGetRadarSweepTiming),
         {In(0, 20000)}},
        {"RadarOffset",
         0x12,
         plain(&OrvaneSetRadarOffset, &OrvaneGetRadarOffset),
         {In(0, 1), In(0, 3599), In(0, 99999999)}},
        {"RadarGuard",
         0x13,
         numbered(&OrvaneSetRadarGuard, &OrvaneGetRadarGuard),
         {In(1, 2), In(0, 1), In(0, 4), In(0, 3599), In(0, 3599), In(0, 99999999),
          In(0, 99999999)}},
        {"RadarBlind",
         0x14,
         plain(&OrvaneSetRadarBlind, &OrvaneGetRadarBlind),
         {In(0, 1), In(0, 359), In(1, 135)}},
        {"RadarDispMode",
         0x15,
         plain(&OrvaneSetRadarDispMode, &OrvaneGetRadarDispMode),
         {In(0, 4), In(0, 3599)}},
        {"RadarReverse", 0x16, plain(&OrvaneSetRadarReverse, &OrvaneGetRadarReverse), {In(0, 1)}},
        {"RadarRange",
         0x17,
         plain(&OrvaneSetRadarRange, &OrvaneGetRadarRange),
         {In(0, 17), In(0, 2)}},
        {"RadarRings",
         0x18,
         plain(&OrvaneSetRadarRings, &OrvaneGetRadarRings),
         {In(0, 3), In(0, 1), In(0, 1)}},
        {"RadarZoom",
         0x19,
         plain(&OrvaneSetRadarZoom, &OrvaneGetRadarZoom),
         {In(0, 2), In(0, 3599), In(0, 99999999)}},
        {"RadarShift",
         0x1A,
         plain(&OrvaneSetRadarShift, &OrvaneGetRadarShift),
         {In(0, 2), In(0, 3599), In(0, 99999999)}},
        {"RadarEBL",
         0x1B,
         numbered(&OrvaneSetRadarEBL, &OrvaneGetRadarEBL),
         {In(1, 2), In(0, 1), In(0, 1), In(0, 1), In(0, 3599)}},
        {"RadarVRM",
         0x1C,
         numbered(&OrvaneSetRadarVRM, &OrvaneGetRadarVRM),
         {In(1, 2), In(0, 2), In(0, 2), In(0, 1), In(0, 99999999)}},
        {"RadarBright",
         0x1D,
         by_value_item(&OrvaneSetRadarBright, &OrvaneGetRadarBright),
         {In(0, 7), In(0, 9)}},
        {"RadarHeadingMark",
         0x1E,
         plain(&OrvaneSetRadarHeadingMark, &OrvaneGetRadarHeadingMark),
         {In(0, 1), In(0, 9)}},
        {"RadarTrail",
         0x1F,
         plain(&OrvaneSetRadarTrail, &OrvaneGetRadarTrail),
         {In(0, 1), In(0, 1), In(0, 7), In(0, 2), In(0, 4), In(0, 9)}},
        {"RadarWatchman",
         0x20,
         plain(&OrvaneSetRadarWatchman, &OrvaneGetRadarWatchman),
         {In(0, 1), In(0, 2), In(0, 7), In(0, 1)}},
        {"RadarTotalOnHours",
         0x21,
         plain(&OrvaneSetRadarTotalOnHours, &OrvaneGetRadarTotalOnHours),
         {Any()}},
        {"RadarTotalTxHours",
         0x22,
         plain(&OrvaneSetRadarTotalTxHours, &OrvaneGetRadarTotalTxHours),
         {Any()}},
        {"RadarWPTMark",
         0x23,
         plain(&OrvaneSetRadarWPTMark, &OrvaneGetRadarWPTMark),
         {In(0, 1), In(0, 9), In(0, 9999), In(0, 3599), In(0, 99999999)}},
        {"RadarTxStby", 0x24, plain(&OrvaneSetRadarTxStby, &OrvaneGetRadarTxStby), {In(0, 3)}},
        {"RadarPulseLength",
         0x25,
         plain(&OrvaneSetRadarPulseLength, &OrvaneGetRadarPulseLength),
         {In(0, 1)}},
        {"RadarDirSensor",
         0x26,
         plain(&OrvaneSetRadarDirSensor, &OrvaneGetRadarDirSensor),
         {In(0, 1)}},
        {"RadarTxAntStatus",
         0x27,
         plain(&OrvaneSetRadarTxAntStatus, &OrvaneGetRadarTxAntStatus),
         {In(0, 1)}},
        {"RadarWarmUpTime",
         0x28,
         plain(&OrvaneSetRadarWarmUpTime, &OrvaneGetRadarWarmUpTime),
         {In(0, 300)}},
        {"RadarRangePreset",
         0x29,
         plain(&OrvaneSetRadarRangePreset, &OrvaneGetRadarRangePreset),
         {In(0, 2), In(0, 262143)}},
        {"RadarTuneAdjust",
         0x2A,
         plain(&OrvaneSetRadarTuneAdjust, &OrvaneGetRadarTuneAdjust),
         {In(0, 1)}},
        {"RadarVideoAdjust",
         0x2B,
         plain(&OrvaneSetRadarVideoAdjust, &OrvaneGetRadarVideoAdjust),
         {In(0, 1)}},
        {"RadarAntType", 0x2C, plain(&OrvaneSetRadarAntType, &OrvaneGetRadarAntType), {In(0, 7)}},
        {"RadarMaxRange",
         0x2D,
         plain(&OrvaneSetRadarMaxRange, &OrvaneGetRadarMaxRange),
         {In(0, 4)}},
        {"RadarMonitorMode",
         0x2E,
         plain(&OrvaneSetRadarMonitorMode, &OrvaneGetRadarMonitorMode),
         {In(0, 1)}},
        {"Radar2ndEchoReject",
         0x2F,
         plain(&OrvaneSetRadar2ndEchoReject, &OrvaneGetRadar2ndEchoReject),
         {In(0, 1)}},
        {"RadarSignal", 0x30, plain(&OrvaneSetRadarSignal, &OrvaneGetRadarSignal), {In(0, 9)}},
        {"RadarBackGround",
         0x31,
         plain(&OrvaneSetRadarBackGround, &OrvaneGetRadarBackGround),
         {In(0, 4)}},
        {"RadarEchoColor",
         0x32,
         plain(&OrvaneSetRadarEchoColor, &OrvaneGetRadarEchoColor),
         {In(0, 2)}},
        {"RadarAlarmSound",
         0x33,
         plain(&OrvaneSetRadarAlarmSound, &OrvaneGetRadarAlarmSound),
         {In(0, 1), In(0, 15)}},
        {"RadarFactory", 0x34, plain(&OrvaneSetRadarFactory, &OrvaneGetRadarFactory), {In(0, 1)}},
        {"RadarDemoData",
         0x36,
         plain(&OrvaneSetRadarDemoData, &OrvaneGetRadarDemoData),
         {In(0, 1)}},
        {"RadarOwnPosiLL",
         0x37,
         plain(&OrvaneSetRadarOwnPosiLL, &OrvaneGetRadarOwnPosiLL),
         {In(0, 1), In(-353894400, 353894400), In(-707788800, 707788800)}},
        {"RadarNMEAHead",
         0x38,
         plain(&OrvaneSetRadarNMEAHead, &OrvaneGetRadarNMEAHead),
         {In(0, 1), In(0, 3599), In(-1799, 1799)}},
        {"RadarHeadingAdjust",
         0x39,
         plain(&OrvaneSetRadarHeadingAdjust, &OrvaneGetRadarHeadingAdjust),
         {In(0, 3599)}},
        {"RadarMaxShiftSpeed",
         0x3A,
         plain(&OrvaneSetRadarMaxShiftSpeed, &OrvaneGetRadarMaxShiftSpeed),
         {In(0, 999)}},
        {"RadarAmpType", 0x3B, plain(&OrvaneSetRadarAmpType, &OrvaneGetRadarAmpType), {In(0, 1)}},
        {"RadarTuneInit",
         0x3C,
         plain(&OrvaneSetRadarTuneInit, &OrvaneGetRadarTuneInit),
         {In(0, 461)}},
        {"RadarAutoTune",
         0x3D,
         plain(&OrvaneSetRadarAutoTune, &OrvaneGetRadarAutoTune),
         {In(0, 100)}},
        {"RadarTuneInd", 0x3E, plain(&OrvaneSetRadarTuneInd, &OrvaneGetRadarTuneInd), {In(0, 100)}},
        {"ArpaOnOff", 0x40, plain(&OrvaneSetArpaOnOff, &OrvaneGetArpaOnOff), {In(0, 1), In(0, 1)}},
        {"ArpaAllClear", 0x41, plain(&OrvaneSetArpaAllClear, &OrvaneGetArpaAllClear), {In(0, 1)}},
        {"ArpaPlotInterval",
         0x42,
         plain(&OrvaneSetArpaPlotInterval, &OrvaneGetArpaPlotInterval),
         {In(0, 6)}},
        {"ArpaVectorMode",
         0x43,
         plain(&OrvaneSetArpaVectorMode, &OrvaneGetArpaVectorMode),
         {In(0, 1)}},
        {"ArpaVectorTime",
         0x44,
         plain(&OrvaneSetArpaVectorTime, &OrvaneGetArpaVectorTime),
         {In(0, 5)}},
        {"ArpaCPA", 0x45, plain(&OrvaneSetArpaCPA, &OrvaneGetArpaCPA), {In(0, 6)}},
        {"ArpaTCPA", 0x46, plain(&OrvaneSetArpaTCPA, &OrvaneGetArpaTCPA), {In(0, 7)}},
        {"ArpaAutoACQ", 0x47, plain(&OrvaneSetArpaAutoACQ, &OrvaneGetArpaAutoACQ), {In(0, 1)}},
        {"ArpaAlarm", 0x48, plain(&OrvaneSetArpaAlarm, &OrvaneGetArpaAlarm), {Any()}},
        {"ArpaMark", 0x49, plain(&OrvaneSetArpaMark, &OrvaneGetArpaMark), {Any()}},
        {"ArpaACQData",
         0x4A,
         plain(&OrvaneSetArpaACQData, &OrvaneGetArpaACQData),
         {Any(), In(0, 3599)}},
        {"ArpaEraseData",
         0x4B,
         plain(&OrvaneSetArpaEraseData, &OrvaneGetArpaEraseData),
         {In(0, 9)}},
        {"ArpaTargetNumber",
         0x4C,
         plain(&OrvaneSetArpaTargetNumber, &OrvaneGetArpaTargetNumber),
         {In(0, 1)}},
        {"ArpaServerOnOff",
         0x52,
         plain(&OrvaneSetArpaServerOnOff, &OrvaneGetArpaServerOnOff),
         {In(0, 1), In(0, 1)}},
        {"OwnCourse",
         0x55,
         plain(&OrvaneSetOwnCourse, &OrvaneGetOwnCourse),
         {In(0, 1), In(0, 3599)}},
        {"ArpaStatus",
         0x56,
         plain(&OrvaneSetArpaStatus, &OrvaneGetArpaStatus),
         {Any(), Any(), Any(), Any(), Any(), Any(), Any(), Any(), Any(), Any()}},
        {"ArpaAlarmStop",
         0x57,
         plain(&OrvaneSetArpaAlarmStop, &OrvaneGetArpaAlarmStop),
         {In(0, 1)}},
    };
    return table;
}

// The smallest and largest value a row accepts for argument i.
int64_t low(const Row &r, std::size_t i) {
    return r.ranges[i].any ? r.access.type_min[i] : r.ranges[i].lo;
}
int64_t high(const Row &r, std::size_t i) {
    return r.ranges[i].any ? r.access.type_max[i] : r.ranges[i].hi;
}

Values stored_part(const Row &r, const Values &v) {
    return record_access::stored_part(r.access, v);
}

Values read(const Row &r, int64_t lead = 1) {
    Values out;
    bool fenced = false, touched = false;
    EXPECT_EQ(r.access.get(lead, out, fenced, touched), RADAR_OK) << r.stem;
    EXPECT_TRUE(fenced) << r.stem << ": a Get wrote outside its field";
    return out;
}

class SetGet : public ::testing::TestWithParam<std::size_t> {
  protected:
    const Row &row() const { return rows()[GetParam()]; }
    std::size_t args() const { return row().ranges.size(); }
    // The entry numbers a row can address: 1 and 2 for numbered groups.
    std::vector<int64_t> entries() const {
        return row().access.shape == Shape::numbered ? std::vector<int64_t>{1, 2}
                                                     : std::vector<int64_t>{1};
    }
    Values at(int64_t entry, bool use_high) const {
        Values v;
        for (std::size_t i = 0; i < args(); ++i)
            v.push_back(use_high ? high(row(), i) : low(row(), i));
        if (row().access.shape == Shape::numbered) v[0] = entry;
        return v;
    }
};

TEST_P(SetGet, BothBoundsOfEveryArgumentAreStoredAndReadBack) {
    for (int64_t entry : entries()) {
        for (bool use_high : {false, true}) {
            const Values v = at(entry, use_high);
            ASSERT_EQ(row().access.set(v), RADAR_OK) << row().stem << " entry " << entry;
            EXPECT_EQ(read(row(), entry), stored_part(row(), v))
                << row().stem << " entry " << entry;
        }
    }
}

TEST_P(SetGet, OnePastAnyBoundIsRefusedAndTheGroupStaysWhole) {
    for (int64_t entry : entries()) {
        const Values kept = at(entry, false);
        for (std::size_t i = 0; i < args(); ++i) {
            if (row().ranges[i].any) continue;
            // -1 for an unsigned field arrives as its largest value and fails too.
            for (int64_t wrong : {row().ranges[i].lo - 1, row().ranges[i].hi + 1}) {
                ASSERT_EQ(row().access.set(kept), RADAR_OK) << row().stem;
                Values attempt = at(entry, true);
                attempt[i] = wrong;
                EXPECT_EQ(row().access.set(attempt), RADAR_OUT_OF_RANGE)
                    << row().stem << " argument " << i + 1 << " = " << wrong;
                EXPECT_EQ(read(row(), entry), stored_part(row(), kept))
                    << row().stem << " argument " << i + 1 << " = " << wrong;
            }
        }
    }
}

TEST_P(SetGet, MinusOneInEveryUnsigned16BitArgumentIsRefused) {
    for (std::size_t i = 0; i < args(); ++i) {
        if (row().ranges[i].any || row().access.type_min[i] != 0 ||
            row().access.type_max[i] != 0xFFFF)
            continue;
        Values attempt = at(1, false);
        attempt[i] = -1;
        EXPECT_EQ(row().access.set(attempt), RADAR_OUT_OF_RANGE)
            << row().stem << " argument " << i + 1;
    }
}

TEST_P(SetGet, UncheckedArgumentsTakeEveryValueOfTheirType) {
    for (std::size_t i = 0; i < args(); ++i) {
        if (!row().ranges[i].any) continue;
        for (int64_t value : {row().access.type_min[i], row().access.type_max[i], int64_t{12345}}) {
            Values v = at(1, false);
            v[i] = value;
            ASSERT_EQ(row().access.set(v), RADAR_OK) << row().stem;
            EXPECT_EQ(read(row()), stored_part(row(), v)) << row().stem;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllStems, SetGet, ::testing::Range<std::size_t>(0, 77),
                         [](const auto &info) { return std::string(rows()[info.param].stem); });

TEST(SetGetCatalogue, CoversEveryStemOnce) {
    EXPECT_EQ(rows().size(), 77u);
    int previous = 0;
    for (const Row &r : rows()) {
        EXPECT_GE(r.code, previous) << r.stem;
        previous = r.code;
    }
}

TEST(SetGetNumbered, EntriesAreIndependentAndTheSharedValueIsSeenByBoth) {
    // Guard zones have no shared field: zone 2 changes only the second entry.
    ASSERT_EQ(OrvaneSetRadarGuard(1, 1, 4, 100, 200, 300, 400), RADAR_OK);
    ASSERT_EQ(OrvaneSetRadarGuard(2, 0, 2, 3599, 0, 99999999, 7), RADAR_OK);
    uint16_t s, t, b1, b2;
    uint32_t d1, d2;
    ASSERT_EQ(OrvaneGetRadarGuard(1, &s, &t, &b1, &b2, &d1, &d2), RADAR_OK);
    EXPECT_EQ(std::make_tuple(s, t, b1, b2, d1, d2), std::make_tuple(1, 4, 100, 200, 300u, 400u));
    ASSERT_EQ(OrvaneGetRadarGuard(2, &s, &t, &b1, &b2, &d1, &d2), RADAR_OK);
    EXPECT_EQ(std::make_tuple(s, t, b1, b2, d1, d2), std::make_tuple(0, 2, 3599, 0, 99999999u, 7u));

    // EBL: value 1 is one field for both lines; the rest is per line.
    ASSERT_EQ(OrvaneSetRadarEBL(2, 0, 1, 0, 1800), RADAR_OK);
    ASSERT_EQ(OrvaneSetRadarEBL(1, 1, 0, 1, 900), RADAR_OK);
    uint16_t shared, v2, v3, bearing;
    ASSERT_EQ(OrvaneGetRadarEBL(2, &shared, &v2, &v3, &bearing), RADAR_OK);
    EXPECT_EQ(std::make_tuple(shared, v2, v3, bearing), std::make_tuple(1, 1, 0, 1800));
    ASSERT_EQ(OrvaneGetRadarEBL(1, &shared, &v2, &v3, &bearing), RADAR_OK);
    EXPECT_EQ(std::make_tuple(shared, v2, v3, bearing), std::make_tuple(1, 0, 1, 900));

    ASSERT_EQ(OrvaneSetRadarVRM(1, 2, 2, 1, 5), RADAR_OK);
    ASSERT_EQ(OrvaneSetRadarVRM(2, 0, 1, 0, 99999999), RADAR_OK);
    uint32_t distance;
    ASSERT_EQ(OrvaneGetRadarVRM(1, &shared, &v2, &v3, &distance), RADAR_OK);
    EXPECT_EQ(std::make_tuple(shared, v2, v3, distance), std::make_tuple(0, 2, 1, 5u));
    ASSERT_EQ(OrvaneGetRadarVRM(2, &shared, &v2, &v3, &distance), RADAR_OK);
    EXPECT_EQ(std::make_tuple(shared, v2, v3, distance), std::make_tuple(0, 1, 0, 99999999u));
}

TEST(SetGetNumbered, GetWithAnotherNumberIsRefusedAndWritesNothing) {
    for (const char *stem : {"RadarGuard", "RadarEBL", "RadarVRM"}) {
        for (const Row &r : rows()) {
            if (std::strcmp(r.stem, stem) != 0) continue;
            for (int64_t number : {0, 3, -1, 256, 32767, -32768}) {
                Values out;
                bool fenced = false, touched = true;
                EXPECT_EQ(r.access.get(number, out, fenced, touched), RADAR_REFUSED)
                    << stem << " " << number;
                EXPECT_FALSE(touched) << stem << " " << number;
                EXPECT_TRUE(fenced) << stem << " " << number;
            }
        }
    }
}

TEST(SetGetBright, TheGetterReturnsTheLevelWhateverItemIsAsked) {
    ASSERT_EQ(OrvaneSetRadarBright(3, 7), RADAR_OK);
    for (uint16_t item : {0, 3, 7, 8, 65535}) {
        uint16_t level = 99;
        EXPECT_EQ(OrvaneGetRadarBright(item, &level), RADAR_OK);
        EXPECT_EQ(level, 7) << "item " << item;
    }
}

TEST(SetGetCursor, ModeAndPositionEachWriteOnlyTheirOwnFields) {
    ASSERT_EQ(OrvaneSetRadarCursorMode(3, 9), RADAR_OK);
    ASSERT_EQ(OrvaneSetRadarCursorPos(1, 3599, 99999999), RADAR_OK);
    uint16_t mode, value, setting, bearing;
    uint32_t distance;
    ASSERT_EQ(OrvaneGetRadarCursorMode(&mode, &value), RADAR_OK);
    EXPECT_EQ(std::make_tuple(mode, value), std::make_tuple(3, 9));
    ASSERT_EQ(OrvaneSetRadarCursorMode(1, 2), RADAR_OK);
    ASSERT_EQ(OrvaneGetRadarCursorPos(&setting, &bearing, &distance), RADAR_OK);
    EXPECT_EQ(std::make_tuple(setting, bearing, distance), std::make_tuple(1, 3599, 99999999u));
}

TEST(SetGetExamples, GainStoresAndRefusesAsAWhole) {
    ASSERT_EQ(OrvaneSetRadarGain(3, 100), RADAR_OK);
    EXPECT_EQ(OrvaneSetRadarGain(4, 50), RADAR_OUT_OF_RANGE);
    uint16_t mode = 0, level = 0;
    ASSERT_EQ(OrvaneGetRadarGain(&mode, &level), RADAR_OK);
    EXPECT_EQ(mode, 3);
    EXPECT_EQ(level, 100);
}

TEST(SetGetExamples, EventFlagsAreOrdinaryGroupsForTheApplication) {
    uint16_t flag = 9;
    ASSERT_EQ(OrvaneSetArpaAllClear(1), RADAR_OK);
    ASSERT_EQ(OrvaneGetArpaAllClear(&flag), RADAR_OK);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(OrvaneSetArpaAlarmStop(2), RADAR_OUT_OF_RANGE);
    ASSERT_EQ(OrvaneSetArpaAlarmStop(0), RADAR_OK);
    ASSERT_EQ(OrvaneGetArpaAlarmStop(&flag), RADAR_OK);
    EXPECT_EQ(flag, 0);
}

TEST(SetGetSlots, A16BitArgumentIsTakenFromTheLow16BitsOfItsSlot) {
    // Every argument travels in a 32-bit slot; callers in other languages may
    // leave the upper half of a 16-bit argument's slot set.
    using Slots = int16_t(RADAR_API *)(uint32_t, uint32_t);
    const auto set_gain =
        reinterpret_cast<Slots>(reinterpret_cast<void (*)()>(&OrvaneSetRadarGain));
    ASSERT_EQ(set_gain(3 + 0x10000u, 100 + 0x7FFF0000u), RADAR_OK);
    uint16_t mode = 0, level = 0;
    ASSERT_EQ(OrvaneGetRadarGain(&mode, &level), RADAR_OK);
    EXPECT_EQ(mode, 3);
    EXPECT_EQ(level, 100);
    EXPECT_EQ(set_gain(4 + 0x10000u, 0), RADAR_OUT_OF_RANGE);
    using SignedSlots = int16_t(RADAR_API *)(uint32_t, uint32_t, uint32_t);
    const auto set_head =
        reinterpret_cast<SignedSlots>(reinterpret_cast<void (*)()>(&OrvaneSetRadarNMEAHead));
    ASSERT_EQ(set_head(1, 3599, 0xFFFF0000u | static_cast<uint16_t>(-1799)), RADAR_OK);
    uint16_t setting = 0, heading = 0;
    int16_t value = 0;
    ASSERT_EQ(OrvaneGetRadarNMEAHead(&setting, &heading, &value), RADAR_OK);
    EXPECT_EQ(value, -1799);
}

}  // namespace
