#include "OverviewLookup.h"

#include <algorithm>

#include "WideText.h"

namespace {

constexpr std::size_t kBlockBytes = 256 * 1024;

}  // namespace

void ToOverviewUtf8(std::wstring_view text, std::string& utf8) {
  utf8.clear();
  for (const wchar_t c : text) {
    if (c >= 0x80) {
      utf8 = platform::ToUtf8(text);
      return;
    }
    utf8.push_back(static_cast<char>(c));
  }
}

std::string_view OverviewLookup::Copy(std::string_view text) {
  if (blocks_.empty() || blockSize_ - blockUsed_ < text.size()) {
    blockSize_ = std::max(kBlockBytes, text.size());
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(blockSize_));
    blockUsed_ = 0;
  }
  char* copy = blocks_.back().get() + blockUsed_;
  std::copy(text.begin(), text.end(), copy);
  blockUsed_ += text.size();
  return {copy, text.size()};
}

std::string_view OverviewLookup::ShortName(const Manhole& manhole) const {
  const std::string_view text = texts_[manhole.text];
  return text.substr(text.size() - manhole.shortNameBytes);
}

std::uint32_t OverviewLookup::FindText(std::string_view text, std::uint64_t hash) const {
  return textIndex_.Find(hash, [&](std::uint32_t entry) { return texts_[entry] == text; });
}

std::string_view OverviewLookup::FindPipeByNumbers(std::uint32_t first, std::uint32_t second) const {
  const std::uint32_t found = pipeIndex_.Find(flat_hash::OfPair(first, second), [&](std::uint32_t entry) {
    return pipes_[entry].first == first && pipes_[entry].second == second;
  });
  return found == kNone ? std::string_view() : texts_[pipes_[found].pipe];
}

std::uint32_t OverviewLookup::Keep(std::wstring_view text) {
  ToOverviewUtf8(text, utf8_);
  const std::uint64_t hash = flat_hash::OfBytes(utf8_);
  if (const std::uint32_t found = FindText(utf8_, hash); found != kNone) return found;
  const auto number = static_cast<std::uint32_t>(texts_.size());
  texts_.push_back(Copy(utf8_));
  textIndex_.Insert(hash, number);
  return number;
}

// A line holds at most one manhole tag that counts, or one pipe line with
// its three tag texts, of which the two manholes' are mostly known already.
// The vectors too: grown by doubling, they would keep up to half again as
// much room as they use at the peak of a city's export.
void OverviewLookup::ExpectManholeLines(std::size_t lines) {
  texts_.reserve(texts_.size() + lines);
  textIndex_.Reserve(texts_.size() + lines);
  manholes_.reserve(manholes_.size() + lines);
  manholeIndex_.Reserve(manholes_.size() + lines);
}

void OverviewLookup::ExpectPipeLines(std::size_t lines) {
  texts_.reserve(texts_.size() + lines);
  textIndex_.Reserve(texts_.size() + lines);
  pipes_.reserve(pipes_.size() + lines);
  pipeIndex_.Reserve(pipes_.size() + lines);
}

void OverviewLookup::ManholeTag(const OverviewTagView& tag) {
  ToOverviewUtf8(tag.shortName, utf8_);
  const std::uint64_t hash = flat_hash::OfBytes(utf8_);
  const auto sameName = [&](std::uint32_t entry) { return ShortName(manholes_[entry]) == utf8_; };
  if (manholeIndex_.Find(hash, sameName) != kNone) return;
  const auto shortNameBytes = static_cast<std::uint32_t>(utf8_.size());
  manholeIndex_.Insert(hash, static_cast<std::uint32_t>(manholes_.size()));
  manholes_.push_back({Keep(tag.text), shortNameBytes});
}

void OverviewLookup::PipeLine(const OverviewTagView& pipe, const OverviewTagView& first,
                              const OverviewTagView& second) {
  const std::uint32_t firstText = Keep(first.text);
  const std::uint32_t secondText = Keep(second.text);
  if (!FindPipeByNumbers(firstText, secondText).empty()) return;
  pipeIndex_.Insert(flat_hash::OfPair(firstText, secondText), static_cast<std::uint32_t>(pipes_.size()));
  pipes_.push_back({firstText, secondText, Keep(pipe.text)});
}

void OverviewLookup::EndOfFiles() {
  textIndex_ = FlatHashIndex();
  utf8_ = std::string();
}

std::uint32_t OverviewLookup::FindManholeTag(std::wstring_view shortName) const {
  std::string name;
  ToOverviewUtf8(shortName, name);
  return manholeIndex_.Find(flat_hash::OfBytes(name),
                            [&](std::uint32_t entry) { return ShortName(manholes_[entry]) == name; });
}

std::string_view OverviewLookup::FindPipeLine(std::uint32_t firstManhole, std::uint32_t secondManhole) const {
  return FindPipeByNumbers(manholes_[firstManhole].text, manholes_[secondManhole].text);
}
