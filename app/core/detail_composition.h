// The detail reading of one person on the board, without windows: the selected
// plug-in's title, explanation and item captions with the pair's detail texts, the
// rules of the item dialog's previous and next lines, and the whole reading composed
// into formatted runs (title, explanation, every item under its heading, closing line)
// that the preview and the printer both render.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "nuvaro_plugin.h"

namespace nuvaro::core {

class CFace;
class EngineBinding;
class PluginHost;

// The contents dialog and the composed reading show items 1 to 7; the item dialog
// pages through items 1 to 5.
inline constexpr int kDetailItemsListed = 7;
inline constexpr int kDetailItemsPaged = 5;
// Base size of the composed reading, in points.
inline constexpr int kDetailBaseSize = 12;

// What the three detail dialogs show for one person. Texts are CP932.
struct DetailReading {
  std::string userName;    // the user's face entry, as stored
  std::string personName;  // the selected person's face entry, as stored
  std::string title;       // DetailForm title ("●" mark included)
  std::string explanation;
  std::array<std::string, NVR_DETAIL_COUNT> captions;  // item k at k - 1
  std::array<std::string, NVR_DETAIL_COUNT> details;   // detail text k at k - 1

  // Item k (1 to 10); empty outside.
  const std::string& Caption(int k) const;
  const std::string& Detail(int k) const;
};

// Reads the selected plug-in's detail form and, for every item with a caption, the
// pair's detail text for the person with this face id (the host's pair computation,
// under the face collection's current reading and mode). When the engine cannot count
// the strokes of the user's or the person's name, every such item says so in a short
// note instead of the plug-in's answer.
DetailReading ReadDetail(const CFace& face, PluginHost& host, const EngineBinding& engine, int faceId);

// The item dialog's neighbours of item k: a line is shown when its item is within 1 to
// 5 and has a caption.
struct ItemNeighbours {
  bool previous = false;
  bool next = false;
};
ItemNeighbours NeighboursOf(const DetailReading& reading, int k);

// One run of the formatted reading. Text colour is black throughout.
enum class RunFace { Mincho, Gothic };  // "ＭＳ 明朝", "ＭＳ ゴシック"
struct DetailRun {
  RunFace face = RunFace::Mincho;
  int pointSize = kDetailBaseSize;
  bool bold = false;
  bool underline = false;
  std::string text;  // CP932, lines separated by "\r\n"

  bool operator==(const DetailRun&) const = default;
};

// A name with its first half-width space removed.
std::string WithoutFirstSpace(std::string_view name);
// The title without its first two bytes (the "●" mark). A cut that would fall inside a
// two-byte character takes the whole character, so the rest stays valid CP932.
std::string TitleWithoutMark(std::string_view title);

// The title line without its frame: the user's name (first space removed) + "さんの" +
// the title without its mark. A title that speaks to the user ("あなたの…", the user's
// own reading) gives up its "あなたの" to the name, which stands as the plate shows it:
// "鈴木 一郎さんの姓名鑑定". Empty without a title.
std::string DetailTitleLine(const DetailReading& reading);
// The title line of composed runs (their first run without its "☆☆☆" frame), for a
// printed document's title; empty when the runs have no title.
std::string ComposedTitleLine(const std::vector<DetailRun>& runs);

// The whole reading in runs: the title line, the explanation, the heading and text of
// every item 1 to 7 with a caption, and the closing line.
std::vector<DetailRun> ComposeDetailRuns(const DetailReading& reading, int baseSize = kDetailBaseSize);

}  // namespace nuvaro::core
