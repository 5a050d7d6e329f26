#include "core/member_form_check.h"

#include "core/core_texts.h"
#include "core/cp932_text.h"
#include "core/group_file.h"
#include "core/member_name_start_check.h"
#include "core/name_readability.h"
#include "platform/core/message_sink.h"

namespace nuvaro::core {
namespace {

void Tell(std::string_view text) { platform::ShowMessageBox(nullptr, text, texts::kApplicationTitle); }

bool Ask(std::string_view question) {
  return platform::ShowMessageBox(nullptr, question, texts::kApplicationTitle, platform::MessageButtons::YesNo) ==
         platform::kIdYes;
}

bool HoldsComma(std::string_view text) { return FindSingleByte(text, ',') != std::string_view::npos; }

}  // namespace

bool ConfirmMemberForm(const MemberForm& form, const EngineBinding* engine) {
  if (form.surname.empty() || form.givenName.empty()) {
    Tell(texts::kNamesRequired);
    return false;
  }
  if (HoldsComma(form.surname) || HoldsComma(form.givenName) || HoldsComma(form.ageBand)) {
    Tell(texts::kCommaRefused);
    return false;
  }
  if (!CheckMemberNameStart(form)) return false;
  const Member typed{JoinFullName(form.surname, form.givenName),
                     form.sexIndex == 0 ? texts::kMale : texts::kFemale, form.ageBand};
  const Member kept = FitMemberForFile(typed);
  if (kept.Name() != typed.Name() && !Ask(FormatText(texts::kNameCutFormat, kept.Name()))) return false;
  if (engine != nullptr) {
    const NameReadability readability = CheckNameParts(form.surname, form.givenName, *engine);
    if (!readability.Readable() &&
        !Ask(FormatText(texts::kUnreadableNameFormat, UncountableCharactersText(readability)))) {
      return false;
    }
  }
  return true;
}

}  // namespace nuvaro::core
