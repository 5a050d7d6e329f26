#include "ui/calendar/wrapped_text.h"

namespace nuvaro::ui {

namespace {

// Characters that may not begin a line.
bool NoLineStart(QChar c) {
  static const QString kNoStart = QString::fromUtf8("、。，．,.！？!?）)」』】〕｝》〉ー－ぁぃぅぇぉっゃゅょゎァィゥェォッャュョヮヵヶ・：；:;々ゝゞヽヾ～");
  return kNoStart.contains(c);
}

// Characters that may not end a line.
bool NoLineEnd(QChar c) {
  static const QString kNoEnd = QString::fromUtf8("（(「『【〔｛《〈");
  return kNoEnd.contains(c);
}

bool IsLatinWordCharacter(QChar c) { return c.unicode() < 0x80 && !c.isSpace(); }

}  // namespace

QStringList WrapJapaneseText(const QString& text, int maxWidth, const std::function<int(QChar)>& advance) {
  QStringList lines;
  for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
    QString rest = paragraph;
    while (!rest.isEmpty()) {
      // The longest prefix that fits, at least one character.
      int fit = 0;
      int width = 0;
      while (fit < rest.size()) {
        width += advance(rest.at(fit));
        if (width > maxWidth && fit > 0) break;
        ++fit;
      }
      if (fit == rest.size()) {
        lines << rest;
        break;
      }
      int cut = fit;
      // Move the break back over forbidden starts and ends, and out of Latin words.
      while (cut > 1 && (NoLineStart(rest.at(cut)) || NoLineEnd(rest.at(cut - 1)) ||
                         (IsLatinWordCharacter(rest.at(cut)) && IsLatinWordCharacter(rest.at(cut - 1))))) {
        --cut;
      }
      if (cut <= 1 && fit > 1) cut = fit;  // nothing better: break where it fits
      lines << rest.left(cut);
      rest = rest.mid(cut);
      // A space that ended a line is not carried to the next.
      while (!rest.isEmpty() && rest.at(0) == QLatin1Char(' ')) rest.remove(0, 1);
    }
  }
  return lines;
}

}  // namespace nuvaro::ui
