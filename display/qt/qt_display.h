#pragma once

#include <QFont>
#include <QImage>
#include <QObject>
#include <memory>
#include <unordered_map>

#include "display/qt/held_keys.h"
#include "display/qt/modal_loops.h"
#include "display/qt/reader_arrival.h"
#include "windowing/display.h"

class DialogView;
class QWidget;

// The window system on the real screen, through Qt Widgets: one top-level
// window per dialog, one widget per control. Needs a QApplication.
class QtDisplay : public WindowDisplay {
public:
    QtDisplay();
    ~QtDisplay() override;
    QtDisplay(const QtDisplay&) = delete;
    QtDisplay& operator=(const QtDisplay&) = delete;

    void windowCreated(HWND dialog) override;
    void windowDestroyed(HWND dialog) override;
    void windowChanged(HWND window, Change change) override;
    bool runModalLoop(HWND dialog) override;
    void modalRunEnding(HWND dialog) override;
    void beginMoveOrSize(HWND dialog, UINT command) override;
    // Through QDesktopServices, so that a handler set there sees it.
    void openAddress(const std::string& address) override;
    BaseUnits dialogBaseUnits() const override { return m_baseUnits; }
    POINT screenSize() const override;

    // No more input will come: every modal run ends.
    void abandon();
    // Prints the time of the first paint and ends (see FirstPaintReport).
    void setReportsFirstPaint(bool report) { m_reportsFirstPaint = report; }
    // A dialog's window has painted.
    void surfacePainted();

    // The widget that shows a window: a dialog's top-level or a control's.
    QWidget* widgetFor(HWND window) const;
    // What a minimised dialog painted, as the desktop shows it.
    QImage minimizedPicture(HWND dialog) const;
    std::size_t dialogCount() const { return m_views.size(); }
    // The font of multi-line edits: fixed pitch, the size of the interface font.
    const QFont& fixedFont() const { return m_fixedFont; }
    // Keys that a screen reader holds back, which pointer input waits for.
    HeldKeys& heldKeys() { return m_heldKeys; }

private:
    DialogView* viewFor(HWND dialog) const;

    std::unordered_map<HWND, std::unique_ptr<DialogView>> m_views;
    ModalLoops m_loops;
    BaseUnits m_baseUnits;
    QFont m_fixedFont;
    bool m_reportsFirstPaint = false;
    bool m_firstPaintSeen = false;
    HeldKeys m_heldKeys;
    ReaderArrival m_readerArrival;
    // Receives Qt's signals and queued calls for as long as the display lives.
    QObject m_context;
};
