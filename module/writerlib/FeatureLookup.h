#pragma once
// Looks model values up in one mapping table and keeps count of the values
// that have no code, so that the run can name each of them once, with the
// number of objects written without it.

#include <map>
#include <string>

#include "FeatureTable.h"

class FeatureLookup {
 public:
  // `table` may be null (no mapping at all). `what` names the table in the
  // report ("pipe type"); an unreported lookup only looks up.
  FeatureLookup(const FeatureTable* table, std::wstring what, bool reported);

  // The feature for the value, or null when the table has none or only an
  // empty code for it.
  const CWsFeature* Find(const std::wstring& value);

  // One command line line per value without a code, with its count.
  void Report() const;
  const std::map<std::wstring, long>& Missing() const { return missing_; }

 private:
  const FeatureTable* table_;
  std::wstring what_;
  bool reported_;
  std::map<std::wstring, long> missing_;
};
