// The font names the program and its plug-ins ask for ("ＭＳ 明朝", "ＭＳ ゴシック",
// "ＭＳ Ｐゴシック", "Times New Roman") are not installed on this desktop; Qt is told
// which installed families stand in for them (IPA / IPAex fonts, drawn to the same
// metrics, and Liberation Serif).
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace nuvaro::ui {

struct FontSubstitution {
  QString requested;     // the name a window or a setting asks for
  QStringList families;  // installed families, best first
};

// Every name the program maps, with its stand-ins.
const std::vector<FontSubstitution>& FontSubstitutionTable();

// Registers the table with QFont (once per process is enough; repeating is harmless).
void InstallFontSubstitutions();

}  // namespace nuvaro::ui
