#include "ui/detail/detail_document.h"

#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include "platform/qt/text_conversion.h"

namespace nuvaro::ui {
namespace {

// CP932 text with "\r\n" (or a lone "\n") line ends, as QTextCursor wants it: one
// paragraph separator per line end.
QString RunText(const std::string& cp932) {
  QString text = platform::QStringFromCp932(cp932);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

}  // namespace

QString RunFaceName(core::RunFace face) {
  return QString::fromUtf8(face == core::RunFace::Gothic ? "ＭＳ ゴシック" : "ＭＳ 明朝");
}

QFont DetailFont(core::RunFace face, int pointSize, bool bold) {
  QFont font(RunFaceName(face));
  font.setPointSize(pointSize);
  font.setBold(bold);
  return font;
}

void FillDetailDocument(QTextDocument& document, const std::vector<core::DetailRun>& runs, int baseSize) {
  document.clear();
  document.setDefaultFont(DetailFont(core::RunFace::Mincho, baseSize));
  QTextCursor cursor(&document);
  cursor.movePosition(QTextCursor::End);
  for (const core::DetailRun& run : runs) {
    QTextCharFormat format;
    format.setFontFamilies({RunFaceName(run.face)});
    format.setFontPointSize(run.pointSize);
    format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
    format.setFontUnderline(run.underline);
    format.setForeground(Qt::black);
    cursor.insertText(RunText(run.text), format);
  }
}

}  // namespace nuvaro::ui
