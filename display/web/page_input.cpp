#include "display/web/page_input.h"

#include <cstdint>

#include "display/web/dialog_page.h"
#include "display/web/page.h"
#include "display/web/web_display.h"
#include "windowing/dialog_window.h"
#include "windowing/key.h"
#include "windowing/win_api.h"
#include "windowing/window_system.h"

namespace {

WindowSystem& windows() { return WindowSystem::instance(); }

// What the page sends for each key that the dialog manager interprets.
bool keyOf(int value, Key& key) {
    switch (value) {
    case static_cast<int>(Key::Return):
    case static_cast<int>(Key::Escape):
    case static_cast<int>(Key::Tab):
    case static_cast<int>(Key::ShiftTab):
    case static_cast<int>(Key::Up):
    case static_cast<int>(Key::Down):
    case static_cast<int>(Key::Home):
    case static_cast<int>(Key::End):
    case static_cast<int>(Key::Space):
        key = static_cast<Key>(value);
        return true;
    default:
        return false;
    }
}

// The desktop showed a window or its icon: the program paints it, in the
// area it now has.
void painted(const DialogPage& page) {
    const DialogWindow* dialog = page.window();
    if (!dialog) return;
    const POINT area = dialog->iconic() ? POINT{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)} : page.clientSize();
    if (dialog->clientSize() != area) windows().userResizesClientArea(page.dialog(), area.x, area.y);
    windows().paint(page.dialog());
}

}  // namespace

PageInput nextPageInput() {
    PageInput input;
    while (true) {
        std::uintptr_t handle = 0;
        input.kind = static_cast<PageInputKind>(pageNextInput(&handle, &input.value));
        if (input.kind != PageInputKind::None) {
            input.handle = reinterpret_cast<HWND>(handle);
            input.text.assign(static_cast<std::size_t>(pageInputTextSize()), '\0');
            pageInputText(input.text.data(), static_cast<int>(input.text.size()));
            // Without its terminator.
            if (!input.text.empty()) input.text.pop_back();
            return input;
        }
        pageWaitForInput();
    }
}

void dispatchPageInput(WebDisplay& display, const PageInput& input) {
    DialogPage* page = display.pageFor(windows().topLevelOf(input.handle));
    if (!page) return;
    switch (input.kind) {
    case PageInputKind::Typed:
        windows().userTypes(input.handle, input.text);
        // Refused input is undone; a text that the program rewrote shows as it is now.
        page->remirror(input.handle);
        break;
    case PageInputKind::Selected: {
        // A click reports its item even when it is selected already.
        const bool taken = input.value >= 0 ? windows().userSelects(input.handle, input.value) : windows().userFocuses(input.handle);
        if (!taken) page->remirror(input.handle);
        break;
    }
    case PageInputKind::Clicked:
        if (!windows().userClicks(input.handle)) page->remirror(input.handle);
        break;
    case PageInputKind::Focused:
        if (windows().focus() != input.handle && !windows().userFocuses(input.handle)) page->remirror(input.handle);
        break;
    case PageInputKind::Key: {
        Key key{};
        if (!keyOf(input.value, key) || !windows().userPressesKey(page->dialog(), key)) page->mirrorFocus();
        break;
    }
    case PageInputKind::Closed:
        windows().userClosesWindow(page->dialog());
        break;
    case PageInputKind::SystemCommand:
        windows().userChoosesSystemCommand(page->dialog(), static_cast<UINT>(input.value));
        break;
    case PageInputKind::Painted:
        painted(*page);
        break;
    case PageInputKind::Restored:
        // A window without Restore in its menu, or one that is not the
        // active dialog, is still restored by the desktop.
        if (!windows().userChoosesSystemCommand(page->dialog(), SC_RESTORE)) windows().desktopChangedPlacement(page->dialog(), false, false);
        break;
    default:
        break;
    }
}
