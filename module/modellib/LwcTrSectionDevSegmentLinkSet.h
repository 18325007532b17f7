#pragma once
// Which device segments lie in each trench section, in link order. Made by
// LmWSMapper; keeps the model alive (see LwdDeviceSet). Lookups take constant
// time.

#include <memory>

class LwdDeviceSegment;
class LwtTrenchSection;
class WsModelStore;

class LwcTrSectionDevSegmentLinkSet {
 public:
  explicit LwcTrSectionDevSegmentLinkSet(std::shared_ptr<const WsModelStore> store);
  ~LwcTrSectionDevSegmentLinkSet();
  LwcTrSectionDevSegmentLinkSet(const LwcTrSectionDevSegmentLinkSet&) = delete;
  LwcTrSectionDevSegmentLinkSet& operator=(const LwcTrSectionDevSegmentLinkSet&) = delete;

  int numLinks(const LwtTrenchSection* section) const;
  // Null when the index is out of range.
  const LwdDeviceSegment* getDeviceSegment(int index, const LwtTrenchSection* section) const;

 private:
  std::shared_ptr<const WsModelStore> store_;
};
