#pragma once
// Looks model values up in one mapping table and keeps count of the values
// that have no code, so that the run can name each of them once, with the
// number of objects written without it.

#include <array>
#include <cstddef>
#include <map>
#include <string>

#include "FeatureTable.h"

class FeatureLookup {
 public:
  // `table` may be null (no mapping at all), and must not change while the
  // lookup is used. `what` names the table in the report ("pipe type"); an
  // unreported lookup only looks up.
  FeatureLookup(const FeatureTable* table, std::wstring what, bool reported);

  // The feature for the value, or null when the table has none or only an
  // empty code for it.
  const CWsFeature* Find(const std::wstring& value);

  // One command line line per value without a code, with its count.
  void Report() const;
  const std::map<std::wstring, long>& Missing() const { return missing_; }

 private:
  // What a value gave, kept for the next objects with it. The model keeps
  // each distinct text once, so the text's address finds its entry at once;
  // the text itself confirms it.
  struct Remembered {
    const std::wstring* address = nullptr;
    std::wstring value;
    const CWsFeature* feature = nullptr;
    long* missing = nullptr;  // the count of a reported value without a code
  };
  static constexpr std::size_t kRemembered = 64;

  void Remember(Remembered& entry, const std::wstring& value);

  const FeatureTable* table_;
  std::wstring what_;
  bool reported_;
  std::map<std::wstring, long> missing_;
  std::array<Remembered, kRemembered> remembered_;
};
