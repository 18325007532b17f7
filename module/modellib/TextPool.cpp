#include "TextPool.h"

#include <functional>

const std::wstring* TextPool::Intern(std::wstring_view text) {
  if (2 * (texts_.size() + 1) > slots_.size()) Grow();
  const auto hash = static_cast<std::uint32_t>(std::hash<std::wstring_view>{}(text));
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    Slot& at = slots_[slot];
    if (at.text == 0) {
      at = {static_cast<std::uint32_t>(texts_.size() + 1), hash};
      return &texts_.emplace_back(text);
    }
    if (at.hash == hash && texts_[at.text - 1] == text) return &texts_[at.text - 1];
  }
}

void TextPool::Grow() {
  const std::vector<Slot> old = std::move(slots_);
  slots_.assign(old.empty() ? 64 : 2 * old.size(), Slot{0, 0});
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& moved : old) {
    if (moved.text == 0) continue;
    std::size_t slot = moved.hash & mask;
    while (slots_[slot].text != 0) slot = (slot + 1) & mask;
    slots_[slot] = moved;
  }
}
