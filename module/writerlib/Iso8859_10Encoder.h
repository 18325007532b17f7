#pragma once
// Wide text to ISO-8859-10 (Latin-6, Nordic) bytes, the character set the
// SOSI files declare. Characters outside the set are transliterated (the table
// is in docs/sosi-output.md): typographic marks to their ASCII forms, letters
// with other diacritics to their base letter, a few ligatures and symbols to
// short ASCII spellings. What has no transliteration becomes "?". Every
// character that did not pass unchanged is counted, so that the caller can
// report it.

#include <cstddef>
#include <string>
#include <string_view>

class Iso8859_10Encoder {
 public:
  // The most bytes one character becomes ("EUR" for the euro sign).
  static constexpr std::size_t kMaxBytesPerCharacter = 3;

  // Appends the bytes of `text` to `out`.
  void Encode(std::wstring_view text, std::string& out);
  // Writes the bytes of `text` from `out`, which has room for
  // kMaxBytesPerCharacter bytes a character; returns the end of them.
  char* Encode(std::wstring_view text, char* out);

  // Characters replaced since construction (transliterated or "?").
  std::size_t ReplacedCount() const { return replaced_; }
  // Of those, characters that had no transliteration and became "?".
  std::size_t UnknownCount() const { return unknown_; }

 private:
  char* Append(wchar_t c, char* out);

  std::size_t replaced_ = 0;
  std::size_t unknown_ = 0;
};
