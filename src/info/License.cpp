#include "info/License.h"

#include "info/AquaAboutBox.h"
#include "info/BackdropPanel.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

namespace {
QPointer<License> s_instance;

QFont systemFont(int pixels)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixels);
    return font;
}
} // namespace

QString License::licenceText()
{
    QFile file(QStringLiteral(":/LICENSE"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll());
}

License::License()
{
    setObjectName(QStringLiteral("License"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("License Agreement"));
    // No minimise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setMenuBar(Menu::instance().createMenuBar(this, this));
    auto *c = new BackdropPanel(this, QColor(0xC3, 0xC7, 0xC7));
    c->setObjectName(QStringLiteral("content"));
    c->setFixedSize(743, 640);
    setCentralWidget(c);

    EditField1 = new QPlainTextEdit(c);
    EditField1->setObjectName(QStringLiteral("EditField1"));
    EditField1->setGeometry(25, 7, 694, 595);
    EditField1->setFont(systemFont(12));
    // Nothing reads the text back, so typing into it would only mislead.
    EditField1->setReadOnly(true);
    EditField1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    EditField1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QPalette white = EditField1->palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Text, Qt::black);
    EditField1->setPalette(white);
    EditField1->setPlainText(licenceText());

    PushButton1 = new QPushButton(QStringLiteral("Close"), c);
    PushButton1->setObjectName(QStringLiteral("PushButton1"));
    PushButton1->setGeometry(333, 611, 70, 20);
    PushButton1->setFont(systemFont(12));
    PushButton1->setDefault(true);
    connect(PushButton1, &QPushButton::clicked, this, &License::PushButton1_Action);

    adjustSize();
    setFixedSize(size());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void License::PushButton1_Action()
{
    close();
}

bool License::aboutZARN_Action()
{
    AquaAboutBox *box = AquaAboutBox::instance();
    box->show();
    box->raise();
    box->activateWindow();
    return false;
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
