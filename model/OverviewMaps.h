#pragma once
// What the overview CSV files give the SOSI writer.

#include <map>
#include <string>
#include <utility>
#include <vector>

class LwdDeviceSegment;

// Point object persistent id to its manhole tag text.
using PointObjectTagMap = std::map<int, std::wstring>;
// Persistent id of a run's first segment to the pipe's tag text and whether
// the pipe line lists the run's start manhole first.
using PipeTagMap = std::map<int, std::pair<std::wstring, bool>>;
// Runs of connected segments between tagged manholes, in running order.
using PipeRuns = std::vector<std::vector<const LwdDeviceSegment*>>;
