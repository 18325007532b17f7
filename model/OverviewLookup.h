#pragma once
// What the overview files say, kept for looking up: the first manhole tag for
// each short name, and the first pipe line for each pair of manhole tags, in
// the order the files are read. Each distinct tag text is kept once, in
// UTF-8 in large blocks (a quarter of the room of wide text for the ASCII
// tags of spreadsheet exports), and known by its number, so that a city's
// files cost little more than their text and a pipe line is three numbers.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "FlatHashIndex.h"
#include "OverviewFile.h"

class OverviewLookup final : public OverviewReceiver {
 public:
  static constexpr std::uint32_t kNone = FlatHashIndex::kNone;

  void ExpectManholeLines(std::size_t lines) override;
  void ExpectPipeLines(std::size_t lines) override;
  void ManholeTag(const OverviewTagView& tag) override;
  void PipeLine(const OverviewTagView& pipe, const OverviewTagView& first, const OverviewTagView& second) override;

  // Lets go of what only taking in more lines needs (the index of the
  // texts); the lookups below still work, and no more lines may be given.
  void EndOfFiles();

  // The number of the first manhole tag with the short name; kNone when no
  // manhole has it.
  std::uint32_t FindManholeTag(std::wstring_view shortName) const;
  // The tag text of a manhole that FindManholeTag gave, in UTF-8.
  std::string_view ManholeTagText(std::uint32_t manhole) const { return texts_[manholes_[manhole].text]; }
  // The pipe's tag text (UTF-8) of the first pipe line listing the tags of
  // these two manholes in this order; empty when there is none.
  std::string_view FindPipeLine(std::uint32_t firstManhole, std::uint32_t secondManhole) const;

 private:
  struct Manhole {
    std::uint32_t text;
    std::uint32_t shortNameBytes;  // the short name is the end of the text
  };
  struct PipeEntry {
    std::uint32_t first;
    std::uint32_t second;
    std::uint32_t pipe;
  };

  // The number of the kept copy of `text`.
  std::uint32_t Keep(std::wstring_view text);
  std::uint32_t FindText(std::string_view text, std::uint64_t hash) const;
  std::string_view FindPipeByNumbers(std::uint32_t first, std::uint32_t second) const;
  std::string_view Copy(std::string_view text);
  std::string_view ShortName(const Manhole& manhole) const;

  std::vector<std::unique_ptr<char[]>> blocks_;
  std::size_t blockUsed_ = 0;
  std::size_t blockSize_ = 0;
  std::vector<std::string_view> texts_;
  FlatHashIndex textIndex_;
  std::vector<Manhole> manholes_;
  FlatHashIndex manholeIndex_;  // by short name
  std::vector<PipeEntry> pipes_;
  FlatHashIndex pipeIndex_;  // by the manholes' text numbers
  std::string utf8_;  // the text being kept
};

// `text` in UTF-8 in `utf8`, whose room is reused from text to text.
void ToOverviewUtf8(std::wstring_view text, std::string& utf8);
