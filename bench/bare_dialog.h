#pragma once

#include <QDialog>

class QListWidget;

// The yardstick of the benchmarks: a bare Qt dialog with the same controls
// as resonix's main window, laid out the same way from the same dialog
// units, and nothing else. With RESONIX_REPORT_FIRST_PAINT=1 it prints the
// monotonic clock at its first paint and ends, as resonix does.
class BareDialog : public QDialog {
public:
    BareDialog();

    QListWidget* motionList() const { return m_list; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QListWidget* m_list;
    bool m_painted = false;
};
