#include "SosiLayout.h"

namespace {

using F = SosiField;

// Every variant identifies its objects the SOSI 4.5 way, ..IDENT with
// ...LOKALID and ...NAVNEROM.

// Plain SOSI: every other value a level-2 element of its own.
constexpr SosiElement kPlainCurve[] = {
    {2, L"OBJTYPE", F::ObjectType},   {2, L"IDENT", F::Group},           {3, L"LOKALID", F::LocalId},
    {3, L"NAVNEROM", F::Namespace},   {2, L"NAVN", F::Name},             {2, L"TEMA", F::TypeCode},
    {2, L"BRUK", F::Usage},           {2, L"METODE", F::Method},         {2, L"TILFØRSEL", F::Supply},
    {2, L"MATERIAL", F::Material},    {2, L"PRODUKTSTANDARD", F::ProductStandard},
    {2, L"DIMENSJON", F::Dimension},  {2, L"NETTNIVÅ", F::NetworkLevel}, {2, L"STATUS", F::Status},
    {2, L"EIER", F::Owner},           {2, L"ANLEGGSÅR", F::Year},        {2, L"LINJEIDANL", F::Tag},
    {2, L"HØYDEREFERANSE", F::HeightReference}, {2, L"DATAFANGSTDATO", F::CaptureDate},
    {2, L"KVALITET", F::Quality}};
constexpr SosiElement kPlainPoint[] = {
    {2, L"OBJTYPE", F::ObjectType}, {2, L"IDENT", F::Group},     {3, L"LOKALID", F::LocalId},
    {3, L"NAVNEROM", F::Namespace}, {2, L"NAVN", F::Name},       {2, L"TYPE", F::ModelType},
    {2, L"TEMA", F::TypeCode},      {2, L"BRUK", F::Usage},      {2, L"METODE", F::Method},
    {2, L"STATUS", F::Status},      {2, L"EIER", F::Owner},      {2, L"ANLEGGSÅR", F::Year},
    {2, L"PUNKTIDANL", F::Tag},     {2, L"HØYDEREFERANSE", F::HeightReference},
    {2, L"DATAFANGSTDATO", F::CaptureDate}, {2, L"KVALITET", F::Quality}};

// GISLINE: the network values in the SOSI 4.0 groups ..LEDNING and ..KOPLING.
constexpr SosiElement kGislineCurve[] = {
    {2, L"OBJTYPE", F::ObjectType},   {2, L"IDENT", F::Group},           {3, L"LOKALID", F::LocalId},
    {3, L"NAVNEROM", F::Namespace},   {2, L"LEDNING", F::Group},         {3, L"LEDN_NAV", F::Name},
    {3, L"TEMA", F::TypeCode},        {3, L"LEDN_BRU", F::Usage},        {3, L"METODE", F::Method},
    {3, L"TILFØRSEL", F::Supply},     {3, L"MATR_KODE", F::Material},    {3, L"PRODUKTSTANDARD", F::ProductStandard},
    {3, L"DIMENSJON", F::Dimension},  {3, L"NETT_NIV", F::NetworkLevel}, {2, L"STATUS", F::Status},
    {2, L"EIER", F::Owner},           {2, L"ANLEGGSÅR", F::Year},        {2, L"LINJEIDANL", F::Tag},
    {2, L"HØYDEREFERANSE", F::HeightReference}, {2, L"DATAFANGSTDATO", F::CaptureDate},
    {2, L"KVALITET", F::Quality}};
constexpr SosiElement kGislinePoint[] = {
    {2, L"OBJTYPE", F::ObjectType}, {2, L"IDENT", F::Group},     {3, L"LOKALID", F::LocalId},
    {3, L"NAVNEROM", F::Namespace}, {2, L"KOPLING", F::Group},   {3, L"KOPL_NAV", F::Name},
    {3, L"KOPL_TYP", F::TypeCode},  {3, L"KOPL_BRU", F::Usage},  {3, L"METODE", F::Method},
    {3, L"TYPE", F::ModelType},     {2, L"STATUS", F::Status},   {2, L"EIER", F::Owner},
    {2, L"ANLEGGSÅR", F::Year},     {2, L"PUNKTIDANL", F::Tag},  {2, L"HØYDEREFERANSE", F::HeightReference},
    {2, L"DATAFANGSTDATO", F::CaptureDate}, {2, L"KVALITET", F::Quality}};

// Gemini VA: common values at level 2, the VA values in ..EGS_LEDNING and
// ..EGS_PUNKT. ..GUID carries the same UUID as ...LOKALID. A pipe's network
// type is ...NETTYPE; ...FUNKSJON is a point's.
constexpr SosiElement kGeminiCurve[] = {
    {2, L"OBJTYPE", F::ObjectType},     {2, L"KVALITET", F::Quality},     {2, L"DATAFANGSTDATO", F::CaptureDate},
    {2, L"GUID", F::Guid},              {2, L"HØYDEREFERANSE", F::HeightReference},
    {2, L"IDENT", F::Group},            {3, L"LOKALID", F::LocalId},      {3, L"NAVNEROM", F::Namespace},
    {2, L"EGS_LEDNING", F::Group},      {3, L"SID", F::Id},               {3, L"L_TEMA", F::TypeCode},
    {3, L"TEMAGRUPPE", F::ThemeGroup},  {3, L"SKJØTEMETODE", F::Method},  {3, L"TILFØRSEL", F::Supply},
    {3, L"MATERIAL", F::Material},      {3, L"PRODUKTSTANDARD", F::ProductStandard},
    {3, L"DIMENSJON", F::Dimension},    {3, L"NETTYPE", F::NetworkLevel}, {3, L"STATUS", F::Status},
    {3, L"EIER", F::Owner},             {3, L"ANLEGGSÅR", F::Year},       {3, L"FSID", F::FromId},
    {3, L"TSID", F::ToId},              {3, L"LINJEIDANL", F::Tag},       {3, L"NAVN", F::Name}};
constexpr SosiElement kGeminiPoint[] = {
    {2, L"OBJTYPE", F::ObjectType}, {2, L"KVALITET", F::Quality},   {2, L"DATAFANGSTDATO", F::CaptureDate},
    {2, L"GUID", F::Guid},          {2, L"HØYDEREFERANSE", F::HeightReference},
    {2, L"IDENT", F::Group},        {3, L"LOKALID", F::LocalId},    {3, L"NAVNEROM", F::Namespace},
    {2, L"EGS_PUNKT", F::Group},    {3, L"SID", F::Id},             {3, L"P_TEMA", F::TypeCode},
    {3, L"FUNKSJON", F::Usage},     {3, L"BYGGEMET", F::Method},    {3, L"TYPE", F::ModelType},
    {3, L"NAVN", F::Name},          {3, L"PUNKTIDANL", F::Tag},     {3, L"STATUS", F::Status},
    {3, L"EIER", F::Owner},         {3, L"ANLEGGSÅR", F::Year}};

constexpr SosiLayout kPlain{L"SOSI", L"VA_Ledning", L"VA_Punkt", false, false, kPlainCurve, kPlainPoint};
constexpr SosiLayout kGisline{L"GISLINE", L"Ledning", L"Kopling", false, false, kGislineCurve, kGislinePoint};
constexpr SosiLayout kGemini{L"Gemini", L"VA_Ledning", L"VA_Punkt", true, true, kGeminiCurve, kGeminiPoint};

// Values already in token form: numbers, the one-line quality, UUIDs, dates
// and the height reference codes.
bool IsTokenField(SosiField field) {
  switch (field) {
    case F::Quality:
    case F::Id:
    case F::LocalId:
    case F::Guid:
    case F::FromId:
    case F::ToId:
    case F::ThemeGroup:
    case F::HeightReference:
    case F::CaptureDate:
      return true;
    default:
      return false;
  }
}

bool HasValueBelow(std::span<const SosiElement> elements, std::size_t group, const SosiValues& values) {
  for (std::size_t i = group + 1; i < elements.size() && elements[i].level > elements[group].level; ++i) {
    if (elements[i].field != F::Group && !values.Get(elements[i].field).empty()) return true;
  }
  return false;
}

}  // namespace

const SosiLayout& SosiLayoutFor(int fileFormat) {
  switch (fileFormat) {
    case 1:
      return kGisline;
    case 2:
      return kGemini;
    default:
      return kPlain;
  }
}

void WriteElements(SosiFileWriter& writer, std::span<const SosiElement> elements, const SosiValues& values) {
  WriteElements(writer, elements, LineHeads(writer, elements), values);
}

std::vector<std::string> LineHeads(SosiFileWriter& writer, std::span<const SosiElement> elements) {
  std::vector<std::string> heads;
  heads.reserve(elements.size());
  for (const SosiElement& element : elements) heads.push_back(writer.LineHead(element.level, element.name));
  return heads;
}

void WriteElements(SosiFileWriter& writer, std::span<const SosiElement> elements, std::span<const std::string> heads,
                   const SosiValues& values) {
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const SosiElement& element = elements[i];
    if (element.field == F::Group) {
      if (HasValueBelow(elements, i, values)) writer.Element(heads[i]);
      continue;
    }
    const std::wstring_view value = values.Get(element.field);
    if (value.empty()) continue;
    if (IsTokenField(element.field)) {
      writer.Tokens(heads[i], value);
    } else {
      const std::wstring_view texts[] = {value};
      writer.Values(heads[i], {}, texts);
    }
  }
}
