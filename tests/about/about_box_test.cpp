// The About box, run from the main window by a scripted user: how it opens,
// what it hosts, and every way it closes.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "about/about_dlg.h"
#include "about/cs_hyperlink.h"
#include "res/resource.h"
#include "res/resources.h"
#include "support/scripted_user.h"
#include "weblink/linux/web_link_control.h"
#include "windowing/dialog_window.h"
#include "windowing/static_control.h"

namespace {

const std::string kMain = kMainCaption;
const std::string kAbout = "About resonix";
const std::string kAddress = "https://resonix.example.org/";

int runProgram(HINSTANCE module = resonixResources()) { return AfxWinMain(module, nullptr, nullptr, SW_SHOWDEFAULT); }

const WebLinkControl* linkIn(const UserAtWindow& about) {
    return dynamic_cast<const WebLinkControl*>(WindowSystem::instance().find(about.control(IDC_WEBLINK)));
}

// What a person sees of the box as it opens.
void expectOpened(UserAtWindow& about) {
    EXPECT_EQ(about.focusedId(), IDOK);
    EXPECT_EQ(about.text(IDOK), "Return");
    // The version line shows an ampersand as an ampersand.
    for (HWND child : WindowSystem::instance().find(about.dialog())->children()) {
        const Window* control = WindowSystem::instance().find(child);
        if (control->text() == "resonix Version 2.1") {
            EXPECT_FALSE(static_cast<const StaticControl*>(control)->showsPrefix());
        }
    }
    const WebLinkControl* link = linkIn(about);
    ASSERT_NE(link, nullptr);
    EXPECT_TRUE(link->visible());
    EXPECT_EQ(link->text(), link->description().text);
    EXPECT_EQ(link->description().target, kAddress);
    // Centred on the screen.
    const RECT& box = WindowSystem::instance().find(about.dialog())->rect();
    const POINT screen = WindowSystem::instance().screenSize();
    EXPECT_LE(std::abs((box.left + box.right) - screen.x), 1);
    EXPECT_LE(std::abs((box.top + box.bottom) - screen.y), 1);
    // "Return" and the link are the only tab stops.
    about.press(Key::Tab);
    EXPECT_EQ(about.focusedId(), IDC_WEBLINK);
    about.press(Key::Tab);
    EXPECT_EQ(about.focusedId(), IDOK);
}

class AboutBox : public ::testing::Test {
protected:
    void TearDown() override { WebLinkControl::install(); }
    ScriptedUser user;
};

TEST_F(AboutBox, ClosesEveryWayAndTheMainWindowCarriesOn) {
    struct Row {
        const char* way;
        std::function<void(UserAtWindow&)> close;
    };
    const Row rows[] = {
        {"Return", [](UserAtWindow& about) { about.click(IDOK); }},
        {"Enter", [](UserAtWindow& about) { about.press(Key::Return); }},
        {"Escape", [](UserAtWindow& about) { about.press(Key::Escape); }},
        {"the close box", [](UserAtWindow& about) { about.closeBox(); }},
    };
    // Hosting starts off: the program must switch it on before the first box.
    HostedControlRegistry::instance().reset();
    for (const Row& row : rows) {
        user.at(kMain, [](UserAtWindow& main) { main.click(IDOK); });
        user.at(kAbout, [&row](UserAtWindow& about) {
            SCOPED_TRACE(row.way);
            expectOpened(about);
            row.close(about);
        });
    }
    user.at(kMain, [](UserAtWindow& main) {
        // Nothing of the box is left: only the main window and its controls.
        EXPECT_EQ(WindowSystem::instance().windowCount(), 1U + WindowSystem::instance().find(main.dialog())->children().size());
        main.press(Key::Escape);
    });
    EXPECT_EQ(runProgram(), 0);
    EXPECT_TRUE(user.openedAddresses().empty());
}

TEST_F(AboutBox, TheLinkOpensItsAddressWhenClickedOrPressed) {
    user.at(kMain, [](UserAtWindow& main) { main.click(IDOK); });
    user.at(kAbout, [](UserAtWindow& about) {
        about.click(IDC_WEBLINK);
        EXPECT_EQ(about.focusedId(), IDC_WEBLINK);
        about.press(Key::Space);
        about.press(Key::Return);  // the focused link takes Enter: the box stays
        about.press(Key::Tab);
        about.press(Key::Return);
    });
    user.at(kMain, [](UserAtWindow& main) { main.press(Key::Escape); });
    runProgram();
    EXPECT_EQ(user.openedAddresses(), std::vector<std::string>(3, kAddress));
}

TEST_F(AboutBox, WithoutItsLinkTheBoxFailsAndTheMainWindowCarriesOn) {
    struct Row {
        const char* why;
        std::function<void(ResourceModule&)> damage;
    };
    const Row rows[] = {
        {"no link control installed", [](ResourceModule&) { HostedControlRegistry::instance().unregisterClass(WebLinkControl::kClassId); }},
        {"a damaged property stream",
         [](ResourceModule& module) {
             std::vector<BYTE> init = aboutBoxDialogInit();
             init[12] ^= 0xFF;  // the stream's signature
             module.addDialogInit(IDD_ABOUTBOX, init);
         }},
        {"a stream length that disagrees with its record",
         [](ResourceModule& module) {
             std::vector<BYTE> init = aboutBoxDialogInit();
             init[8] ^= 0x01;  // the 32-bit length before the stream
             module.addDialogInit(IDD_ABOUTBOX, init);
         }},
        {"initialisation data cut short",
         [](ResourceModule& module) {
             std::vector<BYTE> init = aboutBoxDialogInit();
             init.resize(100);
             module.addDialogInit(IDD_ABOUTBOX, init);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        ResourceModule module = *resonixResources();
        row.damage(module);
        ScriptedUser script;
        script.at(kMain, [](UserAtWindow& main) {
            CAboutDlg about;
            EXPECT_EQ(about.DoModal(), -1);
            main.click(IDOK);  // the same through the main window
        });
        script.at(kMain, [](UserAtWindow& main) {
            EXPECT_TRUE(IsWindowEnabled(main.dialog()));
            main.press(Key::Escape);
        });
        EXPECT_EQ(runProgram(&module), 0);
        EXPECT_EQ(script.opened(), std::vector<std::string>{kMain}) << "the box never showed";
        WebLinkControl::install();
    }
}

TEST(CsHyperlink, IsCreatedByNameAndHostsTheLinkWithNoState) {
    const CRuntimeClass* runtime = RUNTIME_CLASS(C_csHyperlink);
    EXPECT_STREQ(runtime->m_lpszClassName, "C_csHyperlink");
    EXPECT_EQ(runtime->m_wSchema, 0xFFFFU);
    EXPECT_EQ(runtime->m_pBaseClass, RUNTIME_CLASS(CWnd));
    EXPECT_EQ(StringFromCLSID(C_csHyperlink::clsid), WebLinkControl::kClassId);

    ScriptedUser user;
    user.at(kMain, [runtime](UserAtWindow& main) {
        std::unique_ptr<CCmdTarget> object(runtime->CreateObject());
        auto* link = dynamic_cast<C_csHyperlink*>(object.get());
        ASSERT_NE(link, nullptr);
        CWnd* parent = CWnd::FromHandlePermanent(main.dialog());
        ASSERT_TRUE(link->Create("ignored", "a link", WS_VISIBLE | WS_TABSTOP, RECT{1, 2, 30, 12}, parent, 4321));
        const auto* control = dynamic_cast<const WebLinkControl*>(WindowSystem::instance().find(link->m_hWnd));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->id(), 4321);
        EXPECT_TRUE(control->description().target.empty());
        main.press(Key::Escape);
    });
    runProgram();
}

}  // namespace
