/**
 * @file
 * @brief The network library interface.
 *
 * The radar library imports the six operations below by name. This folder
 * builds a stand-in for the maker's network library with the same six
 * operations, plus a station directory and a shutdown call of its own, so the
 * whole system runs without the maker's library. Any other implementation
 * with the same exported operations can be put in its place at load time.
 */
#ifndef ORVANE_H
#define ORVANE_H

#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define ORVANE_API __stdcall
#define ORVANE_CALLBACK __cdecl
#else
/** Calling convention of every function here: __stdcall on 32-bit Windows, nothing elsewhere. */
#define ORVANE_API
/** Calling convention of the callbacks: __cdecl on 32-bit Windows, nothing elsewhere. */
#define ORVANE_CALLBACK
#endif

#ifdef __cplusplus
extern "C" {
#endif

/** @defgroup orvane The network library stand-in
 * The six operations the radar library imports from the network library
 * (SetRadarSource, ChangeRadarSource, SetConvRadFunc, SetEndRadFunc,
 * GetRadarSourceStatus, GetRadarSourceAddr), and the stand-in's own station
 * directory and shutdown (NetSetStation, NetClearStations, NetShutdown).
 * @{ */

/** Called once per incoming message: the command code taken from the two
 * hexadecimal digits after "$" and the kind letter, the message text (with its
 * CR LF, zero-terminated), and the address of the connection's socket handle,
 * on which the answer is to be sent. The result is not used.
 * The handle keeps one number for the life of the process; whenever no
 * connection is up it is an idle socket on which every send fails, never a
 * closed number. Send on it with MSG_NOSIGNAL where the system has it. */
typedef int16_t(ORVANE_CALLBACK *OrvaneConvFunc)(int16_t code, const char *text, int32_t *socket);

/** Called once when the session ends. The result is not used. */
typedef int16_t(ORVANE_CALLBACK *OrvaneEndFunc)(void);

/* Source status values returned by GetRadarSourceStatus. */
#define ORVANE_STATUS_UNKNOWN_STATION (-1) /**< the chosen name is not in the directory */
#define ORVANE_STATUS_NO_SOURCE 0          /**< no source chosen yet */
#define ORVANE_STATUS_CONNECTING 1         /**< source chosen, no connection (yet, or lost) */
#define ORVANE_STATUS_CONNECTED 2          /**< connected to the source's command port */
#define ORVANE_STATUS_ENDED 3              /**< the session has been shut down */

/* ---- The six operations the radar library imports ---------------------- */

/** Chooses the station named `name` as the radar source and starts connecting
 * to it. Returns 0 when the name is in the directory, -1 otherwise (the name
 * is kept all the same and looked up again on every connection attempt).
 * @param name the station name
 * @return 0 or -1 */
int32_t ORVANE_API SetRadarSource(const char *name);

/** Replaces the radar source by the station `name`; the current connection, if
 * any, is dropped. Results as SetRadarSource.
 * @param name the station name
 * @return 0 or -1 */
int32_t ORVANE_API ChangeRadarSource(const char *name);

/** Registers the conversion callback (null: messages stay unread until one is
 * registered). Returns 0.
 * @param func the conversion callback, or null
 * @return 0 */
int32_t ORVANE_API SetConvRadFunc(OrvaneConvFunc func);

/** Registers the end callback, called once by NetShutdown. Returns 0.
 * @param func the end callback, or null
 * @return 0 */
int32_t ORVANE_API SetEndRadFunc(OrvaneEndFunc func);

/** One of the ORVANE_STATUS_ values.
 * @return the status */
int32_t ORVANE_API GetRadarSourceStatus(void);

/** Writes the source station's IPv4 address as `"%d.%d.%d.%d"` with its
 * terminator into `buffer16` (16 bytes). Returns 0; with no source or an
 * unknown station it writes an empty text and returns -1.
 * @param[out] buffer16 16 bytes
 * @return 0 or -1 */
int32_t ORVANE_API GetRadarSourceAddr(char *buffer16);

/* ---- The stand-in's own functions --------------------------------------- */

/** Enters or replaces the station `name` (1 to 8 characters) in the directory,
 * at the dotted IPv4 address `ipv4` and TCP command port `port`. Returns 0, or
 * -1 for a bad name or address, or when the directory (16 stations) is full.
 * @param name the station name
 * @param ipv4 its dotted IPv4 address
 * @param port its TCP command port
 * @return 0 or -1 */
int32_t ORVANE_API NetSetStation(const char *name, const char *ipv4, uint16_t port);

/** Empties the station directory. */
void ORVANE_API NetClearStations(void);

/** Ends the session: stops the connection thread, leaves the connection's
 * socket handle refusing every send, sets the status to ORVANE_STATUS_ENDED
 * and calls the registered end callback once. Further calls do nothing until
 * SetRadarSource starts a new session. Returns 0.
 * @return 0 */
int32_t ORVANE_API NetShutdown(void);
/** @} */

#ifdef __cplusplus
}
#endif

#endif
