#include "display/qt/qt_session.h"

#include <QApplication>
#include <clocale>

struct QtSession::Impl {
    Impl(int& argc, char** argv) : application(argc, argv) { std::setlocale(LC_NUMERIC, "C"); }
    QApplication application;
};

QtSession::QtSession(int& argc, char** argv) : m_impl(std::make_unique<Impl>(argc, argv)) {}
QtSession::~QtSession() = default;
