#pragma once
// Every trench section of a model, in file order. Made by LmWSMapper; keeps
// the model alive (see LwdDeviceSet).

#include <memory>

class LwtTrenchSection;
class WsModelStore;

class LwtTrenchSectionSet {
 public:
  explicit LwtTrenchSectionSet(std::shared_ptr<const WsModelStore> store);
  ~LwtTrenchSectionSet();
  LwtTrenchSectionSet(const LwtTrenchSectionSet&) = delete;
  LwtTrenchSectionSet& operator=(const LwtTrenchSectionSet&) = delete;

  int numSections() const;
  // Null when the index is out of range.
  const LwtTrenchSection* getSection(int index) const;

 private:
  std::shared_ptr<const WsModelStore> store_;
};
