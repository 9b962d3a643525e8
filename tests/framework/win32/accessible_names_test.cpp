// What the program asks Windows to tell a screen reader of its real windows,
// run in-process: the main window, the About box, and each calculator once an
// analysis is chosen. Wine's accessibility property service keeps nothing, so
// a recorder stands in for it. Each table is what a user should hear, control
// by control in the window's order, worked out by hand from the windows.

#include "framework/win32/accessible_names.h"

#include <gtest/gtest.h>

#include <oleacc.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "framework/afx_globals.h"
#include "framework/win32/resource_data.h"
#include "framework/win32/utf16.h"
#include "res/resource.h"
#include "res/resources.h"

namespace {

constexpr wchar_t kNeverSet[] = L"(never set)";

struct Heard {
    std::wstring name = kNeverSet;
    std::wstring description = kNeverSet;
    LONG role = 0;  // 0: left to Windows
};

// What the program asked the service to set, control by control; the
// program's thread writes, the user's thread reads.
class Recorder final : public accessible::PropertyService {
public:
    void setText(HWND control, accessible::TextProperty property, const std::wstring& text) override {
        const std::lock_guard lock(m_mutex);
        (property == accessible::TextProperty::Name ? m_heard[control].name : m_heard[control].description) = text;
    }
    void setRole(HWND control, LONG role) override {
        const std::lock_guard lock(m_mutex);
        m_heard[control].role = role;
    }

    // What each control of `window` was last set to, in the window's order.
    std::vector<Heard> heardIn(HWND window) {
        // Once the program's thread answers, it has done all it was asked before.
        SendMessageW(window, WM_NULL, 0, 0);
        const std::lock_guard lock(m_mutex);
        std::vector<Heard> heard;
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) heard.push_back(m_heard[child]);
        return heard;
    }

private:
    std::mutex m_mutex;
    std::map<HWND, Heard> m_heard;
};

// The window of the program's thread captioned `caption`, once it shows. A
// window that never shows ends the test at once: the program would wait in it.
HWND shownWindow(DWORD thread, const std::wstring& caption) {
    struct Search {
        const std::wstring& caption;
        HWND found = nullptr;
    } search{caption};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline) {
        EnumThreadWindows(
            thread,
            [](HWND window, LPARAM param) {
                auto* search = reinterpret_cast<Search*>(param);
                wchar_t text[128] = {};
                GetWindowTextW(window, text, 128);
                if (IsWindowVisible(window) && search->caption == text) search->found = window;
                return search->found ? FALSE : TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        Sleep(10);
    }
    std::fprintf(stderr, "the window \"%s\" never showed\n", toUtf8(caption).c_str());
    std::fflush(stderr);
    std::_Exit(1);
}

void closeAndWait(HWND window, int button) {
    PostMessageW(window, WM_COMMAND, static_cast<WPARAM>(button), 0);
    while (IsWindow(window)) Sleep(10);
}

struct Expected {
    const wchar_t* name;
    const wchar_t* description = L"";
    LONG role = 0;
};

const std::wstring kMain = toUtf16(kMainCaption);

const std::map<std::wstring, std::vector<Expected>> kWhatAUserHears = {
    {kMain,
     {
         {L"Visit Web Site"},
         {L"Exit"},
         {L"Select Motion"},  // the list, in its group box
         {L"resonix team <resonix@example.org>"},
         {L"Select Motion"},
     }},
    {L"About resonix",
     {
         {L"Picture"},
         {L"resonix Version 2.1"},
         {L"resonix developers <resonix@example.org>"},
         {L"Return"},
         {L"Click here to visit the resonix web site for news.", L"", ROLE_SYSTEM_LINK},
     }},
    {L"Translation",  // natural frequency: mass and stiffness
     {
         {L"Calculate"},
         {L"Return"},
         {L"Select Analysis", L"Calculate"},  // the analysis list, in its group box below its label
         {L"Select Analysis"},
         {L"Calculate"},
         {L"resonix team"},
         {L"Input Data"},
         {L"Mass"},  // the two captions
         {L"Stiffness"},
         {L"Mass"},  // the two inputs below them
         {L"Stiffness"},
         {L"Input Data", L"Mass"},  // the two unit lists
         {L"Input Data", L"Stiffness"},
         {L"Results (Equivalent Values)"},
         {L"Results (Equivalent Values)"},  // the results, under a title still blank
         {L""},                             // that title
         {L"Static Deflection at 1 G"},     // the deflection, below its label
         {L"Static Deflection at 1 G"},
     }},
    {L"Rotation",  // natural frequency: inertia and stiffness
     {
         {L"Calculate"},
         {L"Return"},
         {L"Select Analysis", L"Calculate"},
         {L"Select Analysis"},
         {L"Calculate"},
         {L"Input Data"},
         {L"Polar Moment of Inertia"},
         {L"Torsional stiffness"},
         {L"Polar Moment of Inertia"},
         {L"Torsional stiffness"},
         {L"Input Data", L"Polar Moment of Inertia"},
         {L"Input Data", L"Torsional stiffness"},
         {L"resonix team"},
         {L"Results (Equivalent Values)"},
         {L"Results (Equivalent Values)"},
         {L""},
     }},
};

TEST(AccessibleNames, TheRealWindowsTellWhatAUserShouldHear) {
    Recorder recorder;
    accessible::usePropertyService(&recorder);
    setResourceData(resonixResources());
    std::map<std::wstring, std::vector<Heard>> heard;
    const DWORD program = GetCurrentThreadId();
    std::thread user([&] {
        const HWND main = shownWindow(program, kMain);
        heard[kMain] = recorder.heardIn(main);

        PostMessageW(main, WM_COMMAND, IDOK, 0);  // "Visit Web Site" opens the About box
        const HWND about = shownWindow(program, L"About resonix");
        heard[L"About resonix"] = recorder.heardIn(about);
        closeAndWait(about, IDOK);

        struct Calculator {
            const wchar_t* caption;
            int motion, analysisList;
        };
        for (const Calculator& calculator : {Calculator{L"Translation", 1, IDC_TRA_ANALYSIS}, Calculator{L"Rotation", 0, IDC_ROT_ANALYSIS}}) {
            const HWND motions = GetDlgItem(main, IDC_MOTION_LIST);
            SendMessageW(motions, LB_SETCURSEL, static_cast<WPARAM>(calculator.motion), 0);
            PostMessageW(main, WM_COMMAND, MAKEWPARAM(IDC_MOTION_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(motions));
            const HWND window = shownWindow(program, calculator.caption);
            const HWND analyses = GetDlgItem(window, calculator.analysisList);
            SendMessageW(analyses, LB_SETCURSEL, 0, 0);  // natural frequency
            SendMessageW(window, WM_COMMAND, MAKEWPARAM(calculator.analysisList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(analyses));
            heard[calculator.caption] = recorder.heardIn(window);
            closeAndWait(window, IDCANCEL);
        }
        PostMessageW(main, WM_COMMAND, IDCANCEL, 0);
    });
    AfxWinMain(GetModuleHandleW(nullptr), nullptr, nullptr, SW_SHOWNORMAL);
    user.join();
    accessible::usePropertyService(nullptr);

    for (const auto& [window, expected] : kWhatAUserHears) {
        SCOPED_TRACE(toUtf8(window));
        const std::vector<Heard>& told = heard[window];
        ASSERT_EQ(told.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(toUtf8(told[i].name), toUtf8(expected[i].name)) << "name of control " << i;
            EXPECT_EQ(toUtf8(told[i].description), toUtf8(expected[i].description)) << "description of control " << i;
            EXPECT_EQ(told[i].role, expected[i].role) << "role of control " << i;
        }
    }
}

}  // namespace
