#include "XvfbDisplay.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

constexpr auto kStartTimeout = std::chrono::seconds(10);

}  // namespace

XvfbDisplay::XvfbDisplay(const std::string& xvfb, const std::filesystem::path& logFile) {
  int ready[2];
  if (::pipe2(ready, O_CLOEXEC) != 0) {
    error_ = "no pipe for the display number";
    return;
  }
  // The server writes its display number to the pipe once it accepts
  // connections, so no waiting for a socket to appear is needed.
  server_ = std::make_unique<BackgroundProcess>(
      xvfb,
      std::vector<std::string>{"-displayfd", std::to_string(ready[1]), "-screen", "0", "1280x1024x24", "-nolisten",
                               "tcp"},
      std::map<std::string, std::string>{}, logFile, logFile, ready[1]);
  ::close(ready[1]);

  std::string number;
  const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
  while (number.empty() || number.back() != '\n') {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    pollfd fd{ready[0], POLLIN, 0};
    char buffer[32];
    if (left.count() <= 0 || ::poll(&fd, 1, static_cast<int>(left.count())) <= 0) break;
    const ssize_t n = ::read(ready[0], buffer, sizeof buffer);
    if (n <= 0) break;
    number.append(buffer, static_cast<size_t>(n));
  }
  ::close(ready[0]);
  if (number.empty() || number.back() != '\n') {
    error_ = "Xvfb gave no display number (see " + logFile.string() + ")";
    server_.reset();
    return;
  }
  number.pop_back();
  name_ = ":" + number;
}
