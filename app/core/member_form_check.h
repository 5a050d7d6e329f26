// The checks of the registration dialog before it closes with OK: a message for each
// problem, in the order a user fixes them, so that nothing typed is lost to a mistake.
#pragma once

#include "core/member_list.h"

namespace nuvaro::core {

class EngineBinding;

// Answers whether the typed form may be stored; otherwise the dialog stays open with
// what was typed. In order:
// - an empty surname or given name: "姓と名を入力してください。";
// - a half-width "," in any field (it would split the list file's fields): refused;
// - a name part beginning like a spreadsheet formula (CheckMemberNameStart): refused;
// - a name too long for a line of the list file: says how much would be kept and asks;
// - with an engine, a name whose strokes cannot all be counted: names the characters
//   and asks whether to register it anyway.
// A question answered No keeps the dialog open.
bool ConfirmMemberForm(const MemberForm& form, const EngineBinding* engine);

}  // namespace nuvaro::core
