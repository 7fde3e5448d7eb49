// The subcommands of radarctl. Each takes the arguments after its name and
// returns the process's exit status: 0 done, 1 a step failed, 2 bad usage.
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

class Capture;
// Plays a recording through the library into the capture's playback picture
// and waits until its last datagram has come, or nothing more comes.
bool play_back(Capture &capture, const std::string &path);

// Options of the form "--name value", and `flags` that stand alone ("--verbose"
// always does); false (with a message) on anything else.
class Options {
  public:
    Options(const std::vector<std::string> &args, const std::vector<std::string> &names,
            const std::vector<std::string> &flags = {});
    bool ok() const { return ok_; }
    bool has(const std::string &name) const;
    std::string text(const std::string &name, const std::string &fallback = "") const;
    double number(const std::string &name, double fallback) const;
    const std::vector<std::string> &positional() const { return positional_; }

  private:
    bool ok_ = true;
    std::vector<std::pair<std::string, std::string>> values_;
    std::vector<std::string> positional_;
};

}  // namespace radarctl
