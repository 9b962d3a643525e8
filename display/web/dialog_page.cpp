#include "display/web/dialog_page.h"

#include <cstdint>

#include "display/web/accessible_names.h"
#include "display/web/page.h"
#include "display/web/page_controls.h"
#include "display/web/page_pictures.h"
#include "display/web/results_announcer.h"
#include "windowing/dialog_window.h"
#include "windowing/list_box_control.h"
#include "windowing/win_api.h"
#include "windowing/window_system.h"

namespace {

WindowSystem& windows() { return WindowSystem::instance(); }

int frameStyleOf(const DialogWindow& dialog) { return dialog.hasStyle(WS_SYSMENU) ? page_style::kSystemMenu : 0; }

}  // namespace

DialogPage::DialogPage(HWND dialog)
    : m_dialog(dialog),
      m_announcer(std::make_unique<ResultsAnnouncer>(dialog, [this](HWND control) {
          const auto found = m_names.find(control);
          return found == m_names.end() ? std::string() : found->second.name;
      })) {
    const DialogWindow& shown = *window();
    m_clientSize = shown.clientSize();
    const DialogWindow* owner = windows().findDialog(shown.owner());
    pageOpenWindow(pageHandle(m_dialog), owner ? pageHandle(owner->handle()) : 0, shown.rect().left, shown.rect().top,
                             m_clientSize.x, m_clientSize.y, frameStyleOf(shown));
    mirrorText(m_dialog);
    mirrorIcon();
    mirrorMenu();
    addNewControls();
    nameAll();
    updateDefaultButton();
    if (shown.visible()) mirrorVisibility(m_dialog);
}

DialogPage::~DialogPage() { pageCloseWindow(pageHandle(m_dialog)); }

DialogWindow* DialogPage::window() const { return windows().findDialog(m_dialog); }

const DialogPage::Shown* DialogPage::controlFor(HWND handle) const {
    for (const Shown& control : m_controls) {
        if (control.handle == handle) return &control;
    }
    return nullptr;
}

bool DialogPage::addNewControls() {
    const DialogWindow* dialog = window();
    if (!dialog) return false;
    bool added = false;
    for (HWND child : dialog->children()) {
        const Window* control = windows().find(child);
        if (!control || controlFor(child)) continue;
        const ControlRole role = roleOf(control->kind(), control->style());
        PageControls::add(m_dialog, *control, role);
        if (!control->enabled()) pageSetEnabled(pageHandle(child), 0);
        if (!control->visible()) pageSetVisible(pageHandle(child), 0);
        m_controls.push_back({child, role});
        if (role == ControlRole::ListBox) mirrorItems(child);
        added = true;
    }
    return added;
}

void DialogPage::nameAll() {
    m_namesStale = false;
    for (AccessibleName& named : accessibleNames(m_dialog)) {
        const auto shown = m_names.find(named.control);
        // Setting a name again would have a screen reader say it again.
        if (shown != m_names.end() && shown->second.name == named.name && shown->second.description == named.description) continue;
        pageSetName(pageHandle(named.control), named.name.c_str(), named.description.c_str());
        m_names[named.control] = std::move(named);
    }
}

void DialogPage::changed(HWND window, Change change) {
    switch (change) {
    case Change::Text:
        mirrorText(window);
        // Once the program has done with the input: one Calculate writes
        // its title many times over.
        if (textCanName(window) && window != m_dialog) m_namesStale = true;
        break;
    case Change::Visibility: mirrorVisibility(window); break;
    case Change::Enabled: mirrorEnabled(window); break;
    case Change::Items:
        if (window == m_dialog && addNewControls()) m_namesStale = true;
        else mirrorItems(window);
        break;
    case Change::Selection: mirrorSelection(window); break;
    case Change::Focus: mirrorFocus(); break;
    case Change::Icon: mirrorIcon(); break;
    case Change::Menu: mirrorMenu(); break;
    case Change::Placement: mirrorPlacement(); break;
    case Change::Painted: showPaint(); break;
    }
    m_announcer->changed(window, change);
}

void DialogPage::remirror(HWND window) {
    mirrorText(window);
    mirrorEnabled(window);
    mirrorVisibility(window);
    if (const Shown* control = controlFor(window); control && control->role == ControlRole::ListBox) mirrorSelection(window);
    mirrorFocus();
}

void DialogPage::flush() {
    if (m_namesStale) nameAll();
    m_announcer->flush();
}

void DialogPage::mirrorText(HWND handle) {
    const Window* window = windows().find(handle);
    if (!window) return;
    if (handle == m_dialog) {
        pageSetText(pageHandle(handle), window->text().c_str());
        return;
    }
    if (const Shown* control = controlFor(handle)) PageControls::showText(*window, control->role);
}

void DialogPage::mirrorVisibility(HWND handle) {
    const Window* window = windows().find(handle);
    if (!window) return;
    pageSetVisible(pageHandle(handle), window->visible());
    if (handle == m_dialog && window->visible()) mirrorFocus();
}

void DialogPage::mirrorEnabled(HWND handle) {
    const Window* window = windows().find(handle);
    if (!window) return;
    pageSetEnabled(pageHandle(handle), window->enabled());
    if (window->enabled()) mirrorFocus();
}

void DialogPage::mirrorItems(HWND list) {
    const Window* window = windows().find(list);
    if (!window || window->kind() != ControlKind::ListBox) return;
    const auto& items = static_cast<const ListBoxControl*>(window)->items();
    std::vector<std::string>& shown = m_shownItems[list];
    // A list is filled one item at a time, each a change of its own: the
    // items shown already stay when they begin the new ones.
    std::size_t kept = 0;
    while (kept < shown.size() && kept < items.size() && shown[kept] == items[kept]) ++kept;
    if (kept < shown.size()) {
        pageClearItems(pageHandle(list));
        shown.clear();
        kept = 0;
    }
    for (std::size_t i = kept; i < items.size(); ++i) {
        pageAddItem(pageHandle(list), items[i].c_str());
        shown.push_back(items[i]);
    }
    mirrorSelection(list);
}

void DialogPage::mirrorSelection(HWND list) {
    const Window* window = windows().find(list);
    if (!window || window->kind() != ControlKind::ListBox) return;
    pageSetSelection(pageHandle(list), static_cast<const ListBoxControl*>(window)->currentSelection());
}

void DialogPage::mirrorFocus() {
    const HWND focus = windows().focus();
    if (windows().activeDialog() == m_dialog) pageActivate(pageHandle(m_dialog));
    if (focus && windows().topLevelOf(focus) == m_dialog) pageSetFocus(pageHandle(focus));
    updateDefaultButton();
}

void DialogPage::updateDefaultButton() {
    const HWND defaultButton = windows().dialogManager().defaultLookingButton(m_dialog);
    if (defaultButton == m_defaultButton) return;
    if (m_defaultButton && controlFor(m_defaultButton)) pageSetDefault(pageHandle(m_defaultButton), 0);
    m_defaultButton = defaultButton;
    if (const Shown* control = controlFor(defaultButton); control && control->role == ControlRole::PushButton) {
        pageSetDefault(pageHandle(defaultButton), 1);
    }
}

void DialogPage::mirrorIcon() {
    if (const DialogWindow* dialog = window()) PagePictures::showIcon(m_dialog, dialog->icon(true), dialog->icon(false));
}

void DialogPage::mirrorMenu() {
    const DialogWindow* dialog = window();
    if (!dialog) return;
    pageClearMenu(pageHandle(m_dialog));
    const Menu* menu = dialog->systemMenuIfAny();
    if (!menu || !dialog->hasStyle(WS_SYSMENU)) return;
    for (const Menu::Item& item : menu->items()) {
        const bool enabled = item.isSeparator() || dialog->offersSystemCommand(item.id);
        pageAddMenuItem(pageHandle(m_dialog), item.isSeparator() ? 0 : item.id, item.isSeparator() ? "" : item.text.c_str(), enabled);
    }
}

void DialogPage::mirrorPlacement() {
    const DialogWindow* dialog = window();
    if (!dialog) return;
    if (dialog->iconic() != m_minimized) {
        m_minimized = dialog->iconic();
        pageSetMinimized(pageHandle(m_dialog), m_minimized);
        // Back on the page, the window has the keyboard as it had.
        if (!m_minimized) mirrorFocus();
    }
    // Which entries of the menu apply changes with the placement.
    mirrorMenu();
}

void DialogPage::showPaint() {
    const DialogWindow* dialog = window();
    if (!dialog || !dialog->iconic() || !dialog->lastPaint()) return;
    const POINT client = dialog->clientSize();
    if (client.x <= 0 || client.y <= 0) return;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(client.x) * static_cast<std::size_t>(client.y), 0);
    for (const DeviceContext::DrawnIcon& drawn : dialog->lastPaint()->icons()) {
        const PixelImage* image = drawn.icon ? drawn.icon->imageFor(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)) : nullptr;
        if (!image) continue;
        for (int y = 0; y < image->height; ++y) {
            for (int x = 0; x < image->width; ++x) {
                const int px = drawn.origin.x + x;
                const int py = drawn.origin.y + y;
                const std::uint32_t argb = image->argbAt(x, y);
                if (px < 0 || py < 0 || px >= client.x || py >= client.y || (argb >> 24) == 0) continue;
                pixels[static_cast<std::size_t>(py) * static_cast<std::size_t>(client.x) + static_cast<std::size_t>(px)] = argb;
            }
        }
    }
    pageSetPainted(pageHandle(m_dialog), pixels.data(), client.x, client.y);
}
