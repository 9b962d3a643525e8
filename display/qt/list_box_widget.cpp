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
    if (row != before && hasFocus() && QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(row);
        QAccessible::updateAccessibility(&event);
    }
}

void ListBoxWidget::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    // Past the list view's own report of the focus (see the class comment).
    QAbstractItemView::currentChanged(current, previous);
}

int ListBoxWidget::selectedRow() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.front());
}
