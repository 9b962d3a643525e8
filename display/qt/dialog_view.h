#pragma once

#include <QIcon>
#include <QImage>
#include <QPointer>
#include <memory>
#include <vector>

#include "display/qt/dialog_surface.h"
#include "display/qt/shown_control.h"
#include "portable/control_role.h"
#include "windowing/display.h"

class AccessibleNaming;
class DialogInput;
class DialogWindow;
class QMenu;
class QtDisplay;
class ResultsAnnouncer;

// One dialog on screen: its top-level window and one widget per control.
// It mirrors the window system's state into the widgets; the updates it
// makes are never reported back as user input. It tells the dialog's naming
// and its results announcer what changed.
class DialogView {
public:
    DialogView(HWND dialog, QWidget* ownerSurface, QtDisplay& display);
    ~DialogView();
    DialogView(const DialogView&) = delete;
    DialogView& operator=(const DialogView&) = delete;

    HWND dialog() const { return m_dialog; }
    DialogWindow* window() const;
    DialogSurface* surface() const { return m_surface; }
    QtDisplay& display() const { return m_display; }
    // The widget of a control of this dialog, or the surface for the dialog.
    QWidget* widgetFor(HWND window) const;
    // The control (or the dialog) that a widget or a list's viewport shows.
    HWND handleOf(const QObject* object) const;
    ControlRole roleOf(HWND control) const;
    QMenu* systemMenu();
    // What the program painted while minimised, as the desktop shows it.
    QImage minimizedPicture() const { return m_minimizedPicture; }

    void changed(HWND window, Change change);
    // Puts the window system's state of `window` back on screen, for input
    // that the window system refused.
    void remirror(HWND window);
    void mirrorFocus();
    bool mirroring() const { return m_mirroring > 0; }

private:
    // Marks programmatic updates of the widgets.
    class Mirroring {
    public:
        explicit Mirroring(DialogView& view) : m_view(view) { ++m_view.m_mirroring; }
        ~Mirroring() { --m_view.m_mirroring; }
        Mirroring(const Mirroring&) = delete;
        Mirroring& operator=(const Mirroring&) = delete;

    private:
        DialogView& m_view;
    };

    const ShownControl* controlFor(HWND handle) const;
    void createSurface(QWidget* ownerSurface);
    // Whether there were any.
    bool addNewControls();
    void mirrorText(HWND window);
    void mirrorVisibility(HWND window);
    void mirrorEnabled(HWND window);
    void mirrorItems(HWND list);
    void mirrorSelection(HWND list);
    void mirrorIcon();
    void showIcon(const QIcon& icon);
    void mirrorMenu();
    void mirrorPlacement();
    void showPaint();
    void updateDefaultButtons();
    void showSurface();

    HWND m_dialog;
    QtDisplay& m_display;
    QPointer<DialogSurface> m_surface;
    std::unique_ptr<DialogInput> m_input;
    std::vector<ShownControl> m_controls;
    QMenu* m_systemMenu = nullptr;
    bool m_menuStale = true;
    QIcon m_icon;
    qint64 m_shownIcon = QIcon().cacheKey();
    QPointer<QWidget> m_ownerSurface;
    QImage m_minimizedPicture;
    QPoint m_placedAt;
    int m_mirroring = 0;
    std::unique_ptr<AccessibleNaming> m_naming;
    std::unique_ptr<ResultsAnnouncer> m_announcer;
};
