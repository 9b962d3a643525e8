#pragma once

// The window system's basic types and message constants. They keep the names
// and values of the classic Win32 API so that the application reads the way a
// dialog program of that platform reads.

#if defined(_WIN32)
// On Windows the platform's own header gives these names, with the same
// values; portable/win32_types.h adds the program's few extras.
#include "portable/win32_types.h"
#else

#include <cstdint>

using BOOL = int;
using UINT = unsigned int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using LPCSTR = const char*;
using LPSTR = char*;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

// Opaque handles. A window handle is a number that names a window while it
// exists; a stale handle names nothing and every call on it is harmless.
struct HWND__;
using HWND = HWND__*;
class Menu;
using HMENU = Menu*;
struct IconResource;
using HICON = const IconResource*;
using HCURSOR = HICON;
class DeviceContext;
using HDC = DeviceContext*;
class ResourceModule;
using HINSTANCE = const ResourceModule*;

struct POINT {
    LONG x = 0;
    LONG y = 0;
    bool operator==(const POINT&) const = default;
};

struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
    bool operator==(const RECT&) const = default;
};

constexpr WORD LOWORD(std::uintptr_t v) { return static_cast<WORD>(v & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
constexpr WPARAM MAKEWPARAM(WORD low, WORD high) { return static_cast<WPARAM>(low) | (static_cast<WPARAM>(high) << 16); }

// Resource names are either strings or small integers carried in the pointer.
inline LPCSTR MAKEINTRESOURCEA(WORD id) { return reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(id)); }
inline bool IS_INTRESOURCE(LPCSTR name) { return (reinterpret_cast<std::uintptr_t>(name) >> 16) == 0; }
#define MAKEINTRESOURCE MAKEINTRESOURCEA

// Window messages.
inline constexpr UINT WM_SETTEXT = 0x000C;
inline constexpr UINT WM_GETTEXT = 0x000D;
inline constexpr UINT WM_GETTEXTLENGTH = 0x000E;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_QUERYDRAGICON = 0x0037;
inline constexpr UINT WM_ICONERASEBKGND = 0x0027;
inline constexpr UINT WM_SETICON = 0x0080;
inline constexpr UINT WM_GETDLGCODE = 0x0087;
inline constexpr UINT WM_KEYDOWN = 0x0100;
inline constexpr UINT WM_LBUTTONUP = 0x0202;
// A hosted control loads its initial state from the dialog's initialisation data.
inline constexpr UINT WM_OCC_LOADFROMSTREAM = 0x0376;

// Keys sent with WM_KEYDOWN.
inline constexpr WPARAM VK_RETURN = 0x0D;
inline constexpr WPARAM VK_SPACE = 0x20;

// What a control answers to WM_GETDLGCODE: the keys it handles itself
// instead of the dialog.
inline constexpr LRESULT DLGC_WANTMESSAGE = 0x0004;
inline constexpr UINT WM_INITDIALOG = 0x0110;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_SYSCOMMAND = 0x0112;

// Icons given with WM_SETICON.
inline constexpr WPARAM ICON_SMALL = 0;
inline constexpr WPARAM ICON_BIG = 1;

// Command ids of the standard buttons and the framework's help command.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDC_STATIC = -1;
inline constexpr UINT ID_HELP = 0xE146;

// System commands.
inline constexpr UINT SC_SIZE = 0xF000;
inline constexpr UINT SC_MOVE = 0xF010;
inline constexpr UINT SC_MINIMIZE = 0xF020;
inline constexpr UINT SC_MAXIMIZE = 0xF030;
inline constexpr UINT SC_CLOSE = 0xF060;
inline constexpr UINT SC_RESTORE = 0xF120;

// ShowWindow commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_SHOWDEFAULT = 10;

// Window styles.
inline constexpr DWORD WS_POPUP = 0x80000000;
inline constexpr DWORD WS_CHILD = 0x40000000;
inline constexpr DWORD WS_VISIBLE = 0x10000000;
inline constexpr DWORD WS_DISABLED = 0x08000000;
inline constexpr DWORD WS_CAPTION = 0x00C00000;
inline constexpr DWORD WS_BORDER = 0x00800000;
inline constexpr DWORD WS_VSCROLL = 0x00200000;
inline constexpr DWORD WS_HSCROLL = 0x00100000;
inline constexpr DWORD WS_SYSMENU = 0x00080000;
inline constexpr DWORD WS_GROUP = 0x00020000;
inline constexpr DWORD WS_TABSTOP = 0x00010000;
inline constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
inline constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;
inline constexpr DWORD WS_EX_DLGMODALFRAME = 0x00000001;
inline constexpr DWORD WS_EX_CLIENTEDGE = 0x00000200;
inline constexpr DWORD WS_EX_STATICEDGE = 0x00020000;
inline constexpr DWORD WS_EX_APPWINDOW = 0x00040000;

// Dialog styles.
inline constexpr DWORD DS_SETFONT = 0x40;
inline constexpr DWORD DS_MODALFRAME = 0x80;

// Button styles and notifications.
inline constexpr DWORD BS_PUSHBUTTON = 0x0;
inline constexpr DWORD BS_DEFPUSHBUTTON = 0x1;
inline constexpr DWORD BS_GROUPBOX = 0x7;
inline constexpr DWORD BS_TYPEMASK = 0xF;
inline constexpr WORD BN_CLICKED = 0;

// Edit styles and notifications.
inline constexpr DWORD ES_MULTILINE = 0x4;
inline constexpr DWORD ES_AUTOVSCROLL = 0x40;
inline constexpr DWORD ES_AUTOHSCROLL = 0x80;
inline constexpr DWORD ES_READONLY = 0x800;
inline constexpr DWORD ES_WANTRETURN = 0x1000;
inline constexpr WORD EN_CHANGE = 0x0300;

// Static styles.
inline constexpr DWORD SS_LEFT = 0x0;
inline constexpr DWORD SS_BITMAP = 0xE;
inline constexpr DWORD SS_TYPEMASK = 0x1F;
inline constexpr DWORD SS_NOPREFIX = 0x80;

// List box styles, messages and notifications.
inline constexpr DWORD LBS_NOTIFY = 0x1;
inline constexpr DWORD LBS_SORT = 0x2;
inline constexpr DWORD LBS_NOINTEGRALHEIGHT = 0x100;
inline constexpr UINT LB_INSERTSTRING = 0x0181;
inline constexpr UINT LB_RESETCONTENT = 0x0184;
inline constexpr UINT LB_SETCURSEL = 0x0186;
inline constexpr UINT LB_GETCURSEL = 0x0188;
inline constexpr LRESULT LB_ERR = -1;
inline constexpr WORD LBN_SELCHANGE = 1;

// Menu flags.
inline constexpr UINT MF_STRING = 0x0;
inline constexpr UINT MF_SEPARATOR = 0x800;

// System metrics.
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;

// Resource types.
inline LPCSTR RT_GROUP_ICON_TYPE() { return MAKEINTRESOURCEA(14); }
#define RT_GROUP_ICON RT_GROUP_ICON_TYPE()

#endif  // _WIN32
