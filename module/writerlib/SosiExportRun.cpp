#include "SosiExportRun.h"

#include "HostConsole.h"
#include "LwdPipe.h"
#include "SosiCodes.h"
#include "SosiUnits.h"

namespace {

// KOORDSYS for a coordinate system text that names no code: user defined.
constexpr int kUserDefinedCoordinateSystem = 99;

std::wstring Count(long count, const wchar_t* one, const wchar_t* many) {
  return sosi_units::Decimal(count) + L" " + (count == 1 ? one : many);
}

void PrintLine(const std::wstring& line) { acutPrintf(L"%s", line.c_str()); }

// Single blanks between the tokens.
std::wstring NormalisedTokens(std::wstring_view text) {
  std::wstring tokens;
  bool blank = false;
  for (wchar_t c : text) {
    if (c == L' ') {
      blank = !tokens.empty();
      continue;
    }
    if (blank) tokens.push_back(L' ');
    tokens.push_back(c);
    blank = false;
  }
  return tokens;
}

sosi_units::DecimalText IdOf(const LwdDevicePointObject* pointObject) {
  return pointObject == nullptr ? sosi_units::DecimalText() : sosi_units::DecimalText(pointObject->getPersistentID());
}

// Object type names are made once for each feature, not for each object.
const std::wstring& Memo(std::map<const CWsFeature*, std::wstring>& names, const CWsFeature& feature,
                         std::wstring (*make)(const CWsFeature&)) {
  const auto found = names.find(&feature);
  return found != names.end() ? found->second : names.emplace(&feature, make(feature)).first->second;
}

}  // namespace

SosiExportRun::SosiExportRun(const SosiLayout& layout, const SosiExportTables& tables, const SosiHeaderTexts& texts,
                             const std::map<int, std::wstring>* pointTags)
    : layout_(layout), tables_(tables), pointTags_(pointTags), texts_(texts), lookups_(tables, layout.fullMapping) {
  using namespace sosi_codes;
  if (auto code = LeadingNumber(texts.coordinateSystem)) {
    coordinateSystem_ = *code;
  } else {
    coordinateSystem_ = kUserDefinedCoordinateSystem;
    Note(L"\nCoordinate system \"" + texts.coordinateSystem +
         L"\" has no SOSI code; KOORDSYS 99 (user defined) written");
  }
  if (IsQualityTokens(texts.quality)) {
    quality_ = NormalisedTokens(texts.quality);
  } else if (!texts.quality.empty()) {
    Note(L"\nQuality \"" + texts.quality +
         L"\" is not in SOSI quality form (numbers and *); no KVALITET written for it");
  }
  networkLevel_ = CodeOf(texts.networkLevel);
  status_ = CodeOf(texts.status);
  curveStatus_ = status_;
  pointStatus_ = status_;
  if (layout.fullMapping) {
    if (auto code = CodeOf(texts.pipeStatus); !code.empty()) curveStatus_ = code;
    if (auto code = CodeOf(texts.connectionStatus); !code.empty()) pointStatus_ = code;
  }
  for (auto [entry, code] : {std::pair{&texts.geometryQualityXY, &qualityXY_}, {&texts.geometryQualityZ, &qualityZ_}}) {
    *code = CodeOf(*entry);
    if (!code->empty() && !IsQualityTokens(*code)) {
      Note(L"\nGeometry quality \"" + *entry + L"\" has no numeric code; written as *");
      code->clear();
    }
  }
  pointQuality_[0] = PointQuality(false);
  pointQuality_[1] = PointQuality(true);
}

SosiHeader SosiExportRun::MakeHeader(const SosiObjectPlan& plan) const {
  SosiHeader header;
  header.coordinateSystem = coordinateSystem_;
  header.datum = texts_.datum;
  header.projection = texts_.projection;
  header.verticalDatum =
      sosi_codes::VerticalDatumIn(texts_.coordinateSystem + L" " + texts_.datum + L" " + texts_.projection);
  header.heights = plan.AnyHeights();
  header.extent = plan.Extent();
  header.quality = quality_;
  header.mapId = texts_.mapId;
  header.owner = texts_.owner;
  header.producer = texts_.producer;
  header.values.Set(SosiField::NetworkLevel, networkLevel_);
  header.values.Set(SosiField::Status, status_);
  header.values.Set(SosiField::Year, texts_.year);
  return header;
}

// The dialog maps methods, supplies and materials only in the full-mapping
// variant; elsewhere their tables are empty by design and not reported.
SosiExportRun::ObjectLookups::ObjectLookups(const SosiExportTables& tables, bool fullMapping)
    : pipeTypes(tables.pipeTypes, L"pipe type", true),
      pipeUsage(tables.pipeUsage, L"pipe usage", true),
      pipeMethod(tables.pipeMethod, L"pipe method", fullMapping),
      pipeSupply(tables.pipeSupply, L"pipe supply", fullMapping),
      pipeMaterials(tables.pipeMaterials, L"pipe material", fullMapping),
      productStandards(tables.pipeMaterialsProductStandard, L"pipe material product standard", fullMapping),
      connectionTypes(tables.connectionTypes, L"point type", true),
      connectionUsage(tables.connectionUsage, L"point usage", true),
      connectionMethod(tables.connectionMethod, L"point method", fullMapping) {}

void SosiExportRun::ObjectLookups::Report() const {
  for (const FeatureLookup* lookup : {&pipeTypes, &pipeUsage, &pipeMethod, &pipeSupply, &pipeMaterials,
                                      &productStandards, &connectionTypes, &connectionUsage, &connectionMethod}) {
    lookup->Report();
  }
}

bool SosiExportRun::Write(ByteSink& sink, const SosiObjectPlan& plan) {
  SosiFileWriter writer(sink);
  curveHeads_ = LineHeads(writer, layout_.curve);
  pointHeads_ = LineHeads(writer, layout_.point);
  WriteSosiHeader(writer, MakeHeader(plan), layout_);
  for (const SosiCurvePlan& curve : plan.Curves()) WriteCurve(writer, curve);
  for (const SosiPointPlan& point : plan.Points()) WritePoint(writer, point);
  writer.End();
  replacedCharacters_ = writer.Encoder().ReplacedCount();
  unknownCharacters_ = writer.Encoder().UnknownCount();
  shortenedValues_ = writer.ShortenedValues();
  return !writer.Failed();
}

void SosiExportRun::WriteCurve(SosiFileWriter& writer, const SosiCurvePlan& curve) {
  const LwdDeviceSegment* first = curve.segments.front();
  const LwdDeviceSegment* last = curve.segments.back();
  // Values of a run come from the pipe of its first segment.
  const LwdPipe* pipe = first->getPipe();
  const std::wstring& name = pipe->getName();
  const std::wstring& material = pipe->getMaterial();

  using sosi_units::DecimalText;
  SosiValues values;
  const CWsFeature* type = lookups_.pipeTypes.Find(name);
  const std::wstring_view objectType =
      type != nullptr ? Memo(lookups_.curveTypeNames, *type, sosi_codes::PipeObjectTypeName) : std::wstring_view();
  values.Set(SosiField::ObjectType, objectType.empty() ? layout_.genericCurveType : objectType);
  const DecimalText group = type != nullptr && type->Group() >= 0 ? DecimalText(type->Group()) : DecimalText();
  if (type != nullptr) {
    values.Set(SosiField::TypeCode, type->Feature());
    values.Set(SosiField::ThemeGroup, group.View());
  }
  if (const CWsFeature* usage = lookups_.pipeUsage.Find(name)) values.Set(SosiField::Usage, usage->Feature());
  if (const CWsFeature* method = lookups_.pipeMethod.Find(name)) values.Set(SosiField::Method, method->Feature());
  if (const CWsFeature* supply = lookups_.pipeSupply.Find(name)) values.Set(SosiField::Supply, supply->Feature());
  if (!material.empty()) {
    const CWsFeature* code = lookups_.pipeMaterials.Find(material);
    values.Set(SosiField::Material, code != nullptr ? code->Feature() : material);
    if (const CWsFeature* standard = lookups_.productStandards.Find(material)) {
      values.Set(SosiField::ProductStandard, standard->Feature());
    }
  }
  values.Set(SosiField::Name, name);
  const DecimalText dimension = pipe->hasDimension() ? DecimalText(pipe->getDimension()) : DecimalText();
  values.Set(SosiField::Dimension, dimension.View());
  values.Set(SosiField::NetworkLevel, networkLevel_);
  values.Set(SosiField::Status, curveStatus_);
  values.Set(SosiField::Owner, texts_.owner);
  values.Set(SosiField::Year, texts_.year);
  if (curve.tag != nullptr) values.Set(SosiField::Tag, *curve.tag);
  values.Set(SosiField::Quality, quality_);
  const DecimalText id(first->getPersistentID());
  values.Set(SosiField::Id, id.View());
  const DecimalText fromId =
      IdOf(curve.reversed ? last->getEndDevicePointObject() : first->getStartDevicePointObject());
  values.Set(SosiField::FromId, fromId.View());
  const DecimalText toId = IdOf(curve.reversed ? first->getStartDevicePointObject() : last->getEndDevicePointObject());
  values.Set(SosiField::ToId, toId.View());

  writer.BeginObject(L"KURVE");
  WriteElements(writer, layout_.curve, curveHeads_, values);
  writer.Element(2, curve.heights ? L"NØH" : L"NØ");
  SosiObjectPlan::ForEachVertex(curve, [&](const WSVertex& vertex) {
    using sosi_units::ToUnits;
    if (curve.heights) {
      writer.Coordinate(ToUnits(vertex.y), ToUnits(vertex.x), ToUnits(vertex.z));
    } else {
      writer.Coordinate(ToUnits(vertex.y), ToUnits(vertex.x));
    }
  });
}

void SosiExportRun::WritePoint(SosiFileWriter& writer, const SosiPointPlan& point) {
  const LwdDevicePointObject* pointObject = point.pointObject;
  const std::wstring& type = pointObject->getType();

  SosiValues values;
  const CWsFeature* feature = lookups_.connectionTypes.Find(type);
  const std::wstring_view objectType =
      feature != nullptr ? Memo(lookups_.pointTypeNames, *feature, sosi_codes::ObjectTypeName) : std::wstring_view();
  values.Set(SosiField::ObjectType, objectType.empty() ? layout_.genericPointType : objectType);
  if (feature != nullptr) values.Set(SosiField::TypeCode, feature->Feature());
  if (const CWsFeature* usage = lookups_.connectionUsage.Find(type)) values.Set(SosiField::Usage, usage->Feature());
  if (const CWsFeature* method = lookups_.connectionMethod.Find(type)) values.Set(SosiField::Method, method->Feature());
  values.Set(SosiField::Name, pointObject->getName());
  values.Set(SosiField::ModelType, type);
  if (pointTags_ != nullptr) {
    if (auto it = pointTags_->find(pointObject->getPersistentID()); it != pointTags_->end()) {
      values.Set(SosiField::Tag, it->second);
    }
  }
  values.Set(SosiField::Status, pointStatus_);
  values.Set(SosiField::Owner, texts_.owner);
  values.Set(SosiField::Year, texts_.year);
  values.Set(SosiField::Quality, pointQuality_[point.heights ? 1 : 0]);
  const sosi_units::DecimalText id(pointObject->getPersistentID());
  values.Set(SosiField::Id, id.View());

  writer.BeginObject(L"PUNKT");
  WriteElements(writer, layout_.point, pointHeads_, values);
  const GmiPosition& position = pointObject->getRelPoint()->getPosition();
  using sosi_units::ToUnits;
  if (point.heights) {
    writer.Element(2, L"NØH");
    writer.Coordinate(ToUnits(position.getY()), ToUnits(position.getX()), ToUnits(position.getZ()));
  } else {
    writer.Element(2, L"NØ");
    writer.Coordinate(ToUnits(position.getY()), ToUnits(position.getX()));
  }
}

// One-line form: method, accuracy, visibility, height method, height accuracy.
// The geometry quality codes give the two methods; a point without a height
// gets no height method.
std::wstring SosiExportRun::PointQuality(bool heights) const {
  const std::wstring z = heights ? qualityZ_ : std::wstring();
  if (qualityXY_.empty() && z.empty()) return {};
  return (qualityXY_.empty() ? L"*" : qualityXY_) + L" * * " + (z.empty() ? L"*" : z) + L" *";
}

void SosiExportRun::ReportProblems(const SosiObjectPlan& plan) const {
  for (const std::wstring& note : notes_) PrintLine(note);
  lookups_.Report();
  if (plan.PointsWithoutPosition() > 0) {
    PrintLine(L"\n" + Count(plan.PointsWithoutPosition(), L"point object", L"point objects") +
              L" without a position not written");
  }
  if (plan.CurvesWithoutGeometry() > 0) {
    PrintLine(L"\n" + Count(plan.CurvesWithoutGeometry(), L"pipe", L"pipes") +
              L" with fewer than two distinct vertices not written");
  }
  if (plan.CurvesWithPartialHeights() > 0) {
    PrintLine(L"\n" + Count(plan.CurvesWithPartialHeights(), L"curve", L"curves") +
              L" written without heights: some of their vertices have none");
  }
  if (replacedCharacters_ > 0) {
    PrintLine(L"\n" + Count(static_cast<long>(replacedCharacters_), L"character", L"characters") +
              L" outside ISO-8859-10 transliterated, " +
              sosi_units::Decimal(static_cast<long long>(unknownCharacters_)) + L" of them as \"?\"");
  }
  if (shortenedValues_ > 0) {
    PrintLine(L"\n" + Count(static_cast<long>(shortenedValues_), L"value", L"values") +
              L" too long for a SOSI line shortened");
  }
}

void SosiExportRun::ReportWritten(const std::wstring& fileName, const SosiObjectPlan& plan) const {
  PrintLine(L"\nSOSI file " + fileName + L" written: " +
            Count(static_cast<long>(plan.Curves().size()), L"curve", L"curves") + L", " +
            Count(static_cast<long>(plan.Points().size()), L"point", L"points"));
}
