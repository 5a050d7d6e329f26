#include "ui/app/pdf_output_file.h"

#include <QDir>
#include <QFile>
#include <QPrinter>

#include <string_view>
#include <utility>

#include "platform/core/file_system.h"

namespace nuvaro::ui {

bool IsWholePdf(const QByteArray& bytes) {
  if (!bytes.startsWith("%PDF-")) return false;
  qsizetype end = bytes.size();
  while (end > 0 && (bytes[end - 1] == '\n' || bytes[end - 1] == '\r' || bytes[end - 1] == ' ')) --end;
  return QByteArrayView(bytes).first(end).endsWith("%%EOF");
}

PdfOutputFile::PdfOutputFile(QString target)
    : target_(std::move(target)), scratch_(QDir::temp().filePath(QStringLiteral("nuvaro-pdf-XXXXXX.pdf"))) {}

bool PdfOutputFile::TargetLooksWritable() const {
  return platform::CanWriteWholeFileSafely(QFile::encodeName(target_).toStdString());
}

bool PdfOutputFile::Prepare(QPrinter& printer) {
  if (!scratch_.open()) return false;
  scratch_.close();  // the printer opens it again by name
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(scratch_.fileName());
  return true;
}

bool PdfOutputFile::Commit() {
  QFile printed(scratch_.fileName());
  if (!printed.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = printed.readAll();
  if (printed.error() != QFileDevice::NoError || !IsWholePdf(bytes)) return false;
  return platform::WriteWholeFileSafely(QFile::encodeName(target_).toStdString(),
                                        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace nuvaro::ui
