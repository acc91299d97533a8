#include "info/AlertWindow.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

// Stand-in: the full alert is being built separately.
namespace {
QPointer<AlertWindow> s_alert;
}

AlertWindow::AlertWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AlertWindow"));
    setWindowTitle(QStringLiteral("Alert!"));
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(382, 108);
    auto *text = new QLabel(QStringLiteral("At least one interval must be selected!"), this);
    text->setObjectName(QStringLiteral("StaticText2"));
    text->setGeometry(80, 36, 222, 20);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("PushButton1"));
    ok->setGeometry(298, 72, 69, 20);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AlertWindow::showAlert()
{
    s_alert = new AlertWindow;
    s_alert->exec();
}

AlertWindow *AlertWindow::existing()
{
    return s_alert.data();
}
