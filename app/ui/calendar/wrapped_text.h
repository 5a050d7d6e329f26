// Word wrapping for the day readings: Japanese text breaks between any two characters
// except where the line-breaking rules (kinsoku) forbid it, and at spaces in runs of
// Latin text.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace nuvaro::ui {

// The lines of `text` no wider than maxWidth, with `advance` giving each character's
// width. A line never starts with closing punctuation, a prolonged sound mark or a small
// kana, and never ends with an opening bracket; a single character wider than the line
// stands alone. Line feeds in the text end a line.
QStringList WrapJapaneseText(const QString& text, int maxWidth, const std::function<int(QChar)>& advance);

}  // namespace nuvaro::ui
