#pragma once
// Texts of a model file by their UTF-8 bytes, for the attributes whose
// values repeat across thousands of elements (types, materials): each
// distinct value is converted to wide text and pooled once, and every later
// element finds it by its bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FlatHashIndex.h"

class Utf8TextIndex {
 public:
  // The wide text kept for `bytes`, null until the caller sets it; valid
  // until the next lookup.
  const std::wstring*& operator[](std::string_view bytes);

  std::size_t Size() const { return entries_.size(); }

 private:
  struct Entry {
    std::uint32_t begin;  // of the bytes in `bytes_`
    std::uint32_t size;
    const std::wstring* text;
  };

  std::string bytes_;
  std::vector<Entry> entries_;
  FlatHashIndex numbers_;
};
