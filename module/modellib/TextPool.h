#pragma once
// One shared copy of each distinct text of a model. Types and materials repeat
// across thousands of devices; the objects point at the pool's copy, which
// stays where it is for the pool's life.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

class TextPool {
 public:
  // The pool's copy of `text`, added if it is not there yet.
  const std::wstring* Intern(std::wstring_view text);

  std::size_t Size() const { return texts_.size(); }

 private:
  // A text's number and the low half of its hash: texts that do not match
  // are mostly passed over without reading them, and growing needs no text.
  struct Slot {
    std::uint32_t text;  // number + 1; 0 for an empty slot
    std::uint32_t hash;
  };

  void Grow();

  std::deque<std::wstring> texts_;
  // Open hash table of the texts' numbers, at most half full.
  std::vector<Slot> slots_;
};
