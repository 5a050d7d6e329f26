#include "ui/fonts/font_substitutions.h"

#include <QFont>

namespace nuvaro::ui {

const std::vector<FontSubstitution>& FontSubstitutionTable() {
  static const std::vector<FontSubstitution> table = {
      // Fixed-pitch and proportional gothic and mincho faces.
      {QString::fromUtf8("ＭＳ 明朝"), {"IPAMincho", "IPAexMincho"}},
      {QString::fromUtf8("ＭＳ ゴシック"), {"IPAGothic", "IPAexGothic"}},
      {QString::fromUtf8("ＭＳ Ｐゴシック"), {"IPAPGothic", "IPAexGothic"}},
      {QString::fromUtf8("ＭＳ Ｐ明朝"), {"IPAPMincho", "IPAexMincho"}},
      {"Times New Roman", {"Liberation Serif"}},
  };
  return table;
}

void InstallFontSubstitutions() {
  for (const FontSubstitution& substitution : FontSubstitutionTable()) {
    QFont::removeSubstitutions(substitution.requested);
    QFont::insertSubstitutions(substitution.requested, substitution.families);
  }
}

}  // namespace nuvaro::ui
