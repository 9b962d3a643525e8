#pragma once

#include <QPlainTextEdit>

// A multi-line edit. The window system's text separates lines with "\r\n";
// the field shows them as lines. Numbers are right-aligned in wide fields of
// blanks, so the field uses a fixed-pitch font and, when the longest line is
// wider than the field, scrolls past the blanks that every line starts with,
// so that the numbers and their units show.
class TextField : public QPlainTextEdit {
public:
    TextField(bool readOnly, QWidget* parent);

    void showWindowText(const QString& text);
    // The shown text with the window system's line breaks.
    QString windowText() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void scrollPastCommonIndent();
};
