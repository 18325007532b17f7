#pragma once
// Types and class ids shared by the network model library and its callers.

#include <cstdint>

namespace WS {

// Bit mask of trench path types; 255 selects every type.
using WSTrenchPathType = int;
constexpr WSTrenchPathType kAllTrenchPathTypes = 255;

}  // namespace WS

// Class ids that devices and topology objects answer through getClassId().
using WsClassId = std::uint64_t;

constexpr WsClassId kClassPipe = 0x3b703f9001d3;
constexpr WsClassId kClassTrenchPath = 0x3b70116a001d;
constexpr WsClassId kClassGully = 0x3b6fc7ed006b;
constexpr WsClassId kClassFitting = 0x3c77885f02c2;
constexpr WsClassId kClassHydrant = 0x3b6fc7c40383;
constexpr WsClassId kClassOutlet = 0x3b456d7f02de;
constexpr WsClassId kClassManhole = 0x3b6fc773000b;
constexpr WsClassId kClassValve = 0x3b6fc795021d;
constexpr WsClassId kClassPipeJoint = 0x3b6fc7fd012c;

// Classes of this library that have no element of their own in the model file.
constexpr WsClassId kClassDeviceSegment = 0x3b703fb30087;
constexpr WsClassId kClassTrenchEdge = 0x3b7011b20241;
constexpr WsClassId kClassTrenchSection = 0x3b7011c600d9;
constexpr WsClassId kClassTrenchNode = 0x3b7011d90112;
constexpr WsClassId kClassTrenchConnectionPoint = 0x3b7011ed03a0;

// The six point-object classes offered for type mapping.
constexpr bool IsMappedPointObjectClass(WsClassId id) {
  return id == kClassGully || id == kClassFitting || id == kClassHydrant || id == kClassOutlet ||
         id == kClassManhole || id == kClassValve;
}

// Every point-object class, pipe joints included.
constexpr bool IsPointObjectClass(WsClassId id) { return IsMappedPointObjectClass(id) || id == kClassPipeJoint; }
