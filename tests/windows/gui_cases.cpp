#include "tests/windows/gui_cases.h"

#include "res/resource.h"
#include "tests/windows/calculator_windows.h"
#include "tests/windows/check.h"
#include "tests/windows/program_under_test.h"
#include "tests/windows/screenshot.h"
#include "tests/windows/user_input.h"
#include "tests/windows/window_reading.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <vector>

namespace {

const std::wstring kBlank = L" ";

std::string narrow(const std::wstring& text) { return check::quote(text); }

// Ids of the program's own controls: the statics without an id are left out.
std::set<int> visibleIds(HWND window) {
    std::set<int> ids;
    for (int id : visibleControlIds(window))
        if (id > 0 && id < 0x8000) ids.insert(id);
    return ids;
}

std::string describe(const std::set<int>& ids) {
    std::string text = "{";
    for (int id : ids) text += std::to_string(id) + " ";
    return text + "}";
}

void checkVisible(HWND window, const std::set<int>& expected, const std::string& state) {
    const std::set<int> actual = visibleIds(window);
    CHECK_TRUE(actual == expected, "controls shown " + state + ": " + describe(actual) + ", expected " + describe(expected));
}

// Every text the window shows whole, as the program lays it out for the
// screen's dots per inch: each line of a label, a button and a read-only edit
// within its room, and the results in a fixed-pitch font, so that their
// columns line up. Input fields scroll what is typed; a list shows a cut item
// whole in a tooltip.
void checkTextsShowWhole(const ProgramUnderTest& program, HWND window, const std::string& state) {
    const std::vector<ControlFont> fonts = controlFonts(window, program.fontReportFile());
    std::string faults;
    for (const ControlFont& font : fonts) {
        wchar_t kind[32] = {};
        GetClassNameW(font.control, kind, 32);
        const LONG style = GetWindowLongW(font.control, GWL_STYLE);
        const bool edit = _wcsicmp(kind, L"Edit") == 0;
        if (!IsWindowVisible(font.control) || (edit && !(style & ES_READONLY)) ||
            (!edit && _wcsicmp(kind, L"Static") != 0 && _wcsicmp(kind, L"Button") != 0))
            continue;
        const std::string name = std::to_string(GetDlgCtrlID(font.control)) + " " + narrow(windowText(font.control));
        if (font.inkFrom < 0 || font.inkTo > font.room)
            faults += " " + name + " is cut: pixels " + std::to_string(font.inkFrom) + " to " + std::to_string(font.inkTo) + " in " +
                      std::to_string(font.room) + ";";
        if (edit && (style & ES_MULTILINE) && !font.fixedPitch) faults += " " + name + " in " + font.face + ", not fixed-pitch;";
    }
    CHECK_TRUE(!fonts.empty() && faults.empty(), "texts shown whole " + state + ":" + (fonts.empty() ? " no font report" : faults));
}

// Waits for a control's text, which the program writes a moment after the input.
std::wstring textSoon(HWND window, int id, const std::wstring& expected) {
    std::wstring text;
    for (int i = 0; i < 100; ++i) {
        text = controlText(window, id);
        if (text == expected) break;
        Sleep(10);
    }
    return text;
}

// Waits until `ready` holds, as a user waits to see the effect of an action.
template <typename Condition>
bool soon(Condition ready) {
    for (int i = 0; i < 300; ++i) {
        if (ready()) return true;
        Sleep(10);
    }
    return false;
}

// Chooses a list item with the mouse and waits until the list shows it chosen.
void choose(HWND window, int list, int index) {
    clickListItem(window, list, index);
    CHECK_TRUE(soon([&] { return listSelection(window, list) == index; }),
               "list " + std::to_string(list) + " shows item " + std::to_string(index) + " chosen");
    settle(window);
}

// Chooses the list item that reads `text`.
void choose(HWND window, int list, const std::wstring& text) {
    const std::vector<std::wstring> items = listItems(window, list);
    const auto found = std::find(items.begin(), items.end(), text);
    if (!CHECK_TRUE(found != items.end(), "list " + std::to_string(list) + " holds " + narrow(text))) return;
    choose(window, list, static_cast<int>(found - items.begin()));
}

void typeInto(HWND window, int id, const std::wstring& text) {
    click(window, id);
    CHECK_TRUE(soon([&] { return focusedControlId(window) == id; }), "a click puts the focus in " + std::to_string(id));
    // Replaces what is there, as a user selecting it all would.
    pressKey(VK_HOME);
    pressKey(VK_END, false, true);
    type(text);
    CHECK_TRUE(soon([&] { return controlText(window, id) == text; }), "typed " + narrow(text) + " into " + std::to_string(id));
}

HWND openCalculator(ProgramUnderTest& program, const Calculator& calculator) {
    HWND main = program.mainWindow();
    activate(main);
    clickListItem(main, IDC_MOTION_LIST, calculator.motionIndex);
    HWND window = program.waitForWindow(calculator.title);
    if (!CHECK_TRUE(window != nullptr, narrow(calculator.title) + " window opens")) return nullptr;
    activate(window);
    CHECK_TRUE(!IsWindowEnabled(main), "the main window is disabled under the calculator");
    checkVisible(window, calculator.opened, "on opening");
    CHECK_TRUE(listItems(window, calculator.analysis) == calculator.analyses, "analysis list in its order");
    CHECK_EQ_TEXT(listSelection(window, calculator.analysis), LB_ERR, "no analysis selected on opening");
    CHECK_EQ_TEXT(controlText(window, calculator.resultsTitle), std::wstring(), "empty title on opening");
    return window;
}

void closeCalculator(ProgramUnderTest& program, const Calculator& calculator, HWND window, bool byEscape) {
    activate(window);
    if (byEscape) pressKey(VK_ESCAPE);
    else click(window, IDCANCEL);
    CHECK_TRUE(program.waitForWindowGone(calculator.title), narrow(calculator.title) + " closes by " +
                                                                (byEscape ? "Escape" : "\"Return\""));
    HWND main = program.mainWindow();
    CHECK_TRUE(IsWindowEnabled(main), "the main window is enabled again");
    CHECK_TRUE((listItems(main, IDC_MOTION_LIST) == std::vector<std::wstring>{L"Rotation", L"Translation"}),
               "motion list refilled");
    CHECK_EQ_TEXT(listSelection(main, IDC_MOTION_LIST), LB_ERR, "motion list without selection");
}

void runExample(const ProgramUnderTest& program, HWND window, const Example& example, bool byEnter) {
    const Calculator& c = *example.calculator;
    choose(window, c.analysis, example.analysis);
    checkVisible(window, c.chosen, "after choosing an analysis");
    CHECK_EQ_TEXT(controlText(window, c.input1), kBlank, "input 1 blanked");
    CHECK_EQ_TEXT(controlText(window, c.results), kBlank, "results blanked");
    choose(window, c.units1, example.unit1);
    choose(window, c.units2, example.unit2);
    typeInto(window, c.input1, example.input1);
    typeInto(window, c.input2, example.input2);
    if (byEnter) pressKey(VK_RETURN);
    else click(window, IDOK);

    CHECK_EQ_TEXT(textSoon(window, c.input1, example.echo1), std::wstring(example.echo1), "echo of input 1");
    CHECK_EQ_TEXT(controlText(window, c.input2), std::wstring(example.echo2), "echo of input 2");
    CHECK_EQ_TEXT(controlText(window, c.resultsTitle), std::wstring(example.title), "results title");
    const std::wstring results = controlText(window, c.results);
    if (example.results) CHECK_EQ_TEXT(results, std::wstring(example.results), "results");
    else CHECK_TRUE(results.find(example.resultLine) != std::wstring::npos, "results hold " + narrow(example.resultLine) + ": " + narrow(results));
    const bool failed = c.deflection && !example.deflection;
    checkVisible(window, failed ? c.failed : c.succeeded, failed ? "after a failed Calculate" : "after Calculate");
    if (c.deflection && example.deflection)
        CHECK_EQ_TEXT(controlText(window, c.deflection), std::wstring(example.deflection), "deflection");
    CHECK_TRUE(GetForegroundWindow() == window, "Calculate keeps the window open");
    checkTextsShowWhole(program, window, "after Calculate");

    // An edit: a digit typed at the end of input 2.
    typeInto(window, c.input2, L"2");
    checkVisible(window, c.edited, "after an edit");
    CHECK_EQ_TEXT(textSoon(window, c.results, kBlank), kBlank, "results blanked by an edit");
}

// ---- Tab order ----

void checkTabCycle(HWND window, const std::vector<int>& cycle, const std::string& where) {
    activate(window);
    std::vector<int> seen{focusedControlId(window)};
    for (size_t i = 0; i < cycle.size(); ++i) {
        pressKey(VK_TAB);
        seen.push_back(focusedControlId(window));
    }
    size_t start = 0;
    while (start < cycle.size() && cycle[start] != seen[0]) ++start;
    bool same = start < cycle.size();
    for (size_t i = 0; same && i < seen.size(); ++i) same = seen[i] == cycle[(start + i) % cycle.size()];
    std::string order;
    for (int id : seen) order += std::to_string(id) + " ";
    CHECK_TRUE(same, "Tab order in " + where + ": " + order);
}

// ---- The About box ----

enum class WayIn { VisitButton, EnterOnButton, EnterInList, SystemMenu };
enum class WayOut { ReturnButton, Enter, Escape, CloseBox };

int openedCount(const std::wstring& file) {
    std::ifstream in{std::filesystem::path(file)};
    int lines = 0;
    for (std::string line; std::getline(in, line);)
        if (line.find("https://resonix.example.org/") != std::string::npos) ++lines;
    return lines;
}

bool waitForOpened(const std::wstring& file, int count) {
    for (int i = 0; i < 2000; ++i) {
        if (openedCount(file) >= count) return true;
        Sleep(10);
    }
    return false;
}

void aboutBox(const GuiOptions& options, WayIn in, WayOut out, const std::string& name, bool followLink) {
    check::beginCase("About box: " + name);
    ProgramUnderTest program(options.exePath);
    if (!CHECK_TRUE(program.start(), "resonix starts")) return;
    HWND main = program.mainWindow();
    activate(main);
    switch (in) {
    case WayIn::VisitButton: click(main, IDOK); break;
    case WayIn::EnterOnButton: pressKey(VK_RETURN); break;
    case WayIn::EnterInList:
        pressKey(VK_TAB);
        pressKey(VK_TAB);
        CHECK_EQ_TEXT(focusedControlId(main), IDC_MOTION_LIST, "focus in the motion list");
        pressKey(VK_RETURN);
        break;
    case WayIn::SystemMenu:
        // Alt+Space opens the system menu; its last entry is "&About resonix...".
        // (Its mnemonic would do on Windows; Wine's menu has an "About Wine" before it.)
        pressKey(VK_SPACE, true);
        pressKey(VK_UP);
        pressKey(VK_RETURN);
        break;
    }
    HWND about = program.waitForWindow(L"About resonix");
    if (!CHECK_TRUE(about != nullptr, "the About box opens")) return;
    activate(about);
    CHECK_TRUE(!IsWindowEnabled(main), "the main window is disabled under the About box");
    CHECK_EQ_TEXT(focusedControlId(about), IDOK, "focus on \"Return\"");
    CHECK_EQ_TEXT(controlText(about, IDOK), std::wstring(L"Return"), "the button");
    CHECK_TRUE(visibleIds(about) == (std::set<int>{IDOK, IDC_WEBLINK}), "the button and the link show");

    if (followLink) {
        const int before = openedCount(options.openedFile);
        click(about, IDC_WEBLINK);
        CHECK_TRUE(waitForOpened(options.openedFile, before + 1), "a click on the link opens its address");
        activate(about);
        checkTabCycle(about, {IDOK, IDC_WEBLINK}, "the About box");
        if (focusedControlId(about) != IDC_WEBLINK) pressKey(VK_TAB);
        CHECK_EQ_TEXT(focusedControlId(about), IDC_WEBLINK, "the link is a tab stop");
        pressKey(VK_RETURN);
        CHECK_TRUE(waitForOpened(options.openedFile, before + 2), "Enter on the link opens its address");
        pressKey(VK_SPACE);
        CHECK_TRUE(waitForOpened(options.openedFile, before + 3), "Space on the link opens its address");
        CHECK_TRUE(program.findWindowNow(L"About resonix") == about, "the box stays open after the link");
        pressKey(VK_TAB);  // back to "Return" for the ways out that need it
    }

    activate(about);
    switch (out) {
    case WayOut::ReturnButton: click(about, IDOK); break;
    case WayOut::Enter: pressKey(VK_RETURN); break;
    case WayOut::Escape: pressKey(VK_ESCAPE); break;
    case WayOut::CloseBox: CHECK_TRUE(clickCloseBox(about), "the About box has a close box"); break;
    }
    CHECK_TRUE(program.waitForWindowGone(L"About resonix"), "the About box closes");
    CHECK_TRUE(program.findWindowNow(kMainTitle) == main, "the main window stays open");
    CHECK_TRUE(IsWindowEnabled(main), "the main window is enabled again");
}

// ---- The main window ----

void mainWindowAndCalculators(const GuiOptions& options) {
    check::beginCase("main window, calculators, worked examples");
    ProgramUnderTest program(options.exePath);
    if (!CHECK_TRUE(program.start(), "resonix starts")) return;
    HWND main = program.mainWindow();
    activate(main);
    CHECK_TRUE((listItems(main, IDC_MOTION_LIST) == std::vector<std::wstring>{L"Rotation", L"Translation"}),
               "motion list: Rotation above Translation");
    CHECK_EQ_TEXT(listSelection(main, IDC_MOTION_LIST), LB_ERR, "nothing selected at start");
    CHECK_EQ_TEXT(focusedControlId(main), IDOK, "focus on \"Visit Web Site\" at start");
    CHECK_EQ_TEXT(controlText(main, IDOK), std::wstring(L"Visit Web Site"), "default button");
    CHECK_EQ_TEXT(controlText(main, IDCANCEL), std::wstring(L"Exit"), "exit button");
    checkTabCycle(main, {IDOK, IDCANCEL, IDC_MOTION_LIST}, "the main window");

    size_t row = 0;
    bool byEscape = false;
    while (row < std::size(kExamples)) {
        const Calculator& calculator = *kExamples[row].calculator;
        check::beginCase(std::string("worked examples of ") + narrow(calculator.title));
        HWND window = openCalculator(program, calculator);
        if (!window) return;
        for (; row < std::size(kExamples) && kExamples[row].calculator == &calculator; ++row) {
            check::beginCase(std::string(narrow(calculator.title)) + " example " + std::to_string(row + 1) + " (" +
                             narrow(kExamples[row].input1) + ", " + narrow(kExamples[row].input2) + ")");
            runExample(program, window, kExamples[row], row % 2 == 1);
        }
        if (&calculator == &kTranslation) {
            // Calculate once more, then every control of the window in template order.
            click(window, IDOK);
            checkTabCycle(window,
                          {IDOK, IDCANCEL, IDC_TRA_ANALYSIS, IDC_TRA_INPUT1_LABEL, IDC_TRA_INPUT2_LABEL, IDC_TRA_INPUT1,
                           IDC_TRA_INPUT2, IDC_TRA_UNITS1, IDC_TRA_UNITS2, IDC_TRA_RESULTS, IDC_TRA_RESULTS_TITLE,
                           IDC_TRA_DEFLECTION},
                          "the Translation window after Calculate");
        }
        closeCalculator(program, calculator, window, byEscape);
        byEscape = !byEscape;
    }

    check::beginCase("a calculator opened again starts afresh");
    HWND again = openCalculator(program, kTranslation);
    if (again) closeCalculator(program, kTranslation, again, true);
}

void waysToEnd(const GuiOptions& options) {
    enum class Way { ExitButton, Escape, CloseBox };
    const struct {
        Way way;
        const char* name;
    } ways[] = {{Way::ExitButton, "\"Exit\""}, {Way::Escape, "Escape"}, {Way::CloseBox, "the close box"}};
    for (const auto& end : ways) {
        check::beginCase(std::string("the program ends by ") + end.name);
        ProgramUnderTest program(options.exePath);
        if (!CHECK_TRUE(program.start(), "resonix starts")) continue;
        HWND main = program.mainWindow();
        activate(main);
        switch (end.way) {
        case Way::ExitButton: click(main, IDCANCEL); break;
        case Way::Escape: pressKey(VK_ESCAPE); break;
        case Way::CloseBox: CHECK_TRUE(clickCloseBox(main), "the main window has a close box"); break;
        }
        CHECK_TRUE(program.waitForExit(), "the program ends");
    }
}

// ---- Unit names wider than their list ----

const std::wstring kTooltipClass = L"tooltips_class32";

// A unit name that its list cuts shows whole in a tooltip while the pointer
// rests on it, and one that fits shows none. The list still chooses by
// keyboard and mouse, and tells the window, which blanks the results.
void unitNameTips(const GuiOptions& options) {
    check::beginCase("a unit name cut by its list shows whole in a tooltip");
    ProgramUnderTest program(options.exePath);
    if (!CHECK_TRUE(program.start(), "resonix starts")) return;
    const Calculator& c = kRotation;
    HWND window = openCalculator(program, c);
    if (!window) return;
    choose(window, c.analysis, 0);
    typeInto(window, c.input1, L"10");
    typeInto(window, c.input2, L"100");
    choose(window, c.units1, L"slugs ft^2");
    pressKey(VK_RETURN);  // Calculate, with the focus left in the list
    CHECK_TRUE(soon([&] { return controlText(window, c.results) != kBlank; }), "Enter in the list calculates");
    const std::vector<std::wstring> units = listItems(window, c.units1);
    if (!CHECK_TRUE(units.size() > 2, "units listed")) return;

    // The pointer rests on item 1 since it was chosen: longer than the tooltip's pause.
    Sleep(1500);
    CHECK_TRUE(!program.findWindowOfClass(kTooltipClass), "no tooltip over " + narrow(units[1]) + ", which fits");
    pointAtListItem(window, c.units1, 0);
    HWND tip = nullptr;
    CHECK_TRUE(soon([&] { return (tip = program.findWindowOfClass(kTooltipClass)) != nullptr; }),
               "a tooltip over " + narrow(units[0]) + ", which the list cuts");
    if (tip) CHECK_EQ_TEXT(windowText(tip), units[0], "the tooltip's text");
    CHECK_EQ_TEXT(listSelection(window, c.units1), 1, "the selection where the pointer rests");
    pressKey(VK_DOWN);
    CHECK_EQ_TEXT(listSelection(window, c.units1), 2, "Down chooses the next unit");
    CHECK_EQ_TEXT(textSoon(window, c.results, kBlank), kBlank, "a new unit blanks the results");
    choose(window, c.units1, 0);
}

// ---- The same texts as the Linux build, for random inputs ----

std::wstring unescaped(const std::string& field) {
    std::wstring text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 1 < field.size()) {
            const char next = field[++i];
            text += next == 'r' ? L'\r' : next == 'n' ? L'\n' : static_cast<wchar_t>(next);
        } else {
            text += static_cast<wchar_t>(static_cast<unsigned char>(field[i]));
        }
    }
    return text;
}

std::vector<std::wstring> fieldsOf(const std::string& line) {
    std::vector<std::wstring> fields;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(unescaped(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start)));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

// Each line a Calculate: what the user chooses and types, and what the
// window then shows on Linux. Lines of one calculator run in one opening.
void sameTextsAsLinux(const GuiOptions& options) {
    check::beginCase("the texts of the Linux build, for random inputs");
    std::ifstream in{std::filesystem::path(options.linuxTexts)};
    std::vector<std::vector<std::wstring>> cases;
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) cases.push_back(fieldsOf(line));
    if (!CHECK_TRUE(!cases.empty(), "cases read from " + narrow(options.linuxTexts))) return;
    ProgramUnderTest program(options.exePath);
    if (!CHECK_TRUE(program.start(), "resonix starts")) return;
    for (std::size_t row = 0; row < cases.size();) {
        if (!CHECK_EQ_TEXT(cases[row].size(), std::size_t{11}, "fields of case " + std::to_string(row + 1))) return;
        const Calculator& c = cases[row][0] == L"T" ? kTranslation : kRotation;
        HWND window = openCalculator(program, c);
        if (!window) return;
        for (; row < cases.size() && cases[row].size() == 11 && (cases[row][0] == L"T") == (&c == &kTranslation); ++row) {
            const std::vector<std::wstring>& f = cases[row];
            check::beginCase(narrow(c.title) + " random case " + std::to_string(row + 1) + " (" + narrow(f[4]) + ", " + narrow(f[5]) + ")");
            choose(window, c.analysis, std::stoi(f[1]));
            choose(window, c.units1, std::stoi(f[2]));
            choose(window, c.units2, std::stoi(f[3]));
            typeInto(window, c.input1, f[4]);
            typeInto(window, c.input2, f[5]);
            click(window, IDOK);
            CHECK_EQ_TEXT(textSoon(window, c.input1, f[6]), f[6], "echo of input 1");
            CHECK_EQ_TEXT(textSoon(window, c.input2, f[7]), f[7], "echo of input 2");
            CHECK_EQ_TEXT(textSoon(window, c.resultsTitle, f[8]), f[8], "results title");
            CHECK_EQ_TEXT(textSoon(window, c.results, f[9]), f[9], "results");
            if (c.deflection && f[10] != L"-") CHECK_EQ_TEXT(controlText(window, c.deflection), f[10], "deflection");
            checkTextsShowWhole(program, window, "after Calculate");
        }
        closeCalculator(program, c, window, false);
    }
}

}  // namespace

void runGuiCases(const GuiOptions& options) {
    if (!options.linuxTexts.empty()) sameTextsAsLinux(options);
    mainWindowAndCalculators(options);
    unitNameTips(options);
    aboutBox(options, WayIn::VisitButton, WayOut::ReturnButton, "\"Visit Web Site\", then \"Return\"", true);
    aboutBox(options, WayIn::EnterOnButton, WayOut::Enter, "Enter on \"Visit Web Site\", then Enter", false);
    aboutBox(options, WayIn::EnterInList, WayOut::CloseBox, "Enter in the motion list, then the close box", false);
    aboutBox(options, WayIn::SystemMenu, WayOut::Escape, "the system menu's About entry, then Escape", false);
    waysToEnd(options);
}

void savePictures(const std::wstring& exePath, const std::wstring& folder, const std::wstring& suffix) {
    check::beginCase("pictures at " + narrow(suffix) + " dots per inch");
    ProgramUnderTest program(exePath);
    if (!CHECK_TRUE(program.start(), "resonix starts")) return;
    auto save = [&](HWND window, const wchar_t* name) {
        const std::wstring path = folder + L"\\windows-" + name + L"-" + suffix + L".png";
        if (CHECK_TRUE(window && saveWindowPicture(window, path), "picture " + narrow(path) + " saved"))
            checkTextsShowWhole(program, window, "in the picture " + narrow(name));
    };
    HWND main = program.mainWindow();
    activate(main);
    save(main, L"main");
    click(main, IDOK);
    HWND about = program.waitForWindow(L"About resonix");
    if (about) activate(about);
    save(about, L"about");
    if (about) pressKey(VK_ESCAPE);
    program.waitForWindowGone(L"About resonix");
    for (const Example* example : {&kExamples[0], &kExamples[4]}) {
        const Calculator& c = *example->calculator;
        activate(main);
        clickListItem(main, IDC_MOTION_LIST, c.motionIndex);
        HWND window = program.waitForWindow(c.title);
        if (!CHECK_TRUE(window != nullptr, narrow(c.title) + " opens")) continue;
        activate(window);
        choose(window, c.analysis, example->analysis);
        choose(window, c.units1, example->unit1);
        choose(window, c.units2, example->unit2);
        typeInto(window, c.input1, example->input1);
        typeInto(window, c.input2, example->input2);
        click(window, IDOK);
        textSoon(window, c.input1, example->echo1);
        save(window, &c == &kTranslation ? L"translation" : L"rotation");
        if (&c == &kRotation) {
            // The first inertia unit, whole in its tooltip.
            pointAtListItem(window, c.units1, 0);
            CHECK_TRUE(soon([&] { return program.findWindowOfClass(kTooltipClass) != nullptr; }), "a unit name's tooltip");
            save(window, L"rotation-tip");
        }
        pressKey(VK_ESCAPE);
        program.waitForWindowGone(c.title);
    }
}
