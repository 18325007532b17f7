#pragma once
// In a batch session every dialog is answered as a user would who confirms
// it unchanged, except for what the command line sets: the output file, the
// file format, the header fields, the trench paths and the overview files.

#include <functional>
#include <string>

#include "HostOptions.h"

// `say` takes the host's own lines for standard error. A value that matches
// nothing the dialog offers is bad usage: the dialog is cancelled and
// BatchUsageError() tells so afterwards.
void InstallBatchAnswers(const HostOptions& options, std::function<void(const std::string&)> say);
bool BatchUsageError();
