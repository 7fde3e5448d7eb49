/**
 * @file
 * @brief The radar library's exported interface.
 *
 * A navigation application loads the radar library to work with a marine
 * radar on the ship's network. Through these functions it
 *   - opens a session with the radar host and is told of every setting that
 *     changes (OrvaneInitRadarFunc and its notify callback);
 *   - keeps and reads a mirror of every radar and ARPA setting (OrvaneSet...,
 *     OrvaneGet...);
 *   - sends command sentences that order, request or announce a setting
 *     (OrvanePut...);
 *   - receives the echo picture line by line, with trails, records and plays
 *     it back (OrvaneInitRadarEchoFunc and the echo functions);
 *   - computes the closest point of approach of a target (OrvaneCalCpaTcpa).
 *
 * Conventions
 *   - Every function returns a status, a signed 16-bit value (RADAR_OK,
 *     RADAR_REFUSED, RADAR_OUT_OF_RANGE, RADAR_NOT_SENT), except
 *     OrvaneGetRadarDllVersionNo and OrvaneGetRadarSourceStatus, which return
 *     32-bit values. Nothing is logged and nothing is thrown.
 *   - On 32-bit Windows every export is __stdcall and exported under its
 *     decorated name (_OrvaneGetRadarGain@8); callbacks are __cdecl. Every
 *     argument takes one 4-byte slot; a 16-bit argument uses the low 16 bits.
 *   - Bearings and courses are in tenths of a degree (0-3599) and distances
 *     in ten-thousandths of a unit (sent as "1.2345"), unless a function says
 *     otherwise. 16-bit values are unsigned unless declared int16_t, so -1
 *     passed for an unsigned value is 65535 and fails every range.
 *   - Loading the library does no work. Once a session is opened
 *     (OrvaneInitRadarFunc) or the echo started (OrvaneInitRadarEchoFunc),
 *     threads run the library's code, so it stays loaded until the process
 *     ends: FreeLibrary or dlclose no longer unloads it.
 *
 * This header compiles as C99 and as C++.
 */
#ifndef RADAR_H
#define RADAR_H

#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define RADAR_API __stdcall
#define RADAR_CALLBACK __cdecl
#else
/** Calling convention of every export: __stdcall on 32-bit Windows, nothing elsewhere. */
#define RADAR_API
/** Calling convention of the callbacks: __cdecl on 32-bit Windows, nothing elsewhere. */
#define RADAR_CALLBACK
#endif

/** The library marks its own definitions for export; users see nothing. */
#if defined(RADAR_BUILDING_LIBRARY) && !defined(_WIN32)
#define RADAR_EXPORT __attribute__((visibility("default")))
#else
#define RADAR_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Status results ------------------------------------------------------ */
/** @defgroup radar_status Status results
 * The signed 16-bit result of every function but two (see each function).
 * @{ */
#define RADAR_OK 0              /**< done */
#define RADAR_REFUSED (-1)      /**< refused: bad name, selector, state, file or argument */
#define RADAR_OUT_OF_RANGE (-2) /**< an argument is outside its range; nothing changed */
#define RADAR_NOT_SENT (-3)     /**< the sentence was not handed to the socket in full */
/** @} */

/* ---- Version ------------------------------------------------------------- */
/** @defgroup radar_version Version
 * The version of this interface: a program built against 1.x runs with every
 * later 1.x library. (OrvaneGetRadarDllVersionNo gives the radar's own
 * version text, which is another thing.)
 * @{ */
#define RADAR_VERSION_MAJOR 1 /**< changes when a program must be built again */
#define RADAR_VERSION_MINOR 0 /**< changes when something is added */
#define RADAR_VERSION_PATCH 0 /**< changes when something is mended */
/** @} */

/* ---- Event codes: passed to the notify callback, with no setting ---------- */
/** @defgroup radar_events Event codes
 * Codes the notify callback is passed for an incoming event that carries no
 * values and changes no setting; what they mean lies with the radar. Every
 * other code it passes is a setting's command code (RADAR_CODE_GAIN, ...,
 * with each setting below).
 * @{ */
#define RADAR_CODE_EVENT_00 0x00 /**< event 0x00 */
#define RADAR_CODE_EVENT_4D 0x4D /**< event 0x4D */
#define RADAR_CODE_EVENT_4E 0x4E /**< event 0x4E */
#define RADAR_CODE_EVENT_4F 0x4F /**< event 0x4F */
#define RADAR_CODE_EVENT_50 0x50 /**< event 0x50 */
#define RADAR_CODE_EVENT_51 0x51 /**< event 0x51 */
#define RADAR_CODE_EVENT_53 0x53 /**< event 0x53 */
#define RADAR_CODE_EVENT_54 0x54 /**< event 0x54 */
/** @} */

/* ---- Sentence kinds: the first argument of every Put function ------------ */
/** @defgroup radar_kinds Sentence kinds
 * The first argument of every Put function: the letter after "$".
 * @{ */
#define RADAR_KIND_ORDER 0    /**< "S": order the peer to take the values */
#define RADAR_KIND_REQUEST 1  /**< "R": ask the peer for its values */
#define RADAR_KIND_ANNOUNCE 2 /**< "N": announce or answer current values */
#define RADAR_KIND_X 3        /**< "X": bare sentence, no values */
#define RADAR_KIND_E 4        /**< "E": bare sentence, no values */
#define RADAR_KIND_O 5        /**< "O": bare sentence, no values */
/** @} */

/* ---- Callbacks ----------------------------------------------------------- */
/** @defgroup radar_callbacks Callbacks
 * What the library calls back, and the echo line it hands over.
 * @{ */

/** Told the command code of every incoming message that changed a setting or
 * passed an event; runs on the network library's thread. */
typedef void(RADAR_CALLBACK *RadarNotifyFunc)(int32_t code);

/** One echo line as handed to the application. Packed: on 32-bit Windows the
 * fields lie at offsets 0, 2, 6, 8, 10, 12, 14, 16 (18 bytes); where an
 * address takes 8 bytes, everything after Data moves 4 bytes on (22 bytes). */
#pragma pack(push, 1)
typedef struct EchoLineRecord {
    uint16_t Mode;          /**< 1 live, 2 played back, 3 last datagram of a playback file */
    uint8_t *Data;          /**< 512 level bytes: 0 none, 1-7 echo, 8-15 trail (15 freshest) */
    uint16_t SampleCount;   /**< samples in this line; only the first SampleCount bytes count */
    uint16_t HeaderNibble;  /**< datagram header nibble 1-15, or 240 when it was 0 */
    uint16_t Sweep;         /**< sweep number 0-8191 */
    uint16_t BearingOffset; /**< bearing offset 0-8191 */
    uint16_t LineFlag;      /**< line flag 0 or 1 (not written by OrvaneGetRadarEchoData) */
    uint16_t ScaleCode;     /**< scale code 0-63 */
} EchoLineRecord;
#pragma pack(pop)

/** Called on the receiver thread for every echo line; the record and the bytes
 * behind Data are valid only during the call. */
typedef void(RADAR_CALLBACK *RadarEchoFunc)(EchoLineRecord *line);
/** @} */

/* ---- Session ------------------------------------------------------------- */
/** @defgroup radar_session Session
 * The session with the radar host, the source status and the version.
 * @{ */

/** Opens a session with the radar host `name`, a station name of 1 to 8
 * characters from A-Z, a-z, 0-9, "#", "&", "'", "-", "_" (a space is taken as
 * "_"). Keeps `notify` (or none) and, when one is given, makes the named
 * station the radar source; then registers the library with the network
 * library. May be called again: each success replaces the notify callback.
 * From the first success on the library stays loaded until the process ends
 * (the network library calls into it): FreeLibrary or dlclose does not
 * unload it.
 * Returns RADAR_OK, or RADAR_REFUSED for a null or bad name (nothing
 * changes). 
 * @param name the station name of the radar host
 * @param notify called with the command code of each change; null for none
 * @return RADAR_OK, or RADAR_REFUSED for a null or bad name */
RADAR_EXPORT int16_t RADAR_API OrvaneInitRadarFunc(const char *name, RadarNotifyFunc notify);

/** Switches to the radar host `name` (same rules as above). RADAR_OK when the
 * name passed the check and was handed on, RADAR_REFUSED otherwise. 
 * @param name the new radar host's station name
 * @return RADAR_OK or RADAR_REFUSED */
RADAR_EXPORT int16_t RADAR_API OrvaneChangeRadarHost(const char *name);

/** The network library's source status, unchanged (the stand-in's: 0 not
 * connected, 1 connecting, 2 connected).
 * @return the status */
RADAR_EXPORT int32_t RADAR_API OrvaneGetRadarSourceStatus(void);

/** Copies the version text "195001300702b1" and its terminator into
 * `destination` (at least 15 bytes) and returns 15. 
 * @param[out] destination at least 15 bytes
 * @return 15, the bytes written */
RADAR_EXPORT int32_t RADAR_API OrvaneGetRadarDllVersionNo(char *destination);
/** @} */

/* ---- Settings: Set, Get and Put for each command code --------------------- */
/* Each command code's block below, opening with the code and its title,
 * documents the code's Set, Get and Put. The server's parameter table is read
 * from that form, so it stays a plain comment: the API reference takes it as
 * a doc comment, and a code without one fails that build. */
/** @defgroup radar_settings Settings: Set, Get and Put for each command code
 * Every radar and ARPA setting, one entry per command code.
 *
 * `OrvaneSet<stem>(values...)` checks each value in argument order against its
 * range and stores them all: RADAR_OK, or RADAR_OUT_OF_RANGE with nothing
 * stored. Values without a range ("any value") are stored as given and the
 * call always succeeds.
 *
 * `OrvaneGet<stem>(pointers...)` writes each stored value through its pointer
 * and returns RADAR_OK. Every value is 0 until something is stored.
 *
 * `OrvanePut<stem>(kind, values...)` builds one sentence and sends it, with its
 * terminating zero byte, to the peer of the latest incoming message. kind is
 * 0-5 for "SRNXEO" (RADAR_KIND_...). Kinds S, R and N send the data form shown
 * below, where k is the kind letter, the code is two upper-case hexadecimal
 * digits and the sentence ends in CR LF; kinds X, E and O send the bare form
 * `"$k<code>"` CR LF. Every value is range-checked for every kind. Results:
 * RADAR_OK sent, RADAR_OUT_OF_RANGE (kind above 5 or a value out of range;
 * nothing sent), RADAR_NOT_SENT (no peer yet, or the socket did not take the
 * whole sentence).
 *
 * Each command code has one comment for its three functions.
 *
 * What a small value means (a mode, a setting, a type) lies with the radar: the
 * library checks only its range. Where radarctl's simulated station and viewer
 * give one a meaning, the code's comment says which.
 * @{ */

/** @name 0x03 Gain */ /**@{*/
/* 0x03 Gain.
 * Values: mode 0-3; level 0-100.
 * The simulated station (radarctl) takes mode 0 as manual and 1-3 as automatic (it then uses
 *    level 50).
 * Put data form: $k03,mode,level. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarGain(uint16_t mode, uint16_t level);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarGain(uint16_t *mode, uint16_t *level);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarGain(uint16_t kind, uint16_t mode, uint16_t level);
#define RADAR_CODE_GAIN 0x03 /**< command code: Gain */
/**@}*/

/** @name 0x04 Anti-clutter sea */ /**@{*/
/* 0x04 Anti-clutter sea.
 * Values: mode 0-3; level 0-100.
 * The simulated station (radarctl) takes mode 0 as manual and 1-3 as automatic (level 50).
 * Put data form: $k04,mode,level. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarACSea(uint16_t mode, uint16_t level);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarACSea(uint16_t *mode, uint16_t *level);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarACSea(uint16_t kind, uint16_t mode, uint16_t level);
#define RADAR_CODE_SEA_CLUTTER 0x04 /**< command code: Anti-clutter sea */
/**@}*/

/** @name 0x05 Automatic anti-clutter */ /**@{*/
/* 0x05 Automatic anti-clutter.
 * Values: setting 0-1.
 * Put data form: $k05,setting. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarACAuto(uint16_t setting);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarACAuto(uint16_t *setting);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarACAuto(uint16_t kind, uint16_t setting);
#define RADAR_CODE_AUTO_CLUTTER 0x05 /**< command code: Automatic anti-clutter */
/**@}*/

/** @name 0x06 Anti-clutter rain */ /**@{*/
/* 0x06 Anti-clutter rain.
 * Values: level 0-100.
 * Put data form: $k06,level. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarACRain(uint16_t level);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarACRain(uint16_t *level);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarACRain(uint16_t kind, uint16_t level);
#define RADAR_CODE_RAIN_CLUTTER 0x06 /**< command code: Anti-clutter rain */
/**@}*/

/** @name 0x07 Echo stretch */ /**@{*/
/* 0x07 Echo stretch.
 * Values: setting 0-2.
 * Put data form: $k07,setting. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarEchoStrech(uint16_t setting);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarEchoStrech(uint16_t *setting);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarEchoStrech(uint16_t kind, uint16_t setting);
#define RADAR_CODE_ECHO_STRETCH 0x07 /**< command code: Echo stretch */
/**@}*/

/** @name 0x08 Interference rejection */ /**@{*/
/* 0x08 Interference rejection.
 * Values: setting 0-3.
 * Put data form: $k08,setting. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarIntReject(uint16_t setting);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarIntReject(uint16_t *setting);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarIntReject(uint16_t kind, uint16_t setting);
#define RADAR_CODE_INTERFERENCE_REJECTION 0x08 /**< command code: Interference rejection */
/**@}*/

/** @name 0x09 Fast time constant */ /**@{*/
/* 0x09 Fast time constant.
 * Values: level 0-100.
 * Put data form: $k09,level. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarFTC(uint16_t level);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarFTC(uint16_t *level);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarFTC(uint16_t kind, uint16_t level);
#define RADAR_CODE_FTC 0x09 /**< command code: Fast time constant */
/**@}*/

/** @name 0x0A Noise rejection */ /**@{*/
/* 0x0A Noise rejection.
 * Values: setting 0-2.
 * Put data form: $k0A,setting. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarNoiseReject(uint16_t setting);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarNoiseReject(uint16_t *setting);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarNoiseReject(uint16_t kind, uint16_t setting);
#define RADAR_CODE_NOISE_REJECTION 0x0A /**< command code: Noise rejection */
/**@}*/

/** @name 0x0B Tuning */ /**@{*/
/* 0x0B Tuning.
 * Values: mode 0-1; value 0-461.
 * The simulated station (radarctl) takes mode 0 as manual and 1 as automatic.
 * Put data form: $k0B,mode,value. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarTune(uint16_t mode, uint16_t value);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarTune(uint16_t *mode, uint16_t *value);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarTune(uint16_t kind, uint16_t mode, uint16_t value);
#define RADAR_CODE_TUNE 0x0B /**< command code: Tuning */
/**@}*/

/** @name 0x0C Cursor mode (cursor group, with 0x35) */ /**@{*/
/* 0x0C Cursor mode (cursor group, with 0x35).
 * Values: mode 0-3; value 0-9.
 * Set and Get touch only these fields of the cursor group.
 * Put data form: $k0C,mode,value. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarCursorMode(uint16_t mode, uint16_t value);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarCursorMode(uint16_t *mode, uint16_t *value);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarCursorMode(uint16_t kind, uint16_t mode,
                                                        uint16_t value);
#define RADAR_CODE_CURSOR_MODE 0x0C /**< command code: Cursor mode */
/**@}*/

/** @name 0x0C Cursor position (cursor group; sent as 0x35) */ /**@{*/
/* 0x0C Cursor position (cursor group; sent as 0x35).
 * Values: setting 0-1; bearing 0-3599 (tenths of a degree); distance 0-99999999 (ten-thousandths of
 *    a unit).
 * Set and Get touch only these fields of the cursor group; Put sends code 35.
 * Put data form: $k35,setting,bearing in tenths as Q.R,distance as Q.RRRR. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarCursorPos(uint16_t setting, uint16_t bearing,
                                                       uint32_t distance);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarCursorPos(uint16_t *setting, uint16_t *bearing,
                                                       uint32_t *distance);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarCursorPos(uint16_t kind, uint16_t setting,
                                                       uint16_t bearing, uint32_t distance);
#define RADAR_CODE_CURSOR_POSITION 0x35 /**< command code: Cursor position */
/**@}*/

/** @name 0x0D Antenna height */ /**@{*/
/* 0x0D Antenna height.
 * Values: setting 0-2.
 * Put data form: $k0D,setting. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarAntHight(uint16_t setting);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarAntHight(uint16_t *setting);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarAntHight(uint16_t kind, uint16_t setting);
#define RADAR_CODE_ANTENNA_HEIGHT 0x0D /**< command code: Antenna height */
/**@}*/

/** @name 0x0E Sensitivity time control curve */ /**@{*/
/* 0x0E Sensitivity time control curve.
 * Values: setting 0-2.
 * Put data form: $k0E,setting. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarSTCCurve(uint16_t setting);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarSTCCurve(uint16_t *setting);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarSTCCurve(uint16_t kind, uint16_t setting);
#define RADAR_CODE_STC_CURVE 0x0E /**< command code: Sensitivity time control curve */
/**@}*/

/** @name 0x0F Demonstration mode */ /**@{*/
/* 0x0F Demonstration mode.
 * Values: setting 0-2.
 * Put data form: $k0F,setting. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarDemo(uint16_t setting);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarDemo(uint16_t *setting);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarDemo(uint16_t kind, uint16_t setting);
#define RADAR_CODE_DEMO_MODE 0x0F /**< command code: Demonstration mode */
/**@}*/

/** @name 0x10 Main bang suppression adjustment */ /**@{*/
/* 0x10 Main bang suppression adjustment.
 * Values: value 0-25.
 * Put data form: $k10,value. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarMBSAdjust(uint16_t value);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarMBSAdjust(uint16_t *value);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarMBSAdjust(uint16_t kind, uint16_t value);
#define RADAR_CODE_MBS_ADJUST 0x10 /**< command code: Main bang suppression adjustment */
/**@}*/

/** @name 0x11 Sweep timing */ /**@{*/
/* 0x11 Sweep timing.
 * Values: value 0-20000 (tenths).
 * Put data form: $k11,value in tenths as Q.R. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarSweepTiming(uint16_t value);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarSweepTiming(uint16_t *value);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarSweepTiming(uint16_t kind, uint16_t value);
#define RADAR_CODE_SWEEP_TIMING 0x11 /**< command code: Sweep timing */
/**@}*/

/** @name 0x12 Picture offset */ /**@{*/
/* 0x12 Picture offset.
 * Values: setting 0-1; bearing 0-3599 (tenths of a degree); distance 0-99999999 (ten-thousandths of
 *    a unit).
 * Put data form: $k12,setting,bearing in tenths as Q.R,distance as Q.RRRR. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarOffset(uint16_t setting, uint16_t bearing,
                                                    uint32_t distance);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarOffset(uint16_t *setting, uint16_t *bearing,
                                                    uint32_t *distance);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarOffset(uint16_t kind, uint16_t setting,
                                                    uint16_t bearing, uint32_t distance);
#define RADAR_CODE_OFFSET 0x12 /**< command code: Picture offset */
/**@}*/

/** @name 0x13 Guard zones 1 and 2 */ /**@{*/
/* 0x13 Guard zones 1 and 2.
 * Values: zone 1-2 (zone number); setting 0-1; type 0-4; bearing1 0-3599 (tenths of a degree);
 *    bearing2 0-3599 (tenths of a degree); distance1 0-99999999 (ten-thousandths of a unit);
 *    distance2 0-99999999 (ten-thousandths of a unit).
 * radarctl takes setting 0 as off and 1 as on, the zone clockwise from bearing1 to bearing2
 *    and from distance1 to distance2.
 * The first argument picks entry 1 or 2 (anything else: Set RADAR_OUT_OF_RANGE, Get RADAR_REFUSED
 *    with nothing written); Get takes it by value.
 * Put takes the number as uint16_t, 1-2.
 * Put data form: $k13,zone,setting,type,bearing1 in tenths as Q.R,bearing2 in tenths as
 *    Q.R,distance1 as Q.RRRR,distance2 as Q.RRRR. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarGuard(int16_t zone, uint16_t setting, uint16_t type,
                                                   uint16_t bearing1, uint16_t bearing2,
                                                   uint32_t distance1, uint32_t distance2);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarGuard(int16_t zone, uint16_t *setting, uint16_t *type,
                                                   uint16_t *bearing1, uint16_t *bearing2,
                                                   uint32_t *distance1, uint32_t *distance2);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarGuard(uint16_t kind, uint16_t zone, uint16_t setting,
                                                   uint16_t type, uint16_t bearing1,
                                                   uint16_t bearing2, uint32_t distance1,
                                                   uint32_t distance2);
#define RADAR_CODE_GUARD_ZONE 0x13 /**< command code: Guard zones 1 and 2 */
/**@}*/

/** @name 0x14 Blind sector */ /**@{*/
/* 0x14 Blind sector.
 * Values: setting 0-1; bearing 0-359 (whole degrees); width 1-135.
 * Put accepts width 0-135.
 * Put data form: $k14,setting,bearing,width. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarBlind(uint16_t setting, uint16_t bearing,
                                                   uint16_t width);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarBlind(uint16_t *setting, uint16_t *bearing,
                                                   uint16_t *width);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarBlind(uint16_t kind, uint16_t setting,
                                                   uint16_t bearing, uint16_t width);
#define RADAR_CODE_BLIND_SECTOR 0x14 /**< command code: Blind sector */
/**@}*/

/** @name 0x15 Display mode */ /**@{*/
/* 0x15 Display mode.
 * Values: mode 0-4; bearing 0-3599 (tenths of a degree).
 * Put accepts mode 0-3 only; the bearing travels as a plain integer.
 * Put data form: $k15,mode,bearing. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarDispMode(uint16_t mode, uint16_t bearing);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarDispMode(uint16_t *mode, uint16_t *bearing);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarDispMode(uint16_t kind, uint16_t mode,
                                                      uint16_t bearing);
#define RADAR_CODE_DISPLAY_MODE 0x15 /**< command code: Display mode */
/**@}*/

/** @name 0x16 Reverse video */ /**@{*/
/* 0x16 Reverse video.
 * Values: setting 0-1.
 * Put data form: $k16,setting. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarReverse(uint16_t setting);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarReverse(uint16_t *setting);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarReverse(uint16_t kind, uint16_t setting);
#define RADAR_CODE_REVERSE_VIDEO 0x16 /**< command code: Reverse video */
/**@}*/

/** @name 0x17 Range */ /**@{*/
/* 0x17 Range.
 * Values: step 0-17 (range step); value 0-2.
 * The simulated station (radarctl) draws step n at the n-th of its standard ranges: 0.125,
 *    0.25, 0.5, 0.75, 1, 1.5, 2, 3, 4, 6, 8, 12, 16, 24, 32, 48, 64, 96 nautical miles.
 * Put data form: $k17,step,value. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarRange(uint16_t step, uint16_t value);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarRange(uint16_t *step, uint16_t *value);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarRange(uint16_t kind, uint16_t step, uint16_t value);
#define RADAR_CODE_RANGE 0x17 /**< command code: Range */
/**@}*/

/** @name 0x18 Range rings */ /**@{*/
/* 0x18 Range rings.
 * Values: value1 0-3; value2 0-1; value3 0-1.
 * radarctl draws the rings while value2 is 1.
 * Put data form: $k18,value1,value2,value3. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarRings(uint16_t value1, uint16_t value2,
                                                   uint16_t value3);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarRings(uint16_t *value1, uint16_t *value2,
                                                   uint16_t *value3);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarRings(uint16_t kind, uint16_t value1, uint16_t value2,
                                                   uint16_t value3);
#define RADAR_CODE_RINGS 0x18 /**< command code: Range rings */
/**@}*/

/** @name 0x19 Zoom */ /**@{*/
/* 0x19 Zoom.
 * Values: mode 0-2; bearing 0-3599 (tenths of a degree); distance 0-99999999 (ten-thousandths of a
 *    unit).
 * Put data form: $k19,mode,bearing in tenths as Q.R,distance as Q.RRRR. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarZoom(uint16_t mode, uint16_t bearing,
                                                  uint32_t distance);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarZoom(uint16_t *mode, uint16_t *bearing,
                                                  uint32_t *distance);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarZoom(uint16_t kind, uint16_t mode, uint16_t bearing,
                                                  uint32_t distance);
#define RADAR_CODE_ZOOM 0x19 /**< command code: Zoom */
/**@}*/

/** @name 0x1A Picture shift */ /**@{*/
/* 0x1A Picture shift.
 * Values: mode 0-2; bearing 0-3599 (tenths of a degree); distance 0-99999999 (ten-thousandths of a
 *    unit).
 * Put data form: $k1A,mode,bearing in tenths as Q.R,distance as Q.RRRR. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarShift(uint16_t mode, uint16_t bearing,
                                                   uint32_t distance);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarShift(uint16_t *mode, uint16_t *bearing,
                                                   uint32_t *distance);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarShift(uint16_t kind, uint16_t mode, uint16_t bearing,
                                                   uint32_t distance);
#define RADAR_CODE_SHIFT 0x1A /**< command code: Picture shift */
/**@}*/

/** @name 0x1B Electronic bearing lines 1 and 2 */ /**@{*/
/* 0x1B Electronic bearing lines 1 and 2.
 * Values: number 1-2 (EBL number); value1 0-1 (shared by both EBLs); value2 0-1; value3 0-1;
 *    bearing 0-3599 (tenths of a degree).
 * radarctl takes value1 0 as true bearings and 1 as relative to the bow, and draws an EBL
 *    while its value2 is 1.
 * The first argument picks entry 1 or 2 (anything else: Set RADAR_OUT_OF_RANGE, Get RADAR_REFUSED
 *    with nothing written); Get takes it by value.
 * value1 is one field shared by both entries.
 * Put takes the number as uint16_t, 1-2.
 * Put data form: $k1B,number,value1,value2,value3,bearing in tenths as Q.R,. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarEBL(int16_t number, uint16_t value1, uint16_t value2,
                                                 uint16_t value3, uint16_t bearing);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarEBL(int16_t number, uint16_t *value1, uint16_t *value2,
                                                 uint16_t *value3, uint16_t *bearing);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarEBL(uint16_t kind, uint16_t number, uint16_t value1,
                                                 uint16_t value2, uint16_t value3,
                                                 uint16_t bearing);
#define RADAR_CODE_EBL 0x1B /**< command code: Electronic bearing lines 1 and 2 */
/**@}*/

/** @name 0x1C Variable range markers 1 and 2 */ /**@{*/
/* 0x1C Variable range markers 1 and 2.
 * Values: number 1-2 (VRM number); value1 0-2 (shared by both VRMs); value2 0-2; value3 0-1;
 *    distance 0-99999999 (ten-thousandths of a unit).
 * radarctl draws a VRM while its value2 is 1 or 2.
 * The first argument picks entry 1 or 2 (anything else: Set RADAR_OUT_OF_RANGE, Get RADAR_REFUSED
 *    with nothing written); Get takes it by value.
 * value1 is one field shared by both entries.
 * Put takes the number as uint16_t, 1-2.
 * Put data form: $k1C,number,value1,value2,value3,distance as Q.RRRR. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarVRM(int16_t number, uint16_t value1, uint16_t value2,
                                                 uint16_t value3, uint32_t distance);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarVRM(int16_t number, uint16_t *value1, uint16_t *value2,
                                                 uint16_t *value3, uint32_t *distance);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarVRM(uint16_t kind, uint16_t number, uint16_t value1,
                                                 uint16_t value2, uint16_t value3,
                                                 uint32_t distance);
#define RADAR_CODE_VRM 0x1C /**< command code: Variable range markers 1 and 2 */
/**@}*/

/** @name 0x1D Brightness */ /**@{*/
/* 0x1D Brightness.
 * Values: item 0-7; level 0-9.
 * Get takes the item by value and ignores it: it returns the last stored level, whatever the item.
 * Put data form: $k1D,item,level. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarBright(uint16_t item, uint16_t level);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarBright(uint16_t item, uint16_t *level);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarBright(uint16_t kind, uint16_t item, uint16_t level);
#define RADAR_CODE_BRIGHTNESS 0x1D /**< command code: Brightness */
/**@}*/

/** @name 0x1E Heading marker */ /**@{*/
/* 0x1E Heading marker.
 * Values: setting 0-1; value 0-9.
 * Put data form: $k1E,setting,value. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarHeadingMark(uint16_t setting, uint16_t value);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarHeadingMark(uint16_t *setting, uint16_t *value);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarHeadingMark(uint16_t kind, uint16_t setting,
                                                         uint16_t value);
#define RADAR_CODE_HEADING_MARK 0x1E /**< command code: Heading marker */
/**@}*/

/** @name 0x1F Echo trail display */ /**@{*/
/* 0x1F Echo trail display.
 * Values: value1 0-1; value2 0-1; value3 0-7; value4 0-2; value5 0-4; value6 0-9.
 * radarctl takes value1 0 as trails off and 1 as on, and value3 as the trail time: 15 s,
 *    30 s, 1, 3, 6, 10, 15 or 30 minutes.
 * Put data form: $k1F,value1,value2,value3,value4,value5,value6. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarTrail(uint16_t value1, uint16_t value2,
                                                   uint16_t value3, uint16_t value4,
                                                   uint16_t value5, uint16_t value6);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarTrail(uint16_t *value1, uint16_t *value2,
                                                   uint16_t *value3, uint16_t *value4,
                                                   uint16_t *value5, uint16_t *value6);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarTrail(uint16_t kind, uint16_t value1, uint16_t value2,
                                                   uint16_t value3, uint16_t value4,
                                                   uint16_t value5, uint16_t value6);
#define RADAR_CODE_TRAIL 0x1F /**< command code: Echo trail display */
/**@}*/

/** @name 0x20 Watchman */ /**@{*/
/* 0x20 Watchman.
 * Values: value1 0-1; value2 0-2; value3 0-7; value4 0-1.
 * Put tests value1 but does not write it.
 * Put data form: $k20,value2,value3,value4. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarWatchman(uint16_t value1, uint16_t value2,
                                                      uint16_t value3, uint16_t value4);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarWatchman(uint16_t *value1, uint16_t *value2,
                                                      uint16_t *value3, uint16_t *value4);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarWatchman(uint16_t kind, uint16_t value1,
                                                      uint16_t value2, uint16_t value3,
                                                      uint16_t value4);
#define RADAR_CODE_WATCHMAN 0x20 /**< command code: Watchman */
/**@}*/

/** @name 0x21 Total power-on hours */ /**@{*/
/* 0x21 Total power-on hours.
 * Values: hours any value (tenths of an hour).
 * Put divides as unsigned: 4294967295 is written 429496729.5.
 * Put data form: $k21,hours in tenths as Q.R. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarTotalOnHours(uint32_t hours);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarTotalOnHours(uint32_t *hours);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarTotalOnHours(uint16_t kind, uint32_t hours);
#define RADAR_CODE_TOTAL_ON_HOURS 0x21 /**< command code: Total power-on hours */
/**@}*/

/** @name 0x22 Total transmit hours */ /**@{*/
/* 0x22 Total transmit hours.
 * Values: hours any value (tenths of an hour).
 * Put divides as unsigned: 4294967295 is written 429496729.5.
 * Put data form: $k22,hours in tenths as Q.R. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarTotalTxHours(uint32_t hours);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarTotalTxHours(uint32_t *hours);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarTotalTxHours(uint16_t kind, uint32_t hours);
#define RADAR_CODE_TOTAL_TX_HOURS 0x22 /**< command code: Total transmit hours */
/**@}*/

/** @name 0x23 Waypoint mark */ /**@{*/
/* 0x23 Waypoint mark.
 * Values: setting 0-1; value 0-9; number 0-9999; bearing 0-3599 (tenths of a degree); distance
 *    0-99999999 (ten-thousandths of a unit).
 * Put data form: $k23,setting,value,number,bearing in tenths as Q.R,distance as Q.RRRR. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarWPTMark(uint16_t setting, uint16_t value,
                                                     uint16_t number, uint16_t bearing,
                                                     uint32_t distance);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarWPTMark(uint16_t *setting, uint16_t *value,
                                                     uint16_t *number, uint16_t *bearing,
                                                     uint32_t *distance);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarWPTMark(uint16_t kind, uint16_t setting,
                                                     uint16_t value, uint16_t number,
                                                     uint16_t bearing, uint32_t distance);
#define RADAR_CODE_WAYPOINT_MARK 0x23 /**< command code: Waypoint mark */
/**@}*/

/** @name 0x24 Transmit / standby */ /**@{*/
/* 0x24 Transmit / standby.
 * Values: state 0-3.
 * The simulated station (radarctl) takes state 0 as off, 1 standby, 2 transmit and 3 warming
 *    up, and sends echo only while it transmits.
 * Put data form: $k24,state. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarTxStby(uint16_t state);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarTxStby(uint16_t *state);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarTxStby(uint16_t kind, uint16_t state);
#define RADAR_CODE_TX_STANDBY 0x24 /**< command code: Transmit / standby */
/**@}*/

/** @name 0x25 Pulse length */ /**@{*/
/* 0x25 Pulse length.
 * Values: setting 0-1.
 * Put data form: $k25,setting. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarPulseLength(uint16_t setting);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarPulseLength(uint16_t *setting);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarPulseLength(uint16_t kind, uint16_t setting);
#define RADAR_CODE_PULSE_LENGTH 0x25 /**< command code: Pulse length */
/**@}*/

/** @name 0x26 Direction sensor */ /**@{*/
/* 0x26 Direction sensor.
 * Values: setting 0-1.
 * Put data form: $k26,setting. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarDirSensor(uint16_t setting);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarDirSensor(uint16_t *setting);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarDirSensor(uint16_t kind, uint16_t setting);
#define RADAR_CODE_DIRECTION_SENSOR 0x26 /**< command code: Direction sensor */
/**@}*/

/** @name 0x27 Transmitter / antenna status */ /**@{*/
/* 0x27 Transmitter / antenna status.
 * Values: setting 0-1.
 * Put data form: $k27,setting. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarTxAntStatus(uint16_t setting);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarTxAntStatus(uint16_t *setting);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarTxAntStatus(uint16_t kind, uint16_t setting);
#define RADAR_CODE_TX_ANTENNA_STATUS 0x27 /**< command code: Transmitter / antenna status */
/**@}*/

/** @name 0x28 Warm-up time */ /**@{*/
/* 0x28 Warm-up time.
 * Values: value 0-300.
 * Put data form: $k28,value. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarWarmUpTime(uint16_t value);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarWarmUpTime(uint16_t *value);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarWarmUpTime(uint16_t kind, uint16_t value);
#define RADAR_CODE_WARM_UP_TIME 0x28 /**< command code: Warm-up time */
/**@}*/

/** @name 0x29 Range preset */ /**@{*/
/* 0x29 Range preset.
 * Values: setting 0-2; value 0-262143.
 * Put data form: $k29,setting,value. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarRangePreset(uint16_t setting, uint32_t value);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarRangePreset(uint16_t *setting, uint32_t *value);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarRangePreset(uint16_t kind, uint16_t setting,
                                                         uint32_t value);
#define RADAR_CODE_RANGE_PRESET 0x29 /**< command code: Range preset */
/**@}*/

/** @name 0x2A Tune adjustment */ /**@{*/
/* 0x2A Tune adjustment.
 * Values: setting 0-1.
 * Put data form: $k2A,setting. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarTuneAdjust(uint16_t setting);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarTuneAdjust(uint16_t *setting);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarTuneAdjust(uint16_t kind, uint16_t setting);
#define RADAR_CODE_TUNE_ADJUST 0x2A /**< command code: Tune adjustment */
/**@}*/

/** @name 0x2B Video adjustment */ /**@{*/
/* 0x2B Video adjustment.
 * Values: setting 0-1.
 * Put data form: $k2B,setting. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarVideoAdjust(uint16_t setting);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarVideoAdjust(uint16_t *setting);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarVideoAdjust(uint16_t kind, uint16_t setting);
#define RADAR_CODE_VIDEO_ADJUST 0x2B /**< command code: Video adjustment */
/**@}*/

/** @name 0x2C Antenna type */ /**@{*/
/* 0x2C Antenna type.
 * Values: type 0-7.
 * Put data form: $k2C,type. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarAntType(uint16_t type);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarAntType(uint16_t *type);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarAntType(uint16_t kind, uint16_t type);
#define RADAR_CODE_ANTENNA_TYPE 0x2C /**< command code: Antenna type */
/**@}*/

/** @name 0x2D Maximum range */ /**@{*/
/* 0x2D Maximum range.
 * Values: value 0-4.
 * Put data form: $k2D,value. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarMaxRange(uint16_t value);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarMaxRange(uint16_t *value);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarMaxRange(uint16_t kind, uint16_t value);
#define RADAR_CODE_MAX_RANGE 0x2D /**< command code: Maximum range */
/**@}*/

/** @name 0x2E Monitor mode */ /**@{*/
/* 0x2E Monitor mode.
 * Values: setting 0-1.
 * Put data form: $k2E,setting. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarMonitorMode(uint16_t setting);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarMonitorMode(uint16_t *setting);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarMonitorMode(uint16_t kind, uint16_t setting);
#define RADAR_CODE_MONITOR_MODE 0x2E /**< command code: Monitor mode */
/**@}*/

/** @name 0x2F Second-trace echo rejection */ /**@{*/
/* 0x2F Second-trace echo rejection.
 * Values: setting 0-1.
 * Put data form: $k2F,setting. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadar2ndEchoReject(uint16_t setting);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadar2ndEchoReject(uint16_t *setting);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadar2ndEchoReject(uint16_t kind, uint16_t setting);
#define RADAR_CODE_SECOND_TRACE_REJECTION 0x2F /**< command code: Second-trace echo rejection */
/**@}*/

/** @name 0x30 Signal */ /**@{*/
/* 0x30 Signal.
 * Values: value 0-9.
 * Put data form: $k30,value. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarSignal(uint16_t value);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarSignal(uint16_t *value);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarSignal(uint16_t kind, uint16_t value);
#define RADAR_CODE_SIGNAL 0x30 /**< command code: Signal */
/**@}*/

/** @name 0x31 Background colour */ /**@{*/
/* 0x31 Background colour.
 * Values: value 0-4.
 * Put data form: $k31,value. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarBackGround(uint16_t value);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarBackGround(uint16_t *value);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarBackGround(uint16_t kind, uint16_t value);
#define RADAR_CODE_BACKGROUND 0x31 /**< command code: Background colour */
/**@}*/

/** @name 0x32 Echo colour */ /**@{*/
/* 0x32 Echo colour.
 * Values: value 0-2.
 * Put data form: $k32,value. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarEchoColor(uint16_t value);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarEchoColor(uint16_t *value);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarEchoColor(uint16_t kind, uint16_t value);
#define RADAR_CODE_ECHO_COLOUR 0x32 /**< command code: Echo colour */
/**@}*/

/** @name 0x33 Alarm sound */ /**@{*/
/* 0x33 Alarm sound.
 * Values: setting 0-1; value 0-15.
 * Put data form: $k33,setting,value. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarAlarmSound(uint16_t setting, uint16_t value);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarAlarmSound(uint16_t *setting, uint16_t *value);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarAlarmSound(uint16_t kind, uint16_t setting,
                                                        uint16_t value);
#define RADAR_CODE_ALARM_SOUND 0x33 /**< command code: Alarm sound */
/**@}*/

/** @name 0x34 Factory setting */ /**@{*/
/* 0x34 Factory setting.
 * Values: setting 0-1.
 * Put data form: $k34,setting. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarFactory(uint16_t setting);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarFactory(uint16_t *setting);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarFactory(uint16_t kind, uint16_t setting);
#define RADAR_CODE_FACTORY 0x34 /**< command code: Factory setting */
/**@}*/

/** @name 0x36 Demonstration data */ /**@{*/
/* 0x36 Demonstration data.
 * Values: setting 0-1.
 * Put data form: $k36,setting. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarDemoData(uint16_t setting);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarDemoData(uint16_t *setting);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarDemoData(uint16_t kind, uint16_t setting);
#define RADAR_CODE_DEMO_DATA 0x36 /**< command code: Demonstration data */
/**@}*/

/** @name 0x37 Own position */ /**@{*/
/* 0x37 Own position.
 * Values: setting 0-1; latitude -353894400 to 353894400 (1/65536 of a minute of arc); longitude
 *    -707788800 to 707788800 (1/65536 of a minute of arc).
 * Put data form: $k37,setting,latitude,longitude. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarOwnPosiLL(uint16_t setting, int32_t latitude,
                                                       int32_t longitude);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarOwnPosiLL(uint16_t *setting, int32_t *latitude,
                                                       int32_t *longitude);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarOwnPosiLL(uint16_t kind, uint16_t setting,
                                                       int32_t latitude, int32_t longitude);
#define RADAR_CODE_OWN_POSITION 0x37 /**< command code: Own position */
/**@}*/

/** @name 0x38 NMEA heading */ /**@{*/
/* 0x38 NMEA heading.
 * Values: setting 0-1; heading 0-3599 (tenths of a degree); value -1799 to 1799 (tenths of a
 *    degree, signed).
 * Put data form: $k38,setting,heading in tenths as Q.R,value in tenths as Q.R, a minus sign on both
 *    parts when negative. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarNMEAHead(uint16_t setting, uint16_t heading,
                                                      int16_t value);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarNMEAHead(uint16_t *setting, uint16_t *heading,
                                                      int16_t *value);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarNMEAHead(uint16_t kind, uint16_t setting,
                                                      uint16_t heading, int16_t value);
#define RADAR_CODE_NMEA_HEADING 0x38 /**< command code: NMEA heading */
/**@}*/

/** @name 0x39 Heading adjustment */ /**@{*/
/* 0x39 Heading adjustment.
 * Values: bearing 0-3599 (tenths of a degree).
 * Put data form: $k39,bearing in tenths as Q.R. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarHeadingAdjust(uint16_t bearing);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarHeadingAdjust(uint16_t *bearing);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarHeadingAdjust(uint16_t kind, uint16_t bearing);
#define RADAR_CODE_HEADING_ADJUST 0x39 /**< command code: Heading adjustment */
/**@}*/

/** @name 0x3A Maximum shift speed */ /**@{*/
/* 0x3A Maximum shift speed.
 * Values: value 0-999 (tenths).
 * Put data form: $k3A,value in tenths as Q.R. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarMaxShiftSpeed(uint16_t value);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarMaxShiftSpeed(uint16_t *value);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarMaxShiftSpeed(uint16_t kind, uint16_t value);
#define RADAR_CODE_MAX_SHIFT_SPEED 0x3A /**< command code: Maximum shift speed */
/**@}*/

/** @name 0x3B Amplifier type */ /**@{*/
/* 0x3B Amplifier type.
 * Values: type 0-1.
 * Put data form: $k3B,type. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarAmpType(uint16_t type);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarAmpType(uint16_t *type);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarAmpType(uint16_t kind, uint16_t type);
#define RADAR_CODE_AMP_TYPE 0x3B /**< command code: Amplifier type */
/**@}*/

/** @name 0x3C Initial tune value */ /**@{*/
/* 0x3C Initial tune value.
 * Values: value 0-461.
 * Put data form: $k3C,value. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarTuneInit(uint16_t value);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarTuneInit(uint16_t *value);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarTuneInit(uint16_t kind, uint16_t value);
#define RADAR_CODE_TUNE_INIT 0x3C /**< command code: Initial tune value */
/**@}*/

/** @name 0x3D Automatic tune */ /**@{*/
/* 0x3D Automatic tune.
 * Values: value 0-100.
 * Put data form: $k3D,value. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarAutoTune(uint16_t value);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarAutoTune(uint16_t *value);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarAutoTune(uint16_t kind, uint16_t value);
#define RADAR_CODE_AUTO_TUNE 0x3D /**< command code: Automatic tune */
/**@}*/

/** @name 0x3E Tune indicator */ /**@{*/
/* 0x3E Tune indicator.
 * Values: value 0-100.
 * Put data form: $k3E,value. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarTuneInd(uint16_t value);
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarTuneInd(uint16_t *value);
RADAR_EXPORT int16_t RADAR_API OrvanePutRadarTuneInd(uint16_t kind, uint16_t value);
#define RADAR_CODE_TUNE_INDICATOR 0x3E /**< command code: Tune indicator */
/**@}*/

/** @name 0x40 ARPA on / off */ /**@{*/
/* 0x40 ARPA on / off.
 * Values: setting1 0-1; setting2 0-1.
 * Put tests setting2 but does not write it.
 * Put data form: $k40,setting1. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaOnOff(uint16_t setting1, uint16_t setting2);
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaOnOff(uint16_t *setting1, uint16_t *setting2);
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaOnOff(uint16_t kind, uint16_t setting1,
                                                  uint16_t setting2);
#define RADAR_CODE_ARPA_ON_OFF 0x40 /**< command code: ARPA on / off */
/**@}*/

/** @name 0x41 ARPA all clear (event flag) */ /**@{*/
/* 0x41 ARPA all clear (event flag).
 * Values: flag 0-1 (event flag).
 * An incoming event pulses the flag: it reads 1 only inside the notify callback for this code.
 * Put takes the kind alone and sends the bare form "$k41" for every kind. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaAllClear(uint16_t flag);
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaAllClear(uint16_t *flag);
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaAllClear(uint16_t kind);
#define RADAR_CODE_ARPA_ALL_CLEAR 0x41 /**< command code: ARPA all clear */
/**@}*/

/** @name 0x42 ARPA plot interval */ /**@{*/
/* 0x42 ARPA plot interval.
 * Values: value 0-6.
 * Put data form: $k42,value. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaPlotInterval(uint16_t value);
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaPlotInterval(uint16_t *value);
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaPlotInterval(uint16_t kind, uint16_t value);
#define RADAR_CODE_ARPA_PLOT_INTERVAL 0x42 /**< command code: ARPA plot interval */
/**@}*/

/** @name 0x43 ARPA vector mode */ /**@{*/
/* 0x43 ARPA vector mode.
 * Values: mode 0-1.
 * Put data form: $k43,mode. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaVectorMode(uint16_t mode);
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaVectorMode(uint16_t *mode);
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaVectorMode(uint16_t kind, uint16_t mode);
#define RADAR_CODE_ARPA_VECTOR_MODE 0x43 /**< command code: ARPA vector mode */
/**@}*/

/** @name 0x44 ARPA vector time */ /**@{*/
/* 0x44 ARPA vector time.
 * Values: value 0-5.
 * Put data form: $k44,value. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaVectorTime(uint16_t value);
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaVectorTime(uint16_t *value);
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaVectorTime(uint16_t kind, uint16_t value);
#define RADAR_CODE_ARPA_VECTOR_TIME 0x44 /**< command code: ARPA vector time */
/**@}*/

/** @name 0x45 ARPA CPA limit */ /**@{*/
/* 0x45 ARPA CPA limit.
 * Values: value 0-6.
 * Put data form: $k45,value. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaCPA(uint16_t value);
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaCPA(uint16_t *value);
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaCPA(uint16_t kind, uint16_t value);
#define RADAR_CODE_ARPA_CPA 0x45 /**< command code: ARPA CPA limit */
/**@}*/

/** @name 0x46 ARPA TCPA limit */ /**@{*/
/* 0x46 ARPA TCPA limit.
 * Values: value 0-7.
 * Put data form: $k46,value. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaTCPA(uint16_t value);
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaTCPA(uint16_t *value);
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaTCPA(uint16_t kind, uint16_t value);
#define RADAR_CODE_ARPA_TCPA 0x46 /**< command code: ARPA TCPA limit */
/**@}*/

/** @name 0x47 ARPA automatic acquisition */ /**@{*/
/* 0x47 ARPA automatic acquisition.
 * Values: setting 0-1.
 * Put data form: $k47,setting. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaAutoACQ(uint16_t setting);
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaAutoACQ(uint16_t *setting);
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaAutoACQ(uint16_t kind, uint16_t setting);
#define RADAR_CODE_ARPA_AUTO_ACQ 0x47 /**< command code: ARPA automatic acquisition */
/**@}*/

/** @name 0x48 ARPA alarm */ /**@{*/
/* 0x48 ARPA alarm.
 * Values: value any value.
 * Put data form: $k48,value. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaAlarm(uint16_t value);
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaAlarm(uint16_t *value);
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaAlarm(uint16_t kind, uint16_t value);
#define RADAR_CODE_ARPA_ALARM 0x48 /**< command code: ARPA alarm */
/**@}*/

/** @name 0x49 ARPA mark */ /**@{*/
/* 0x49 ARPA mark.
 * Values: value any value.
 * Put data form: $k49,value. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaMark(uint16_t value);
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaMark(uint16_t *value);
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaMark(uint16_t kind, uint16_t value);
#define RADAR_CODE_ARPA_MARK 0x49 /**< command code: ARPA mark */
/**@}*/

/** @name 0x4A ARPA acquisition data */ /**@{*/
/* 0x4A ARPA acquisition data.
 * Values: value any value; bearing 0-3599 (tenths of a degree).
 * Put takes the value as a signed 32-bit number and writes it signed.
 * Put data form: $k4A,value,bearing in tenths as Q.R. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaACQData(uint32_t value, uint16_t bearing);
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaACQData(uint32_t *value, uint16_t *bearing);
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaACQData(uint16_t kind, int32_t value, uint16_t bearing);
#define RADAR_CODE_ARPA_ACQ_DATA 0x4A /**< command code: ARPA acquisition data */
/**@}*/

/** @name 0x4B ARPA erase data */ /**@{*/
/* 0x4B ARPA erase data.
 * Values: index 0-9 (target index).
 * Put data form: $k4B,(index + 1) * 256. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaEraseData(uint16_t index);
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaEraseData(uint16_t *index);
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaEraseData(uint16_t kind, uint16_t index);
#define RADAR_CODE_ARPA_ERASE_DATA 0x4B /**< command code: ARPA erase data */
/**@}*/

/** @name 0x4C ARPA target number */ /**@{*/
/* 0x4C ARPA target number.
 * Values: setting 0-1.
 * Put data form: $k4C,setting. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaTargetNumber(uint16_t setting);
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaTargetNumber(uint16_t *setting);
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaTargetNumber(uint16_t kind, uint16_t setting);
#define RADAR_CODE_ARPA_TARGET_NUMBER 0x4C /**< command code: ARPA target number */
/**@}*/

/** @name 0x52 ARPA server on / off */ /**@{*/
/* 0x52 ARPA server on / off.
 * Values: setting1 0-1; setting2 0-1.
 * Put data form: $k52,setting1,setting2. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaServerOnOff(uint16_t setting1, uint16_t setting2);
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaServerOnOff(uint16_t *setting1, uint16_t *setting2);
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaServerOnOff(uint16_t kind, uint16_t setting1,
                                                        uint16_t setting2);
#define RADAR_CODE_ARPA_SERVER_ON_OFF 0x52 /**< command code: ARPA server on / off */
/**@}*/

/** @name 0x55 Own course */ /**@{*/
/* 0x55 Own course.
 * Values: setting 0-1; course 0-3599 (tenths of a degree).
 * The course travels as a plain integer.
 * Put data form: $k55,setting,course. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetOwnCourse(uint16_t setting, uint16_t course);
RADAR_EXPORT int16_t RADAR_API OrvaneGetOwnCourse(uint16_t *setting, uint16_t *course);
RADAR_EXPORT int16_t RADAR_API OrvanePutOwnCourse(uint16_t kind, uint16_t setting, uint16_t course);
#define RADAR_CODE_OWN_COURSE 0x55 /**< command code: Own course */
/**@}*/

/** @name 0x56 ARPA status */ /**@{*/
/* 0x56 ARPA status.
 * Values: value1 any value; value2 any value; value3 any value; value4 any value; value5 any value;
 *    value6 any value; value7 any value; value8 any value; value9 any value; value10 any value.
 * Put data form: $k56,value1,value2,value3,value4,value5,value6,value7,value8,value9,value10. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaStatus(uint16_t value1, uint16_t value2,
                                                   uint16_t value3, uint16_t value4,
                                                   uint16_t value5, uint16_t value6,
                                                   uint16_t value7, uint16_t value8,
                                                   uint16_t value9, uint16_t value10);
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaStatus(uint16_t *value1, uint16_t *value2,
                                                   uint16_t *value3, uint16_t *value4,
                                                   uint16_t *value5, uint16_t *value6,
                                                   uint16_t *value7, uint16_t *value8,
                                                   uint16_t *value9, uint16_t *value10);
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaStatus(uint16_t kind, uint16_t value1, uint16_t value2,
                                                   uint16_t value3, uint16_t value4,
                                                   uint16_t value5, uint16_t value6,
                                                   uint16_t value7, uint16_t value8,
                                                   uint16_t value9, uint16_t value10);
#define RADAR_CODE_ARPA_STATUS 0x56 /**< command code: ARPA status */
/**@}*/

/** @name 0x57 ARPA alarm stop (event flag) */ /**@{*/
/* 0x57 ARPA alarm stop (event flag).
 * Values: flag 0-1 (event flag).
 * An incoming event pulses the flag: it reads 1 only inside the notify callback for this code.
 * Put takes the kind alone and sends the bare form "$k57" for every kind. */
RADAR_EXPORT int16_t RADAR_API OrvaneSetArpaAlarmStop(uint16_t flag);
RADAR_EXPORT int16_t RADAR_API OrvaneGetArpaAlarmStop(uint16_t *flag);
RADAR_EXPORT int16_t RADAR_API OrvanePutArpaAlarmStop(uint16_t kind);
#define RADAR_CODE_ARPA_ALARM_STOP 0x57 /**< command code: ARPA alarm stop */
/**@}*/
/** @} */

/* ---- Echo ---------------------------------------------------------------- */
/** @defgroup radar_echo Echo
 * The echo picture line by line, with trails.
 * @{ */

/** Starts the echo side: keeps `callback` (null: lines go to the echo ring,
 * fetched with OrvaneGetRadarEchoData), opens UDP port 10024 and starts the
 * receiver and trail-aging threads. Call once (a second call does nothing and
 * returns RADAR_OK). Returns RADAR_OK, or a negative status when the port
 * could not be opened (RADAR_OUT_OF_RANGE, -2, when another program holds
 * it). The threads start either way, so playback works, and the receiver
 * asks for the port again about once a second until it gets it: the live
 * echo then arrives without a further call.
 * From this call on the library stays loaded until the process ends (its
 * threads run its code): FreeLibrary or dlclose does not unload it.
 * A datagram is decoded within the bytes received; its word count (bytes
 * 8-9) is not read, so bytes after its last line are left alone. One that is
 * shorter than its 14-byte header, has more than 512 samples a line or whose
 * lines run past its end delivers nothing (it is still recorded). 
 * @param callback called for every echo line on the receiver thread; null: the lines go to the ring
 * @return RADAR_OK, or a negative status when the port could not be opened (the threads run
 *         either way) */
RADAR_EXPORT int16_t RADAR_API OrvaneInitRadarEchoFunc(RadarEchoFunc callback);

/** Sets the trail time in seconds, 0-32767 (0: trails off) and clears all
 * trails. RADAR_OK, or RADAR_REFUSED for 0x8000 and above (nothing changes). 
 * @param seconds the trail time, 0-32767; 0 turns trails off
 * @return RADAR_OK or RADAR_REFUSED */
RADAR_EXPORT int16_t RADAR_API OrvaneSetTrailTime(uint16_t seconds);

/** Takes the oldest waiting echo line into `record` (Data points into the ring
 * and stays valid until the ring comes round to that slot; LineFlag is left
 * as it was). Returns 0 when no line waits (record untouched), else the
 * number of lines that were waiting, this one included. 
 * @param[out] record receives the line
 * @return the number of lines that were waiting, this one included; 0 when none */
RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarEchoData(EchoLineRecord *record);
/** @} */

/* ---- Echo recording and playback ----------------------------------------- */
/** @defgroup radar_recording Echo recording and playback
 * Echo datagrams to a file and back.
 * @{ */

/** Starts recording every echo datagram to the file at `path` (created or
 * emptied). RADAR_OK, or RADAR_REFUSED during playback or when the file does
 * not open.
 * A file holds the datagrams back to back, each found through its word
 * count. A datagram whose word count gives its length is written as
 * received; any other is written with a word count that does (bytes 0-7 and
 * bits 10-15 of bytes 8-9 as received), an odd length evened up with a zero
 * byte, or down by its last byte when its lines could not be decoded, and a
 * datagram of under 10 bytes filled with zeros to 10: played back, every
 * datagram gives the lines it gave live. Each datagram goes to the file as
 * it arrives, and the file only ever holds whole datagrams: one whose write
 * fails (a full disk) is lost, the file is cut back to the datagram before,
 * and recording goes on with the next. Only a file that cannot be cut back
 * ends the recording, as OrvaneRecEndRadarEcho would (which then returns
 * RADAR_REFUSED). 
 * @param path the file to record to
 * @return RADAR_OK or RADAR_REFUSED */
RADAR_EXPORT int16_t RADAR_API OrvaneRecStartRadarEcho(const char *path);

/** Ends the recording and closes its file. RADAR_OK, or RADAR_REFUSED when no
 * recording runs or playback is on. 
 * @return RADAR_OK or RADAR_REFUSED */
RADAR_EXPORT int16_t RADAR_API OrvaneRecEndRadarEcho(void);

/** Records one antenna revolution, from the first line at sweep 0 to the first
 * later line at sweep 8190 or more, to the file at `path`, written as
 * OrvaneRecStartRadarEcho writes (a file that cannot be cut back after a
 * failed write ends this recording too). RADAR_OK, or RADAR_REFUSED when
 * the file does not open. 
 * @param path the file to record to
 * @return RADAR_OK or RADAR_REFUSED */
RADAR_EXPORT int16_t RADAR_API OrvaneRecStartRadarEchoOneScreen(const char *path);

/** Plays the recording at `path` back in place of the live echo, as fast as
 * the lines are taken (Mode 2, and 3 for the file's last datagram).
 * RADAR_OK, or RADAR_REFUSED while recording or when the file does not open. 
 * @param path the recording to play
 * @return RADAR_OK or RADAR_REFUSED */
RADAR_EXPORT int16_t RADAR_API OrvaneReadStartRadarEcho(const char *path);

/** Ends playback and returns to the live echo, opening UDP port 10024 again
 * (when another program has taken it meanwhile, the receiver asks for it
 * about once a second until it gets it). RADAR_OK, or RADAR_REFUSED while
 * recording or when no playback was started. 
 * @return RADAR_OK or RADAR_REFUSED */
RADAR_EXPORT int16_t RADAR_API OrvaneReadEndRadarEcho(void);
/** @} */

/* ---- Target geometry ----------------------------------------------------- */
/** @defgroup radar_cpa Target geometry (CPA/TCPA)
 * The closest point of approach of a target.
 * @{ */

/** Closest point of approach of a target at `range` (hundredths of a nautical
 * mile, -25599 to 25599; a negative range places the target on the
 * reciprocal bearing) and `bearing` (0-3599), own ship at `own_speed`
 * (tenths of a knot, 0-9999) on `own_course` (0-3599), target at
 * `target_speed` on `target_course`. Stores CPA in nautical miles and TCPA
 * in minutes, both 16.16 fixed point (TCPA negative when the closest point
 * is past). RADAR_OK, or RADAR_REFUSED with nothing stored when an argument
 * is out of range (a range of 256 NM or more either side overflows the
 * calculation's scale). 
 * @param range the target's range, hundredths of a nautical mile, -25599 to 25599
 * @param bearing the target's bearing, tenths of a degree, 0-3599
 * @param own_speed own ship's speed, tenths of a knot, 0-9999
 * @param own_course own ship's course, tenths of a degree, 0-3599
 * @param target_speed the target's speed, tenths of a knot, 0-9999
 * @param target_course the target's course, tenths of a degree, 0-3599
 * @param[out] cpa receives the CPA, nautical miles, 16.16 fixed point
 * @param[out] tcpa receives the TCPA, minutes, 16.16 fixed point (negative when past)
 * @return RADAR_OK, or RADAR_REFUSED with nothing stored */
RADAR_EXPORT int16_t RADAR_API OrvaneCalCpaTcpa(int32_t range, int16_t bearing, int16_t own_speed,
                                                int16_t own_course, int16_t target_speed,
                                                int16_t target_course, int32_t *cpa, int32_t *tcpa);
/** @} */

#ifdef __cplusplus
}
#endif

#endif /* RADAR_H */
