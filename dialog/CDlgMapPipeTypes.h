#pragma once
// The "Ledning" page: maps each pipe type of the model onto a SOSI pipe type
// and usage, and for the Gemini variant also onto a method and a supply code;
// for that variant it edits the pipe status as well.

#include "CDlgMapTypes.h"

class CDlgMapPipeTypes : public CDlgMapTypes {
  Q_OBJECT

 public:
  explicit CDlgMapPipeTypes(PropertySheetAccess* sheet = nullptr);

  void SetStatusPipe(const std::wstring& text) { StatusPipe = text; }
  const std::wstring& GetStatusPipe() const { return StatusPipe; }

  std::wstring GetColumn1Choices() override;
  std::wstring GetColumn2Choices() override;
  std::wstring GetColumn3Choices() override;
  std::wstring GetColumn4Choices() override;
  void FillStatusControls() override;
  void StoreMappings() override;
  void BuildColumnHeaders(int format) override;
  void UpdateControlVisibility(int format) override;

 protected:
  void OnInitDialog() override;

 private:
  std::wstring StatusPipe;
};
