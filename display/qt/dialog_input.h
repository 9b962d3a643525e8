#pragma once

#include <QObject>
#include <functional>

#include "display/qt/dialog_surface.h"
#include "portable/control_role.h"
#include "windowing/window_system.h"

class DialogView;
class QKeyEvent;
class QMouseEvent;

// Turns real input on one dialog's widgets into the window system's raw
// input: typed texts, clicks, list choices, the keys that the dialog manager
// interprets, the close box and the desktop's minimise and restore. Qt acts
// on nothing by itself: keys and clicks that would let a widget change its
// selection or move the focus are taken here, and input that the window
// system refuses is undone by mirroring its state again.
class DialogInput : public QObject, public SurfaceListener {
public:
    explicit DialogInput(DialogView& view);

    // Starts reporting the input of a control's widget.
    void watch(HWND control, ControlRole role, QWidget* widget);

    void closeRequested() override;
    void windowStateChanged() override;
    void clientResized(QSize size) override;
    void surfacePainted() override;
    void contextMenuRequested(QPoint globalPosition) override;
    void activated() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(HWND target, QKeyEvent* event);
    bool mousePressed(HWND target, QObject* watched, QMouseEvent* event);
    bool isEdit(HWND target) const;
    void press(Key key);
    void typed(HWND edit, const QString& text);
    void clicked(HWND button);
    // Pointer input acts after the keys typed before it (see HeldKeys).
    void afterEarlierKeys(std::function<void()> action);
    bool keysOnTheirWay() const;
    // The desktop changed the window's state; `command` failing, the window
    // system is told the new state directly.
    void reportState(UINT command, bool minimized, bool maximized);
    void popupSystemMenu(QPoint globalPosition);

    DialogView& m_view;
    bool m_painting = false;
};
