// Density drill: one window, ten questions.
#include <QApplication>

#include "window/QuizWindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("density-drill");
    QGuiApplication::setDesktopFileName(DRILL_APP_ID);
    QuizWindow window;
    window.ShowCentred();
    return QApplication::exec();
}
