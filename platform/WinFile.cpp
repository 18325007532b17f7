#include "WinFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "WideText.h"

int _wremove(const wchar_t* path) {
  if (path == nullptr) {
    errno = EINVAL;
    return -1;
  }
  const std::string file = platform::ToUtf8(path);
  struct stat st {};
  if (::lstat(file.c_str(), &st) != 0) return -1;
  if (S_ISDIR(st.st_mode)) {
    errno = EACCES;
    return -1;
  }
  // Windows keeps a read-only attribute that even an administrator's delete
  // respects; the owner's write bit plays that part here.
  if (!S_ISLNK(st.st_mode) && (st.st_mode & S_IWUSR) == 0) {
    errno = EACCES;
    return -1;
  }
  return ::unlink(file.c_str());
}
