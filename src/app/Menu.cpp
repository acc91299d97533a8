#include "app/Menu.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>

// Stand-in: the full menu is being built separately.
Menu &Menu::instance()
{
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
    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("FileMenu"));
    help->addAction(QStringLiteral("About ZARN Dozi"), window, [target] { target->aboutZARN_Action(); });
    help->addAction(QStringLiteral("License Agreement "), window, [target] { target->ZARNLic_Action(); });
    help->addAction(QStringLiteral("Instructions"), window, [target] { target->instructionsmenu_Action(); });
    help->addAction(m_mouseTipsText, window, [target] { target->MouseTipsMenu_Action(); });
    help->addAction(QStringLiteral("Quit"), QKeySequence::Quit, qApp, &QApplication::quit);
    return bar;
}
