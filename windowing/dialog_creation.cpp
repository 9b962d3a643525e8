#include "windowing/dialog_creation.h"

#include <memory>
#include <optional>
#include <vector>

#include "windowing/button_control.h"
#include "portable/dialog_init.h"
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
    case ControlKind::Button: return std::make_unique<ButtonControl>(entry.id, entry.text, style);
    case ControlKind::Edit: return std::make_unique<EditControl>(entry.id, entry.text, style);
    case ControlKind::Static: return std::make_unique<StaticControl>(entry.id, entry.text, style, entry.imageId);
    case ControlKind::ListBox: return std::make_unique<ListBoxControl>(entry.id, style);
    case ControlKind::Hosted: {
        const std::optional<std::span<const BYTE>> state = streamForControl(init, entry.id);
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

}  // namespace

HWND createDialogFromTemplate(HINSTANCE module, const DialogTemplate& dialogTemplate, std::span<const BYTE> dialogInit, HWND owner,
                              DLGPROC procedure) {
    const std::optional<std::vector<DialogInitRecord>> init =
        dialogInit.empty() ? std::vector<DialogInitRecord>{} : parseDialogInit(dialogInit);
    if (!init) return nullptr;
    WindowSystem& system = WindowSystem::instance();
    const BaseUnits base = system.dialogBaseUnits();
    auto window = std::make_unique<DialogWindow>(dialogTemplate, owner, procedure);
    DialogWindow& dialog = *window;
    RECT placed = toPixels(RECT{dialogTemplate.x, dialogTemplate.y, dialogTemplate.x + dialogTemplate.cx,
                                dialogTemplate.y + dialogTemplate.cy},
                           base);
    const LONG width = placed.right - placed.left;
    const LONG height = placed.bottom - placed.top;
    if (dialogTemplate.x == 0 && dialogTemplate.y == 0) {
        const POINT screen = system.screenSize();
        placed.left = (screen.x - width) / 2;
        placed.top = (screen.y - height) / 2;
        placed.right = placed.left + width;
        placed.bottom = placed.top + height;
    }
    dialog.initialise(placed, false, true);
    dialog.setClientSize({width, height});
    HWND handle = system.add(std::move(window), nullptr);

    for (const ControlTemplate& entry : dialogTemplate.controls) {
        std::unique_ptr<Window> control = createControl(entry, *init);
        if (!control) {
            system.destroy(handle);
            return nullptr;
        }
        RECT pixels = toPixels(RECT{entry.x, entry.y, entry.x + entry.cx, entry.y + entry.cy}, base);
        // A picture control takes the size of its bitmap.
        const BitmapResource* bitmap = module && entry.kind == ControlKind::Static && (entry.style & SS_TYPEMASK) == SS_BITMAP
                                           ? module->bitmap(entry.imageId)
                                           : nullptr;
        if (bitmap) {
            pixels.right = pixels.left + bitmap->width;
            pixels.bottom = pixels.top + bitmap->height;
        }
        control->initialise(pixels, (entry.style & WS_VISIBLE) != 0, (entry.style & WS_DISABLED) == 0);
        system.add(std::move(control), handle);
    }
    return handle;
}

HWND createHostedControl(LPCSTR classId, LPCSTR windowName, DWORD style, const RECT& rect, HWND parent, int id) {
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
    control->initialise(rect, (style & WS_VISIBLE) != 0, true);
    HWND handle = system.add(std::move(control), parent);
    system.notify(parent, Change::Items);
    return handle;
}
