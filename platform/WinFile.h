#pragma once
// File removal with the rules of the Windows run-time library: _wremove
// deletes files only, never a folder, and refuses a read-only file (one
// without its owner's write permission), whoever runs the program.

#include "HostConsole.h"

// 0 on success, -1 when the file is missing, a folder, read-only or cannot be removed.
SOSI_HOST_API int _wremove(const wchar_t* path);
