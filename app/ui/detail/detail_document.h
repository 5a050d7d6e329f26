// The composed detail reading as a QTextDocument: one character format per run (face,
// size, bold, underline, black text), each "\r\n" a new paragraph. The preview shows
// this document and the printer lays the same one out on its pages.
#pragma once

#include <QFont>
#include <QString>

#include <vector>

#include "core/detail_composition.h"

class QTextDocument;

namespace nuvaro::ui {

// The font family a run asks for ("ＭＳ 明朝" or "ＭＳ ゴシック"; the program maps both to
// installed fonts).
QString RunFaceName(core::RunFace face);
// A font of that face at a point size.
QFont DetailFont(core::RunFace face, int pointSize, bool bold = false);

// Replaces the document's content by the runs, in order, with "ＭＳ 明朝" at the base
// size as the document's default font.
void FillDetailDocument(QTextDocument& document, const std::vector<core::DetailRun>& runs,
                        int baseSize = core::kDetailBaseSize);

}  // namespace nuvaro::ui
