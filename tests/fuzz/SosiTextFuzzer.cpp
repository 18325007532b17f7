// Text (UTF-8 bytes) through the SOSI writer's encoding and quoting: each
// character of ISO-8859-10 comes back as itself through the system's own
// decoder, every other becomes a short ASCII transliteration and is counted,
// and the quoted token reads back as the encoded text.

#include <iconv.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Iso8859_10Encoder.h"
#include "SosiFileWriter.h"
#include "WideText.h"

namespace {

// The character of each ISO-8859-10 byte, by iconv.
const std::array<wchar_t, 256> kDecoded = [] {
  std::array<wchar_t, 256> characters{};
  const iconv_t decoder = iconv_open("WCHAR_T", "ISO-8859-10");
  for (std::size_t byte = 0; byte < characters.size(); ++byte) {
    char in = static_cast<char>(byte);
    char* from = &in;
    std::size_t inLeft = 1;
    char* to = reinterpret_cast<char*>(&characters[byte]);
    std::size_t outLeft = sizeof(wchar_t);
    iconv(decoder, &from, &inLeft, &to, &outLeft);
  }
  iconv_close(decoder);
  return characters;
}();

// What a SOSI reader makes of a token: the text inside quotes, doubled quotes single.
std::string ReadToken(const std::string& token) {
  if (token.size() < 2 || token.front() != '"' || token.back() != '"') return token;
  std::string text;
  for (std::size_t i = 1; i + 1 < token.size(); ++i) {
    if (token[i] == '"' && token[++i] != '"') std::abort();
    text += token[i];
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::wstring text = platform::FromUtf8(std::string(reinterpret_cast<const char*>(data), size));
  Iso8859_10Encoder whole;
  std::string encoded;
  whole.Encode(text, encoded);
  Iso8859_10Encoder single;
  std::string joined;
  std::size_t outside = 0;
  for (const wchar_t c : text) {
    char bytes[Iso8859_10Encoder::kMaxBytesPerCharacter];
    const std::string_view one(bytes, static_cast<std::size_t>(single.Encode(std::wstring_view(&c, 1), bytes) - bytes));
    joined += one;
    if (one.size() == 1 && kDecoded[static_cast<unsigned char>(one[0])] == c) continue;
    ++outside;
    for (const char byte : one) {
      if (static_cast<unsigned char>(byte) >= 0x80) std::abort();
    }
  }
  if (joined != encoded || whole.ReplacedCount() != outside || whole.UnknownCount() > outside) std::abort();

  std::string plain = encoded;
  for (char& c : plain) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || (byte >= 0x7f && byte <= 0x9f)) c = ' ';
  }
  const std::string token = SosiFileWriter::QuoteIfNeeded(encoded);
  const bool quoted = plain.empty() || plain.find_first_of(" \"'!:") != std::string::npos ||
                      plain.find_first_of(".*@&") == 0;
  if ((token.front() == '"') != quoted || ReadToken(token) != plain) std::abort();
  return 0;
}
