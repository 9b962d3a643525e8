// The program's resources, as the resource compiler would lay them out.

#include "res/resources.h"

#include "res/resource.h"
#include "weblink/web_link.h"

namespace {

constexpr DWORD kListStyle = LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP;
static_assert((WS_CHILD | WS_VISIBLE | kListStyle) == 0x50A10103);
constexpr DWORD kCaptionEdit = ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kInputEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kResultsEdit =
    ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_BORDER | WS_TABSTOP;
constexpr DWORD kLabel = SS_LEFT | WS_GROUP;
constexpr DWORD kGroupBox = BS_GROUPBOX;

DialogTemplate motionDialog() {
    constexpr DWORD style =
        WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | DS_MODALFRAME | DS_SETFONT;
    static_assert(style == 0x90CB00C0);
    constexpr DWORD buttonEdges = WS_EX_STATICEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME;
    static_assert(buttonEdges == 0x00020201);
    DialogTemplate dialog;
    dialog.caption = kMainCaption;
    dialog.cx = 242;
    dialog.cy = 127;
    dialog.style = style;
    dialog.exStyle = WS_EX_APPWINDOW;
    dialog.controls = {
        makeControl(ControlKind::Button, IDOK, "Visit Web Site", 163, 59, 64, 17, BS_DEFPUSHBUTTON | WS_TABSTOP, buttonEdges),
        makeControl(ControlKind::Button, IDCANCEL, "Exit", 163, 79, 64, 17, BS_PUSHBUTTON | WS_TABSTOP, buttonEdges),
        makeControl(ControlKind::ListBox, IDC_MOTION_LIST, "", 55, 57, 68, 40, kListStyle),
        makeControl(ControlKind::Static, IDC_STATIC, "resonix team <resonix@example.org>", 21, 14, 142, 8, kLabel),
        makeControl(ControlKind::Button, IDC_STATIC, "Select Motion", 28, 35, 121, 76, kGroupBox),
    };
    return dialog;
}

DialogTemplate aboutBox() {
    // Not visible: the modal run shows it.
    constexpr DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    static_assert(style == 0x80C800C0);
    DialogTemplate dialog;
    dialog.caption = "About resonix";
    dialog.cx = 235;
    dialog.cy = 92;
    dialog.style = style;
    ControlTemplate picture = makeControl(ControlKind::Static, IDC_STATIC, "", 15, 13, 18, 14, SS_BITMAP);
    picture.imageId = IDB_ABOUT;
    ControlTemplate webLink = makeControl(ControlKind::Hosted, IDC_WEBLINK, "", 17, 55, 171, 13, WS_TABSTOP);
    webLink.classId = kWebLinkClassId;
    dialog.controls = {
        picture,
        makeControl(ControlKind::Static, IDC_STATIC, "resonix Version " RESONIX_VERSION, 37, 19, 119, 8, kLabel | SS_NOPREFIX),
        makeControl(ControlKind::Static, IDC_STATIC, "resonix developers <resonix@example.org>", 16, 40, 175, 8, kLabel),
        makeControl(ControlKind::Button, IDOK, "Return", 178, 7, 50, 14, BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP),
        webLink,
    };
    return dialog;
}

DialogTemplate translationDialog() {
    DialogTemplate dialog;
    dialog.caption = "Translation";
    dialog.cx = 379;
    dialog.cy = 290;
    dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    dialog.controls = {
        makeControl(ControlKind::Button, IDOK, "Calculate", 135, 256, 110, 20, BS_DEFPUSHBUTTON | WS_TABSTOP),
        makeControl(ControlKind::Button, IDCANCEL, "Return", 263, 256, 102, 20, BS_PUSHBUTTON | WS_TABSTOP),
        makeControl(ControlKind::ListBox, IDC_TRA_ANALYSIS, "", 29, 79, 74, 40, kListStyle),
        makeControl(ControlKind::Button, IDC_TRA_ANALYSIS_GROUP, "Select Analysis", 19, 35, 94, 92, kGroupBox),
        makeControl(ControlKind::Static, IDC_STATIC, "Calculate", 50, 67, 31, 8, kLabel),
        makeControl(ControlKind::Static, IDC_STATIC, "resonix team", 20, 7, 47, 8, kLabel),
        makeControl(ControlKind::Button, IDC_TRA_INPUT_GROUP, "Input Data", 127, 34, 245, 95, kGroupBox),
        makeControl(ControlKind::Edit, IDC_TRA_INPUT1_LABEL, "", 162, 60, 68, 14, kCaptionEdit),
        makeControl(ControlKind::Edit, IDC_TRA_INPUT2_LABEL, "", 283, 61, 66, 14, kCaptionEdit),
        makeControl(ControlKind::Edit, IDC_TRA_INPUT1, "", 134, 82, 49, 14, kInputEdit),
        makeControl(ControlKind::Edit, IDC_TRA_INPUT2, "", 259, 81, 49, 14, kInputEdit),
        makeControl(ControlKind::ListBox, IDC_TRA_UNITS1, "", 188, 81, 53, 40, kListStyle),
        makeControl(ControlKind::ListBox, IDC_TRA_UNITS2, "", 312, 80, 53, 40, kListStyle),
        makeControl(ControlKind::Button, IDC_TRA_RESULTS_GROUP, "Results (Equivalent Values)", 128, 135, 244, 115, kGroupBox),
        makeControl(ControlKind::Edit, IDC_TRA_RESULTS, "", 143, 174, 78, 63, kResultsEdit),
        makeControl(ControlKind::Edit, IDC_TRA_RESULTS_TITLE, "", 142, 153, 80, 14, kCaptionEdit),
        makeControl(ControlKind::Edit, IDC_TRA_DEFLECTION, "", 258, 171, 89, 66, kResultsEdit),
        makeControl(ControlKind::Static, IDC_TRA_DEFLECTION_LABEL, "Static Deflection at 1 G", 263, 156, 75, 8, kLabel),
    };
    return dialog;
}

DialogTemplate rotationDialog() {
    DialogTemplate dialog;
    dialog.caption = "Rotation";
    dialog.cx = 437;
    dialog.cy = 278;
    dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    dialog.controls = {
        makeControl(ControlKind::Button, IDOK, "Calculate", 167, 245, 114, 18, BS_DEFPUSHBUTTON | WS_TABSTOP),
        makeControl(ControlKind::Button, IDCANCEL, "Return", 294, 246, 78, 17, BS_PUSHBUTTON | WS_TABSTOP),
        makeControl(ControlKind::ListBox, IDC_ROT_ANALYSIS, "", 24, 43, 93, 40, kListStyle),
        makeControl(ControlKind::Button, IDC_ROT_ANALYSIS_GROUP, "Select Analysis", 14, 14, 112, 77, kGroupBox),
        makeControl(ControlKind::Static, IDC_ROT_CALC_LABEL, "Calculate", 45, 31, 31, 8, kLabel),
        makeControl(ControlKind::Button, IDC_ROT_INPUT_GROUP, "Input Data", 14, 103, 267, 133, kGroupBox),
        makeControl(ControlKind::Edit, IDC_ROT_INPUT1_LABEL, "", 32, 122, 89, 14, kCaptionEdit),
        makeControl(ControlKind::Edit, IDC_ROT_INPUT2_LABEL, "", 175, 122, 88, 14, kCaptionEdit),
        makeControl(ControlKind::Edit, IDC_ROT_INPUT1, "", 20, 144, 51, 14, kInputEdit),
        makeControl(ControlKind::Edit, IDC_ROT_INPUT2, "", 156, 142, 49, 14, kInputEdit),
        makeControl(ControlKind::ListBox, IDC_ROT_UNITS1, "", 76, 142, 67, 60, kListStyle),
        makeControl(ControlKind::ListBox, IDC_ROT_UNITS2, "", 208, 141, 66, 60, kListStyle),
        makeControl(ControlKind::Static, IDC_STATIC, "resonix team", 149, 18, 47, 8, kLabel),
        makeControl(ControlKind::Button, IDC_ROT_RESULTS_GROUP, "Results (Equivalent Values)", 291, 103, 139, 133, kGroupBox),
        makeControl(ControlKind::Edit, IDC_ROT_RESULTS, "", 303, 142, 117, 86, kResultsEdit),
        makeControl(ControlKind::Edit, IDC_ROT_RESULTS_TITLE, "", 302, 122, 91, 14, kCaptionEdit),
    };
    return dialog;
}

ResourceModule buildModule() {
    ResourceModule module;
    module.addDialog(IDD_ABOUTBOX, aboutBox());
    module.addDialog(IDD_MOTION_DIALOG, motionDialog());
    module.addDialog(IDD_ROTATION, rotationDialog());
    module.addDialog(IDD_TRANSLATION, translationDialog());
    module.addString(IDS_ABOUTBOX, "&About resonix...");
    module.addIcon(IDR_MAINFRAME, programIcon());
    module.addBitmap(IDB_ABOUT, aboutBitmap());
    module.addDialogInit(IDD_ABOUTBOX, aboutBoxDialogInit());
    return module;
}

}  // namespace

const ResourceModule* resonixResources() {
    static const ResourceModule module = buildModule();
    return &module;
}
