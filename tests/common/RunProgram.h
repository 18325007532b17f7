#pragma once
// Runs a program as a user would from a shell, with extra environment
// variables, and collects what it printed and how it ended.

#include <map>
#include <string>
#include <vector>

struct ProgramResult {
  int exitCode = -1;     // -1 when the program did not exit normally
  int signal = 0;        // the signal that ended it, if any
  bool timedOut = false;
  std::string out;
  std::string err;
};

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::map<std::string, std::string>& env = {}, int timeoutSeconds = 120);
