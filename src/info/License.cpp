#include "info/License.h"

#include <QPointer>

namespace {
QPointer<License> s_instance;
}

License::License()
{
    setObjectName(QStringLiteral("License"));
    setAttribute(Qt::WA_DeleteOnClose);
}

License *License::instance()
{
    if (!s_instance)
        s_instance = new License;
    return s_instance.data();
}

License *License::existing()
{
    return s_instance.data();
}
