#include "FybaReader.h"

#include <fyba.h>

#include <algorithm>
#include <clocale>
#include <string>

#include "../writerlib/SosiTestText.h"
#include "TempDir.h"
#include "WideText.h"

namespace {

// The reading in progress collects FYBA's reports here.
std::vector<std::string>* currentErrors = nullptr;

// LC_StrError's level of an error after which FYBA would end the program.
constexpr short kFatalLevel = 4;

// Thrown out of FYBA where it would have ended the program: this build of it
// goes on instead, and may read the same line forever.
struct FybaStopped {};

// FYBA gives texts in the file's code page; glibc's table decodes them, so the
// writer's own encoder is not what checks itself.
std::string Utf8FromLatin6(const char* text) { return text != nullptr ? Recode(text, "ISO-8859-10", "UTF-8") : ""; }

std::wstring Decoded(const char* text) { return platform::FromUtf8(Utf8FromLatin6(text)); }

// FYBA parses numbers with the C library, and the test main's QApplication
// may have switched the process to a locale with a decimal comma.
class NumericLocaleC {
 public:
  NumericLocaleC() : previous_(std::setlocale(LC_NUMERIC, nullptr)) { std::setlocale(LC_NUMERIC, "C"); }
  ~NumericLocaleC() { std::setlocale(LC_NUMERIC, previous_.c_str()); }
  NumericLocaleC(const NumericLocaleC&) = delete;
  NumericLocaleC& operator=(const NumericLocaleC&) = delete;

 private:
  std::string previous_;
};

// ".KURVE 12:" gives "KURVE".
std::wstring GroupName(const std::wstring& line) {
  const std::size_t start = line.find_first_not_of(L'.');
  if (start == std::wstring::npos) return {};
  return line.substr(start, line.find(L' ', start) - start);
}

SosiFileHeader ReadHeader() {
  SosiFileHeader header;
  LC_GetOmr(&header.minEast, &header.minNorth, &header.maxEast, &header.maxNorth);
  return header;
}

SosiGroup ReadGroup(short lines, long coordinates, unsigned short info) {
  SosiGroup group;
  group.serial = LC_GetSn();
  group.name = GroupName(Decoded(LC_GetGi(1)));
  for (short line = 2; line <= lines; ++line) group.elements.push_back(Decoded(LC_GetGi(line)));
  for (long point = 1; point <= coordinates; ++point) {
    SosiCoordinate coordinate;
    LC_GetTK(point, &coordinate.east, &coordinate.north);
    if ((info & GI_NAH) != 0) {
      coordinate.height = LC_GetTH(point);
      coordinate.hasHeight = coordinate.height != HOYDE_MANGLER;
    }
    group.coordinates.push_back(coordinate);
  }
  return group;
}

void ReadOpenFile(FybaFile& result) {
  LC_BGR bgr;
  LC_InitNextBgr(&bgr);
  while (LC_NextBgr(&bgr, LC_FRAMGR) != 0) {
    short lines = 0;
    long coordinates = 0;
    unsigned short info = 0;
    const short name = LC_RxGr(&bgr, LES_OPTIMALT, &lines, &coordinates, &info);
    if (name == L_HODE) {
      result.header = ReadHeader();
    } else {
      result.groups.push_back(ReadGroup(lines, coordinates, info));
    }
  }
}

// Opens `base` (for the caller to close, whatever happens) and the file in it.
void OpenAndRead(const std::string& path, LC_BASEADM*& base, FybaFile& result) {
  UT_INT64 end = 0;
  if (HO_TestSOSI(path.c_str(), &end) != UT_TRUE) {
    result.errors.push_back("not a SOSI file: no .HODE or no .SLUTT");
    return;
  }
  base = LC_OpenBase(LC_BASE);
  LC_FILADM* sos = nullptr;
  short status = 0;
  if (LC_OpenSos(path.c_str(), LC_BASE_FRAMGR, LC_NY_IDX, LC_INGEN_STATUS, &sos, &status) != UT_TRUE) {
    char* message = nullptr;
    LC_StrError(status, &message);
    result.errors.push_back("not opened: " + std::to_string(status) + " " + Utf8FromLatin6(message));
    return;
  }
  result.opened = true;
  ReadOpenFile(result);
  LC_CloseSos(sos, RESET_IDX);
}

}  // namespace

// FYBA calls this for every problem it meets; the library's own version prints
// to standard output, which no test would notice.
void LC_Error(short number, const char logText[], const char varText[]) {
  char* message = nullptr;
  const short level = LC_StrError(number, &message);
  if (currentErrors == nullptr) return;
  currentErrors->push_back(std::to_string(number) + " " + Utf8FromLatin6(message) + " " + Utf8FromLatin6(logText) +
                           " " + Utf8FromLatin6(varText));
  if (level >= kFatalLevel) throw FybaStopped{};
}

std::optional<std::wstring> SosiGroup::Value(std::wstring_view element) const {
  for (const std::wstring& line : elements) {
    const std::size_t start = std::min(line.find_first_not_of(L'.'), line.size());
    const std::size_t blank = std::min(line.find(L' ', start), line.size());
    if (std::wstring_view(line).substr(start, blank - start) != element) continue;
    std::wstring_view value = std::wstring_view(line).substr(blank);
    value.remove_prefix(std::min(value.find_first_not_of(L' '), value.size()));
    value.remove_suffix(value.size() - std::min(value.find_last_not_of(L' ') + 1, value.size()));
    if (value.size() < 2 || value.front() != L'"' || value.back() != L'"') return std::wstring(value);
    std::wstring unquoted;
    for (std::size_t i = 1; i + 1 < value.size(); ++i) {
      unquoted.push_back(value[i]);
      if (value[i] == L'"' && value[i + 1] == L'"') ++i;
    }
    return unquoted;
  }
  return std::nullopt;
}

long FybaFile::Count(std::wstring_view group) const {
  long count = 0;
  for (const SosiGroup& g : groups) count += g.name == group ? 1 : 0;
  return count;
}

FybaFile ReadWithFyba(const std::filesystem::path& file) {
  FybaFile result;
  TempDir fresh;
  const std::filesystem::path copy = fresh.File(file.filename().string());
  std::filesystem::copy_file(file, copy);
  const std::string path = copy.string();

  const NumericLocaleC numbers;
  currentErrors = &result.errors;
  LC_Init();
  LC_BASEADM* base = nullptr;
  try {
    OpenAndRead(path, base, result);
  } catch (const FybaStopped&) {
    result.errors.push_back("FYBA stopped reading here");
  }
  if (base != nullptr) LC_CloseBase(base, RESET_IDX);
  LC_Close();
  currentErrors = nullptr;
  return result;
}
