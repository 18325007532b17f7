#include "BackgroundProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <thread>

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr auto kExitPollInterval = std::chrono::milliseconds(10);

std::vector<std::string> MergedEnvironment(const std::map<std::string, std::string>& overrides) {
  std::vector<std::string> merged;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    if (overrides.count(text.substr(0, text.find('='))) == 0) merged.push_back(text);
  }
  for (const auto& [name, value] : overrides) merged.push_back(name + "=" + value);
  return merged;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

ProcessEnd EndOf(int status) {
  ProcessEnd end;
  if (WIFEXITED(status)) end.exitCode = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) end.signal = WTERMSIG(status);
  return end;
}

}  // namespace

BackgroundProcess::BackgroundProcess(const std::string& program, const std::vector<std::string>& args,
                                     const std::map<std::string, std::string>& env, const fs::path& outFile,
                                     const fs::path& errFile, int passedFd) {
  // Everything the child needs is made before the fork: after it, only
  // async-signal-safe calls.
  std::vector<std::string> argTexts{program};
  argTexts.insert(argTexts.end(), args.begin(), args.end());
  std::vector<std::string> envTexts = MergedEnvironment(env);
  const std::vector<char*> argv = Pointers(argTexts);
  const std::vector<char*> envp = Pointers(envTexts);
  const std::string outPath = outFile.string();
  const std::string errPath = errFile.string();

  pid_ = ::fork();
  if (pid_ != 0) {
    // Both sides set the group, so that it exists whichever runs first.
    if (pid_ > 0) ::setpgid(pid_, pid_);
    return;
  }
  ::setpgid(0, 0);
  const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  // One file for both keeps one write position, so neither overwrites the other.
  const int err = errPath == outPath ? out : ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (out < 0 || err < 0) ::_exit(127);
  ::dup2(out, STDOUT_FILENO);
  ::dup2(err, STDERR_FILENO);
  if (passedFd >= 0) ::fcntl(passedFd, F_SETFD, 0);
  ::execve(program.c_str(), argv.data(), envp.data());
  ::_exit(127);
}

BackgroundProcess::~BackgroundProcess() { Stop(); }

std::optional<ProcessEnd> BackgroundProcess::WaitUntil(Deadline deadline) {
  while (!end_ && pid_ > 0) {
    int status = 0;
    const pid_t done = ::waitpid(pid_, &status, WNOHANG);
    if (done == pid_) {
      end_ = EndOf(status);
      // What the program started may still run in its group.
      ::kill(-pid_, SIGKILL);
    } else if (done < 0 || std::chrono::steady_clock::now() >= deadline) {
      break;
    } else {
      std::this_thread::sleep_for(kExitPollInterval);
    }
  }
  return end_;
}

void BackgroundProcess::Stop() {
  if (pid_ <= 0 || end_) return;
  ::kill(-pid_, SIGTERM);
  if (WaitUntil(std::chrono::steady_clock::now() + std::chrono::seconds(2))) return;
  ::kill(-pid_, SIGKILL);
  WaitUntil(std::chrono::steady_clock::now() + std::chrono::seconds(10));
}

std::string FindProgram(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string folders = path != nullptr ? path : "/usr/bin:/bin";
  size_t start = 0;
  while (start <= folders.size()) {
    const size_t end = std::min(folders.find(':', start), folders.size());
    const fs::path candidate = fs::path(folders.substr(start, end - start)) / name;
    if (end > start && ::access(candidate.c_str(), X_OK) == 0) return candidate.string();
    start = end + 1;
  }
  return {};
}
