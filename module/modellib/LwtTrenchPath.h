#pragma once
// A trench path: a named chain of trench edges that the user selects for
// export as a whole.

#include <cstdint>
#include <string>
#include <vector>

#include "LwtWSTrenchPersistent.h"

class LwtTrenchEdge;

class LwtTrenchPath : public LwtWSTrenchPersistent {
 public:
  int numEdges() const { return static_cast<int>(edges_.size()); }
  // Null when the index is out of range.
  const LwtTrenchEdge* getEdge(int index) const;

  const std::wstring& getName() const { return *name_; }
  // Bit mask of trench path types.
  WS::WSTrenchPathType getTrenchPathType() const { return type_; }
  std::int64_t getModifiedTimeStamp() const { return modified_; }

 private:
  friend class WsModelStore;
  LwtTrenchPath(int persistentId, const std::wstring* name, WS::WSTrenchPathType type, std::int64_t modified)
      : LwtWSTrenchPersistent(kClassTrenchPath, persistentId), name_(name), type_(type), modified_(modified) {}

  const std::wstring* name_;
  WS::WSTrenchPathType type_;
  std::int64_t modified_;
  std::vector<const LwtTrenchEdge*> edges_;
};
