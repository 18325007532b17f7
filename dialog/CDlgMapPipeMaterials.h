#pragma once
// The "Ledningsmateriale" page, part of the sheet only for the Gemini
// variant: maps each pipe material of the model onto a SOSI material and a
// SOSI product standard. It keeps its two tables in fields of its own and
// is stored only when the user confirms while the page is in the sheet.

#include <utility>

#include "CDlgMapTypes.h"

// Materials of the model: (material, short material), in the order met.
using MaterialPairs = std::vector<std::pair<std::wstring, std::wstring>>;

class CDlgMapPipeMaterials : public CDlgMapTypes {
  Q_OBJECT

 public:
  explicit CDlgMapPipeMaterials(PropertySheetAccess* sheet = nullptr);

  // Takes the material of each pair whose material is not empty.
  void AddModelValues(const MaterialPairs& values);

  FeatureTablesByFormat PipeMaterials;
  FeatureTablesByFormat PipeMaterialsProductStandard;

  std::wstring GetColumn1Choices() override;
  std::wstring GetColumn2Choices() override;
  std::wstring GetColumn3Choices() override;
  std::wstring GetColumn4Choices() override;
  void FillStatusControls() override;
  void StoreMappings() override;
  void BuildColumnHeaders(int format) override;
  void UpdateControlVisibility(int format) override;
  void LoadMappings(int format) override;

 protected:
  void OnInitDialog() override;
};
