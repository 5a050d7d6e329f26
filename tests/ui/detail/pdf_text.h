// Reading a printed PDF back as a user's tools see it: its text with pdftotext, the
// position of every word with pdftotext -bbox (points from the page's top-left corner).
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <vector>

namespace nuvaro::testing {

struct PdfWord {
  int page = 0;  // from 0
  double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  QString text;
};

struct PdfLayout {
  double pageWidth = 0;
  double pageHeight = 0;
  int pages = 0;
  std::vector<PdfWord> words;
};

inline QString RunPdfToText(const QStringList& arguments) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The text in reading order (pdftotext's own line breaks kept).
inline QString PdfText(const QString& path) { return RunPdfToText({path, QStringLiteral("-")}); }

// The text with every white space and line break removed, for comparing with the text
// that was printed, whatever the lines' widths.
inline QString Squeezed(QString text) {
  static const QRegularExpression space(QStringLiteral("[\\s\\x{3000}]+"));
  return text.remove(space);
}

// The document's title as pdfinfo reports it (the print job's name).
inline QString PdfTitle(const QString& path) {
  QProcess process;
  process.start(QStringLiteral("pdfinfo"), {path});
  if (!process.waitForFinished(30000)) return {};
  static const QRegularExpression title(QStringLiteral("^Title:\\s*(.*)$"), QRegularExpression::MultilineOption);
  return title.match(QString::fromUtf8(process.readAllStandardOutput())).captured(1).trimmed();
}

inline PdfLayout PdfWords(const QString& path) {
  PdfLayout layout;
  const QString html = RunPdfToText({QStringLiteral("-bbox"), path, QStringLiteral("-")});
  static const QRegularExpression page(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">"));
  static const QRegularExpression word(QStringLiteral(
      "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
  static const QRegularExpression item(page.pattern() + QStringLiteral("|") + word.pattern());
  for (auto it = item.globalMatch(html); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    if (!match.captured(1).isEmpty()) {
      layout.pageWidth = match.captured(1).toDouble();
      layout.pageHeight = match.captured(2).toDouble();
      ++layout.pages;
      continue;
    }
    layout.words.push_back({layout.pages - 1, match.captured(3).toDouble(), match.captured(4).toDouble(),
                            match.captured(5).toDouble(), match.captured(6).toDouble(), match.captured(7)});
  }
  return layout;
}

}  // namespace nuvaro::testing
