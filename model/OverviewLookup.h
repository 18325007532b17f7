#pragma once
// What the overview files say, kept for looking up: the first manhole tag for
// each short name, and the first pipe line for each pair of manhole tags, in
// the order the files are read. Each distinct tag text is kept once, in large
// blocks, and known by its number, so that a city's files cost little more
// than their text and a pipe line is three numbers.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "FlatHashIndex.h"
#include "OverviewFile.h"

class OverviewLookup : public OverviewReceiver {
 public:
  void ExpectManholeLines(std::size_t lines) override;
  void ExpectPipeLines(std::size_t lines) override;
  void ManholeTag(const OverviewTagView& tag) override;
  void PipeLine(const OverviewTagView& pipe, const OverviewTagView& first, const OverviewTagView& second) override;

  // Null when no manhole has the short name. The views stay valid as long as
  // the lookup, the pointer until the next manhole tag is given.
  const OverviewTagView* FindManholeTag(std::wstring_view shortName) const;
  // The pipe's tag text of the first pipe line listing these two manhole tag
  // texts in this order; empty when there is none.
  std::wstring_view FindPipeLine(std::wstring_view firstTag, std::wstring_view secondTag) const;
  // The same for two manhole tags that FindManholeTag gave: their texts are
  // known by number, which spares looking them up.
  std::wstring_view FindPipeLine(const OverviewTagView& firstManhole, const OverviewTagView& secondManhole) const;

 private:
  struct PipeEntry {
    std::uint32_t first;
    std::uint32_t second;
    std::uint32_t pipe;
  };

  // The number of the kept copy of `text`.
  std::uint32_t Keep(std::wstring_view text);
  std::uint32_t FindText(std::wstring_view text, std::uint64_t hash) const;
  std::wstring_view FindPipeByNumbers(std::uint32_t first, std::uint32_t second) const;
  std::wstring_view Copy(std::wstring_view text);

  std::vector<std::unique_ptr<wchar_t[]>> blocks_;
  std::size_t blockUsed_ = 0;
  std::size_t blockSize_ = 0;
  std::vector<std::wstring_view> texts_;
  FlatHashIndex textIndex_;
  std::vector<OverviewTagView> manholes_;
  std::vector<std::uint32_t> manholeTexts_;  // the text number of each manhole
  FlatHashIndex manholeIndex_;  // by short name
  std::vector<PipeEntry> pipes_;
  FlatHashIndex pipeIndex_;  // by the manholes' text numbers
};
