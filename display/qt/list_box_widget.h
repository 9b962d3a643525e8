#pragma once

#include <QListWidget>

// A list box on screen. Its selection comes from the window system only, and
// it tells a screen reader about the current item only when that item really
// changed under the keyboard focus: Qt's own list reports every new current
// item as the focus, even in a list that does not have it, so filling a
// unit list beside the focused analysis list read as a move of the focus.
class ListBoxWidget : public QListWidget {
public:
    using QListWidget::QListWidget;

    // Shows `row` selected and current, or nothing selected for a row out of range.
    void showSelection(int row);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    int selectedRow() const;
};
