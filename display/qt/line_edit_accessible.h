#pragma once

#include <QAccessibleWidget>

class QLineEdit;

// What a screen reader reads of a one-line edit. Qt's own line edit answers
// every question about text attributes with an empty run at the offset asked
// about; a screen reader that joins the runs into the line then loses the
// last character, so a caption read "Torsional stiffnes". Here the whole
// text is one run, as it is: a line edit has one font.
class LineEditAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit LineEditAccessible(QLineEdit* edit);

    QAccessible::State state() const override;
    QString text(QAccessible::Text kind) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QLineEdit* edit() const;
};
