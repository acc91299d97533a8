#include "info/AquaAboutBox.h"

#include "app/Picture.h"
#include "app/Pictures.h"
#include "controls/SimpleControls.h"
#include "controls/StaticURL.h"
#include "info/BackdropPanel.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTextEdit>

namespace {
QPointer<AquaAboutBox> s_instance;

QFont systemFont(int pixels, bool bold = false)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

template <class W>
W *place(W *w, const char *objectName, int left, int top, int width, int height)
{
    w->setObjectName(QLatin1String(objectName));
    w->setGeometry(left, top, width, height);
    return w;
}

QLabel *centredText(QWidget *parent, const char *objectName, QRect r, const QFont &font)
{
    auto *label = place(new QLabel(parent), objectName, r.x(), r.y(), r.width(), r.height());
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    makeMouseTransparent(label);
    return label;
}
} // namespace

const QString AquaAboutBox::AuthorAddress = QStringLiteral("mailto:zarn-dozi@users.noreply.invalid");
const QString AquaAboutBox::Copyright = QStringLiteral("\u00A9 2026 The ZARN Dozi developers");

AquaAboutBox::AquaAboutBox()
{
    setObjectName(QStringLiteral("AquaAboutBox"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    // A small box with no title and no minimise button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QString());
    m_content = BackdropPanel::install(this, Menu::instance().createMenuBar(this, this),
                                       QSize(284, 350), Qt::white, Pics::Instructions());
    m_content->setObjectName(QStringLiteral("content"));
    // A click outside the controls closes the box.
    connect(static_cast<BackdropPanel *>(m_content), &BackdropPanel::mouseDown, this,
            [this] { close(); });
    createControls();
    runOpens();

    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void AquaAboutBox::createControls()
{
    QWidget *c = m_content;
    icon = place(new PictureCanvas(c, Pics::icon64x64()), "icon", 110, 13, 64, 64);
    makeMouseTransparent(icon);
    name = centredText(c, "name", {24, 86, 236, 38}, systemFont(14, true));
    version = centredText(c, "version", {24, 132, 236, 12}, systemFont(10));
    description = centredText(c, "description", {34, 152, 216, 39}, systemFont(11));
    credits = place(new QTextEdit(c), "credits", 24, 193, 236, 84);
    credits->setFont(systemFont(10));
    credits->setReadOnly(true);
    credits->setFrameShape(QFrame::NoFrame);
    credits->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    credits->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette white = credits->palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Text, Qt::black);
    credits->setPalette(white);
    toolLogo = place(new QWidget(c), "toolLogo", 37, 284, 210, 4);
    makeMouseTransparent(toolLogo);
    copyright = centredText(c, "copyright", {24, 302, 236, 12}, systemFont(10, true));
    homePage = place(new StaticURL(c), "homePage", 24, 322, 236, 13);
    homePage->setFont(systemFont(10));
    homePage->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_controls = {icon, name, version, description, credits, toolLogo, copyright, homePage};
}

void AquaAboutBox::runOpens()
{
    // icon: the shared picture is drawn without its white.
    Pics::icon64x64()->setTransparent(true);
    name->setText(QStringLiteral("ZARN (Z.A.R.N.)  ZARN Dozi"));
    version->setText(QStringLiteral(ZARN_VERSION));
    description->setText(QStringLiteral(
        "Improves Aural Recognition of Intervals in a Series with Staff Notation."));
    credits->setPlainText(QStringLiteral("Available for both PC and Mac."));
    credits->selectAll();
    credits->setAlignment(Qt::AlignHCenter);
    credits->moveCursor(QTextCursor::Start);
    // The logo strip has nothing to show: it gives its room back.
    hideControl(toolLogo);
    copyright->setText(Copyright);
    connect(homePage, &StaticURL::Open, this, [this] {
        homePage->setText(QStringLiteral("Email the author"));
        homePage->setURL(AuthorAddress);
    });
    homePage->runOpen();
}

void AquaAboutBox::hideControl(QWidget *control)
{
    // Before the box is shown nothing is "visible" yet; what counts is
    // whether the control itself was hidden.
    if (!control || control->isHidden())
        return;
    const auto it = std::find(m_controls.begin(), m_controls.end(), control);
    if (it == m_controls.end() || it + 1 == m_controls.end())
        return;
    const int gap = (*(it + 1))->y() - control->y();
    control->hide();
    for (auto moved = it; moved != m_controls.end(); ++moved)
        (*moved)->move((*moved)->x(), (*moved)->y() - gap);
    m_content->setFixedSize(m_content->width(), m_content->height() - gap);
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
