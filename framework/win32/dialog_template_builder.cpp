#include "framework/win32/dialog_template_builder.h"

#include "framework/win32/utf16.h"

namespace {

class TemplateWriter {
public:
    std::vector<WORD> words;

    void word(WORD value) { words.push_back(value); }
    void dword(DWORD value) {
        word(static_cast<WORD>(value & 0xFFFF));
        word(static_cast<WORD>(value >> 16));
    }
    void coordinate(short value) { word(static_cast<WORD>(value)); }
    void text(const std::wstring& value) {
        for (wchar_t c : value) word(static_cast<WORD>(c));
        word(0);
    }
    // Every control entry starts on a four-byte boundary.
    void alignToDword() {
        if (words.size() % 2 != 0) word(0);
    }
};

const wchar_t* standardClass(ControlKind kind) {
    switch (kind) {
    case ControlKind::Button: return L"BUTTON";
    case ControlKind::Edit: return L"EDIT";
    case ControlKind::Static: return L"STATIC";
    case ControlKind::ListBox: return L"LISTBOX";
    case ControlKind::Hosted:
    case ControlKind::Dialog: break;
    }
    return nullptr;
}

// Edits and lists with a plain border get the sunken edge that the dialog
// manager of the three-dimensional look gives them.
void sinkBorder(ControlKind kind, DWORD& style, DWORD& exStyle) {
    if ((kind == ControlKind::Edit || kind == ControlKind::ListBox) && (style & WS_BORDER)) {
        style &= ~static_cast<DWORD>(WS_BORDER);
        exStyle |= WS_EX_CLIENTEDGE;
    }
}

// A label of one line keeps its line whole (cut at its right edge, or set
// smaller to fit) rather than wrap the rest below its bottom edge.
void keepOneLineLabelWhole(const ControlTemplate& control, DWORD& style) {
    constexpr short kTwoLines = 16;  // dialog units: a line is 8
    if (control.kind == ControlKind::Static && (style & SS_TYPEMASK) == SS_LEFT && control.cy < kTwoLines) {
        style = (style & ~static_cast<DWORD>(SS_TYPEMASK)) | SS_LEFTNOWORDWRAP;
    }
}

}  // namespace

std::optional<std::vector<WORD>> buildDialogTemplate(const DialogTemplate& dialog, const DialogFont& font,
                                                     const HostedClassLookup& hostedClass) {
    TemplateWriter out;
    DWORD style = dialog.style | DS_SETFONT;
    // A template at (0, 0) opens centred on the screen.
    if (dialog.x == 0 && dialog.y == 0) style |= DS_CENTER;
    out.word(1);       // version
    out.word(0xFFFF);  // extended template
    out.dword(0);      // help id
    out.dword(dialog.exStyle);
    out.dword(style);
    out.word(static_cast<WORD>(dialog.controls.size()));
    out.coordinate(dialog.x);
    out.coordinate(dialog.y);
    out.coordinate(dialog.cx);
    out.coordinate(dialog.cy);
    out.word(0);  // no menu
    out.word(0);  // the standard dialog class
    out.text(toUtf16(dialog.caption));
    out.word(font.points);
    out.word(font.weight);
    out.word(DEFAULT_CHARSET << 8);  // not italic (low byte); the default character set
    out.text(font.face);

    for (const ControlTemplate& control : dialog.controls) {
        std::wstring className;
        if (control.kind == ControlKind::Hosted) {
            std::optional<std::wstring> hosted = hostedClass(control.classId);
            if (!hosted) return std::nullopt;
            className = *hosted;
        } else if (const wchar_t* standard = standardClass(control.kind)) {
            className = standard;
        } else {
            return std::nullopt;
        }
        DWORD controlStyle = control.style;
        DWORD exStyle = control.exStyle;
        sinkBorder(control.kind, controlStyle, exStyle);
        keepOneLineLabelWhole(control, controlStyle);
        out.alignToDword();
        out.dword(0);  // help id
        out.dword(exStyle);
        out.dword(controlStyle);
        out.coordinate(control.x);
        out.coordinate(control.y);
        out.coordinate(control.cx);
        out.coordinate(control.cy);
        out.dword(static_cast<DWORD>(control.id));
        out.text(className);
        out.text(toUtf16(control.text));
        out.word(0);  // no creation data
    }
    return out.words;
}
