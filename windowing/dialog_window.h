#pragma once

#include <memory>
#include <optional>

#include "windowing/device_context.h"
#include "windowing/menu.h"
#include "windowing/window.h"

// The program's handler of a dialog's messages: the result of a message it
// handles, or nothing, and the dialog's default processing takes over.
using DLGPROC = std::optional<LRESULT> (*)(HWND, UINT, WPARAM, LPARAM);

// A dialog: a top-level window built from a template. Messages go first to
// the program's dialog procedure, then to the default processing.
class DialogWindow : public Window {
public:
    DialogWindow(const DialogTemplate& dialogTemplate, HWND owner, DLGPROC procedure);

    bool isDialog() const override { return true; }
    // The command id that Enter sends: the template's default push button's,
    // else IDOK.
    int defaultId() const;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // What the dialog does with a message that the program does not handle.
    LRESULT defaultProcessing(UINT message, WPARAM wParam, LPARAM lParam);

    HWND owner() const { return m_owner; }

    Menu& systemMenu() { return *m_systemMenu; }
    const Menu* systemMenuIfAny() const { return m_systemMenu.get(); }
    // Whether the system menu offers `command` as the window is now, as the
    // platform greys its entries: Restore only for a minimised or maximised
    // window, Minimise and Maximise only when it is not so already, Move only
    // for a window in its place, Size never (a dialog's frame is fixed).
    bool offersSystemCommand(UINT command) const;

    HICON icon(bool big) const { return big ? m_bigIcon : m_smallIcon; }
    bool iconic() const { return m_iconic; }
    bool maximized() const { return m_maximized; }
    void setIconic(bool iconic);
    void setMaximized(bool maximized);

    POINT clientSize() const { return m_clientSize; }
    void setClientSize(POINT size) { m_clientSize = size; }

    // The modal run.
    bool ended() const { return m_result.has_value(); }
    INT_PTR result() const { return m_result.value_or(-1); }
    void end(INT_PTR result) { if (!m_result) m_result = result; }

    // The last finished paint session, for the display and for tests.
    const DeviceContext* lastPaint() const { return m_lastPaint.get(); }
    void finishPaint(std::unique_ptr<DeviceContext> context);

private:
    HWND m_owner;
    DLGPROC m_procedure;
    std::unique_ptr<Menu> m_systemMenu;
    HICON m_bigIcon = nullptr;
    HICON m_smallIcon = nullptr;
    bool m_iconic = false;
    bool m_maximized = false;
    POINT m_clientSize;
    std::optional<INT_PTR> m_result;
    std::unique_ptr<DeviceContext> m_lastPaint;
};
