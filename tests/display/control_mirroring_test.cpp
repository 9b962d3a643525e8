// The widgets mirror the window system and report only what the user does,
// shown on a dialog of the test's own.

#include "display_test.h"

#include <QClipboard>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <cctype>

#include "screen_user.h"
#include "windowing/hosted_control.h"
#include "windowing/list_box_control.h"
#include "windowing/win_api.h"

namespace {

constexpr int kNested = 300;
constexpr int kGroup = 301;
constexpr int kCaption = 302;
constexpr int kInput = 303;
constexpr int kUnitsLabel = 304;
constexpr int kList = 305;
constexpr int kLiteralLabel = 306;
constexpr int kResults = 307;
constexpr int kPicture = 308;
constexpr int kHosted = 309;
const char* const kHostedClass = "{probe-hosted-class}";
constexpr WORD kBitmapId = 7;

// What the probe dialog's procedure has seen.
struct Seen {
    int selectionChanges = 0;
    int editChanges = 0;
};
Seen seen;

DialogTemplate probeTemplate() {
    DialogTemplate dialog;
    dialog.caption = "Probe";
    dialog.cx = 200;
    dialog.cy = 150;
    dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    ControlTemplate picture = makeControl(ControlKind::Static, IDC_STATIC, "", 140, 80, 20, 20, SS_BITMAP);
    picture.id = kPicture;
    picture.imageId = kBitmapId;
    dialog.controls = {
        makeControl(ControlKind::Button, IDOK, "OK", 140, 10, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP),
        makeControl(ControlKind::Button, IDCANCEL, "Cancel", 140, 30, 50, 14, BS_PUSHBUTTON | WS_TABSTOP),
        makeControl(ControlKind::Button, kNested, "Nested", 140, 50, 50, 14, BS_PUSHBUTTON | WS_TABSTOP),
        makeControl(ControlKind::Button, kGroup, "Values", 5, 5, 130, 140, BS_GROUPBOX),
        makeControl(ControlKind::Edit, kCaption, "", 10, 18, 60, 12, ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP),
        makeControl(ControlKind::Edit, kInput, "", 10, 32, 60, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP),
        makeControl(ControlKind::Static, kUnitsLabel, "&Units && more", 75, 18, 55, 8, SS_LEFT),
        makeControl(ControlKind::ListBox, kList, "", 75, 32, 55, 40, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP),
        makeControl(ControlKind::Static, kLiteralLabel, "A & B", 10, 80, 60, 8, SS_LEFT | SS_NOPREFIX),
        makeControl(ControlKind::Edit, kResults, "", 10, 92, 120, 40,
              ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP),
        picture,
        makeControl(ControlKind::Hosted, kHosted, "Visit the probe", 140, 110, 50, 12, WS_TABSTOP),
    };
    dialog.controls.back().classId = kHostedClass;
    return dialog;
}

DialogTemplate innerTemplate() {
    DialogTemplate dialog;
    dialog.caption = "Inner";
    dialog.cx = 100;
    dialog.cy = 40;
    dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    dialog.controls = {makeControl(ControlKind::Button, IDCANCEL, "Close", 25, 12, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP)};
    return dialog;
}

std::optional<LRESULT> innerProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return 0;
    }
    return message == WM_INITDIALOG ? std::optional<LRESULT>(TRUE) : std::nullopt;
}

std::string textOf(HWND window) {
    char buffer[256];
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

std::optional<LRESULT> probeProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        SetWindowTextA(GetDlgItem(dialog, kCaption), "Mass");
        int index = 0;
        for (const char* item : {"one", "two", "three", "four", "five", "six"}) {
            SendMessageA(GetDlgItem(dialog, kList), LB_INSERTSTRING, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(item));
        }
        return TRUE;
    }
    if (message != WM_COMMAND) return std::nullopt;
    switch (LOWORD(wParam)) {
    case kInput:
        if (HIWORD(wParam) == EN_CHANGE) {
            ++seen.editChanges;
            // The program keeps its input in capitals.
            std::string text = textOf(GetDlgItem(dialog, kInput));
            std::string upper = text;
            for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            if (upper != text) SetWindowTextA(GetDlgItem(dialog, kInput), upper.c_str());
        }
        return 0;
    case kList:
        if (HIWORD(wParam) == LBN_SELCHANGE) ++seen.selectionChanges;
        return 0;
    case IDOK:
        SetWindowTextA(GetDlgItem(dialog, kCaption), "Stiffness");
        SetWindowTextA(GetDlgItem(dialog, kResults), "  1\r\n\r\n 22");
        SendMessageA(GetDlgItem(dialog, kList), LB_SETCURSEL, 2, 0);
        return 0;
    case kNested: {
        static const DialogTemplate inner = innerTemplate();
        DialogBoxIndirectParamA(nullptr, &inner, nullptr, innerProcedure, 0);
        return 0;
    }
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return 0;
    default:
        return std::nullopt;
    }
}

int selectionOf(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0)); }

int selectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

class ControlsOnScreen : public DisplayTest {
protected:
    ControlsOnScreen() {
        seen = {};
        m_module.addBitmap(kBitmapId, PixelImage{3, 2, {"9A.", "CEF"}});
        setProgramModule(&m_module);
        HostedControlRegistry::instance().registerClass(kHostedClass, [](const ControlTemplate& control) {
            return std::make_unique<HostedControl>(control);
        });
        HostedControlRegistry::instance().enableHosting();
    }
    ~ControlsOnScreen() override {
        setProgramModule(nullptr);
        HostedControlRegistry::instance().reset();
    }

    void runProbe(ScreenUser& user) {
        user.play([] {
            static const DialogTemplate probe = probeTemplate();
            DialogBoxIndirectParamA(nullptr, &probe, nullptr, probeProcedure, 0);
        });
    }

private:
    ResourceModule m_module;
};

TEST_F(ControlsOnScreen, TextsShowAsTheUserReadsThemAndNameTheControls) {
    ScreenUser user(display());
    user.at("Probe", [](ScreenWindow& probe) {
        EXPECT_EQ(probe.widgetAs<QLabel>(kUnitsLabel)->text(), "Units & more");
        EXPECT_EQ(probe.widgetAs<QLabel>(kLiteralLabel)->text(), "A & B");
        EXPECT_EQ(probe.widgetAs<QLineEdit>(kCaption)->text(), "Mass");
        EXPECT_EQ(probe.widget(kInput)->accessibleName(), "Mass");
        EXPECT_EQ(probe.widget(kList)->accessibleName(), "Values");
        EXPECT_EQ(probe.widget(kList)->accessibleDescription(), "Units & more");
        EXPECT_EQ(probe.widget(kResults)->accessibleName(), "A & B");
        EXPECT_EQ(probe.widget(kUnitsLabel)->accessibleName(), "Units & more");
        EXPECT_EQ(probe.widget(kGroup)->accessibleName(), "Values");
        EXPECT_EQ(probe.widget(kHosted)->accessibleName(), "Visit the probe");
        EXPECT_TRUE(QFontInfo(probe.widget(kResults)->font()).fixedPitch()) << "numbers would not line up";

        probe.click(IDOK);
        // The caption changed: so did the name of the input below it.
        EXPECT_EQ(probe.widget(kInput)->accessibleName(), "Stiffness");
        EXPECT_EQ(probe.widgetAs<QPlainTextEdit>(kResults)->toPlainText(), "  1\n\n 22");
        // The results can be selected and copied from the keyboard.
        probe.click(kResults);
        EXPECT_EQ(probe.focusedId(), kResults);
        probe.key(Qt::Key_A, Qt::ControlModifier);
        probe.key(Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "  1\n\n 22");
        // LB_SETCURSEL shows and reports nothing.
        EXPECT_EQ(selectedRow(probe.widgetAs<QListWidget>(kList)), 2);
        EXPECT_EQ(seen.selectionChanges, 0);
        probe.key(Qt::Key_Escape);
    });
    runProbe(user);
}

TEST_F(ControlsOnScreen, APictureShowsItsBitmapAtTheBitmapsSize) {
    ScreenUser user(display());
    user.at("Probe", [&](ScreenWindow& probe) {
        const auto* picture = probe.widgetAs<QLabel>(kPicture);
        const BitmapResource* bitmap = programModule()->bitmap(kBitmapId);
        EXPECT_EQ(picture->size(), QSize(bitmap->width, bitmap->height));
        const QImage shown = picture->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(shown.size(), QSize(bitmap->width, bitmap->height));
        for (int y = 0; y < bitmap->height; ++y) {
            for (int x = 0; x < bitmap->width; ++x) EXPECT_EQ(shown.pixel(x, y), bitmap->argbAt(x, y)) << x << "," << y;
        }
        probe.key(Qt::Key_Escape);
    });
    runProbe(user);
}

TEST_F(ControlsOnScreen, TypingReportsTheWholeTextAndShowsWhatTheProgramMadeOfIt) {
    ScreenUser user(display());
    user.at("Probe", [](ScreenWindow& probe) {
        probe.click(kInput);
        ASSERT_EQ(GetFocus(), probe.control(kInput));
        EXPECT_EQ(probe.focusedId(), kInput);
        probe.type(QStringLiteral("ab"));
        EXPECT_EQ(textOf(probe.control(kInput)), "AB");
        EXPECT_EQ(probe.widgetAs<QLineEdit>(kInput)->text(), "AB");
        probe.key(Qt::Key_Backspace);
        EXPECT_EQ(textOf(probe.control(kInput)), "A");
        EXPECT_EQ(probe.widgetAs<QLineEdit>(kInput)->text(), "A");
        EXPECT_GT(seen.editChanges, 0);
        // The caption takes no typing.
        probe.click(kCaption);
        probe.type(QStringLiteral("x"));
        EXPECT_EQ(textOf(probe.control(kCaption)), "Mass");
        EXPECT_EQ(probe.widgetAs<QLineEdit>(kCaption)->text(), "Mass");
        probe.key(Qt::Key_Escape);
    });
    runProbe(user);
}

TEST_F(ControlsOnScreen, InputThatTheWindowSystemRefusesIsUndone) {
    ScreenUser user(display());
    HWND probeDialog = nullptr;
    user.at("Probe", [&](ScreenWindow& probe) {
        probeDialog = probe.dialog();
        probe.click(kNested);
    });
    user.at("Inner", [&](ScreenWindow& inner) {
        // Input that reaches the outer window's widgets while it is not the
        // active dialog.
        ScreenWindow probe(display(), probeDialog);
        auto* input = probe.widgetAs<QLineEdit>(kInput);
        QTest::keyClicks(input, QStringLiteral("zz"));
        EXPECT_EQ(textOf(probe.control(kInput)), "");
        EXPECT_EQ(input->text(), "");
        auto* list = probe.widgetAs<QListWidget>(kList);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(1)).center());
        EXPECT_EQ(selectionOf(probe.control(kList)), -1);
        EXPECT_EQ(selectedRow(list), -1);
        EXPECT_EQ(seen.selectionChanges, 0);
        inner.key(Qt::Key_Escape);
    });
    user.at("Probe", [](ScreenWindow& probe) { probe.key(Qt::Key_Escape); });
    runProbe(user);
}

TEST_F(ControlsOnScreen, AListShowsOnlyTheWindowSystemsSelection) {
    ScreenUser user(display());
    user.at("Probe", [](ScreenWindow& probe) {
        auto* list = probe.widgetAs<QListWidget>(kList);
        const HWND handle = probe.control(kList);
        probe.clickItem(kList, 1);
        EXPECT_EQ(selectionOf(handle), 1);
        EXPECT_EQ(selectedRow(list), 1);
        EXPECT_EQ(seen.selectionChanges, 1);
        // A click on the selected item reports again.
        probe.clickItem(kList, 1);
        EXPECT_EQ(seen.selectionChanges, 2);
        EXPECT_EQ(probe.focusedId(), kList);

        const std::vector<std::pair<Qt::Key, int>> keys = {{Qt::Key_Down, 2}, {Qt::Key_End, 5}, {Qt::Key_Home, 0}, {Qt::Key_Up, 0}};
        for (const auto& [key, row] : keys) {
            probe.key(key);
            EXPECT_EQ(selectionOf(handle), row);
            EXPECT_EQ(selectedRow(list), row);
        }
        // Dragging over the list moves no selection.
        const auto at = [&](int row) { return list->viewport()->mapTo(probe.surface(), list->visualItemRect(list->item(row)).center()); };
        const int before = seen.selectionChanges;
        QTest::mousePress(probe.surface()->windowHandle(), Qt::LeftButton, Qt::NoModifier, at(3));
        QTest::mouseMove(probe.surface()->windowHandle(), at(4));
        QTest::mouseRelease(probe.surface()->windowHandle(), Qt::LeftButton, Qt::NoModifier, at(4));
        EXPECT_EQ(selectionOf(handle), 3);
        EXPECT_EQ(selectedRow(list), 3);
        EXPECT_EQ(seen.selectionChanges, before + 1);
        probe.key(Qt::Key_Escape);
    });
    runProbe(user);
}

TEST_F(ControlsOnScreen, TheDefaultLookFollowsTheFocusedPushButtonAndSpacePressesIt) {
    ScreenUser user(display());
    user.at("Probe", [](ScreenWindow& probe) {
        const auto isDefault = [&](int id) { return probe.widgetAs<QPushButton>(id)->isDefault(); };
        ASSERT_EQ(probe.focusedId(), IDOK);
        EXPECT_TRUE(isDefault(IDOK));
        probe.key(Qt::Key_Tab);
        EXPECT_EQ(probe.focusedId(), IDCANCEL);
        EXPECT_TRUE(isDefault(IDCANCEL));
        EXPECT_FALSE(isDefault(IDOK));
        probe.key(Qt::Key_Tab);
        EXPECT_EQ(probe.focusedId(), kNested);
        EXPECT_TRUE(isDefault(kNested));
        EXPECT_FALSE(isDefault(IDCANCEL));
        probe.key(Qt::Key_Tab);
        EXPECT_EQ(probe.focusedId(), kCaption);
        EXPECT_TRUE(isDefault(IDOK));
        EXPECT_FALSE(isDefault(kNested));
        probe.key(Qt::Key_Backtab, Qt::ShiftModifier);
        probe.key(Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_EQ(probe.focusedId(), IDCANCEL);
        probe.key(Qt::Key_Space);
    });
    bool ended = false;
    user.play([&] {
        static const DialogTemplate probe = probeTemplate();
        ended = DialogBoxIndirectParamA(nullptr, &probe, nullptr, probeProcedure, 0) == IDCANCEL;
    });
    EXPECT_TRUE(ended);
}

}  // namespace
