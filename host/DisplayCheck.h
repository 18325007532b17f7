#pragma once
// Whether a window session can start: Qt ends the process when it cannot
// reach its display, with advice to reinstall, so the host asks first.

#include <string>

// Empty when the windows can be shown; otherwise what stands in the way.
std::string DisplayProblem();
