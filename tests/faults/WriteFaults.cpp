#include "WriteFaults.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

extern "C" {
int __real_mkstemp(char* pattern);
FILE* __real_fdopen(int fd, const char* mode);
std::size_t __real_fwrite(const void* data, std::size_t size, std::size_t count, FILE* stream);
int __real_fflush(FILE* stream);
int __real_fsync(int fd);
int __real_fclose(FILE* stream);
int __real_rename(const char* from, const char* to);
}

const WriteStep kWriteSteps[7] = {{"mkstemp", EACCES}, {"fdopen", ENOMEM}, {"fwrite", ENOSPC}, {"fflush", ENOSPC},
                                  {"fsync", EIO},      {"fclose", EIO},    {"rename", EACCES}};

namespace {

struct Armed {
  const char* call = nullptr;
  int failAt = -1;
  int calls = 0;
  bool fired = false;
};

Armed armed;

bool StandardStream(FILE* stream) { return stream == nullptr || stream == stdout || stream == stderr; }

// Counts a call; true, with errno set, when this one is to fail.
bool FailsNow(const char* call, int error) {
  if (armed.call == nullptr || std::strcmp(armed.call, call) != 0) return false;
  const bool fail = armed.calls++ == armed.failAt;
  armed.fired = armed.fired || fail;
  if (fail) errno = error;
  return fail;
}

bool FailsNow(int index) { return FailsNow(kWriteSteps[index].call, kWriteSteps[index].error); }

}  // namespace

extern "C" {

int __wrap_mkstemp(char* pattern) { return FailsNow(0) ? -1 : __real_mkstemp(pattern); }

FILE* __wrap_fdopen(int fd, const char* mode) { return FailsNow(1) ? nullptr : __real_fdopen(fd, mode); }

std::size_t __wrap_fwrite(const void* data, std::size_t size, std::size_t count, FILE* stream) {
  if (!StandardStream(stream) && FailsNow(2)) {
    const int error = errno;
    const std::size_t written = __real_fwrite(data, size, count / 2, stream);
    errno = error;
    return written;
  }
  return __real_fwrite(data, size, count, stream);
}

int __wrap_fflush(FILE* stream) { return !StandardStream(stream) && FailsNow(3) ? EOF : __real_fflush(stream); }

int __wrap_fsync(int fd) { return FailsNow(4) ? -1 : __real_fsync(fd); }

int __wrap_fclose(FILE* stream) {
  if (!StandardStream(stream) && FailsNow(5)) {
    __real_fclose(stream);
    errno = kWriteSteps[5].error;
    return EOF;
  }
  return __real_fclose(stream);
}

int __wrap_rename(const char* from, const char* to) { return FailsNow(6) ? -1 : __real_rename(from, to); }

}  // extern "C"

WriteFault::WriteFault(const WriteStep& step, int failAt) { armed = {step.call, failAt, 0, false}; }
WriteFault::~WriteFault() { armed = {}; }
int WriteFault::Calls() const { return armed.calls; }
bool WriteFault::Fired() const { return armed.fired; }

std::vector<std::string> TemporaryFiles(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.find(".tmp") != std::string::npos) names.push_back(name);
  }
  return names;
}
