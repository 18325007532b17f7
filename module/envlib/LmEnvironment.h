#pragma once
// The suite's environment: where its application folder and current
// configuration live. Paths are written with placeholders such as
// "<APPATH>\WaterSewer\Config\<CURRENTCONFIG>\" and expanded here.
//
// <APPATH> is LMWS_APPATH when set, else the program's data folder (the
// installed share folder beside the library, or the source tree's data/).
// <CURRENTCONFIG> is LMWS_CURRENTCONFIG when set, else "Default". Any other
// <NAME> is LMWS_NAME when that is set and left as it stands otherwise.
// Backslashes in the result become '/'.

#include <string>

std::wstring LmEnBuildFilename(const std::wstring& pattern, int reserved1, int reserved2);

namespace WsLmEnvUtils {
// LMWS_CONFIGDB when set, else "<APPATH>/WaterSewer/Config/<CURRENTCONFIG>/WaterSewer_Config.db".
// The file need not exist: its name locates the INI files beside it.
std::wstring GetConfigDb();
}  // namespace WsLmEnvUtils
