#include "display/web/page_controls.h"

#include <cstdint>

#include "display/qt/shown_text.h"
#include "display/web/page.h"
#include "display/web/page_pictures.h"
#include "display/web/text_fitting.h"
#include "portable/text_fitting.h"
#include "windowing/hosted_control.h"
#include "windowing/resources.h"
#include "windowing/static_control.h"
#include "windowing/window_system.h"

namespace {

// Alignments of static text, beside SS_LEFT.
constexpr DWORD kStaticCentre = 0x1;
constexpr DWORD kStaticRight = 0x2;

std::uintptr_t number(HWND handle) { return reinterpret_cast<std::uintptr_t>(handle); }

PageControl kindOf(const Window& control, ControlRole role) {
    switch (role) {
    case ControlRole::PushButton: return kPagePushButton;
    case ControlRole::GroupBox: return kPageGroupBox;
    case ControlRole::Label: return kPageLabel;
    case ControlRole::Picture: return kPagePicture;
    case ControlRole::InputEdit: return kPageInputEdit;
    case ControlRole::CaptionEdit: return kPageCaptionEdit;
    case ControlRole::TextArea: return kPageTextArea;
    case ControlRole::ResultsField: return kPageResultsField;
    case ControlRole::ListBox: return kPageListBox;
    case ControlRole::Hosted:
        // A control of an outside class, shown as it describes itself.
        return static_cast<const HostedControl&>(control).description().shows == HostedDescription::Shows::Link ? kPageLink
                                                                                                               : kPageEmpty;
    }
    return kPageEmpty;
}

int flagsOf(const Window& control, ControlRole role) {
    int flags = 0;
    // Only tab stops take the focus, and only from the window system.
    const bool takesFocus = control.isTabStop() && role != ControlRole::GroupBox && role != ControlRole::Label &&
                            role != ControlRole::Picture;
    if (takesFocus) flags |= kPageTabStop;
    if (control.hasStyle(WS_BORDER)) flags |= kPageBorder;
    if (control.hasStyle(WS_VSCROLL)) flags |= kPageVerticalScroll;
    if (control.hasStyle(WS_HSCROLL)) flags |= kPageHorizontalScroll;
    if (role == ControlRole::Label) {
        const DWORD alignment = control.style() & SS_TYPEMASK;
        if (alignment == kStaticCentre) flags |= kPageCentred;
        if (alignment == kStaticRight) flags |= kPageRightAligned;
        // Static text wraps at word breaks, but a one-line label keeps its
        // line whole rather than lose the rest below its bottom edge.
        if (control.rect().bottom - control.rect().top >= 2 * WindowSystem::instance().dialogBaseUnits().cy) flags |= kPageWraps;
        if (static_cast<const StaticControl&>(control).showsPrefix()) flags |= kPageShowsPrefix;
    }
    if (role == ControlRole::PushButton || role == ControlRole::GroupBox) flags |= kPageShowsPrefix;
    if (role == ControlRole::TextArea || role == ControlRole::ResultsField) {
        if (!control.hasStyle(ES_AUTOHSCROLL)) flags |= kPageWraps;
        if (control.hasStyle(ES_WANTRETURN)) flags |= kPageWantsReturn;
    }
    return flags;
}

}  // namespace

void PageControls::add(HWND dialog, const Window& control, ControlRole role) {
    const RECT& r = control.rect();
    const PageControl kind = kindOf(control, role);
    resonix_page_add_control(number(dialog), number(control.handle()), control.id(), kind, r.left, r.top, r.right - r.left, r.bottom - r.top,
                             flagsOf(control, role));
    if (role == ControlRole::Picture) {
        const HINSTANCE module = programModule();
        if (const BitmapResource* bitmap = module ? module->bitmap(static_cast<const StaticControl&>(control).imageId()) : nullptr) {
            PagePictures::showPicture(control.handle(), *bitmap);
        }
    }
    if (role == ControlRole::Hosted) {
        const HostedDescription& described = static_cast<const HostedControl&>(control).description();
        const HostedDescription::Font& font = described.font;
        resonix_page_set_font(number(control.handle()), font.points, font.weight, font.italic, font.underline, font.strikeOut);
        if (described.activation == HostedDescription::Activation::OpensTarget) {
            resonix_page_set_target(number(control.handle()), described.target.c_str());
        }
    }
    showText(control, role);
}

void PageControls::showText(const Window& control, ControlRole role) {
    const std::uintptr_t handle = number(control.handle());
    switch (role) {
    case ControlRole::Label:
        resonix_page_set_text(handle, control.text().c_str());
        // A one-line label keeps its line whole, set smaller if it must.
        if (!(flagsOf(control, role) & kPageWraps)) {
            fitOneLine(control.handle(), spokenText(control.text(), static_cast<const StaticControl&>(control).showsPrefix()),
                       kSmallestOneLineShare);
        }
        return;
    case ControlRole::CaptionEdit:
        resonix_page_set_text(handle, control.text().c_str());
        fitOneLine(control.handle(), control.text(), kSmallestOneLineShare);
        return;
    case ControlRole::ResultsField:
    case ControlRole::TextArea:
        resonix_page_set_text(handle, control.text().c_str());
        scrollPastCommonBlanks(control.handle(), control.text());
        return;
    case ControlRole::Hosted: {
        const HostedDescription& described = static_cast<const HostedControl&>(control).description();
        resonix_page_set_text(handle, described.text.c_str());
        // The caption is the link's whole message: it may be set smaller than
        // a caption would be before it is cut.
        fitOneLine(control.handle(), described.text, kSmallestLinkShare);
        return;
    }
    case ControlRole::PushButton:
    case ControlRole::GroupBox:
    case ControlRole::InputEdit:
        resonix_page_set_text(handle, control.text().c_str());
        return;
    case ControlRole::Picture:
    case ControlRole::ListBox:
        return;
    }
}
