#pragma once
// Everything overview files give, copied in file order: what the tests and
// the reference compare against.

#include <string>
#include <vector>

#include "OverviewFile.h"

struct OverviewTag {
  std::wstring text;
  std::wstring shortName;
};

struct OverviewPipeLine {
  OverviewTag pipe;
  OverviewTag first;
  OverviewTag second;
};

inline OverviewTag CopyTag(const OverviewTagView& tag) { return {std::wstring(tag.text), std::wstring(tag.shortName)}; }

struct OverviewContents : OverviewReceiver {
  std::vector<OverviewTag> manholeTags;
  std::vector<OverviewPipeLine> pipeLines;

  void ManholeTag(const OverviewTagView& tag) override { manholeTags.push_back(CopyTag(tag)); }
  void PipeLine(const OverviewTagView& pipe, const OverviewTagView& first, const OverviewTagView& second) override {
    pipeLines.push_back({CopyTag(pipe), CopyTag(first), CopyTag(second)});
  }
};
