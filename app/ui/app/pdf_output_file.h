// A PDF the command line writes for the user, put in place only when it is whole: the
// printer draws into a scratch file, and the finished document replaces the target
// through the safe save. Any failure leaves an existing target exactly as it was.
#pragma once

#include <QString>
#include <QTemporaryFile>

class QPrinter;

namespace nuvaro::ui {

class PdfOutputFile {
 public:
  explicit PdfOutputFile(QString target);

  // Asked before any work is done, changing nothing: false when the target can certainly
  // not be replaced (a folder or device of that name, a read-only file, a missing or
  // read-only folder).
  bool TargetLooksWritable() const;

  // Points the printer at the scratch file; false when none can be made.
  bool Prepare(QPrinter& printer);

  // After the printer's painter has ended without error: checks that the scratch file
  // holds a whole PDF and writes it over the target. False (target untouched) otherwise.
  bool Commit();

 private:
  QString target_;
  QTemporaryFile scratch_;
};

// True when `bytes` end like a whole PDF document (its last "%%EOF" marker, then at most
// line ends and blanks): a document cut short by a failed write does not.
bool IsWholePdf(const QByteArray& bytes);

}  // namespace nuvaro::ui
