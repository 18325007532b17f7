#pragma once
// Line numbers for byte offsets of a file, from the positions of its line
// feeds, taken before the parser rewrites the buffer in place.

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

class SourceLines {
 public:
  SourceLines() = default;
  SourceLines(const char* bytes, std::size_t size) {
    lineFeeds_.reserve(static_cast<std::size_t>(std::count(bytes, bytes + size, '\n')));
    for (const char* at = bytes; (at = static_cast<const char*>(std::memchr(at, '\n', size - (at - bytes))));
         ++at) {
      lineFeeds_.push_back(static_cast<std::size_t>(at - bytes));
    }
  }

  // 1-based line of the byte at `offset`.
  int LineOf(std::size_t offset) const {
    return 1 + static_cast<int>(std::lower_bound(lineFeeds_.begin(), lineFeeds_.end(), offset) - lineFeeds_.begin());
  }

 private:
  std::vector<std::size_t> lineFeeds_;
};
