#include "WinPath.h"

namespace platform {

bool IsPathSeparator(wchar_t c) { return c == L'/' || c == L'\\'; }

bool SplitPath(const std::wstring& path, SplitPathResult& out, const SplitPathLimits& limits) {
  out = {};
  SplitPathResult r;
  size_t pos = 0;
  if (path.size() >= 2 && path[1] == L':') {
    r.drive = path.substr(0, 2);
    pos = 2;
  }
  size_t lastSep = std::wstring::npos;
  for (size_t i = pos; i < path.size(); ++i) {
    if (IsPathSeparator(path[i])) lastSep = i;
  }
  size_t nameStart = pos;
  if (lastSep != std::wstring::npos) {
    r.dir = path.substr(pos, lastSep + 1 - pos);
    nameStart = lastSep + 1;
  }
  const std::wstring rest = path.substr(nameStart);
  const size_t dot = rest.rfind(L'.');
  if (dot == std::wstring::npos) {
    r.fname = rest;
  } else {
    r.fname = rest.substr(0, dot);
    r.ext = rest.substr(dot);
  }
  if (r.drive.size() >= limits.drive || r.dir.size() >= limits.dir || r.fname.size() >= limits.fname ||
      r.ext.size() >= limits.ext) {
    return false;
  }
  out = std::move(r);
  return true;
}

std::wstring MakePath(const std::wstring& drive, const std::wstring& dir, const std::wstring& fname,
                      const std::wstring& ext) {
  std::wstring path;
  if (!drive.empty()) {
    path += drive.substr(0, 1);
    path += L':';
  }
  if (!dir.empty()) {
    path += dir;
    if (!IsPathSeparator(dir.back())) path += L'/';
  }
  path += fname;
  if (!ext.empty()) {
    if (ext.front() != L'.') path += L'.';
    path += ext;
  }
  return path;
}

}  // namespace platform
