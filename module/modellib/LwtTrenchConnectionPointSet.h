#pragma once
// Every trench connection point of a model (one per trench node with a
// position), in file order. Made by LmWSMapper; keeps the model alive (see
// LwdDeviceSet).

#include <memory>

class LwtTrenchConnectionPoint;
class WsModelStore;

class LwtTrenchConnectionPointSet {
 public:
  explicit LwtTrenchConnectionPointSet(std::shared_ptr<const WsModelStore> store);
  ~LwtTrenchConnectionPointSet();
  LwtTrenchConnectionPointSet(const LwtTrenchConnectionPointSet&) = delete;
  LwtTrenchConnectionPointSet& operator=(const LwtTrenchConnectionPointSet&) = delete;

  int numConnectionPoints() const;
  // Null when the index is out of range.
  const LwtTrenchConnectionPoint* getConnectionPoint(int index) const;

 private:
  std::shared_ptr<const WsModelStore> store_;
};
