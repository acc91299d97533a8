#include "info/InfoWindow.h"

#include <QPointer>

namespace {
QPointer<InfoWindow> s_instance;
}

InfoWindow::InfoWindow()
{
    setObjectName(QStringLiteral("InfoWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
}

InfoWindow *InfoWindow::instance()
{
    if (!s_instance)
        s_instance = new InfoWindow;
    return s_instance.data();
}

InfoWindow *InfoWindow::existing()
{
    return s_instance.data();
}
