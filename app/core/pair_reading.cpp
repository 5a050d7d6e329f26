#include "core/pair_reading.h"

#include <cstring>

#include "core/engine_binding.h"
#include "core/face.h"
#include "core/member.h"
#include "core/name_readability.h"
#include "core/core_texts.h"
#include "core/plugin_host.h"
#include "core/plugin_text.h"

namespace nuvaro::core {
namespace {

// The engine's record for one person of a pair, and CalculateSoul's answer.
int CalculatePairSoul(const std::string& fullName, const EngineBinding& engine, SoulRecord& record) {
  NameParts parts = SplitFullName(fullName);
  record = SoulRecordForName(parts.surname, parts.givenName, kPairNamePartBytes);
  return engine.CalculateSoul(record);
}

SoulSums SumsOf(const std::string& fullName, const EngineBinding& engine) {
  SoulRecord record;
  CalculatePairSoul(fullName, engine, record);  // not tested: an unreadable name keeps its sums at 0
  SoulSums sums;
  sums.honsyou = record.honsyou;
  sums.chikaku = record.chikaku;
  sums.syakai = record.syakai;
  sums.aijyou = record.aijyou;
  sums.shinrei = record.shinrei;
  sums.ninki = record.ninki;
  sums.shigoto = record.shigoto;
  sums.jinkakuA = record.jinkakuA;
  sums.jinkakuB = record.jinkakuB;
  return sums;
}

}  // namespace

::NuvaroData PairRecord(const std::string& selfName, const std::string& otherName, bool otherIsMale,
                        const EngineBinding& engine) {
  ::NuvaroData record;
  std::memset(&record, 0, sizeof record);
  record.otherIsMale = otherIsMale ? 1 : 0;
  record.self = SumsOf(selfName, engine);
  record.other = SumsOf(otherName, engine);
  return record;
}

::NuvaroData PlateRecord(const CFace& face, int faceId, const EngineBinding& engine) {
  return PairRecord(face.Name(0), face.NameOfId(faceId), face.IsMaleOfId(faceId) != 0, engine);
}

void CallSelectedPlugins(PluginHost& host, const CFace& face, ::NuvaroData& record) {
  std::vector<int> selected = host.SelectedPlugins(face);
  if (face.mode == kModeSelf) {
    if (!selected.empty()) host.NuvaroData(record, selected.front());
    return;
  }
  for (int index : selected) host.NuvaroData(record, index);
}

PairNames CheckPairNames(const CFace& face, const std::string& otherName, const EngineBinding& engine) {
  if (face.selfSet != 0 && !CheckFullName(face.Name(0), engine).Readable()) return PairNames::SelfUnreadable;
  if (!CheckFullName(otherName, engine).Readable()) return PairNames::OtherUnreadable;
  return PairNames::Readable;
}

void ComputeWhispers(CFace& face, PluginHost& host, const EngineBinding& engine) {
  face.mode = kModeNormal;
  for (int i = 1; i <= face.LastIndex(); ++i) {
    const PairNames names = CheckPairNames(face, face.Name(i), engine);
    if (names != PairNames::Readable) {
      face.Entry(i).balloonText =
          std::string(names == PairNames::SelfUnreadable ? texts::kSelfNameUnreadable : texts::kOtherNameUnreadable);
      continue;
    }
    ::NuvaroData record = PairRecord(face.Name(0), face.Name(i), face.IsMale(i) != 0, engine);
    CallSelectedPlugins(host, face, record);
    face.Entry(i).balloonText = ReadPluginText(record.balloonText, kPluginShortTextBytes);
  }
}

int PairPercentage(CFace& face, int index, PluginHost& host, const EngineBinding& engine) {
  const int savedMode = face.mode;
  face.mode = kModeNormal;
  ::NuvaroData record = PairRecord(face.Name(0), face.Name(index), face.IsMale(index) != 0, engine);
  CallSelectedPlugins(host, face, record);
  face.mode = savedMode;
  return record.percentage;
}

std::string PairDetailText(const CFace& face, int k, int faceId, PluginHost& host, const EngineBinding& engine) {
  if (k < 1 || k > NVR_DETAIL_COUNT) return {};
  ::NuvaroData record = PlateRecord(face, faceId, engine);
  CallSelectedPlugins(host, face, record);
  return ReadPluginText(record.detailText[k - 1], kPluginLongTextBytes);
}

}  // namespace nuvaro::core
