#pragma once

#include <QObject>

class QMenuBar;
class QWidget;

// What a window answers in the shared Help menu. A command a window has no
// handler for does nothing while that window is frontmost; Quit always quits.
class MenuTarget
{
public:
    virtual ~MenuTarget() = default;
    virtual bool aboutZARN_Action() { return false; }
    virtual bool ZARNLic_Action() { return false; }
    virtual bool instructionsmenu_Action() { return false; }
    virtual bool MouseTipsMenu_Action() { return false; }
    // Called before the menu shows (a window may update item texts here).
    virtual void EnableMenuItems() {}
};

// The one menu definition that every window except the splash carries.
class Menu : public QObject
{
    Q_OBJECT
public:
    static Menu &instance();

    // Builds the menu bar of a window; its commands go to target.
    QMenuBar *createMenuBar(QWidget *window, MenuTarget *target);

    QString mouseTipsText() const { return m_mouseTipsText; }
    void setMouseTipsText(const QString &text);

Q_SIGNALS:
    void mouseTipsTextChanged(const QString &text);

private:
    Menu() = default;
    QString m_mouseTipsText = QStringLiteral("Mouse Tips On");
};
