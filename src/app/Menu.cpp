#include "app/Menu.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

std::function<void()> Menu::quitHandler = [] { QCoreApplication::quit(); };

Menu &Menu::instance()
{
    // Lives until the program ends, like the windows' menus that follow it.
    static Menu *menu = new Menu;
    return *menu;
}

void Menu::setMouseTipsText(const QString &text)
{
    if (text == m_mouseTipsText)
        return;
    m_mouseTipsText = text;
    Q_EMIT mouseTipsTextChanged(text);
}

QMenuBar *Menu::createMenuBar(QWidget *window, MenuTarget *target)
{
    auto *bar = new QMenuBar(window);
    bar->setObjectName(QStringLiteral("Menu"));
    // One menu for every window; a bar of its own on each window keeps the
    // platform's menu integration working.
    bar->setNativeMenuBar(true);

    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("FileMenu"));
    // A window may change item texts just before its menu shows.
    connect(help, &QMenu::aboutToShow, window, [target] { target->EnableMenuItems(); });

    auto add = [&](const char *name, const QString &text, auto command) {
        QAction *action = help->addAction(text);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, window, [target, command] { (target->*command)(); });
        return action;
    };
    add("aboutZARN", QStringLiteral("About ZARN Dozi"), &MenuTarget::aboutZARN_Action);
    add("ZARNLic", QStringLiteral("License Agreement "), &MenuTarget::ZARNLic_Action);
    add("instructionsmenu", QStringLiteral("Instructions"), &MenuTarget::instructionsmenu_Action);
    QAction *tips = add("MouseTipsMenu", m_mouseTipsText, &MenuTarget::MouseTipsMenu_Action);
    connect(this, &Menu::mouseTipsTextChanged, tips, &QAction::setText);

    QAction *quit = help->addAction(QStringLiteral("Quit"));
    quit->setObjectName(QStringLiteral("FileQuit"));
    // Platforms without a standard quit key (some offer none) get Ctrl+Q.
    QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    if (quitKeys.isEmpty())
        quitKeys << QKeySequence(Qt::CTRL | Qt::Key_Q);
    quit->setShortcuts(quitKeys);
    quit->setMenuRole(QAction::QuitRole);
    // Queued so that a window whose menu is still open is not torn down
    // under the menu's own event handling.
    connect(quit, &QAction::triggered, qApp, [] { quitHandler(); }, Qt::QueuedConnection);
    // The key equivalent also works while the menu is closed.
    window->addAction(quit);
    return bar;
}

QAction *Menu::item(QWidget *window, const QString &name)
{
    if (!window)
        return nullptr;
    auto *bar = window->findChild<QMenuBar *>(QStringLiteral("Menu"));
    return bar ? bar->findChild<QAction *>(name) : nullptr;
}
