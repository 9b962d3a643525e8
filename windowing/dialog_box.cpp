// Running a dialog modally.

#include "windowing/dialog_creation.h"
#include "windowing/win_api.h"
#include "windowing/window_system.h"

INT_PTR DialogBoxIndirectParamA(HINSTANCE module, const DialogTemplate* dialogTemplate, HWND owner, DLGPROC procedure, LPARAM param,
                                std::span<const BYTE> dialogInit) {
    WindowSystem& system = WindowSystem::instance();
    if (!dialogTemplate || system.abandoned()) return -1;
    if (owner && !IsWindow(owner)) owner = nullptr;
    HWND focusBefore = GetFocus();
    // No module means the program's own, as on the platform.
    HWND dialog = createDialogFromTemplate(module ? module : programModule(), *dialogTemplate, dialogInit, owner, procedure);
    if (!dialog) return -1;
    if (WindowDisplay* display = system.display()) display->windowCreated(dialog);

    HWND firstTabStop = system.dialogManager().nextTabStop(dialog, nullptr, false);
    if (SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(firstTabStop), param) && IsWindow(dialog)) {
        // Initialisation may have hidden controls: take the first tab stop now.
        HWND target = system.dialogManager().nextTabStop(dialog, nullptr, false);
        SetFocus(target ? target : dialog);
    }

    DialogWindow* window = system.findDialog(dialog);
    const bool disableOwner = owner && IsWindowEnabled(owner);
    if (disableOwner) EnableWindow(owner, FALSE);
    system.pushModal(dialog);
    if (window && !window->ended()) {
        ShowWindow(dialog, SW_SHOW);
        system.waitForEnd(dialog);
    }
    system.popModal(dialog);
    if (disableOwner) EnableWindow(owner, TRUE);

    window = system.findDialog(dialog);
    const INT_PTR result = window && window->ended() ? window->result() : -1;
    if (window) {
        ShowWindow(dialog, SW_HIDE);
        system.destroy(dialog);
    }
    if (IsWindow(focusBefore)) SetFocus(focusBefore);
    return result;
}
