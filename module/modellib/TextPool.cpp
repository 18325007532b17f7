#include "TextPool.h"

#include <functional>

const std::wstring* TextPool::Intern(std::wstring_view text) {
  const std::uint64_t hash = std::hash<std::wstring_view>{}(text);
  const std::uint32_t number = numbers_.FindOrAdd(hash, [&](std::uint32_t at) { return texts_[at] == text; });
  if (number == texts_.size()) texts_.emplace_back(text);
  return &texts_[number];
}
