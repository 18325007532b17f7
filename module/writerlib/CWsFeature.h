#pragma once
// One SOSI code value: the code itself, its Norwegian description and the
// group it belongs to. The mapping tables map model values onto these.

#include <string>

class CWsFeature {
 public:
  // A cleared feature has no code, no description and no group.
  static constexpr int kNoGroup = -1;

  CWsFeature() = default;
  CWsFeature(std::wstring feature, std::wstring description, int group = kNoGroup);

  void Clear();

  const std::wstring& Feature() const { return feature_; }
  void Feature(const std::wstring& feature) { feature_ = feature; }
  const std::wstring& Description() const { return description_; }
  void Description(const std::wstring& description) { description_ = description; }
  int Group() const { return group_; }
  void Group(int group) { group_ = group; }

  // The text a grid cell shows for this code: "SP: Spillvannsledning", or the
  // code alone when there is no description, or empty for a cleared feature.
  std::wstring ToString() const;

  friend bool operator==(const CWsFeature&, const CWsFeature&) = default;

 private:
  std::wstring feature_;
  std::wstring description_;
  int group_ = kNoGroup;
};
