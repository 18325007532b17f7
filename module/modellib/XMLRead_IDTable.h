#pragma once
// The ids met while reading a model file, each with what it names and where it
// was defined, so that references can be resolved and checked for their kind
// and a second definition reported with the first one's line.

#include <cstddef>
#include <unordered_map>

class XMLRead_IDTable {
 public:
  enum class Kind { Pipe, Segment, PointObject, Device, TrenchPath, TrenchObject, TrenchSection, TrenchNode };

  struct Entry {
    Kind kind;
    void* object;
    std::size_t offset;  // of the defining element in the file
  };

  void clearTable();

  // False, and the table unchanged, when the id is already there.
  bool addId(int id, Kind kind, void* object, std::size_t offset);
  // Null when the id is not in the table.
  const Entry* findId(int id) const;
  void reserveIds(std::size_t count) { ids_.reserve(count); }

 private:
  std::unordered_map<int, Entry> ids_;
};
