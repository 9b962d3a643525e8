#include <gtest/gtest.h>

#include "framework/afxwin.h"
#include "support/scripted_user.h"
#include "windowing/hosted_control.h"

namespace {

constexpr UINT kTemplateId = 300;
constexpr int kList = 50;
constexpr int kEdit = 51;

std::vector<std::string> calls;

class BaseDlg : public CDialog {
public:
    BaseDlg() : CDialog(kTemplateId) {}

protected:
    void OnListChanged() { calls.push_back("base list"); }
    void OnEditChanged() { calls.push_back("base edit"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseDlg, CDialog)
    ON_LBN_SELCHANGE(kList, OnListChanged)
    ON_EN_CHANGE(kEdit, OnEditChanged)
END_MESSAGE_MAP()

// Overrides one entry of its base's map and inherits the other; OK does not close.
class DerivedDlg : public BaseDlg {
public:
    CListBox m_list;
    CEdit m_edit;
    int initCount = 0;

protected:
    void DoDataExchange(CDataExchange* exchange) override {
        ++initCount;
        DDX_Control(exchange, kList, m_list);
        DDX_Control(exchange, kEdit, m_edit);
    }
    void OnOK() override { calls.push_back("derived ok"); }
    void OnDerivedList() { calls.push_back("derived list"); }
    void OnSysCommand(UINT id, LPARAM) {
        calls.push_back("syscommand " + std::to_string(id));
        Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedDlg, BaseDlg)
    ON_WM_SYSCOMMAND()
    ON_LBN_SELCHANGE(kList, OnDerivedList)
END_MESSAGE_MAP()

class TestApp : public CWinApp {
public:
    void OnHelp() { calls.push_back("app help"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestApp, CWinApp)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

ControlTemplate control(ControlKind kind, int id, DWORD style) { return makeControl(kind, id, "", 0, 0, 40, 12, WS_TABSTOP | style); }

class MessageMaps : public ::testing::Test {
protected:
    void SetUp() override {
        calls.clear();
        DialogTemplate dialog;
        dialog.caption = "Map";
        dialog.cx = 100;
        dialog.cy = 50;
        dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
        dialog.controls = {control(ControlKind::Button, IDOK, BS_DEFPUSHBUTTON), control(ControlKind::Button, IDCANCEL, 0),
                           control(ControlKind::ListBox, kList, LBS_NOTIFY), control(ControlKind::Edit, kEdit, 0)};
        module.addDialog(kTemplateId, dialog);
        setProgramModule(&module);
    }
    void TearDown() override { setProgramModule(nullptr); }

    ResourceModule module;
    ScriptedUser user;
    TestApp app;
};

TEST_F(MessageMaps, EntriesOfTheDerivedMapComeFirstAndTheBaseMapFillsIn) {
    DerivedDlg dialog;
    user.at("Map", [](UserAtWindow& window) {
        SendMessageA(window.control(kList), LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("item"));
        window.choose(kList, 0);
        window.type(kEdit, "x");
        window.click(IDOK);
        window.press(Key::Escape);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(calls, (std::vector<std::string>{"derived list", "base edit", "derived ok"}));
}

TEST_F(MessageMaps, DefaultInAHandlerCarriesOutTheMessageItWasGiven) {
    DerivedDlg dialog;
    user.at("Map", [](UserAtWindow& window) { window.systemCommand(SC_CLOSE); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(calls, (std::vector<std::string>{"syscommand " + std::to_string(SC_CLOSE)}));
}

TEST_F(MessageMaps, CommandsTheDialogDoesNotHandleGoOnToTheApplication) {
    DerivedDlg dialog;
    user.at("Map", [](UserAtWindow& window) {
        SendMessageA(window.dialog(), WM_COMMAND, ID_HELP, 0);
        window.press(Key::Escape);
    });
    dialog.DoModal();
    EXPECT_EQ(calls, (std::vector<std::string>{"app help"}));
}

TEST_F(MessageMaps, ControlsAreBoundAnewAtEveryRunAndUnboundAfterIt) {
    DerivedDlg dialog;
    HWND firstList = nullptr;
    user.at("Map", [&](UserAtWindow& window) {
        firstList = dialog.m_list.m_hWnd;
        EXPECT_EQ(firstList, window.control(kList));
        window.press(Key::Escape);
    });
    user.at("Map", [&](UserAtWindow& window) {
        EXPECT_EQ(dialog.m_list.m_hWnd, window.control(kList));
        EXPECT_NE(dialog.m_list.m_hWnd, firstList);
        window.press(Key::Escape);
    });
    dialog.DoModal();
    EXPECT_EQ(dialog.m_list.m_hWnd, nullptr);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    dialog.DoModal();
    EXPECT_EQ(dialog.initCount, 2);
}

TEST_F(MessageMaps, RunningADialogThatRunsAlreadyIsRefused) {
    DerivedDlg dialog;
    user.at("Map", [&](UserAtWindow& window) {
        EXPECT_EQ(dialog.DoModal(), -1);
        window.press(Key::Escape);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(user.opened().size(), 1U);
}

TEST_F(MessageMaps, UnboundControlObjectsIgnoreEveryCall) {
    CEdit edit;
    edit.SetWindowTextA("x");
    CString text("unchanged");
    edit.GetWindowTextA(text);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(edit.ShowWindow(SW_SHOW), FALSE);
    EXPECT_EQ(edit.GetSystemMenu(FALSE), nullptr);
}

TEST_F(MessageMaps, ControlsOfOutsideClassesAreCreatedByTheirClassIdentifier) {
    static const char* const kClassId = "{3C9FDFB1-0000-0000-0000-000000000000}";
    DerivedDlg dialog;
    CWnd hosted;
    user.at("Map", [&](UserAtWindow& window) {
        const RECT rect{1, 2, 30, 40};
        EXPECT_FALSE(hosted.CreateControl(kClassId, "link", WS_VISIBLE, rect, &dialog, 60)) << "hosting is off";
        AfxEnableControlContainer();
        EXPECT_FALSE(hosted.CreateControl(kClassId, "link", WS_VISIBLE, rect, &dialog, 60)) << "no such class";
        HostedControlRegistry::instance().registerClass(kClassId, [](const ControlTemplate& entry) {
            return std::make_unique<HostedControl>(entry);
        });
        EXPECT_TRUE(hosted.CreateControl(kClassId, "link", WS_VISIBLE, rect, &dialog, 60));
        EXPECT_EQ(hosted.m_hWnd, window.control(60));
        EXPECT_EQ(window.text(60), "link");
        EXPECT_EQ(WindowSystem::instance().find(hosted.m_hWnd)->rect(), rect);
        window.press(Key::Escape);
    });
    dialog.DoModal();
    EXPECT_EQ(hosted.m_hWnd, nullptr) << "unbound when its dialog is gone";
}

}  // namespace
