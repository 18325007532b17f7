#pragma once
// Streams the text of a SOSI file to a byte sink: the header group, then one
// group per object, then ".SLUTT". It knows the syntax (levels of dots,
// serial numbers, quoting, coordinate lines, line length, the file's
// character set) and nothing of what the elements mean.
//
// Lines end with CR LF and are kept below FYBA's 1024-byte read buffer; a
// text value too long for one line is shortened and counted. Lines are made
// in place in a block of about a megabyte that goes to the sink when full,
// at Flush and at End: a city's file has millions of short lines.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "ByteSink.h"
#include "Iso8859_10Encoder.h"

class SosiFileWriter {
 public:
  // Longest line written, line end included.
  static constexpr std::size_t kMaxLineBytes = 1000;

  explicit SosiFileWriter(ByteSink& sink) : sink_(sink) {}

  void BeginHeader();
  // ".KURVE 7:" with the next serial number (1, 2, ...); returns it.
  long BeginObject(std::wstring_view group);
  // An element that only opens sub-elements: "..EGS_LEDNING".
  void Element(int level, std::wstring_view name);
  // A text value, quoted when SOSI needs it (see QuoteIfNeeded).
  void Text(int level, std::wstring_view name, std::wstring_view value) { Values(level, name, {}, {&value, 1}); }
  // Tokens as they stand, then text values each quoted when needed, on one
  // line: "...KOORDSYS 22 "Euref 89" UTM".
  void Values(int level, std::wstring_view name, std::wstring_view tokens, std::span<const std::wstring_view> texts);
  // A value that is already in SOSI token form ("22 EUREF89 UTM", "10 * * 6 *").
  void Tokens(int level, std::wstring_view name, std::wstring_view tokens);
  // An element's line start ("...NAVN") in the file's bytes. Made once for an
  // element written for every object, it spares encoding the name on each of
  // a city's lines; the calls below take it in place of level and name.
  std::string LineHead(int level, std::wstring_view name);
  void Element(std::string_view head);
  void Values(std::string_view head, std::wstring_view tokens, std::span<const std::wstring_view> texts);
  void Tokens(std::string_view head, std::wstring_view tokens);
  // Coordinate lines: north first, east second, height third, in file units.
  void Coordinate(long long north, long long east);
  void Coordinate(long long north, long long east, long long height);
  // Ends the file and hands the rest of the block to the sink.
  void End();
  // Hands the lines made so far to the sink.
  void Flush();

  // An encoded value as one SOSI token: control characters become blanks; a
  // value that is empty, holds a blank, a quote, "!", ":", or starts with a
  // character SOSI gives a meaning to ("." "*" "@" "&") is put in double
  // quotes, with quotes inside doubled. Decided after transliteration, which
  // may bring in blanks and quotes.
  static std::string QuoteIfNeeded(std::string_view encoded);

  bool Failed() const { return failed_; }
  long ObjectCount() const { return serial_; }
  std::size_t ShortenedValues() const { return shortened_; }
  const Iso8859_10Encoder& Encoder() const { return encoder_; }

 private:
  void StartLine(int level, std::wstring_view name);
  // The rest of a line after its start.
  void ValuesAfterHead(std::wstring_view tokens, std::span<const std::wstring_view> texts);
  void TokensAfterHead(std::wstring_view tokens);
  void FinishLine();

  ByteSink& sink_;
  Iso8859_10Encoder encoder_;
  // Room for `bytes` more after the used part of the block.
  char* Room(std::size_t bytes) {
    if (used_ + bytes > block_.size()) Grow(bytes);
    return block_.data() + used_;
  }
  void Grow(std::size_t bytes);
  void Put(char byte) {
    *Room(1) = byte;
    ++used_;
  }
  void Put(std::string_view bytes);
  void Encode(std::wstring_view text);
  void PutInteger(long long value);

  // Its size is its room; the first used_ bytes are lines not yet handed on.
  std::string block_;
  std::size_t used_ = 0;
  std::size_t lineStart_ = 0;
  long serial_ = 0;
  std::size_t shortened_ = 0;
  bool failed_ = false;
};
