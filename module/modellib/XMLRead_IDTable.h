#pragma once
// The ids met while reading a model file, each with what it names and where it
// was defined, so that references can be resolved and checked for their kind
// and a second definition reported with the first one's line.

#include <cstddef>
#include <cstdint>
#include <vector>

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
  // Null when the id is not in the table; valid until the next addId.
  const Entry* findId(int id) const;

 private:
  struct Record {
    int id;
    Entry entry;
  };

  // The slot that holds the id's record number, or the empty slot where it would go.
  std::size_t Slot(int id) const;

  // The records in the order added, and an open hash table of their numbers
  // (-1 for none), at most half full. A node per id cost an allocation and a
  // cache miss or two for each of a city's millions of ids.
  std::vector<Record> records_;
  std::vector<std::int32_t> slots_;
};
