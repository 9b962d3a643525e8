#include "display/qt/text_field.h"

#include <QScrollBar>
#include <QTextDocument>
#include <algorithm>
#include <limits>

TextField::TextField(bool readOnly, QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(readOnly);
    if (readOnly) setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
    document()->setDocumentMargin(2);
}

void TextField::showWindowText(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (lines == toPlainText()) return;
    setPlainText(lines);
    scrollPastCommonIndent();
}

QString TextField::windowText() const {
    QString text = toPlainText();
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

void TextField::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    scrollPastCommonIndent();
}

void TextField::scrollPastCommonIndent() {
    const QFontMetrics metrics(font());
    int widest = 0;
    qsizetype indent = std::numeric_limits<qsizetype>::max();
    for (const QString& line : toPlainText().split(QLatin1Char('\n'))) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
        const qsizetype blanks = std::find_if(line.begin(), line.end(), [](QChar c) { return c != QLatin1Char(' '); }) - line.begin();
        if (blanks < line.size()) indent = std::min(indent, blanks);
    }
    const int room = viewport()->width() - 2 * static_cast<int>(document()->documentMargin()) - cursorWidth();
    const int overflow = widest - room;
    int scroll = 0;
    if (overflow > 0 && indent != std::numeric_limits<qsizetype>::max()) {
        scroll = std::min(overflow, metrics.horizontalAdvance(QString(indent, QLatin1Char(' '))));
    }
    horizontalScrollBar()->setValue(scroll);
}
