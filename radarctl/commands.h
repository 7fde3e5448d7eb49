// The subcommands of radarctl. Each takes the arguments after its name and
// returns the process's exit status: 0 done, 1 a step failed (said on stderr,
// naming the file and the system's reason where one was involved), 2 bad
// usage (said in one line by bad_usage; main then prints the usage). main.cpp
// holds the table of commands with their usage texts.
#pragma once

#include <string>
#include <vector>

namespace radarctl {

int run_demo(const std::vector<std::string> &args);
int run_sim(const std::vector<std::string> &args);
int run_render(const std::vector<std::string> &args);
int run_info(const std::vector<std::string> &args);
int run_cpa(const std::vector<std::string> &args);
int run_serve(const std::vector<std::string> &args);
int run_track(const std::vector<std::string> &args);

// Says on stderr what was wrong with the command line, in one line, and
// returns 2.
int bad_usage(const char *command, const std::string &why);

class Capture;
// Plays a recording through the library into the capture's playback picture
// and waits until its last datagram has come, or nothing more comes.
bool play_back(Capture &capture, const std::string &path);

// Options of the form "--name value", and `flags` that stand alone; anything
// else makes the first problem the error().
class Options {
  public:
    Options(const std::vector<std::string> &args, const std::vector<std::string> &names,
            const std::vector<std::string> &flags = {});
    bool ok() const { return error_.empty(); }
    const std::string &error() const { return error_; }
    bool has(const std::string &name) const;
    std::string text(const std::string &name, const std::string &fallback = "") const;
    double number(const std::string &name, double fallback) const;
    const std::vector<std::string> &positional() const { return positional_; }

  private:
    std::string error_;
    std::vector<std::pair<std::string, std::string>> values_;
    std::vector<std::string> positional_;
};

}  // namespace radarctl
