#pragma once
// Runs a program in a given folder with a time limit, as a user would from a
// shell there, and tells how it ended: exit code or signal, whether it had to
// be stopped, its peak memory and what it printed.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct RunRequest {
  std::string program;
  std::vector<std::string> args;
  std::filesystem::path folder;                // working folder
  std::filesystem::path outputFolder;          // where stdout.txt and stderr.txt go
  std::map<std::string, std::string> env;      // set on top of ours, without any LMWS_ variable of ours
  std::optional<std::string> user;             // run as this user when we are root
  int timeoutSeconds = 60;
};

struct RunOutcome {
  int exitCode = -1;  // -1 when the program did not exit by itself
  int signal = 0;     // the signal that ended it
  bool timedOut = false;
  long peakMemoryKb = 0;
  double seconds = 0;
  std::string out;
  std::string err;
};

// Throws std::runtime_error when the program cannot be started at all.
RunOutcome RunInFolder(const RunRequest& request);
