// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for the start-up benchmark: a Qt Widgets program that shows one empty
// main window and ends after its first paint, as orbelle_startbench does.
//   orbelle_barewindow [--menu-bar] [WIDTHxHEIGHT]   (default 561x378)
// --menu-bar gives the empty window the program's four menu titles and nothing else:
// the least text that any window of the program draws, as a reference for how much of
// the start-up goes to drawing text at all.

#include "FirstPaint.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QWidget>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    int width = 561;
    int height = 378;
    int next = 1;
    const bool withMenuBar = argc > next && std::strcmp(argv[next], "--menu-bar") == 0;
    if (withMenuBar)
        ++next;
    if (argc > next + 1 || (argc > next && std::sscanf(argv[next], "%dx%d", &width, &height) != 2)) {
        std::fprintf(stderr, "usage: %s [--menu-bar] [WIDTHxHEIGHT]\n", argv[0]);
        return 64;
    }

    QApplication application(argc, argv);
    orbelle::bench::QuitAfterFirstPaint firstPaint;
    application.installEventFilter(&firstPaint);
    orbelle::bench::failWithoutPaint();

    QMainWindow window;
    auto* client = new QWidget(&window);
    window.setCentralWidget(client);
    if (withMenuBar) {
        QMenuBar* bar = window.menuBar();
        bar->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
        bar->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About Software"));
        bar->addAction(QStringLiteral("&Donate"));
        bar->addAction(QStringLiteral("Make Money &Online"))->setEnabled(false);
    }
    window.setFixedSize(width, height);
    // Centred, as the program places its window.
    if (const QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
