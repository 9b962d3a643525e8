#include "display/qt/list_box_widget.h"

#include <QAccessible>

#include "display/qt/frame_ring.h"

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

bool ListBoxWidget::event(QEvent* event) {
    const bool handled = QListWidget::event(event);
    if (event->type() == QEvent::Paint) paintFrameRing(*this, [this](QPainter& painter) { drawFrame(&painter); });
    return handled;
}

void ListBoxWidget::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    // Past the list view's own report of the focus (see the class comment).
    QAbstractItemView::currentChanged(current, previous);
}

void ListBoxWidget::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    // Once Qt has reported the list itself, unless the same input selects an
    // item (a click) and so reports it.
    m_itemUntold = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_itemUntold && hasFocus()) reportSelectedItem();
        },
        Qt::QueuedConnection);
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
