#include "display/web/page_controls.h"

#include <cstdint>

#include "portable/shown_text.h"
#include "display/web/page.h"
#include "display/web/page_pictures.h"
#include "display/web/page_text_fitting.h"
#include "portable/text_fitting.h"
#include "windowing/hosted_control.h"
#include "windowing/resources.h"
#include "windowing/static_control.h"
#include "windowing/window_system.h"

namespace {

// Alignments of static text, beside SS_LEFT.
constexpr DWORD kStaticCentre = 0x1;
constexpr DWORD kStaticRight = 0x2;

PageControl kindOf(const Window& control, ControlRole role) {
    switch (role) {
    case ControlRole::PushButton: return PageControl::PushButton;
    case ControlRole::GroupBox: return PageControl::GroupBox;
    case ControlRole::Label: return PageControl::Label;
    case ControlRole::Picture: return PageControl::Picture;
    case ControlRole::InputEdit: return PageControl::InputEdit;
    case ControlRole::CaptionEdit: return PageControl::CaptionEdit;
    case ControlRole::TextArea: return PageControl::TextArea;
    case ControlRole::ResultsField: return PageControl::ResultsField;
    case ControlRole::ListBox: return PageControl::ListBox;
    case ControlRole::Hosted:
        // A control of an outside class, shown as it describes itself.
        return static_cast<const HostedControl&>(control).description().shows == HostedDescription::Shows::Link ? PageControl::Link
                                                                                                               : PageControl::Empty;
    }
    return PageControl::Empty;
}

int flagsOf(const Window& control, ControlRole role) {
    int flags = 0;
    // Only tab stops take the focus, and only from the window system.
    const bool takesFocus = control.isTabStop() && role != ControlRole::GroupBox && role != ControlRole::Label &&
                            role != ControlRole::Picture;
    if (takesFocus) flags |= page_style::kTabStop;
    if (control.hasStyle(WS_BORDER)) flags |= page_style::kBorder;
    if (control.hasStyle(WS_VSCROLL)) flags |= page_style::kVerticalScroll;
    if (control.hasStyle(WS_HSCROLL)) flags |= page_style::kHorizontalScroll;
    if (role == ControlRole::Label) {
        const DWORD alignment = control.style() & SS_TYPEMASK;
        if (alignment == kStaticCentre) flags |= page_style::kCentred;
        if (alignment == kStaticRight) flags |= page_style::kRightAligned;
        // Static text wraps at word breaks, but a one-line label keeps its
        // line whole rather than lose the rest below its bottom edge.
        if (control.rect().bottom - control.rect().top >= 2 * WindowSystem::instance().dialogBaseUnits().cy) flags |= page_style::kWraps;
        if (static_cast<const StaticControl&>(control).showsPrefix()) flags |= page_style::kShowsPrefix;
    }
    if (role == ControlRole::PushButton || role == ControlRole::GroupBox) flags |= page_style::kShowsPrefix;
    if (role == ControlRole::TextArea || role == ControlRole::ResultsField) {
        if (!control.hasStyle(ES_AUTOHSCROLL)) flags |= page_style::kWraps;
        if (control.hasStyle(ES_WANTRETURN)) flags |= page_style::kWantsReturn;
    }
    return flags;
}

}  // namespace

void PageControls::add(HWND dialog, const Window& control, ControlRole role) {
    const RECT& r = control.rect();
    pageAddControl(pageHandle(dialog), pageHandle(control.handle()), control.id(), static_cast<int>(kindOf(control, role)), r.left,
                   r.top, r.right - r.left, r.bottom - r.top, flagsOf(control, role));
    if (role == ControlRole::Picture) {
        const HINSTANCE module = programModule();
        if (const BitmapResource* bitmap = module ? module->bitmap(static_cast<const StaticControl&>(control).imageId()) : nullptr) {
            PagePictures::showPicture(control.handle(), *bitmap);
        }
    }
    if (role == ControlRole::Hosted) {
        const HostedDescription& described = static_cast<const HostedControl&>(control).description();
        const HostedDescription::Font& font = described.font;
        pageSetFont(pageHandle(control.handle()), font.points, font.weight, font.italic, font.underline, font.strikeOut);
        if (described.activation == HostedDescription::Activation::OpensTarget) {
            pageSetTarget(pageHandle(control.handle()), described.target.c_str());
        }
    }
    showText(control, role);
}

void PageControls::showText(const Window& control, ControlRole role) {
    const std::uintptr_t handle = pageHandle(control.handle());
    switch (role) {
    case ControlRole::Label:
        pageSetText(handle, control.text().c_str());
        // A one-line label keeps its line whole, set smaller if it must.
        if (!(flagsOf(control, role) & page_style::kWraps)) {
            fitOneLine(control.handle(), spokenText(control.text(), static_cast<const StaticControl&>(control).showsPrefix()),
                       kSmallestOneLineShare);
        }
        return;
    case ControlRole::CaptionEdit:
        pageSetText(handle, control.text().c_str());
        fitOneLine(control.handle(), control.text(), kSmallestOneLineShare);
        return;
    case ControlRole::ResultsField:
    case ControlRole::TextArea:
        pageSetText(handle, control.text().c_str());
        fitLines(control.handle(), control.text());
        return;
    case ControlRole::Hosted: {
        const HostedDescription& described = static_cast<const HostedControl&>(control).description();
        pageSetText(handle, described.text.c_str());
        // The caption is the link's whole message: it may be set smaller than
        // a caption would be before it is cut.
        fitOneLine(control.handle(), described.text, kSmallestLinkShare);
        return;
    }
    case ControlRole::PushButton:
    case ControlRole::GroupBox:
    case ControlRole::InputEdit:
        pageSetText(handle, control.text().c_str());
        return;
    case ControlRole::Picture:
    case ControlRole::ListBox:
        return;
    }
}
