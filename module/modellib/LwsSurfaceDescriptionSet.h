#pragma once
// Surface descriptions (ground and paving along trenches) of a model. Model
// files of format version 1 carry none, so the set made for them is empty.

#include <memory>

class WsModelStore;

class LwsSurfaceDescriptionSet {
 public:
  explicit LwsSurfaceDescriptionSet(std::shared_ptr<const WsModelStore> store);
  ~LwsSurfaceDescriptionSet();
  LwsSurfaceDescriptionSet(const LwsSurfaceDescriptionSet&) = delete;
  LwsSurfaceDescriptionSet& operator=(const LwsSurfaceDescriptionSet&) = delete;

  int numSurfaceDescriptions() const { return 0; }

 private:
  std::shared_ptr<const WsModelStore> store_;
};
