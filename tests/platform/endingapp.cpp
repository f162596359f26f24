// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Opens a few windows and ends itself through CloseAllAndEnd, reporting on standard
// output (buffered, as a pipe makes it) which windows it listed and which it closed.
//   plain      CloseAllAndEnd from an event handler
//   reentrant  a window whose close runs CloseAllAndEnd again, as the exit screen's does
//   deleting   the first window closed deletes all the others
//   none       no window at all

#include "app/CloseAllAndEnd.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

std::vector<QWidget*> g_windows;
const char* g_mode = "";

class Window final : public QWidget {
public:
    explicit Window(const char* name) { setObjectName(QString::fromLatin1(name)); }
    ~Window() override {
        std::printf("deleted %s\n", qPrintable(objectName()));
        std::erase(g_windows, this);
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        std::printf("closed %s\n", qPrintable(objectName()));
        event->accept();
        if (std::strcmp(g_mode, "reentrant") == 0 && objectName() == QLatin1String("exit"))
            orbelle::modHelp::CloseAllAndEnd();
        if (std::strcmp(g_mode, "deleting") == 0) {
            const std::vector<QWidget*> others = g_windows;
            for (QWidget* other : others) {
                if (other != this)
                    delete other;
            }
        }
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2)
        return 2;
    g_mode = argv[1];
    if (std::strcmp(g_mode, "none") != 0) {
        for (const char* name : {"main", "about", "exit", "spare"}) {
            auto* window = new Window(name);
            g_windows.push_back(window);
            window->show();
        }
    }
    QTimer::singleShot(0, [] {
        std::printf("listed");
        for (QWidget* window : QApplication::topLevelWidgets())
            std::printf(" %s", qPrintable(window->objectName()));
        std::printf("\n");
        if (std::strcmp(g_mode, "reentrant") == 0) {
            for (QWidget* window : g_windows) {
                if (window->objectName() == QLatin1String("exit"))
                    window->close();
            }
        } else {
            orbelle::modHelp::CloseAllAndEnd();
        }
        std::printf("after the call\n");
    });
    const int status = application.exec();
    std::printf("event loop returned\n");
    return status == 0 ? 3 : status;
}
