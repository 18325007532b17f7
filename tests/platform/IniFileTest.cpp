#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "IniFile.h"
#include "TempDir.h"
#include "WideText.h"

namespace {

std::wstring Read(const std::filesystem::path& file, const wchar_t* section, const wchar_t* key,
                  const wchar_t* fallback = L"", std::size_t size = 260) {
  std::wstring buffer(size, L'#');
  const std::wstring name = platform::FromUtf8(file.string());
  const std::size_t count =
      platform::GetPrivateProfileStringW(section, key, fallback, buffer.data(), size, name.c_str());
  EXPECT_EQ(buffer[count], L'\0');
  return buffer.substr(0, count);
}

}  // namespace

TEST(IniFile, NamesMatchIgnoringCaseAndValuesAreTrimmed) {
  TempDir dir;
  const auto file = dir.Write("a.ini", "[Other]\nUseTagCSVFile=No\n[defaults]\n  usetagcsvfile  =   True  \r\n");
  EXPECT_EQ(Read(file, L"Defaults", L"UseTagCSVFile"), L"True");
  EXPECT_EQ(Read(file, L"OTHER", L"USETAGCSVFILE"), L"No");
}

TEST(IniFile, MissingFileSectionOrKeyGivesTheDefaultWithoutTrailingBlanks) {
  TempDir dir;
  const auto file = dir.Write("a.ini", "[Defaults]\nKey=1\n");
  EXPECT_EQ(Read(dir.File("absent.ini"), L"Defaults", L"Key", L"fallback  "), L"fallback");
  EXPECT_EQ(Read(file, L"Nope", L"Key", L"x"), L"x");
  EXPECT_EQ(Read(file, L"Defaults", L"Nope", L" x"), L" x");
  EXPECT_EQ(Read(file, L"Defaults", L"Nope", nullptr), L"");
}

TEST(IniFile, PipesAndDevicesAreNotReadAndGiveTheDefault) {
  TempDir dir;
  const auto pipe = dir.File("pipe.ini");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(Read(pipe, L"Defaults", L"Key", L"fallback"), L"fallback");
  std::filesystem::create_symlink("/dev/zero", dir.File("zero.ini"));
  EXPECT_EQ(Read(dir.File("zero.ini"), L"Defaults", L"Key", L"fallback"), L"fallback");
}

TEST(IniFile, FirstOccurrenceWinsAndOnlyLeadingSemicolonsComment) {
  TempDir dir;
  const auto file = dir.Write("a.ini",
                              "; comment\n[Defaults]\n;Key=commented\nKey=a ; not a comment\nKey=second\n"
                              "#Hash=kept\n[Defaults]\nLate=3\n");
  EXPECT_EQ(Read(file, L"Defaults", L"Key"), L"a ; not a comment");
  EXPECT_EQ(Read(file, L"Defaults", L"#Hash"), L"kept");
  EXPECT_EQ(Read(file, L"Defaults", L"Late"), L"3");
}

TEST(IniFile, EnclosingQuotesAreRemovedOnce) {
  TempDir dir;
  const auto file = dir.Write("a.ini", "[S]\nA=\"quoted value\"\nB='x'\nC=\"open\nD=\"\"\n");
  EXPECT_EQ(Read(file, L"S", L"A"), L"quoted value");
  EXPECT_EQ(Read(file, L"S", L"B"), L"x");
  EXPECT_EQ(Read(file, L"S", L"C"), L"\"open");
  EXPECT_EQ(Read(file, L"S", L"D"), L"");
}

TEST(IniFile, LongValuesAreReadWholeOrCutToTheBuffer) {
  TempDir dir;
  const auto file = dir.Write("a.ini", "[S]\nLong=" + std::string(1000, 'v') + "\nK=abcdef\n  Next=2\n");
  EXPECT_EQ(Read(file, L"S", L"Long", L"", 2000), std::wstring(1000, L'v'));
  EXPECT_EQ(Read(file, L"S", L"K", L"", 4), L"abc");
  EXPECT_EQ(Read(file, L"S", L"K", L"", 1), L"");
  EXPECT_EQ(Read(file, L"S", L"Next"), L"2");
}

TEST(IniFile, Utf8TextAndPathsWithNorwegianLetters) {
  TempDir dir;
  const auto file = dir.Write("Vågå_ø.ini", "\xEF\xBB\xBF[Seksjon]\nNøkkel=Blåbær\n");
  EXPECT_EQ(Read(file, L"SEKSJON", L"NØKKEL"), L"Blåbær");
}
