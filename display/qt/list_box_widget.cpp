#include "display/qt/list_box_widget.h"

#include <QAccessible>

void ListBoxWidget::showSelection(int row) {
    const int before = selectedRow();
    const QSignalBlocker blocker(this);
    if (row < 0 || row >= count()) {
        clearSelection();
        setCurrentItem(nullptr);
        return;
    }
    setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    scrollToItem(item(row));
    if (row != before && hasFocus()) reportSelectedItem();
}

void ListBoxWidget::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    // Past the list view's own report of the focus (see the class comment).
    QAbstractItemView::currentChanged(current, previous);
}

void ListBoxWidget::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    // Qt reports the list itself as the focus once this returns; its item
    // is told after that, as a list's focused item is.
    m_itemUntold = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_itemUntold && hasFocus()) reportSelectedItem();
        },
        Qt::QueuedConnection);
}

void ListBoxWidget::focusOutEvent(QFocusEvent* event) {
    m_itemUntold = false;
    QListWidget::focusOutEvent(event);
}

void ListBoxWidget::reportSelectedItem() {
    m_itemUntold = false;
    const int row = selectedRow();
    if (row < 0 || !QAccessible::isActive()) return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(row);
    QAccessible::updateAccessibility(&event);
}

int ListBoxWidget::selectedRow() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.front());
}
