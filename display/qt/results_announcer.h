#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

#include "display/qt/shown_control.h"
#include "windowing/display.h"

class Announcement;
class QWidget;

// Says a dialog's results to a screen reader as they appear: Calculate
// leaves the focus where it is, so they would be heard only by going to
// them. The results are what the dialog's read-only multi-line edits show,
// each named as its control is; a message written in their place is said
// the same way. Said once the program has written everything, and again
// when they are written again, even the same.
class ResultsAnnouncer {
public:
    // `controls` are the dialog's controls on screen, kept up to date by its view.
    ResultsAnnouncer(QWidget* surface, const std::vector<ShownControl>& controls);
    ~ResultsAnnouncer();
    ResultsAnnouncer(const ResultsAnnouncer&) = delete;
    ResultsAnnouncer& operator=(const ResultsAnnouncer&) = delete;

    void changed(HWND window, Change change);

private:
    bool showsResults(HWND window) const;
    // The shown results in words, empty when none show.
    QString summary() const;
    void announce();

    QPointer<QWidget> m_surface;
    const std::vector<ShownControl>& m_controls;
    QPointer<Announcement> m_announcement;  // a window of its own, or a child of the surface
    QString m_announced;
    bool m_pending = false;
    // Ends a pending announcement with the announcer.
    QObject m_context;
};
