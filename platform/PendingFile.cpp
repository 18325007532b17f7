#include "PendingFile.h"

#include <unistd.h>

#include <climits>
#include <csignal>
#include <cstring>

namespace platform {
namespace {

// Fixed storage, since a signal handler may not allocate. A path too long
// for it is left to the writer's own clean-up.
char g_path[PATH_MAX];
volatile std::sig_atomic_t g_pending = 0;

}  // namespace

void SetPendingFile(const std::string& path) {
  g_pending = 0;
  if (path.empty() || path.size() >= sizeof g_path) return;
  std::memcpy(g_path, path.c_str(), path.size() + 1);
  g_pending = 1;
}

void RemovePendingFile() noexcept {
  if (g_pending != 0) ::unlink(g_path);
}

}  // namespace platform
