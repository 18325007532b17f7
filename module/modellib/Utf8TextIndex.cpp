#include "Utf8TextIndex.h"

#include <functional>

const std::wstring*& Utf8TextIndex::operator[](std::string_view bytes) {
  const std::uint64_t hash = std::hash<std::string_view>{}(bytes);
  const std::uint32_t number = numbers_.FindOrAdd(hash, [&](std::uint32_t at) {
    return std::string_view(bytes_).substr(entries_[at].begin, entries_[at].size) == bytes;
  });
  if (number == entries_.size()) {
    entries_.push_back({static_cast<std::uint32_t>(bytes_.size()), static_cast<std::uint32_t>(bytes.size()), nullptr});
    bytes_.append(bytes);
  }
  return entries_[number].text;
}
