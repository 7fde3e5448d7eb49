// radarctl: the radar library's first client. A radar station simulator, the
// demo, PPI pictures of recordings, recording inspection, the CPA/TCPA
// calculator and the radar server, all through the library's public interface.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "commands.h"

namespace {

#if !RADARCTL_SERVE
int serve_missing(const std::vector<std::string> &) {
    std::fputs(
        "radarctl serve: this radarctl is built without the server "
        "(it needs Boost and nlohmann-json; tools/setup.sh installs them)\n",
        stderr);
    return 1;
}
#endif

// Every command: its usage, one form a line (a line opening with spaces goes
// on from the one before), what it does, and the function that runs it with
// the arguments after its name. Exit status: 0 done, 1 failed, 2 bad usage.
struct Command {
    const char *name;
    const char *usage;
    const char *about;
    int (*run)(const std::vector<std::string> &args);
};

const Command commands[] = {
    {"demo", "radarctl demo [--out DIR] [--revolutions N]",
     "start a simulated radar on loopback, open a session, exchange sentences,\n"
     "receive echo with trails for N revolutions (1-20, default 3), record the last\n"
     "one (DIR/demo.rec), play it back, write PPI pictures (DIR/demo-live.png,\n"
     "DIR/demo-playback.png; DIR defaults to .) and print CPA/TCPA of the ships",
     radarctl::run_demo},
    {"sim",
     "radarctl sim [--address A] [--port P] [--echo-to A] [--rpm N] [--seconds S] [--verbose]\n"
     "    [--scenario FILE [--nmea-out udp://ADDR:PORT]]",
     "run a radar station simulator: a TCP command port on A:P, echo datagrams\n"
     "to the echo address, UDP port 10024 (default: loopback, any port, 60 rpm),\n"
     "for S seconds or until Ctrl-C. With a scenario (a JSON file of own ship, the\n"
     "ships and their turns, sea and sensor noise, which radarctl's documentation\n"
     "describes) own ship moves and is announced each second (heading, position,\n"
     "course), and --nmea-out also sends it as NMEA HDT and RMC datagrams",
     radarctl::run_sim},
    {"track", "radarctl track --scenario FILE --at T1,T2,...",
     "run a scenario through the echo encoder, the library's decoder and the\n"
     "target tracker as fast as the machine allows, and print the targets at\n"
     "each scene time Ti (seconds) as one line of JSON",
     radarctl::run_track},
    {"render", "radarctl render FILE -o OUT.png [--size N]",
     "play a recording through the library and draw its PPI picture, N x N pixels\n"
     "(64-4096, default 512)",
     radarctl::run_render},
    {"info", "radarctl info FILE",
     "datagrams, lines, revolutions, sweep coverage and gaps, sample counts,\n"
     "scale codes and malformed datagrams of a recording",
     radarctl::run_info},
    {"cpa",
     "radarctl cpa --range NM --bearing DEG [--own-speed KN] [--own-course DEG]\n"
     "    [--target-speed KN] [--target-course DEG]",
     "closest point of approach and time to it, by the library's calculator\n"
     "(speeds and courses default to 0)",
     radarctl::run_cpa},
    {"serve",
     "radarctl serve --sim [--rpm N | --scenario FILE]\n"
     "radarctl serve --station NAME --host A --port P\n"
     "radarctl serve --play FILE [--rpm N] [--loop]\n"
     "    each with [--listen ADDR:PORT] [--token T | --token-file FILE] [--trails SECONDS]\n"
     "    [--nmea-in udp://ADDR:PORT | tcp://HOST:PORT] [--cpa-limit NM] [--tcpa-limit MIN]\n"
     "    [--acquire-zone FROM,TO,INNER,OUTER]",
     "serve the radar over HTTP and WebSocket, with a PPI viewer in the browser\n"
     "(default 127.0.0.1:8080). Changes need the control token, 12-128 printable\n"
     "characters: --token T (visible to anyone who lists the processes, as with ps),\n"
     "--token-file FILE (its first line) or the RADARCTL_TOKEN environment variable;\n"
     "without them a random one is made and printed. Targets are tracked from the\n"
     "echo; own ship comes from NMEA 0183 (--nmea-in) or the radar. Dangerous within\n"
     "--cpa-limit (default 1 NM) and --tcpa-limit (default 12 min), the first values\n"
     "of the limits the viewer's panel changes. The viewer is the page at the listen\n"
     "address; radarctl's documentation describes the server's API and the viewer.",
#if RADARCTL_SERVE
     radarctl::run_serve},
#else
     serve_missing},
#endif
};

bool is_help(const std::string &a) { return a == "--help" || a == "-h"; }

// Prints `text` line by line, the first line after `first`, the others after `rest`.
void print_lines(std::FILE *to, const char *text, const char *first, const char *rest) {
    const char *prefix = first;
    for (const char *line = text; *line != '\0';) {
        const char *end = std::strchr(line, '\n');
        const int length = static_cast<int>(end != nullptr ? end - line : std::strlen(line));
        std::fprintf(to, "%s%.*s\n", prefix, length, line);
        prefix = rest;
        line += length + (end != nullptr ? 1 : 0);
    }
}

void print_usage(const Command &command, std::FILE *to) {
    print_lines(to, command.usage, "usage: ", "       ");
    std::fputc('\n', to);
    print_lines(to, command.about, "", "");
}

void print_overview(std::FILE *to) {
    std::fputs(
        "usage: radarctl <command> [options]\n"
        "       radarctl <command> --help\n"
        "\n"
        "commands:",
        to);
    for (const Command &command : commands) {
        std::fputc('\n', to);
        print_lines(to, command.usage, "  ", "  ");
        print_lines(to, command.about, "      ", "      ");
    }
    std::fputs("\nexit status: 0 done, 1 failed (the message says why), 2 bad usage\n", to);
}

}  // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        print_overview(stderr);
        return 2;
    }
    const std::string name = argv[1];
    if (is_help(name) || name == "help") {
        print_overview(stdout);
        return 0;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    for (const Command &command : commands) {
        if (name != command.name) continue;
        for (const std::string &a : args)
            if (is_help(a)) {
                print_usage(command, stdout);
                return 0;
            }
        const int status = command.run(args);
        if (status == 2) {
            std::fputc('\n', stderr);
            print_usage(command, stderr);
        }
        return status;
    }
    std::fprintf(stderr, "radarctl: unknown command \"%s\"\n\n", name.c_str());
    print_overview(stderr);
    return 2;
}
