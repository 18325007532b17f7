#pragma once
// What the model file reader makes of a model file: its composites (one per
// child element of the document) and the model built from them, which
// LmWSMapper turns into the water and sewer sets.

#include <memory>

class WsModelStore;

class GmiGeodataSet {
 public:
  GmiGeodataSet(std::shared_ptr<const WsModelStore> model, int numComposites);
  ~GmiGeodataSet();
  GmiGeodataSet(const GmiGeodataSet&) = delete;
  GmiGeodataSet& operator=(const GmiGeodataSet&) = delete;

  int numComposites() const { return numComposites_; }
  const std::shared_ptr<const WsModelStore>& getModel() const { return model_; }

 private:
  std::shared_ptr<const WsModelStore> model_;
  int numComposites_;
};
