// The floor for the start-up benchmark: a Qt Widgets program that shows one empty
// main window and ends after its first paint, as orbelle_startbench does.
//   orbelle_barewindow [WIDTHxHEIGHT]   (default 561x378)

#include "FirstPaint.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QWidget>

#include <cstdio>

int main(int argc, char* argv[]) {
    int width = 561;
    int height = 378;
    if (argc > 1 && std::sscanf(argv[1], "%dx%d", &width, &height) != 2) {
        std::fprintf(stderr, "usage: %s [WIDTHxHEIGHT]\n", argv[0]);
        return 64;
    }

    QApplication application(argc, argv);
    orbelle::bench::QuitAfterFirstPaint firstPaint;
    application.installEventFilter(&firstPaint);
    orbelle::bench::failWithoutPaint();

    QMainWindow window;
    auto* client = new QWidget(&window);
    window.setCentralWidget(client);
    window.setFixedSize(width, height);
    // Centred, as the program places its window.
    if (const QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
