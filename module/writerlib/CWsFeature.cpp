#include "CWsFeature.h"

#include <utility>

CWsFeature::CWsFeature(std::wstring feature, std::wstring description, int group)
    : feature_(std::move(feature)), description_(std::move(description)), group_(group) {}

void CWsFeature::Clear() {
  feature_.clear();
  description_.clear();
  group_ = kNoGroup;
}

std::wstring CWsFeature::ToString() const {
  if (description_.empty()) return feature_;
  return feature_ + L": " + description_;
}
