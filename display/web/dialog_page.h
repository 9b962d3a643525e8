#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "portable/control_role.h"
#include "display/web/accessible_names.h"
#include "windowing/display.h"

class DialogWindow;
class ResultsAnnouncer;

// One dialog on the page: its frame and one HTML control per control. It
// mirrors the window system's state into the page; the page reports no
// change that the program made as user input. It tells the dialog's names
// and its results announcer what changed.
class DialogPage {
public:
    explicit DialogPage(HWND dialog);
    ~DialogPage();
    DialogPage(const DialogPage&) = delete;
    DialogPage& operator=(const DialogPage&) = delete;

    HWND dialog() const { return m_dialog; }
    DialogWindow* window() const;
    // The client area the template gives the window.
    POINT clientSize() const { return m_clientSize; }

    void changed(HWND window, Change change);
    // Puts the window system's state of `window` back on the page, for input
    // that the window system refused.
    void remirror(HWND window);
    void mirrorFocus();
    // The program has done with an input: the names and the announcement
    // follow what it wrote.
    void flush();

private:
    struct Shown {
        HWND handle;
        ControlRole role;
    };

    const Shown* controlFor(HWND handle) const;
    // Whether there were any.
    bool addNewControls();
    void nameAll();
    void mirrorText(HWND window);
    void mirrorVisibility(HWND window);
    void mirrorEnabled(HWND window);
    void mirrorItems(HWND list);
    void mirrorSelection(HWND list);
    void mirrorIcon();
    void mirrorMenu();
    void mirrorPlacement();
    void showPaint();
    void updateDefaultButton();

    HWND m_dialog;
    POINT m_clientSize;
    std::vector<Shown> m_controls;
    std::map<HWND, std::vector<std::string>> m_shownItems;
    std::map<HWND, AccessibleName> m_names;
    HWND m_defaultButton = nullptr;
    bool m_minimized = false;
    bool m_namesStale = false;
    std::unique_ptr<ResultsAnnouncer> m_announcer;
};
