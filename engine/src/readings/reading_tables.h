// The reading tables of the compatibility, tactics and work readings, in the engine's one
// reading-table form (reading_table/reading_table.h). Texts are CP932, generated from
// the UTF-8 files readings_*.txt beside this header.
#pragma once

#include <span>

#include "reading_table/reading_table.h"

namespace nuvaro::engine {

// 愛情相性 (GetAijyouAisyou, GetSexAisyou).
extern const BuiltReadingTable kLikesWhisper;     // what the partner likes about you
extern const BuiltReadingTable kDislikesWhisper;  // what the partner dislikes about you
extern const BuiltReadingTable kPartnerWish;
extern const BuiltReadingTable kShinreiFragment;  // description part 1, ends "と同時に、"
extern const BuiltReadingTable kChikakuFragment;  // description part 2, a sentence
extern const BuiltReadingTable kHonsyouFragment;  // description part 3, ends "…なあ！"
extern const BuiltReadingTable kWomanWhisper;
extern const BuiltReadingTable kSexReading;       // rows 11 to 20 filled as well

// 愛情攻略 (GetAijyouKouryaku); the description comes from the three fragment tables.
extern const BuiltReadingTable kLoveWhisperWistful;
extern const BuiltReadingTable kLoveWhisperAssertive;
extern const BuiltReadingTable kLoveWeakness;
extern const BuiltReadingTable kLoveTactic;
extern const BuiltReadingTable kFeelingPleased;
extern const BuiltReadingTable kFeelingDispleased;
extern const BuiltReadingTable kLoveGetMethod;

// 人気攻略 (GetNinkiKouryaku): friends and business contacts, tables of its own.
extern const BuiltReadingTable kFriendWhisperWistful;
extern const BuiltReadingTable kFriendWhisperAssertive;
extern const BuiltReadingTable kFriendShinrei;  // description part 1, ends "と同時に、"
extern const BuiltReadingTable kFriendHonsyou;  // description part 2, ends "…なあ！"
extern const BuiltReadingTable kFriendWeakness;
extern const BuiltReadingTable kFriendTactic;
extern const BuiltReadingTable kTrueFeelingGood;
extern const BuiltReadingTable kTrueFeelingLukewarm;
extern const BuiltReadingTable kFriendGetMethod;

// 仕事評価 (GetShigotoHyouka), tables of its own.
extern const BuiltReadingTable kWorkWhisperWistful;
extern const BuiltReadingTable kWorkWhisperAssertive;
extern const BuiltReadingTable kWorkShinrei;  // description part 1, ends "と同時に、"
extern const BuiltReadingTable kWorkHonsyou;  // description part 2, ends "…なあ！"
extern const BuiltReadingTable kWorkLuckGreat;
extern const BuiltReadingTable kWorkLuckFew;  // row 15 has a text of its own
extern const BuiltReadingTable kAidAmple;
extern const BuiltReadingTable kAidFew;
extern const BuiltReadingTable kWorkType;

// How a table's rows are laid out.
enum class TableForm {
  kUsual,       // rows 5, 6 and 15 share a text; 11 to 14 and 16 to 20 empty
  kOwnFifteen,  // as kUsual, but row 15 has a text of its own
  kAllFilled,   // rows 5, 6 and 15 share a text; every row 1 to 22 filled
};

struct CataloguedTable {
  const char* name;
  const BuiltReadingTable* table;
  TableForm form;
};

// Every table above, by name, so that checks can walk them all.
std::span<const CataloguedTable> ReadingTableCatalogue();

}  // namespace nuvaro::engine
