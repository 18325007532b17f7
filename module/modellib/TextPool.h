#pragma once
// One shared copy of each distinct text of a model. Types and materials repeat
// across thousands of devices; the objects point at the pool's copy, which
// stays where it is for the pool's life.

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

#include "FlatHashIndex.h"

class TextPool {
 public:
  // The pool's copy of `text`, added if it is not there yet.
  const std::wstring* Intern(std::wstring_view text);

  std::size_t Size() const { return texts_.size(); }

 private:
  std::deque<std::wstring> texts_;
  FlatHashIndex numbers_;
};
