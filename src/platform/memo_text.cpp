#include "platform/memo_text.h"

#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextBlock>

namespace vantrel::platform {

QString storedText(const QPlainTextEdit& memo) {
    QString text = memo.toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void showStoredText(QPlainTextEdit& memo, const QString& stored) {
    QString text = stored;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    memo.setPlainText(text);
}

void limitLines(QPlainTextEdit& memo, int lines) {
    QObject::connect(&memo, &QPlainTextEdit::textChanged, &memo, [&memo, lines] {
        const QString text = memo.toPlainText();
        if (text.count(QLatin1Char('\n')) < lines)
            return;
        const QStringList kept = text.split(QLatin1Char('\n')).mid(0, lines);
        const QSignalBlocker quiet(&memo);
        QTextCursor cursor = memo.textCursor();
        const int position = cursor.position();
        memo.setPlainText(kept.join(QLatin1Char('\n')));
        cursor = memo.textCursor();
        cursor.setPosition(std::min(position, int(memo.toPlainText().size())));
        memo.setTextCursor(cursor);
    });
}

} // namespace vantrel::platform
