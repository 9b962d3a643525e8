// Creating a dialog from its template and running it modally.

#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "windowing/button_control.h"
#include "windowing/dialog_init.h"
#include "windowing/edit_control.h"
#include "windowing/hosted_control.h"
#include "windowing/list_box_control.h"
#include "windowing/static_control.h"
#include "windowing/win_api.h"
#include "windowing/window_system.h"

namespace {

// Dialog units to pixels, rounded as the platform's MulDiv rounds.
LONG toPixels(LONG units, int baseUnit, int divisor) {
    const long long product = static_cast<long long>(units) * baseUnit;
    const long long half = divisor / 2;
    return static_cast<LONG>(product >= 0 ? (product + half) / divisor : (product - half) / divisor);
}

RECT toPixels(const RECT& units, BaseUnits base) {
    return RECT{toPixels(units.left, base.cx, 4), toPixels(units.top, base.cy, 8), toPixels(units.right, base.cx, 4),
                toPixels(units.bottom, base.cy, 8)};
}

std::unique_ptr<Window> createControl(const ControlTemplate& entry, const std::vector<DialogInitRecord>& init) {
    const DWORD style = entry.style | WS_CHILD;
    switch (entry.kind) {
    case ControlKind::Button: return std::make_unique<ButtonControl>(entry.id, entry.text, style, entry.exStyle);
    case ControlKind::Edit: return std::make_unique<EditControl>(entry.id, entry.text, style, entry.exStyle);
    case ControlKind::Static: return std::make_unique<StaticControl>(entry.id, entry.text, style, entry.exStyle, entry.imageId);
    case ControlKind::ListBox: return std::make_unique<ListBoxControl>(entry.id, style, entry.exStyle);
    case ControlKind::Hosted: {
        const std::optional<std::span<const BYTE>> state = StreamForControl(init, entry.id);
        if (!state) return nullptr;
        ControlTemplate hosted = entry;
        hosted.style = style;
        hosted.initialState.assign(state->begin(), state->end());
        return HostedControlRegistry::instance().create(hosted);
    }
    case ControlKind::Dialog: return nullptr;
    }
    return nullptr;
}

// Creates the dialog hidden, with all its controls; null when a control
// cannot be created (a hosted class that is missing or refuses its initial
// state) or the initialisation data is malformed.
HWND createDialog(HINSTANCE module, const DialogTemplate& dialogTemplate, std::span<const BYTE> dialogInit, HWND owner,
                  DLGPROC procedure, LPARAM param) {
    const std::optional<std::vector<DialogInitRecord>> init =
        dialogInit.empty() ? std::vector<DialogInitRecord>{} : ParseDialogInit(dialogInit);
    if (!init) return nullptr;
    WindowSystem& system = WindowSystem::instance();
    const BaseUnits base = system.dialogBaseUnits();
    auto window = std::make_unique<DialogWindow>(dialogTemplate, owner, procedure, param);
    DialogWindow& dialog = *window;
    const RECT templateRect{dialogTemplate.x, dialogTemplate.y, dialogTemplate.x + dialogTemplate.cx,
                            dialogTemplate.y + dialogTemplate.cy};
    RECT placed = toPixels(templateRect, base);
    const LONG width = placed.right - placed.left;
    const LONG height = placed.bottom - placed.top;
    if ((dialogTemplate.x == 0 && dialogTemplate.y == 0) || (dialogTemplate.style & DS_CENTER)) {
        const POINT screen = system.screenSize();
        placed.left = (screen.x - width) / 2;
        placed.top = (screen.y - height) / 2;
        placed.right = placed.left + width;
        placed.bottom = placed.top + height;
    }
    dialog.initialise(templateRect, placed, false, true);
    dialog.setClientSize({width, height});
    HWND handle = system.add(std::move(window), nullptr);

    for (const ControlTemplate& entry : dialogTemplate.controls) {
        std::unique_ptr<Window> control = createControl(entry, *init);
        if (!control) {
            system.destroy(handle);
            return nullptr;
        }
        const RECT controlRect{entry.x, entry.y, entry.x + entry.cx, entry.y + entry.cy};
        RECT pixels = toPixels(controlRect, base);
        // A picture control takes the size of its bitmap.
        const BitmapResource* bitmap = module && entry.kind == ControlKind::Static && (entry.style & SS_TYPEMASK) == SS_BITMAP
                                           ? module->bitmap(entry.imageId)
                                           : nullptr;
        if (bitmap) {
            pixels.right = pixels.left + bitmap->width;
            pixels.bottom = pixels.top + bitmap->height;
        }
        control->initialise(controlRect, pixels, (entry.style & WS_VISIBLE) != 0, (entry.style & WS_DISABLED) == 0);
        system.add(std::move(control), handle);
    }
    return handle;
}

}  // namespace

HWND CreateHostedControl(LPCSTR classId, LPCSTR windowName, DWORD style, const RECT& rect, HWND parent, int id) {
    WindowSystem& system = WindowSystem::instance();
    if (!classId || !system.findDialog(parent)) return nullptr;
    ControlTemplate entry;
    entry.kind = ControlKind::Hosted;
    entry.id = id;
    entry.text = windowName ? windowName : "";
    entry.style = style | WS_CHILD;
    entry.classId = classId;
    std::unique_ptr<Window> control = HostedControlRegistry::instance().create(entry);
    if (!control) return nullptr;
    control->initialise(RECT{}, rect, (style & WS_VISIBLE) != 0, true);
    HWND handle = system.add(std::move(control), parent);
    system.notify(parent, Change::Items);
    return handle;
}

INT_PTR DialogBoxIndirectParamA(HINSTANCE module, const DialogTemplate* dialogTemplate, HWND owner, DLGPROC procedure, LPARAM param,
                                std::span<const BYTE> dialogInit) {
    WindowSystem& system = WindowSystem::instance();
    if (!dialogTemplate || system.abandoned()) return -1;
    if (owner && !IsWindow(owner)) owner = nullptr;
    HWND focusBefore = GetFocus();
    // No module means the program's own, as on the platform.
    HWND dialog = createDialog(module ? module : GetProgramModule(), *dialogTemplate, dialogInit, owner, procedure, param);
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
