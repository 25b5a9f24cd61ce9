// Density drill: one window, ten questions.
#include <QApplication>
#include <cstdio>

#include "window/QuizWindow.h"

int main(int argc, char* argv[]) {
    // Without any display the toolkit would abort with a page of advice;
    // one plain line serves better. (A chosen platform, such as offscreen,
    // needs no display.)
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("density-drill: no display to open the window on (DISPLAY is not set)\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("density-drill");
    QGuiApplication::setDesktopFileName(DRILL_APP_ID);
    QuizWindow window;
    window.ShowCentred();
    return QApplication::exec();
}
