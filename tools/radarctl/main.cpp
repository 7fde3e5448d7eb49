// radarctl: the radar library's first client. A radar station simulator, the
// demo, PPI pictures of recordings, recording inspection and the CPA/TCPA
// calculator, all through the library's public interface.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "commands.h"

namespace {

const char usage[] =
    "usage: radarctl <command> [options]\n"
    "\n"
    "commands:\n"
    "  demo [--out DIR] [--revolutions N]\n"
    "      start a simulated radar on loopback, open a session, exchange sentences,\n"
    "      receive echo with trails, record it, play it back, write PPI pictures\n"
    "      (DIR/demo-live.png, DIR/demo-playback.png) and print CPA/TCPA of the ships\n"
    "  sim [--address A] [--port P] [--echo-to A] [--rpm N] [--seconds S] [--verbose]\n"
    "      run a radar station simulator: a TCP command port on A:P, echo datagrams\n"
    "      to the echo address, UDP port 10024 (default: loopback, any port, 60 rpm)\n"
    "  render FILE -o OUT.png [--size N]\n"
    "      play a recording through the library and draw its PPI picture\n"
    "  info FILE\n"
    "      datagrams, lines, revolutions, sweep coverage and gaps, sample counts,\n"
    "      scale codes and malformed datagrams of a recording\n"
    "  cpa --range NM --bearing DEG --own-speed KN --own-course DEG\n"
    "      --target-speed KN --target-course DEG\n"
    "      closest point of approach and time to it, by the library's calculator\n"
    "  serve (--sim | --station NAME --host A --port P | --play FILE [--rpm N] [--loop])\n"
    "        [--listen ADDR:PORT] [--token T]\n"
    "      serve the radar over HTTP and WebSocket, with a PPI viewer in the browser\n"
    "      (default 127.0.0.1:8080; see docs/server.md)\n"
    "  --help\n"
    "      this text\n";

}  // namespace

int main(int argc, char **argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 ||
        std::strcmp(argv[1], "help") == 0) {
        std::fputs(usage, argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "demo") return radarctl::run_demo(args);
    if (command == "sim") return radarctl::run_sim(args);
    if (command == "render") return radarctl::run_render(args);
    if (command == "info") return radarctl::run_info(args);
    if (command == "cpa") return radarctl::run_cpa(args);
#if RADARCTL_SERVE
    if (command == "serve") return radarctl::run_serve(args);
#endif
    std::fprintf(stderr, "radarctl: unknown command \"%s\"\n\n%s", command.c_str(), usage);
    return 2;
}
