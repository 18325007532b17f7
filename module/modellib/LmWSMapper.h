#pragma once
// Turns a geodata set into the water and sewer sets of the network model.

class GmiGeodataSet;
class LwcNodePointObjectLinkSet;
class LwcTrSectionDevSegmentLinkSet;
class LwdDeviceSet;
class LwsSurfaceDescriptionSet;
class LwtTrenchConnectionPointSet;
class LwtTrenchSectionSet;
class LwtTrenchTopologySet;

class LmWSMapper {
 public:
  // Makes every set new; the caller owns and deletes each, in any order (they
  // share the model, which goes with the last of them). The topology set is
  // left null when the model has no trench paths or other topology objects;
  // the other sets are always made, empty where the model has nothing for
  // them. `reserved` must be 0. False, with every out-parameter null, when
  // there is no set or `reserved` is not 0.
  static bool MapToWSModel(const GmiGeodataSet* set, LwdDeviceSet*& devices, LwtTrenchSectionSet*& sections,
                           LwtTrenchConnectionPointSet*& connectionPoints, LwtTrenchTopologySet*& topology,
                           LwsSurfaceDescriptionSet*& surfaces, LwcNodePointObjectLinkSet*& nodeLinks,
                           LwcTrSectionDevSegmentLinkSet*& sectionLinks, int reserved);
};
