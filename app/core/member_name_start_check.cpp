#include "core/member_name_start_check.h"

#include "core/core_texts.h"
#include "platform/core/message_sink.h"

namespace nuvaro::core {

bool BeginsLikeFormula(std::string_view namePart) {
  if (namePart.empty()) return false;
  const char first = namePart.front();
  return first == '=' || first == '+' || first == '-' || first == '@' || first == '\t';
}

bool CheckMemberNameStart(const MemberForm& form) {
  if (!BeginsLikeFormula(form.surname) && !BeginsLikeFormula(form.givenName)) return true;
  platform::ShowMessageBox(nullptr, texts::kFormulaStartRefused, texts::kApplicationTitle);
  return false;
}

}  // namespace nuvaro::core
