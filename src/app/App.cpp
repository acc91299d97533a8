#include "app/App.h"

#include "app/Pictures.h"
#include "app/StartupScreen.h"
#include "app/Theme.h"

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
    setPalette(lightPalette());
    setQuitOnLastWindowClosed(true);
}

int App::run(int argc, char *argv[])
{
    App app(argc, argv);
    app.setWindowIcon(QIcon(QPixmap::fromImage(Pics::icon64x64()->image())));
    StartupScreen *splash = StartupScreen::instance();
    splash->show();
    splash->repaint(); // drawn at once, before any event is handled
    return app.exec();
}
