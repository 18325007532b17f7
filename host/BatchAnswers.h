#pragma once
// In a batch session every dialog is answered as a user would who confirms
// it unchanged, except for what the command line sets: the output file, the
// file format, the header texts, the trench paths and the overview files.

#include "HostOptions.h"

void InstallBatchAnswers(const HostOptions& options);
