#pragma once

#include <QListWidget>

// A list box on screen. Its selection comes from the window system only, and
// it tells a screen reader about its selected item only under the keyboard
// focus: as the focus comes to the list, and as the selection really changes
// while the list has it. Qt's own list reports every new current item as the
// focus, even in a list that does not have it, so filling a unit list beside
// the focused analysis list read as a move of the focus; and as the focus
// comes it reports the list alone, which a screen reader says without the
// selected item.
class ListBoxWidget : public QListWidget {
public:
    using QListWidget::QListWidget;

    // Shows `row` selected and current, or nothing selected for a row out of range.
    void showSelection(int row);

protected:
    // Paints the frame whole at a fractional scale too (frame_ring.h).
    bool event(QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    int selectedRow() const;
    // The focus is on the selected item.
    void reportSelectedItem();

    // The focus came, and its item is still to be told.
    bool m_itemUntold = false;
};
