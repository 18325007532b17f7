#pragma once
// The trench topology of a model: its trench paths and other topology objects
// (`TrenchPath` and `TrenchObject` elements) in file order. Made by LmWSMapper;
// keeps the model alive (see LwdDeviceSet).

#include <memory>

class LwtWSTrenchPersistent;
class WsModelStore;

class LwtTrenchTopologySet {
 public:
  explicit LwtTrenchTopologySet(std::shared_ptr<const WsModelStore> store);
  ~LwtTrenchTopologySet();
  LwtTrenchTopologySet(const LwtTrenchTopologySet&) = delete;
  LwtTrenchTopologySet& operator=(const LwtTrenchTopologySet&) = delete;

  int numTopologyObjects() const;
  // Null when the index is out of range. Trench paths answer kClassTrenchPath
  // and are LwtTrenchPath objects.
  const LwtWSTrenchPersistent* getTopologyObject(int index) const;

 private:
  std::shared_ptr<const WsModelStore> store_;
};
