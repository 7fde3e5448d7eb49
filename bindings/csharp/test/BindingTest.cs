// The C# binding against the real library and a running `radarctl sim`. It prints the echo
// line record's layout and the CPA calculator's results as the C reference prints them
// (run_test.py compares the two), round-trips every shape of Set and Get, and over a session
// with the station orders a setting and takes echo lines through callbacks that only the
// binding holds, the garbage collector forced in between.
// Usage: BindingTest PORT ROW... (a row: range,bearing,own_speed,own_course,target_speed,
// target_course). Prints "ok" and exits 0 when every check held.
using System;
using System.Diagnostics;
using System.Linq;
using System.Runtime.CompilerServices;
using System.Runtime.InteropServices;
using System.Threading;
using Radar;
using static Radar.Orvane;
using static Radar.RadarApi;

static class BindingTest
{
    static int failures, notices, gainNotices, lines, badLines;

    static void Check(bool held, string what)
    {
        if (held) return;
        Console.Error.WriteLine("FAILED: {0}", what);
        ++failures;
    }

    class Row
    {
        public string Name;
        public Func<bool> Holds;
        public Row(string name, Func<bool> holds) { Name = name; Holds = holds; }
    }

    // Set, then Get: each row a different shape of arguments (widths, signs, a selector taken
    // by value before pointers, ten values in a row), with values at the ends of their ranges.
    static readonly Row[] recordRows = {
        new Row("u16,u16,u32 (cursor position)", () => {
            ushort s, b; uint d;
            return OrvaneSetRadarCursorPos(1, 3599, 99999999) == RADAR_OK &&
                   OrvaneGetRadarCursorPos(out s, out b, out d) == RADAR_OK &&
                   s == 1 && b == 3599 && d == 99999999;
        }),
        new Row("i16 selector by value, then pointers (guard zone 2)", () => {
            ushort s, t, b1, b2; uint d1, d2;
            return OrvaneSetRadarGuard(2, 1, 4, 17, 3599, 1, 99999999) == RADAR_OK &&
                   OrvaneGetRadarGuard(2, out s, out t, out b1, out b2, out d1, out d2) == RADAR_OK &&
                   s == 1 && t == 4 && b1 == 17 && b2 == 3599 && d1 == 1 && d2 == 99999999;
        }),
        new Row("u16,i32,i32 negative (own position)", () => {
            ushort s; int lat, lon;
            return OrvaneSetRadarOwnPosiLL(1, -353894400, 707788800) == RADAR_OK &&
                   OrvaneGetRadarOwnPosiLL(out s, out lat, out lon) == RADAR_OK &&
                   s == 1 && lat == -353894400 && lon == 707788800;
        }),
        new Row("u16,u16,i16 negative (NMEA heading)", () => {
            ushort s, h; short v;
            return OrvaneSetRadarNMEAHead(1, 3599, -1799) == RADAR_OK &&
                   OrvaneGetRadarNMEAHead(out s, out h, out v) == RADAR_OK &&
                   s == 1 && h == 3599 && v == -1799;
        }),
        new Row("u32 at its top (total power-on hours)", () => {
            uint h;
            return OrvaneSetRadarTotalOnHours(uint.MaxValue) == RADAR_OK &&
                   OrvaneGetRadarTotalOnHours(out h) == RADAR_OK && h == uint.MaxValue;
        }),
        new Row("ten u16 in order (ARPA status)", () => {
            var v = new ushort[10];
            return OrvaneSetArpaStatus(1, 2, 3, 4, 5, 6, 7, 8, 9, 65535) == RADAR_OK &&
                   OrvaneGetArpaStatus(out v[0], out v[1], out v[2], out v[3], out v[4], out v[5],
                                       out v[6], out v[7], out v[8], out v[9]) == RADAR_OK &&
                   v.SequenceEqual(new ushort[] {1, 2, 3, 4, 5, 6, 7, 8, 9, 65535});
        }),
        new Row("out of range: nothing stored", () => {
            ushort m, l;
            return OrvaneSetRadarGain(1, 30) == RADAR_OK &&
                   OrvaneSetRadarGain(4, 50) == RADAR_OUT_OF_RANGE &&
                   OrvaneGetRadarGain(out m, out l) == RADAR_OK && m == 1 && l == 30;
        }),
        new Row("refused: trail time 0x8000", () => OrvaneSetTrailTime(0x8000) == RADAR_REFUSED),
    };

    static void OnEcho(ref EchoLineRecord line, byte[] samples)
    {
        int count = line.CopySamples(samples);
        bool good = line.Mode == 1 && line.Data != IntPtr.Zero && count == line.SampleCount &&
                    count >= 1 && count <= 512 && line.Sweep < 8192 && line.ScaleCode < 64 &&
                    samples.Take(count).All(level => level <= 15);
        if (good) Interlocked.Increment(ref lines);
        else Interlocked.Increment(ref badLines);
    }

    // Callbacks held by nobody but the binding: closures made here (a lambda that captures
    // nothing would be held by the compiler's cache), so that after the return no frame refers
    // to them. Were the binding to drop them, a collection would leave the library calling a
    // delegate whose closure is gone.
    [MethodImpl(MethodImplOptions.NoInlining)]
    static void Open(ushort port)
    {
        Check(NetSetStation("RADARSIM", "127.0.0.1", port) == 0, "NetSetStation");
        int gainCode = RADAR_CODE_GAIN;
        var samples = new byte[512];
        Check(OrvaneInitRadarFunc("RADARSIM", code => {
            if (code == gainCode) Interlocked.Increment(ref gainNotices);
            Interlocked.Increment(ref notices);
        }) == RADAR_OK, "OrvaneInitRadarFunc");
        Check(OrvaneInitRadarFunc("bad name!", code => gainCode = -1) == RADAR_REFUSED,
              "a bad name refused");
        Check(OrvaneInitRadarEchoFunc((ref EchoLineRecord line) => OnEcho(ref line, samples)) ==
              RADAR_OK, "OrvaneInitRadarEchoFunc");
    }

    static void Collect()
    {
        GC.Collect();
        GC.WaitForPendingFinalizers();
        GC.Collect();
    }

    static bool Within(int seconds, Func<bool> done)
    {
        var clock = Stopwatch.StartNew();
        while (clock.Elapsed.TotalSeconds < seconds)
        {
            if (done()) return true;
            Thread.Sleep(10);
        }
        return done();
    }

    static int Main(string[] args)
    {
        var t = typeof(EchoLineRecord);
        var offsets = t.GetFields().OrderBy(f => f.MetadataToken).Select(f => Marshal.OffsetOf(t, f.Name).ToString());
        Console.WriteLine("layout {0} {1}", Marshal.SizeOf(t), string.Join(" ", offsets));
        foreach (var row in args.Skip(1))
        {
            var a = row.Split(',').Select(int.Parse).ToArray();
            int cpa, tcpa;
            short status = OrvaneCalCpaTcpa(a[0], (short)a[1], (short)a[2], (short)a[3],
                                            (short)a[4], (short)a[5], out cpa, out tcpa);
            Console.WriteLine(status == RADAR_OK ? "cpa {0} {1} {2} {3}" : "cpa {0} {1}", row,
                              status, cpa, tcpa);
        }
        foreach (var row in recordRows) Check(row.Holds(), row.Name);

        var version = new byte[16];
        Check(OrvaneGetRadarDllVersionNo(version) == 15 && version[14] == 0 && version[13] != 0,
              "the version text fills 15 bytes");

        Open(ushort.Parse(args[0]));
        Collect();

        Check(Within(10, () => OrvaneGetRadarSourceStatus() == ORVANE_STATUS_CONNECTED &&
                               Volatile.Read(ref notices) > 0), "connected, settings announced");
        Collect();
        int gainsBefore = Volatile.Read(ref gainNotices);
        Check(OrvanePutRadarGain(RADAR_KIND_ORDER, 3, 45) == RADAR_OK, "OrvanePutRadarGain");
        ushort mode = 0, level = 0;
        Check(Within(10, () => OrvaneGetRadarGain(out mode, out level) == RADAR_OK && mode == 3 &&
                               level == 45 && Volatile.Read(ref gainNotices) > gainsBefore),
              $"the station announced the ordered gain back (mode {mode}, level {level})");
        Check(OrvanePutRadarGain(6, 3, 45) == RADAR_OUT_OF_RANGE, "kind 6 refused");

        Collect();
        Check(Within(10, () => Volatile.Read(ref lines) >= 200), $"echo lines ({lines} came)");
        Check(Volatile.Read(ref badLines) == 0, $"{badLines} echo lines out of their ranges");

        NetShutdown();
        if (failures != 0) return 1;
        Console.WriteLine("ok");
        return 0;
    }
}
