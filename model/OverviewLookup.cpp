#include "OverviewLookup.h"

#include <algorithm>
#include <functional>

namespace {

constexpr std::size_t kBlockCharacters = 64 * 1024;

}  // namespace

std::size_t OverviewLookup::PairHash::operator()(const ManholePair& pair) const {
  const std::hash<std::wstring_view> hash;
  return hash(pair.first) * 31 + hash(pair.second);
}

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

std::wstring_view OverviewLookup::Keep(std::wstring_view text) {
  const auto found = texts_.find(text);
  if (found != texts_.end()) return *found;
  return *texts_.insert(Copy(text)).first;
}

// A line holds at most one manhole tag that counts, or one pipe line with
// its three tag texts, of which the two manholes' are mostly known already.
void OverviewLookup::ExpectManholeLines(std::size_t lines) {
  texts_.reserve(texts_.size() + lines);
  tagByShortName_.reserve(tagByShortName_.size() + lines);
}

void OverviewLookup::ExpectPipeLines(std::size_t lines) {
  texts_.reserve(texts_.size() + lines);
  pipeByManholes_.reserve(pipeByManholes_.size() + lines);
}

void OverviewLookup::ManholeTag(const OverviewTagView& tag) {
  if (tagByShortName_.contains(tag.shortName)) return;
  const std::wstring_view text = Keep(tag.text);
  const std::wstring_view shortName = text.substr(text.size() - tag.shortName.size());
  tagByShortName_.emplace(shortName, OverviewTagView{text, shortName});
}

void OverviewLookup::PipeLine(const OverviewTagView& pipe, const OverviewTagView& first,
                              const OverviewTagView& second) {
  if (pipeByManholes_.contains({first.text, second.text})) return;
  const ManholePair key(Keep(first.text), Keep(second.text));
  pipeByManholes_.emplace(key, Keep(pipe.text));
}

const OverviewTagView* OverviewLookup::FindManholeTag(std::wstring_view shortName) const {
  const auto found = tagByShortName_.find(shortName);
  return found == tagByShortName_.end() ? nullptr : &found->second;
}

std::wstring_view OverviewLookup::FindPipeLine(std::wstring_view firstTag, std::wstring_view secondTag) const {
  const auto found = pipeByManholes_.find({firstTag, secondTag});
  return found == pipeByManholes_.end() ? std::wstring_view() : found->second;
}
