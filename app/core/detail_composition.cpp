#include "core/detail_composition.h"

#include "core/cp932_text.h"
#include "core/detail_texts.h"
#include "core/face.h"
#include "core/guide_menu_model.h"
#include "core/pair_reading.h"
#include "platform/core/encoding.h"

namespace nuvaro::core {
namespace {

const std::string kNoText;
constexpr std::string_view kLineBreak = "\r\n";

bool IsItem(int k) { return k >= 1 && k <= NVR_DETAIL_COUNT; }

// The note that stands in for every reading of the pair when the engine cannot count a
// name's strokes (the same check as the whispers'); empty when the pair can be read.
std::string UnreadableNote(const CFace& face, const DetailReading& reading, const EngineBinding& engine) {
  switch (CheckPairNames(face, reading.personName, engine)) {
    case PairNames::SelfUnreadable:
      return std::string(detail_texts::kUserNameUnreadable);
    case PairNames::OtherUnreadable:
      return reading.personName == reading.userName
                 ? std::string(detail_texts::kUserNameUnreadable)
                 : FormatText(detail_texts::kPersonNameUnreadableFormat, WithoutFirstSpace(reading.personName));
    case PairNames::Readable:
      break;
  }
  return {};
}

}  // namespace

const std::string& DetailReading::Caption(int k) const { return IsItem(k) ? captions[k - 1] : kNoText; }
const std::string& DetailReading::Detail(int k) const { return IsItem(k) ? details[k - 1] : kNoText; }

DetailReading ReadDetail(const CFace& face, PluginHost& host, const EngineBinding& engine, int faceId) {
  DetailReading reading;
  reading.userName = face.Name(0);
  reading.personName = face.NameOfId(faceId);
  DetailFormTexts form = SelectedDetailForm(face, host);
  reading.title = form.title;
  reading.explanation = form.explanation;
  for (std::size_t i = 0; i < reading.captions.size() && i < form.itemCaptions.size(); ++i) {
    reading.captions[i] = form.itemCaptions[i];
  }
  const std::string note = UnreadableNote(face, reading, engine);
  // Only items 1 to 7 are ever shown; each asks the plug-in afresh, as the pair
  // computation always does.
  for (int k = 1; k <= kDetailItemsListed; ++k) {
    if (!note.empty() && !reading.Caption(k).empty()) {
      reading.details[k - 1] = note;
    } else {
      reading.details[k - 1] = PairDetailText(face, k, faceId, host, engine);
    }
  }
  return reading;
}

ItemNeighbours NeighboursOf(const DetailReading& reading, int k) {
  ItemNeighbours neighbours;
  if (k < 1 || k > kDetailItemsPaged) return neighbours;
  neighbours.previous = k > 1 && !reading.Caption(k - 1).empty();
  neighbours.next = k < kDetailItemsPaged && !reading.Caption(k + 1).empty();
  return neighbours;
}

std::string WithoutFirstSpace(std::string_view name) {
  std::string text(name);
  std::size_t space = FindSingleByte(text, ' ');
  if (space != std::string::npos) text.erase(space, 1);
  return text;
}

std::string TitleWithoutMark(std::string_view title) {
  std::size_t cut = 0;
  while (cut < 2 && cut < title.size()) {
    const bool twoBytes = platform::IsCp932LeadByte(static_cast<unsigned char>(title[cut])) && cut + 1 < title.size();
    cut += twoBytes ? 2 : 1;
  }
  return std::string(title.substr(cut));
}

std::string DetailTitleLine(const DetailReading& reading) {
  if (reading.title.empty()) return {};
  const std::string join(detail_texts::kTitleJoin);
  const std::string_view you(detail_texts::kTitleYou);
  std::string rest = TitleWithoutMark(reading.title);
  if (rest.starts_with(you) && rest.size() > you.size()) return reading.userName + join + rest.substr(you.size());
  return WithoutFirstSpace(reading.userName) + join + rest;
}

std::string ComposedTitleLine(const std::vector<DetailRun>& runs) {
  const std::string open = std::string(detail_texts::kTitleFrame) + " ";
  const std::string close = " " + std::string(detail_texts::kTitleFrame);
  if (runs.empty()) return {};
  const std::string& text = runs.front().text;
  if (text.size() < open.size() + close.size() || !text.starts_with(open) || !text.ends_with(close)) return {};
  return text.substr(open.size(), text.size() - open.size() - close.size());
}

std::vector<DetailRun> ComposeDetailRuns(const DetailReading& reading, int baseSize) {
  std::vector<DetailRun> runs;
  auto add = [&runs](RunFace face, int size, bool bold, bool underline, std::string text) {
    runs.push_back(DetailRun{face, size, bold, underline, std::move(text)});
  };
  const std::string indent = std::string(kLineBreak) + std::string(detail_texts::kParagraphIndent);
  const std::string frame(detail_texts::kTitleFrame);

  if (!reading.title.empty()) {
    add(RunFace::Gothic, baseSize + 2, true, false, frame + " " + DetailTitleLine(reading) + " " + frame);
  }
  if (!reading.explanation.empty()) add(RunFace::Mincho, baseSize, false, false, indent + reading.explanation);
  const std::string person = WithoutFirstSpace(reading.personName);
  for (int k = 1; k <= kDetailItemsListed; ++k) {
    if (reading.Caption(k).empty()) continue;
    add(RunFace::Gothic, baseSize, true, false,
        std::string(kLineBreak) + std::string(kLineBreak) + std::string(detail_texts::kItemMark) + person +
            reading.Caption(k));
    add(RunFace::Mincho, baseSize, false, false, indent + reading.Detail(k));
  }
  add(RunFace::Gothic, baseSize, false, true,
      std::string(kLineBreak) + std::string(kLineBreak) + std::string(detail_texts::kClosingLine));
  return runs;
}

}  // namespace nuvaro::core
