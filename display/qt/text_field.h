#pragma once

#include <QPlainTextEdit>

// A multi-line edit. The window system's text separates lines with "\r\n";
// the field shows them as lines. Numbers are right-aligned in wide fields of
// blanks, so the field uses a fixed-pitch font and fits its lines as the
// fitting rule says: past the blanks that every line starts with, and, read
// only, a little smaller, so that the numbers and their units show.
class TextField : public QPlainTextEdit {
public:
    TextField(bool readOnly, const QFont& normalFont, QWidget* parent);

    void showWindowText(const QString& text);
    // The shown text with the window system's line breaks.
    QString windowText() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Paints the frame whole at a fractional scale too (frame_ring.h).
    bool event(QEvent* event) override;

private:
    void fitLines();

    QFont m_normalFont;
    // How far the lines are scrolled past their start, in pixels, as fitted.
    int m_scrolled = 0;
};
