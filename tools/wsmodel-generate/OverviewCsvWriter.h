#pragma once
// Writes the overview files of a generated network: a manhole file with one
// tag a line and a pipe file with three tags a line (the pipe, then the
// manholes at its ends). A tag is nine cells: + A = B . C - D E.

#include <string>

#include "OutputSink.h"

namespace wsmodel {

struct OverviewTag {
  std::string a;
  std::string b;
  std::string c;
  std::string d;
  std::string e;

  // "-" D E: what a manhole is named in the model.
  std::string ShortName() const { return "-" + d + e; }
};

class OverviewCsvWriter {
 public:
  OverviewCsvWriter(OutputSink& manholes, OutputSink& pipes);

  void Manhole(const OverviewTag& tag);
  void PipeLine(const OverviewTag& pipe, const OverviewTag& first, const OverviewTag& second);

 private:
  static void Append(std::string& line, const OverviewTag& tag);

  OutputSink& manholes_;
  OutputSink& pipes_;
  std::string line_;
};

}  // namespace wsmodel
