#pragma once

#include <QString>

class QPlainTextEdit;

namespace vantrel::platform {

// Multi-line fields keep their lines separated by CR LF in the database; on screen a
// line break is "\n".
QString storedText(const QPlainTextEdit& memo);
void showStoredText(QPlainTextEdit& memo, const QString& stored);

// Keeps a field to at most `lines` lines: what is typed or pasted beyond them is cut.
void limitLines(QPlainTextEdit& memo, int lines);

} // namespace vantrel::platform
