#include "readings/reading_tables.h"

#include "readings/readings_texts_cp932.h"

namespace nuvaro::engine {
namespace {

// A table of the usual form from the texts named <prefix>1 to <prefix>10 (5 standing for
// 5, 6 and 15), <prefix>21 and <prefix>22, with the given title as row 0.
#define NUVARO_USUAL_TABLE(title, prefix)                                                                   \
  BuildReadingTable(UsualTableTexts{texts::title, texts::prefix##1, texts::prefix##2, texts::prefix##3,   \
                                    texts::prefix##4, texts::prefix##5, texts::prefix##7, texts::prefix##8, \
                                    texts::prefix##9, texts::prefix##10, texts::prefix##21, texts::prefix##22})

// The table with one row's text replaced.
constexpr BuiltReadingTable WithRow(BuiltReadingTable table, int index, const char* text) {
  table.rows[index].text = text;
  return table;
}

constexpr BuiltReadingTable SexReadingTable() {
  using namespace texts;
  const char* const rows[kReadingRowCount] = {
      kSexReadingTitle, kSexReading1,  kSexReading2,  kSexReading3,  kSexReading4,  kSexReading5,
      kSexReading5,     kSexReading7,  kSexReading8,  kSexReading9,  kSexReading10, kSexReading11,
      kSexReading12,    kSexReading13, kSexReading14, kSexReading5,  kSexReading16, kSexReading17,
      kSexReading18,    kSexReading19, kSexReading20, kSexReading21, kSexReading22};
  return BuildReadingTable(rows);
}

}  // namespace

constexpr BuiltReadingTable kLikesWhisper = NUVARO_USUAL_TABLE(kAisyouWhisperTitle, kLikesWhisper);
constexpr BuiltReadingTable kDislikesWhisper = NUVARO_USUAL_TABLE(kAisyouWhisperTitle, kDislikesWhisper);
constexpr BuiltReadingTable kPartnerWish = NUVARO_USUAL_TABLE(kPartnerWishTitle, kPartnerWish);
constexpr BuiltReadingTable kShinreiFragment = NUVARO_USUAL_TABLE(kShinreiFragmentTitle, kShinreiFragment);
constexpr BuiltReadingTable kChikakuFragment = NUVARO_USUAL_TABLE(kChikakuFragmentTitle, kChikakuFragment);
constexpr BuiltReadingTable kHonsyouFragment = NUVARO_USUAL_TABLE(kHonsyouFragmentTitle, kHonsyouFragment);
constexpr BuiltReadingTable kWomanWhisper = NUVARO_USUAL_TABLE(kWomanWhisperTitle, kWomanWhisper);
constexpr BuiltReadingTable kSexReading = SexReadingTable();

constexpr BuiltReadingTable kLoveWhisperWistful = NUVARO_USUAL_TABLE(kLoveWhisperTitle, kLoveWhisperWistful);
constexpr BuiltReadingTable kLoveWhisperAssertive = NUVARO_USUAL_TABLE(kLoveWhisperTitle, kLoveWhisperAssertive);
constexpr BuiltReadingTable kLoveWeakness = NUVARO_USUAL_TABLE(kWeaknessTitle, kLoveWeakness);
constexpr BuiltReadingTable kLoveTactic = NUVARO_USUAL_TABLE(kTacticTitle, kLoveTactic);
constexpr BuiltReadingTable kFeelingPleased = NUVARO_USUAL_TABLE(kFeelingTitle, kFeelingPleased);
constexpr BuiltReadingTable kFeelingDispleased = NUVARO_USUAL_TABLE(kFeelingTitle, kFeelingDispleased);
constexpr BuiltReadingTable kLoveGetMethod = NUVARO_USUAL_TABLE(kLoveGetMethodTitle, kLoveGetMethod);

constexpr BuiltReadingTable kFriendWhisperWistful = NUVARO_USUAL_TABLE(kFriendWhisperTitle, kFriendWhisperWistful);
constexpr BuiltReadingTable kFriendWhisperAssertive =
    NUVARO_USUAL_TABLE(kFriendWhisperTitle, kFriendWhisperAssertive);
constexpr BuiltReadingTable kFriendShinrei = NUVARO_USUAL_TABLE(kFriendShinreiTitle, kFriendShinrei);
constexpr BuiltReadingTable kFriendHonsyou = NUVARO_USUAL_TABLE(kFriendHonsyouTitle, kFriendHonsyou);
constexpr BuiltReadingTable kFriendWeakness = NUVARO_USUAL_TABLE(kWeaknessTitle, kFriendWeakness);
constexpr BuiltReadingTable kFriendTactic = NUVARO_USUAL_TABLE(kTacticTitle, kFriendTactic);
constexpr BuiltReadingTable kTrueFeelingGood = NUVARO_USUAL_TABLE(kTrueFeelingTitle, kTrueFeelingGood);
constexpr BuiltReadingTable kTrueFeelingLukewarm = NUVARO_USUAL_TABLE(kTrueFeelingTitle, kTrueFeelingLukewarm);
constexpr BuiltReadingTable kFriendGetMethod = NUVARO_USUAL_TABLE(kFriendGetMethodTitle, kFriendGetMethod);

constexpr BuiltReadingTable kWorkWhisperWistful = NUVARO_USUAL_TABLE(kWorkWhisperTitle, kWorkWhisperWistful);
constexpr BuiltReadingTable kWorkWhisperAssertive = NUVARO_USUAL_TABLE(kWorkWhisperTitle, kWorkWhisperAssertive);
constexpr BuiltReadingTable kWorkShinrei = NUVARO_USUAL_TABLE(kWorkShinreiTitle, kWorkShinrei);
constexpr BuiltReadingTable kWorkHonsyou = NUVARO_USUAL_TABLE(kWorkHonsyouTitle, kWorkHonsyou);
constexpr BuiltReadingTable kWorkLuckGreat = NUVARO_USUAL_TABLE(kWorkLuckGreatTitle, kWorkLuckGreat);
constexpr BuiltReadingTable kWorkLuckFew =
    WithRow(NUVARO_USUAL_TABLE(kWorkLuckFewTitle, kWorkLuckFew), 15, texts::kWorkLuckFew15);
constexpr BuiltReadingTable kAidAmple = NUVARO_USUAL_TABLE(kAidAmpleTitle, kAidAmple);
constexpr BuiltReadingTable kAidFew = NUVARO_USUAL_TABLE(kAidFewTitle, kAidFew);
constexpr BuiltReadingTable kWorkType = NUVARO_USUAL_TABLE(kWorkTypeTitle, kWorkType);

#undef NUVARO_USUAL_TABLE

std::span<const CataloguedTable> ReadingTableCatalogue() {
  using enum TableForm;
  static constexpr CataloguedTable kCatalogue[] = {
      {"LikesWhisper", &kLikesWhisper, kUsual},
      {"DislikesWhisper", &kDislikesWhisper, kUsual},
      {"PartnerWish", &kPartnerWish, kUsual},
      {"ShinreiFragment", &kShinreiFragment, kUsual},
      {"ChikakuFragment", &kChikakuFragment, kUsual},
      {"HonsyouFragment", &kHonsyouFragment, kUsual},
      {"WomanWhisper", &kWomanWhisper, kUsual},
      {"SexReading", &kSexReading, kAllFilled},
      {"LoveWhisperWistful", &kLoveWhisperWistful, kUsual},
      {"LoveWhisperAssertive", &kLoveWhisperAssertive, kUsual},
      {"LoveWeakness", &kLoveWeakness, kUsual},
      {"LoveTactic", &kLoveTactic, kUsual},
      {"FeelingPleased", &kFeelingPleased, kUsual},
      {"FeelingDispleased", &kFeelingDispleased, kUsual},
      {"LoveGetMethod", &kLoveGetMethod, kUsual},
      {"FriendWhisperWistful", &kFriendWhisperWistful, kUsual},
      {"FriendWhisperAssertive", &kFriendWhisperAssertive, kUsual},
      {"FriendShinrei", &kFriendShinrei, kUsual},
      {"FriendHonsyou", &kFriendHonsyou, kUsual},
      {"FriendWeakness", &kFriendWeakness, kUsual},
      {"FriendTactic", &kFriendTactic, kUsual},
      {"TrueFeelingGood", &kTrueFeelingGood, kUsual},
      {"TrueFeelingLukewarm", &kTrueFeelingLukewarm, kUsual},
      {"FriendGetMethod", &kFriendGetMethod, kUsual},
      {"WorkWhisperWistful", &kWorkWhisperWistful, kUsual},
      {"WorkWhisperAssertive", &kWorkWhisperAssertive, kUsual},
      {"WorkShinrei", &kWorkShinrei, kUsual},
      {"WorkHonsyou", &kWorkHonsyou, kUsual},
      {"WorkLuckGreat", &kWorkLuckGreat, kUsual},
      {"WorkLuckFew", &kWorkLuckFew, kOwnFifteen},
      {"AidAmple", &kAidAmple, kUsual},
      {"AidFew", &kAidFew, kUsual},
      {"WorkType", &kWorkType, kUsual},
  };
  return kCatalogue;
}

}  // namespace nuvaro::engine
