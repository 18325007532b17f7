#include "ProgramRun.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace {

std::string ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Our environment without the suite's variables, then the request's.
std::vector<std::string> ChildEnvironment(const std::map<std::string, std::string>& extra) {
  std::vector<std::string> env;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string item(*entry);
    const std::string name = item.substr(0, item.find('='));
    if (name.rfind("LMWS_", 0) == 0 || extra.count(name) != 0) continue;
    env.push_back(item);
  }
  for (const auto& [name, value] : extra) env.push_back(name + "=" + value);
  return env;
}

std::vector<char*> Pointers(std::vector<std::string>& items) {
  std::vector<char*> pointers;
  for (std::string& item : items) pointers.push_back(item.data());
  pointers.push_back(nullptr);
  return pointers;
}

// In the child, before exec: only async-signal-safe calls from here on.
[[noreturn]] void StartChild(const RunRequest& request, int outFd, int errFd, const passwd* user, char** argv,
                             char** envp) {
  ::setpgid(0, 0);
  ::dup2(outFd, STDOUT_FILENO);
  ::dup2(errFd, STDERR_FILENO);
  const int nullFd = ::open("/dev/null", O_RDONLY);
  if (nullFd >= 0) ::dup2(nullFd, STDIN_FILENO);
  if (user != nullptr) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(user->pw_gid) != 0 || ::setuid(user->pw_uid) != 0) ::_exit(126);
  }
  if (::chdir(request.folder.c_str()) != 0) ::_exit(126);
  ::execve(argv[0], argv, envp);
  ::_exit(127);
}

}  // namespace

RunOutcome RunInFolder(const RunRequest& request) {
  const passwd* user = nullptr;
  if (request.user && ::geteuid() == 0) {
    user = ::getpwnam(request.user->c_str());
    if (user == nullptr) throw std::runtime_error("no user named " + *request.user);
  }
  const auto outFile = request.outputFolder / "stdout.txt";
  const auto errFile = request.outputFolder / "stderr.txt";
  const int outFd = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  const int errFd = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (outFd < 0 || errFd < 0) throw std::runtime_error("cannot create the output files in " + request.outputFolder.string());

  std::vector<std::string> args{request.program};
  args.insert(args.end(), request.args.begin(), request.args.end());
  std::vector<std::string> env = ChildEnvironment(request.env);
  std::vector<char*> argv = Pointers(args);
  std::vector<char*> envp = Pointers(env);

  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("cannot fork");
  if (pid == 0) StartChild(request, outFd, errFd, user, argv.data(), envp.data());
  ::close(outFd);
  ::close(errFd);

  RunOutcome outcome;
  const auto deadline = start + std::chrono::seconds(request.timeoutSeconds);
  int status = 0;
  rusage usage{};
  while (::wait4(pid, &status, WNOHANG, &usage) == 0) {
    if (std::chrono::steady_clock::now() >= deadline) {
      outcome.timedOut = true;
      ::kill(-pid, SIGKILL);
      ::kill(pid, SIGKILL);
      ::wait4(pid, &status, 0, &usage);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  outcome.peakMemoryKb = usage.ru_maxrss;
  if (!outcome.timedOut && WIFEXITED(status)) outcome.exitCode = WEXITSTATUS(status);
  if (!outcome.timedOut && WIFSIGNALED(status)) outcome.signal = WTERMSIG(status);
  outcome.out = ReadAll(outFile);
  outcome.err = ReadAll(errFile);
  return outcome;
}
