#include "info/AquaAboutBox.h"

#include <QPointer>

namespace {
QPointer<AquaAboutBox> s_instance;
}

AquaAboutBox::AquaAboutBox()
{
    setObjectName(QStringLiteral("AquaAboutBox"));
    setAttribute(Qt::WA_DeleteOnClose);
}

AquaAboutBox *AquaAboutBox::instance()
{
    if (!s_instance)
        s_instance = new AquaAboutBox;
    return s_instance.data();
}

AquaAboutBox *AquaAboutBox::existing()
{
    return s_instance.data();
}
