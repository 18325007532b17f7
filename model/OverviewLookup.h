#pragma once
// What the overview files say, kept for looking up: the first manhole tag for
// each short name, and the first pipe line for each pair of manhole tags, in
// the order the files are read. Each distinct tag text is kept once, in large
// blocks, so that a city's files cost little more than their text.

#include <cstddef>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "OverviewFile.h"

class OverviewLookup : public OverviewReceiver {
 public:
  void ExpectManholeLines(std::size_t lines) override;
  void ExpectPipeLines(std::size_t lines) override;
  void ManholeTag(const OverviewTagView& tag) override;
  void PipeLine(const OverviewTagView& pipe, const OverviewTagView& first, const OverviewTagView& second) override;

  // Null when no manhole has the short name. Views stay valid as long as the lookup.
  const OverviewTagView* FindManholeTag(std::wstring_view shortName) const;
  // The pipe's tag text of the first pipe line listing these two manhole tag
  // texts in this order; empty when there is none.
  std::wstring_view FindPipeLine(std::wstring_view firstTag, std::wstring_view secondTag) const;

 private:
  using ManholePair = std::pair<std::wstring_view, std::wstring_view>;
  struct PairHash {
    std::size_t operator()(const ManholePair& pair) const;
  };

  // The kept copy of `text`.
  std::wstring_view Keep(std::wstring_view text);
  std::wstring_view Copy(std::wstring_view text);

  std::vector<std::unique_ptr<wchar_t[]>> blocks_;
  std::size_t blockUsed_ = 0;
  std::size_t blockSize_ = 0;
  std::unordered_set<std::wstring_view> texts_;
  std::unordered_map<std::wstring_view, OverviewTagView> tagByShortName_;
  std::unordered_map<ManholePair, std::wstring_view, PairHash> pipeByManholes_;
};
