#pragma once
// Which point objects are linked to each trench node, in link order, and to
// how many nodes each point object is linked. Made by LmWSMapper; keeps the
// model alive (see LwdDeviceSet). Lookups take constant time.

#include <memory>

class LwdDevicePointObject;
class LwtTrenchNode;
class WsModelStore;

class LwcNodePointObjectLinkSet {
 public:
  explicit LwcNodePointObjectLinkSet(std::shared_ptr<const WsModelStore> store);
  ~LwcNodePointObjectLinkSet();
  LwcNodePointObjectLinkSet(const LwcNodePointObjectLinkSet&) = delete;
  LwcNodePointObjectLinkSet& operator=(const LwcNodePointObjectLinkSet&) = delete;

  int numLinks(const LwtTrenchNode* node) const;
  // Null when the index is out of range.
  const LwdDevicePointObject* getDevicePointObject(int index, const LwtTrenchNode* node) const;
  // How many trench nodes the point object is linked to.
  int numLinks(const LwdDevicePointObject* pointObject) const;

 private:
  std::shared_ptr<const WsModelStore> store_;
};
