#include "display/qt/control_widgets.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include "display/qt/fitting_font.h"
#include "display/qt/link_widget.h"
#include "display/qt/list_box_widget.h"
#include "display/qt/pixel_pictures.h"
#include "portable/shown_text.h"
#include "display/qt/text_field.h"
#include "display/qt/window_text.h"
#include "windowing/hosted_control.h"
#include "windowing/static_control.h"
#include "portable/text_fitting.h"

namespace {

// Alignments of static text, beside SS_LEFT.
constexpr DWORD kStaticCentre = 0x1;
constexpr DWORD kStaticRight = 0x2;

// What a line edit keeps free beside its text, left and right together.
constexpr int kLineEditMargins = 4;

void shrinkToFit(QWidget* widget, const QString& text, int room) {
    const QFont font = fittingFont(QApplication::font(widget), text, room, kSmallestOneLineShare);
    if (widget->font() != font) widget->setFont(font);
}

const BitmapResource* bitmapOf(const Window& control) {
    const HINSTANCE module = programModule();
    return module ? module->bitmap(static_cast<const StaticControl&>(control).imageId()) : nullptr;
}

QWidget* makePushButton(QWidget* parent) {
    auto* button = new QPushButton(parent);
    // The window system decides what Enter presses; Qt must never press a
    // button on its own.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QWidget* makeLabel(const Window& control, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    Qt::Alignment horizontal = Qt::AlignLeft;
    if ((control.style() & SS_TYPEMASK) == kStaticCentre) horizontal = Qt::AlignHCenter;
    if ((control.style() & SS_TYPEMASK) == kStaticRight) horizontal = Qt::AlignRight;
    label->setAlignment(horizontal | Qt::AlignTop);
    // Static text wraps at word breaks, but a one-line label keeps its line
    // whole rather than lose the rest below its bottom edge.
    const int height = control.rect().bottom - control.rect().top;
    label->setWordWrap(height >= 2 * QFontMetrics(label->font()).lineSpacing());
    return label;
}

QWidget* makePicture(const Window& control, QWidget* parent) {
    auto* picture = new QLabel(parent);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (const BitmapResource* bitmap = bitmapOf(control)) picture->setPixmap(QPixmap::fromImage(PixelPictures::image(*bitmap)));
    return picture;
}

QWidget* makeLineEdit(const Window& control, bool readOnly, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(readOnly);
    edit->setFrame(control.hasStyle(WS_BORDER));
    if (readOnly && !control.hasStyle(WS_BORDER)) {
        // A caption: reads like a label, on whatever is behind it.
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, Qt::transparent);
        edit->setPalette(palette);
    }
    return edit;
}

QWidget* makeTextField(const Window& control, bool readOnly, const QFont& fixedFont, QWidget* parent) {
    auto* field = new TextField(readOnly, fixedFont, parent);
    field->setFrameShape(control.hasStyle(WS_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
    field->setVerticalScrollBarPolicy(control.hasStyle(WS_VSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    field->setHorizontalScrollBarPolicy(control.hasStyle(WS_HSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    if (!control.hasStyle(ES_AUTOHSCROLL)) field->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return field;
}

QWidget* makeListBox(const Window& control, QWidget* parent) {
    auto* list = new ListBoxWidget(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setUniformItemSizes(true);
    list->setVerticalScrollBarPolicy(control.hasStyle(WS_VSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(control.hasStyle(WS_HSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    if (!control.hasStyle(WS_BORDER)) list->setFrameShape(QFrame::NoFrame);
    return list;
}

// A control of an outside class, shown as it describes itself.
QWidget* makeHosted(const Window& control) {
    const auto& hosted = static_cast<const HostedControl&>(control);
    switch (hosted.description().shows) {
    case HostedDescription::Shows::Link: return new LinkWidget(hosted);
    case HostedDescription::Shows::Nothing: break;
    }
    return new QWidget;
}

// Made in their window: moving a widget there later costs far more.
QWidget* makeWidget(const Window& control, ControlRole role, const QFont& fixedFont, QWidget* parent) {
    switch (role) {
    case ControlRole::PushButton: return makePushButton(parent);
    case ControlRole::GroupBox: return new QGroupBox(parent);
    case ControlRole::Label: return makeLabel(control, parent);
    case ControlRole::Picture: return makePicture(control, parent);
    case ControlRole::InputEdit: return makeLineEdit(control, false, parent);
    case ControlRole::CaptionEdit: return makeLineEdit(control, true, parent);
    case ControlRole::TextArea: return makeTextField(control, false, fixedFont, parent);
    case ControlRole::ResultsField: return makeTextField(control, true, fixedFont, parent);
    case ControlRole::ListBox: return makeListBox(control, parent);
    case ControlRole::Hosted: return makeHosted(control);
    }
    return new QWidget;
}

}  // namespace

QWidget* ControlWidgets::create(const Window& control, ControlRole role, QWidget* parent, const QFont& fixedFont) {
    QWidget* widget = makeWidget(control, role, fixedFont, parent);
    if (widget->parentWidget() != parent) widget->setParent(parent);
    widget->setObjectName(QStringLiteral("control") + QString::number(control.id()));
    // Only tab stops take the focus, and only from the window system: Qt's
    // own focus chain never runs because the dialog handles Tab itself.
    const bool takesFocus = control.isTabStop() && role != ControlRole::GroupBox && role != ControlRole::Label &&
                            role != ControlRole::Picture;
    widget->setFocusPolicy(takesFocus ? Qt::TabFocus : Qt::NoFocus);
    widget->setGeometry(placement(control));
    showText(widget, control, role);
    return widget;
}

QRect ControlWidgets::placement(const Window& control) {
    const RECT& r = control.rect();
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void ControlWidgets::showText(QWidget* widget, const Window& control, ControlRole role) {
    const QString text = toQt(control.text());
    switch (role) {
    case ControlRole::PushButton: {
        auto* button = static_cast<QPushButton*>(widget);
        if (button->text() != text) button->setText(text);
        return;
    }
    case ControlRole::GroupBox: {
        auto* group = static_cast<QGroupBox*>(widget);
        if (group->title() != text) group->setTitle(text);
        return;
    }
    case ControlRole::Label: {
        auto* label = static_cast<QLabel*>(widget);
        const QString shown = toQt(spokenText(control.text(), static_cast<const StaticControl&>(control).showsPrefix()));
        if (label->text() == shown) return;
        label->setText(shown);
        if (!label->wordWrap()) shrinkToFit(label, shown, label->contentsRect().width());
        return;
    }
    case ControlRole::InputEdit:
    case ControlRole::CaptionEdit: {
        auto* edit = static_cast<QLineEdit*>(widget);
        if (edit->text() == text) return;
        edit->setText(text);
        // A caption shows from its start; a value keeps the caret at its end.
        if (role == ControlRole::CaptionEdit) {
            shrinkToFit(edit, text, edit->contentsRect().width() - kLineEditMargins);
            edit->setCursorPosition(0);
        }
        return;
    }
    case ControlRole::TextArea:
    case ControlRole::ResultsField: {
        auto* field = static_cast<TextField*>(widget);
        if (field->windowText() != text) field->showWindowText(text);
        return;
    }
    case ControlRole::Picture:
    case ControlRole::ListBox:
    case ControlRole::Hosted:
        return;
    }
}
