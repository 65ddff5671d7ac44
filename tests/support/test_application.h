#pragma once

#include <QApplication>

#include <cerrno>

// One QApplication for the whole test program, on the offscreen platform so
// that windows open without a display. Named after the test program.
inline QApplication& testApplication()
{
    static int argc = 1;
    static char* argv[] = {program_invocation_short_name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}
