#include "display/qt/text_field.h"

#include <QScrollBar>
#include <QTextDocument>

#include "display/qt/fitting_font.h"
#include "display/qt/frame_ring.h"
#include "portable/text_fitting.h"

TextField::TextField(bool readOnly, const QFont& normalFont, QWidget* parent) : QPlainTextEdit(parent), m_normalFont(normalFont) {
    setReadOnly(readOnly);
    if (readOnly) setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
    setFont(normalFont);
    document()->setDocumentMargin(2);
    // The scroll range follows the laid-out text, which may come after the
    // fitting: the results keep the place they were fitted to.
    if (readOnly) connect(horizontalScrollBar(), &QScrollBar::rangeChanged, this, [this] { horizontalScrollBar()->setValue(m_scrolled); });
}

void TextField::showWindowText(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (lines == toPlainText()) return;
    setPlainText(lines);
    fitLines();
}

QString TextField::windowText() const {
    QString text = toPlainText();
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

void TextField::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    fitLines();
}

bool TextField::event(QEvent* event) {
    const bool handled = QPlainTextEdit::event(event);
    if (event->type() == QEvent::Paint) paintFrameRing(*this, [this](QPainter& painter) { drawFrame(&painter); });
    return handled;
}

void TextField::fitLines() {
    const QStringList lines = toPlainText().split(QLatin1Char('\n'));
    const int room = viewport()->width() - 2 * static_cast<int>(document()->documentMargin()) - cursorWidth();
    LineMeasures measures(m_normalFont, lines, room);
    // What the user types keeps its size.
    const int steps = isReadOnly() ? sizeSteps(m_normalFont, kSmallestOneLineShare) : 1;
    const text_fitting::Fit fit = text_fitting::fit(measures, steps, text_fitting::commonIndent(lines));
    const QFont fitted = fontAtStep(m_normalFont, fit.step);
    if (font() != fitted) setFont(fitted);
    m_scrolled = QFontMetrics(fitted).horizontalAdvance(QString(fit.columns, QLatin1Char(' ')));
    horizontalScrollBar()->setValue(m_scrolled);
}
