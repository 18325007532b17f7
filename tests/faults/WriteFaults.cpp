#include "WriteFaults.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

extern "C" {
int __real_mkstemp(char* pattern);
FILE* __real_fdopen(int fd, const char* mode);
std::size_t __real_fwrite(const void* data, std::size_t size, std::size_t count, FILE* stream);
int __real_fflush(FILE* stream);
int __real_fsync(int fd);
int __real_fclose(FILE* stream);
int __real_rename(const char* from, const char* to);
}

namespace {

struct Armed {
  bool active = false;
  WriteStep step = WriteStep::Create;
  int failAt = -1;
  int calls = 0;
  bool fired = false;
};

Armed armed;

bool StandardStream(FILE* stream) { return stream == nullptr || stream == stdout || stream == stderr; }

// Counts a call of `step`; true when this one is to fail.
bool FailsNow(WriteStep step) {
  if (!armed.active || armed.step != step) return false;
  const bool fail = armed.calls++ == armed.failAt;
  armed.fired = armed.fired || fail;
  return fail;
}

}  // namespace

extern "C" {

int __wrap_mkstemp(char* pattern) {
  if (FailsNow(WriteStep::Create)) {
    errno = EACCES;
    return -1;
  }
  return __real_mkstemp(pattern);
}

FILE* __wrap_fdopen(int fd, const char* mode) {
  if (FailsNow(WriteStep::Open)) {
    errno = ENOMEM;
    return nullptr;
  }
  return __real_fdopen(fd, mode);
}

std::size_t __wrap_fwrite(const void* data, std::size_t size, std::size_t count, FILE* stream) {
  if (!StandardStream(stream) && FailsNow(WriteStep::Write)) {
    const std::size_t written = __real_fwrite(data, size, count / 2, stream);
    errno = ENOSPC;
    return written;
  }
  return __real_fwrite(data, size, count, stream);
}

int __wrap_fflush(FILE* stream) {
  if (!StandardStream(stream) && FailsNow(WriteStep::Flush)) {
    errno = ENOSPC;
    return EOF;
  }
  return __real_fflush(stream);
}

int __wrap_fsync(int fd) {
  if (FailsNow(WriteStep::Sync)) {
    errno = EIO;
    return -1;
  }
  return __real_fsync(fd);
}

int __wrap_fclose(FILE* stream) {
  if (!StandardStream(stream) && FailsNow(WriteStep::Close)) {
    __real_fclose(stream);
    errno = EIO;
    return EOF;
  }
  return __real_fclose(stream);
}

int __wrap_rename(const char* from, const char* to) {
  if (FailsNow(WriteStep::Rename)) {
    errno = EACCES;
    return -1;
  }
  return __real_rename(from, to);
}

}  // extern "C"

std::string CallOf(WriteStep step) {
  switch (step) {
    case WriteStep::Create: return "mkstemp";
    case WriteStep::Open: return "fdopen";
    case WriteStep::Write: return "fwrite";
    case WriteStep::Flush: return "fflush";
    case WriteStep::Sync: return "fsync";
    case WriteStep::Close: return "fclose";
    case WriteStep::Rename: return "rename";
  }
  return "";
}

WriteFault::WriteFault(WriteStep step, int failAt) { armed = {true, step, failAt, 0, false}; }
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

int CountCalls(WriteStep step, const std::function<void()>& write) {
  const WriteFault counter(step);
  write();
  EXPECT_GT(counter.Calls(), 0) << CallOf(step) << " is not wrapped";
  return counter.Calls();
}
