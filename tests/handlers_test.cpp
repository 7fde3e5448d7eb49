// The incoming handlers through the conversion callback of the shared
// library: the network library is the test double, the reply socket a loopback
// TCP connection whose far end the test reads. Each row describes one command
// code as the radar defines it: sample orders at the bounds with the answer
// they must draw and whether the record takes them, a request with the answer
// it must draw from the record, and messages that must be refused whole.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "guard_page.h"
#include "loopback_station.h"
#include "netlib_double.h"
#include "radar.h"
#include "record_access.h"

namespace {

using namespace loopback;
using namespace record_access;

struct Sample {
    const char *fields;  // the message's value fields
    Values set_values;   // what they mean as Set arguments
    const char *answer;  // the answer after "$N", or null when none can be sent
    bool stored;         // whether the Set function takes them
    Values baseline;     // what the record holds before the message
};

struct Row {
    int code;
    const char *stem;
    Access access;
    const char *request_lead;  // the fields a request needs: the entry number, the item
    std::vector<Sample> samples;
    Values request_baseline;
    const char *request_answer;
    std::vector<const char *> out_of_range;  // value fields with one value past a bound
    std::vector<const char *> malformed;     // a field missing, empty or not a number
};

const std::vector<Row> &rows() {
    static const std::vector<Row> table = {
        {0x03,
         "RadarGain",
         plain(&OrvaneSetRadarGain, &OrvaneGetRadarGain),
         "",
         {{"0,0", {0, 0}, "03,0,0", true, {1, 50}}, {"3,100", {3, 100}, "03,3,100", true, {1, 50}}},
         {1, 50},
         "03,1,50",
         {"-1,100", "4,100", "3,-1", "3,101"},
         {"3", ",100", "z3,100", "3,", "3,z100"}},
        {0x04,
         "RadarACSea",
         plain(&OrvaneSetRadarACSea, &OrvaneGetRadarACSea),
         "",
         {{"0,0", {0, 0}, "04,0,0", true, {1, 50}}, {"3,100", {3, 100}, "04,3,100", true, {1, 50}}},
         {1, 50},
         "04,1,50",
         {"-1,100", "4,100", "3,-1", "3,101"},
         {"3", ",100", "z3,100", "3,", "3,z100"}},
        {0x05,
         "RadarACAuto",
         plain(&OrvaneSetRadarACAuto, &OrvaneGetRadarACAuto),
         "",
         {{"0", {0}, "05,0", true, {0}}, {"1", {1}, "05,1", true, {0}}},
         {0},
         "05,0",
         {"-1", "2"},
         {"", "", "z1"}},
        {0x06,
         "RadarACRain",
         plain(&OrvaneSetRadarACRain, &OrvaneGetRadarACRain),
         "",
         {{"0", {0}, "06,0", true, {50}}, {"100", {100}, "06,100", true, {50}}},
         {50},
         "06,50",
         {"-1", "101"},
         {"", "", "z100"}},
        {0x07,
         "RadarEchoStrech",
         plain(&OrvaneSetRadarEchoStrech, &OrvaneGetRadarEchoStrech),
         "",
         {{"0", {0}, "07,0", true, {1}}, {"2", {2}, "07,2", true, {1}}},
         {1},
         "07,1",
         {"-1", "3"},
         {"", "", "z2"}},
        {0x08,
         "RadarIntReject",
         plain(&OrvaneSetRadarIntReject, &OrvaneGetRadarIntReject),
         "",
         {{"0", {0}, "08,0", true, {1}}, {"3", {3}, "08,3", true, {1}}},
         {1},
         "08,1",
         {"-1", "4"},
         {"", "", "z3"}},
        {0x09,
         "RadarFTC",
         plain(&OrvaneSetRadarFTC, &OrvaneGetRadarFTC),
         "",
         {{"0", {0}, "09,0", true, {50}}, {"100", {100}, "09,100", true, {50}}},
         {50},
         "09,50",
         {"-1", "101"},
         {"", "", "z100"}},
        {0x0A,
         "RadarNoiseReject",
         plain(&OrvaneSetRadarNoiseReject, &OrvaneGetRadarNoiseReject),
         "",
         {{"0", {0}, "0A,0", true, {1}}, {"2", {2}, "0A,2", true, {1}}},
         {1},
         "0A,1",
         {"-1", "3"},
         {"", "", "z2"}},
        {0x0B,
         "RadarTune",
         plain(&OrvaneSetRadarTune, &OrvaneGetRadarTune),
         "",
         {{"0,0", {0, 0}, "0B,0,0", true, {0, 50}}, {"1,100", {1, 100}, "0B,1,100", true, {0, 50}}},
         {0, 50},
         "0B,0,50",
         {"-1,100", "2,100", "1,-1", "1,101"},
         {"1", ",100", "z1,100", "1,", "1,z100"}},
        {0x0C,
         "RadarCursorMode",
         plain(&OrvaneSetRadarCursorMode, &OrvaneGetRadarCursorMode),
         "",
         {{"0,0", {0, 0}, "0C,0,0", true, {1, 4}}, {"3,9", {3, 9}, "0C,3,9", true, {1, 4}}},
         {1, 4},
         "0C,1,4",
         {"-1,9", "4,9", "3,-1", "3,10"},
         {"3", ",9", "z3,9", "3,", "3,z9"}},
        {0x0D,
         "RadarAntHight",
         plain(&OrvaneSetRadarAntHight, &OrvaneGetRadarAntHight),
         "",
         {{"0", {0}, "0D,0", true, {1}}, {"2", {2}, "0D,2", true, {1}}},
         {1},
         "0D,1",
         {"-1", "3"},
         {"", "", "z2"}},
        {0x0E,
         "RadarSTCCurve",
         plain(&OrvaneSetRadarSTCCurve, &OrvaneGetRadarSTCCurve),
         "",
         {{"0", {0}, "0E,0", true, {1}}, {"2", {2}, "0E,2", true, {1}}},
         {1},
         "0E,1",
         {"-1", "3"},
         {"", "", "z2"}},
        {0x0F,
         "RadarDemo",
         plain(&OrvaneSetRadarDemo, &OrvaneGetRadarDemo),
         "",
         {{"0", {0}, "0F,0", true, {1}}, {"2", {2}, "0F,2", true, {1}}},
         {1},
         "0F,1",
         {"-1", "3"},
         {"", "", "z2"}},
        {0x10,
         "RadarMBSAdjust",
         plain(&OrvaneSetRadarMBSAdjust, &OrvaneGetRadarMBSAdjust),
         "",
         {{"0", {0}, "10,0", true, {12}}, {"25", {25}, "10,25", true, {12}}},
         {12},
         "10,12",
         {"-1", "26"},
         {"", "", "z25"}},
        {0x11,
         "RadarSweepTiming",
         plain(&OrvaneSetRadarSweepTiming, &OrvaneGetRadarSweepTiming),
         "",
         {{"0.0", {0}, "11,0.0", true, {10000}}, {"2000.0", {20000}, "11,2000.0", true, {10000}}},
         {10000},
         "11,1000.0",
         {"-0.1", "2000.1"},
         {"", "", "z2000.0"}},
        {0x12,
         "RadarOffset",
         plain(&OrvaneSetRadarOffset, &OrvaneGetRadarOffset),
         "",
         {{"0,0.0,0.0000", {0, 0, 0}, "12,0,0.0,0.0000", true, {0, 1799, 49999999}},
          {"1,359.9,9999.9999",
           {1, 3599, 99999999},
           "12,1,359.9,9999.9999",
           true,
           {0, 1799, 49999999}}},
         {0, 1799, 49999999},
         "12,0,179.9,4999.9999",
         {"-1,359.9,9999.9999", "2,359.9,9999.9999", "1,-0.1,9999.9999", "1,360.0,9999.9999",
          "1,359.9,-0.0001", "1,359.9,10000.0000"},
         {"1,359.9", ",359.9,9999.9999", "z1,359.9,9999.9999", "1,,9999.9999", "1,z359.9,9999.9999",
          "1,359.9,", "1,359.9,z9999.9999"}},
        {0x13,
         "RadarGuard",
         numbered(&OrvaneSetRadarGuard, &OrvaneGetRadarGuard),
         ",2",
         {{"1,0,0,0.0,0.0,0.0000,0.0000",
           {1, 0, 0, 0, 0, 0, 0},
           "13,1,0,0,0.0,0.0,0.0000,0.0000",
           true,
           {1, 0, 2, 1799, 1799, 49999999, 49999999}},
          {"2,1,4,359.9,359.9,9999.9999,9999.9999",
           {2, 1, 4, 3599, 3599, 99999999, 99999999},
           "13,2,1,4,359.9,359.9,9999.9999,9999.9999",
           true,
           {2, 0, 2, 1799, 1799, 49999999, 49999999}}},
         {2, 0, 2, 1799, 1799, 49999999, 49999999},
         "13,2,0,2,179.9,179.9,4999.9999,4999.9999",
         {"0,1,4,359.9,359.9,9999.9999,9999.9999", "3,1,4,359.9,359.9,9999.9999,9999.9999",
          "2,-1,4,359.9,359.9,9999.9999,9999.9999", "2,2,4,359.9,359.9,9999.9999,9999.9999",
          "2,1,-1,359.9,359.9,9999.9999,9999.9999", "2,1,5,359.9,359.9,9999.9999,9999.9999",
          "2,1,4,-0.1,359.9,9999.9999,9999.9999", "2,1,4,360.0,359.9,9999.9999,9999.9999",
          "2,1,4,359.9,-0.1,9999.9999,9999.9999", "2,1,4,359.9,360.0,9999.9999,9999.9999",
          "2,1,4,359.9,359.9,-0.0001,9999.9999", "2,1,4,359.9,359.9,10000.0000,9999.9999",
          "2,1,4,359.9,359.9,9999.9999,-0.0001", "2,1,4,359.9,359.9,9999.9999,10000.0000"},
         {"2,1,4,359.9,359.9,9999.9999", ",1,4,359.9,359.9,9999.9999,9999.9999",
          "z2,1,4,359.9,359.9,9999.9999,9999.9999", "2,,4,359.9,359.9,9999.9999,9999.9999",
          "2,z1,4,359.9,359.9,9999.9999,9999.9999", "2,1,,359.9,359.9,9999.9999,9999.9999",
          "2,1,z4,359.9,359.9,9999.9999,9999.9999", "2,1,4,,359.9,9999.9999,9999.9999",
          "2,1,4,z359.9,359.9,9999.9999,9999.9999", "2,1,4,359.9,,9999.9999,9999.9999",
          "2,1,4,359.9,z359.9,9999.9999,9999.9999", "2,1,4,359.9,359.9,,9999.9999",
          "2,1,4,359.9,359.9,z9999.9999,9999.9999", "2,1,4,359.9,359.9,9999.9999,",
          "2,1,4,359.9,359.9,9999.9999,z9999.9999"}},
        {0x14,
         "RadarBlind",
         plain(&OrvaneSetRadarBlind, &OrvaneGetRadarBlind),
         "",
         {{"0,0,0", {0, 0, 0}, "14,0,0,0", false, {0, 179, 68}},
          {"1,359,135", {1, 359, 135}, "14,1,359,135", true, {0, 179, 68}}},
         {0, 179, 68},
         "14,0,179,68",
         {"-1,359,135", "2,359,135", "1,-1,135", "1,360,135", "1,359,-1", "1,359,136"},
         {"1,359", ",359,135", "z1,359,135", "1,,135", "1,z359,135", "1,359,", "1,359,z135"}},
        {0x15,
         "RadarDispMode",
         plain(&OrvaneSetRadarDispMode, &OrvaneGetRadarDispMode),
         "",
         {{"0,0", {0, 0}, "15,0,0", true, {2, 1799}},
          {"4,3599", {4, 3599}, nullptr, true, {2, 1799}}},
         {2, 1799},
         "15,2,1799",
         {"-1,3599", "5,3599", "4,-1", "4,3600"},
         {"4", ",3599", "z4,3599", "4,", "4,z3599"}},
        {0x16,
         "RadarReverse",
         plain(&OrvaneSetRadarReverse, &OrvaneGetRadarReverse),
         "",
         {{"0", {0}, "16,0", true, {0}}, {"1", {1}, "16,1", true, {0}}},
         {0},
         "16,0",
         {"-1", "2"},
         {"", "", "z1"}},
        {0x17,
         "RadarRange",
         plain(&OrvaneSetRadarRange, &OrvaneGetRadarRange),
         "",
         {{"0,0", {0, 0}, "17,0,0", true, {8, 1}}, {"17,2", {17, 2}, "17,17,2", true, {8, 1}}},
         {8, 1},
         "17,8,1",
         {"-1,2", "18,2", "17,-1", "17,3"},
         {"17", ",2", "z17,2", "17,", "17,z2"}},
        {0x18,
         "RadarRings",
         plain(&OrvaneSetRadarRings, &OrvaneGetRadarRings),
         "",
         {{"0,0,0", {0, 0, 0}, "18,0,0,0", true, {1, 0, 0}},
          {"3,1,1", {3, 1, 1}, "18,3,1,1", true, {1, 0, 0}}},
         {1, 0, 0},
         "18,1,0,0",
         {"-1,1,1", "4,1,1", "3,-1,1", "3,2,1", "3,1,-1", "3,1,2"},
         {"3,1", ",1,1", "z3,1,1", "3,,1", "3,z1,1", "3,1,", "3,1,z1"}},
        {0x19,
         "RadarZoom",
         plain(&OrvaneSetRadarZoom, &OrvaneGetRadarZoom),
         "",
         {{"0,0.0,0.0000", {0, 0, 0}, "19,0,0.0,0.0000", true, {1, 1799, 49999999}},
          {"2,359.9,9999.9999",
           {2, 3599, 99999999},
           "19,2,359.9,9999.9999",
           true,
           {1, 1799, 49999999}}},
         {1, 1799, 49999999},
         "19,1,179.9,4999.9999",
         {"-1,359.9,9999.9999", "3,359.9,9999.9999", "2,-0.1,9999.9999", "2,360.0,9999.9999",
          "2,359.9,-0.0001", "2,359.9,10000.0000"},
         {"2,359.9", ",359.9,9999.9999", "z2,359.9,9999.9999", "2,,9999.9999", "2,z359.9,9999.9999",
          "2,359.9,", "2,359.9,z9999.9999"}},
        {0x1A,
         "RadarShift",
         plain(&OrvaneSetRadarShift, &OrvaneGetRadarShift),
         "",
         {{"0,0.0,0.0000", {0, 0, 0}, "1A,0,0.0,0.0000", true, {1, 1799, 49999999}},
          {"2,359.9,9999.9999",
           {2, 3599, 99999999},
           "1A,2,359.9,9999.9999",
           true,
           {1, 1799, 49999999}}},
         {1, 1799, 49999999},
         "1A,1,179.9,4999.9999",
         {"-1,359.9,9999.9999", "3,359.9,9999.9999", "2,-0.1,9999.9999", "2,360.0,9999.9999",
          "2,359.9,-0.0001", "2,359.9,10000.0000"},
         {"2,359.9", ",359.9,9999.9999", "z2,359.9,9999.9999", "2,,9999.9999", "2,z359.9,9999.9999",
          "2,359.9,", "2,359.9,z9999.9999"}},
        {0x1B,
         "RadarEBL",
         numbered(&OrvaneSetRadarEBL, &OrvaneGetRadarEBL),
         ",2",
         {{"1,0,0,0,0.0", {1, 0, 0, 0, 0}, "1B,1,0,0,0,0.0,", true, {1, 0, 0, 0, 1799}},
          {"2,1,1,1,359.9", {2, 1, 1, 1, 3599}, "1B,2,1,1,1,359.9,", true, {2, 0, 0, 0, 1799}}},
         {2, 0, 0, 0, 1799},
         "1B,2,0,0,0,179.9,",
         {"0,1,1,1,359.9", "3,1,1,1,359.9", "2,-1,1,1,359.9", "2,2,1,1,359.9", "2,1,-1,1,359.9",
          "2,1,2,1,359.9", "2,1,1,-1,359.9", "2,1,1,2,359.9", "2,1,1,1,-0.1", "2,1,1,1,360.0"},
         {"2,1,1,1", ",1,1,1,359.9", "z2,1,1,1,359.9", "2,,1,1,359.9", "2,z1,1,1,359.9",
          "2,1,,1,359.9", "2,1,z1,1,359.9", "2,1,1,,359.9", "2,1,1,z1,359.9", "2,1,1,1,",
          "2,1,1,1,z359.9"}},
        {0x1C,
         "RadarVRM",
         numbered(&OrvaneSetRadarVRM, &OrvaneGetRadarVRM),
         ",2",
         {{"1,0,0,0,0.0000", {1, 0, 0, 0, 0}, "1C,1,0,0,0,0.0000", true, {1, 1, 1, 0, 49999999}},
          {"2,2,2,1,9999.9999",
           {2, 2, 2, 1, 99999999},
           "1C,2,2,2,1,9999.9999",
           true,
           {2, 1, 1, 0, 49999999}}},
         {2, 1, 1, 0, 49999999},
         "1C,2,1,1,0,4999.9999",
         {"0,2,2,1,9999.9999", "3,2,2,1,9999.9999", "2,-1,2,1,9999.9999", "2,3,2,1,9999.9999",
          "2,2,-1,1,9999.9999", "2,2,3,1,9999.9999", "2,2,2,-1,9999.9999", "2,2,2,2,9999.9999",
          "2,2,2,1,-0.0001", "2,2,2,1,10000.0000"},
         {"2,2,2,1", ",2,2,1,9999.9999", "z2,2,2,1,9999.9999", "2,,2,1,9999.9999",
          "2,z2,2,1,9999.9999", "2,2,,1,9999.9999", "2,2,z2,1,9999.9999", "2,2,2,,9999.9999",
          "2,2,2,z1,9999.9999", "2,2,2,1,", "2,2,2,1,z9999.9999"}},
        {0x1D,
         "RadarBright",
         by_value_item(&OrvaneSetRadarBright, &OrvaneGetRadarBright),
         ",5",
         {{"0,0", {0, 0}, "1D,0,0", true, {3, 4}}, {"7,9", {7, 9}, "1D,7,9", true, {3, 4}}},
         {3, 4},
         "1D,5,4",
         {"-1,9", "8,9", "7,-1", "7,10"},
         {"7", ",9", "z7,9", "7,", "7,z9"}},
        {0x1E,
         "RadarHeadingMark",
         plain(&OrvaneSetRadarHeadingMark, &OrvaneGetRadarHeadingMark),
         "",
         {{"0,0", {0, 0}, "1E,0,0", true, {0, 4}}, {"1,9", {1, 9}, "1E,1,9", true, {0, 4}}},
         {0, 4},
         "1E,0,4",
         {"-1,9", "2,9", "1,-1", "1,10"},
         {"1", ",9", "z1,9", "1,", "1,z9"}},
        {0x1F,
         "RadarTrail",
         plain(&OrvaneSetRadarTrail, &OrvaneGetRadarTrail),
         "",
         {{"0,0,0,0,0,0", {0, 0, 0, 0, 0, 0}, "1F,0,0,0,0,0,0", true, {0, 0, 3, 1, 2, 4}},
          {"1,1,7,2,4,9", {1, 1, 7, 2, 4, 9}, "1F,1,1,7,2,4,9", true, {0, 0, 3, 1, 2, 4}}},
         {0, 0, 3, 1, 2, 4},
         "1F,0,0,3,1,2,4",
         {"-1,1,7,2,4,9", "2,1,7,2,4,9", "1,-1,7,2,4,9", "1,2,7,2,4,9", "1,1,-1,2,4,9",
          "1,1,8,2,4,9", "1,1,7,-1,4,9", "1,1,7,3,4,9", "1,1,7,2,-1,9", "1,1,7,2,5,9",
          "1,1,7,2,4,-1", "1,1,7,2,4,10"},
         {"1,1,7,2,4", ",1,7,2,4,9", "z1,1,7,2,4,9", "1,,7,2,4,9", "1,z1,7,2,4,9", "1,1,,2,4,9",
          "1,1,z7,2,4,9", "1,1,7,,4,9", "1,1,7,z2,4,9", "1,1,7,2,,9", "1,1,7,2,z4,9", "1,1,7,2,4,",
          "1,1,7,2,4,z9"}},
        {0x20,
         "RadarWatchman",
         plain(&OrvaneSetRadarWatchman, &OrvaneGetRadarWatchman),
         "",
         {{"0,0,0,0", {0, 0, 0, 0}, "20,0,0,0", true, {0, 1, 3, 0}},
          {"1,2,7,1", {1, 2, 7, 1}, "20,2,7,1", true, {0, 1, 3, 0}}},
         {0, 1, 3, 0},
         "20,1,3,0",
         {"-1,2,7,1", "2,2,7,1", "1,-1,7,1", "1,3,7,1", "1,2,-1,1", "1,2,8,1", "1,2,7,-1",
          "1,2,7,2"},
         {"1,2,7", ",2,7,1", "z1,2,7,1", "1,,7,1", "1,z2,7,1", "1,2,,1", "1,2,z7,1", "1,2,7,",
          "1,2,7,z1"}},
        {0x21,
         "RadarTotalOnHours",
         plain(&OrvaneSetRadarTotalOnHours, &OrvaneGetRadarTotalOnHours),
         "",
         {{"0.0", {0}, "21,0.0", true, {2147483647}},
          {"429496729.5", {4294967295}, "21,429496729.5", true, {2147483647}}},
         {2147483647},
         "21,214748364.7",
         {},
         {"", "", "z429496729.5"}},
        {0x22,
         "RadarTotalTxHours",
         plain(&OrvaneSetRadarTotalTxHours, &OrvaneGetRadarTotalTxHours),
         "",
         {{"0.0", {0}, "22,0.0", true, {2147483647}},
          {"429496729.5", {4294967295}, "22,429496729.5", true, {2147483647}}},
         {2147483647},
         "22,214748364.7",
         {},
         {"", "", "z429496729.5"}},
        {0x23,
         "RadarWPTMark",
         plain(&OrvaneSetRadarWPTMark, &OrvaneGetRadarWPTMark),
         "",
         {{"0,0,0,0.0,0.0000",
           {0, 0, 0, 0, 0},
           "23,0,0,0,0.0,0.0000",
           true,
           {0, 4, 4999, 1799, 49999999}},
          {"1,9,9999,359.9,9999.9999",
           {1, 9, 9999, 3599, 99999999},
           "23,1,9,9999,359.9,9999.9999",
           true,
           {0, 4, 4999, 1799, 49999999}}},
         {0, 4, 4999, 1799, 49999999},
         "23,0,4,4999,179.9,4999.9999",
         {"-1,9,9999,359.9,9999.9999", "2,9,9999,359.9,9999.9999", "1,-1,9999,359.9,9999.9999",
          "1,10,9999,359.9,9999.9999", "1,9,-1,359.9,9999.9999", "1,9,10000,359.9,9999.9999",
          "1,9,9999,-0.1,9999.9999", "1,9,9999,360.0,9999.9999", "1,9,9999,359.9,-0.0001",
          "1,9,9999,359.9,10000.0000"},
         {"1,9,9999,359.9", ",9,9999,359.9,9999.9999", "z1,9,9999,359.9,9999.9999",
          "1,,9999,359.9,9999.9999", "1,z9,9999,359.9,9999.9999", "1,9,,359.9,9999.9999",
          "1,9,z9999,359.9,9999.9999", "1,9,9999,,9999.9999", "1,9,9999,z359.9,9999.9999",
          "1,9,9999,359.9,", "1,9,9999,359.9,z9999.9999"}},
        {0x24,
         "RadarTxStby",
         plain(&OrvaneSetRadarTxStby, &OrvaneGetRadarTxStby),
         "",
         {{"0", {0}, "24,0", true, {1}}, {"2", {2}, "24,2", true, {1}}},
         {1},
         "24,1",
         {"-1", "3"},
         {"", "", "z2"}},
        {0x25,
         "RadarPulseLength",
         plain(&OrvaneSetRadarPulseLength, &OrvaneGetRadarPulseLength),
         "",
         {{"0", {0}, "25,0", true, {0}}, {"1", {1}, "25,1", true, {0}}},
         {0},
         "25,0",
         {"-1", "2"},
         {"", "", "z1"}},
        {0x26,
         "RadarDirSensor",
         plain(&OrvaneSetRadarDirSensor, &OrvaneGetRadarDirSensor),
         "",
         {{"0", {0}, "26,0", true, {0}}, {"1", {1}, "26,1", true, {0}}},
         {0},
         "26,0",
         {"-1", "2"},
         {"", "", "z1"}},
        {0x27,
         "RadarTxAntStatus",
         plain(&OrvaneSetRadarTxAntStatus, &OrvaneGetRadarTxAntStatus),
         "",
         {{"0", {0}, "27,0", true, {0}}, {"1", {1}, "27,1", true, {0}}},
         {0},
         "27,0",
         {"-1", "2"},
         {"", "", "z1"}},
        {0x28,
         "RadarWarmUpTime",
         plain(&OrvaneSetRadarWarmUpTime, &OrvaneGetRadarWarmUpTime),
         "",
         {{"0", {0}, "28,0", true, {150}}, {"300", {300}, "28,300", true, {150}}},
         {150},
         "28,150",
         {"-1", "301"},
         {"", "", "z300"}},
        {0x29,
         "RadarRangePreset",
         plain(&OrvaneSetRadarRangePreset, &OrvaneGetRadarRangePreset),
         "",
         {{"0,0", {0, 0}, "29,0,0", true, {1, 131071}},
          {"2,262143", {2, 262143}, "29,2,262143", true, {1, 131071}}},
         {1, 131071},
         "29,1,131071",
         {"-1,262143", "3,262143", "2,-1", "2,262144"},
         {"2", ",262143", "z2,262143", "2,", "2,z262143"}},
        {0x2A,
         "RadarTuneAdjust",
         plain(&OrvaneSetRadarTuneAdjust, &OrvaneGetRadarTuneAdjust),
         "",
         {{"0", {0}, "2A,0", true, {0}}, {"1", {1}, "2A,1", true, {0}}},
         {0},
         "2A,0",
         {"-1", "2"},
         {"", "", "z1"}},
        {0x2B,
         "RadarVideoAdjust",
         plain(&OrvaneSetRadarVideoAdjust, &OrvaneGetRadarVideoAdjust),
         "",
         {{"0", {0}, "2B,0", true, {0}}, {"1", {1}, "2B,1", true, {0}}},
         {0},
         "2B,0",
         {"-1", "2"},
         {"", "", "z1"}},
        {0x2C,
         "RadarAntType",
         plain(&OrvaneSetRadarAntType, &OrvaneGetRadarAntType),
         "",
         {{"0", {0}, "2C,0", true, {3}}, {"7", {7}, "2C,7", true, {3}}},
         {3},
         "2C,3",
         {"-1", "8"},
         {"", "", "z7"}},
        {0x2D,
         "RadarMaxRange",
         plain(&OrvaneSetRadarMaxRange, &OrvaneGetRadarMaxRange),
         "",
         {{"0", {0}, "2D,0", true, {2}}, {"4", {4}, "2D,4", true, {2}}},
         {2},
         "2D,2",
         {"-1", "5"},
         {"", "", "z4"}},
        {0x2E,
         "RadarMonitorMode",
         plain(&OrvaneSetRadarMonitorMode, &OrvaneGetRadarMonitorMode),
         "",
         {{"0", {0}, "2E,0", true, {0}}, {"1", {1}, "2E,1", true, {0}}},
         {0},
         "2E,0",
         {"-1", "2"},
         {"", "", "z1"}},
        {0x2F,
         "Radar2ndEchoReject",
         plain(&OrvaneSetRadar2ndEchoReject, &OrvaneGetRadar2ndEchoReject),
         "",
         {{"0", {0}, "2F,0", true, {0}}, {"1", {1}, "2F,1", true, {0}}},
         {0},
         "2F,0",
         {"-1", "2"},
         {"", "", "z1"}},
        {0x30,
         "RadarSignal",
         plain(&OrvaneSetRadarSignal, &OrvaneGetRadarSignal),
         "",
         {{"0", {0}, "30,0", true, {4}}, {"9", {9}, "30,9", true, {4}}},
         {4},
         "30,4",
         {"-1", "10"},
         {"", "", "z9"}},
        {0x31,
         "RadarBackGround",
         plain(&OrvaneSetRadarBackGround, &OrvaneGetRadarBackGround),
         "",
         {{"0", {0}, "31,0", true, {2}}, {"4", {4}, "31,4", true, {2}}},
         {2},
         "31,2",
         {"-1", "5"},
         {"", "", "z4"}},
        {0x32,
         "RadarEchoColor",
         plain(&OrvaneSetRadarEchoColor, &OrvaneGetRadarEchoColor),
         "",
         {{"0", {0}, "32,0", true, {1}}, {"2", {2}, "32,2", true, {1}}},
         {1},
         "32,1",
         {"-1", "3"},
         {"", "", "z2"}},
        {0x33,
         "RadarAlarmSound",
         plain(&OrvaneSetRadarAlarmSound, &OrvaneGetRadarAlarmSound),
         "",
         {{"0,0", {0, 0}, "33,0,0", true, {0, 7}}, {"1,15", {1, 15}, "33,1,15", true, {0, 7}}},
         {0, 7},
         "33,0,7",
         {"-1,15", "2,15", "1,-1", "1,16"},
         {"1", ",15", "z1,15", "1,", "1,z15"}},
        {0x34,
         "RadarFactory",
         plain(&OrvaneSetRadarFactory, &OrvaneGetRadarFactory),
         "",
         {{"0", {0}, "34,0", true, {0}}, {"1", {1}, "34,1", true, {0}}},
         {0},
         "34,0",
         {"-1", "2"},
         {"", "", "z1"}},
        {0x35,
         "RadarCursorPos",
         plain(&OrvaneSetRadarCursorPos, &OrvaneGetRadarCursorPos),
         "",
         {{"0,0.0,0.0000", {0, 0, 0}, "35,0,0.0,0.0000", true, {0, 1799, 49999999}},
          {"1,359.9,9999.9999",
           {1, 3599, 99999999},
           "35,1,359.9,9999.9999",
           true,
           {0, 1799, 49999999}}},
         {0, 1799, 49999999},
         "35,0,179.9,4999.9999",
         {"-1,359.9,9999.9999", "2,359.9,9999.9999", "1,-0.1,9999.9999", "1,360.0,9999.9999",
          "1,359.9,-0.0001", "1,359.9,10000.0000"},
         {"1,359.9", ",359.9,9999.9999", "z1,359.9,9999.9999", "1,,9999.9999", "1,z359.9,9999.9999",
          "1,359.9,", "1,359.9,z9999.9999"}},
        {0x36,
         "RadarDemoData",
         plain(&OrvaneSetRadarDemoData, &OrvaneGetRadarDemoData),
         "",
         {{"0", {0}, "36,0", true, {0}}, {"1", {1}, "36,1", true, {0}}},
         {0},
         "36,0",
         {"-1", "2"},
         {"", "", "z1"}},
        {0x37,
         "RadarOwnPosiLL",
         plain(&OrvaneSetRadarOwnPosiLL, &OrvaneGetRadarOwnPosiLL),
         "",
         {{"0,-353894400,-707788800",
           {0, -353894400, -707788800},
           "37,0,-353894400,-707788800",
           true,
           {0, 0, 0}},
          {"1,353894400,707788800",
           {1, 353894400, 707788800},
           "37,1,353894400,707788800",
           true,
           {0, 0, 0}}},
         {0, 0, 0},
         "37,0,0,0",
         {"-1,353894400,707788800", "2,353894400,707788800", "1,-353894401,707788800",
          "1,353894401,707788800", "1,353894400,-707788801", "1,353894400,707788801"},
         {"1,353894400", ",353894400,707788800", "z1,353894400,707788800", "1,,707788800",
          "1,z353894400,707788800", "1,353894400,", "1,353894400,z707788800"}},
        {0x38,
         "RadarNMEAHead",
         plain(&OrvaneSetRadarNMEAHead, &OrvaneGetRadarNMEAHead),
         "",
         {{"0,0.0,-179.9", {0, 0, -1799}, "38,0,0.0,-179.-9", true, {0, 1799, 0}},
          {"1,359.9,179.9", {1, 3599, 1799}, "38,1,359.9,179.9", true, {0, 1799, 0}}},
         {0, 1799, 0},
         "38,0,179.9,0.0",
         {"-1,359.9,179.9", "2,359.9,179.9", "1,-0.1,179.9", "1,360.0,179.9", "1,359.9,-180.0",
          "1,359.9,180.0"},
         {"1,359.9", ",359.9,179.9", "z1,359.9,179.9", "1,,179.9", "1,z359.9,179.9", "1,359.9,",
          "1,359.9,z179.9"}},
        {0x39,
         "RadarHeadingAdjust",
         plain(&OrvaneSetRadarHeadingAdjust, &OrvaneGetRadarHeadingAdjust),
         "",
         {{"0", {0}, "39,0.0", true, {1799}}, {"3599", {3599}, "39,359.9", true, {1799}}},
         {1799},
         "39,179.9",
         {"-1", "3600"},
         {"", "", "z3599"}},
        {0x3A,
         "RadarMaxShiftSpeed",
         plain(&OrvaneSetRadarMaxShiftSpeed, &OrvaneGetRadarMaxShiftSpeed),
         "",
         {{"0", {0}, "3A,0.0", true, {499}}, {"999", {999}, "3A,99.9", true, {499}}},
         {499},
         "3A,49.9",
         {"-1", "1000"},
         {"", "", "z999"}},
        {0x3B,
         "RadarAmpType",
         plain(&OrvaneSetRadarAmpType, &OrvaneGetRadarAmpType),
         "",
         {{"0", {0}, "3B,0", true, {0}}, {"1", {1}, "3B,1", true, {0}}},
         {0},
         "3B,0",
         {"-1", "2"},
         {"", "", "z1"}},
        {0x3C,
         "RadarTuneInit",
         plain(&OrvaneSetRadarTuneInit, &OrvaneGetRadarTuneInit),
         "",
         {{"0", {0}, "3C,0", true, {230}}, {"461", {461}, "3C,461", true, {230}}},
         {230},
         "3C,230",
         {"-1", "462"},
         {"", "", "z461"}},
        {0x3D,
         "RadarAutoTune",
         plain(&OrvaneSetRadarAutoTune, &OrvaneGetRadarAutoTune),
         "",
         {{"0", {0}, "3D,0", true, {50}}, {"100", {100}, "3D,100", true, {50}}},
         {50},
         "3D,50",
         {"-1", "101"},
         {"", "", "z100"}},
        {0x3E,
         "RadarTuneInd",
         plain(&OrvaneSetRadarTuneInd, &OrvaneGetRadarTuneInd),
         "",
         {{"0", {0}, "3E,0", true, {50}}, {"100", {100}, "3E,100", true, {50}}},
         {50},
         "3E,50",
         {"-1", "101"},
         {"", "", "z100"}},
        {0x40,
         "ArpaOnOff",
         plain(&OrvaneSetArpaOnOff, &OrvaneGetArpaOnOff),
         "",
         {{"0,0", {0, 0}, "40,0", true, {0, 0}}, {"1,1", {1, 1}, "40,1", true, {0, 0}}},
         {0, 0},
         "40,0",
         {"-1,1", "2,1", "1,-1", "1,2"},
         {"1", ",1", "z1,1", "1,", "1,z1"}},
        {0x42,
         "ArpaPlotInterval",
         plain(&OrvaneSetArpaPlotInterval, &OrvaneGetArpaPlotInterval),
         "",
         {{"0", {0}, "42,0", true, {3}}, {"6", {6}, "42,6", true, {3}}},
         {3},
         "42,3",
         {"-1", "7"},
         {"", "", "z6"}},
        {0x43,
         "ArpaVectorMode",
         plain(&OrvaneSetArpaVectorMode, &OrvaneGetArpaVectorMode),
         "",
         {{"0", {0}, "43,0", true, {0}}, {"1", {1}, "43,1", true, {0}}},
         {0},
         "43,0",
         {"-1", "2"},
         {"", "", "z1"}},
        {0x44,
         "ArpaVectorTime",
         plain(&OrvaneSetArpaVectorTime, &OrvaneGetArpaVectorTime),
         "",
         {{"0", {0}, "44,0", true, {2}}, {"5", {5}, "44,5", true, {2}}},
         {2},
         "44,2",
         {"-1", "6"},
         {"", "", "z5"}},
        {0x45,
         "ArpaCPA",
         plain(&OrvaneSetArpaCPA, &OrvaneGetArpaCPA),
         "",
         {{"0", {0}, "45,0", true, {3}}, {"6", {6}, "45,6", true, {3}}},
         {3},
         "45,3",
         {"-1", "7"},
         {"", "", "z6"}},
        {0x46,
         "ArpaTCPA",
         plain(&OrvaneSetArpaTCPA, &OrvaneGetArpaTCPA),
         "",
         {{"0", {0}, "46,0", true, {3}}, {"7", {7}, "46,7", true, {3}}},
         {3},
         "46,3",
         {"-1", "8"},
         {"", "", "z7"}},
        {0x47,
         "ArpaAutoACQ",
         plain(&OrvaneSetArpaAutoACQ, &OrvaneGetArpaAutoACQ),
         "",
         {{"0", {0}, "47,0", true, {0}}, {"1", {1}, "47,1", true, {0}}},
         {0},
         "47,0",
         {"-1", "2"},
         {"", "", "z1"}},
        {0x48,
         "ArpaAlarm",
         plain(&OrvaneSetArpaAlarm, &OrvaneGetArpaAlarm),
         "",
         {{"0", {0}, "48,0", true, {32767}}, {"65535", {65535}, "48,65535", true, {32767}}},
         {32767},
         "48,32767",
         {},
         {"", "", "z65535"}},
        {0x49,
         "ArpaMark",
         plain(&OrvaneSetArpaMark, &OrvaneGetArpaMark),
         "",
         {{"0", {0}, "49,0", true, {0}}, {"1", {1}, "49,1", true, {0}}},
         {0},
         "49,0",
         {"-1", "2"},
         {"", "", "z1"}},
        {0x4A,
         "ArpaACQData",
         plain(&OrvaneSetArpaACQData, &OrvaneGetArpaACQData),
         "",
         {{"0,0.0", {0, 0}, "4A,0,0.0", true, {1073741823, 1799}},
          {"2147483647,359.9",
           {2147483647, 3599},
           "4A,2147483647,359.9",
           true,
           {1073741823, 1799}}},
         {1073741823, 1799},
         "4A,1073741823,179.9",
         {"2147483647,-0.1", "2147483647,360.0"},
         {"2147483647", ",359.9", "z2147483647,359.9", "2147483647,", "2147483647,z359.9"}},
        {0x4B,
         "ArpaEraseData",
         plain(&OrvaneSetArpaEraseData, &OrvaneGetArpaEraseData),
         "",
         {{"256", {0}, "4B,256", true, {4}}, {"2815", {9}, "4B,2560", true, {4}}},
         {4},
         "4B,1280",
         {"255", "2816"},
         {"", "", "z2815"}},
        {0x4C,
         "ArpaTargetNumber",
         plain(&OrvaneSetArpaTargetNumber, &OrvaneGetArpaTargetNumber),
         "",
         {{"0", {0}, "4C,0", true, {0}}, {"1", {1}, "4C,1", true, {0}}},
         {0},
         "4C,0",
         {"-1", "2"},
         {"", "", "z1"}},
        {0x52,
         "ArpaServerOnOff",
         plain(&OrvaneSetArpaServerOnOff, &OrvaneGetArpaServerOnOff),
         "",
         {{"0,0", {0, 0}, "52,0,0", true, {0, 0}}, {"1,1", {1, 1}, "52,1,1", true, {0, 0}}},
         {0, 0},
         "52,0,0",
         {"-1,1", "2,1", "1,-1", "1,2"},
         {"1", ",1", "z1,1", "1,", "1,z1"}},
        {0x55,
         "OwnCourse",
         plain(&OrvaneSetOwnCourse, &OrvaneGetOwnCourse),
         "",
         {{"0,0", {0, 0}, "55,0,0", true, {0, 1799}},
          {"1,3599", {1, 3599}, "55,1,3599", true, {0, 1799}}},
         {0, 1799},
         "55,0,1799",
         {"-1,3599", "2,3599", "1,-1", "1,3600"},
         {"1", ",3599", "z1,3599", "1,", "1,z3599"}},
        {0x56,
         "ArpaStatus",
         plain(&OrvaneSetArpaStatus, &OrvaneGetArpaStatus),
         "",
         {{"0,0,0,0,0,0,0,0,0,0",
           {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
           "56,0,0,0,0,0,0,0,0,0,0",
           true,
           {32767, 32767, 32767, 32767, 32767, 32767, 32767, 32767, 32767, 32767}},
          {"FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF",
           {65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535},
           "56,65535,65535,65535,65535,65535,65535,65535,65535,65535,65535",
           true,
           {32767, 32767, 32767, 32767, 32767, 32767, 32767, 32767, 32767, 32767}}},
         {32767, 32767, 32767, 32767, 32767, 32767, 32767, 32767, 32767, 32767},
         "56,32767,32767,32767,32767,32767,32767,32767,32767,32767,32767",
         {},
         {"FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF",
          ",FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF",
          "zFFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF",
          "FFFF,,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF",
          "FFFF,zFFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF",
          "FFFF,FFFF,,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF",
          "FFFF,FFFF,zFFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF",
          "FFFF,FFFF,FFFF,,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF",
          "FFFF,FFFF,FFFF,zFFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF",
          "FFFF,FFFF,FFFF,FFFF,,FFFF,FFFF,FFFF,FFFF,FFFF",
          "FFFF,FFFF,FFFF,FFFF,zFFFF,FFFF,FFFF,FFFF,FFFF,FFFF",
          "FFFF,FFFF,FFFF,FFFF,FFFF,,FFFF,FFFF,FFFF,FFFF",
          "FFFF,FFFF,FFFF,FFFF,FFFF,zFFFF,FFFF,FFFF,FFFF,FFFF",
          "FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,,FFFF,FFFF,FFFF",
          "FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,zFFFF,FFFF,FFFF,FFFF",
          "FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,,FFFF,FFFF",
          "FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,zFFFF,FFFF,FFFF",
          "FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,,FFFF",
          "FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,zFFFF,FFFF",
          "FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,",
          "FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,FFFF,zFFFF"}},
    };
    return table;
}

std::vector<int32_t> notified;
void RADAR_CALLBACK on_notify(int32_t code) { notified.push_back(code); }

std::string hex(int code) {
    char text[3];
    std::snprintf(text, sizeof text, "%02X", code);
    return text;
}

std::string message(char kind, int code, const std::string &fields) {
    return std::string("$") + kind + hex(code) + (fields.empty() ? "" : "," + fields) + "\r\n";
}

class Incoming : public ::testing::Test {
  protected:
    void SetUp() override {
        connection_ = connect_pair();
        ASSERT_GE(connection_.far.get(), 0);
        ASSERT_EQ(OrvaneInitRadarFunc("TEST", &on_notify), RADAR_OK);
        ASSERT_NE(netlib_double::conversion, nullptr);
        notified.clear();
    }

    void deliver(int16_t code, const std::string &text) {
        int32_t handle = connection_.near.get();
        EXPECT_EQ(netlib_double::conversion(code, text.c_str(), &handle), 0);
    }

    void expect_answer(const std::string &answer, const std::string &legend) {
        const std::string bytes = "$N" + answer + "\r\n" + std::string(1, '\0');
        EXPECT_EQ(read_n(connection_.far.get(), bytes.size()), bytes) << legend;
    }

    // A known sentence must be the next thing on the wire: nothing was
    // answered before it.
    void expect_nothing_more(const std::string &legend) {
        ASSERT_EQ(OrvanePutArpaAllClear(2), RADAR_OK);
        EXPECT_EQ(read_n(connection_.far.get(), 7), std::string("$N41\r\n", 7))
            << legend << " (marker)";
    }

    Connection connection_;
};

class Handlers : public Incoming, public ::testing::WithParamInterface<std::size_t> {
  protected:
    const Row &row() const { return rows()[GetParam()]; }
    int64_t lead(const Values &v) const { return row().access.shape == Shape::plain ? 0 : v[0]; }

    void set_baseline(const Values &baseline) {
        ASSERT_EQ(row().access.set(baseline), RADAR_OK) << row().stem << ": baseline";
        notified.clear();
    }

    void expect_record(const Values &values, int64_t entry, const std::string &legend) {
        Values out;
        bool fenced = false, touched = false;
        ASSERT_EQ(row().access.get(entry, out, fenced, touched), RADAR_OK) << legend;
        EXPECT_EQ(out, stored_part(row().access, values)) << legend;
    }

    // A message that must change nothing: no answer, no write, no notice.
    void expect_refused(const std::string &text, const Values &baseline) {
        set_baseline(baseline);
        deliver(static_cast<int16_t>(row().code), text);
        expect_nothing_more(text);
        expect_record(baseline, lead(baseline), text);
        EXPECT_TRUE(notified.empty()) << text;
    }
};

TEST_P(Handlers, OrdersAtTheBoundsAreAnsweredThenAppliedThenNotified) {
    for (const Sample &s : row().samples) {
        set_baseline(s.baseline);
        const std::string text = message('S', row().code, s.fields);
        deliver(static_cast<int16_t>(row().code), text);
        if (s.answer != nullptr) expect_answer(s.answer, text);
        expect_nothing_more(text);
        expect_record(s.stored ? s.set_values : s.baseline, lead(s.set_values), text);
        EXPECT_EQ(notified, std::vector<int32_t>{row().code}) << text;
        if (HasFailure()) return;
    }
}

TEST_P(Handlers, AnnouncementsAreAppliedAndNotifiedWithoutAnswer) {
    for (const char kind : {'N', 'X', 'r', 's'}) {
        const Sample &s = row().samples[1];
        set_baseline(s.baseline);
        const std::string text = message(kind, row().code, s.fields);
        deliver(static_cast<int16_t>(row().code), text);
        expect_nothing_more(text);
        expect_record(s.stored ? s.set_values : s.baseline, lead(s.set_values), text);
        EXPECT_EQ(notified, std::vector<int32_t>{row().code}) << text;
    }
}

TEST_P(Handlers, AFirstFieldWithoutKindLetterIsAppliedWithoutAnswer) {
    const Sample &s = row().samples[1];
    set_baseline(s.baseline);
    const std::string text = std::string("$,") + s.fields + "\r\n";
    deliver(static_cast<int16_t>(row().code), text);
    expect_nothing_more(text);
    expect_record(s.stored ? s.set_values : s.baseline, lead(s.set_values), text);
    EXPECT_EQ(notified, std::vector<int32_t>{row().code}) << text;
}

TEST_P(Handlers, RequestsAreAnsweredFromTheRecordAndChangeNothing) {
    set_baseline(row().request_baseline);
    const std::string text = message('R', row().code, "");
    const std::string request = text.substr(0, 4) + row().request_lead + "\r\n";
    deliver(static_cast<int16_t>(row().code), request);
    if (row().request_answer != nullptr) expect_answer(row().request_answer, request);
    expect_nothing_more(request);
    expect_record(row().request_baseline, lead(row().request_baseline), request);
    EXPECT_TRUE(notified.empty()) << request;
}

TEST_P(Handlers, AValuePastItsBoundIsRefusedWhole) {
    for (const char *fields : row().out_of_range) {
        expect_refused(message('S', row().code, fields), row().samples[1].baseline);
        expect_refused(message('N', row().code, fields), row().samples[1].baseline);
        if (HasFailure()) return;
    }
}

TEST_P(Handlers, AMissingEmptyOrBadFieldIsRefusedWhole) {
    for (const char *fields : row().malformed) {
        expect_refused(message('S', row().code, fields), row().samples[1].baseline);
        if (HasFailure()) return;
    }
}

INSTANTIATE_TEST_SUITE_P(AllCodes, Handlers, ::testing::Range<std::size_t>(0, 75),
                         [](const auto &info) {
                             return "Code" + hex(rows()[info.param].code) + "_" +
                                    rows()[info.param].stem;
                         });

TEST(HandlerCatalogue, EveryCodeWithValuesHasARow) {
    std::vector<int> codes;
    for (const Row &r : rows()) codes.push_back(r.code);
    std::vector<int> expected;
    for (int code = 0x03; code <= 0x3E; ++code) expected.push_back(code);
    for (int code = 0x40; code <= 0x4C; ++code)
        if (code != 0x41) expected.push_back(code);
    for (int code : {0x52, 0x55, 0x56}) expected.push_back(code);
    EXPECT_EQ(codes, expected);
}

// ---- Codes and rules outside the common steps -----------------------------

TEST_F(Incoming, SelectorRequestsNeedEntryOneOrTwo) {
    for (const char *request :
         {"$R13,3\r\n", "$R13\r\n", "$R13,0\r\n", "$R13,x\r\n", "$R13,\r\n"}) {
        deliver(0x13, request);
        expect_nothing_more(request);
    }
    for (const char *request : {"$R1B,3\r\n", "$R1B\r\n", "$R1C,-1\r\n", "$R1C\r\n"}) {
        deliver(request[3] == 'B' ? 0x1B : 0x1C, request);
        expect_nothing_more(request);
    }
    ASSERT_EQ(OrvaneSetRadarGuard(2, 1, 3, 100, 200, 5, 10000), RADAR_OK);
    deliver(0x13, "$R13,2\r\n");
    expect_answer("13,2,1,3,10.0,20.0,0.0005,1.0000", "$R13,2");
    EXPECT_TRUE(notified.empty());
}

TEST_F(Incoming, RequestsIgnoreTheirOwnFields) {
    ASSERT_EQ(OrvaneSetRadarGain(1, 20), RADAR_OK);
    for (const char *request : {"$R03\r\n", "$R03,9,999\r\n", "$R03,x,\r\n", "$R03"}) {
        deliver(3, request);
        expect_answer("03,1,20", request);
    }
    expect_nothing_more("requests");
    EXPECT_TRUE(notified.empty());
}

TEST_F(Incoming, TheBrightRequestAnswersWithTheItemAskedFor) {
    ASSERT_EQ(OrvaneSetRadarBright(2, 6), RADAR_OK);
    deliver(0x1D, "$R1D,7\r\n");
    expect_answer("1D,7,6", "$R1D,7");
    deliver(0x1D, "$R1D\r\n");  // no item: 0
    expect_answer("1D,0,6", "$R1D");
    deliver(0x1D, "$R1D,9\r\n");  // an item the answer cannot carry: nothing goes out
    expect_nothing_more("$R1D,9");
}

// The flag of a pulse reads 1 inside the notification and 0 after it.
std::vector<uint16_t> flags_seen;
void RADAR_CALLBACK read_flags(int32_t code) {
    uint16_t flag = 99;
    if (code == 0x41) OrvaneGetArpaAllClear(&flag);
    if (code == 0x57) OrvaneGetArpaAlarmStop(&flag);
    flags_seen.push_back(flag);
    notified.push_back(code);
}

TEST_F(Incoming, PulsesAreOneOnlyWhileTheNotifyCallbackRuns) {
    ASSERT_EQ(OrvaneInitRadarFunc("TEST", &read_flags), RADAR_OK);
    for (int16_t code : {0x41, 0x57}) {
        for (const std::string kind : {"S", "R", "N", ""}) {
            flags_seen.clear();
            notified.clear();
            const std::string text = "$" + kind + hex(code) + ",5\r\n";
            deliver(code, text);
            EXPECT_EQ(flags_seen, std::vector<uint16_t>{1}) << text;
            EXPECT_EQ(notified, std::vector<int32_t>{code}) << text;
            uint16_t flag = 99;
            code == 0x41 ? OrvaneGetArpaAllClear(&flag) : OrvaneGetArpaAlarmStop(&flag);
            EXPECT_EQ(flag, 0) << text;
        }
    }
    expect_nothing_more("pulses answer nothing");
}

TEST_F(Incoming, EventsOnlyNotifyTheirCode) {
    ASSERT_EQ(OrvaneSetRadarGain(2, 30), RADAR_OK);
    for (int16_t code : {0x00, 0x4D, 0x4E, 0x4F, 0x50, 0x51, 0x53, 0x54}) {
        for (const char *text : {"", "$S4D,1,2\r\n", "$R\r\n", "\x01\xff"}) {
            notified.clear();
            deliver(code, text);
            EXPECT_EQ(notified, std::vector<int32_t>{code}) << "code " << code;
        }
    }
    expect_nothing_more("events");
    uint16_t mode = 0, level = 0;
    OrvaneGetRadarGain(&mode, &level);
    EXPECT_EQ(mode, 2);
    EXPECT_EQ(level, 30);
}

TEST_F(Incoming, CodesWithoutHandlerDoNothing) {
    for (int16_t code : {0x01, 0x02, 0x3F}) {
        deliver(code, "$S3F,1\r\n");
        deliver(code, "$R01\r\n");
    }
    EXPECT_TRUE(notified.empty());
    expect_nothing_more("codes without handler");
}

TEST_F(Incoming, CodesOutsideTheTableOnlyReplaceTheReplySocket) {
    Connection second = connect_pair();
    ASSERT_GE(second.far.get(), 0);
    for (int16_t code : {88, 200, -1, -32768, 32767}) {
        int32_t handle = second.near.get();
        EXPECT_EQ(netlib_double::conversion(code, "$S03,1,1\r\n", &handle), 0);
        ASSERT_EQ(OrvanePutArpaAlarmStop(0), RADAR_OK);
        EXPECT_EQ(read_n(second.far.get(), 7), std::string("$S57\r\n", 7)) << "code " << code;
        handle = connection_.near.get();
        EXPECT_EQ(netlib_double::conversion(code, "$S03,1,1\r\n", &handle), 0);
        expect_nothing_more("code " + std::to_string(code));
    }
    EXPECT_TRUE(notified.empty());
}

TEST_F(Incoming, ServerAndCourseRequestsAnswerWhatTheirGettersRead) {
    ASSERT_EQ(OrvaneSetArpaServerOnOff(1, 0), RADAR_OK);
    ASSERT_EQ(OrvaneSetOwnCourse(1, 2700), RADAR_OK);
    deliver(0x52, "$R52\r\n");
    expect_answer("52,1,0", "$R52");
    deliver(0x55, "$R55\r\n");
    expect_answer("55,1,2700", "$R55");
}

// Messages as they arrive, with what the record must hold after them.
TEST_F(Incoming, FieldConversionsFromTheWire) {
    struct Case {
        const char *legend;
        int16_t code;
        const char *text;
        const char *answer;  // null: none
        std::function<std::vector<int64_t>()> read;
        std::vector<int64_t> expected;
        bool notifies;
    };
    auto gain = [] {
        uint16_t m = 0, l = 0;
        OrvaneGetRadarGain(&m, &l);
        return std::vector<int64_t>{m, l};
    };
    auto sweep = [] {
        uint16_t v = 0;
        OrvaneGetRadarSweepTiming(&v);
        return std::vector<int64_t>{v};
    };
    auto erase = [] {
        uint16_t v = 0;
        OrvaneGetArpaEraseData(&v);
        return std::vector<int64_t>{v};
    };
    auto heading = [] {
        uint16_t v = 0;
        OrvaneGetRadarHeadingAdjust(&v);
        return std::vector<int64_t>{v};
    };
    auto status = [] {
        uint16_t v[10] = {};
        OrvaneGetArpaStatus(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9]);
        return std::vector<int64_t>(v, v + 10);
    };
    auto position = [] {
        uint16_t s = 0;
        int32_t lat = 0, lon = 0;
        OrvaneGetRadarOwnPosiLL(&s, &lat, &lon);
        return std::vector<int64_t>{s, lat, lon};
    };
    const Case cases[] = {
        {"order", 3, "$S03,2,50\r\n", "03,2,50", gain, {2, 50}, true},
        {"fraction cut, not rounded", 3, "$S03,2.6,51\r\n", "03,2,51", gain, {2, 51}, true},
        {"checksum group skipped", 3, "$S03,3*1F,52\r\n", "03,3,52", gain, {3, 52}, true},
        {"plus sign", 3, "$N03,+1,53\r\n", nullptr, gain, {1, 53}, true},
        {"tenths at the top", 0x11, "$S11,2000.0\r\n", "11,2000.0", sweep, {20000}, true},
        {"one tenth more", 0x11, "$S11,2000.1\r\n", nullptr, sweep, {20000}, false},
        {"erase index 0", 0x4B, "$S4B,256\r\n", "4B,256", erase, {0}, true},
        {"erase index 9", 0x4B, "$S4B,2560\r\n", "4B,2560", erase, {9}, true},
        {"erase low byte ignored", 0x4B, "$S4B,300\r\n", "4B,256", erase, {0}, true},
        {"erase 5", 0x4B, "$S4B,5\r\n", nullptr, erase, {0}, false},
        {"erase 2816", 0x4B, "$S4B,2816\r\n", nullptr, erase, {0}, false},
        {"heading adjust read as an integer",
         0x39,
         "$S39,359.9\r\n",
         "39,35.9",
         heading,
         {359},
         true},
        {"status fields are hexadecimal",
         0x56,
         "$N56,10,a,B,0,1,2,3,4,5,FfFf\r\n",
         nullptr,
         status,
         {16, 10, 11, 0, 1, 2, 3, 4, 5, 65535},
         true},
        {"position at the bounds",
         0x37,
         "$S37,1,-353894400,707788800\r\n",
         "37,1,-353894400,707788800",
         position,
         {1, -353894400, 707788800},
         true},
        {"latitude one past",
         0x37,
         "$S37,1,353894401,0\r\n",
         nullptr,
         position,
         {1, -353894400, 707788800},
         false},
    };
    for (const Case &c : cases) {
        notified.clear();
        deliver(c.code, c.text);
        if (c.answer != nullptr) expect_answer(c.answer, c.legend);
        expect_nothing_more(c.legend);
        EXPECT_EQ(c.read(), c.expected) << c.legend;
        EXPECT_EQ(notified, c.notifies ? std::vector<int32_t>{c.code} : std::vector<int32_t>{})
            << c.legend;
        if (HasFailure()) return;
    }
}

TEST_F(Incoming, WithoutNotifyCallbackMessagesAreStillApplied) {
    ASSERT_EQ(OrvaneInitRadarFunc("TEST", nullptr), RADAR_OK);
    deliver(3, "$S03,3,77\r\n");
    expect_answer("03,3,77", "$S03,3,77");
    deliver(0x41, "$N41\r\n");
    deliver(0x4D, "");
    uint16_t mode = 0, level = 0;
    OrvaneGetRadarGain(&mode, &level);
    EXPECT_EQ(level, 77);
    EXPECT_TRUE(notified.empty());
}

TEST_F(Incoming, NoMessageIsReadPastItsZeroByteOrItsLimit) {
    // Texts that end right before an unreadable page: whatever a handler
    // reads past them stops the test program.
    GuardPage guard;
    ASSERT_TRUE(guard.ready());
    const std::size_t page = guard.size();
    const std::string unterminated[] = {std::string(page, '9'), std::string(page, ','),
                                        "$S03," + std::string(page - 5, '1')};
    for (int16_t code = 0; code < 88; ++code) {
        for (const std::string &text : unterminated) {
            int32_t handle = connection_.near.get();  // no zero byte anywhere
            netlib_double::conversion(code, guard.place(text), &handle);
        }
        for (const char *tail : {"$S03,1*", "$S13,2,1*F", "$R1D,", "$S56,FFFF*"}) {
            int32_t handle = connection_.near.get();  // the zero byte is the last readable one
            netlib_double::conversion(code, guard.place(std::string(tail) + '\0'), &handle);
        }
    }
    // Drain what the requests and orders among them answered, then check the
    // connection still carries sentences whole.
    while (readable(connection_.far.get())) {
        char sink[4096];
        if (test_sockets::receive_some(connection_.far.get(), sink, sizeof sink) <= 0) break;
    }
    expect_nothing_more("after the long messages");
}

}  // namespace
