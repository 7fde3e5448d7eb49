/**
 * @file
 * @brief Target tracking from the radar's echo lines: a library of its own
 * (libradartrack.so.1, radartrack.dll) beside the radar library.
 *
 * The radar sends the echo picture and the ARPA settings, not target tracks.
 * This library makes them: the application feeds it every echo line as the
 * radar library delivers it (EchoLineRecord, from the echo callback or the
 * ring) with a time stamp, own ship's motion when it has it, and orders
 * (acquire, cancel, zones, limits); it gives back the targets and the events
 * (acquired, lost, guard-zone intrusion, danger) by copying them into the
 * caller's arrays.
 *
 * Conventions
 *   - One handle per radar; handles share nothing, and there is no global
 *     state. A handle is not locked: calls on one handle come from one thread
 *     at a time (any thread). Different handles may be used at once.
 *   - The library computes only: no thread, no clock, no file, no socket.
 *     Every input carries the caller's time in seconds (any origin, never
 *     going back), so live, played back and faster-than-real-time runs are
 *     the same.
 *   - Memory is taken once, by radartrack_create; nothing is allocated per
 *     line or per call. Capacities are the constants below.
 *   - Units at this interface are the mariner's: distances in nautical
 *     miles, speeds in knots, bearings and courses in degrees true, 0 to
 *     less than 360, clockwise from north; times in seconds, TCPA in minutes.
 *   - A line's bearing is (Sweep + BearingOffset) mod 8192, in 8192ths of a
 *     turn from true north; its range is set by its ScaleCode (see
 *     radartrack_set_scale) and its samples span it evenly.
 *   - Every function returns a status (RADARTRACK_OK or a negative value)
 *     or a count. Nothing is printed or thrown.
 *   - On 32-bit Windows the functions are __cdecl and exported under their
 *     plain names.
 *
 * This header compiles as C99 and as C++.
 */
#ifndef RADAR_TRACKING_H
#define RADAR_TRACKING_H

#include <stdint.h>

#include "radar.h"

#if defined(_WIN32)
#define RADARTRACK_API __cdecl
#else
/** Calling convention: __cdecl on Windows, nothing elsewhere. */
#define RADARTRACK_API
#endif

#if defined(RADARTRACK_BUILDING_LIBRARY)
#if defined(_WIN32)
#define RADARTRACK_EXPORT __declspec(dllexport)
#else
#define RADARTRACK_EXPORT __attribute__((visibility("default")))
#endif
#else
/** The library marks its own definitions for export; users see nothing. */
#define RADARTRACK_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/** @defgroup radartrack_status Status results
 * @{ */
#define RADARTRACK_OK 0                /**< done */
#define RADARTRACK_REFUSED (-1)        /**< a null handle or pointer, or a bad argument */
#define RADARTRACK_OUT_OF_RANGE (-2)   /**< an argument outside its range; nothing changed */
#define RADARTRACK_FULL (-4)           /**< every target place is taken */
#define RADARTRACK_NOT_FOUND (-5)      /**< no echo near the point, or no such target */
/** @} */

/** @defgroup radartrack_capacity Capacities
 * @{ */
#define RADARTRACK_MAX_TARGETS 128  /**< targets tracked at once (acquiring, tracking or lost) */
#define RADARTRACK_MAX_ZONES 8      /**< zone places: 0 and 1 are meant for the radar's two guard zones */
#define RADARTRACK_MAX_EVENTS 256   /**< events kept until taken; older ones are dropped and counted */
/** @} */

/** Target status. */
#define RADARTRACK_ACQUIRING 0 /**< seen, its motion not yet established */
#define RADARTRACK_TRACKING 1  /**< motion established; tracked while seen in 5 of 10 revolutions */
#define RADARTRACK_LOST 2      /**< not seen enough: kept for a minute, then dropped */

/** How a target was acquired. */
#define RADARTRACK_MANUAL 0 /**< ordered at a range and bearing */
#define RADARTRACK_AUTO 1   /**< a new echo inside an acquisition zone */

/** Target flags. */
#define RADARTRACK_FLAG_RELATIVE_ONLY 1u /**< own ship's motion unknown: true course and speed are the relative ones */
#define RADARTRACK_FLAG_DANGEROUS 2u     /**< will pass closer than the CPA limit within the TCPA limit */
#define RADARTRACK_FLAG_IN_GUARD 4u      /**< inside an active guard zone */
#define RADARTRACK_FLAG_POSITION 8u      /**< lat_deg and lon_deg hold the target's position */

/** Own-ship sample contents (RadarTrackOwnShip.has). */
#define RADARTRACK_OWN_HEADING 1u      /**< heading_deg */
#define RADARTRACK_OWN_VELOCITY 2u     /**< course_deg and speed_kn, over ground */
#define RADARTRACK_OWN_POSITION 4u     /**< lat_deg and lon_deg */

/** Zone kinds. */
#define RADARTRACK_ZONE_OFF 0     /**< the place is empty */
#define RADARTRACK_ZONE_GUARD 1   /**< an echo that enters raises a guard event */
#define RADARTRACK_ZONE_ACQUIRE 2 /**< a new echo inside is acquired automatically */

/** Event kinds. */
#define RADARTRACK_EVENT_ACQUIRED 1   /**< a target was acquired (id) */
#define RADARTRACK_EVENT_TRACKING 2   /**< a target's motion is established (id) */
#define RADARTRACK_EVENT_LOST 3       /**< a target was lost (id) */
#define RADARTRACK_EVENT_GUARD 4      /**< an echo entered guard zone `zone` (id: the target, 0 for an untracked echo); once until acknowledged */
#define RADARTRACK_EVENT_DANGER 5     /**< a target will pass inside both limits (id) */
#define RADARTRACK_EVENT_DANGER_END 6 /**< a dangerous target no longer is, or is gone (id) */
#define RADARTRACK_EVENT_FULL 7       /**< an automatic acquisition found every place taken */
#define RADARTRACK_EVENT_DROPPED 8    /**< a target was cancelled or dropped after being lost (id) */

/** The tracker; opaque. */
typedef struct RadarTracker RadarTracker;

/** One sample of own ship's state. Each part counts only when its bit is set
 * in `has`; parts not given keep their last value. */
typedef struct RadarTrackOwnShip {
    double time_s;      /**< when the sample was true */
    uint32_t has;       /**< RADARTRACK_OWN_... bits */
    double heading_deg; /**< true heading */
    double course_deg;  /**< course over ground, true */
    double speed_kn;    /**< speed over ground */
    double lat_deg;     /**< latitude, north positive */
    double lon_deg;     /**< longitude, east positive */
} RadarTrackOwnShip;

/** A zone: the sector from `from_deg` clockwise to `to_deg` (equal: the whole
 * circle), between `inner_nm` and `outer_nm` from own ship. */
typedef struct RadarTrackZone {
    uint32_t kind; /**< RADARTRACK_ZONE_... */
    double from_deg; /**< where the sector starts, degrees true */
    double to_deg;   /**< where it ends, clockwise from from_deg */
    double inner_nm; /**< nearer edge */
    double outer_nm; /**< farther edge */
} RadarTrackZone;

/** One target as the tracker sees it. */
typedef struct RadarTrackTarget {
    uint32_t id;          /**< 1 and up, never reused by the handle */
    uint32_t status;      /**< RADARTRACK_ACQUIRING, _TRACKING or _LOST */
    uint32_t acquisition; /**< RADARTRACK_MANUAL or _AUTO */
    uint32_t flags;       /**< RADARTRACK_FLAG_... */
    double range_nm;      /**< from own ship, now */
    double bearing_deg;   /**< true, now */
    double course_deg;    /**< over ground, true (relative when RADARTRACK_FLAG_RELATIVE_ONLY) */
    double speed_kn;      /**< over ground (relative when RADARTRACK_FLAG_RELATIVE_ONLY) */
    double rel_course_deg; /**< of the motion relative to own ship */
    double rel_speed_kn;  /**< of the motion relative to own ship */
    double cpa_nm;   /**< closest point of approach, by OrvaneCalCpaTcpa */
    double tcpa_min; /**< time to it; negative when it is past */
    double lat_deg;       /**< latitude, when RADARTRACK_FLAG_POSITION */
    double lon_deg;       /**< longitude, when RADARTRACK_FLAG_POSITION */
    double first_seen_s;  /**< when its echo was first seen, in the caller's time */
    double last_seen_s;   /**< when its echo was last seen */
    uint32_t seen; /**< revolutions of the last 10 in which it was seen */
} RadarTrackTarget;

/** Something that happened. */
typedef struct RadarTrackEvent {
    uint32_t kind;   /**< RADARTRACK_EVENT_... */
    uint32_t id;     /**< the target, 0 for none */
    uint32_t zone;   /**< the zone place for a guard event */
    double time_s;   /**< when */
    double range_nm; /**< where, from own ship */
    double bearing_deg; /**< where, degrees true */
} RadarTrackEvent;

/** The tracker's state in figures. */
typedef struct RadarTrackStatus {
    uint32_t targets;       /**< targets held (any status) */
    uint32_t capacity;      /**< RADARTRACK_MAX_TARGETS */
    uint32_t full;          /**< acquisitions refused for want of room, all told */
    uint32_t own;           /**< RADARTRACK_OWN_... bits known now */
    uint64_t lines;         /**< lines taken */
    uint64_t plots;         /**< echoes extracted */
    uint64_t revolutions;   /**< antenna revolutions seen */
    uint32_t events_dropped; /**< events lost because nobody took them */
    double time_s;          /**< the latest time given */
} RadarTrackStatus;

/** A new tracker, or null when memory cannot be had. Its danger limits
 * start at 1 NM and 12 minutes; no zone is set.
 * @return the tracker, or null */
RADARTRACK_EXPORT RadarTracker *RADARTRACK_API radartrack_create(void);

/** Ends a tracker (null: nothing).
 * @param tracker the tracker, or null */
RADARTRACK_EXPORT void RADARTRACK_API radartrack_destroy(RadarTracker *tracker);

/** The range in NM that `scale_code` (0-63) stands for: the far edge of a
 * line's last sample. By default the codes 0-17 are the radar's range steps
 * (0.125, 0.25, 0.5, 0.75, 1, 1.5, 2, 3, 4, 6, 8, 12, 16, 24, 32, 48, 64 and
 * 96 NM); lines of other codes are ignored until one is set here.
 * @param tracker the tracker
 * @param scale_code 0-63
 * @param range_nm the range it stands for, nautical miles, above 0
 * @return RADARTRACK_OK, or a negative status (RADARTRACK_REFUSED, RADARTRACK_OUT_OF_RANGE, ...) */
RADARTRACK_EXPORT int32_t RADARTRACK_API radartrack_set_scale(RadarTracker *tracker, uint32_t scale_code,
                                                              double range_nm);

/** Takes one echo line, at `time_s`. Lines come in the order the antenna
 * sweeps them. Levels 1-7 are echo; 8-15 (trails) and 0 are not.
 * @param tracker the tracker
 * @param line the line, as the radar library hands it over
 * @param time_s when it came, seconds on the caller's clock, never going back
 * @return RADARTRACK_OK, or a negative status (RADARTRACK_REFUSED, RADARTRACK_OUT_OF_RANGE, ...) */
RADARTRACK_EXPORT int32_t RADARTRACK_API radartrack_line(RadarTracker *tracker, const EchoLineRecord *line,
                                                         double time_s);

/** Takes a sample of own ship's heading, course and speed over ground, or
 * position. Without course and speed they are worked out from successive
 * positions; without either, own ship is taken as still and the targets say
 * so (RADARTRACK_FLAG_RELATIVE_ONLY).
 * @param tracker the tracker
 * @param own the sample; its flags say which parts it holds
 * @return RADARTRACK_OK, or a negative status (RADARTRACK_REFUSED, RADARTRACK_OUT_OF_RANGE, ...) */
RADARTRACK_EXPORT int32_t RADARTRACK_API radartrack_own_ship(RadarTracker *tracker,
                                                             const RadarTrackOwnShip *own);

/** Acquires the echo nearest to a point within a small gate (0.2 NM or 2
 * degrees, whichever is larger); `id` (may be null) receives its id.
 * RADARTRACK_NOT_FOUND when no echo of the last revolution lies there,
 * RADARTRACK_FULL when every place is taken. An echo already tracked
 * gives that target's id.
 * @param tracker the tracker
 * @param range_nm the point's range, nautical miles
 * @param bearing_deg its bearing, degrees true, 0-360
 * @param[out] id receives the target's id; may be null
 * @return RADARTRACK_OK, or a negative status (RADARTRACK_REFUSED, RADARTRACK_OUT_OF_RANGE, ...) */
RADARTRACK_EXPORT int32_t RADARTRACK_API radartrack_acquire(RadarTracker *tracker, double range_nm,
                                                            double bearing_deg, uint32_t *id);

/** Cancels one target; RADARTRACK_NOT_FOUND when there is no such id.
 * @param tracker the tracker
 * @param id the target
 * @return RADARTRACK_OK, or a negative status (RADARTRACK_REFUSED, RADARTRACK_OUT_OF_RANGE, ...) */
RADARTRACK_EXPORT int32_t RADARTRACK_API radartrack_cancel(RadarTracker *tracker, uint32_t id);
/** Cancels every target.
 * @param tracker the tracker
 * @return how many were cancelled, or a negative status */
RADARTRACK_EXPORT int32_t RADARTRACK_API radartrack_cancel_all(RadarTracker *tracker);

/** Sets zone place `index` (0 to RADARTRACK_MAX_ZONES - 1); a null zone or
 * kind RADARTRACK_ZONE_OFF empties it.
 * @param tracker the tracker
 * @param index the zone place
 * @param zone the zone, or null
 * @return RADARTRACK_OK, or a negative status (RADARTRACK_REFUSED, RADARTRACK_OUT_OF_RANGE, ...) */
RADARTRACK_EXPORT int32_t RADARTRACK_API radartrack_set_zone(RadarTracker *tracker, uint32_t index,
                                                             const RadarTrackZone *zone);

/** The danger limits: a target whose CPA is below `cpa_nm` while its TCPA
 * lies between 0 and `tcpa_min` is dangerous.
 * @param tracker the tracker
 * @param cpa_nm the CPA limit, nautical miles
 * @param tcpa_min the TCPA limit, minutes
 * @return RADARTRACK_OK, or a negative status (RADARTRACK_REFUSED, RADARTRACK_OUT_OF_RANGE, ...) */
RADARTRACK_EXPORT int32_t RADARTRACK_API radartrack_set_limits(RadarTracker *tracker, double cpa_nm,
                                                               double tcpa_min);

/** Copies up to `capacity` targets into `targets`, ordered by id; returns
 * how many were copied (or a negative status).
 * @param tracker the tracker
 * @param[out] targets room for `capacity` targets
 * @param capacity how many fit
 * @return how many were copied, or a negative status */
RADARTRACK_EXPORT int32_t RADARTRACK_API radartrack_targets(RadarTracker *tracker, RadarTrackTarget *targets,
                                                            uint32_t capacity);

/** Moves up to `capacity` events, oldest first, into `events`; returns how
 * many (or a negative status).
 * @param tracker the tracker
 * @param[out] events room for `capacity` events
 * @param capacity how many fit
 * @return how many were moved, or a negative status */
RADARTRACK_EXPORT int32_t RADARTRACK_API radartrack_events(RadarTracker *tracker, RadarTrackEvent *events,
                                                           uint32_t capacity);

/** Acknowledges guard zone `zone`: its next intrusion raises a new event.
 * @param tracker the tracker
 * @param zone the zone place
 * @return RADARTRACK_OK, or a negative status (RADARTRACK_REFUSED, RADARTRACK_OUT_OF_RANGE, ...) */
RADARTRACK_EXPORT int32_t RADARTRACK_API radartrack_acknowledge_guard(RadarTracker *tracker, uint32_t zone);

/** Fills `status`.
 * @param tracker the tracker
 * @param[out] status receives the counts
 * @return RADARTRACK_OK, or a negative status (RADARTRACK_REFUSED, RADARTRACK_OUT_OF_RANGE, ...) */
RADARTRACK_EXPORT int32_t RADARTRACK_API radartrack_status(const RadarTracker *tracker,
                                                           RadarTrackStatus *status);

#ifdef __cplusplus
}
#endif

#endif
