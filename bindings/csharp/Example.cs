// A first C# program against the radar library: it opens a session with the radar station at
// HOST:PORT (default host 127.0.0.1, as `radarctl sim --port PORT` listens), reads the gain the
// station announced, orders another and waits for the station's answer, takes echo lines from
// the library's ring and works out the closest point of approach of a target.
//
//     mcs -out:Example.exe Radar.cs Example.cs
//     mono Example.exe PORT [HOST]        (Windows: Example.exe PORT [HOST])
//
// Exit status 0 when every step worked.
using System;
using System.Diagnostics;
using System.Text;
using System.Threading;
using Radar;
using static Radar.Orvane;
using static Radar.RadarApi;

static class Example
{
    static int notices;

    static int Main(string[] args)
    {
        if (args.Length < 1 || args.Length > 2)
        {
            Console.Error.WriteLine("usage: Example PORT [HOST]");
            return 2;
        }
        var version = new byte[15];
        OrvaneGetRadarDllVersionNo(version);
        Console.WriteLine("radar library {0}", Encoding.ASCII.GetString(version, 0, 14));

        // The network library finds the station by name in its directory.
        NetSetStation("RADARSIM", args.Length > 1 ? args[1] : "127.0.0.1", ushort.Parse(args[0]));
        // The binding keeps the lambda alive for as long as the library may call it.
        if (OrvaneInitRadarFunc("RADARSIM", code => Interlocked.Increment(ref notices)) != RADAR_OK)
            return Fail("OrvaneInitRadarFunc");
        // No echo callback: the lines wait in the library's ring for OrvaneGetRadarEchoData.
        // Should another program hold the echo port, the library asks for it again each second.
        short echo = OrvaneInitRadarEchoFunc(null);
        if (echo != RADAR_OK)
            Console.WriteLine("UDP port 10024 is taken (status {0}): waiting for it", echo);

        // An order goes to the peer of the latest incoming sentence: wait for the station's
        // announcements first.
        if (!Within(10, () => OrvaneGetRadarSourceStatus() == ORVANE_STATUS_CONNECTED &&
                              Volatile.Read(ref notices) > 0))
            return Fail("no connection to the station");
        ushort mode, level;
        OrvaneGetRadarGain(out mode, out level);
        Console.WriteLine("connected; the station announced gain mode {0}, level {1} %", mode, level);

        ushort wantedLevel = (ushort)(level == 60 ? 61 : 60);
        if (OrvanePutRadarGain(RADAR_KIND_ORDER, 2, wantedLevel) != RADAR_OK)
            return Fail("OrvanePutRadarGain");
        if (!Within(10, () => OrvaneGetRadarGain(out mode, out level) == RADAR_OK && mode == 2 &&
                              level == wantedLevel))
            return Fail("the station's answer to the gain order");
        Console.WriteLine("gain mode 2, level {0} % ordered and announced back", level);

        // Lines from the ring: Data points into the ring, so copy what is needed at once.
        var line = new EchoLineRecord();
        var samples = new byte[512];
        int taken = 0, strongest = 0;
        if (!Within(10, () =>
            {
                while (OrvaneGetRadarEchoData(ref line) > 0)
                {
                    int count = line.CopySamples(samples);
                    for (int i = 0; i < count; ++i)
                        if (samples[i] <= 7) strongest = Math.Max(strongest, samples[i]);
                    ++taken;
                }
                return taken >= 100;
            }))
            return Fail("no echo lines");
        Console.WriteLine("{0} echo lines taken, the last at sweep {1} of 8192 with {2} samples; " +
                          "strongest echo level {3} of 7", taken, line.Sweep, line.SampleCount,
                          strongest);

        // A target 5.00 NM away on bearing 090.0, own ship 10.0 kn on 000.0, the target 10.0 kn on
        // 270.0: crossing ahead. Results in 16.16 fixed point.
        int cpa, tcpa;
        if (OrvaneCalCpaTcpa(500, 900, 100, 0, 100, 2700, out cpa, out tcpa) != RADAR_OK)
            return Fail("OrvaneCalCpaTcpa");
        Console.WriteLine("target at 5.00 NM bearing 090.0 degrees: CPA {0:F2} NM in {1:F1} min",
                          cpa / 65536.0, tcpa / 65536.0);

        NetShutdown();
        Console.WriteLine("example done");
        return 0;
    }

    // Polls `done` every 10 ms for at most `seconds`.
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

    static int Fail(string step)
    {
        Console.Error.WriteLine("example: FAILED: {0}", step);
        NetShutdown();
        return 1;
    }
}
