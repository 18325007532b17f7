// The sets that LmWSMapper makes: views on the model's store that keep it alive.

#include "GmiGeodataSet.h"
#include "LwcNodePointObjectLinkSet.h"
#include "LwcTrSectionDevSegmentLinkSet.h"
#include "LwsSurfaceDescriptionSet.h"
#include "LwtTrenchConnectionPointSet.h"
#include "LwtTrenchSectionSet.h"
#include "LwtTrenchTopologySet.h"
#include "WsModelStore.h"

namespace {

template <typename T>
const T* At(const std::vector<const T*>& list, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return nullptr;
  return list[static_cast<std::size_t>(index)];
}

}  // namespace

GmiGeodataSet::GmiGeodataSet(std::shared_ptr<const WsModelStore> model, int numComposites)
    : model_(std::move(model)), numComposites_(numComposites) {}
GmiGeodataSet::~GmiGeodataSet() = default;

LwtTrenchTopologySet::LwtTrenchTopologySet(std::shared_ptr<const WsModelStore> store) : store_(std::move(store)) {}
LwtTrenchTopologySet::~LwtTrenchTopologySet() = default;
int LwtTrenchTopologySet::numTopologyObjects() const { return static_cast<int>(store_->TopologyObjects().size()); }
const LwtWSTrenchPersistent* LwtTrenchTopologySet::getTopologyObject(int index) const {
  return At(store_->TopologyObjects(), index);
}

LwtTrenchSectionSet::LwtTrenchSectionSet(std::shared_ptr<const WsModelStore> store) : store_(std::move(store)) {}
LwtTrenchSectionSet::~LwtTrenchSectionSet() = default;
int LwtTrenchSectionSet::numSections() const { return static_cast<int>(store_->Sections().size()); }
const LwtTrenchSection* LwtTrenchSectionSet::getSection(int index) const { return At(store_->Sections(), index); }

LwtTrenchConnectionPointSet::LwtTrenchConnectionPointSet(std::shared_ptr<const WsModelStore> store)
    : store_(std::move(store)) {}
LwtTrenchConnectionPointSet::~LwtTrenchConnectionPointSet() = default;
int LwtTrenchConnectionPointSet::numConnectionPoints() const {
  return static_cast<int>(store_->ConnectionPoints().size());
}
const LwtTrenchConnectionPoint* LwtTrenchConnectionPointSet::getConnectionPoint(int index) const {
  return At(store_->ConnectionPoints(), index);
}

LwsSurfaceDescriptionSet::LwsSurfaceDescriptionSet(std::shared_ptr<const WsModelStore> store)
    : store_(std::move(store)) {}
LwsSurfaceDescriptionSet::~LwsSurfaceDescriptionSet() = default;

LwcTrSectionDevSegmentLinkSet::LwcTrSectionDevSegmentLinkSet(std::shared_ptr<const WsModelStore> store)
    : store_(std::move(store)) {}
LwcTrSectionDevSegmentLinkSet::~LwcTrSectionDevSegmentLinkSet() = default;
int LwcTrSectionDevSegmentLinkSet::numLinks(const LwtTrenchSection* section) const {
  return store_->SectionLinks().Count(section);
}
const LwdDeviceSegment* LwcTrSectionDevSegmentLinkSet::getDeviceSegment(int index,
                                                                        const LwtTrenchSection* section) const {
  return store_->SectionLinks().Get(section, index);
}

LwcNodePointObjectLinkSet::LwcNodePointObjectLinkSet(std::shared_ptr<const WsModelStore> store)
    : store_(std::move(store)) {}
LwcNodePointObjectLinkSet::~LwcNodePointObjectLinkSet() = default;
int LwcNodePointObjectLinkSet::numLinks(const LwtTrenchNode* node) const { return store_->NodeLinks().Count(node); }
const LwdDevicePointObject* LwcNodePointObjectLinkSet::getDevicePointObject(int index,
                                                                           const LwtTrenchNode* node) const {
  return store_->NodeLinks().Get(node, index);
}
int LwcNodePointObjectLinkSet::numLinks(const LwdDevicePointObject* pointObject) const {
  return store_->NodeLinkCount(pointObject);
}
