// Qt's own texts in Japanese: the buttons of message boxes and dialogs (はい, いいえ,
// キャンセル) and the file dialogs (開く, 保存), from the translation Qt ships.
#pragma once

namespace nuvaro::ui {

// Loads qtbase_ja from Qt's translation folder and installs it for the whole program,
// with Japanese as the default locale (once; later calls do nothing). False when the translation is not installed: Qt's
// texts then stay English, everything else works.
bool InstallQtJapaneseTranslation();

// The application's names as the program sets them. No display name: Qt would append
// it to every window title on X11, and the titles are exactly the program's texts.
void SetApplicationNames();

}  // namespace nuvaro::ui
