#include <gtest/gtest.h>

#include <string>

#include "IniFile.h"
#include "TempDir.h"
#include "WideText.h"

namespace {

std::wstring Read(const std::filesystem::path& file, const wchar_t* section, const wchar_t* key,
                  const wchar_t* fallback = L"") {
  constexpr std::size_t size = 260;
  std::wstring buffer(size, L'#');
  const std::wstring name = platform::FromUtf8(file.string());
  const std::size_t count =
      platform::GetPrivateProfileStringW(section, key, fallback, buffer.data(), size, name.c_str());
  EXPECT_EQ(buffer[count], L'\0');
  return buffer.substr(0, count);
}

}  // namespace

// Names match whatever their case, values are trimmed and lose one pair of
// enclosing quotes, the first occurrence wins and only a leading semicolon
// starts a comment.
TEST(IniFile, ValuesAsTheFileGivesThem) {
  TempDir dir;
  const auto file = dir.Write("Vågå_ø.ini",
                              "\xEF\xBB\xBF; comment\n[Other]\nUseTagCSVFile=No\n[defaults]\n  usetagcsvfile  =   True  \r\n"
                              ";Key=commented\nKey=a ; not a comment\nKey=second\n#Hash=kept\nA=\"quoted value\"\nB='x'\n"
                              "C=\"open\nD=\"\"\nNøkkel=Blåbær\n[Defaults]\nLate=3\n");
  const std::pair<const wchar_t*, const wchar_t*> rows[] = {
      {L"UseTagCSVFile", L"True"}, {L"Key", L"a ; not a comment"}, {L"#Hash", L"kept"}, {L"A", L"quoted value"},
      {L"B", L"x"},                {L"C", L"\"open"},               {L"D", L""},         {L"NØKKEL", L"Blåbær"},
      {L"Late", L"3"}};
  for (const auto& [key, value] : rows) EXPECT_EQ(Read(file, L"DEFAULTS", key), value) << platform::ToUtf8(key);
  EXPECT_EQ(Read(file, L"OTHER", L"USETAGCSVFILE"), L"No");
  EXPECT_EQ(Read(file, L"Defaults", L"Nope", L"x"), L"x");
}
