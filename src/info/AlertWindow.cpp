#include "info/AlertWindow.h"

#include "app/Pictures.h"
#include "controls/SimpleControls.h"
#include "info/BackdropPanel.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStyle>

namespace {
QPointer<AlertWindow> s_alert;

const QString Message = QStringLiteral("At least one interval must be selected!");

QFont systemFont(int pixels)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixels);
    return font;
}

// Draws the platform's standard stop icon at its top-left corner.
class StopIconCanvas : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QIcon icon = style()->standardIcon(QStyle::SP_MessageBoxCritical, nullptr, this);
        const int side = std::min(width(), height()) - 4;
        p.drawPixmap(0, 0, icon.pixmap(QSize(side, side), devicePixelRatioF()));
    }
};
} // namespace

AlertWindow::AlertWindow()
{
    setObjectName(QStringLiteral("AlertWindow"));
    setWindowTitle(QStringLiteral("Alert!"));
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose);
    QWidget *c = BackdropPanel::install(this, Menu::instance().createMenuBar(this, this),
                                        QSize(382, 108), QColor(0xCB, 0xCC, 0xD2),
                                        Pics::Instructions());
    c->setObjectName(QStringLiteral("content"));

    PushButton1 = new QPushButton(QStringLiteral("OK"), c);
    PushButton1->setObjectName(QStringLiteral("PushButton1"));
    PushButton1->setGeometry(298, 72, 69, 20);
    PushButton1->setFont(systemFont(12));
    PushButton1->setDefault(true);
    PushButton1->setAutoDefault(false);
    connect(PushButton1, &QPushButton::clicked, this, &AlertWindow::PushButton1_Action);

    Canvas3 = new StopIconCanvas(c);
    Canvas3->setObjectName(QStringLiteral("Canvas3"));
    Canvas3->setGeometry(15, 30, 36, 36);
    makeMouseTransparent(Canvas3);

    // A white copy one pixel down and right, under the message, reads as a
    // highlight.
    // The message was measured for a narrower system font; where the font
    // here is wider the texts grow to the right rather than lose their end.
    const int textWidth =
        std::max(222, QFontMetrics(systemFont(12)).horizontalAdvance(Message) + 4);
    StaticText1 = new QLabel(Message, c);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setGeometry(81, 37, textWidth, 20);
    StaticText1->setFont(systemFont(12));
    QPalette white = StaticText1->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    StaticText1->setPalette(white);
    makeMouseTransparent(StaticText1);

    StaticText2 = new QLabel(Message, c);
    StaticText2->setObjectName(QStringLiteral("StaticText2"));
    StaticText2->setGeometry(80, 36, textWidth, 20);
    StaticText2->setFont(systemFont(12));
    QPalette black = StaticText2->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    StaticText2->setPalette(black);
    makeMouseTransparent(StaticText2);
}

void AlertWindow::showAlert()
{
    s_alert = new AlertWindow;
    // The dialog deletes itself on closing, after exec() has returned.
    s_alert->exec();
}

AlertWindow *AlertWindow::existing()
{
    return s_alert.data();
}

void AlertWindow::PushButton1_Action()
{
    close();
}
