#include "CodeLists.h"

#include "WinText.h"

CodeList DefaultNetLevelList() {
  return {L"H: Hovednett", L"S: Stikknett", L"F: Fordelingsnett", L"O: Overføringsnett"};
}

// The last entry is what an empty header status becomes.
CodeList DefaultStatusList() {
  return {
      L"E: Eksisterende", L"Z: Erstattet", L"B: Brukes",      L"D: Drift",
      L"F: Foreldet",     L"C: Fjernet",   L"I: I forfall",   L"K: Kondemnert",
      L"N: Nedlagt",      L"O: Ombygd",    L"U: Under arbeid", L"P: Planlagt",
      L"Q: Planlagt illustrert",           L"W: Planlagt prosjektert",
  };
}

CodeList DefaultStatusPipeList() {
  return {
      L"D: Drift",   L"E: Erstattet",   L"EF: Erstattet fjernet", L"EN: Erstattet nedlagt",
      L"F: Fjernet", L"I: Ikke i bruk", L"N: Nedlagt",            L"P: Prosjektert",
  };
}

CodeList DefaultStatusConnectionList() {
  return {L"D: Drift", L"E: Erstattet", L"F: Fjernet", L"N: Nedlagt", L"P: Prosjektert"};
}

// Sorted as text, hence 10 and 15 between 1 and 2.
CodeList DefaultGeometryQualityXYList() {
  return {
      L"0: Ikke bestemt",         L"1: Markinnmåling",        L"10: Prosjektert",
      L"15: Antatt/estimert",     L"2: GPS (0,5)",            L"3: Fotogrametr. m/sign.",
      L"4: Fotogrametr. u/sign.", L"5: Grafisk, m/sign.",     L"6: Grafisk, u/sign.",
      L"7: Dig. kart/utmål",      L"8: Koord. målt fra kart", L"9: Koord. best. visuelt",
  };
}

// Codes 7 and 8 have no meaning for heights.
CodeList DefaultGeometryQualityZList() {
  return {
      L"0: Høyde ikke bestemt",   L"1: Nivvelement", L"2: Tachymetrering", L"3: Fotogrametr. m/sign.",
      L"4: Fotogrametr. u/sign.", L"5: GPS",         L"6: Prosjektert",    L"9: Interpolert",
  };
}

int FindInList(const CodeList& list, const std::wstring& text) {
  for (size_t i = 0; i < list.size(); ++i) {
    if (platform::EqualsIgnoringCase(list[i], text)) return static_cast<int>(i);
  }
  return -1;
}

void ResolveListValue(const CodeList& list, std::wstring& value, const std::wstring& fallback) {
  if (list.empty()) return;
  if (FindInList(list, value) < 0) value = fallback;
  if (FindInList(list, value) < 0) value = list.front();
}
