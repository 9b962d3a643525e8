// The class library's seam over Windows: dialogs from the templates the
// program carries as data, texts in UTF-16, hosted controls as window
// classes of the program's own, and tips over cut list items. The reports
// that outside checks ask for are not here but in test_probes.*.

#include "framework/platform.h"

// After <windows.h>, which the platform header includes.
#include <commctrl.h>
#include <objbase.h>

#include <cstdlib>
#include <cwchar>
#include <iterator>
#include <map>
#include <span>
#include <vector>

#include "framework/win32/accessible_names.h"
#include "framework/win32/control_kind.h"
#include "framework/win32/control_classes.h"
#include "framework/win32/dialog_template_builder.h"
#include "framework/win32/fitted_text.h"
#include "framework/win32/list_item_tips.h"
#include "framework/win32/pixel_bitmap.h"
#include "framework/win32/resource_data.h"
#include "framework/win32/utf16.h"
#include "portable/dialog_init.h"

namespace {

HINSTANCE theProgramInstance = nullptr;
const ResourceModule* resourceData = nullptr;
bool hostingEnabled = false;

std::map<std::string, std::wstring>& hostedClasses() {
    static std::map<std::string, std::wstring> classes;
    return classes;
}

// One modal run, and what was made for it.
struct ModalRun {
    platform::DialogProcedure procedure;
    LPARAM param;
    const DialogTemplate& dialogTemplate;
    std::span<const BYTE> dialogInit;
    std::vector<HGDIOBJ> objects;

    ModalRun(platform::DialogProcedure procedure, LPARAM param, const DialogTemplate& dialogTemplate, std::span<const BYTE> dialogInit)
        : procedure(procedure), param(param), dialogTemplate(dialogTemplate), dialogInit(dialogInit) {}
    ModalRun(const ModalRun&) = delete;
    ModalRun& operator=(const ModalRun&) = delete;
    ~ModalRun() {
        for (HGDIOBJ object : objects) DeleteObject(object);
    }
};

// The desktop's message font: dialogs are laid out in it, as the Linux
// display lays them out in the desktop's interface font.
DialogFont desktopDialogFont() {
    DialogFont font{L"MS Shell Dlg", 8, FW_NORMAL};
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return font;
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const LONG height = std::abs(metrics.lfMessageFont.lfHeight);
    if (height == 0 || dpi <= 0 || metrics.lfMessageFont.lfFaceName[0] == L'\0') return font;
    font.face = metrics.lfMessageFont.lfFaceName;
    font.points = static_cast<WORD>(MulDiv(height, 72, dpi));
    return font;
}

// Whole screen pixels per picture pixel, so that it stays sharp; rounded
// down, so that it never grows past the room its template gives it.
int pictureScale(HWND dialog) { return std::max(1, static_cast<int>(GetDpiForWindow(dialog) / 96)); }

// Gives the controls what the template carries beside their styles: the
// pictures, the hosted controls' initial state; fits one-line texts and
// gives the lists their tips.
// False when a hosted control refuses its state.
bool prepareControls(HWND dialog, ModalRun& run) {
    const std::optional<std::vector<DialogInitRecord>> records =
        run.dialogInit.empty() ? std::vector<DialogInitRecord>{} : parseDialogInit(run.dialogInit);
    if (!records) return false;
    // The dialog manager creates the controls in template order, which is
    // the order of the dialog's children.
    HWND control = GetWindow(dialog, GW_CHILD);
    for (const ControlTemplate& entry : run.dialogTemplate.controls) {
        if (!control) return false;
        if (entry.kind == ControlKind::Static && (entry.style & SS_TYPEMASK) == SS_BITMAP && resourceData) {
            if (const BitmapResource* picture = resourceData->bitmap(entry.imageId)) {
                HBITMAP bitmap = createPixelBitmap(*picture, pictureScale(dialog), GetSysColor(COLOR_3DFACE));
                run.objects.push_back(bitmap);
                SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
            }
        } else if (entry.kind == ControlKind::Hosted) {
            const std::optional<std::span<const BYTE>> stream = streamForControl(*records, entry.id);
            if (!stream) return false;
            if (!SendMessageW(control, WM_OCC_LOADFROMSTREAM, stream->size(), reinterpret_cast<LPARAM>(stream->data()))) return false;
        }
        if (fitted_text::isFitted(control)) fitted_text::fit(control);
        if (control_kind::isListBox(control)) list_item_tips::Attach(control);
        control = GetWindow(control, GW_HWNDNEXT);
    }
    accessible::nameControls(dialog);
    return true;
}

// Messages whose result a dialog procedure returns itself rather than
// through DWLP_MSGRESULT.
bool returnsDirectly(UINT message) {
    return message == WM_CHARTOITEM || message == WM_COMPAREITEM || message == WM_VKEYTOITEM ||
           message == WM_QUERYDRAGICON || (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC);
}

INT_PTR CALLBACK dialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* run = reinterpret_cast<ModalRun*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        if (!prepareControls(dialog, *run)) {
            EndDialog(dialog, -1);
            return FALSE;
        }
        const std::optional<LRESULT> result = run->procedure(dialog, message, wParam, run->param);
        return result ? static_cast<INT_PTR>(*result) : TRUE;
    }
    auto* run = reinterpret_cast<ModalRun*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!run) return FALSE;
    const std::optional<LRESULT> result = run->procedure(dialog, message, wParam, lParam);
    if (!result) return FALSE;
    if (returnsDirectly(message)) return static_cast<INT_PTR>(*result);
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, *result);
    return TRUE;
}

}  // namespace

void setResourceData(const ResourceModule* data) { resourceData = data; }

namespace control_classes {

void add(const std::string& classId, const std::wstring& windowClass) { hostedClasses()[classId] = windowClass; }

std::optional<std::wstring> find(const std::string& classId) {
    const auto found = hostedClasses().find(classId);
    if (found == hostedClasses().end()) return std::nullopt;
    return found->second;
}

}  // namespace control_classes

namespace platform {

void setProgramInstance(HINSTANCE instance) {
    theProgramInstance = instance;
    // The standard controls of the common controls 6 that the manifest asks
    // for, and its tooltips (which come with the bar classes).
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
}

HINSTANCE programInstance() { return theProgramInstance; }

INT_PTR runDialog(UINT templateId, HWND owner, DialogProcedure procedure, LPARAM param) {
    const DialogTemplate* dialogTemplate = resourceData ? resourceData->dialog(static_cast<WORD>(templateId)) : nullptr;
    if (!dialogTemplate) return -1;
    const std::optional<std::vector<WORD>> words =
        buildDialogTemplate(*dialogTemplate, desktopDialogFont(), [](const std::string& classId) {
            return hostingEnabled ? control_classes::find(classId) : std::nullopt;
        });
    if (!words) return -1;
    const std::vector<BYTE>* dialogInit = resourceData->dialogInit(static_cast<WORD>(templateId));
    ModalRun run(procedure, param, *dialogTemplate, dialogInit ? std::span<const BYTE>(*dialogInit) : std::span<const BYTE>());
    return DialogBoxIndirectParamW(theProgramInstance, reinterpret_cast<const DLGTEMPLATE*>(words->data()), owner,
                                   &dialogProcedure, reinterpret_cast<LPARAM>(&run));
}

std::optional<std::string> loadProgramString(UINT id) {
    const std::string* text = resourceData ? resourceData->string(id) : nullptr;
    if (!text) return std::nullopt;
    return *text;
}

void setWindowTextUtf8(HWND window, const char* text) {
    SetWindowTextW(window, toUtf16(text ? text : "").c_str());
    if (fitted_text::isFitted(window)) fitted_text::fit(window);
    accessible::textChanged(window);
}

std::string windowTextUtf8(HWND window) { return toUtf8(control_kind::text(window)); }

BOOL appendMenuUtf8(HMENU menu, UINT flags, UINT_PTR id, const char* text) {
    if (!text || (flags & (MF_BITMAP | MF_OWNERDRAW))) return AppendMenuW(menu, flags, id, nullptr);
    return AppendMenuW(menu, flags, id, toUtf16(text).c_str());
}

LRESULT sendMessageUtf8(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETTEXT:
    case LB_INSERTSTRING: {
        const std::wstring text = toUtf16(lParam ? reinterpret_cast<const char*>(lParam) : "");
        return SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(text.c_str()));
    }
    default:
        return SendMessageW(window, message, wParam, lParam);
    }
}

// Windows' own spelling of a class id, which the hosted control classes are
// registered under.
std::string classIdText(REFCLSID id) {
    wchar_t text[39] = {};
    if (StringFromGUID2(id, text, static_cast<int>(std::size(text))) == 0) return {};
    return std::string(text, text + std::wcslen(text));  // hex digits, braces and dashes only
}

void enableControlHosting() { hostingEnabled = true; }

HWND createControlByClassId(const char* classId, const char* windowName, DWORD style, const RECT& rect, HWND parent, int id) {
    const std::optional<std::wstring> windowClass = hostingEnabled && classId ? control_classes::find(classId) : std::nullopt;
    if (!windowClass || !parent) return nullptr;
    return CreateWindowExW(0, windowClass->c_str(), toUtf16(windowName ? windowName : "").c_str(), style | WS_CHILD, rect.left,
                           rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), theProgramInstance, nullptr);
}

}  // namespace platform
