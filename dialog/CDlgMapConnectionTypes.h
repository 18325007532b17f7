#pragma once
// The "Punkt" page: maps each point-object (connection) type of the model
// onto a SOSI connection type and usage, and for the Gemini variant also
// onto a method code; for that variant it edits the point status and the
// geometric qualities of position and height as well.

#include "CDlgMapTypes.h"

class CDlgMapConnectionTypes : public CDlgMapTypes {
  Q_OBJECT

 public:
  explicit CDlgMapConnectionTypes(PropertySheetAccess* sheet = nullptr);

  void SetStatusConnection(const std::wstring& text) { StatusConnection = text; }
  const std::wstring& GetStatusConnection() const { return StatusConnection; }
  void SetGeometryQualityXY(const std::wstring& text) { GeometryQualityXY = text; }
  const std::wstring& GetGeometryQualityXY() const { return GeometryQualityXY; }
  void SetGeometryQualityZ(const std::wstring& text) { GeometryQualityZ = text; }
  const std::wstring& GetGeometryQualityZ() const { return GeometryQualityZ; }

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
  std::wstring StatusConnection;
  std::wstring GeometryQualityXY;
  std::wstring GeometryQualityZ;
};
