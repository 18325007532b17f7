#include "FeatureLookup.h"

#include <cstdint>
#include <utility>

#include "HostConsole.h"
#include "SosiUnits.h"

FeatureLookup::FeatureLookup(const FeatureTable* table, std::wstring what, bool reported)
    : table_(table), what_(std::move(what)), reported_(reported) {}

const CWsFeature* FeatureLookup::Find(const std::wstring& value) {
  const auto address = reinterpret_cast<std::uintptr_t>(&value);
  Remembered& entry = remembered_[address / sizeof(std::wstring) % kRemembered];
  if (entry.address != &value || entry.value != value) Remember(entry, value);
  if (entry.missing != nullptr) ++*entry.missing;
  return entry.feature;
}

void FeatureLookup::Remember(Remembered& entry, const std::wstring& value) {
  entry.address = &value;
  entry.value = value;
  entry.feature = nullptr;
  entry.missing = nullptr;
  if (table_ != nullptr) {
    if (auto it = table_->find(value); it != table_->end() && !it->second.Feature().empty()) {
      entry.feature = &it->second;
      return;
    }
  }
  if (reported_) entry.missing = &missing_.try_emplace(value, 0).first->second;
}

void FeatureLookup::Report() const {
  for (const auto& [value, count] : missing_) {
    const std::wstring line = L"\nNo SOSI code for " + what_ + L" \"" + value + L"\": " +
                              sosi_units::Decimal(count) + (count == 1 ? L" object" : L" objects");
    acutPrintf(L"%s", line.c_str());
  }
}
