#include "naming/surname_change.h"

#include "core/core_texts.h"
#include "core/detail_composition.h"
#include "core/engine_binding.h"
#include "core/face.h"
#include "core/member.h"
#include "core/name_readability.h"
#include "core/pair_reading.h"
#include "core/plugin_host.h"

namespace nuvaro::naming {
namespace {

SurnameSide SideOf(const std::string& fullName, bool isMale, const std::vector<int>& personIndices, core::CFace& face,
                   core::PluginHost& host, const core::EngineBinding& engine) {
  SurnameSide side;
  side.fullName = fullName;
  side.readable = core::CheckFullName(fullName, engine).Readable();
  if (!side.readable) return side;
  const core::NameParts parts = core::SplitFullName(fullName);
  SoulRecord soul = core::SoulRecordForName(parts.surname, parts.givenName, core::kPairNamePartBytes);
  engine.CalculateSoul(soul);
  side.sums = {soul.honsyou, soul.syakai, soul.ninki, soul.shigoto, soul.chikaku,
               soul.aijyou,  soul.shinrei, soul.jinkakuA, soul.jinkakuB};

  // The own reading, as from the person's own name plate on a board of their own.
  core::CFace own;
  own.CreateSelf();
  own.SetSelf(core::MemberText({fullName, std::string(isMale ? core::texts::kMale : core::texts::kFemale), "20"}));
  own.mode = core::kModeSelf;
  const core::DetailReading reading = core::ReadDetail(own, host, engine, 0);
  for (int k = 1; k <= kOwnReadingItems; ++k) {
    side.itemCaptions[static_cast<std::size_t>(k - 1)] = reading.Caption(k);
    side.itemTexts[static_cast<std::size_t>(k - 1)] = reading.Detail(k);
  }

  // The person in the centre of the board, each board person beside them.
  const int savedMode = face.mode;
  face.mode = core::kModeNormal;
  for (int index : personIndices) {
    ::NuvaroData record = core::PairRecord(fullName, face.Name(index), face.IsMale(index) != 0, engine);
    core::CallSelectedPlugins(host, face, record);
    side.percentages.push_back(record.percentage);
  }
  face.mode = savedMode;
  return side;
}

}  // namespace

SurnameComparison CompareSurnames(const std::string& fullName, bool isMale, const std::string& newSurname,
                                  core::CFace& face, core::PluginHost& host, const core::EngineBinding& engine) {
  SurnameComparison comparison;
  std::vector<int> personIndices;
  for (int i = 0; i <= face.LastIndex(); ++i) {
    if (!face.IsActive(i) || (i == 0 && face.IsSelfUnnamed()) || face.Name(i) == fullName) continue;
    personIndices.push_back(i);
    comparison.persons.push_back(face.Name(i));
  }
  comparison.before = SideOf(fullName, isMale, personIndices, face, host, engine);
  const std::string renamed = core::JoinFullName(newSurname, core::SplitFullName(fullName).givenName);
  comparison.after = SideOf(renamed, isMale, personIndices, face, host, engine);
  return comparison;
}

}  // namespace nuvaro::naming
