// The radar parameter record: the library's mirror of every radar and ARPA
// setting, one group per command code in code order, each field with the
// width and signedness the radar uses. Zero at load; changed only by the Set
// functions.
#pragma once

#include <cstdint>

namespace radar::params {

struct Record {
    struct {  // 0x03
        uint16_t mode;
        uint16_t level;
    } gain;
    struct {  // 0x04
        uint16_t mode;
        uint16_t level;
    } ac_sea;
    struct {  // 0x05
        uint16_t setting;
    } ac_auto;
    struct {  // 0x06
        uint16_t level;
    } ac_rain;
    struct {  // 0x07
        uint16_t setting;
    } echo_strech;
    struct {  // 0x08
        uint16_t setting;
    } int_reject;
    struct {  // 0x09
        uint16_t level;
    } ftc;
    struct {  // 0x0A
        uint16_t setting;
    } noise_reject;
    struct {  // 0x0B
        uint16_t mode;
        uint16_t value;
    } tune;
    struct {  // 0x0C cursor: written by CursorMode and CursorPos, fields in record order
        uint16_t mode, setting, bearing;
        uint32_t distance;
        uint16_t value;
    } cursor;
    struct {  // 0x0D
        uint16_t setting;
    } ant_hight;
    struct {  // 0x0E
        uint16_t setting;
    } stc_curve;
    struct {  // 0x0F
        uint16_t setting;
    } demo;
    struct {  // 0x10
        uint16_t value;
    } mbs_adjust;
    struct {  // 0x11
        uint16_t value;
    } sweep_timing;
    struct {  // 0x12
        uint16_t setting;
        uint16_t bearing;
        uint32_t distance;
    } offset;
    struct GuardZone {
        uint16_t setting, type, bearing1, bearing2;
        uint32_t distance1, distance2;
    };
    struct {  // 0x13
        GuardZone zone[2];
    } guard;
    struct {  // 0x14
        uint16_t setting;
        uint16_t bearing;
        uint16_t width;
    } blind;
    struct {  // 0x15
        uint16_t mode;
        uint16_t bearing;
    } disp_mode;
    struct {  // 0x16
        uint16_t setting;
    } reverse;
    struct {  // 0x17
        uint16_t step;
        uint16_t value;
    } range;
    struct {  // 0x18
        uint16_t value1;
        uint16_t value2;
        uint16_t value3;
    } rings;
    struct {  // 0x19
        uint16_t mode;
        uint16_t bearing;
        uint32_t distance;
    } zoom;
    struct {  // 0x1A
        uint16_t mode;
        uint16_t bearing;
        uint32_t distance;
    } shift;
    struct EblEntry {
        uint16_t value3, value2, bearing;
    };
    struct {  // 0x1B: the shared value, then EBL 1 and 2
        uint16_t value1;
        EblEntry entry[2];
    } ebl;
    struct VrmEntry {
        uint16_t value3, value2;
        uint32_t distance;
    };
    struct {  // 0x1C: the shared value, then VRM 1 and 2
        uint16_t value1;
        VrmEntry entry[2];
    } vrm;
    struct {  // 0x1D
        uint16_t item;
        uint16_t level;
    } bright;
    struct {  // 0x1E
        uint16_t setting;
        uint16_t value;
    } heading_mark;
    struct {  // 0x1F
        uint16_t value1;
        uint16_t value2;
        uint16_t value3;
        uint16_t value4;
        uint16_t value5;
        uint16_t value6;
    } trail;
    struct {  // 0x20
        uint16_t value1;
        uint16_t value2;
        uint16_t value3;
        uint16_t value4;
    } watchman;
    struct {  // 0x21
        uint32_t hours;
    } total_on_hours;
    struct {  // 0x22
        uint32_t hours;
    } total_tx_hours;
    struct {  // 0x23
        uint16_t setting;
        uint16_t value;
        uint16_t number;
        uint16_t bearing;
        uint32_t distance;
    } wpt_mark;
    struct {  // 0x24
        uint16_t state;
    } tx_stby;
    struct {  // 0x25
        uint16_t setting;
    } pulse_length;
    struct {  // 0x26
        uint16_t setting;
    } dir_sensor;
    struct {  // 0x27
        uint16_t setting;
    } tx_ant_status;
    struct {  // 0x28
        uint16_t value;
    } warm_up_time;
    struct {  // 0x29
        uint16_t setting;
        uint32_t value;
    } range_preset;
    struct {  // 0x2A
        uint16_t setting;
    } tune_adjust;
    struct {  // 0x2B
        uint16_t setting;
    } video_adjust;
    struct {  // 0x2C
        uint16_t type;
    } ant_type;
    struct {  // 0x2D
        uint16_t value;
    } max_range;
    struct {  // 0x2E
        uint16_t setting;
    } monitor_mode;
    struct {  // 0x2F
        uint16_t setting;
    } second_echo_reject;
    struct {  // 0x30
        uint16_t value;
    } signal;
    struct {  // 0x31
        uint16_t value;
    } back_ground;
    struct {  // 0x32
        uint16_t value;
    } echo_color;
    struct {  // 0x33
        uint16_t setting;
        uint16_t value;
    } alarm_sound;
    struct {  // 0x34
        uint16_t setting;
    } factory;
    struct {  // 0x36
        uint16_t setting;
    } demo_data;
    struct {  // 0x37
        uint16_t setting;
        int32_t latitude;
        int32_t longitude;
    } own_posi_ll;
    struct {  // 0x38
        uint16_t setting;
        uint16_t heading;
        int16_t value;
    } nmea_head;
    struct {  // 0x39
        uint16_t bearing;
    } heading_adjust;
    struct {  // 0x3A
        uint16_t value;
    } max_shift_speed;
    struct {  // 0x3B
        uint16_t type;
    } amp_type;
    struct {  // 0x3C
        uint16_t value;
    } tune_init;
    struct {  // 0x3D
        uint16_t value;
    } auto_tune;
    struct {  // 0x3E
        uint16_t value;
    } tune_ind;
    struct {  // 0x40
        uint16_t setting1;
        uint16_t setting2;
    } arpa_on_off;
    struct {  // 0x41
        uint16_t flag;
    } arpa_all_clear;
    struct {  // 0x42
        uint16_t value;
    } arpa_plot_interval;
    struct {  // 0x43
        uint16_t mode;
    } arpa_vector_mode;
    struct {  // 0x44
        uint16_t value;
    } arpa_vector_time;
    struct {  // 0x45
        uint16_t value;
    } arpa_cpa;
    struct {  // 0x46
        uint16_t value;
    } arpa_tcpa;
    struct {  // 0x47
        uint16_t setting;
    } arpa_auto_acq;
    struct {  // 0x48
        uint16_t value;
    } arpa_alarm;
    struct {  // 0x49
        uint16_t value;
    } arpa_mark;
    struct {  // 0x4A
        uint16_t bearing;
        uint32_t value;
    } arpa_acq_data;
    struct {  // 0x4B
        uint16_t index;
    } arpa_erase_data;
    struct {  // 0x4C
        uint16_t setting;
    } arpa_target_number;
    struct {  // 0x52
        uint16_t setting1;
        uint16_t setting2;
    } arpa_server_on_off;
    struct {  // 0x55
        uint16_t setting;
        uint16_t course;
    } own_course;
    struct {  // 0x56
        uint16_t value1;
        uint16_t value2;
        uint16_t value3;
        uint16_t value4;
        uint16_t value5;
        uint16_t value6;
        uint16_t value7;
        uint16_t value8;
        uint16_t value9;
        uint16_t value10;
    } arpa_status;
    struct {  // 0x57
        uint16_t flag;
    } arpa_alarm_stop;
};

}  // namespace radar::params
