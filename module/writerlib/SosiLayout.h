#pragma once
// What each shipped file format variant writes: the element names and their
// nesting for a pipe (.KURVE) and for a point object (.PUNKT). The mapper fills one SosiValues per object; the layout
// decides which element carries which value. docs/sosi-output.md shows the
// three layouts.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "SosiFileWriter.h"

enum class SosiField {
  Group,  // an element without a value that opens the sub-elements below it
  ObjectType,
  Quality,
  Id,
  LocalId,
  Namespace,
  Guid,
  FromId,
  ToId,
  Name,
  ModelType,
  TypeCode,
  ThemeGroup,
  Usage,
  Method,
  Supply,
  Material,
  ProductStandard,
  Dimension,
  NetworkLevel,
  Status,
  Owner,
  Year,
  Tag,
  HeightReference,
  CaptureDate,
  Count
};

// The values of one object, by field; empty means absent.
// They view texts the caller keeps until the values are written, so that
// filling them for each of a city's objects copies nothing.
class SosiValues {
 public:
  void Set(SosiField field, std::wstring_view value) { values_[Index(field)] = value; }
  std::wstring_view Get(SosiField field) const { return values_[Index(field)]; }

 private:
  static std::size_t Index(SosiField field) { return static_cast<std::size_t>(field); }
  std::array<std::wstring_view, static_cast<std::size_t>(SosiField::Count)> values_;
};

struct SosiElement {
  int level;
  std::wstring_view name;
  SosiField field;
};

struct SosiLayout {
  std::wstring_view name;
  // ..OBJTYPE of an object whose type has no mapping.
  std::wstring_view genericCurveType;
  std::wstring_view genericPointType;
  // The variant whose dialog maps methods, supplies, materials and product
  // standards and sets the pipe and point status of their own.
  bool fullMapping;
  // The variant whose objects carry the owner as a code (K, P ...), not as text.
  bool ownerCodes;
  std::span<const SosiElement> curve;
  std::span<const SosiElement> point;
};

// 0 plain SOSI, 1 GISLINE, 2 Gemini; any other value gives the plain layout.
const SosiLayout& SosiLayoutFor(int fileFormat);

// Writes the elements that have a value, in layout order. A group element is
// written only when one of its sub-elements is.
void WriteElements(SosiFileWriter& writer, std::span<const SosiElement> elements, const SosiValues& values);
// The elements' line starts, made once for elements written for every object.
std::vector<std::string> LineHeads(SosiFileWriter& writer, std::span<const SosiElement> elements);
// The same as WriteElements, with the elements' LineHeads.
void WriteElements(SosiFileWriter& writer, std::span<const SosiElement> elements, std::span<const std::string> heads,
                   const SosiValues& values);
