#include "core/pair_reading.h"

#include <cstring>

#include "core/engine_binding.h"
#include "core/face.h"
#include "core/member.h"
#include "core/plugin_host.h"
#include "core/plugin_text.h"

namespace nuvaro::core {
namespace {

SoulSums SumsOf(const std::string& fullName, const EngineBinding& engine) {
  NameParts parts = SplitFullName(fullName);
  SoulRecord record = SoulRecordForName(parts.surname, parts.givenName, kPairNamePartBytes);
  engine.CalculateSoul(record);  // not tested: an unreadable name keeps its sums at 0
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

void CallSelectedPlugins(PluginHost& host, const CFace& face, ::NuvaroData& record) {
  std::vector<int> selected = host.SelectedPlugins(face);
  if (face.mode == kModeSelf) {
    if (!selected.empty()) host.NuvaroData(record, selected.front());
    return;
  }
  for (int index : selected) host.NuvaroData(record, index);
}

void ComputeWhispers(CFace& face, PluginHost& host, const EngineBinding& engine) {
  face.mode = kModeNormal;
  for (int i = 1; i <= face.LastIndex(); ++i) {
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
  ::NuvaroData record = PairRecord(face.Name(0), face.NameOfId(faceId), face.IsMaleOfId(faceId) != 0, engine);
  CallSelectedPlugins(host, face, record);
  return ReadPluginText(record.detailText[k - 1], kPluginLongTextBytes);
}

}  // namespace nuvaro::core
