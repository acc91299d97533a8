#pragma once

#include <QApplication>

// The application object. It holds no state; run() is the program entry.
class App : public QApplication
{
    Q_OBJECT
public:
    App(int &argc, char **argv);

    // Creates the application, shows the splash screen and runs the event
    // loop; returns the toolkit's exit code.
    static int run(int argc, char *argv[]);
    // The program's style, palette and style cache, for any QApplication
    // (tests that run the windows as the program does).
    static void applyLook();
    // Gives every window the program's icon: the splash's preparation or the
    // main window, whichever comes first (later calls do nothing).
    static void useProgramIcon();
};
