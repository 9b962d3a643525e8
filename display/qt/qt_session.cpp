#include "display/qt/qt_session.h"

#include <QApplication>
#include <clocale>

#include "display/qt/qt_display.h"
#include "portable/first_paint_report.h"
#include "windowing/window_system.h"

struct QtSession::Impl {
    Impl(int& argc, char** argv) : application(argc, argv) {
        // Constructing QApplication switched the process to the user's locale.
        // The program reads and prints its numbers with its own code, which
        // takes no locale; the C library's stay in "C" all the same.
        std::setlocale(LC_NUMERIC, "C");
        // Windows close only when the program ends their modal runs.
        QApplication::setQuitOnLastWindowClosed(false);
        // The installed menu entry's name: the desktop finds the program's
        // entry and icon for its windows by it.
        QGuiApplication::setDesktopFileName(QStringLiteral("org.example.resonix"));
        display = std::make_unique<QtDisplay>();
        display->setReportsFirstPaint(FirstPaintReport::wanted());
        WindowSystem::instance().setDisplay(display.get());
    }

    QApplication application;
    std::unique_ptr<QtDisplay> display;
};

QtSession::QtSession(int& argc, char** argv) : m_impl(std::make_unique<Impl>(argc, argv)) {}

QtSession::~QtSession() = default;
