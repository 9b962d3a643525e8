#pragma once

#include <cstdint>

#include "portable/win_types.h"

// The page: what the browser display asks of the HTML page that shows the
// windows (page_*.js), and what the page reports back. Windows and
// controls are named by their handles, as numbers. Texts are UTF-8.

// What each control shows as, on the page: one HTML control each. The page
// numbers them the same.
enum class PageControl : int {
    PushButton,    // <button>
    GroupBox,      // <fieldset> with its <legend>
    Label,         // text
    Picture,       // a picture (role img)
    InputEdit,     // <input>
    CaptionEdit,   // <input readonly>, borderless: a caption
    TextArea,      // <textarea>
    ResultsField,  // <textarea readonly>, fixed pitch: text to read and copy
    ListBox,       // <select size>
    Link,          // <a>, opened by the window system
    Empty,         // an area showing nothing
};

// Styles of a control on the page, as bits; and of a window's frame.
namespace page_style {
inline constexpr int kTabStop = 1 << 0;
inline constexpr int kBorder = 1 << 1;
inline constexpr int kVerticalScroll = 1 << 2;
inline constexpr int kHorizontalScroll = 1 << 3;
inline constexpr int kCentred = 1 << 4;
inline constexpr int kRightAligned = 1 << 5;
inline constexpr int kWraps = 1 << 6;
inline constexpr int kWantsReturn = 1 << 7;
inline constexpr int kShowsPrefix = 1 << 8;  // "&x" in its text marks x as a mnemonic
// A window with a system menu, which a close box comes with.
inline constexpr int kSystemMenu = 1 << 0;
}  // namespace page_style

// What the user did, as the page reports it.
enum class PageInputKind : int {
    None,
    Typed,          // an edit now holds `text`
    Selected,       // item `value` of a list was clicked; -1 for its empty part
    Clicked,        // a button or a link was clicked
    Focused,        // a control was clicked into
    Key,            // key `value` (a Key) was pressed in a window
    Closed,         // a window's close box
    SystemCommand,  // entry `value` of a window's system menu
    Painted,        // a window is on screen: the program paints it
    Restored,       // a minimised window's icon was opened
};

// A window's or a control's handle as the page knows it.
inline std::uintptr_t pageHandle(HWND handle) { return reinterpret_cast<std::uintptr_t>(handle); }

extern "C" {

// --- Measuring --------------------------------------------------------------
// The average width of the letters and the height of the dialog font, in pixels.
int pageDialogFontWidth();
int pageDialogFontHeight();
// The size of the page's viewport, in pixels.
int pageWidth();
int pageHeight();
// The width of `text` in the font of `control` set at `pixels`, and the room
// a text has in the control.
double pageTextWidth(std::uintptr_t control, const char* text, double pixels);
double pageFontPixels(std::uintptr_t control);
double pageTextRoom(std::uintptr_t control);

// --- Windows ------------------------------------------------------------------
void pageOpenWindow(std::uintptr_t window, std::uintptr_t owner, int x, int y, int width, int height, int flags);
void pageCloseWindow(std::uintptr_t window);
// `id` is the control's template id, by which tests find it, as they find a
// control of the platform's own dialogs.
void pageAddControl(std::uintptr_t window, std::uintptr_t control, int id, int kind, int x, int y, int width, int height,
                    int flags);
// A window's caption, or a control's text.
void pageSetText(std::uintptr_t handle, const char* text);
void pageSetVisible(std::uintptr_t handle, int visible);
// A disabled window takes no input (a modal window runs over it).
void pageSetEnabled(std::uintptr_t handle, int enabled);
// The window that has the keyboard: shown active, above the others.
void pageActivate(std::uintptr_t window);
// A minimised window shows as its icon.
void pageSetMinimized(std::uintptr_t window, int minimized);
// Pictures as 32-bit pixels, 0xAARRGGBB, row by row.
void pageSetIcon(std::uintptr_t window, const std::uint32_t* pixels, int width, int height);
void pageSetPicture(std::uintptr_t control, const std::uint32_t* pixels, int width, int height);
// What a minimised window painted, shown as its icon on the page.
void pageSetPainted(std::uintptr_t window, const std::uint32_t* pixels, int width, int height);

// --- Controls -----------------------------------------------------------------
void pageAddItem(std::uintptr_t list, const char* text);
void pageClearItems(std::uintptr_t list);
void pageSetSelection(std::uintptr_t list, int index);
void pageSetDefault(std::uintptr_t button, int isDefault);
void pageSetFocus(std::uintptr_t handle);
void pageSetName(std::uintptr_t handle, const char* name, const char* description);
void pageSetFontPixels(std::uintptr_t control, double pixels);
void pageSetScroll(std::uintptr_t control, double pixels);
// A link's target, shown where the page shows a link's address.
void pageSetTarget(std::uintptr_t link, const char* address);
// A control's own font, as a logical font gives it; its face is the page's.
void pageSetFont(std::uintptr_t control, double points, int weight, int italic, int underline, int strikeOut);

// --- The system menu ------------------------------------------------------------
void pageClearMenu(std::uintptr_t window);
// An entry; `text` empty for a separator. "&x" marks the mnemonic, and a tab
// comes before the entry's key.
void pageAddMenuItem(std::uintptr_t window, unsigned command, const char* text, int enabled);

// --- The rest ---------------------------------------------------------------------
// Says `text` to a screen reader, wherever the focus is.
void pageAnnounce(const char* text);
// Opens a web address in a new tab.
void pageOpenAddress(const char* address);
// Starts moving a window with the keyboard.
void pageBeginMove(std::uintptr_t window);
// The program has ended.
void pageProgramEnded(int code);

// --- Input ------------------------------------------------------------------------
// Waits, using no CPU, until the page has input to report (Asyncify: the
// program's stack is put away meanwhile).
void pageWaitForInput();
// Takes the oldest input: its kind, the window or control, and its value; its
// text is then read with pageInputText, into a buffer of
// pageInputTextSize() bytes with the terminator.
int pageNextInput(std::uintptr_t* handle, int* value);
int pageInputTextSize();
void pageInputText(char* buffer, int size);

}
