#include "app/App.h"

#include "app/Pictures.h"
#include "app/StartupScreen.h"

#include <QIcon>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

App::App(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("ZARN Dozi"));
    setApplicationVersion(QStringLiteral(ZARN_VERSION));
    setDesktopFileName(QStringLiteral("zarn"));
    // The windows are drawn on light backdrops of their own: keep a light
    // palette whatever the desktop theme is.
    setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    setPalette(style()->standardPalette());
    setQuitOnLastWindowClosed(true);
}

int App::run(int argc, char *argv[])
{
    App app(argc, argv);
    StartupScreen *splash = StartupScreen::instance();
    splash->show();
    splash->repaint(); // drawn at once, before any event is handled
    // The frameless splash shows no icon: rendering it waits until the
    // splash is up.
    app.setWindowIcon(QIcon(QPixmap::fromImage(Pics::icon64x64()->image())));
    return app.exec();
}
