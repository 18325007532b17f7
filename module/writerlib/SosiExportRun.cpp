#include "SosiExportRun.h"

#include "HostConsole.h"
#include "LwdPipe.h"
#include "SosiCodes.h"
#include "SosiMaterialCodes.h"
#include "SosiUnits.h"
#include "WideText.h"

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

// Heights are NN2000 where the model names no height system: the national
// height system of Norway.
constexpr wchar_t kDefaultHeightSystem[] = L"NN2000";
// The namespace of a model built in memory that names none.
constexpr wchar_t kDefaultNamespace[] = L"urn:ws-model";

// Pipe joints cannot be mapped on the dialog: they are written as this.
constexpr wchar_t kJointObjectType[] = L"Rørskjøt";
constexpr wchar_t kJointTheme[] = L"DIV";

// ..HØYDEREFERANSE of an object whose heights mean `meaning`; by theme, water
// pipes (theme group 1) are measured at the top and all other pipes at the invert.
std::wstring_view HeightReference(LwdModelInfo::HeightMeaning meaning, int themeGroup) {
  using Meaning = LwdModelInfo::HeightMeaning;
  switch (meaning) {
    case Meaning::Ground:
      return L"PÅ_BAKKEN";
    case Meaning::Invert:
      return L"BUNN_INNVENDIG";
    case Meaning::Top:
      return L"TOPP_UTVENDIG";
    case Meaning::ByTheme:
      if (themeGroup == 1) return L"TOPP_UTVENDIG";
      if (themeGroup >= 2 && themeGroup <= 5) return L"BUNN_INNVENDIG";
      return L"UKJENT";
    case Meaning::Unknown:
      break;
  }
  return L"UKJENT";
}

// The blank-separated tokens of a text.
std::vector<std::wstring> Tokens(std::wstring_view text) {
  std::vector<std::wstring> tokens;
  std::wstring token;
  for (wchar_t c : text) {
    if (c != L' ') {
      token.push_back(c);
    } else if (!token.empty()) {
      tokens.push_back(std::move(token));
      token.clear();
    }
  }
  if (!token.empty()) tokens.push_back(std::move(token));
  return tokens;
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
  datum_ = DatumToken(texts.datum);
  if (datum_.empty() && !texts.datum.empty()) {
    Note(L"\nDatum \"" + texts.datum + L"\" is not a SOSI datum (EUREF89, NGO48, ED50, WGS84); left out of KOORDSYS");
  }
  projection_ = ProjectionToken(texts.projection);
  if (projection_.empty() && !texts.projection.empty()) {
    Note(L"\nProjection \"" + texts.projection +
         (VerticalDatumToken(texts.projection).empty() ? L"\" is not a SOSI projection (UTM, NGO, GEO)"
                                                       : L"\" is a height system, not a projection") +
         L"; left out of KOORDSYS");
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
  objectQuality_[0] = ObjectQuality(false);
  objectQuality_[1] = ObjectQuality(true);
  objectOwner_ = texts.owner;
  if (layout.ownerCodes && !texts.owner.empty()) {
    objectOwner_ = OwnerCode(texts.owner);
    if (objectOwner_.empty()) {
      Note(L"\nOwner \"" + texts.owner +
           L"\" is not a Gemini owner code (K, I, P, P1, F, S, S1, S2, S3, K1, K2, AN); written in the header only");
    }
  }
}

SosiHeader SosiExportRun::MakeHeader(const SosiObjectPlan& plan) {
  SosiHeader header;
  header.coordinateSystem = coordinateSystem_;
  header.datum = datum_;
  header.projection = projection_;
  header.heights = plan.AnyHeights();
  if (header.heights) {
    header.verticalDatum = sosi_codes::VerticalDatumToken(model_.heightSystem);
    if (header.verticalDatum.empty()) {
      header.verticalDatum = kDefaultHeightSystem;
      Note(L"\nThe model names no height system; heights written as NN2000 (VERT-DATUM NN2000)");
    }
  }
  header.extent = plan.Extent();
  header.quality = quality_;
  header.mapId = texts_.mapId;
  header.owner = texts_.owner;
  header.producer = texts_.producer;
  return header;
}

// The dialog maps methods, supplies and materials only in the full-mapping
// variant; elsewhere their tables are empty by design and not reported.
SosiExportRun::ObjectLookups::ObjectLookups(const SosiExportTables& tables, bool fullMapping)
    : pipeTypes(tables.pipeTypes, L"pipe type", true),
      pipeUsage(tables.pipeUsage, L"pipe usage", true),
      pipeMethod(tables.pipeMethod, L"pipe method", fullMapping),
      pipeSupply(tables.pipeSupply, L"pipe supply", fullMapping),
      pipeMaterials(tables.pipeMaterials, L"pipe material", false),
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
  if (const LwdModelInfo* model = plan.ModelInfo()) model_ = *model;
  identity_.emplace(model_.nameSpace.empty() ? std::wstring(kDefaultNamespace) : model_.nameSpace);
  WriteSosiHeader(writer, MakeHeader(plan));
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
  // A pipe's usage is its network type where it names one; the header's
  // network level stands for the others.
  values.Set(SosiField::NetworkLevel, networkLevel_);
  if (const CWsFeature* usage = lookups_.pipeUsage.Find(name)) {
    values.Set(SosiField::Usage, usage->Feature());
    if (sosi_codes::IsNetworkType(usage->Feature())) values.Set(SosiField::NetworkLevel, usage->Feature());
  }
  if (const CWsFeature* method = lookups_.pipeMethod.Find(name)) values.Set(SosiField::Method, method->Feature());
  if (const CWsFeature* supply = lookups_.pipeSupply.Find(name)) values.Set(SosiField::Supply, supply->Feature());
  if (!material.empty()) {
    values.Set(SosiField::Material, MaterialCode(*pipe));
    if (const CWsFeature* standard = lookups_.productStandards.Find(material)) {
      values.Set(SosiField::ProductStandard, standard->Feature());
    }
  }
  values.Set(SosiField::Name, name);
  const DecimalText dimension = pipe->hasDimension() ? DecimalText(pipe->getDimension()) : DecimalText();
  values.Set(SosiField::Dimension, dimension.View());
  values.Set(SosiField::Status, curveStatus_);
  values.Set(SosiField::Owner, objectOwner_);
  values.Set(SosiField::Year, texts_.year);
  if (curve.tag != nullptr) values.Set(SosiField::Tag, *curve.tag);
  values.Set(SosiField::Quality, objectQuality_[curve.heights ? 1 : 0]);
  if (curve.heights) {
    values.Set(SosiField::HeightReference,
               HeightReference(model_.pipeHeights, type != nullptr ? type->Group() : CWsFeature::kNoGroup));
  }
  values.Set(SosiField::CaptureDate, model_.captureDate);
  const UuidText localId = identity_->Of(CurveIdentityName(curve));
  values.Set(SosiField::LocalId, localId.View());
  values.Set(SosiField::Guid, localId.View());
  values.Set(SosiField::Namespace, identity_->Namespace());
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
  if (pointObject->getClassId() == kClassPipeJoint) {
    values.Set(SosiField::ObjectType, kJointObjectType);
    values.Set(SosiField::TypeCode, kJointTheme);
  } else {
    const CWsFeature* feature = lookups_.connectionTypes.Find(type);
    const std::wstring_view objectType =
        feature != nullptr ? Memo(lookups_.pointTypeNames, *feature, sosi_codes::ObjectTypeName) : std::wstring_view();
    values.Set(SosiField::ObjectType, objectType.empty() ? layout_.genericPointType : objectType);
    if (feature != nullptr) values.Set(SosiField::TypeCode, feature->Feature());
    if (const CWsFeature* usage = lookups_.connectionUsage.Find(type)) values.Set(SosiField::Usage, usage->Feature());
    if (const CWsFeature* method = lookups_.connectionMethod.Find(type)) {
      values.Set(SosiField::Method, method->Feature());
    }
  }
  values.Set(SosiField::Name, pointObject->getName());
  values.Set(SosiField::ModelType, type);
  if (pointTags_ != nullptr) {
    if (auto it = pointTags_->find(pointObject->getPersistentID()); it != pointTags_->end()) {
      values.Set(SosiField::Tag, it->second);
    }
  }
  values.Set(SosiField::Status, pointStatus_);
  values.Set(SosiField::Owner, objectOwner_);
  values.Set(SosiField::Year, texts_.year);
  values.Set(SosiField::Quality, objectQuality_[point.heights ? 1 : 0]);
  if (point.heights) values.Set(SosiField::HeightReference, HeightReference(model_.pointHeights, CWsFeature::kNoGroup));
  values.Set(SosiField::CaptureDate, model_.captureDate);
  const sosi_units::DecimalText id(pointObject->getPersistentID());
  values.Set(SosiField::Id, id.View());
  const UuidText localId = identity_->Of("point:" + std::to_string(pointObject->getPersistentID()));
  values.Set(SosiField::LocalId, localId.View());
  values.Set(SosiField::Guid, localId.View());
  values.Set(SosiField::Namespace, identity_->Namespace());

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

// One-line form: method, accuracy and visibility, and with heights the
// height method and accuracy. The geometry quality codes give the methods,
// the header's quality what they leave open; a height method is always
// given with heights (99, unknown, when nothing names one).
std::wstring SosiExportRun::ObjectQuality(bool heights) const {
  std::vector<std::wstring> tokens = Tokens(quality_);
  tokens.resize(5, L"*");
  if (!qualityXY_.empty()) tokens[0] = qualityXY_;
  if (!heights) {
    if (tokens[0] == L"*" && tokens[1] == L"*" && tokens[2] == L"*") return {};
    return tokens[0] + L" " + tokens[1] + L" " + tokens[2];
  }
  if (!qualityZ_.empty()) tokens[3] = qualityZ_;
  if (tokens[3] == L"*") tokens[3] = tokens[0] != L"*" ? tokens[0] : L"99";
  return tokens[0] + L" " + tokens[1] + L" " + tokens[2] + L" " + tokens[3] + L" " + tokens[4];
}

std::string SosiExportRun::CurveIdentityName(const SosiCurvePlan& curve) {
  // A run's tag names it in the overview files; two runs of one tag fall back
  // to their first segments, so that no identifier repeats.
  if (curve.tag != nullptr && !curve.tag->empty()) {
    std::string name = "tag:" + platform::ToUtf8(*curve.tag);
    if (curveIdentityNames_.insert(name).second) return name;
  }
  return "segment:" + std::to_string(curve.segments.front()->getPersistentID());
}

// The user's materials table first, then the writer's own table by the
// material and the short material; the text as it stands when none gives a code.
std::wstring_view SosiExportRun::MaterialCode(const LwdPipe& pipe) {
  const std::wstring& material = pipe.getMaterial();
  auto [known, added] = materialCodes_.try_emplace(&material);
  if (added) {
    if (const CWsFeature* code = lookups_.pipeMaterials.Find(material)) {
      known->second = code->Feature();
    } else {
      known->second = sosi_codes::MaterialCode(material);
      if (known->second.empty()) known->second = sosi_codes::MaterialCode(pipe.getShortMaterial());
    }
  }
  if (!known->second.empty()) return known->second;
  ++uncodedMaterials_[material];
  return material;
}

void SosiExportRun::ReportProblems(const SosiObjectPlan& plan) const {
  for (const std::wstring& note : notes_) PrintLine(note);
  lookups_.Report();
  for (const auto& [material, count] : uncodedMaterials_) {
    PrintLine(L"\nNo SOSI code for pipe material \"" + material + L"\": " + Count(count, L"object", L"objects") +
              L", written as it stands");
  }
  if (plan.PointsWithoutPosition() > 0) {
    std::wstring names;
    for (const LwdDevicePointObject* pointObject : plan.FirstPointsWithoutPosition()) {
      names += (names.empty() ? L": " : L", ") + pointObject->getName();
    }
    if (plan.PointsWithoutPosition() > static_cast<long>(plan.FirstPointsWithoutPosition().size())) names += L", …";
    PrintLine(L"\n" + Count(plan.PointsWithoutPosition(), L"point object", L"point objects") +
              L" without a position not written" + names);
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
