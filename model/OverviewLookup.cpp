#include "OverviewLookup.h"

#include <algorithm>

namespace {

constexpr std::size_t kBlockCharacters = 64 * 1024;

}  // namespace

std::wstring_view OverviewLookup::Copy(std::wstring_view text) {
  if (blocks_.empty() || blockSize_ - blockUsed_ < text.size()) {
    blockSize_ = std::max(kBlockCharacters, text.size());
    blocks_.push_back(std::make_unique<wchar_t[]>(blockSize_));
    blockUsed_ = 0;
  }
  wchar_t* copy = blocks_.back().get() + blockUsed_;
  std::copy(text.begin(), text.end(), copy);
  blockUsed_ += text.size();
  return {copy, text.size()};
}

std::uint32_t OverviewLookup::FindText(std::wstring_view text, std::uint64_t hash) const {
  return textIndex_.Find(hash, [&](std::uint32_t entry) { return texts_[entry] == text; });
}

std::wstring_view OverviewLookup::FindPipeByNumbers(std::uint32_t first, std::uint32_t second) const {
  const std::uint32_t found = pipeIndex_.Find(flat_hash::OfPair(first, second), [&](std::uint32_t entry) {
    return pipes_[entry].first == first && pipes_[entry].second == second;
  });
  return found == FlatHashIndex::kNone ? std::wstring_view() : texts_[pipes_[found].pipe];
}

std::uint32_t OverviewLookup::Keep(std::wstring_view text) {
  const std::uint64_t hash = flat_hash::OfText(text);
  if (const std::uint32_t found = FindText(text, hash); found != FlatHashIndex::kNone) return found;
  const auto number = static_cast<std::uint32_t>(texts_.size());
  texts_.push_back(Copy(text));
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
  manholeTexts_.reserve(manholes_.size() + lines);
  manholeIndex_.Reserve(manholes_.size() + lines);
}

void OverviewLookup::ExpectPipeLines(std::size_t lines) {
  texts_.reserve(texts_.size() + lines);
  textIndex_.Reserve(texts_.size() + lines);
  pipes_.reserve(pipes_.size() + lines);
  pipeIndex_.Reserve(pipes_.size() + lines);
}

void OverviewLookup::ManholeTag(const OverviewTagView& tag) {
  const std::uint64_t hash = flat_hash::OfText(tag.shortName);
  const auto sameName = [&](std::uint32_t entry) { return manholes_[entry].shortName == tag.shortName; };
  if (manholeIndex_.Find(hash, sameName) != FlatHashIndex::kNone) return;
  const std::uint32_t number = Keep(tag.text);
  const std::wstring_view text = texts_[number];
  manholeIndex_.Insert(hash, static_cast<std::uint32_t>(manholes_.size()));
  manholes_.push_back({text, text.substr(text.size() - tag.shortName.size())});
  manholeTexts_.push_back(number);
}

void OverviewLookup::PipeLine(const OverviewTagView& pipe, const OverviewTagView& first,
                              const OverviewTagView& second) {
  const std::uint32_t firstText = Keep(first.text);
  const std::uint32_t secondText = Keep(second.text);
  if (!FindPipeByNumbers(firstText, secondText).empty()) return;
  pipeIndex_.Insert(flat_hash::OfPair(firstText, secondText), static_cast<std::uint32_t>(pipes_.size()));
  pipes_.push_back({firstText, secondText, Keep(pipe.text)});
}

const OverviewTagView* OverviewLookup::FindManholeTag(std::wstring_view shortName) const {
  const std::uint32_t found = manholeIndex_.Find(
      flat_hash::OfText(shortName), [&](std::uint32_t entry) { return manholes_[entry].shortName == shortName; });
  return found == FlatHashIndex::kNone ? nullptr : &manholes_[found];
}

std::wstring_view OverviewLookup::FindPipeLine(std::wstring_view firstTag, std::wstring_view secondTag) const {
  const std::uint32_t first = FindText(firstTag, flat_hash::OfText(firstTag));
  const std::uint32_t second = FindText(secondTag, flat_hash::OfText(secondTag));
  if (first == FlatHashIndex::kNone || second == FlatHashIndex::kNone) return {};
  return FindPipeByNumbers(first, second);
}

std::wstring_view OverviewLookup::FindPipeLine(const OverviewTagView& firstManhole,
                                               const OverviewTagView& secondManhole) const {
  return FindPipeByNumbers(manholeTexts_[static_cast<std::size_t>(&firstManhole - manholes_.data())],
                           manholeTexts_[static_cast<std::size_t>(&secondManhole - manholes_.data())]);
}
