#pragma once

#include <cstdint>

// The page: what the browser display asks of the HTML page that shows the
// windows (page_library.js), and what the page reports back. Windows and
// controls are named by their handles, as numbers. Texts are UTF-8.

extern "C" {

// What each control shows as, on the page: one HTML control each.
enum PageControl : int {
    kPagePushButton = 0,   // <button>
    kPageGroupBox = 1,     // <fieldset> with its <legend>
    kPageLabel = 2,        // text
    kPagePicture = 3,      // a picture (role img)
    kPageInputEdit = 4,    // <input>
    kPageCaptionEdit = 5,  // <input readonly>, borderless: a caption
    kPageTextArea = 6,     // <textarea>
    kPageResultsField = 7, // <textarea readonly>, fixed pitch: text to read and copy
    kPageListBox = 8,      // <select size>
    kPageLink = 9,         // <a>, opened by the window system
    kPageEmpty = 10,       // an area showing nothing
};

// Styles of a control on the page.
enum PageControlFlag : int {
    kPageTabStop = 1 << 0,
    kPageBorder = 1 << 1,
    kPageVerticalScroll = 1 << 2,
    kPageHorizontalScroll = 1 << 3,
    kPageCentred = 1 << 4,
    kPageRightAligned = 1 << 5,
    kPageWraps = 1 << 6,
    kPageWantsReturn = 1 << 7,
    kPageShowsPrefix = 1 << 8,  // "&x" in its text marks x as a mnemonic
};

// Frame styles of a window.
enum PageWindowFlag : int {
    kPageSystemMenu = 1 << 0,
    kPageMinimizeBox = 1 << 1,
    kPageMaximizeBox = 1 << 2,
};

// What the user did, as the page reports it.
enum PageInputKind : int {
    kPageNoInput = 0,
    kPageTyped = 1,           // an edit now holds `text`
    kPageSelected = 2,        // item `value` of a list was clicked; -1 for its empty part
    kPageClicked = 3,         // a button or a link was clicked
    kPageFocused = 4,         // a control was clicked into
    kPageKey = 5,             // key `value` (a Key) was pressed in a window
    kPageClosed = 6,          // a window's close box
    kPageSystemCommand = 7,   // entry `value` of a window's system menu
    kPagePainted = 8,         // a window is on screen: the program paints it
    kPageRestored = 9,        // a minimised window's icon was opened
};

// --- Measuring --------------------------------------------------------------
// The average width of the letters and the height of the dialog font, in pixels.
int resonix_page_dialog_font_width();
int resonix_page_dialog_font_height();
// The size of the page's viewport, in pixels.
int resonix_page_width();
int resonix_page_height();
// The width of `text` in the font of `control` set at `pixels`, and the room
// a text has in the control.
double resonix_page_text_width(std::uintptr_t control, const char* text, double pixels);
double resonix_page_font_pixels(std::uintptr_t control);
double resonix_page_text_room(std::uintptr_t control);

// --- Windows ------------------------------------------------------------------
void resonix_page_open_window(std::uintptr_t window, std::uintptr_t owner, int x, int y, int width, int height, int flags);
void resonix_page_close_window(std::uintptr_t window);
// `id` is the control's template id, by which tests find it, as they find a
// control of the platform's own dialogs.
void resonix_page_add_control(std::uintptr_t window, std::uintptr_t control, int id, int kind, int x, int y, int width, int height,
                              int flags);
// A window's caption, or a control's text.
void resonix_page_set_text(std::uintptr_t handle, const char* text);
void resonix_page_set_visible(std::uintptr_t handle, int visible);
// A disabled window takes no input (a modal window runs over it).
void resonix_page_set_enabled(std::uintptr_t handle, int enabled);
// The window that has the keyboard: shown active, above the others.
void resonix_page_activate(std::uintptr_t window);
// A minimised window shows as its icon.
void resonix_page_set_minimized(std::uintptr_t window, int minimized);
// Pictures as 32-bit pixels, 0xAARRGGBB, row by row.
void resonix_page_set_icon(std::uintptr_t window, const std::uint32_t* pixels, int width, int height);
void resonix_page_set_picture(std::uintptr_t control, const std::uint32_t* pixels, int width, int height);
// What a minimised window painted, shown as its icon on the page.
void resonix_page_set_painted(std::uintptr_t window, const std::uint32_t* pixels, int width, int height);

// --- Controls -----------------------------------------------------------------
void resonix_page_add_item(std::uintptr_t list, const char* text);
void resonix_page_clear_items(std::uintptr_t list);
void resonix_page_set_selection(std::uintptr_t list, int index);
void resonix_page_set_default(std::uintptr_t button, int isDefault);
void resonix_page_set_focus(std::uintptr_t handle);
void resonix_page_set_name(std::uintptr_t handle, const char* name, const char* description);
void resonix_page_set_font_pixels(std::uintptr_t control, double pixels);
void resonix_page_set_scroll(std::uintptr_t control, double pixels);
// A link's target, shown where the page shows a link's address.
void resonix_page_set_target(std::uintptr_t link, const char* address);
// A control's own font, as a logical font gives it; its face is the page's.
void resonix_page_set_font(std::uintptr_t control, double points, int weight, int italic, int underline, int strikeOut);

// --- The system menu ------------------------------------------------------------
void resonix_page_clear_menu(std::uintptr_t window);
// An entry; `text` empty for a separator. "&x" marks the mnemonic, and a tab
// comes before the entry's key.
void resonix_page_add_menu_item(std::uintptr_t window, unsigned command, const char* text, int enabled);

// --- The rest ---------------------------------------------------------------------
// Says `text` to a screen reader, wherever the focus is.
void resonix_page_announce(const char* text);
// Opens a web address in a new tab.
void resonix_page_open_address(const char* address);
// Starts moving a window with the keyboard.
void resonix_page_begin_move(std::uintptr_t window);
// The program has ended.
void resonix_page_program_ended(int code);

// --- Input ------------------------------------------------------------------------
// Waits, using no CPU, until the page has input to report (Asyncify: the
// program's stack is put away meanwhile).
void resonix_page_wait_for_input();
// Takes the oldest input: its kind, the window or control, and its value; its
// text is then read with resonix_page_input_text, into a buffer of
// resonix_page_input_text_size() bytes with the terminator.
int resonix_page_next_input(std::uintptr_t* handle, int* value);
int resonix_page_input_text_size();
void resonix_page_input_text(char* buffer, int size);

}
