// The C# binding of the radar library: every export of radar.h, and the network library's
// NetSetStation, NetClearStations and NetShutdown.
// Generated from radar.h and orvane.h by the binding's generator (generate.py, in the source
// tree): do not edit. Compile it into your program (mcs, csc or an SDK project); it needs nothing but the
// base class library, and runs on .NET Framework 4.x, Mono and .NET 6 and later.
//
// Calling conventions. Every export is __stdcall on 32-bit Windows (plain C elsewhere, where
// StdCall means the platform's one convention), and every callback is __cdecl, hence the
// [UnmanagedFunctionPointer(CallingConvention.Cdecl)] on the two delegate types.
//
// Names. On 32-bit Windows the DLLs export decorated names only ("_OrvaneGetRadarGain@8":
// an underscore, the name, "@" and four bytes per argument); everywhere else the plain name.
// An entry point must be a constant, and one assembly built for Any CPU runs as either, so each
// function is declared twice, once per spelling (Plain, X86), and the public method picks one
// at run time. Some runtimes would find the decorated name on their own when asked for the
// plain one, but not every runtime does so; naming it exactly makes the lookup the same
// everywhere, and ExactSpelling stops the search for "A" and "W" variants. Entry points are
// bound at the first call, so the spelling never used is never looked up.
//
// Callbacks. The library calls the notify callback on the network library's thread and the
// echo callback on its receiver thread, for as long as the process lives. A delegate the
// library holds must not be collected, so RadarApi keeps each one it hands over in a static
// field (the notify callback until a later OrvaneInitRadarFunc succeeds with another, the echo
// callback for good): a lambda may be passed straight in.
//
// Strings are passed as 8-bit text in the system's code page (station names and paths in
// ASCII are safe everywhere). Version text comes back in a byte array of 15 bytes or more.
// The library file is "radar" (radar.dll, libradar.so) and the network library "orvane"
// (orvane.dll, liborvane.so): see csharp.md in the documentation (README.txt in the Windows
// SDK) for how each platform finds them.

using System;
using System.Runtime.InteropServices;

namespace Radar
{
    /// <summary>
    /// One echo line as handed to the application. Packed: on 32-bit Windows the
    /// fields lie at offsets 0, 2, 6, 8, 10, 12, 14, 16 (18 bytes); where an
    /// address takes 8 bytes, everything after Data moves 4 bytes on (22 bytes).
    /// </summary>
    [StructLayout(LayoutKind.Sequential, Pack = 1)]
    public struct EchoLineRecord
    {
        /// <summary>1 live, 2 played back, 3 last datagram of a playback file</summary>
        public ushort Mode;
        /// <summary>512 level bytes: 0 none, 1-7 echo, 8-15 trail (15 freshest)</summary>
        public IntPtr Data;
        /// <summary>samples in this line; only the first SampleCount bytes count</summary>
        public ushort SampleCount;
        /// <summary>datagram header nibble 1-15, or 240 when it was 0</summary>
        public ushort HeaderNibble;
        /// <summary>sweep number 0-8191</summary>
        public ushort Sweep;
        /// <summary>bearing offset 0-8191</summary>
        public ushort BearingOffset;
        /// <summary>line flag 0 or 1 (not written by OrvaneGetRadarEchoData)</summary>
        public ushort LineFlag;
        /// <summary>scale code 0-63</summary>
        public ushort ScaleCode;

        /// <summary>
        /// Copies the line's first SampleCount level bytes from Data into destination
        /// (as many as fit) and returns how many it copied; valid while Data is.
        /// </summary>
        public int CopySamples(byte[] destination)
        {
            int count = Math.Min(SampleCount, destination.Length);
            if (Data == IntPtr.Zero) return 0;
            Marshal.Copy(Data, destination, 0, count);
            return count;
        }
    }

    /// <summary>
    /// Told the command code of every incoming message that changed a setting or
    /// passed an event; runs on the network library's thread.
    /// </summary>
    [UnmanagedFunctionPointer(CallingConvention.Cdecl)]
    public delegate void RadarNotifyFunc(int code);

    /// <summary>
    /// Called on the receiver thread for every echo line; the record and the bytes
    /// behind Data are valid only during the call.
    /// </summary>
    [UnmanagedFunctionPointer(CallingConvention.Cdecl)]
    public delegate void RadarEchoFunc(ref EchoLineRecord line);

    /// <summary>The radar library's exports and constants (the names of radar.h).</summary>
    public static class RadarApi
    {
        /// <summary>done</summary>
        public const int RADAR_OK = 0;
        /// <summary>refused: bad name, selector, state, file or argument</summary>
        public const int RADAR_REFUSED = -1;
        /// <summary>an argument is outside its range; nothing changed</summary>
        public const int RADAR_OUT_OF_RANGE = -2;
        /// <summary>the sentence was not handed to the socket in full</summary>
        public const int RADAR_NOT_SENT = -3;
        /// <summary>changes when a program must be built again</summary>
        public const int RADAR_VERSION_MAJOR = 1;
        /// <summary>changes when something is added</summary>
        public const int RADAR_VERSION_MINOR = 0;
        /// <summary>changes when something is mended</summary>
        public const int RADAR_VERSION_PATCH = 0;
        /// <summary>event 0x00</summary>
        public const int RADAR_CODE_EVENT_00 = 0x00;
        /// <summary>event 0x4D</summary>
        public const int RADAR_CODE_EVENT_4D = 0x4D;
        /// <summary>event 0x4E</summary>
        public const int RADAR_CODE_EVENT_4E = 0x4E;
        /// <summary>event 0x4F</summary>
        public const int RADAR_CODE_EVENT_4F = 0x4F;
        /// <summary>event 0x50</summary>
        public const int RADAR_CODE_EVENT_50 = 0x50;
        /// <summary>event 0x51</summary>
        public const int RADAR_CODE_EVENT_51 = 0x51;
        /// <summary>event 0x53</summary>
        public const int RADAR_CODE_EVENT_53 = 0x53;
        /// <summary>event 0x54</summary>
        public const int RADAR_CODE_EVENT_54 = 0x54;
        /// <summary>"S": order the peer to take the values</summary>
        public const int RADAR_KIND_ORDER = 0;
        /// <summary>"R": ask the peer for its values</summary>
        public const int RADAR_KIND_REQUEST = 1;
        /// <summary>"N": announce or answer current values</summary>
        public const int RADAR_KIND_ANNOUNCE = 2;
        /// <summary>"X": bare sentence, no values</summary>
        public const int RADAR_KIND_X = 3;
        /// <summary>"E": bare sentence, no values</summary>
        public const int RADAR_KIND_E = 4;
        /// <summary>"O": bare sentence, no values</summary>
        public const int RADAR_KIND_O = 5;
        /// <summary>command code: Gain</summary>
        public const int RADAR_CODE_GAIN = 0x03;
        /// <summary>command code: Anti-clutter sea</summary>
        public const int RADAR_CODE_SEA_CLUTTER = 0x04;
        /// <summary>command code: Automatic anti-clutter</summary>
        public const int RADAR_CODE_AUTO_CLUTTER = 0x05;
        /// <summary>command code: Anti-clutter rain</summary>
        public const int RADAR_CODE_RAIN_CLUTTER = 0x06;
        /// <summary>command code: Echo stretch</summary>
        public const int RADAR_CODE_ECHO_STRETCH = 0x07;
        /// <summary>command code: Interference rejection</summary>
        public const int RADAR_CODE_INTERFERENCE_REJECTION = 0x08;
        /// <summary>command code: Fast time constant</summary>
        public const int RADAR_CODE_FTC = 0x09;
        /// <summary>command code: Noise rejection</summary>
        public const int RADAR_CODE_NOISE_REJECTION = 0x0A;
        /// <summary>command code: Tuning</summary>
        public const int RADAR_CODE_TUNE = 0x0B;
        /// <summary>command code: Cursor mode</summary>
        public const int RADAR_CODE_CURSOR_MODE = 0x0C;
        /// <summary>command code: Cursor position</summary>
        public const int RADAR_CODE_CURSOR_POSITION = 0x35;
        /// <summary>command code: Antenna height</summary>
        public const int RADAR_CODE_ANTENNA_HEIGHT = 0x0D;
        /// <summary>command code: Sensitivity time control curve</summary>
        public const int RADAR_CODE_STC_CURVE = 0x0E;
        /// <summary>command code: Demonstration mode</summary>
        public const int RADAR_CODE_DEMO_MODE = 0x0F;
        /// <summary>command code: Main bang suppression adjustment</summary>
        public const int RADAR_CODE_MBS_ADJUST = 0x10;
        /// <summary>command code: Sweep timing</summary>
        public const int RADAR_CODE_SWEEP_TIMING = 0x11;
        /// <summary>command code: Picture offset</summary>
        public const int RADAR_CODE_OFFSET = 0x12;
        /// <summary>command code: Guard zones 1 and 2</summary>
        public const int RADAR_CODE_GUARD_ZONE = 0x13;
        /// <summary>command code: Blind sector</summary>
        public const int RADAR_CODE_BLIND_SECTOR = 0x14;
        /// <summary>command code: Display mode</summary>
        public const int RADAR_CODE_DISPLAY_MODE = 0x15;
        /// <summary>command code: Reverse video</summary>
        public const int RADAR_CODE_REVERSE_VIDEO = 0x16;
        /// <summary>command code: Range</summary>
        public const int RADAR_CODE_RANGE = 0x17;
        /// <summary>command code: Range rings</summary>
        public const int RADAR_CODE_RINGS = 0x18;
        /// <summary>command code: Zoom</summary>
        public const int RADAR_CODE_ZOOM = 0x19;
        /// <summary>command code: Picture shift</summary>
        public const int RADAR_CODE_SHIFT = 0x1A;
        /// <summary>command code: Electronic bearing lines 1 and 2</summary>
        public const int RADAR_CODE_EBL = 0x1B;
        /// <summary>command code: Variable range markers 1 and 2</summary>
        public const int RADAR_CODE_VRM = 0x1C;
        /// <summary>command code: Brightness</summary>
        public const int RADAR_CODE_BRIGHTNESS = 0x1D;
        /// <summary>command code: Heading marker</summary>
        public const int RADAR_CODE_HEADING_MARK = 0x1E;
        /// <summary>command code: Echo trail display</summary>
        public const int RADAR_CODE_TRAIL = 0x1F;
        /// <summary>command code: Watchman</summary>
        public const int RADAR_CODE_WATCHMAN = 0x20;
        /// <summary>command code: Total power-on hours</summary>
        public const int RADAR_CODE_TOTAL_ON_HOURS = 0x21;
        /// <summary>command code: Total transmit hours</summary>
        public const int RADAR_CODE_TOTAL_TX_HOURS = 0x22;
        /// <summary>command code: Waypoint mark</summary>
        public const int RADAR_CODE_WAYPOINT_MARK = 0x23;
        /// <summary>command code: Transmit / standby</summary>
        public const int RADAR_CODE_TX_STANDBY = 0x24;
        /// <summary>command code: Pulse length</summary>
        public const int RADAR_CODE_PULSE_LENGTH = 0x25;
        /// <summary>command code: Direction sensor</summary>
        public const int RADAR_CODE_DIRECTION_SENSOR = 0x26;
        /// <summary>command code: Transmitter / antenna status</summary>
        public const int RADAR_CODE_TX_ANTENNA_STATUS = 0x27;
        /// <summary>command code: Warm-up time</summary>
        public const int RADAR_CODE_WARM_UP_TIME = 0x28;
        /// <summary>command code: Range preset</summary>
        public const int RADAR_CODE_RANGE_PRESET = 0x29;
        /// <summary>command code: Tune adjustment</summary>
        public const int RADAR_CODE_TUNE_ADJUST = 0x2A;
        /// <summary>command code: Video adjustment</summary>
        public const int RADAR_CODE_VIDEO_ADJUST = 0x2B;
        /// <summary>command code: Antenna type</summary>
        public const int RADAR_CODE_ANTENNA_TYPE = 0x2C;
        /// <summary>command code: Maximum range</summary>
        public const int RADAR_CODE_MAX_RANGE = 0x2D;
        /// <summary>command code: Monitor mode</summary>
        public const int RADAR_CODE_MONITOR_MODE = 0x2E;
        /// <summary>command code: Second-trace echo rejection</summary>
        public const int RADAR_CODE_SECOND_TRACE_REJECTION = 0x2F;
        /// <summary>command code: Signal</summary>
        public const int RADAR_CODE_SIGNAL = 0x30;
        /// <summary>command code: Background colour</summary>
        public const int RADAR_CODE_BACKGROUND = 0x31;
        /// <summary>command code: Echo colour</summary>
        public const int RADAR_CODE_ECHO_COLOUR = 0x32;
        /// <summary>command code: Alarm sound</summary>
        public const int RADAR_CODE_ALARM_SOUND = 0x33;
        /// <summary>command code: Factory setting</summary>
        public const int RADAR_CODE_FACTORY = 0x34;
        /// <summary>command code: Demonstration data</summary>
        public const int RADAR_CODE_DEMO_DATA = 0x36;
        /// <summary>command code: Own position</summary>
        public const int RADAR_CODE_OWN_POSITION = 0x37;
        /// <summary>command code: NMEA heading</summary>
        public const int RADAR_CODE_NMEA_HEADING = 0x38;
        /// <summary>command code: Heading adjustment</summary>
        public const int RADAR_CODE_HEADING_ADJUST = 0x39;
        /// <summary>command code: Maximum shift speed</summary>
        public const int RADAR_CODE_MAX_SHIFT_SPEED = 0x3A;
        /// <summary>command code: Amplifier type</summary>
        public const int RADAR_CODE_AMP_TYPE = 0x3B;
        /// <summary>command code: Initial tune value</summary>
        public const int RADAR_CODE_TUNE_INIT = 0x3C;
        /// <summary>command code: Automatic tune</summary>
        public const int RADAR_CODE_AUTO_TUNE = 0x3D;
        /// <summary>command code: Tune indicator</summary>
        public const int RADAR_CODE_TUNE_INDICATOR = 0x3E;
        /// <summary>command code: ARPA on / off</summary>
        public const int RADAR_CODE_ARPA_ON_OFF = 0x40;
        /// <summary>command code: ARPA all clear</summary>
        public const int RADAR_CODE_ARPA_ALL_CLEAR = 0x41;
        /// <summary>command code: ARPA plot interval</summary>
        public const int RADAR_CODE_ARPA_PLOT_INTERVAL = 0x42;
        /// <summary>command code: ARPA vector mode</summary>
        public const int RADAR_CODE_ARPA_VECTOR_MODE = 0x43;
        /// <summary>command code: ARPA vector time</summary>
        public const int RADAR_CODE_ARPA_VECTOR_TIME = 0x44;
        /// <summary>command code: ARPA CPA limit</summary>
        public const int RADAR_CODE_ARPA_CPA = 0x45;
        /// <summary>command code: ARPA TCPA limit</summary>
        public const int RADAR_CODE_ARPA_TCPA = 0x46;
        /// <summary>command code: ARPA automatic acquisition</summary>
        public const int RADAR_CODE_ARPA_AUTO_ACQ = 0x47;
        /// <summary>command code: ARPA alarm</summary>
        public const int RADAR_CODE_ARPA_ALARM = 0x48;
        /// <summary>command code: ARPA mark</summary>
        public const int RADAR_CODE_ARPA_MARK = 0x49;
        /// <summary>command code: ARPA acquisition data</summary>
        public const int RADAR_CODE_ARPA_ACQ_DATA = 0x4A;
        /// <summary>command code: ARPA erase data</summary>
        public const int RADAR_CODE_ARPA_ERASE_DATA = 0x4B;
        /// <summary>command code: ARPA target number</summary>
        public const int RADAR_CODE_ARPA_TARGET_NUMBER = 0x4C;
        /// <summary>command code: ARPA server on / off</summary>
        public const int RADAR_CODE_ARPA_SERVER_ON_OFF = 0x52;
        /// <summary>command code: Own course</summary>
        public const int RADAR_CODE_OWN_COURSE = 0x55;
        /// <summary>command code: ARPA status</summary>
        public const int RADAR_CODE_ARPA_STATUS = 0x56;
        /// <summary>command code: ARPA alarm stop</summary>
        public const int RADAR_CODE_ARPA_ALARM_STOP = 0x57;

        const string Library = "radar";
        // True where the exports carry decorated names: 32-bit Windows.
        static readonly bool Decorated =
            IntPtr.Size == 4 && Environment.OSVersion.Platform == PlatformID.Win32NT;
        // The delegates the library holds; never read, only held (hence no warning 414).
        static readonly object keepLock = new object();
#pragma warning disable 414
        static RadarNotifyFunc keptNotify;
        static RadarEchoFunc keptEcho;
#pragma warning restore 414
        static bool echoTaken;

        /// <summary>
        /// Opens a session with the radar host `name`, a station name of 1 to 8
        /// characters from A-Z, a-z, 0-9, "#", "&amp;", "'", "-", "_" (a space is taken as
        /// "_"). Keeps `notify` (or none) and, when one is given, makes the named
        /// station the radar source; then registers the library with the network
        /// library. May be called again: each success replaces the notify callback.
        /// From the first success on the library stays loaded until the process ends
        /// (the network library calls into it): FreeLibrary or dlclose does not
        /// unload it.
        /// Returns RADAR_OK, or RADAR_REFUSED for a null or bad name (nothing
        /// changes).
        /// </summary>
        /// <param name="name">the station name of the radar host</param>
        /// <param name="notify">called with the command code of each change; null for none</param>
        /// <returns>RADAR_OK, or RADAR_REFUSED for a null or bad name</returns>
        public static short OrvaneInitRadarFunc(string name, RadarNotifyFunc notify)
        {
            lock (keepLock)
            {
                short result = Decorated
                    ? X86.OrvaneInitRadarFunc(name, notify)
                    : Plain.OrvaneInitRadarFunc(name, notify);
                if (result == RADAR_OK) keptNotify = notify;
                return result;
            }
        }

        /// <summary>
        /// Switches to the radar host `name` (same rules as above). RADAR_OK when the
        /// name passed the check and was handed on, RADAR_REFUSED otherwise.
        /// </summary>
        /// <param name="name">the new radar host's station name</param>
        /// <returns>RADAR_OK or RADAR_REFUSED</returns>
        public static short OrvaneChangeRadarHost(string name)
            => Decorated
                ? X86.OrvaneChangeRadarHost(name)
                : Plain.OrvaneChangeRadarHost(name);

        /// <summary>
        /// The network library's source status, unchanged (the stand-in's: 0 not
        /// connected, 1 connecting, 2 connected).
        /// </summary>
        /// <returns>the status</returns>
        public static int OrvaneGetRadarSourceStatus()
            => Decorated
                ? X86.OrvaneGetRadarSourceStatus()
                : Plain.OrvaneGetRadarSourceStatus();

        /// <summary>
        /// Copies the version text "195001300702b1" and its terminator into
        /// `destination` (at least 15 bytes) and returns 15.
        /// </summary>
        /// <param name="destination">at least 15 bytes</param>
        /// <returns>15, the bytes written</returns>
        public static int OrvaneGetRadarDllVersionNo(byte[] destination)
            => Decorated
                ? X86.OrvaneGetRadarDllVersionNo(destination)
                : Plain.OrvaneGetRadarDllVersionNo(destination);

        /// <summary>
        /// 0x03 Gain.
        /// Values: mode 0-3; level 0-100.
        /// The simulated station (radarctl) takes mode 0 as manual and 1-3 as automatic (it then uses
        ///    level 50).
        /// Put data form: $k03,mode,level.
        /// </summary>
        public static short OrvaneSetRadarGain(ushort mode, ushort level)
            => Decorated
                ? X86.OrvaneSetRadarGain(mode, level)
                : Plain.OrvaneSetRadarGain(mode, level);

        /// <summary>
        /// 0x03 Gain.
        /// Values: mode 0-3; level 0-100.
        /// The simulated station (radarctl) takes mode 0 as manual and 1-3 as automatic (it then uses
        ///    level 50).
        /// Put data form: $k03,mode,level.
        /// </summary>
        public static short OrvaneGetRadarGain(out ushort mode, out ushort level)
            => Decorated
                ? X86.OrvaneGetRadarGain(out mode, out level)
                : Plain.OrvaneGetRadarGain(out mode, out level);

        /// <summary>
        /// 0x03 Gain.
        /// Values: mode 0-3; level 0-100.
        /// The simulated station (radarctl) takes mode 0 as manual and 1-3 as automatic (it then uses
        ///    level 50).
        /// Put data form: $k03,mode,level.
        /// </summary>
        public static short OrvanePutRadarGain(ushort kind, ushort mode, ushort level)
            => Decorated
                ? X86.OrvanePutRadarGain(kind, mode, level)
                : Plain.OrvanePutRadarGain(kind, mode, level);

        /// <summary>
        /// 0x04 Anti-clutter sea.
        /// Values: mode 0-3; level 0-100.
        /// The simulated station (radarctl) takes mode 0 as manual and 1-3 as automatic (level 50).
        /// Put data form: $k04,mode,level.
        /// </summary>
        public static short OrvaneSetRadarACSea(ushort mode, ushort level)
            => Decorated
                ? X86.OrvaneSetRadarACSea(mode, level)
                : Plain.OrvaneSetRadarACSea(mode, level);

        /// <summary>
        /// 0x04 Anti-clutter sea.
        /// Values: mode 0-3; level 0-100.
        /// The simulated station (radarctl) takes mode 0 as manual and 1-3 as automatic (level 50).
        /// Put data form: $k04,mode,level.
        /// </summary>
        public static short OrvaneGetRadarACSea(out ushort mode, out ushort level)
            => Decorated
                ? X86.OrvaneGetRadarACSea(out mode, out level)
                : Plain.OrvaneGetRadarACSea(out mode, out level);

        /// <summary>
        /// 0x04 Anti-clutter sea.
        /// Values: mode 0-3; level 0-100.
        /// The simulated station (radarctl) takes mode 0 as manual and 1-3 as automatic (level 50).
        /// Put data form: $k04,mode,level.
        /// </summary>
        public static short OrvanePutRadarACSea(ushort kind, ushort mode, ushort level)
            => Decorated
                ? X86.OrvanePutRadarACSea(kind, mode, level)
                : Plain.OrvanePutRadarACSea(kind, mode, level);

        /// <summary>
        /// 0x05 Automatic anti-clutter.
        /// Values: setting 0-1.
        /// Put data form: $k05,setting.
        /// </summary>
        public static short OrvaneSetRadarACAuto(ushort setting)
            => Decorated
                ? X86.OrvaneSetRadarACAuto(setting)
                : Plain.OrvaneSetRadarACAuto(setting);

        /// <summary>
        /// 0x05 Automatic anti-clutter.
        /// Values: setting 0-1.
        /// Put data form: $k05,setting.
        /// </summary>
        public static short OrvaneGetRadarACAuto(out ushort setting)
            => Decorated
                ? X86.OrvaneGetRadarACAuto(out setting)
                : Plain.OrvaneGetRadarACAuto(out setting);

        /// <summary>
        /// 0x05 Automatic anti-clutter.
        /// Values: setting 0-1.
        /// Put data form: $k05,setting.
        /// </summary>
        public static short OrvanePutRadarACAuto(ushort kind, ushort setting)
            => Decorated
                ? X86.OrvanePutRadarACAuto(kind, setting)
                : Plain.OrvanePutRadarACAuto(kind, setting);

        /// <summary>
        /// 0x06 Anti-clutter rain.
        /// Values: level 0-100.
        /// Put data form: $k06,level.
        /// </summary>
        public static short OrvaneSetRadarACRain(ushort level)
            => Decorated
                ? X86.OrvaneSetRadarACRain(level)
                : Plain.OrvaneSetRadarACRain(level);

        /// <summary>
        /// 0x06 Anti-clutter rain.
        /// Values: level 0-100.
        /// Put data form: $k06,level.
        /// </summary>
        public static short OrvaneGetRadarACRain(out ushort level)
            => Decorated
                ? X86.OrvaneGetRadarACRain(out level)
                : Plain.OrvaneGetRadarACRain(out level);

        /// <summary>
        /// 0x06 Anti-clutter rain.
        /// Values: level 0-100.
        /// Put data form: $k06,level.
        /// </summary>
        public static short OrvanePutRadarACRain(ushort kind, ushort level)
            => Decorated
                ? X86.OrvanePutRadarACRain(kind, level)
                : Plain.OrvanePutRadarACRain(kind, level);

        /// <summary>
        /// 0x07 Echo stretch.
        /// Values: setting 0-2.
        /// Put data form: $k07,setting.
        /// </summary>
        public static short OrvaneSetRadarEchoStrech(ushort setting)
            => Decorated
                ? X86.OrvaneSetRadarEchoStrech(setting)
                : Plain.OrvaneSetRadarEchoStrech(setting);

        /// <summary>
        /// 0x07 Echo stretch.
        /// Values: setting 0-2.
        /// Put data form: $k07,setting.
        /// </summary>
        public static short OrvaneGetRadarEchoStrech(out ushort setting)
            => Decorated
                ? X86.OrvaneGetRadarEchoStrech(out setting)
                : Plain.OrvaneGetRadarEchoStrech(out setting);

        /// <summary>
        /// 0x07 Echo stretch.
        /// Values: setting 0-2.
        /// Put data form: $k07,setting.
        /// </summary>
        public static short OrvanePutRadarEchoStrech(ushort kind, ushort setting)
            => Decorated
                ? X86.OrvanePutRadarEchoStrech(kind, setting)
                : Plain.OrvanePutRadarEchoStrech(kind, setting);

        /// <summary>
        /// 0x08 Interference rejection.
        /// Values: setting 0-3.
        /// Put data form: $k08,setting.
        /// </summary>
        public static short OrvaneSetRadarIntReject(ushort setting)
            => Decorated
                ? X86.OrvaneSetRadarIntReject(setting)
                : Plain.OrvaneSetRadarIntReject(setting);

        /// <summary>
        /// 0x08 Interference rejection.
        /// Values: setting 0-3.
        /// Put data form: $k08,setting.
        /// </summary>
        public static short OrvaneGetRadarIntReject(out ushort setting)
            => Decorated
                ? X86.OrvaneGetRadarIntReject(out setting)
                : Plain.OrvaneGetRadarIntReject(out setting);

        /// <summary>
        /// 0x08 Interference rejection.
        /// Values: setting 0-3.
        /// Put data form: $k08,setting.
        /// </summary>
        public static short OrvanePutRadarIntReject(ushort kind, ushort setting)
            => Decorated
                ? X86.OrvanePutRadarIntReject(kind, setting)
                : Plain.OrvanePutRadarIntReject(kind, setting);

        /// <summary>
        /// 0x09 Fast time constant.
        /// Values: level 0-100.
        /// Put data form: $k09,level.
        /// </summary>
        public static short OrvaneSetRadarFTC(ushort level)
            => Decorated
                ? X86.OrvaneSetRadarFTC(level)
                : Plain.OrvaneSetRadarFTC(level);

        /// <summary>
        /// 0x09 Fast time constant.
        /// Values: level 0-100.
        /// Put data form: $k09,level.
        /// </summary>
        public static short OrvaneGetRadarFTC(out ushort level)
            => Decorated
                ? X86.OrvaneGetRadarFTC(out level)
                : Plain.OrvaneGetRadarFTC(out level);

        /// <summary>
        /// 0x09 Fast time constant.
        /// Values: level 0-100.
        /// Put data form: $k09,level.
        /// </summary>
        public static short OrvanePutRadarFTC(ushort kind, ushort level)
            => Decorated
                ? X86.OrvanePutRadarFTC(kind, level)
                : Plain.OrvanePutRadarFTC(kind, level);

        /// <summary>
        /// 0x0A Noise rejection.
        /// Values: setting 0-2.
        /// Put data form: $k0A,setting.
        /// </summary>
        public static short OrvaneSetRadarNoiseReject(ushort setting)
            => Decorated
                ? X86.OrvaneSetRadarNoiseReject(setting)
                : Plain.OrvaneSetRadarNoiseReject(setting);

        /// <summary>
        /// 0x0A Noise rejection.
        /// Values: setting 0-2.
        /// Put data form: $k0A,setting.
        /// </summary>
        public static short OrvaneGetRadarNoiseReject(out ushort setting)
            => Decorated
                ? X86.OrvaneGetRadarNoiseReject(out setting)
                : Plain.OrvaneGetRadarNoiseReject(out setting);

        /// <summary>
        /// 0x0A Noise rejection.
        /// Values: setting 0-2.
        /// Put data form: $k0A,setting.
        /// </summary>
        public static short OrvanePutRadarNoiseReject(ushort kind, ushort setting)
            => Decorated
                ? X86.OrvanePutRadarNoiseReject(kind, setting)
                : Plain.OrvanePutRadarNoiseReject(kind, setting);

        /// <summary>
        /// 0x0B Tuning.
        /// Values: mode 0-1; value 0-461.
        /// The simulated station (radarctl) takes mode 0 as manual and 1 as automatic.
        /// Put data form: $k0B,mode,value.
        /// </summary>
        public static short OrvaneSetRadarTune(ushort mode, ushort value)
            => Decorated
                ? X86.OrvaneSetRadarTune(mode, value)
                : Plain.OrvaneSetRadarTune(mode, value);

        /// <summary>
        /// 0x0B Tuning.
        /// Values: mode 0-1; value 0-461.
        /// The simulated station (radarctl) takes mode 0 as manual and 1 as automatic.
        /// Put data form: $k0B,mode,value.
        /// </summary>
        public static short OrvaneGetRadarTune(out ushort mode, out ushort value)
            => Decorated
                ? X86.OrvaneGetRadarTune(out mode, out value)
                : Plain.OrvaneGetRadarTune(out mode, out value);

        /// <summary>
        /// 0x0B Tuning.
        /// Values: mode 0-1; value 0-461.
        /// The simulated station (radarctl) takes mode 0 as manual and 1 as automatic.
        /// Put data form: $k0B,mode,value.
        /// </summary>
        public static short OrvanePutRadarTune(ushort kind, ushort mode, ushort value)
            => Decorated
                ? X86.OrvanePutRadarTune(kind, mode, value)
                : Plain.OrvanePutRadarTune(kind, mode, value);

        /// <summary>
        /// 0x0C Cursor mode (cursor group, with 0x35).
        /// Values: mode 0-3; value 0-9.
        /// Set and Get touch only these fields of the cursor group.
        /// Put data form: $k0C,mode,value.
        /// </summary>
        public static short OrvaneSetRadarCursorMode(ushort mode, ushort value)
            => Decorated
                ? X86.OrvaneSetRadarCursorMode(mode, value)
                : Plain.OrvaneSetRadarCursorMode(mode, value);

        /// <summary>
        /// 0x0C Cursor mode (cursor group, with 0x35).
        /// Values: mode 0-3; value 0-9.
        /// Set and Get touch only these fields of the cursor group.
        /// Put data form: $k0C,mode,value.
        /// </summary>
        public static short OrvaneGetRadarCursorMode(out ushort mode, out ushort value)
            => Decorated
                ? X86.OrvaneGetRadarCursorMode(out mode, out value)
                : Plain.OrvaneGetRadarCursorMode(out mode, out value);

        /// <summary>
        /// 0x0C Cursor mode (cursor group, with 0x35).
        /// Values: mode 0-3; value 0-9.
        /// Set and Get touch only these fields of the cursor group.
        /// Put data form: $k0C,mode,value.
        /// </summary>
        public static short OrvanePutRadarCursorMode(ushort kind, ushort mode, ushort value)
            => Decorated
                ? X86.OrvanePutRadarCursorMode(kind, mode, value)
                : Plain.OrvanePutRadarCursorMode(kind, mode, value);

        /// <summary>
        /// 0x0C Cursor position (cursor group; sent as 0x35).
        /// Values: setting 0-1; bearing 0-3599 (tenths of a degree); distance 0-99999999 (ten-thousandths of
        ///    a unit).
        /// Set and Get touch only these fields of the cursor group; Put sends code 35.
        /// Put data form: $k35,setting,bearing in tenths as Q.R,distance as Q.RRRR.
        /// </summary>
        public static short OrvaneSetRadarCursorPos(ushort setting, ushort bearing, uint distance)
            => Decorated
                ? X86.OrvaneSetRadarCursorPos(setting, bearing, distance)
                : Plain.OrvaneSetRadarCursorPos(setting, bearing, distance);

        /// <summary>
        /// 0x0C Cursor position (cursor group; sent as 0x35).
        /// Values: setting 0-1; bearing 0-3599 (tenths of a degree); distance 0-99999999 (ten-thousandths of
        ///    a unit).
        /// Set and Get touch only these fields of the cursor group; Put sends code 35.
        /// Put data form: $k35,setting,bearing in tenths as Q.R,distance as Q.RRRR.
        /// </summary>
        public static short OrvaneGetRadarCursorPos(out ushort setting, out ushort bearing, out uint distance)
            => Decorated
                ? X86.OrvaneGetRadarCursorPos(out setting, out bearing, out distance)
                : Plain.OrvaneGetRadarCursorPos(out setting, out bearing, out distance);

        /// <summary>
        /// 0x0C Cursor position (cursor group; sent as 0x35).
        /// Values: setting 0-1; bearing 0-3599 (tenths of a degree); distance 0-99999999 (ten-thousandths of
        ///    a unit).
        /// Set and Get touch only these fields of the cursor group; Put sends code 35.
        /// Put data form: $k35,setting,bearing in tenths as Q.R,distance as Q.RRRR.
        /// </summary>
        public static short OrvanePutRadarCursorPos(ushort kind, ushort setting, ushort bearing, uint distance)
            => Decorated
                ? X86.OrvanePutRadarCursorPos(kind, setting, bearing, distance)
                : Plain.OrvanePutRadarCursorPos(kind, setting, bearing, distance);

        /// <summary>
        /// 0x0D Antenna height.
        /// Values: setting 0-2.
        /// Put data form: $k0D,setting.
        /// </summary>
        public static short OrvaneSetRadarAntHight(ushort setting)
            => Decorated
                ? X86.OrvaneSetRadarAntHight(setting)
                : Plain.OrvaneSetRadarAntHight(setting);

        /// <summary>
        /// 0x0D Antenna height.
        /// Values: setting 0-2.
        /// Put data form: $k0D,setting.
        /// </summary>
        public static short OrvaneGetRadarAntHight(out ushort setting)
            => Decorated
                ? X86.OrvaneGetRadarAntHight(out setting)
                : Plain.OrvaneGetRadarAntHight(out setting);

        /// <summary>
        /// 0x0D Antenna height.
        /// Values: setting 0-2.
        /// Put data form: $k0D,setting.
        /// </summary>
        public static short OrvanePutRadarAntHight(ushort kind, ushort setting)
            => Decorated
                ? X86.OrvanePutRadarAntHight(kind, setting)
                : Plain.OrvanePutRadarAntHight(kind, setting);

        /// <summary>
        /// 0x0E Sensitivity time control curve.
        /// Values: setting 0-2.
        /// Put data form: $k0E,setting.
        /// </summary>
        public static short OrvaneSetRadarSTCCurve(ushort setting)
            => Decorated
                ? X86.OrvaneSetRadarSTCCurve(setting)
                : Plain.OrvaneSetRadarSTCCurve(setting);

        /// <summary>
        /// 0x0E Sensitivity time control curve.
        /// Values: setting 0-2.
        /// Put data form: $k0E,setting.
        /// </summary>
        public static short OrvaneGetRadarSTCCurve(out ushort setting)
            => Decorated
                ? X86.OrvaneGetRadarSTCCurve(out setting)
                : Plain.OrvaneGetRadarSTCCurve(out setting);

        /// <summary>
        /// 0x0E Sensitivity time control curve.
        /// Values: setting 0-2.
        /// Put data form: $k0E,setting.
        /// </summary>
        public static short OrvanePutRadarSTCCurve(ushort kind, ushort setting)
            => Decorated
                ? X86.OrvanePutRadarSTCCurve(kind, setting)
                : Plain.OrvanePutRadarSTCCurve(kind, setting);

        /// <summary>
        /// 0x0F Demonstration mode.
        /// Values: setting 0-2.
        /// Put data form: $k0F,setting.
        /// </summary>
        public static short OrvaneSetRadarDemo(ushort setting)
            => Decorated
                ? X86.OrvaneSetRadarDemo(setting)
                : Plain.OrvaneSetRadarDemo(setting);

        /// <summary>
        /// 0x0F Demonstration mode.
        /// Values: setting 0-2.
        /// Put data form: $k0F,setting.
        /// </summary>
        public static short OrvaneGetRadarDemo(out ushort setting)
            => Decorated
                ? X86.OrvaneGetRadarDemo(out setting)
                : Plain.OrvaneGetRadarDemo(out setting);

        /// <summary>
        /// 0x0F Demonstration mode.
        /// Values: setting 0-2.
        /// Put data form: $k0F,setting.
        /// </summary>
        public static short OrvanePutRadarDemo(ushort kind, ushort setting)
            => Decorated
                ? X86.OrvanePutRadarDemo(kind, setting)
                : Plain.OrvanePutRadarDemo(kind, setting);

        /// <summary>
        /// 0x10 Main bang suppression adjustment.
        /// Values: value 0-25.
        /// Put data form: $k10,value.
        /// </summary>
        public static short OrvaneSetRadarMBSAdjust(ushort value)
            => Decorated
                ? X86.OrvaneSetRadarMBSAdjust(value)
                : Plain.OrvaneSetRadarMBSAdjust(value);

        /// <summary>
        /// 0x10 Main bang suppression adjustment.
        /// Values: value 0-25.
        /// Put data form: $k10,value.
        /// </summary>
        public static short OrvaneGetRadarMBSAdjust(out ushort value)
            => Decorated
                ? X86.OrvaneGetRadarMBSAdjust(out value)
                : Plain.OrvaneGetRadarMBSAdjust(out value);

        /// <summary>
        /// 0x10 Main bang suppression adjustment.
        /// Values: value 0-25.
        /// Put data form: $k10,value.
        /// </summary>
        public static short OrvanePutRadarMBSAdjust(ushort kind, ushort value)
            => Decorated
                ? X86.OrvanePutRadarMBSAdjust(kind, value)
                : Plain.OrvanePutRadarMBSAdjust(kind, value);

        /// <summary>
        /// 0x11 Sweep timing.
        /// Values: value 0-20000 (tenths).
        /// Put data form: $k11,value in tenths as Q.R.
        /// </summary>
        public static short OrvaneSetRadarSweepTiming(ushort value)
            => Decorated
                ? X86.OrvaneSetRadarSweepTiming(value)
                : Plain.OrvaneSetRadarSweepTiming(value);

        /// <summary>
        /// 0x11 Sweep timing.
        /// Values: value 0-20000 (tenths).
        /// Put data form: $k11,value in tenths as Q.R.
        /// </summary>
        public static short OrvaneGetRadarSweepTiming(out ushort value)
            => Decorated
                ? X86.OrvaneGetRadarSweepTiming(out value)
                : Plain.OrvaneGetRadarSweepTiming(out value);

        /// <summary>
        /// 0x11 Sweep timing.
        /// Values: value 0-20000 (tenths).
        /// Put data form: $k11,value in tenths as Q.R.
        /// </summary>
        public static short OrvanePutRadarSweepTiming(ushort kind, ushort value)
            => Decorated
                ? X86.OrvanePutRadarSweepTiming(kind, value)
                : Plain.OrvanePutRadarSweepTiming(kind, value);

        /// <summary>
        /// 0x12 Picture offset.
        /// Values: setting 0-1; bearing 0-3599 (tenths of a degree); distance 0-99999999 (ten-thousandths of
        ///    a unit).
        /// Put data form: $k12,setting,bearing in tenths as Q.R,distance as Q.RRRR.
        /// </summary>
        public static short OrvaneSetRadarOffset(ushort setting, ushort bearing, uint distance)
            => Decorated
                ? X86.OrvaneSetRadarOffset(setting, bearing, distance)
                : Plain.OrvaneSetRadarOffset(setting, bearing, distance);

        /// <summary>
        /// 0x12 Picture offset.
        /// Values: setting 0-1; bearing 0-3599 (tenths of a degree); distance 0-99999999 (ten-thousandths of
        ///    a unit).
        /// Put data form: $k12,setting,bearing in tenths as Q.R,distance as Q.RRRR.
        /// </summary>
        public static short OrvaneGetRadarOffset(out ushort setting, out ushort bearing, out uint distance)
            => Decorated
                ? X86.OrvaneGetRadarOffset(out setting, out bearing, out distance)
                : Plain.OrvaneGetRadarOffset(out setting, out bearing, out distance);

        /// <summary>
        /// 0x12 Picture offset.
        /// Values: setting 0-1; bearing 0-3599 (tenths of a degree); distance 0-99999999 (ten-thousandths of
        ///    a unit).
        /// Put data form: $k12,setting,bearing in tenths as Q.R,distance as Q.RRRR.
        /// </summary>
        public static short OrvanePutRadarOffset(ushort kind, ushort setting, ushort bearing, uint distance)
            => Decorated
                ? X86.OrvanePutRadarOffset(kind, setting, bearing, distance)
                : Plain.OrvanePutRadarOffset(kind, setting, bearing, distance);

        /// <summary>
        /// 0x13 Guard zones 1 and 2.
        /// Values: zone 1-2 (zone number); setting 0-1; type 0-4; bearing1 0-3599 (tenths of a degree);
        ///    bearing2 0-3599 (tenths of a degree); distance1 0-99999999 (ten-thousandths of a unit);
        ///    distance2 0-99999999 (ten-thousandths of a unit).
        /// radarctl takes setting 0 as off and 1 as on, the zone clockwise from bearing1 to bearing2
        ///    and from distance1 to distance2.
        /// The first argument picks entry 1 or 2 (anything else: Set RADAR_OUT_OF_RANGE, Get RADAR_REFUSED
        ///    with nothing written); Get takes it by value.
        /// Put takes the number as uint16_t, 1-2.
        /// Put data form: $k13,zone,setting,type,bearing1 in tenths as Q.R,bearing2 in tenths as
        ///    Q.R,distance1 as Q.RRRR,distance2 as Q.RRRR.
        /// </summary>
        public static short OrvaneSetRadarGuard(short zone, ushort setting, ushort type, ushort bearing1, ushort bearing2, uint distance1, uint distance2)
            => Decorated
                ? X86.OrvaneSetRadarGuard(zone, setting, type, bearing1, bearing2, distance1, distance2)
                : Plain.OrvaneSetRadarGuard(zone, setting, type, bearing1, bearing2, distance1, distance2);

        /// <summary>
        /// 0x13 Guard zones 1 and 2.
        /// Values: zone 1-2 (zone number); setting 0-1; type 0-4; bearing1 0-3599 (tenths of a degree);
        ///    bearing2 0-3599 (tenths of a degree); distance1 0-99999999 (ten-thousandths of a unit);
        ///    distance2 0-99999999 (ten-thousandths of a unit).
        /// radarctl takes setting 0 as off and 1 as on, the zone clockwise from bearing1 to bearing2
        ///    and from distance1 to distance2.
        /// The first argument picks entry 1 or 2 (anything else: Set RADAR_OUT_OF_RANGE, Get RADAR_REFUSED
        ///    with nothing written); Get takes it by value.
        /// Put takes the number as uint16_t, 1-2.
        /// Put data form: $k13,zone,setting,type,bearing1 in tenths as Q.R,bearing2 in tenths as
        ///    Q.R,distance1 as Q.RRRR,distance2 as Q.RRRR.
        /// </summary>
        public static short OrvaneGetRadarGuard(short zone, out ushort setting, out ushort type, out ushort bearing1, out ushort bearing2, out uint distance1, out uint distance2)
            => Decorated
                ? X86.OrvaneGetRadarGuard(zone, out setting, out type, out bearing1, out bearing2, out distance1, out distance2)
                : Plain.OrvaneGetRadarGuard(zone, out setting, out type, out bearing1, out bearing2, out distance1, out distance2);

        /// <summary>
        /// 0x13 Guard zones 1 and 2.
        /// Values: zone 1-2 (zone number); setting 0-1; type 0-4; bearing1 0-3599 (tenths of a degree);
        ///    bearing2 0-3599 (tenths of a degree); distance1 0-99999999 (ten-thousandths of a unit);
        ///    distance2 0-99999999 (ten-thousandths of a unit).
        /// radarctl takes setting 0 as off and 1 as on, the zone clockwise from bearing1 to bearing2
        ///    and from distance1 to distance2.
        /// The first argument picks entry 1 or 2 (anything else: Set RADAR_OUT_OF_RANGE, Get RADAR_REFUSED
        ///    with nothing written); Get takes it by value.
        /// Put takes the number as uint16_t, 1-2.
        /// Put data form: $k13,zone,setting,type,bearing1 in tenths as Q.R,bearing2 in tenths as
        ///    Q.R,distance1 as Q.RRRR,distance2 as Q.RRRR.
        /// </summary>
        public static short OrvanePutRadarGuard(ushort kind, ushort zone, ushort setting, ushort type, ushort bearing1, ushort bearing2, uint distance1, uint distance2)
            => Decorated
                ? X86.OrvanePutRadarGuard(kind, zone, setting, type, bearing1, bearing2, distance1, distance2)
                : Plain.OrvanePutRadarGuard(kind, zone, setting, type, bearing1, bearing2, distance1, distance2);

        /// <summary>
        /// 0x14 Blind sector.
        /// Values: setting 0-1; bearing 0-359 (whole degrees); width 1-135.
        /// Put accepts width 0-135.
        /// Put data form: $k14,setting,bearing,width.
        /// </summary>
        public static short OrvaneSetRadarBlind(ushort setting, ushort bearing, ushort width)
            => Decorated
                ? X86.OrvaneSetRadarBlind(setting, bearing, width)
                : Plain.OrvaneSetRadarBlind(setting, bearing, width);

        /// <summary>
        /// 0x14 Blind sector.
        /// Values: setting 0-1; bearing 0-359 (whole degrees); width 1-135.
        /// Put accepts width 0-135.
        /// Put data form: $k14,setting,bearing,width.
        /// </summary>
        public static short OrvaneGetRadarBlind(out ushort setting, out ushort bearing, out ushort width)
            => Decorated
                ? X86.OrvaneGetRadarBlind(out setting, out bearing, out width)
                : Plain.OrvaneGetRadarBlind(out setting, out bearing, out width);

        /// <summary>
        /// 0x14 Blind sector.
        /// Values: setting 0-1; bearing 0-359 (whole degrees); width 1-135.
        /// Put accepts width 0-135.
        /// Put data form: $k14,setting,bearing,width.
        /// </summary>
        public static short OrvanePutRadarBlind(ushort kind, ushort setting, ushort bearing, ushort width)
            => Decorated
                ? X86.OrvanePutRadarBlind(kind, setting, bearing, width)
                : Plain.OrvanePutRadarBlind(kind, setting, bearing, width);

        /// <summary>
        /// 0x15 Display mode.
        /// Values: mode 0-4; bearing 0-3599 (tenths of a degree).
        /// Put accepts mode 0-3 only; the bearing travels as a plain integer.
        /// Put data form: $k15,mode,bearing.
        /// </summary>
        public static short OrvaneSetRadarDispMode(ushort mode, ushort bearing)
            => Decorated
                ? X86.OrvaneSetRadarDispMode(mode, bearing)
                : Plain.OrvaneSetRadarDispMode(mode, bearing);

        /// <summary>
        /// 0x15 Display mode.
        /// Values: mode 0-4; bearing 0-3599 (tenths of a degree).
        /// Put accepts mode 0-3 only; the bearing travels as a plain integer.
        /// Put data form: $k15,mode,bearing.
        /// </summary>
        public static short OrvaneGetRadarDispMode(out ushort mode, out ushort bearing)
            => Decorated
                ? X86.OrvaneGetRadarDispMode(out mode, out bearing)
                : Plain.OrvaneGetRadarDispMode(out mode, out bearing);

        /// <summary>
        /// 0x15 Display mode.
        /// Values: mode 0-4; bearing 0-3599 (tenths of a degree).
        /// Put accepts mode 0-3 only; the bearing travels as a plain integer.
        /// Put data form: $k15,mode,bearing.
        /// </summary>
        public static short OrvanePutRadarDispMode(ushort kind, ushort mode, ushort bearing)
            => Decorated
                ? X86.OrvanePutRadarDispMode(kind, mode, bearing)
                : Plain.OrvanePutRadarDispMode(kind, mode, bearing);

        /// <summary>
        /// 0x16 Reverse video.
        /// Values: setting 0-1.
        /// Put data form: $k16,setting.
        /// </summary>
        public static short OrvaneSetRadarReverse(ushort setting)
            => Decorated
                ? X86.OrvaneSetRadarReverse(setting)
                : Plain.OrvaneSetRadarReverse(setting);

        /// <summary>
        /// 0x16 Reverse video.
        /// Values: setting 0-1.
        /// Put data form: $k16,setting.
        /// </summary>
        public static short OrvaneGetRadarReverse(out ushort setting)
            => Decorated
                ? X86.OrvaneGetRadarReverse(out setting)
                : Plain.OrvaneGetRadarReverse(out setting);

        /// <summary>
        /// 0x16 Reverse video.
        /// Values: setting 0-1.
        /// Put data form: $k16,setting.
        /// </summary>
        public static short OrvanePutRadarReverse(ushort kind, ushort setting)
            => Decorated
                ? X86.OrvanePutRadarReverse(kind, setting)
                : Plain.OrvanePutRadarReverse(kind, setting);

        /// <summary>
        /// 0x17 Range.
        /// Values: step 0-17 (range step); value 0-2.
        /// The simulated station (radarctl) draws step n at the n-th of its standard ranges: 0.125,
        ///    0.25, 0.5, 0.75, 1, 1.5, 2, 3, 4, 6, 8, 12, 16, 24, 32, 48, 64, 96 nautical miles.
        /// Put data form: $k17,step,value.
        /// </summary>
        public static short OrvaneSetRadarRange(ushort step, ushort value)
            => Decorated
                ? X86.OrvaneSetRadarRange(step, value)
                : Plain.OrvaneSetRadarRange(step, value);

        /// <summary>
        /// 0x17 Range.
        /// Values: step 0-17 (range step); value 0-2.
        /// The simulated station (radarctl) draws step n at the n-th of its standard ranges: 0.125,
        ///    0.25, 0.5, 0.75, 1, 1.5, 2, 3, 4, 6, 8, 12, 16, 24, 32, 48, 64, 96 nautical miles.
        /// Put data form: $k17,step,value.
        /// </summary>
        public static short OrvaneGetRadarRange(out ushort step, out ushort value)
            => Decorated
                ? X86.OrvaneGetRadarRange(out step, out value)
                : Plain.OrvaneGetRadarRange(out step, out value);

        /// <summary>
        /// 0x17 Range.
        /// Values: step 0-17 (range step); value 0-2.
        /// The simulated station (radarctl) draws step n at the n-th of its standard ranges: 0.125,
        ///    0.25, 0.5, 0.75, 1, 1.5, 2, 3, 4, 6, 8, 12, 16, 24, 32, 48, 64, 96 nautical miles.
        /// Put data form: $k17,step,value.
        /// </summary>
        public static short OrvanePutRadarRange(ushort kind, ushort step, ushort value)
            => Decorated
                ? X86.OrvanePutRadarRange(kind, step, value)
                : Plain.OrvanePutRadarRange(kind, step, value);

        /// <summary>
        /// 0x18 Range rings.
        /// Values: value1 0-3; value2 0-1; value3 0-1.
        /// radarctl draws the rings while value2 is 1.
        /// Put data form: $k18,value1,value2,value3.
        /// </summary>
        public static short OrvaneSetRadarRings(ushort value1, ushort value2, ushort value3)
            => Decorated
                ? X86.OrvaneSetRadarRings(value1, value2, value3)
                : Plain.OrvaneSetRadarRings(value1, value2, value3);

        /// <summary>
        /// 0x18 Range rings.
        /// Values: value1 0-3; value2 0-1; value3 0-1.
        /// radarctl draws the rings while value2 is 1.
        /// Put data form: $k18,value1,value2,value3.
        /// </summary>
        public static short OrvaneGetRadarRings(out ushort value1, out ushort value2, out ushort value3)
            => Decorated
                ? X86.OrvaneGetRadarRings(out value1, out value2, out value3)
                : Plain.OrvaneGetRadarRings(out value1, out value2, out value3);

        /// <summary>
        /// 0x18 Range rings.
        /// Values: value1 0-3; value2 0-1; value3 0-1.
        /// radarctl draws the rings while value2 is 1.
        /// Put data form: $k18,value1,value2,value3.
        /// </summary>
        public static short OrvanePutRadarRings(ushort kind, ushort value1, ushort value2, ushort value3)
            => Decorated
                ? X86.OrvanePutRadarRings(kind, value1, value2, value3)
                : Plain.OrvanePutRadarRings(kind, value1, value2, value3);

        /// <summary>
        /// 0x19 Zoom.
        /// Values: mode 0-2; bearing 0-3599 (tenths of a degree); distance 0-99999999 (ten-thousandths of a
        ///    unit).
        /// Put data form: $k19,mode,bearing in tenths as Q.R,distance as Q.RRRR.
        /// </summary>
        public static short OrvaneSetRadarZoom(ushort mode, ushort bearing, uint distance)
            => Decorated
                ? X86.OrvaneSetRadarZoom(mode, bearing, distance)
                : Plain.OrvaneSetRadarZoom(mode, bearing, distance);

        /// <summary>
        /// 0x19 Zoom.
        /// Values: mode 0-2; bearing 0-3599 (tenths of a degree); distance 0-99999999 (ten-thousandths of a
        ///    unit).
        /// Put data form: $k19,mode,bearing in tenths as Q.R,distance as Q.RRRR.
        /// </summary>
        public static short OrvaneGetRadarZoom(out ushort mode, out ushort bearing, out uint distance)
            => Decorated
                ? X86.OrvaneGetRadarZoom(out mode, out bearing, out distance)
                : Plain.OrvaneGetRadarZoom(out mode, out bearing, out distance);

        /// <summary>
        /// 0x19 Zoom.
        /// Values: mode 0-2; bearing 0-3599 (tenths of a degree); distance 0-99999999 (ten-thousandths of a
        ///    unit).
        /// Put data form: $k19,mode,bearing in tenths as Q.R,distance as Q.RRRR.
        /// </summary>
        public static short OrvanePutRadarZoom(ushort kind, ushort mode, ushort bearing, uint distance)
            => Decorated
                ? X86.OrvanePutRadarZoom(kind, mode, bearing, distance)
                : Plain.OrvanePutRadarZoom(kind, mode, bearing, distance);

        /// <summary>
        /// 0x1A Picture shift.
        /// Values: mode 0-2; bearing 0-3599 (tenths of a degree); distance 0-99999999 (ten-thousandths of a
        ///    unit).
        /// Put data form: $k1A,mode,bearing in tenths as Q.R,distance as Q.RRRR.
        /// </summary>
        public static short OrvaneSetRadarShift(ushort mode, ushort bearing, uint distance)
            => Decorated
                ? X86.OrvaneSetRadarShift(mode, bearing, distance)
                : Plain.OrvaneSetRadarShift(mode, bearing, distance);

        /// <summary>
        /// 0x1A Picture shift.
        /// Values: mode 0-2; bearing 0-3599 (tenths of a degree); distance 0-99999999 (ten-thousandths of a
        ///    unit).
        /// Put data form: $k1A,mode,bearing in tenths as Q.R,distance as Q.RRRR.
        /// </summary>
        public static short OrvaneGetRadarShift(out ushort mode, out ushort bearing, out uint distance)
            => Decorated
                ? X86.OrvaneGetRadarShift(out mode, out bearing, out distance)
                : Plain.OrvaneGetRadarShift(out mode, out bearing, out distance);

        /// <summary>
        /// 0x1A Picture shift.
        /// Values: mode 0-2; bearing 0-3599 (tenths of a degree); distance 0-99999999 (ten-thousandths of a
        ///    unit).
        /// Put data form: $k1A,mode,bearing in tenths as Q.R,distance as Q.RRRR.
        /// </summary>
        public static short OrvanePutRadarShift(ushort kind, ushort mode, ushort bearing, uint distance)
            => Decorated
                ? X86.OrvanePutRadarShift(kind, mode, bearing, distance)
                : Plain.OrvanePutRadarShift(kind, mode, bearing, distance);

        /// <summary>
        /// 0x1B Electronic bearing lines 1 and 2.
        /// Values: number 1-2 (EBL number); value1 0-1 (shared by both EBLs); value2 0-1; value3 0-1;
        ///    bearing 0-3599 (tenths of a degree).
        /// radarctl takes value1 0 as true bearings and 1 as relative to the bow, and draws an EBL
        ///    while its value2 is 1.
        /// The first argument picks entry 1 or 2 (anything else: Set RADAR_OUT_OF_RANGE, Get RADAR_REFUSED
        ///    with nothing written); Get takes it by value.
        /// value1 is one field shared by both entries.
        /// Put takes the number as uint16_t, 1-2.
        /// Put data form: $k1B,number,value1,value2,value3,bearing in tenths as Q.R,.
        /// </summary>
        public static short OrvaneSetRadarEBL(short number, ushort value1, ushort value2, ushort value3, ushort bearing)
            => Decorated
                ? X86.OrvaneSetRadarEBL(number, value1, value2, value3, bearing)
                : Plain.OrvaneSetRadarEBL(number, value1, value2, value3, bearing);

        /// <summary>
        /// 0x1B Electronic bearing lines 1 and 2.
        /// Values: number 1-2 (EBL number); value1 0-1 (shared by both EBLs); value2 0-1; value3 0-1;
        ///    bearing 0-3599 (tenths of a degree).
        /// radarctl takes value1 0 as true bearings and 1 as relative to the bow, and draws an EBL
        ///    while its value2 is 1.
        /// The first argument picks entry 1 or 2 (anything else: Set RADAR_OUT_OF_RANGE, Get RADAR_REFUSED
        ///    with nothing written); Get takes it by value.
        /// value1 is one field shared by both entries.
        /// Put takes the number as uint16_t, 1-2.
        /// Put data form: $k1B,number,value1,value2,value3,bearing in tenths as Q.R,.
        /// </summary>
        public static short OrvaneGetRadarEBL(short number, out ushort value1, out ushort value2, out ushort value3, out ushort bearing)
            => Decorated
                ? X86.OrvaneGetRadarEBL(number, out value1, out value2, out value3, out bearing)
                : Plain.OrvaneGetRadarEBL(number, out value1, out value2, out value3, out bearing);

        /// <summary>
        /// 0x1B Electronic bearing lines 1 and 2.
        /// Values: number 1-2 (EBL number); value1 0-1 (shared by both EBLs); value2 0-1; value3 0-1;
        ///    bearing 0-3599 (tenths of a degree).
        /// radarctl takes value1 0 as true bearings and 1 as relative to the bow, and draws an EBL
        ///    while its value2 is 1.
        /// The first argument picks entry 1 or 2 (anything else: Set RADAR_OUT_OF_RANGE, Get RADAR_REFUSED
        ///    with nothing written); Get takes it by value.
        /// value1 is one field shared by both entries.
        /// Put takes the number as uint16_t, 1-2.
        /// Put data form: $k1B,number,value1,value2,value3,bearing in tenths as Q.R,.
        /// </summary>
        public static short OrvanePutRadarEBL(ushort kind, ushort number, ushort value1, ushort value2, ushort value3, ushort bearing)
            => Decorated
                ? X86.OrvanePutRadarEBL(kind, number, value1, value2, value3, bearing)
                : Plain.OrvanePutRadarEBL(kind, number, value1, value2, value3, bearing);

        /// <summary>
        /// 0x1C Variable range markers 1 and 2.
        /// Values: number 1-2 (VRM number); value1 0-2 (shared by both VRMs); value2 0-2; value3 0-1;
        ///    distance 0-99999999 (ten-thousandths of a unit).
        /// radarctl draws a VRM while its value2 is 1 or 2.
        /// The first argument picks entry 1 or 2 (anything else: Set RADAR_OUT_OF_RANGE, Get RADAR_REFUSED
        ///    with nothing written); Get takes it by value.
        /// value1 is one field shared by both entries.
        /// Put takes the number as uint16_t, 1-2.
        /// Put data form: $k1C,number,value1,value2,value3,distance as Q.RRRR.
        /// </summary>
        public static short OrvaneSetRadarVRM(short number, ushort value1, ushort value2, ushort value3, uint distance)
            => Decorated
                ? X86.OrvaneSetRadarVRM(number, value1, value2, value3, distance)
                : Plain.OrvaneSetRadarVRM(number, value1, value2, value3, distance);

        /// <summary>
        /// 0x1C Variable range markers 1 and 2.
        /// Values: number 1-2 (VRM number); value1 0-2 (shared by both VRMs); value2 0-2; value3 0-1;
        ///    distance 0-99999999 (ten-thousandths of a unit).
        /// radarctl draws a VRM while its value2 is 1 or 2.
        /// The first argument picks entry 1 or 2 (anything else: Set RADAR_OUT_OF_RANGE, Get RADAR_REFUSED
        ///    with nothing written); Get takes it by value.
        /// value1 is one field shared by both entries.
        /// Put takes the number as uint16_t, 1-2.
        /// Put data form: $k1C,number,value1,value2,value3,distance as Q.RRRR.
        /// </summary>
        public static short OrvaneGetRadarVRM(short number, out ushort value1, out ushort value2, out ushort value3, out uint distance)
            => Decorated
                ? X86.OrvaneGetRadarVRM(number, out value1, out value2, out value3, out distance)
                : Plain.OrvaneGetRadarVRM(number, out value1, out value2, out value3, out distance);

        /// <summary>
        /// 0x1C Variable range markers 1 and 2.
        /// Values: number 1-2 (VRM number); value1 0-2 (shared by both VRMs); value2 0-2; value3 0-1;
        ///    distance 0-99999999 (ten-thousandths of a unit).
        /// radarctl draws a VRM while its value2 is 1 or 2.
        /// The first argument picks entry 1 or 2 (anything else: Set RADAR_OUT_OF_RANGE, Get RADAR_REFUSED
        ///    with nothing written); Get takes it by value.
        /// value1 is one field shared by both entries.
        /// Put takes the number as uint16_t, 1-2.
        /// Put data form: $k1C,number,value1,value2,value3,distance as Q.RRRR.
        /// </summary>
        public static short OrvanePutRadarVRM(ushort kind, ushort number, ushort value1, ushort value2, ushort value3, uint distance)
            => Decorated
                ? X86.OrvanePutRadarVRM(kind, number, value1, value2, value3, distance)
                : Plain.OrvanePutRadarVRM(kind, number, value1, value2, value3, distance);

        /// <summary>
        /// 0x1D Brightness.
        /// Values: item 0-7; level 0-9.
        /// Get takes the item by value and ignores it: it returns the last stored level, whatever the item.
        /// Put data form: $k1D,item,level.
        /// </summary>
        public static short OrvaneSetRadarBright(ushort item, ushort level)
            => Decorated
                ? X86.OrvaneSetRadarBright(item, level)
                : Plain.OrvaneSetRadarBright(item, level);

        /// <summary>
        /// 0x1D Brightness.
        /// Values: item 0-7; level 0-9.
        /// Get takes the item by value and ignores it: it returns the last stored level, whatever the item.
        /// Put data form: $k1D,item,level.
        /// </summary>
        public static short OrvaneGetRadarBright(ushort item, out ushort level)
            => Decorated
                ? X86.OrvaneGetRadarBright(item, out level)
                : Plain.OrvaneGetRadarBright(item, out level);

        /// <summary>
        /// 0x1D Brightness.
        /// Values: item 0-7; level 0-9.
        /// Get takes the item by value and ignores it: it returns the last stored level, whatever the item.
        /// Put data form: $k1D,item,level.
        /// </summary>
        public static short OrvanePutRadarBright(ushort kind, ushort item, ushort level)
            => Decorated
                ? X86.OrvanePutRadarBright(kind, item, level)
                : Plain.OrvanePutRadarBright(kind, item, level);

        /// <summary>
        /// 0x1E Heading marker.
        /// Values: setting 0-1; value 0-9.
        /// Put data form: $k1E,setting,value.
        /// </summary>
        public static short OrvaneSetRadarHeadingMark(ushort setting, ushort value)
            => Decorated
                ? X86.OrvaneSetRadarHeadingMark(setting, value)
                : Plain.OrvaneSetRadarHeadingMark(setting, value);

        /// <summary>
        /// 0x1E Heading marker.
        /// Values: setting 0-1; value 0-9.
        /// Put data form: $k1E,setting,value.
        /// </summary>
        public static short OrvaneGetRadarHeadingMark(out ushort setting, out ushort value)
            => Decorated
                ? X86.OrvaneGetRadarHeadingMark(out setting, out value)
                : Plain.OrvaneGetRadarHeadingMark(out setting, out value);

        /// <summary>
        /// 0x1E Heading marker.
        /// Values: setting 0-1; value 0-9.
        /// Put data form: $k1E,setting,value.
        /// </summary>
        public static short OrvanePutRadarHeadingMark(ushort kind, ushort setting, ushort value)
            => Decorated
                ? X86.OrvanePutRadarHeadingMark(kind, setting, value)
                : Plain.OrvanePutRadarHeadingMark(kind, setting, value);

        /// <summary>
        /// 0x1F Echo trail display.
        /// Values: value1 0-1; value2 0-1; value3 0-7; value4 0-2; value5 0-4; value6 0-9.
        /// radarctl takes value1 0 as trails off and 1 as on, and value3 as the trail time: 15 s,
        ///    30 s, 1, 3, 6, 10, 15 or 30 minutes.
        /// Put data form: $k1F,value1,value2,value3,value4,value5,value6.
        /// </summary>
        public static short OrvaneSetRadarTrail(ushort value1, ushort value2, ushort value3, ushort value4, ushort value5, ushort value6)
            => Decorated
                ? X86.OrvaneSetRadarTrail(value1, value2, value3, value4, value5, value6)
                : Plain.OrvaneSetRadarTrail(value1, value2, value3, value4, value5, value6);

        /// <summary>
        /// 0x1F Echo trail display.
        /// Values: value1 0-1; value2 0-1; value3 0-7; value4 0-2; value5 0-4; value6 0-9.
        /// radarctl takes value1 0 as trails off and 1 as on, and value3 as the trail time: 15 s,
        ///    30 s, 1, 3, 6, 10, 15 or 30 minutes.
        /// Put data form: $k1F,value1,value2,value3,value4,value5,value6.
        /// </summary>
        public static short OrvaneGetRadarTrail(out ushort value1, out ushort value2, out ushort value3, out ushort value4, out ushort value5, out ushort value6)
            => Decorated
                ? X86.OrvaneGetRadarTrail(out value1, out value2, out value3, out value4, out value5, out value6)
                : Plain.OrvaneGetRadarTrail(out value1, out value2, out value3, out value4, out value5, out value6);

        /// <summary>
        /// 0x1F Echo trail display.
        /// Values: value1 0-1; value2 0-1; value3 0-7; value4 0-2; value5 0-4; value6 0-9.
        /// radarctl takes value1 0 as trails off and 1 as on, and value3 as the trail time: 15 s,
        ///    30 s, 1, 3, 6, 10, 15 or 30 minutes.
        /// Put data form: $k1F,value1,value2,value3,value4,value5,value6.
        /// </summary>
        public static short OrvanePutRadarTrail(ushort kind, ushort value1, ushort value2, ushort value3, ushort value4, ushort value5, ushort value6)
            => Decorated
                ? X86.OrvanePutRadarTrail(kind, value1, value2, value3, value4, value5, value6)
                : Plain.OrvanePutRadarTrail(kind, value1, value2, value3, value4, value5, value6);

        /// <summary>
        /// 0x20 Watchman.
        /// Values: value1 0-1; value2 0-2; value3 0-7; value4 0-1.
        /// Put tests value1 but does not write it.
        /// Put data form: $k20,value2,value3,value4.
        /// </summary>
        public static short OrvaneSetRadarWatchman(ushort value1, ushort value2, ushort value3, ushort value4)
            => Decorated
                ? X86.OrvaneSetRadarWatchman(value1, value2, value3, value4)
                : Plain.OrvaneSetRadarWatchman(value1, value2, value3, value4);

        /// <summary>
        /// 0x20 Watchman.
        /// Values: value1 0-1; value2 0-2; value3 0-7; value4 0-1.
        /// Put tests value1 but does not write it.
        /// Put data form: $k20,value2,value3,value4.
        /// </summary>
        public static short OrvaneGetRadarWatchman(out ushort value1, out ushort value2, out ushort value3, out ushort value4)
            => Decorated
                ? X86.OrvaneGetRadarWatchman(out value1, out value2, out value3, out value4)
                : Plain.OrvaneGetRadarWatchman(out value1, out value2, out value3, out value4);

        /// <summary>
        /// 0x20 Watchman.
        /// Values: value1 0-1; value2 0-2; value3 0-7; value4 0-1.
        /// Put tests value1 but does not write it.
        /// Put data form: $k20,value2,value3,value4.
        /// </summary>
        public static short OrvanePutRadarWatchman(ushort kind, ushort value1, ushort value2, ushort value3, ushort value4)
            => Decorated
                ? X86.OrvanePutRadarWatchman(kind, value1, value2, value3, value4)
                : Plain.OrvanePutRadarWatchman(kind, value1, value2, value3, value4);

        /// <summary>
        /// 0x21 Total power-on hours.
        /// Values: hours any value (tenths of an hour).
        /// Put divides as unsigned: 4294967295 is written 429496729.5.
        /// Put data form: $k21,hours in tenths as Q.R.
        /// </summary>
        public static short OrvaneSetRadarTotalOnHours(uint hours)
            => Decorated
                ? X86.OrvaneSetRadarTotalOnHours(hours)
                : Plain.OrvaneSetRadarTotalOnHours(hours);

        /// <summary>
        /// 0x21 Total power-on hours.
        /// Values: hours any value (tenths of an hour).
        /// Put divides as unsigned: 4294967295 is written 429496729.5.
        /// Put data form: $k21,hours in tenths as Q.R.
        /// </summary>
        public static short OrvaneGetRadarTotalOnHours(out uint hours)
            => Decorated
                ? X86.OrvaneGetRadarTotalOnHours(out hours)
                : Plain.OrvaneGetRadarTotalOnHours(out hours);

        /// <summary>
        /// 0x21 Total power-on hours.
        /// Values: hours any value (tenths of an hour).
        /// Put divides as unsigned: 4294967295 is written 429496729.5.
        /// Put data form: $k21,hours in tenths as Q.R.
        /// </summary>
        public static short OrvanePutRadarTotalOnHours(ushort kind, uint hours)
            => Decorated
                ? X86.OrvanePutRadarTotalOnHours(kind, hours)
                : Plain.OrvanePutRadarTotalOnHours(kind, hours);

        /// <summary>
        /// 0x22 Total transmit hours.
        /// Values: hours any value (tenths of an hour).
        /// Put divides as unsigned: 4294967295 is written 429496729.5.
        /// Put data form: $k22,hours in tenths as Q.R.
        /// </summary>
        public static short OrvaneSetRadarTotalTxHours(uint hours)
            => Decorated
                ? X86.OrvaneSetRadarTotalTxHours(hours)
                : Plain.OrvaneSetRadarTotalTxHours(hours);

        /// <summary>
        /// 0x22 Total transmit hours.
        /// Values: hours any value (tenths of an hour).
        /// Put divides as unsigned: 4294967295 is written 429496729.5.
        /// Put data form: $k22,hours in tenths as Q.R.
        /// </summary>
        public static short OrvaneGetRadarTotalTxHours(out uint hours)
            => Decorated
                ? X86.OrvaneGetRadarTotalTxHours(out hours)
                : Plain.OrvaneGetRadarTotalTxHours(out hours);

        /// <summary>
        /// 0x22 Total transmit hours.
        /// Values: hours any value (tenths of an hour).
        /// Put divides as unsigned: 4294967295 is written 429496729.5.
        /// Put data form: $k22,hours in tenths as Q.R.
        /// </summary>
        public static short OrvanePutRadarTotalTxHours(ushort kind, uint hours)
            => Decorated
                ? X86.OrvanePutRadarTotalTxHours(kind, hours)
                : Plain.OrvanePutRadarTotalTxHours(kind, hours);

        /// <summary>
        /// 0x23 Waypoint mark.
        /// Values: setting 0-1; value 0-9; number 0-9999; bearing 0-3599 (tenths of a degree); distance
        ///    0-99999999 (ten-thousandths of a unit).
        /// Put data form: $k23,setting,value,number,bearing in tenths as Q.R,distance as Q.RRRR.
        /// </summary>
        public static short OrvaneSetRadarWPTMark(ushort setting, ushort value, ushort number, ushort bearing, uint distance)
            => Decorated
                ? X86.OrvaneSetRadarWPTMark(setting, value, number, bearing, distance)
                : Plain.OrvaneSetRadarWPTMark(setting, value, number, bearing, distance);

        /// <summary>
        /// 0x23 Waypoint mark.
        /// Values: setting 0-1; value 0-9; number 0-9999; bearing 0-3599 (tenths of a degree); distance
        ///    0-99999999 (ten-thousandths of a unit).
        /// Put data form: $k23,setting,value,number,bearing in tenths as Q.R,distance as Q.RRRR.
        /// </summary>
        public static short OrvaneGetRadarWPTMark(out ushort setting, out ushort value, out ushort number, out ushort bearing, out uint distance)
            => Decorated
                ? X86.OrvaneGetRadarWPTMark(out setting, out value, out number, out bearing, out distance)
                : Plain.OrvaneGetRadarWPTMark(out setting, out value, out number, out bearing, out distance);

        /// <summary>
        /// 0x23 Waypoint mark.
        /// Values: setting 0-1; value 0-9; number 0-9999; bearing 0-3599 (tenths of a degree); distance
        ///    0-99999999 (ten-thousandths of a unit).
        /// Put data form: $k23,setting,value,number,bearing in tenths as Q.R,distance as Q.RRRR.
        /// </summary>
        public static short OrvanePutRadarWPTMark(ushort kind, ushort setting, ushort value, ushort number, ushort bearing, uint distance)
            => Decorated
                ? X86.OrvanePutRadarWPTMark(kind, setting, value, number, bearing, distance)
                : Plain.OrvanePutRadarWPTMark(kind, setting, value, number, bearing, distance);

        /// <summary>
        /// 0x24 Transmit / standby.
        /// Values: state 0-3.
        /// The simulated station (radarctl) takes state 0 as off, 1 standby, 2 transmit and 3 warming
        ///    up, and sends echo only while it transmits.
        /// Put data form: $k24,state.
        /// </summary>
        public static short OrvaneSetRadarTxStby(ushort state)
            => Decorated
                ? X86.OrvaneSetRadarTxStby(state)
                : Plain.OrvaneSetRadarTxStby(state);

        /// <summary>
        /// 0x24 Transmit / standby.
        /// Values: state 0-3.
        /// The simulated station (radarctl) takes state 0 as off, 1 standby, 2 transmit and 3 warming
        ///    up, and sends echo only while it transmits.
        /// Put data form: $k24,state.
        /// </summary>
        public static short OrvaneGetRadarTxStby(out ushort state)
            => Decorated
                ? X86.OrvaneGetRadarTxStby(out state)
                : Plain.OrvaneGetRadarTxStby(out state);

        /// <summary>
        /// 0x24 Transmit / standby.
        /// Values: state 0-3.
        /// The simulated station (radarctl) takes state 0 as off, 1 standby, 2 transmit and 3 warming
        ///    up, and sends echo only while it transmits.
        /// Put data form: $k24,state.
        /// </summary>
        public static short OrvanePutRadarTxStby(ushort kind, ushort state)
            => Decorated
                ? X86.OrvanePutRadarTxStby(kind, state)
                : Plain.OrvanePutRadarTxStby(kind, state);

        /// <summary>
        /// 0x25 Pulse length.
        /// Values: setting 0-1.
        /// Put data form: $k25,setting.
        /// </summary>
        public static short OrvaneSetRadarPulseLength(ushort setting)
            => Decorated
                ? X86.OrvaneSetRadarPulseLength(setting)
                : Plain.OrvaneSetRadarPulseLength(setting);

        /// <summary>
        /// 0x25 Pulse length.
        /// Values: setting 0-1.
        /// Put data form: $k25,setting.
        /// </summary>
        public static short OrvaneGetRadarPulseLength(out ushort setting)
            => Decorated
                ? X86.OrvaneGetRadarPulseLength(out setting)
                : Plain.OrvaneGetRadarPulseLength(out setting);

        /// <summary>
        /// 0x25 Pulse length.
        /// Values: setting 0-1.
        /// Put data form: $k25,setting.
        /// </summary>
        public static short OrvanePutRadarPulseLength(ushort kind, ushort setting)
            => Decorated
                ? X86.OrvanePutRadarPulseLength(kind, setting)
                : Plain.OrvanePutRadarPulseLength(kind, setting);

        /// <summary>
        /// 0x26 Direction sensor.
        /// Values: setting 0-1.
        /// Put data form: $k26,setting.
        /// </summary>
        public static short OrvaneSetRadarDirSensor(ushort setting)
            => Decorated
                ? X86.OrvaneSetRadarDirSensor(setting)
                : Plain.OrvaneSetRadarDirSensor(setting);

        /// <summary>
        /// 0x26 Direction sensor.
        /// Values: setting 0-1.
        /// Put data form: $k26,setting.
        /// </summary>
        public static short OrvaneGetRadarDirSensor(out ushort setting)
            => Decorated
                ? X86.OrvaneGetRadarDirSensor(out setting)
                : Plain.OrvaneGetRadarDirSensor(out setting);

        /// <summary>
        /// 0x26 Direction sensor.
        /// Values: setting 0-1.
        /// Put data form: $k26,setting.
        /// </summary>
        public static short OrvanePutRadarDirSensor(ushort kind, ushort setting)
            => Decorated
                ? X86.OrvanePutRadarDirSensor(kind, setting)
                : Plain.OrvanePutRadarDirSensor(kind, setting);

        /// <summary>
        /// 0x27 Transmitter / antenna status.
        /// Values: setting 0-1.
        /// Put data form: $k27,setting.
        /// </summary>
        public static short OrvaneSetRadarTxAntStatus(ushort setting)
            => Decorated
                ? X86.OrvaneSetRadarTxAntStatus(setting)
                : Plain.OrvaneSetRadarTxAntStatus(setting);

        /// <summary>
        /// 0x27 Transmitter / antenna status.
        /// Values: setting 0-1.
        /// Put data form: $k27,setting.
        /// </summary>
        public static short OrvaneGetRadarTxAntStatus(out ushort setting)
            => Decorated
                ? X86.OrvaneGetRadarTxAntStatus(out setting)
                : Plain.OrvaneGetRadarTxAntStatus(out setting);

        /// <summary>
        /// 0x27 Transmitter / antenna status.
        /// Values: setting 0-1.
        /// Put data form: $k27,setting.
        /// </summary>
        public static short OrvanePutRadarTxAntStatus(ushort kind, ushort setting)
            => Decorated
                ? X86.OrvanePutRadarTxAntStatus(kind, setting)
                : Plain.OrvanePutRadarTxAntStatus(kind, setting);

        /// <summary>
        /// 0x28 Warm-up time.
        /// Values: value 0-300.
        /// Put data form: $k28,value.
        /// </summary>
        public static short OrvaneSetRadarWarmUpTime(ushort value)
            => Decorated
                ? X86.OrvaneSetRadarWarmUpTime(value)
                : Plain.OrvaneSetRadarWarmUpTime(value);

        /// <summary>
        /// 0x28 Warm-up time.
        /// Values: value 0-300.
        /// Put data form: $k28,value.
        /// </summary>
        public static short OrvaneGetRadarWarmUpTime(out ushort value)
            => Decorated
                ? X86.OrvaneGetRadarWarmUpTime(out value)
                : Plain.OrvaneGetRadarWarmUpTime(out value);

        /// <summary>
        /// 0x28 Warm-up time.
        /// Values: value 0-300.
        /// Put data form: $k28,value.
        /// </summary>
        public static short OrvanePutRadarWarmUpTime(ushort kind, ushort value)
            => Decorated
                ? X86.OrvanePutRadarWarmUpTime(kind, value)
                : Plain.OrvanePutRadarWarmUpTime(kind, value);

        /// <summary>
        /// 0x29 Range preset.
        /// Values: setting 0-2; value 0-262143.
        /// Put data form: $k29,setting,value.
        /// </summary>
        public static short OrvaneSetRadarRangePreset(ushort setting, uint value)
            => Decorated
                ? X86.OrvaneSetRadarRangePreset(setting, value)
                : Plain.OrvaneSetRadarRangePreset(setting, value);

        /// <summary>
        /// 0x29 Range preset.
        /// Values: setting 0-2; value 0-262143.
        /// Put data form: $k29,setting,value.
        /// </summary>
        public static short OrvaneGetRadarRangePreset(out ushort setting, out uint value)
            => Decorated
                ? X86.OrvaneGetRadarRangePreset(out setting, out value)
                : Plain.OrvaneGetRadarRangePreset(out setting, out value);

        /// <summary>
        /// 0x29 Range preset.
        /// Values: setting 0-2; value 0-262143.
        /// Put data form: $k29,setting,value.
        /// </summary>
        public static short OrvanePutRadarRangePreset(ushort kind, ushort setting, uint value)
            => Decorated
                ? X86.OrvanePutRadarRangePreset(kind, setting, value)
                : Plain.OrvanePutRadarRangePreset(kind, setting, value);

        /// <summary>
        /// 0x2A Tune adjustment.
        /// Values: setting 0-1.
        /// Put data form: $k2A,setting.
        /// </summary>
        public static short OrvaneSetRadarTuneAdjust(ushort setting)
            => Decorated
                ? X86.OrvaneSetRadarTuneAdjust(setting)
                : Plain.OrvaneSetRadarTuneAdjust(setting);

        /// <summary>
        /// 0x2A Tune adjustment.
        /// Values: setting 0-1.
        /// Put data form: $k2A,setting.
        /// </summary>
        public static short OrvaneGetRadarTuneAdjust(out ushort setting)
            => Decorated
                ? X86.OrvaneGetRadarTuneAdjust(out setting)
                : Plain.OrvaneGetRadarTuneAdjust(out setting);

        /// <summary>
        /// 0x2A Tune adjustment.
        /// Values: setting 0-1.
        /// Put data form: $k2A,setting.
        /// </summary>
        public static short OrvanePutRadarTuneAdjust(ushort kind, ushort setting)
            => Decorated
                ? X86.OrvanePutRadarTuneAdjust(kind, setting)
                : Plain.OrvanePutRadarTuneAdjust(kind, setting);

        /// <summary>
        /// 0x2B Video adjustment.
        /// Values: setting 0-1.
        /// Put data form: $k2B,setting.
        /// </summary>
        public static short OrvaneSetRadarVideoAdjust(ushort setting)
            => Decorated
                ? X86.OrvaneSetRadarVideoAdjust(setting)
                : Plain.OrvaneSetRadarVideoAdjust(setting);

        /// <summary>
        /// 0x2B Video adjustment.
        /// Values: setting 0-1.
        /// Put data form: $k2B,setting.
        /// </summary>
        public static short OrvaneGetRadarVideoAdjust(out ushort setting)
            => Decorated
                ? X86.OrvaneGetRadarVideoAdjust(out setting)
                : Plain.OrvaneGetRadarVideoAdjust(out setting);

        /// <summary>
        /// 0x2B Video adjustment.
        /// Values: setting 0-1.
        /// Put data form: $k2B,setting.
        /// </summary>
        public static short OrvanePutRadarVideoAdjust(ushort kind, ushort setting)
            => Decorated
                ? X86.OrvanePutRadarVideoAdjust(kind, setting)
                : Plain.OrvanePutRadarVideoAdjust(kind, setting);

        /// <summary>
        /// 0x2C Antenna type.
        /// Values: type 0-7.
        /// Put data form: $k2C,type.
        /// </summary>
        public static short OrvaneSetRadarAntType(ushort type)
            => Decorated
                ? X86.OrvaneSetRadarAntType(type)
                : Plain.OrvaneSetRadarAntType(type);

        /// <summary>
        /// 0x2C Antenna type.
        /// Values: type 0-7.
        /// Put data form: $k2C,type.
        /// </summary>
        public static short OrvaneGetRadarAntType(out ushort type)
            => Decorated
                ? X86.OrvaneGetRadarAntType(out type)
                : Plain.OrvaneGetRadarAntType(out type);

        /// <summary>
        /// 0x2C Antenna type.
        /// Values: type 0-7.
        /// Put data form: $k2C,type.
        /// </summary>
        public static short OrvanePutRadarAntType(ushort kind, ushort type)
            => Decorated
                ? X86.OrvanePutRadarAntType(kind, type)
                : Plain.OrvanePutRadarAntType(kind, type);

        /// <summary>
        /// 0x2D Maximum range.
        /// Values: value 0-4.
        /// Put data form: $k2D,value.
        /// </summary>
        public static short OrvaneSetRadarMaxRange(ushort value)
            => Decorated
                ? X86.OrvaneSetRadarMaxRange(value)
                : Plain.OrvaneSetRadarMaxRange(value);

        /// <summary>
        /// 0x2D Maximum range.
        /// Values: value 0-4.
        /// Put data form: $k2D,value.
        /// </summary>
        public static short OrvaneGetRadarMaxRange(out ushort value)
            => Decorated
                ? X86.OrvaneGetRadarMaxRange(out value)
                : Plain.OrvaneGetRadarMaxRange(out value);

        /// <summary>
        /// 0x2D Maximum range.
        /// Values: value 0-4.
        /// Put data form: $k2D,value.
        /// </summary>
        public static short OrvanePutRadarMaxRange(ushort kind, ushort value)
            => Decorated
                ? X86.OrvanePutRadarMaxRange(kind, value)
                : Plain.OrvanePutRadarMaxRange(kind, value);

        /// <summary>
        /// 0x2E Monitor mode.
        /// Values: setting 0-1.
        /// Put data form: $k2E,setting.
        /// </summary>
        public static short OrvaneSetRadarMonitorMode(ushort setting)
            => Decorated
                ? X86.OrvaneSetRadarMonitorMode(setting)
                : Plain.OrvaneSetRadarMonitorMode(setting);

        /// <summary>
        /// 0x2E Monitor mode.
        /// Values: setting 0-1.
        /// Put data form: $k2E,setting.
        /// </summary>
        public static short OrvaneGetRadarMonitorMode(out ushort setting)
            => Decorated
                ? X86.OrvaneGetRadarMonitorMode(out setting)
                : Plain.OrvaneGetRadarMonitorMode(out setting);

        /// <summary>
        /// 0x2E Monitor mode.
        /// Values: setting 0-1.
        /// Put data form: $k2E,setting.
        /// </summary>
        public static short OrvanePutRadarMonitorMode(ushort kind, ushort setting)
            => Decorated
                ? X86.OrvanePutRadarMonitorMode(kind, setting)
                : Plain.OrvanePutRadarMonitorMode(kind, setting);

        /// <summary>
        /// 0x2F Second-trace echo rejection.
        /// Values: setting 0-1.
        /// Put data form: $k2F,setting.
        /// </summary>
        public static short OrvaneSetRadar2ndEchoReject(ushort setting)
            => Decorated
                ? X86.OrvaneSetRadar2ndEchoReject(setting)
                : Plain.OrvaneSetRadar2ndEchoReject(setting);

        /// <summary>
        /// 0x2F Second-trace echo rejection.
        /// Values: setting 0-1.
        /// Put data form: $k2F,setting.
        /// </summary>
        public static short OrvaneGetRadar2ndEchoReject(out ushort setting)
            => Decorated
                ? X86.OrvaneGetRadar2ndEchoReject(out setting)
                : Plain.OrvaneGetRadar2ndEchoReject(out setting);

        /// <summary>
        /// 0x2F Second-trace echo rejection.
        /// Values: setting 0-1.
        /// Put data form: $k2F,setting.
        /// </summary>
        public static short OrvanePutRadar2ndEchoReject(ushort kind, ushort setting)
            => Decorated
                ? X86.OrvanePutRadar2ndEchoReject(kind, setting)
                : Plain.OrvanePutRadar2ndEchoReject(kind, setting);

        /// <summary>
        /// 0x30 Signal.
        /// Values: value 0-9.
        /// Put data form: $k30,value.
        /// </summary>
        public static short OrvaneSetRadarSignal(ushort value)
            => Decorated
                ? X86.OrvaneSetRadarSignal(value)
                : Plain.OrvaneSetRadarSignal(value);

        /// <summary>
        /// 0x30 Signal.
        /// Values: value 0-9.
        /// Put data form: $k30,value.
        /// </summary>
        public static short OrvaneGetRadarSignal(out ushort value)
            => Decorated
                ? X86.OrvaneGetRadarSignal(out value)
                : Plain.OrvaneGetRadarSignal(out value);

        /// <summary>
        /// 0x30 Signal.
        /// Values: value 0-9.
        /// Put data form: $k30,value.
        /// </summary>
        public static short OrvanePutRadarSignal(ushort kind, ushort value)
            => Decorated
                ? X86.OrvanePutRadarSignal(kind, value)
                : Plain.OrvanePutRadarSignal(kind, value);

        /// <summary>
        /// 0x31 Background colour.
        /// Values: value 0-4.
        /// Put data form: $k31,value.
        /// </summary>
        public static short OrvaneSetRadarBackGround(ushort value)
            => Decorated
                ? X86.OrvaneSetRadarBackGround(value)
                : Plain.OrvaneSetRadarBackGround(value);

        /// <summary>
        /// 0x31 Background colour.
        /// Values: value 0-4.
        /// Put data form: $k31,value.
        /// </summary>
        public static short OrvaneGetRadarBackGround(out ushort value)
            => Decorated
                ? X86.OrvaneGetRadarBackGround(out value)
                : Plain.OrvaneGetRadarBackGround(out value);

        /// <summary>
        /// 0x31 Background colour.
        /// Values: value 0-4.
        /// Put data form: $k31,value.
        /// </summary>
        public static short OrvanePutRadarBackGround(ushort kind, ushort value)
            => Decorated
                ? X86.OrvanePutRadarBackGround(kind, value)
                : Plain.OrvanePutRadarBackGround(kind, value);

        /// <summary>
        /// 0x32 Echo colour.
        /// Values: value 0-2.
        /// Put data form: $k32,value.
        /// </summary>
        public static short OrvaneSetRadarEchoColor(ushort value)
            => Decorated
                ? X86.OrvaneSetRadarEchoColor(value)
                : Plain.OrvaneSetRadarEchoColor(value);

        /// <summary>
        /// 0x32 Echo colour.
        /// Values: value 0-2.
        /// Put data form: $k32,value.
        /// </summary>
        public static short OrvaneGetRadarEchoColor(out ushort value)
            => Decorated
                ? X86.OrvaneGetRadarEchoColor(out value)
                : Plain.OrvaneGetRadarEchoColor(out value);

        /// <summary>
        /// 0x32 Echo colour.
        /// Values: value 0-2.
        /// Put data form: $k32,value.
        /// </summary>
        public static short OrvanePutRadarEchoColor(ushort kind, ushort value)
            => Decorated
                ? X86.OrvanePutRadarEchoColor(kind, value)
                : Plain.OrvanePutRadarEchoColor(kind, value);

        /// <summary>
        /// 0x33 Alarm sound.
        /// Values: setting 0-1; value 0-15.
        /// Put data form: $k33,setting,value.
        /// </summary>
        public static short OrvaneSetRadarAlarmSound(ushort setting, ushort value)
            => Decorated
                ? X86.OrvaneSetRadarAlarmSound(setting, value)
                : Plain.OrvaneSetRadarAlarmSound(setting, value);

        /// <summary>
        /// 0x33 Alarm sound.
        /// Values: setting 0-1; value 0-15.
        /// Put data form: $k33,setting,value.
        /// </summary>
        public static short OrvaneGetRadarAlarmSound(out ushort setting, out ushort value)
            => Decorated
                ? X86.OrvaneGetRadarAlarmSound(out setting, out value)
                : Plain.OrvaneGetRadarAlarmSound(out setting, out value);

        /// <summary>
        /// 0x33 Alarm sound.
        /// Values: setting 0-1; value 0-15.
        /// Put data form: $k33,setting,value.
        /// </summary>
        public static short OrvanePutRadarAlarmSound(ushort kind, ushort setting, ushort value)
            => Decorated
                ? X86.OrvanePutRadarAlarmSound(kind, setting, value)
                : Plain.OrvanePutRadarAlarmSound(kind, setting, value);

        /// <summary>
        /// 0x34 Factory setting.
        /// Values: setting 0-1.
        /// Put data form: $k34,setting.
        /// </summary>
        public static short OrvaneSetRadarFactory(ushort setting)
            => Decorated
                ? X86.OrvaneSetRadarFactory(setting)
                : Plain.OrvaneSetRadarFactory(setting);

        /// <summary>
        /// 0x34 Factory setting.
        /// Values: setting 0-1.
        /// Put data form: $k34,setting.
        /// </summary>
        public static short OrvaneGetRadarFactory(out ushort setting)
            => Decorated
                ? X86.OrvaneGetRadarFactory(out setting)
                : Plain.OrvaneGetRadarFactory(out setting);

        /// <summary>
        /// 0x34 Factory setting.
        /// Values: setting 0-1.
        /// Put data form: $k34,setting.
        /// </summary>
        public static short OrvanePutRadarFactory(ushort kind, ushort setting)
            => Decorated
                ? X86.OrvanePutRadarFactory(kind, setting)
                : Plain.OrvanePutRadarFactory(kind, setting);

        /// <summary>
        /// 0x36 Demonstration data.
        /// Values: setting 0-1.
        /// Put data form: $k36,setting.
        /// </summary>
        public static short OrvaneSetRadarDemoData(ushort setting)
            => Decorated
                ? X86.OrvaneSetRadarDemoData(setting)
                : Plain.OrvaneSetRadarDemoData(setting);

        /// <summary>
        /// 0x36 Demonstration data.
        /// Values: setting 0-1.
        /// Put data form: $k36,setting.
        /// </summary>
        public static short OrvaneGetRadarDemoData(out ushort setting)
            => Decorated
                ? X86.OrvaneGetRadarDemoData(out setting)
                : Plain.OrvaneGetRadarDemoData(out setting);

        /// <summary>
        /// 0x36 Demonstration data.
        /// Values: setting 0-1.
        /// Put data form: $k36,setting.
        /// </summary>
        public static short OrvanePutRadarDemoData(ushort kind, ushort setting)
            => Decorated
                ? X86.OrvanePutRadarDemoData(kind, setting)
                : Plain.OrvanePutRadarDemoData(kind, setting);

        /// <summary>
        /// 0x37 Own position.
        /// Values: setting 0-1; latitude -353894400 to 353894400 (1/65536 of a minute of arc); longitude
        ///    -707788800 to 707788800 (1/65536 of a minute of arc).
        /// Put data form: $k37,setting,latitude,longitude.
        /// </summary>
        public static short OrvaneSetRadarOwnPosiLL(ushort setting, int latitude, int longitude)
            => Decorated
                ? X86.OrvaneSetRadarOwnPosiLL(setting, latitude, longitude)
                : Plain.OrvaneSetRadarOwnPosiLL(setting, latitude, longitude);

        /// <summary>
        /// 0x37 Own position.
        /// Values: setting 0-1; latitude -353894400 to 353894400 (1/65536 of a minute of arc); longitude
        ///    -707788800 to 707788800 (1/65536 of a minute of arc).
        /// Put data form: $k37,setting,latitude,longitude.
        /// </summary>
        public static short OrvaneGetRadarOwnPosiLL(out ushort setting, out int latitude, out int longitude)
            => Decorated
                ? X86.OrvaneGetRadarOwnPosiLL(out setting, out latitude, out longitude)
                : Plain.OrvaneGetRadarOwnPosiLL(out setting, out latitude, out longitude);

        /// <summary>
        /// 0x37 Own position.
        /// Values: setting 0-1; latitude -353894400 to 353894400 (1/65536 of a minute of arc); longitude
        ///    -707788800 to 707788800 (1/65536 of a minute of arc).
        /// Put data form: $k37,setting,latitude,longitude.
        /// </summary>
        public static short OrvanePutRadarOwnPosiLL(ushort kind, ushort setting, int latitude, int longitude)
            => Decorated
                ? X86.OrvanePutRadarOwnPosiLL(kind, setting, latitude, longitude)
                : Plain.OrvanePutRadarOwnPosiLL(kind, setting, latitude, longitude);

        /// <summary>
        /// 0x38 NMEA heading.
        /// Values: setting 0-1; heading 0-3599 (tenths of a degree); value -1799 to 1799 (tenths of a
        ///    degree, signed).
        /// Put data form: $k38,setting,heading in tenths as Q.R,value in tenths as Q.R, a minus sign on both
        ///    parts when negative.
        /// </summary>
        public static short OrvaneSetRadarNMEAHead(ushort setting, ushort heading, short value)
            => Decorated
                ? X86.OrvaneSetRadarNMEAHead(setting, heading, value)
                : Plain.OrvaneSetRadarNMEAHead(setting, heading, value);

        /// <summary>
        /// 0x38 NMEA heading.
        /// Values: setting 0-1; heading 0-3599 (tenths of a degree); value -1799 to 1799 (tenths of a
        ///    degree, signed).
        /// Put data form: $k38,setting,heading in tenths as Q.R,value in tenths as Q.R, a minus sign on both
        ///    parts when negative.
        /// </summary>
        public static short OrvaneGetRadarNMEAHead(out ushort setting, out ushort heading, out short value)
            => Decorated
                ? X86.OrvaneGetRadarNMEAHead(out setting, out heading, out value)
                : Plain.OrvaneGetRadarNMEAHead(out setting, out heading, out value);

        /// <summary>
        /// 0x38 NMEA heading.
        /// Values: setting 0-1; heading 0-3599 (tenths of a degree); value -1799 to 1799 (tenths of a
        ///    degree, signed).
        /// Put data form: $k38,setting,heading in tenths as Q.R,value in tenths as Q.R, a minus sign on both
        ///    parts when negative.
        /// </summary>
        public static short OrvanePutRadarNMEAHead(ushort kind, ushort setting, ushort heading, short value)
            => Decorated
                ? X86.OrvanePutRadarNMEAHead(kind, setting, heading, value)
                : Plain.OrvanePutRadarNMEAHead(kind, setting, heading, value);

        /// <summary>
        /// 0x39 Heading adjustment.
        /// Values: bearing 0-3599 (tenths of a degree).
        /// Put data form: $k39,bearing in tenths as Q.R.
        /// </summary>
        public static short OrvaneSetRadarHeadingAdjust(ushort bearing)
            => Decorated
                ? X86.OrvaneSetRadarHeadingAdjust(bearing)
                : Plain.OrvaneSetRadarHeadingAdjust(bearing);

        /// <summary>
        /// 0x39 Heading adjustment.
        /// Values: bearing 0-3599 (tenths of a degree).
        /// Put data form: $k39,bearing in tenths as Q.R.
        /// </summary>
        public static short OrvaneGetRadarHeadingAdjust(out ushort bearing)
            => Decorated
                ? X86.OrvaneGetRadarHeadingAdjust(out bearing)
                : Plain.OrvaneGetRadarHeadingAdjust(out bearing);

        /// <summary>
        /// 0x39 Heading adjustment.
        /// Values: bearing 0-3599 (tenths of a degree).
        /// Put data form: $k39,bearing in tenths as Q.R.
        /// </summary>
        public static short OrvanePutRadarHeadingAdjust(ushort kind, ushort bearing)
            => Decorated
                ? X86.OrvanePutRadarHeadingAdjust(kind, bearing)
                : Plain.OrvanePutRadarHeadingAdjust(kind, bearing);

        /// <summary>
        /// 0x3A Maximum shift speed.
        /// Values: value 0-999 (tenths).
        /// Put data form: $k3A,value in tenths as Q.R.
        /// </summary>
        public static short OrvaneSetRadarMaxShiftSpeed(ushort value)
            => Decorated
                ? X86.OrvaneSetRadarMaxShiftSpeed(value)
                : Plain.OrvaneSetRadarMaxShiftSpeed(value);

        /// <summary>
        /// 0x3A Maximum shift speed.
        /// Values: value 0-999 (tenths).
        /// Put data form: $k3A,value in tenths as Q.R.
        /// </summary>
        public static short OrvaneGetRadarMaxShiftSpeed(out ushort value)
            => Decorated
                ? X86.OrvaneGetRadarMaxShiftSpeed(out value)
                : Plain.OrvaneGetRadarMaxShiftSpeed(out value);

        /// <summary>
        /// 0x3A Maximum shift speed.
        /// Values: value 0-999 (tenths).
        /// Put data form: $k3A,value in tenths as Q.R.
        /// </summary>
        public static short OrvanePutRadarMaxShiftSpeed(ushort kind, ushort value)
            => Decorated
                ? X86.OrvanePutRadarMaxShiftSpeed(kind, value)
                : Plain.OrvanePutRadarMaxShiftSpeed(kind, value);

        /// <summary>
        /// 0x3B Amplifier type.
        /// Values: type 0-1.
        /// Put data form: $k3B,type.
        /// </summary>
        public static short OrvaneSetRadarAmpType(ushort type)
            => Decorated
                ? X86.OrvaneSetRadarAmpType(type)
                : Plain.OrvaneSetRadarAmpType(type);

        /// <summary>
        /// 0x3B Amplifier type.
        /// Values: type 0-1.
        /// Put data form: $k3B,type.
        /// </summary>
        public static short OrvaneGetRadarAmpType(out ushort type)
            => Decorated
                ? X86.OrvaneGetRadarAmpType(out type)
                : Plain.OrvaneGetRadarAmpType(out type);

        /// <summary>
        /// 0x3B Amplifier type.
        /// Values: type 0-1.
        /// Put data form: $k3B,type.
        /// </summary>
        public static short OrvanePutRadarAmpType(ushort kind, ushort type)
            => Decorated
                ? X86.OrvanePutRadarAmpType(kind, type)
                : Plain.OrvanePutRadarAmpType(kind, type);

        /// <summary>
        /// 0x3C Initial tune value.
        /// Values: value 0-461.
        /// Put data form: $k3C,value.
        /// </summary>
        public static short OrvaneSetRadarTuneInit(ushort value)
            => Decorated
                ? X86.OrvaneSetRadarTuneInit(value)
                : Plain.OrvaneSetRadarTuneInit(value);

        /// <summary>
        /// 0x3C Initial tune value.
        /// Values: value 0-461.
        /// Put data form: $k3C,value.
        /// </summary>
        public static short OrvaneGetRadarTuneInit(out ushort value)
            => Decorated
                ? X86.OrvaneGetRadarTuneInit(out value)
                : Plain.OrvaneGetRadarTuneInit(out value);

        /// <summary>
        /// 0x3C Initial tune value.
        /// Values: value 0-461.
        /// Put data form: $k3C,value.
        /// </summary>
        public static short OrvanePutRadarTuneInit(ushort kind, ushort value)
            => Decorated
                ? X86.OrvanePutRadarTuneInit(kind, value)
                : Plain.OrvanePutRadarTuneInit(kind, value);

        /// <summary>
        /// 0x3D Automatic tune.
        /// Values: value 0-100.
        /// Put data form: $k3D,value.
        /// </summary>
        public static short OrvaneSetRadarAutoTune(ushort value)
            => Decorated
                ? X86.OrvaneSetRadarAutoTune(value)
                : Plain.OrvaneSetRadarAutoTune(value);

        /// <summary>
        /// 0x3D Automatic tune.
        /// Values: value 0-100.
        /// Put data form: $k3D,value.
        /// </summary>
        public static short OrvaneGetRadarAutoTune(out ushort value)
            => Decorated
                ? X86.OrvaneGetRadarAutoTune(out value)
                : Plain.OrvaneGetRadarAutoTune(out value);

        /// <summary>
        /// 0x3D Automatic tune.
        /// Values: value 0-100.
        /// Put data form: $k3D,value.
        /// </summary>
        public static short OrvanePutRadarAutoTune(ushort kind, ushort value)
            => Decorated
                ? X86.OrvanePutRadarAutoTune(kind, value)
                : Plain.OrvanePutRadarAutoTune(kind, value);

        /// <summary>
        /// 0x3E Tune indicator.
        /// Values: value 0-100.
        /// Put data form: $k3E,value.
        /// </summary>
        public static short OrvaneSetRadarTuneInd(ushort value)
            => Decorated
                ? X86.OrvaneSetRadarTuneInd(value)
                : Plain.OrvaneSetRadarTuneInd(value);

        /// <summary>
        /// 0x3E Tune indicator.
        /// Values: value 0-100.
        /// Put data form: $k3E,value.
        /// </summary>
        public static short OrvaneGetRadarTuneInd(out ushort value)
            => Decorated
                ? X86.OrvaneGetRadarTuneInd(out value)
                : Plain.OrvaneGetRadarTuneInd(out value);

        /// <summary>
        /// 0x3E Tune indicator.
        /// Values: value 0-100.
        /// Put data form: $k3E,value.
        /// </summary>
        public static short OrvanePutRadarTuneInd(ushort kind, ushort value)
            => Decorated
                ? X86.OrvanePutRadarTuneInd(kind, value)
                : Plain.OrvanePutRadarTuneInd(kind, value);

        /// <summary>
        /// 0x40 ARPA on / off.
        /// Values: setting1 0-1; setting2 0-1.
        /// Put tests setting2 but does not write it.
        /// Put data form: $k40,setting1.
        /// </summary>
        public static short OrvaneSetArpaOnOff(ushort setting1, ushort setting2)
            => Decorated
                ? X86.OrvaneSetArpaOnOff(setting1, setting2)
                : Plain.OrvaneSetArpaOnOff(setting1, setting2);

        /// <summary>
        /// 0x40 ARPA on / off.
        /// Values: setting1 0-1; setting2 0-1.
        /// Put tests setting2 but does not write it.
        /// Put data form: $k40,setting1.
        /// </summary>
        public static short OrvaneGetArpaOnOff(out ushort setting1, out ushort setting2)
            => Decorated
                ? X86.OrvaneGetArpaOnOff(out setting1, out setting2)
                : Plain.OrvaneGetArpaOnOff(out setting1, out setting2);

        /// <summary>
        /// 0x40 ARPA on / off.
        /// Values: setting1 0-1; setting2 0-1.
        /// Put tests setting2 but does not write it.
        /// Put data form: $k40,setting1.
        /// </summary>
        public static short OrvanePutArpaOnOff(ushort kind, ushort setting1, ushort setting2)
            => Decorated
                ? X86.OrvanePutArpaOnOff(kind, setting1, setting2)
                : Plain.OrvanePutArpaOnOff(kind, setting1, setting2);

        /// <summary>
        /// 0x41 ARPA all clear (event flag).
        /// Values: flag 0-1 (event flag).
        /// An incoming event pulses the flag: it reads 1 only inside the notify callback for this code.
        /// Put takes the kind alone and sends the bare form "$k41" for every kind.
        /// </summary>
        public static short OrvaneSetArpaAllClear(ushort flag)
            => Decorated
                ? X86.OrvaneSetArpaAllClear(flag)
                : Plain.OrvaneSetArpaAllClear(flag);

        /// <summary>
        /// 0x41 ARPA all clear (event flag).
        /// Values: flag 0-1 (event flag).
        /// An incoming event pulses the flag: it reads 1 only inside the notify callback for this code.
        /// Put takes the kind alone and sends the bare form "$k41" for every kind.
        /// </summary>
        public static short OrvaneGetArpaAllClear(out ushort flag)
            => Decorated
                ? X86.OrvaneGetArpaAllClear(out flag)
                : Plain.OrvaneGetArpaAllClear(out flag);

        /// <summary>
        /// 0x41 ARPA all clear (event flag).
        /// Values: flag 0-1 (event flag).
        /// An incoming event pulses the flag: it reads 1 only inside the notify callback for this code.
        /// Put takes the kind alone and sends the bare form "$k41" for every kind.
        /// </summary>
        public static short OrvanePutArpaAllClear(ushort kind)
            => Decorated
                ? X86.OrvanePutArpaAllClear(kind)
                : Plain.OrvanePutArpaAllClear(kind);

        /// <summary>
        /// 0x42 ARPA plot interval.
        /// Values: value 0-6.
        /// Put data form: $k42,value.
        /// </summary>
        public static short OrvaneSetArpaPlotInterval(ushort value)
            => Decorated
                ? X86.OrvaneSetArpaPlotInterval(value)
                : Plain.OrvaneSetArpaPlotInterval(value);

        /// <summary>
        /// 0x42 ARPA plot interval.
        /// Values: value 0-6.
        /// Put data form: $k42,value.
        /// </summary>
        public static short OrvaneGetArpaPlotInterval(out ushort value)
            => Decorated
                ? X86.OrvaneGetArpaPlotInterval(out value)
                : Plain.OrvaneGetArpaPlotInterval(out value);

        /// <summary>
        /// 0x42 ARPA plot interval.
        /// Values: value 0-6.
        /// Put data form: $k42,value.
        /// </summary>
        public static short OrvanePutArpaPlotInterval(ushort kind, ushort value)
            => Decorated
                ? X86.OrvanePutArpaPlotInterval(kind, value)
                : Plain.OrvanePutArpaPlotInterval(kind, value);

        /// <summary>
        /// 0x43 ARPA vector mode.
        /// Values: mode 0-1.
        /// Put data form: $k43,mode.
        /// </summary>
        public static short OrvaneSetArpaVectorMode(ushort mode)
            => Decorated
                ? X86.OrvaneSetArpaVectorMode(mode)
                : Plain.OrvaneSetArpaVectorMode(mode);

        /// <summary>
        /// 0x43 ARPA vector mode.
        /// Values: mode 0-1.
        /// Put data form: $k43,mode.
        /// </summary>
        public static short OrvaneGetArpaVectorMode(out ushort mode)
            => Decorated
                ? X86.OrvaneGetArpaVectorMode(out mode)
                : Plain.OrvaneGetArpaVectorMode(out mode);

        /// <summary>
        /// 0x43 ARPA vector mode.
        /// Values: mode 0-1.
        /// Put data form: $k43,mode.
        /// </summary>
        public static short OrvanePutArpaVectorMode(ushort kind, ushort mode)
            => Decorated
                ? X86.OrvanePutArpaVectorMode(kind, mode)
                : Plain.OrvanePutArpaVectorMode(kind, mode);

        /// <summary>
        /// 0x44 ARPA vector time.
        /// Values: value 0-5.
        /// Put data form: $k44,value.
        /// </summary>
        public static short OrvaneSetArpaVectorTime(ushort value)
            => Decorated
                ? X86.OrvaneSetArpaVectorTime(value)
                : Plain.OrvaneSetArpaVectorTime(value);

        /// <summary>
        /// 0x44 ARPA vector time.
        /// Values: value 0-5.
        /// Put data form: $k44,value.
        /// </summary>
        public static short OrvaneGetArpaVectorTime(out ushort value)
            => Decorated
                ? X86.OrvaneGetArpaVectorTime(out value)
                : Plain.OrvaneGetArpaVectorTime(out value);

        /// <summary>
        /// 0x44 ARPA vector time.
        /// Values: value 0-5.
        /// Put data form: $k44,value.
        /// </summary>
        public static short OrvanePutArpaVectorTime(ushort kind, ushort value)
            => Decorated
                ? X86.OrvanePutArpaVectorTime(kind, value)
                : Plain.OrvanePutArpaVectorTime(kind, value);

        /// <summary>
        /// 0x45 ARPA CPA limit.
        /// Values: value 0-6.
        /// Put data form: $k45,value.
        /// </summary>
        public static short OrvaneSetArpaCPA(ushort value)
            => Decorated
                ? X86.OrvaneSetArpaCPA(value)
                : Plain.OrvaneSetArpaCPA(value);

        /// <summary>
        /// 0x45 ARPA CPA limit.
        /// Values: value 0-6.
        /// Put data form: $k45,value.
        /// </summary>
        public static short OrvaneGetArpaCPA(out ushort value)
            => Decorated
                ? X86.OrvaneGetArpaCPA(out value)
                : Plain.OrvaneGetArpaCPA(out value);

        /// <summary>
        /// 0x45 ARPA CPA limit.
        /// Values: value 0-6.
        /// Put data form: $k45,value.
        /// </summary>
        public static short OrvanePutArpaCPA(ushort kind, ushort value)
            => Decorated
                ? X86.OrvanePutArpaCPA(kind, value)
                : Plain.OrvanePutArpaCPA(kind, value);

        /// <summary>
        /// 0x46 ARPA TCPA limit.
        /// Values: value 0-7.
        /// Put data form: $k46,value.
        /// </summary>
        public static short OrvaneSetArpaTCPA(ushort value)
            => Decorated
                ? X86.OrvaneSetArpaTCPA(value)
                : Plain.OrvaneSetArpaTCPA(value);

        /// <summary>
        /// 0x46 ARPA TCPA limit.
        /// Values: value 0-7.
        /// Put data form: $k46,value.
        /// </summary>
        public static short OrvaneGetArpaTCPA(out ushort value)
            => Decorated
                ? X86.OrvaneGetArpaTCPA(out value)
                : Plain.OrvaneGetArpaTCPA(out value);

        /// <summary>
        /// 0x46 ARPA TCPA limit.
        /// Values: value 0-7.
        /// Put data form: $k46,value.
        /// </summary>
        public static short OrvanePutArpaTCPA(ushort kind, ushort value)
            => Decorated
                ? X86.OrvanePutArpaTCPA(kind, value)
                : Plain.OrvanePutArpaTCPA(kind, value);

        /// <summary>
        /// 0x47 ARPA automatic acquisition.
        /// Values: setting 0-1.
        /// Put data form: $k47,setting.
        /// </summary>
        public static short OrvaneSetArpaAutoACQ(ushort setting)
            => Decorated
                ? X86.OrvaneSetArpaAutoACQ(setting)
                : Plain.OrvaneSetArpaAutoACQ(setting);

        /// <summary>
        /// 0x47 ARPA automatic acquisition.
        /// Values: setting 0-1.
        /// Put data form: $k47,setting.
        /// </summary>
        public static short OrvaneGetArpaAutoACQ(out ushort setting)
            => Decorated
                ? X86.OrvaneGetArpaAutoACQ(out setting)
                : Plain.OrvaneGetArpaAutoACQ(out setting);

        /// <summary>
        /// 0x47 ARPA automatic acquisition.
        /// Values: setting 0-1.
        /// Put data form: $k47,setting.
        /// </summary>
        public static short OrvanePutArpaAutoACQ(ushort kind, ushort setting)
            => Decorated
                ? X86.OrvanePutArpaAutoACQ(kind, setting)
                : Plain.OrvanePutArpaAutoACQ(kind, setting);

        /// <summary>
        /// 0x48 ARPA alarm.
        /// Values: value any value.
        /// Put data form: $k48,value.
        /// </summary>
        public static short OrvaneSetArpaAlarm(ushort value)
            => Decorated
                ? X86.OrvaneSetArpaAlarm(value)
                : Plain.OrvaneSetArpaAlarm(value);

        /// <summary>
        /// 0x48 ARPA alarm.
        /// Values: value any value.
        /// Put data form: $k48,value.
        /// </summary>
        public static short OrvaneGetArpaAlarm(out ushort value)
            => Decorated
                ? X86.OrvaneGetArpaAlarm(out value)
                : Plain.OrvaneGetArpaAlarm(out value);

        /// <summary>
        /// 0x48 ARPA alarm.
        /// Values: value any value.
        /// Put data form: $k48,value.
        /// </summary>
        public static short OrvanePutArpaAlarm(ushort kind, ushort value)
            => Decorated
                ? X86.OrvanePutArpaAlarm(kind, value)
                : Plain.OrvanePutArpaAlarm(kind, value);

        /// <summary>
        /// 0x49 ARPA mark.
        /// Values: value any value.
        /// Put data form: $k49,value.
        /// </summary>
        public static short OrvaneSetArpaMark(ushort value)
            => Decorated
                ? X86.OrvaneSetArpaMark(value)
                : Plain.OrvaneSetArpaMark(value);

        /// <summary>
        /// 0x49 ARPA mark.
        /// Values: value any value.
        /// Put data form: $k49,value.
        /// </summary>
        public static short OrvaneGetArpaMark(out ushort value)
            => Decorated
                ? X86.OrvaneGetArpaMark(out value)
                : Plain.OrvaneGetArpaMark(out value);

        /// <summary>
        /// 0x49 ARPA mark.
        /// Values: value any value.
        /// Put data form: $k49,value.
        /// </summary>
        public static short OrvanePutArpaMark(ushort kind, ushort value)
            => Decorated
                ? X86.OrvanePutArpaMark(kind, value)
                : Plain.OrvanePutArpaMark(kind, value);

        /// <summary>
        /// 0x4A ARPA acquisition data.
        /// Values: value any value; bearing 0-3599 (tenths of a degree).
        /// Put takes the value as a signed 32-bit number and writes it signed.
        /// Put data form: $k4A,value,bearing in tenths as Q.R.
        /// </summary>
        public static short OrvaneSetArpaACQData(uint value, ushort bearing)
            => Decorated
                ? X86.OrvaneSetArpaACQData(value, bearing)
                : Plain.OrvaneSetArpaACQData(value, bearing);

        /// <summary>
        /// 0x4A ARPA acquisition data.
        /// Values: value any value; bearing 0-3599 (tenths of a degree).
        /// Put takes the value as a signed 32-bit number and writes it signed.
        /// Put data form: $k4A,value,bearing in tenths as Q.R.
        /// </summary>
        public static short OrvaneGetArpaACQData(out uint value, out ushort bearing)
            => Decorated
                ? X86.OrvaneGetArpaACQData(out value, out bearing)
                : Plain.OrvaneGetArpaACQData(out value, out bearing);

        /// <summary>
        /// 0x4A ARPA acquisition data.
        /// Values: value any value; bearing 0-3599 (tenths of a degree).
        /// Put takes the value as a signed 32-bit number and writes it signed.
        /// Put data form: $k4A,value,bearing in tenths as Q.R.
        /// </summary>
        public static short OrvanePutArpaACQData(ushort kind, int value, ushort bearing)
            => Decorated
                ? X86.OrvanePutArpaACQData(kind, value, bearing)
                : Plain.OrvanePutArpaACQData(kind, value, bearing);

        /// <summary>
        /// 0x4B ARPA erase data.
        /// Values: index 0-9 (target index).
        /// Put data form: $k4B,(index + 1) * 256.
        /// </summary>
        public static short OrvaneSetArpaEraseData(ushort index)
            => Decorated
                ? X86.OrvaneSetArpaEraseData(index)
                : Plain.OrvaneSetArpaEraseData(index);

        /// <summary>
        /// 0x4B ARPA erase data.
        /// Values: index 0-9 (target index).
        /// Put data form: $k4B,(index + 1) * 256.
        /// </summary>
        public static short OrvaneGetArpaEraseData(out ushort index)
            => Decorated
                ? X86.OrvaneGetArpaEraseData(out index)
                : Plain.OrvaneGetArpaEraseData(out index);

        /// <summary>
        /// 0x4B ARPA erase data.
        /// Values: index 0-9 (target index).
        /// Put data form: $k4B,(index + 1) * 256.
        /// </summary>
        public static short OrvanePutArpaEraseData(ushort kind, ushort index)
            => Decorated
                ? X86.OrvanePutArpaEraseData(kind, index)
                : Plain.OrvanePutArpaEraseData(kind, index);

        /// <summary>
        /// 0x4C ARPA target number.
        /// Values: setting 0-1.
        /// Put data form: $k4C,setting.
        /// </summary>
        public static short OrvaneSetArpaTargetNumber(ushort setting)
            => Decorated
                ? X86.OrvaneSetArpaTargetNumber(setting)
                : Plain.OrvaneSetArpaTargetNumber(setting);

        /// <summary>
        /// 0x4C ARPA target number.
        /// Values: setting 0-1.
        /// Put data form: $k4C,setting.
        /// </summary>
        public static short OrvaneGetArpaTargetNumber(out ushort setting)
            => Decorated
                ? X86.OrvaneGetArpaTargetNumber(out setting)
                : Plain.OrvaneGetArpaTargetNumber(out setting);

        /// <summary>
        /// 0x4C ARPA target number.
        /// Values: setting 0-1.
        /// Put data form: $k4C,setting.
        /// </summary>
        public static short OrvanePutArpaTargetNumber(ushort kind, ushort setting)
            => Decorated
                ? X86.OrvanePutArpaTargetNumber(kind, setting)
                : Plain.OrvanePutArpaTargetNumber(kind, setting);

        /// <summary>
        /// 0x52 ARPA server on / off.
        /// Values: setting1 0-1; setting2 0-1.
        /// Put data form: $k52,setting1,setting2.
        /// </summary>
        public static short OrvaneSetArpaServerOnOff(ushort setting1, ushort setting2)
            => Decorated
                ? X86.OrvaneSetArpaServerOnOff(setting1, setting2)
                : Plain.OrvaneSetArpaServerOnOff(setting1, setting2);

        /// <summary>
        /// 0x52 ARPA server on / off.
        /// Values: setting1 0-1; setting2 0-1.
        /// Put data form: $k52,setting1,setting2.
        /// </summary>
        public static short OrvaneGetArpaServerOnOff(out ushort setting1, out ushort setting2)
            => Decorated
                ? X86.OrvaneGetArpaServerOnOff(out setting1, out setting2)
                : Plain.OrvaneGetArpaServerOnOff(out setting1, out setting2);

        /// <summary>
        /// 0x52 ARPA server on / off.
        /// Values: setting1 0-1; setting2 0-1.
        /// Put data form: $k52,setting1,setting2.
        /// </summary>
        public static short OrvanePutArpaServerOnOff(ushort kind, ushort setting1, ushort setting2)
            => Decorated
                ? X86.OrvanePutArpaServerOnOff(kind, setting1, setting2)
                : Plain.OrvanePutArpaServerOnOff(kind, setting1, setting2);

        /// <summary>
        /// 0x55 Own course.
        /// Values: setting 0-1; course 0-3599 (tenths of a degree).
        /// The course travels as a plain integer.
        /// Put data form: $k55,setting,course.
        /// </summary>
        public static short OrvaneSetOwnCourse(ushort setting, ushort course)
            => Decorated
                ? X86.OrvaneSetOwnCourse(setting, course)
                : Plain.OrvaneSetOwnCourse(setting, course);

        /// <summary>
        /// 0x55 Own course.
        /// Values: setting 0-1; course 0-3599 (tenths of a degree).
        /// The course travels as a plain integer.
        /// Put data form: $k55,setting,course.
        /// </summary>
        public static short OrvaneGetOwnCourse(out ushort setting, out ushort course)
            => Decorated
                ? X86.OrvaneGetOwnCourse(out setting, out course)
                : Plain.OrvaneGetOwnCourse(out setting, out course);

        /// <summary>
        /// 0x55 Own course.
        /// Values: setting 0-1; course 0-3599 (tenths of a degree).
        /// The course travels as a plain integer.
        /// Put data form: $k55,setting,course.
        /// </summary>
        public static short OrvanePutOwnCourse(ushort kind, ushort setting, ushort course)
            => Decorated
                ? X86.OrvanePutOwnCourse(kind, setting, course)
                : Plain.OrvanePutOwnCourse(kind, setting, course);

        /// <summary>
        /// 0x56 ARPA status.
        /// Values: value1 any value; value2 any value; value3 any value; value4 any value; value5 any value;
        ///    value6 any value; value7 any value; value8 any value; value9 any value; value10 any value.
        /// Put data form: $k56,value1,value2,value3,value4,value5,value6,value7,value8,value9,value10.
        /// </summary>
        public static short OrvaneSetArpaStatus(ushort value1, ushort value2, ushort value3, ushort value4, ushort value5, ushort value6, ushort value7, ushort value8, ushort value9, ushort value10)
            => Decorated
                ? X86.OrvaneSetArpaStatus(value1, value2, value3, value4, value5, value6, value7, value8, value9, value10)
                : Plain.OrvaneSetArpaStatus(value1, value2, value3, value4, value5, value6, value7, value8, value9, value10);

        /// <summary>
        /// 0x56 ARPA status.
        /// Values: value1 any value; value2 any value; value3 any value; value4 any value; value5 any value;
        ///    value6 any value; value7 any value; value8 any value; value9 any value; value10 any value.
        /// Put data form: $k56,value1,value2,value3,value4,value5,value6,value7,value8,value9,value10.
        /// </summary>
        public static short OrvaneGetArpaStatus(out ushort value1, out ushort value2, out ushort value3, out ushort value4, out ushort value5, out ushort value6, out ushort value7, out ushort value8, out ushort value9, out ushort value10)
            => Decorated
                ? X86.OrvaneGetArpaStatus(out value1, out value2, out value3, out value4, out value5, out value6, out value7, out value8, out value9, out value10)
                : Plain.OrvaneGetArpaStatus(out value1, out value2, out value3, out value4, out value5, out value6, out value7, out value8, out value9, out value10);

        /// <summary>
        /// 0x56 ARPA status.
        /// Values: value1 any value; value2 any value; value3 any value; value4 any value; value5 any value;
        ///    value6 any value; value7 any value; value8 any value; value9 any value; value10 any value.
        /// Put data form: $k56,value1,value2,value3,value4,value5,value6,value7,value8,value9,value10.
        /// </summary>
        public static short OrvanePutArpaStatus(ushort kind, ushort value1, ushort value2, ushort value3, ushort value4, ushort value5, ushort value6, ushort value7, ushort value8, ushort value9, ushort value10)
            => Decorated
                ? X86.OrvanePutArpaStatus(kind, value1, value2, value3, value4, value5, value6, value7, value8, value9, value10)
                : Plain.OrvanePutArpaStatus(kind, value1, value2, value3, value4, value5, value6, value7, value8, value9, value10);

        /// <summary>
        /// 0x57 ARPA alarm stop (event flag).
        /// Values: flag 0-1 (event flag).
        /// An incoming event pulses the flag: it reads 1 only inside the notify callback for this code.
        /// Put takes the kind alone and sends the bare form "$k57" for every kind.
        /// </summary>
        public static short OrvaneSetArpaAlarmStop(ushort flag)
            => Decorated
                ? X86.OrvaneSetArpaAlarmStop(flag)
                : Plain.OrvaneSetArpaAlarmStop(flag);

        /// <summary>
        /// 0x57 ARPA alarm stop (event flag).
        /// Values: flag 0-1 (event flag).
        /// An incoming event pulses the flag: it reads 1 only inside the notify callback for this code.
        /// Put takes the kind alone and sends the bare form "$k57" for every kind.
        /// </summary>
        public static short OrvaneGetArpaAlarmStop(out ushort flag)
            => Decorated
                ? X86.OrvaneGetArpaAlarmStop(out flag)
                : Plain.OrvaneGetArpaAlarmStop(out flag);

        /// <summary>
        /// 0x57 ARPA alarm stop (event flag).
        /// Values: flag 0-1 (event flag).
        /// An incoming event pulses the flag: it reads 1 only inside the notify callback for this code.
        /// Put takes the kind alone and sends the bare form "$k57" for every kind.
        /// </summary>
        public static short OrvanePutArpaAlarmStop(ushort kind)
            => Decorated
                ? X86.OrvanePutArpaAlarmStop(kind)
                : Plain.OrvanePutArpaAlarmStop(kind);

        /// <summary>
        /// Starts the echo side: keeps `callback` (null: lines go to the echo ring,
        /// fetched with OrvaneGetRadarEchoData), opens UDP port 10024 and starts the
        /// receiver and trail-aging threads. Call once (a second call does nothing and
        /// returns RADAR_OK). Returns RADAR_OK, or a negative status when the port
        /// could not be opened (RADAR_OUT_OF_RANGE, -2, when another program holds
        /// it). The threads start either way, so playback works, and the receiver
        /// asks for the port again about once a second until it gets it: the live
        /// echo then arrives without a further call.
        /// From this call on the library stays loaded until the process ends (its
        /// threads run its code): FreeLibrary or dlclose does not unload it.
        /// A datagram is decoded within the bytes received; its word count (bytes
        /// 8-9) is not read, so bytes after its last line are left alone. One that is
        /// shorter than its 14-byte header, has more than 512 samples a line or whose
        /// lines run past its end delivers nothing (it is still recorded).
        /// </summary>
        /// <param name="callback">called for every echo line on the receiver thread; null: the lines go to the ring</param>
        /// <returns>RADAR_OK, or a negative status when the port could not be opened (the threads run either way)</returns>
        public static short OrvaneInitRadarEchoFunc(RadarEchoFunc callback)
        {
            lock (keepLock)
            {
                if (!echoTaken)
                {
                    echoTaken = true;
                    keptEcho = callback;
                }
                return Decorated
                    ? X86.OrvaneInitRadarEchoFunc(callback)
                    : Plain.OrvaneInitRadarEchoFunc(callback);
            }
        }

        /// <summary>
        /// Sets the trail time in seconds, 0-32767 (0: trails off) and clears all
        /// trails. RADAR_OK, or RADAR_REFUSED for 0x8000 and above (nothing changes).
        /// </summary>
        /// <param name="seconds">the trail time, 0-32767; 0 turns trails off</param>
        /// <returns>RADAR_OK or RADAR_REFUSED</returns>
        public static short OrvaneSetTrailTime(ushort seconds)
            => Decorated
                ? X86.OrvaneSetTrailTime(seconds)
                : Plain.OrvaneSetTrailTime(seconds);

        /// <summary>
        /// Takes the oldest waiting echo line into `record` (Data points into the ring
        /// and stays valid until the ring comes round to that slot; LineFlag is left
        /// as it was). Returns 0 when no line waits (record untouched), else the
        /// number of lines that were waiting, this one included.
        /// </summary>
        /// <param name="record">receives the line</param>
        /// <returns>the number of lines that were waiting, this one included; 0 when none</returns>
        public static short OrvaneGetRadarEchoData(ref EchoLineRecord record)
            => Decorated
                ? X86.OrvaneGetRadarEchoData(ref record)
                : Plain.OrvaneGetRadarEchoData(ref record);

        /// <summary>
        /// Starts recording every echo datagram to the file at `path` (created or
        /// emptied). RADAR_OK, or RADAR_REFUSED during playback or when the file does
        /// not open.
        /// A file holds the datagrams back to back, each found through its word
        /// count. A datagram whose word count gives its length is written as
        /// received; any other is written with a word count that does (bytes 0-7 and
        /// bits 10-15 of bytes 8-9 as received), an odd length evened up with a zero
        /// byte, or down by its last byte when its lines could not be decoded, and a
        /// datagram of under 10 bytes filled with zeros to 10: played back, every
        /// datagram gives the lines it gave live. Each datagram goes to the file as
        /// it arrives, and the file only ever holds whole datagrams: one whose write
        /// fails (a full disk) is lost, the file is cut back to the datagram before,
        /// and recording goes on with the next. Only a file that cannot be cut back
        /// ends the recording, as OrvaneRecEndRadarEcho would (which then returns
        /// RADAR_REFUSED).
        /// </summary>
        /// <param name="path">the file to record to</param>
        /// <returns>RADAR_OK or RADAR_REFUSED</returns>
        public static short OrvaneRecStartRadarEcho(string path)
            => Decorated
                ? X86.OrvaneRecStartRadarEcho(path)
                : Plain.OrvaneRecStartRadarEcho(path);

        /// <summary>
        /// Ends the recording and closes its file. RADAR_OK, or RADAR_REFUSED when no
        /// recording runs or playback is on.
        /// </summary>
        /// <returns>RADAR_OK or RADAR_REFUSED</returns>
        public static short OrvaneRecEndRadarEcho()
            => Decorated
                ? X86.OrvaneRecEndRadarEcho()
                : Plain.OrvaneRecEndRadarEcho();

        /// <summary>
        /// Records one antenna revolution, from the first line at sweep 0 to the first
        /// later line at sweep 8190 or more, to the file at `path`, written as
        /// OrvaneRecStartRadarEcho writes (a file that cannot be cut back after a
        /// failed write ends this recording too). RADAR_OK, or RADAR_REFUSED when
        /// the file does not open.
        /// </summary>
        /// <param name="path">the file to record to</param>
        /// <returns>RADAR_OK or RADAR_REFUSED</returns>
        public static short OrvaneRecStartRadarEchoOneScreen(string path)
            => Decorated
                ? X86.OrvaneRecStartRadarEchoOneScreen(path)
                : Plain.OrvaneRecStartRadarEchoOneScreen(path);

        /// <summary>
        /// Plays the recording at `path` back in place of the live echo, as fast as
        /// the lines are taken (Mode 2, and 3 for the file's last datagram).
        /// RADAR_OK, or RADAR_REFUSED while recording or when the file does not open.
        /// </summary>
        /// <param name="path">the recording to play</param>
        /// <returns>RADAR_OK or RADAR_REFUSED</returns>
        public static short OrvaneReadStartRadarEcho(string path)
            => Decorated
                ? X86.OrvaneReadStartRadarEcho(path)
                : Plain.OrvaneReadStartRadarEcho(path);

        /// <summary>
        /// Ends playback and returns to the live echo, opening UDP port 10024 again
        /// (when another program has taken it meanwhile, the receiver asks for it
        /// about once a second until it gets it). RADAR_OK, or RADAR_REFUSED while
        /// recording or when no playback was started.
        /// </summary>
        /// <returns>RADAR_OK or RADAR_REFUSED</returns>
        public static short OrvaneReadEndRadarEcho()
            => Decorated
                ? X86.OrvaneReadEndRadarEcho()
                : Plain.OrvaneReadEndRadarEcho();

        /// <summary>
        /// Closest point of approach of a target at `range` (hundredths of a nautical
        /// mile, -25599 to 25599; a negative range places the target on the
        /// reciprocal bearing) and `bearing` (0-3599), own ship at `own_speed`
        /// (tenths of a knot, 0-9999) on `own_course` (0-3599), target at
        /// `target_speed` on `target_course`. Stores CPA in nautical miles and TCPA
        /// in minutes, both 16.16 fixed point (TCPA negative when the closest point
        /// is past). RADAR_OK, or RADAR_REFUSED with nothing stored when an argument
        /// is out of range (a range of 256 NM or more either side overflows the
        /// calculation's scale).
        /// </summary>
        /// <param name="range">the target's range, hundredths of a nautical mile, -25599 to 25599</param>
        /// <param name="bearing">the target's bearing, tenths of a degree, 0-3599</param>
        /// <param name="own_speed">own ship's speed, tenths of a knot, 0-9999</param>
        /// <param name="own_course">own ship's course, tenths of a degree, 0-3599</param>
        /// <param name="target_speed">the target's speed, tenths of a knot, 0-9999</param>
        /// <param name="target_course">the target's course, tenths of a degree, 0-3599</param>
        /// <param name="cpa">receives the CPA, nautical miles, 16.16 fixed point</param>
        /// <param name="tcpa">receives the TCPA, minutes, 16.16 fixed point (negative when past)</param>
        /// <returns>RADAR_OK, or RADAR_REFUSED with nothing stored</returns>
        public static short OrvaneCalCpaTcpa(int range, short bearing, short own_speed, short own_course, short target_speed, short target_course, out int cpa, out int tcpa)
            => Decorated
                ? X86.OrvaneCalCpaTcpa(range, bearing, own_speed, own_course, target_speed, target_course, out cpa, out tcpa)
                : Plain.OrvaneCalCpaTcpa(range, bearing, own_speed, own_course, target_speed, target_course, out cpa, out tcpa);

        // Plain names: 64-bit Windows, Linux and every other system.
        static class Plain
        {
            [DllImport(Library, EntryPoint = "OrvaneInitRadarFunc", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneInitRadarFunc([MarshalAs(UnmanagedType.LPStr)] string name, RadarNotifyFunc notify);
            [DllImport(Library, EntryPoint = "OrvaneChangeRadarHost", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneChangeRadarHost([MarshalAs(UnmanagedType.LPStr)] string name);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarSourceStatus", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern int OrvaneGetRadarSourceStatus();
            [DllImport(Library, EntryPoint = "OrvaneGetRadarDllVersionNo", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern int OrvaneGetRadarDllVersionNo([Out] byte[] destination);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarGain", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarGain(ushort mode, ushort level);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarGain", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarGain(out ushort mode, out ushort level);
            [DllImport(Library, EntryPoint = "OrvanePutRadarGain", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarGain(ushort kind, ushort mode, ushort level);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarACSea", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarACSea(ushort mode, ushort level);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarACSea", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarACSea(out ushort mode, out ushort level);
            [DllImport(Library, EntryPoint = "OrvanePutRadarACSea", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarACSea(ushort kind, ushort mode, ushort level);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarACAuto", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarACAuto(ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarACAuto", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarACAuto(out ushort setting);
            [DllImport(Library, EntryPoint = "OrvanePutRadarACAuto", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarACAuto(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarACRain", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarACRain(ushort level);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarACRain", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarACRain(out ushort level);
            [DllImport(Library, EntryPoint = "OrvanePutRadarACRain", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarACRain(ushort kind, ushort level);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarEchoStrech", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarEchoStrech(ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarEchoStrech", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarEchoStrech(out ushort setting);
            [DllImport(Library, EntryPoint = "OrvanePutRadarEchoStrech", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarEchoStrech(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarIntReject", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarIntReject(ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarIntReject", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarIntReject(out ushort setting);
            [DllImport(Library, EntryPoint = "OrvanePutRadarIntReject", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarIntReject(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarFTC", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarFTC(ushort level);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarFTC", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarFTC(out ushort level);
            [DllImport(Library, EntryPoint = "OrvanePutRadarFTC", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarFTC(ushort kind, ushort level);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarNoiseReject", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarNoiseReject(ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarNoiseReject", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarNoiseReject(out ushort setting);
            [DllImport(Library, EntryPoint = "OrvanePutRadarNoiseReject", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarNoiseReject(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarTune", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarTune(ushort mode, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarTune", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarTune(out ushort mode, out ushort value);
            [DllImport(Library, EntryPoint = "OrvanePutRadarTune", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarTune(ushort kind, ushort mode, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarCursorMode", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarCursorMode(ushort mode, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarCursorMode", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarCursorMode(out ushort mode, out ushort value);
            [DllImport(Library, EntryPoint = "OrvanePutRadarCursorMode", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarCursorMode(ushort kind, ushort mode, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarCursorPos", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarCursorPos(ushort setting, ushort bearing, uint distance);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarCursorPos", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarCursorPos(out ushort setting, out ushort bearing, out uint distance);
            [DllImport(Library, EntryPoint = "OrvanePutRadarCursorPos", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarCursorPos(ushort kind, ushort setting, ushort bearing, uint distance);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarAntHight", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarAntHight(ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarAntHight", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarAntHight(out ushort setting);
            [DllImport(Library, EntryPoint = "OrvanePutRadarAntHight", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarAntHight(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarSTCCurve", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarSTCCurve(ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarSTCCurve", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarSTCCurve(out ushort setting);
            [DllImport(Library, EntryPoint = "OrvanePutRadarSTCCurve", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarSTCCurve(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarDemo", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarDemo(ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarDemo", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarDemo(out ushort setting);
            [DllImport(Library, EntryPoint = "OrvanePutRadarDemo", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarDemo(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarMBSAdjust", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarMBSAdjust(ushort value);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarMBSAdjust", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarMBSAdjust(out ushort value);
            [DllImport(Library, EntryPoint = "OrvanePutRadarMBSAdjust", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarMBSAdjust(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarSweepTiming", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarSweepTiming(ushort value);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarSweepTiming", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarSweepTiming(out ushort value);
            [DllImport(Library, EntryPoint = "OrvanePutRadarSweepTiming", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarSweepTiming(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarOffset", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarOffset(ushort setting, ushort bearing, uint distance);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarOffset", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarOffset(out ushort setting, out ushort bearing, out uint distance);
            [DllImport(Library, EntryPoint = "OrvanePutRadarOffset", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarOffset(ushort kind, ushort setting, ushort bearing, uint distance);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarGuard", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarGuard(short zone, ushort setting, ushort type, ushort bearing1, ushort bearing2, uint distance1, uint distance2);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarGuard", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarGuard(short zone, out ushort setting, out ushort type, out ushort bearing1, out ushort bearing2, out uint distance1, out uint distance2);
            [DllImport(Library, EntryPoint = "OrvanePutRadarGuard", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarGuard(ushort kind, ushort zone, ushort setting, ushort type, ushort bearing1, ushort bearing2, uint distance1, uint distance2);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarBlind", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarBlind(ushort setting, ushort bearing, ushort width);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarBlind", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarBlind(out ushort setting, out ushort bearing, out ushort width);
            [DllImport(Library, EntryPoint = "OrvanePutRadarBlind", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarBlind(ushort kind, ushort setting, ushort bearing, ushort width);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarDispMode", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarDispMode(ushort mode, ushort bearing);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarDispMode", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarDispMode(out ushort mode, out ushort bearing);
            [DllImport(Library, EntryPoint = "OrvanePutRadarDispMode", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarDispMode(ushort kind, ushort mode, ushort bearing);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarReverse", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarReverse(ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarReverse", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarReverse(out ushort setting);
            [DllImport(Library, EntryPoint = "OrvanePutRadarReverse", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarReverse(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarRange", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarRange(ushort step, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarRange", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarRange(out ushort step, out ushort value);
            [DllImport(Library, EntryPoint = "OrvanePutRadarRange", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarRange(ushort kind, ushort step, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarRings", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarRings(ushort value1, ushort value2, ushort value3);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarRings", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarRings(out ushort value1, out ushort value2, out ushort value3);
            [DllImport(Library, EntryPoint = "OrvanePutRadarRings", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarRings(ushort kind, ushort value1, ushort value2, ushort value3);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarZoom", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarZoom(ushort mode, ushort bearing, uint distance);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarZoom", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarZoom(out ushort mode, out ushort bearing, out uint distance);
            [DllImport(Library, EntryPoint = "OrvanePutRadarZoom", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarZoom(ushort kind, ushort mode, ushort bearing, uint distance);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarShift", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarShift(ushort mode, ushort bearing, uint distance);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarShift", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarShift(out ushort mode, out ushort bearing, out uint distance);
            [DllImport(Library, EntryPoint = "OrvanePutRadarShift", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarShift(ushort kind, ushort mode, ushort bearing, uint distance);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarEBL", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarEBL(short number, ushort value1, ushort value2, ushort value3, ushort bearing);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarEBL", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarEBL(short number, out ushort value1, out ushort value2, out ushort value3, out ushort bearing);
            [DllImport(Library, EntryPoint = "OrvanePutRadarEBL", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarEBL(ushort kind, ushort number, ushort value1, ushort value2, ushort value3, ushort bearing);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarVRM", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarVRM(short number, ushort value1, ushort value2, ushort value3, uint distance);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarVRM", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarVRM(short number, out ushort value1, out ushort value2, out ushort value3, out uint distance);
            [DllImport(Library, EntryPoint = "OrvanePutRadarVRM", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarVRM(ushort kind, ushort number, ushort value1, ushort value2, ushort value3, uint distance);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarBright", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarBright(ushort item, ushort level);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarBright", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarBright(ushort item, out ushort level);
            [DllImport(Library, EntryPoint = "OrvanePutRadarBright", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarBright(ushort kind, ushort item, ushort level);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarHeadingMark", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarHeadingMark(ushort setting, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarHeadingMark", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarHeadingMark(out ushort setting, out ushort value);
            [DllImport(Library, EntryPoint = "OrvanePutRadarHeadingMark", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarHeadingMark(ushort kind, ushort setting, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarTrail", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarTrail(ushort value1, ushort value2, ushort value3, ushort value4, ushort value5, ushort value6);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarTrail", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarTrail(out ushort value1, out ushort value2, out ushort value3, out ushort value4, out ushort value5, out ushort value6);
            [DllImport(Library, EntryPoint = "OrvanePutRadarTrail", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarTrail(ushort kind, ushort value1, ushort value2, ushort value3, ushort value4, ushort value5, ushort value6);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarWatchman", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarWatchman(ushort value1, ushort value2, ushort value3, ushort value4);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarWatchman", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarWatchman(out ushort value1, out ushort value2, out ushort value3, out ushort value4);
            [DllImport(Library, EntryPoint = "OrvanePutRadarWatchman", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarWatchman(ushort kind, ushort value1, ushort value2, ushort value3, ushort value4);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarTotalOnHours", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarTotalOnHours(uint hours);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarTotalOnHours", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarTotalOnHours(out uint hours);
            [DllImport(Library, EntryPoint = "OrvanePutRadarTotalOnHours", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarTotalOnHours(ushort kind, uint hours);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarTotalTxHours", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarTotalTxHours(uint hours);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarTotalTxHours", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarTotalTxHours(out uint hours);
            [DllImport(Library, EntryPoint = "OrvanePutRadarTotalTxHours", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarTotalTxHours(ushort kind, uint hours);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarWPTMark", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarWPTMark(ushort setting, ushort value, ushort number, ushort bearing, uint distance);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarWPTMark", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarWPTMark(out ushort setting, out ushort value, out ushort number, out ushort bearing, out uint distance);
            [DllImport(Library, EntryPoint = "OrvanePutRadarWPTMark", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarWPTMark(ushort kind, ushort setting, ushort value, ushort number, ushort bearing, uint distance);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarTxStby", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarTxStby(ushort state);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarTxStby", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarTxStby(out ushort state);
            [DllImport(Library, EntryPoint = "OrvanePutRadarTxStby", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarTxStby(ushort kind, ushort state);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarPulseLength", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarPulseLength(ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarPulseLength", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarPulseLength(out ushort setting);
            [DllImport(Library, EntryPoint = "OrvanePutRadarPulseLength", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarPulseLength(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarDirSensor", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarDirSensor(ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarDirSensor", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarDirSensor(out ushort setting);
            [DllImport(Library, EntryPoint = "OrvanePutRadarDirSensor", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarDirSensor(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarTxAntStatus", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarTxAntStatus(ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarTxAntStatus", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarTxAntStatus(out ushort setting);
            [DllImport(Library, EntryPoint = "OrvanePutRadarTxAntStatus", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarTxAntStatus(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarWarmUpTime", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarWarmUpTime(ushort value);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarWarmUpTime", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarWarmUpTime(out ushort value);
            [DllImport(Library, EntryPoint = "OrvanePutRadarWarmUpTime", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarWarmUpTime(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarRangePreset", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarRangePreset(ushort setting, uint value);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarRangePreset", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarRangePreset(out ushort setting, out uint value);
            [DllImport(Library, EntryPoint = "OrvanePutRadarRangePreset", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarRangePreset(ushort kind, ushort setting, uint value);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarTuneAdjust", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarTuneAdjust(ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarTuneAdjust", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarTuneAdjust(out ushort setting);
            [DllImport(Library, EntryPoint = "OrvanePutRadarTuneAdjust", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarTuneAdjust(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarVideoAdjust", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarVideoAdjust(ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarVideoAdjust", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarVideoAdjust(out ushort setting);
            [DllImport(Library, EntryPoint = "OrvanePutRadarVideoAdjust", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarVideoAdjust(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarAntType", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarAntType(ushort type);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarAntType", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarAntType(out ushort type);
            [DllImport(Library, EntryPoint = "OrvanePutRadarAntType", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarAntType(ushort kind, ushort type);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarMaxRange", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarMaxRange(ushort value);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarMaxRange", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarMaxRange(out ushort value);
            [DllImport(Library, EntryPoint = "OrvanePutRadarMaxRange", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarMaxRange(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarMonitorMode", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarMonitorMode(ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarMonitorMode", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarMonitorMode(out ushort setting);
            [DllImport(Library, EntryPoint = "OrvanePutRadarMonitorMode", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarMonitorMode(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneSetRadar2ndEchoReject", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadar2ndEchoReject(ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneGetRadar2ndEchoReject", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadar2ndEchoReject(out ushort setting);
            [DllImport(Library, EntryPoint = "OrvanePutRadar2ndEchoReject", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadar2ndEchoReject(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarSignal", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarSignal(ushort value);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarSignal", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarSignal(out ushort value);
            [DllImport(Library, EntryPoint = "OrvanePutRadarSignal", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarSignal(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarBackGround", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarBackGround(ushort value);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarBackGround", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarBackGround(out ushort value);
            [DllImport(Library, EntryPoint = "OrvanePutRadarBackGround", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarBackGround(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarEchoColor", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarEchoColor(ushort value);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarEchoColor", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarEchoColor(out ushort value);
            [DllImport(Library, EntryPoint = "OrvanePutRadarEchoColor", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarEchoColor(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarAlarmSound", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarAlarmSound(ushort setting, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarAlarmSound", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarAlarmSound(out ushort setting, out ushort value);
            [DllImport(Library, EntryPoint = "OrvanePutRadarAlarmSound", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarAlarmSound(ushort kind, ushort setting, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarFactory", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarFactory(ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarFactory", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarFactory(out ushort setting);
            [DllImport(Library, EntryPoint = "OrvanePutRadarFactory", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarFactory(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarDemoData", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarDemoData(ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarDemoData", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarDemoData(out ushort setting);
            [DllImport(Library, EntryPoint = "OrvanePutRadarDemoData", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarDemoData(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarOwnPosiLL", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarOwnPosiLL(ushort setting, int latitude, int longitude);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarOwnPosiLL", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarOwnPosiLL(out ushort setting, out int latitude, out int longitude);
            [DllImport(Library, EntryPoint = "OrvanePutRadarOwnPosiLL", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarOwnPosiLL(ushort kind, ushort setting, int latitude, int longitude);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarNMEAHead", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarNMEAHead(ushort setting, ushort heading, short value);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarNMEAHead", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarNMEAHead(out ushort setting, out ushort heading, out short value);
            [DllImport(Library, EntryPoint = "OrvanePutRadarNMEAHead", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarNMEAHead(ushort kind, ushort setting, ushort heading, short value);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarHeadingAdjust", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarHeadingAdjust(ushort bearing);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarHeadingAdjust", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarHeadingAdjust(out ushort bearing);
            [DllImport(Library, EntryPoint = "OrvanePutRadarHeadingAdjust", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarHeadingAdjust(ushort kind, ushort bearing);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarMaxShiftSpeed", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarMaxShiftSpeed(ushort value);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarMaxShiftSpeed", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarMaxShiftSpeed(out ushort value);
            [DllImport(Library, EntryPoint = "OrvanePutRadarMaxShiftSpeed", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarMaxShiftSpeed(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarAmpType", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarAmpType(ushort type);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarAmpType", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarAmpType(out ushort type);
            [DllImport(Library, EntryPoint = "OrvanePutRadarAmpType", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarAmpType(ushort kind, ushort type);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarTuneInit", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarTuneInit(ushort value);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarTuneInit", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarTuneInit(out ushort value);
            [DllImport(Library, EntryPoint = "OrvanePutRadarTuneInit", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarTuneInit(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarAutoTune", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarAutoTune(ushort value);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarAutoTune", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarAutoTune(out ushort value);
            [DllImport(Library, EntryPoint = "OrvanePutRadarAutoTune", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarAutoTune(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneSetRadarTuneInd", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarTuneInd(ushort value);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarTuneInd", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarTuneInd(out ushort value);
            [DllImport(Library, EntryPoint = "OrvanePutRadarTuneInd", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarTuneInd(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneSetArpaOnOff", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaOnOff(ushort setting1, ushort setting2);
            [DllImport(Library, EntryPoint = "OrvaneGetArpaOnOff", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaOnOff(out ushort setting1, out ushort setting2);
            [DllImport(Library, EntryPoint = "OrvanePutArpaOnOff", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaOnOff(ushort kind, ushort setting1, ushort setting2);
            [DllImport(Library, EntryPoint = "OrvaneSetArpaAllClear", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaAllClear(ushort flag);
            [DllImport(Library, EntryPoint = "OrvaneGetArpaAllClear", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaAllClear(out ushort flag);
            [DllImport(Library, EntryPoint = "OrvanePutArpaAllClear", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaAllClear(ushort kind);
            [DllImport(Library, EntryPoint = "OrvaneSetArpaPlotInterval", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaPlotInterval(ushort value);
            [DllImport(Library, EntryPoint = "OrvaneGetArpaPlotInterval", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaPlotInterval(out ushort value);
            [DllImport(Library, EntryPoint = "OrvanePutArpaPlotInterval", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaPlotInterval(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneSetArpaVectorMode", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaVectorMode(ushort mode);
            [DllImport(Library, EntryPoint = "OrvaneGetArpaVectorMode", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaVectorMode(out ushort mode);
            [DllImport(Library, EntryPoint = "OrvanePutArpaVectorMode", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaVectorMode(ushort kind, ushort mode);
            [DllImport(Library, EntryPoint = "OrvaneSetArpaVectorTime", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaVectorTime(ushort value);
            [DllImport(Library, EntryPoint = "OrvaneGetArpaVectorTime", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaVectorTime(out ushort value);
            [DllImport(Library, EntryPoint = "OrvanePutArpaVectorTime", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaVectorTime(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneSetArpaCPA", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaCPA(ushort value);
            [DllImport(Library, EntryPoint = "OrvaneGetArpaCPA", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaCPA(out ushort value);
            [DllImport(Library, EntryPoint = "OrvanePutArpaCPA", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaCPA(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneSetArpaTCPA", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaTCPA(ushort value);
            [DllImport(Library, EntryPoint = "OrvaneGetArpaTCPA", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaTCPA(out ushort value);
            [DllImport(Library, EntryPoint = "OrvanePutArpaTCPA", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaTCPA(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneSetArpaAutoACQ", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaAutoACQ(ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneGetArpaAutoACQ", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaAutoACQ(out ushort setting);
            [DllImport(Library, EntryPoint = "OrvanePutArpaAutoACQ", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaAutoACQ(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneSetArpaAlarm", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaAlarm(ushort value);
            [DllImport(Library, EntryPoint = "OrvaneGetArpaAlarm", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaAlarm(out ushort value);
            [DllImport(Library, EntryPoint = "OrvanePutArpaAlarm", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaAlarm(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneSetArpaMark", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaMark(ushort value);
            [DllImport(Library, EntryPoint = "OrvaneGetArpaMark", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaMark(out ushort value);
            [DllImport(Library, EntryPoint = "OrvanePutArpaMark", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaMark(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "OrvaneSetArpaACQData", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaACQData(uint value, ushort bearing);
            [DllImport(Library, EntryPoint = "OrvaneGetArpaACQData", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaACQData(out uint value, out ushort bearing);
            [DllImport(Library, EntryPoint = "OrvanePutArpaACQData", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaACQData(ushort kind, int value, ushort bearing);
            [DllImport(Library, EntryPoint = "OrvaneSetArpaEraseData", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaEraseData(ushort index);
            [DllImport(Library, EntryPoint = "OrvaneGetArpaEraseData", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaEraseData(out ushort index);
            [DllImport(Library, EntryPoint = "OrvanePutArpaEraseData", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaEraseData(ushort kind, ushort index);
            [DllImport(Library, EntryPoint = "OrvaneSetArpaTargetNumber", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaTargetNumber(ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneGetArpaTargetNumber", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaTargetNumber(out ushort setting);
            [DllImport(Library, EntryPoint = "OrvanePutArpaTargetNumber", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaTargetNumber(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "OrvaneSetArpaServerOnOff", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaServerOnOff(ushort setting1, ushort setting2);
            [DllImport(Library, EntryPoint = "OrvaneGetArpaServerOnOff", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaServerOnOff(out ushort setting1, out ushort setting2);
            [DllImport(Library, EntryPoint = "OrvanePutArpaServerOnOff", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaServerOnOff(ushort kind, ushort setting1, ushort setting2);
            [DllImport(Library, EntryPoint = "OrvaneSetOwnCourse", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetOwnCourse(ushort setting, ushort course);
            [DllImport(Library, EntryPoint = "OrvaneGetOwnCourse", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetOwnCourse(out ushort setting, out ushort course);
            [DllImport(Library, EntryPoint = "OrvanePutOwnCourse", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutOwnCourse(ushort kind, ushort setting, ushort course);
            [DllImport(Library, EntryPoint = "OrvaneSetArpaStatus", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaStatus(ushort value1, ushort value2, ushort value3, ushort value4, ushort value5, ushort value6, ushort value7, ushort value8, ushort value9, ushort value10);
            [DllImport(Library, EntryPoint = "OrvaneGetArpaStatus", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaStatus(out ushort value1, out ushort value2, out ushort value3, out ushort value4, out ushort value5, out ushort value6, out ushort value7, out ushort value8, out ushort value9, out ushort value10);
            [DllImport(Library, EntryPoint = "OrvanePutArpaStatus", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaStatus(ushort kind, ushort value1, ushort value2, ushort value3, ushort value4, ushort value5, ushort value6, ushort value7, ushort value8, ushort value9, ushort value10);
            [DllImport(Library, EntryPoint = "OrvaneSetArpaAlarmStop", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaAlarmStop(ushort flag);
            [DllImport(Library, EntryPoint = "OrvaneGetArpaAlarmStop", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaAlarmStop(out ushort flag);
            [DllImport(Library, EntryPoint = "OrvanePutArpaAlarmStop", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaAlarmStop(ushort kind);
            [DllImport(Library, EntryPoint = "OrvaneInitRadarEchoFunc", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneInitRadarEchoFunc(RadarEchoFunc callback);
            [DllImport(Library, EntryPoint = "OrvaneSetTrailTime", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetTrailTime(ushort seconds);
            [DllImport(Library, EntryPoint = "OrvaneGetRadarEchoData", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarEchoData(ref EchoLineRecord record);
            [DllImport(Library, EntryPoint = "OrvaneRecStartRadarEcho", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneRecStartRadarEcho([MarshalAs(UnmanagedType.LPStr)] string path);
            [DllImport(Library, EntryPoint = "OrvaneRecEndRadarEcho", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneRecEndRadarEcho();
            [DllImport(Library, EntryPoint = "OrvaneRecStartRadarEchoOneScreen", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneRecStartRadarEchoOneScreen([MarshalAs(UnmanagedType.LPStr)] string path);
            [DllImport(Library, EntryPoint = "OrvaneReadStartRadarEcho", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneReadStartRadarEcho([MarshalAs(UnmanagedType.LPStr)] string path);
            [DllImport(Library, EntryPoint = "OrvaneReadEndRadarEcho", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneReadEndRadarEcho();
            [DllImport(Library, EntryPoint = "OrvaneCalCpaTcpa", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneCalCpaTcpa(int range, short bearing, short own_speed, short own_course, short target_speed, short target_course, out int cpa, out int tcpa);
        }

        // Decorated stdcall names: 32-bit Windows.
        static class X86
        {
            [DllImport(Library, EntryPoint = "_OrvaneInitRadarFunc@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneInitRadarFunc([MarshalAs(UnmanagedType.LPStr)] string name, RadarNotifyFunc notify);
            [DllImport(Library, EntryPoint = "_OrvaneChangeRadarHost@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneChangeRadarHost([MarshalAs(UnmanagedType.LPStr)] string name);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarSourceStatus@0", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern int OrvaneGetRadarSourceStatus();
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarDllVersionNo@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern int OrvaneGetRadarDllVersionNo([Out] byte[] destination);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarGain@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarGain(ushort mode, ushort level);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarGain@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarGain(out ushort mode, out ushort level);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarGain@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarGain(ushort kind, ushort mode, ushort level);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarACSea@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarACSea(ushort mode, ushort level);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarACSea@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarACSea(out ushort mode, out ushort level);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarACSea@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarACSea(ushort kind, ushort mode, ushort level);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarACAuto@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarACAuto(ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarACAuto@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarACAuto(out ushort setting);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarACAuto@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarACAuto(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarACRain@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarACRain(ushort level);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarACRain@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarACRain(out ushort level);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarACRain@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarACRain(ushort kind, ushort level);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarEchoStrech@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarEchoStrech(ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarEchoStrech@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarEchoStrech(out ushort setting);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarEchoStrech@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarEchoStrech(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarIntReject@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarIntReject(ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarIntReject@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarIntReject(out ushort setting);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarIntReject@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarIntReject(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarFTC@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarFTC(ushort level);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarFTC@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarFTC(out ushort level);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarFTC@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarFTC(ushort kind, ushort level);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarNoiseReject@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarNoiseReject(ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarNoiseReject@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarNoiseReject(out ushort setting);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarNoiseReject@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarNoiseReject(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarTune@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarTune(ushort mode, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarTune@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarTune(out ushort mode, out ushort value);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarTune@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarTune(ushort kind, ushort mode, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarCursorMode@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarCursorMode(ushort mode, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarCursorMode@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarCursorMode(out ushort mode, out ushort value);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarCursorMode@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarCursorMode(ushort kind, ushort mode, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarCursorPos@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarCursorPos(ushort setting, ushort bearing, uint distance);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarCursorPos@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarCursorPos(out ushort setting, out ushort bearing, out uint distance);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarCursorPos@16", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarCursorPos(ushort kind, ushort setting, ushort bearing, uint distance);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarAntHight@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarAntHight(ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarAntHight@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarAntHight(out ushort setting);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarAntHight@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarAntHight(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarSTCCurve@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarSTCCurve(ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarSTCCurve@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarSTCCurve(out ushort setting);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarSTCCurve@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarSTCCurve(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarDemo@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarDemo(ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarDemo@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarDemo(out ushort setting);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarDemo@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarDemo(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarMBSAdjust@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarMBSAdjust(ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarMBSAdjust@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarMBSAdjust(out ushort value);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarMBSAdjust@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarMBSAdjust(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarSweepTiming@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarSweepTiming(ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarSweepTiming@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarSweepTiming(out ushort value);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarSweepTiming@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarSweepTiming(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarOffset@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarOffset(ushort setting, ushort bearing, uint distance);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarOffset@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarOffset(out ushort setting, out ushort bearing, out uint distance);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarOffset@16", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarOffset(ushort kind, ushort setting, ushort bearing, uint distance);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarGuard@28", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarGuard(short zone, ushort setting, ushort type, ushort bearing1, ushort bearing2, uint distance1, uint distance2);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarGuard@28", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarGuard(short zone, out ushort setting, out ushort type, out ushort bearing1, out ushort bearing2, out uint distance1, out uint distance2);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarGuard@32", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarGuard(ushort kind, ushort zone, ushort setting, ushort type, ushort bearing1, ushort bearing2, uint distance1, uint distance2);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarBlind@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarBlind(ushort setting, ushort bearing, ushort width);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarBlind@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarBlind(out ushort setting, out ushort bearing, out ushort width);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarBlind@16", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarBlind(ushort kind, ushort setting, ushort bearing, ushort width);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarDispMode@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarDispMode(ushort mode, ushort bearing);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarDispMode@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarDispMode(out ushort mode, out ushort bearing);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarDispMode@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarDispMode(ushort kind, ushort mode, ushort bearing);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarReverse@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarReverse(ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarReverse@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarReverse(out ushort setting);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarReverse@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarReverse(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarRange@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarRange(ushort step, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarRange@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarRange(out ushort step, out ushort value);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarRange@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarRange(ushort kind, ushort step, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarRings@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarRings(ushort value1, ushort value2, ushort value3);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarRings@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarRings(out ushort value1, out ushort value2, out ushort value3);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarRings@16", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarRings(ushort kind, ushort value1, ushort value2, ushort value3);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarZoom@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarZoom(ushort mode, ushort bearing, uint distance);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarZoom@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarZoom(out ushort mode, out ushort bearing, out uint distance);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarZoom@16", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarZoom(ushort kind, ushort mode, ushort bearing, uint distance);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarShift@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarShift(ushort mode, ushort bearing, uint distance);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarShift@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarShift(out ushort mode, out ushort bearing, out uint distance);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarShift@16", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarShift(ushort kind, ushort mode, ushort bearing, uint distance);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarEBL@20", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarEBL(short number, ushort value1, ushort value2, ushort value3, ushort bearing);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarEBL@20", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarEBL(short number, out ushort value1, out ushort value2, out ushort value3, out ushort bearing);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarEBL@24", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarEBL(ushort kind, ushort number, ushort value1, ushort value2, ushort value3, ushort bearing);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarVRM@20", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarVRM(short number, ushort value1, ushort value2, ushort value3, uint distance);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarVRM@20", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarVRM(short number, out ushort value1, out ushort value2, out ushort value3, out uint distance);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarVRM@24", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarVRM(ushort kind, ushort number, ushort value1, ushort value2, ushort value3, uint distance);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarBright@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarBright(ushort item, ushort level);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarBright@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarBright(ushort item, out ushort level);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarBright@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarBright(ushort kind, ushort item, ushort level);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarHeadingMark@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarHeadingMark(ushort setting, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarHeadingMark@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarHeadingMark(out ushort setting, out ushort value);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarHeadingMark@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarHeadingMark(ushort kind, ushort setting, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarTrail@24", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarTrail(ushort value1, ushort value2, ushort value3, ushort value4, ushort value5, ushort value6);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarTrail@24", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarTrail(out ushort value1, out ushort value2, out ushort value3, out ushort value4, out ushort value5, out ushort value6);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarTrail@28", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarTrail(ushort kind, ushort value1, ushort value2, ushort value3, ushort value4, ushort value5, ushort value6);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarWatchman@16", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarWatchman(ushort value1, ushort value2, ushort value3, ushort value4);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarWatchman@16", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarWatchman(out ushort value1, out ushort value2, out ushort value3, out ushort value4);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarWatchman@20", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarWatchman(ushort kind, ushort value1, ushort value2, ushort value3, ushort value4);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarTotalOnHours@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarTotalOnHours(uint hours);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarTotalOnHours@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarTotalOnHours(out uint hours);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarTotalOnHours@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarTotalOnHours(ushort kind, uint hours);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarTotalTxHours@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarTotalTxHours(uint hours);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarTotalTxHours@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarTotalTxHours(out uint hours);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarTotalTxHours@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarTotalTxHours(ushort kind, uint hours);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarWPTMark@20", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarWPTMark(ushort setting, ushort value, ushort number, ushort bearing, uint distance);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarWPTMark@20", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarWPTMark(out ushort setting, out ushort value, out ushort number, out ushort bearing, out uint distance);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarWPTMark@24", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarWPTMark(ushort kind, ushort setting, ushort value, ushort number, ushort bearing, uint distance);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarTxStby@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarTxStby(ushort state);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarTxStby@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarTxStby(out ushort state);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarTxStby@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarTxStby(ushort kind, ushort state);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarPulseLength@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarPulseLength(ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarPulseLength@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarPulseLength(out ushort setting);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarPulseLength@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarPulseLength(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarDirSensor@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarDirSensor(ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarDirSensor@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarDirSensor(out ushort setting);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarDirSensor@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarDirSensor(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarTxAntStatus@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarTxAntStatus(ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarTxAntStatus@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarTxAntStatus(out ushort setting);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarTxAntStatus@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarTxAntStatus(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarWarmUpTime@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarWarmUpTime(ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarWarmUpTime@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarWarmUpTime(out ushort value);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarWarmUpTime@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarWarmUpTime(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarRangePreset@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarRangePreset(ushort setting, uint value);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarRangePreset@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarRangePreset(out ushort setting, out uint value);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarRangePreset@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarRangePreset(ushort kind, ushort setting, uint value);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarTuneAdjust@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarTuneAdjust(ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarTuneAdjust@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarTuneAdjust(out ushort setting);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarTuneAdjust@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarTuneAdjust(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarVideoAdjust@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarVideoAdjust(ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarVideoAdjust@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarVideoAdjust(out ushort setting);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarVideoAdjust@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarVideoAdjust(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarAntType@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarAntType(ushort type);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarAntType@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarAntType(out ushort type);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarAntType@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarAntType(ushort kind, ushort type);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarMaxRange@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarMaxRange(ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarMaxRange@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarMaxRange(out ushort value);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarMaxRange@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarMaxRange(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarMonitorMode@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarMonitorMode(ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarMonitorMode@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarMonitorMode(out ushort setting);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarMonitorMode@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarMonitorMode(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadar2ndEchoReject@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadar2ndEchoReject(ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadar2ndEchoReject@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadar2ndEchoReject(out ushort setting);
            [DllImport(Library, EntryPoint = "_OrvanePutRadar2ndEchoReject@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadar2ndEchoReject(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarSignal@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarSignal(ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarSignal@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarSignal(out ushort value);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarSignal@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarSignal(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarBackGround@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarBackGround(ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarBackGround@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarBackGround(out ushort value);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarBackGround@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarBackGround(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarEchoColor@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarEchoColor(ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarEchoColor@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarEchoColor(out ushort value);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarEchoColor@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarEchoColor(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarAlarmSound@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarAlarmSound(ushort setting, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarAlarmSound@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarAlarmSound(out ushort setting, out ushort value);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarAlarmSound@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarAlarmSound(ushort kind, ushort setting, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarFactory@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarFactory(ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarFactory@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarFactory(out ushort setting);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarFactory@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarFactory(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarDemoData@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarDemoData(ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarDemoData@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarDemoData(out ushort setting);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarDemoData@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarDemoData(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarOwnPosiLL@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarOwnPosiLL(ushort setting, int latitude, int longitude);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarOwnPosiLL@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarOwnPosiLL(out ushort setting, out int latitude, out int longitude);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarOwnPosiLL@16", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarOwnPosiLL(ushort kind, ushort setting, int latitude, int longitude);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarNMEAHead@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarNMEAHead(ushort setting, ushort heading, short value);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarNMEAHead@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarNMEAHead(out ushort setting, out ushort heading, out short value);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarNMEAHead@16", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarNMEAHead(ushort kind, ushort setting, ushort heading, short value);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarHeadingAdjust@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarHeadingAdjust(ushort bearing);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarHeadingAdjust@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarHeadingAdjust(out ushort bearing);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarHeadingAdjust@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarHeadingAdjust(ushort kind, ushort bearing);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarMaxShiftSpeed@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarMaxShiftSpeed(ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarMaxShiftSpeed@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarMaxShiftSpeed(out ushort value);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarMaxShiftSpeed@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarMaxShiftSpeed(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarAmpType@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarAmpType(ushort type);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarAmpType@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarAmpType(out ushort type);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarAmpType@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarAmpType(ushort kind, ushort type);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarTuneInit@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarTuneInit(ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarTuneInit@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarTuneInit(out ushort value);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarTuneInit@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarTuneInit(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarAutoTune@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarAutoTune(ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarAutoTune@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarAutoTune(out ushort value);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarAutoTune@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarAutoTune(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneSetRadarTuneInd@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetRadarTuneInd(ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarTuneInd@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarTuneInd(out ushort value);
            [DllImport(Library, EntryPoint = "_OrvanePutRadarTuneInd@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutRadarTuneInd(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneSetArpaOnOff@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaOnOff(ushort setting1, ushort setting2);
            [DllImport(Library, EntryPoint = "_OrvaneGetArpaOnOff@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaOnOff(out ushort setting1, out ushort setting2);
            [DllImport(Library, EntryPoint = "_OrvanePutArpaOnOff@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaOnOff(ushort kind, ushort setting1, ushort setting2);
            [DllImport(Library, EntryPoint = "_OrvaneSetArpaAllClear@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaAllClear(ushort flag);
            [DllImport(Library, EntryPoint = "_OrvaneGetArpaAllClear@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaAllClear(out ushort flag);
            [DllImport(Library, EntryPoint = "_OrvanePutArpaAllClear@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaAllClear(ushort kind);
            [DllImport(Library, EntryPoint = "_OrvaneSetArpaPlotInterval@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaPlotInterval(ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneGetArpaPlotInterval@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaPlotInterval(out ushort value);
            [DllImport(Library, EntryPoint = "_OrvanePutArpaPlotInterval@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaPlotInterval(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneSetArpaVectorMode@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaVectorMode(ushort mode);
            [DllImport(Library, EntryPoint = "_OrvaneGetArpaVectorMode@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaVectorMode(out ushort mode);
            [DllImport(Library, EntryPoint = "_OrvanePutArpaVectorMode@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaVectorMode(ushort kind, ushort mode);
            [DllImport(Library, EntryPoint = "_OrvaneSetArpaVectorTime@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaVectorTime(ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneGetArpaVectorTime@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaVectorTime(out ushort value);
            [DllImport(Library, EntryPoint = "_OrvanePutArpaVectorTime@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaVectorTime(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneSetArpaCPA@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaCPA(ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneGetArpaCPA@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaCPA(out ushort value);
            [DllImport(Library, EntryPoint = "_OrvanePutArpaCPA@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaCPA(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneSetArpaTCPA@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaTCPA(ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneGetArpaTCPA@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaTCPA(out ushort value);
            [DllImport(Library, EntryPoint = "_OrvanePutArpaTCPA@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaTCPA(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneSetArpaAutoACQ@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaAutoACQ(ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneGetArpaAutoACQ@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaAutoACQ(out ushort setting);
            [DllImport(Library, EntryPoint = "_OrvanePutArpaAutoACQ@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaAutoACQ(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneSetArpaAlarm@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaAlarm(ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneGetArpaAlarm@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaAlarm(out ushort value);
            [DllImport(Library, EntryPoint = "_OrvanePutArpaAlarm@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaAlarm(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneSetArpaMark@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaMark(ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneGetArpaMark@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaMark(out ushort value);
            [DllImport(Library, EntryPoint = "_OrvanePutArpaMark@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaMark(ushort kind, ushort value);
            [DllImport(Library, EntryPoint = "_OrvaneSetArpaACQData@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaACQData(uint value, ushort bearing);
            [DllImport(Library, EntryPoint = "_OrvaneGetArpaACQData@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaACQData(out uint value, out ushort bearing);
            [DllImport(Library, EntryPoint = "_OrvanePutArpaACQData@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaACQData(ushort kind, int value, ushort bearing);
            [DllImport(Library, EntryPoint = "_OrvaneSetArpaEraseData@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaEraseData(ushort index);
            [DllImport(Library, EntryPoint = "_OrvaneGetArpaEraseData@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaEraseData(out ushort index);
            [DllImport(Library, EntryPoint = "_OrvanePutArpaEraseData@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaEraseData(ushort kind, ushort index);
            [DllImport(Library, EntryPoint = "_OrvaneSetArpaTargetNumber@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaTargetNumber(ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneGetArpaTargetNumber@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaTargetNumber(out ushort setting);
            [DllImport(Library, EntryPoint = "_OrvanePutArpaTargetNumber@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaTargetNumber(ushort kind, ushort setting);
            [DllImport(Library, EntryPoint = "_OrvaneSetArpaServerOnOff@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaServerOnOff(ushort setting1, ushort setting2);
            [DllImport(Library, EntryPoint = "_OrvaneGetArpaServerOnOff@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaServerOnOff(out ushort setting1, out ushort setting2);
            [DllImport(Library, EntryPoint = "_OrvanePutArpaServerOnOff@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaServerOnOff(ushort kind, ushort setting1, ushort setting2);
            [DllImport(Library, EntryPoint = "_OrvaneSetOwnCourse@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetOwnCourse(ushort setting, ushort course);
            [DllImport(Library, EntryPoint = "_OrvaneGetOwnCourse@8", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetOwnCourse(out ushort setting, out ushort course);
            [DllImport(Library, EntryPoint = "_OrvanePutOwnCourse@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutOwnCourse(ushort kind, ushort setting, ushort course);
            [DllImport(Library, EntryPoint = "_OrvaneSetArpaStatus@40", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaStatus(ushort value1, ushort value2, ushort value3, ushort value4, ushort value5, ushort value6, ushort value7, ushort value8, ushort value9, ushort value10);
            [DllImport(Library, EntryPoint = "_OrvaneGetArpaStatus@40", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaStatus(out ushort value1, out ushort value2, out ushort value3, out ushort value4, out ushort value5, out ushort value6, out ushort value7, out ushort value8, out ushort value9, out ushort value10);
            [DllImport(Library, EntryPoint = "_OrvanePutArpaStatus@44", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaStatus(ushort kind, ushort value1, ushort value2, ushort value3, ushort value4, ushort value5, ushort value6, ushort value7, ushort value8, ushort value9, ushort value10);
            [DllImport(Library, EntryPoint = "_OrvaneSetArpaAlarmStop@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetArpaAlarmStop(ushort flag);
            [DllImport(Library, EntryPoint = "_OrvaneGetArpaAlarmStop@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetArpaAlarmStop(out ushort flag);
            [DllImport(Library, EntryPoint = "_OrvanePutArpaAlarmStop@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvanePutArpaAlarmStop(ushort kind);
            [DllImport(Library, EntryPoint = "_OrvaneInitRadarEchoFunc@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneInitRadarEchoFunc(RadarEchoFunc callback);
            [DllImport(Library, EntryPoint = "_OrvaneSetTrailTime@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneSetTrailTime(ushort seconds);
            [DllImport(Library, EntryPoint = "_OrvaneGetRadarEchoData@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneGetRadarEchoData(ref EchoLineRecord record);
            [DllImport(Library, EntryPoint = "_OrvaneRecStartRadarEcho@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneRecStartRadarEcho([MarshalAs(UnmanagedType.LPStr)] string path);
            [DllImport(Library, EntryPoint = "_OrvaneRecEndRadarEcho@0", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneRecEndRadarEcho();
            [DllImport(Library, EntryPoint = "_OrvaneRecStartRadarEchoOneScreen@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneRecStartRadarEchoOneScreen([MarshalAs(UnmanagedType.LPStr)] string path);
            [DllImport(Library, EntryPoint = "_OrvaneReadStartRadarEcho@4", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneReadStartRadarEcho([MarshalAs(UnmanagedType.LPStr)] string path);
            [DllImport(Library, EntryPoint = "_OrvaneReadEndRadarEcho@0", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneReadEndRadarEcho();
            [DllImport(Library, EntryPoint = "_OrvaneCalCpaTcpa@32", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern short OrvaneCalCpaTcpa(int range, short bearing, short own_speed, short own_course, short target_speed, short target_course, out int cpa, out int tcpa);
        }
    }

    /// <summary>The network library's station directory and shutdown, and its source status values (orvane.h).</summary>
    public static class Orvane
    {
        /// <summary>the chosen name is not in the directory</summary>
        public const int ORVANE_STATUS_UNKNOWN_STATION = -1;
        /// <summary>no source chosen yet</summary>
        public const int ORVANE_STATUS_NO_SOURCE = 0;
        /// <summary>source chosen, no connection (yet, or lost)</summary>
        public const int ORVANE_STATUS_CONNECTING = 1;
        /// <summary>connected to the source's command port</summary>
        public const int ORVANE_STATUS_CONNECTED = 2;
        /// <summary>the session has been shut down</summary>
        public const int ORVANE_STATUS_ENDED = 3;

        const string Library = "orvane";
        // True where the exports carry decorated names: 32-bit Windows.
        static readonly bool Decorated =
            IntPtr.Size == 4 && Environment.OSVersion.Platform == PlatformID.Win32NT;

        /// <summary>
        /// Enters or replaces the station `name` (1 to 8 characters) in the directory,
        /// at the dotted IPv4 address `ipv4` and TCP command port `port`. Returns 0, or
        /// -1 for a bad name or address, or when the directory (16 stations) is full.
        /// </summary>
        /// <param name="name">the station name</param>
        /// <param name="ipv4">its dotted IPv4 address</param>
        /// <param name="port">its TCP command port</param>
        /// <returns>0 or -1</returns>
        public static int NetSetStation(string name, string ipv4, ushort port)
            => Decorated
                ? X86.NetSetStation(name, ipv4, port)
                : Plain.NetSetStation(name, ipv4, port);

        /// <summary>Empties the station directory.</summary>
        public static void NetClearStations()
        {
            if (Decorated) X86.NetClearStations();
            else Plain.NetClearStations();
        }

        /// <summary>
        /// Ends the session: stops the connection thread, leaves the connection's
        /// socket handle refusing every send, sets the status to ORVANE_STATUS_ENDED
        /// and calls the registered end callback once. Further calls do nothing until
        /// SetRadarSource starts a new session. Returns 0.
        /// </summary>
        /// <returns>0</returns>
        public static int NetShutdown()
            => Decorated
                ? X86.NetShutdown()
                : Plain.NetShutdown();

        // Plain names: 64-bit Windows, Linux and every other system.
        static class Plain
        {
            [DllImport(Library, EntryPoint = "NetSetStation", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern int NetSetStation([MarshalAs(UnmanagedType.LPStr)] string name, [MarshalAs(UnmanagedType.LPStr)] string ipv4, ushort port);
            [DllImport(Library, EntryPoint = "NetClearStations", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern void NetClearStations();
            [DllImport(Library, EntryPoint = "NetShutdown", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern int NetShutdown();
        }

        // Decorated stdcall names: 32-bit Windows.
        static class X86
        {
            [DllImport(Library, EntryPoint = "_NetSetStation@12", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern int NetSetStation([MarshalAs(UnmanagedType.LPStr)] string name, [MarshalAs(UnmanagedType.LPStr)] string ipv4, ushort port);
            [DllImport(Library, EntryPoint = "_NetClearStations@0", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern void NetClearStations();
            [DllImport(Library, EntryPoint = "_NetShutdown@0", ExactSpelling = true,
                CallingConvention = CallingConvention.StdCall)]
            internal static extern int NetShutdown();
        }
    }
}
