#pragma once
// The ids met while reading a model file, each with what it names and where it
// was defined, so that references can be resolved and checked for their kind
// and a second definition reported with the first one's line.

#include <cstddef>
#include <cstdint>
#include <vector>

class XMLRead_IDTable {
 public:
  enum class Kind : std::uint8_t {
    Pipe,
    Segment,
    PointObject,
    Device,
    TrenchPath,
    TrenchObject,
    TrenchSection,
    TrenchNode
  };

  struct Entry {
    Kind kind;
    void* object;
    std::size_t offset;  // of the defining element in the file
  };

  void clearTable();

  // Ids are positive, as a model file's are. False, and the table unchanged,
  // when the id is already there or is not positive.
  bool addId(int id, Kind kind, void* object, std::size_t offset);
  // Null when the id is not in the table; valid until the next addId.
  const Entry* findId(int id) const;

 private:
  // An id and the number of its entry; id 0 marks an empty slot.
  struct Slot {
    std::int32_t id;
    std::uint32_t entry;
  };

  // The slot that holds the id, or the empty slot where it would go.
  std::size_t Find(int id) const;
  void Grow();

  // The entries in the order added, and an open hash table of their numbers,
  // at most half full. The slot carries its id, so that a probe touches the
  // table alone and an entry only once found.
  std::vector<Entry> entries_;
  std::vector<Slot> slots_;
  int shift_ = 0;  // 64 less the bits of a run number in the table
};
