#include "display/qt/line_edit_accessible.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <algorithm>

namespace {

// The blank a line edit keeps before its text.
constexpr int kTextMargin = 2;

}  // namespace

LineEditAccessible::LineEditAccessible(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

QLineEdit* LineEditAccessible::edit() const { return static_cast<QLineEdit*>(widget()); }

QAccessible::State LineEditAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = edit()->isReadOnly();
    state.editable = !edit()->isReadOnly();
    state.selectableText = true;
    return state;
}

QString LineEditAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Value) return edit()->text();
    return QAccessibleWidget::text(kind);
}

void* LineEditAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void LineEditAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !edit()->hasSelectedText()) return;
    *startOffset = edit()->selectionStart();
    *endOffset = edit()->selectionEnd();
}

int LineEditAccessible::selectionCount() const { return edit()->hasSelectedText() ? 1 : 0; }

void LineEditAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void LineEditAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) edit()->deselect();
}

void LineEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0) edit()->setSelection(startOffset, endOffset - startOffset);
}

int LineEditAccessible::cursorPosition() const { return edit()->cursorPosition(); }

void LineEditAccessible::setCursorPosition(int position) { edit()->setCursorPosition(position); }

QString LineEditAccessible::text(int startOffset, int endOffset) const {
    const QString all = edit()->text();
    if (endOffset < 0 || endOffset > all.size()) endOffset = static_cast<int>(all.size());
    startOffset = std::clamp(startOffset, 0, endOffset);
    return all.mid(startOffset, endOffset - startOffset);
}

int LineEditAccessible::characterCount() const { return static_cast<int>(edit()->text().size()); }

QRect LineEditAccessible::characterRect(int offset) const {
    const QString character = text(offset, offset + 1);
    if (character.isEmpty()) return {};
    // Where the edit draws it when its text shows from the start, as the
    // program's short values and captions do.
    const QFontMetrics metrics(edit()->font());
    const QRect room = edit()->contentsRect().marginsRemoved(edit()->textMargins());
    const QRect box(room.left() + kTextMargin + metrics.horizontalAdvance(edit()->text().left(offset)),
                    room.top() + (room.height() - metrics.height()) / 2, metrics.horizontalAdvance(character), metrics.height());
    return QRect(edit()->mapToGlobal(box.topLeft()), box.size());
}

int LineEditAccessible::offsetAtPoint(const QPoint& point) const {
    return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
}

void LineEditAccessible::scrollToSubstring(int, int endIndex) { edit()->setCursorPosition(endIndex); }

QString LineEditAccessible::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}
