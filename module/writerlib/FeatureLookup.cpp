#include "FeatureLookup.h"

#include <utility>

#include "HostConsole.h"
#include "SosiUnits.h"

FeatureLookup::FeatureLookup(const FeatureTable* table, std::wstring what, bool reported)
    : table_(table), what_(std::move(what)), reported_(reported) {}

const CWsFeature* FeatureLookup::Find(const std::wstring& value) {
  if (table_ != nullptr) {
    if (auto it = table_->find(value); it != table_->end() && !it->second.Feature().empty()) return &it->second;
  }
  if (reported_) ++missing_[value];
  return nullptr;
}

void FeatureLookup::Report() const {
  for (const auto& [value, count] : missing_) {
    const std::wstring line = L"\nNo SOSI code for " + what_ + L" \"" + value + L"\": " +
                              sosi_units::Decimal(count) + (count == 1 ? L" object" : L" objects");
    acutPrintf(L"%s", line.c_str());
  }
}
