#pragma once
// Path splitting and joining with the rules of the Windows run-time library
// (_wsplitpath_s / _wmakepath_s): an optional drive ("C:"), a folder that
// keeps its trailing separator, a file name and an extension that keeps its
// point. Both '/' and '\' separate; paths this build makes use '/'.

#include <string>

namespace platform {

struct SplitPathResult {
  std::wstring drive;
  std::wstring dir;
  std::wstring fname;
  std::wstring ext;
};

// Buffer sizes in characters, terminator included, as a caller of
// _wsplitpath_s would pass them. A part that does not fit makes the split fail.
struct SplitPathLimits {
  size_t drive = 3;
  size_t dir = 256;
  size_t fname = 256;
  size_t ext = 256;
};

// False when a part does not fit its limit; `out` is then left empty.
bool SplitPath(const std::wstring& path, SplitPathResult& out, const SplitPathLimits& limits = {});

// Joins the parts: a drive letter gets its ':', a folder without a trailing
// separator gets '/', an extension without its point gets one.
std::wstring MakePath(const std::wstring& drive, const std::wstring& dir, const std::wstring& fname,
                      const std::wstring& ext);

bool IsPathSeparator(wchar_t c);

}  // namespace platform
