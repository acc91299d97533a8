#include "app/App.h"

App::App(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("ZARN Dozi"));
    setApplicationVersion(QStringLiteral(ZARN_VERSION));
}

int App::run(int argc, char *argv[])
{
    App app(argc, argv);
    return app.exec();
}
