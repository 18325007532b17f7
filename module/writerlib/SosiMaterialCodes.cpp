#include "SosiMaterialCodes.h"

#include <string>
#include <utility>

#include "SosiCodes.h"

namespace sosi_codes {

namespace {

// Keys as MatchKey gives them. Every code is also its own key.
constexpr std::pair<std::wstring_view, std::wstring_view> kMaterials[] = {
    {L"PVC", L"PVC"},
    {L"POLYVINYLKLORID", L"PVC"},
    {L"PVCU", L"PVC-U"},
    {L"PVCO", L"PVC-0"},
    {L"PVC0", L"PVC-0"},
    {L"PE", L"PE"},
    {L"POLYETYLEN", L"PE"},
    {L"PE100", L"PE100"},
    {L"PE80", L"PE80"},
    {L"PE50", L"PE50"},
    {L"PE32", L"PE32"},
    {L"PEH", L"PEH"},
    {L"PEHD", L"PEH"},
    {L"HDPE", L"PEH"},
    {L"PEM", L"PEM"},
    {L"PEMD", L"PEM"},
    {L"PEL", L"PEL"},
    {L"PELD", L"PEL"},
    {L"LDPE", L"PEL"},
    {L"PERC", L"PERC"},
    {L"PE100RC", L"PERC"},
    {L"PP", L"PP"},
    {L"POLYPROPYLEN", L"PP"},
    {L"GRP", L"GRP"},
    {L"GLASSFIBER", L"GRP"},
    {L"GLASSFIBERARMERTPOLYESTER", L"GRP"},
    {L"GUP", L"GUP"},
    {L"BET", L"BET"},
    {L"BETONG", L"BET"},
    {L"ARMERTBETONG", L"BET"},
    {L"SJ", L"SJ"},
    {L"STØPEJERN", L"SJ"},
    {L"SJG", L"SJG"},
    {L"GRÅTTSTØPEJERN", L"SJG"},
    {L"GRÅJERN", L"SJG"},
    {L"SJK", L"SJK"},
    {L"DUKTILTSTØPEJERN", L"SJK"},
    {L"DUKTILT", L"SJK"},
    {L"SEIGJERN", L"SJK"},
    {L"MST", L"MST"},
    {L"STÅL", L"MST"},
    {L"MGA", L"MGA"},
    {L"GALVANISERTSTÅL", L"MGA"},
    {L"MRS", L"MRS"},
    {L"RUSTFRITTSTÅL", L"MRS"},
    {L"MSF", L"MSF"},
    {L"SYREFASTSTÅL", L"MSF"},
    {L"MCU", L"MCU"},
    {L"KOBBER", L"MCU"},
    {L"AAS", L"AAS"},
    {L"ASBESTSEMENT", L"AAS"},
    {L"ETERNIT", L"AAS"},
    {L"LER", L"LER"},
    {L"LEIRE", L"LER"},
    {L"LEIRRØR", L"LER"},
    {L"TEG", L"TEG"},
    {L"TEGL", L"TEG"},
    {L"KOMPOS", L"KOMPOS"},
    {L"KOMPOSITT", L"KOMPOS"},
    {L"AN", L"AN"},
    {L"ANNET", L"AN"},
    {L"UK", L"UK"},
    {L"UKJENT", L"UK"},
};

}  // namespace

std::wstring_view MaterialCode(std::wstring_view text) {
  const std::wstring key = MatchKey(text);
  for (const auto& [name, code] : kMaterials) {
    if (key == name) return code;
  }
  return {};
}

}  // namespace sosi_codes
