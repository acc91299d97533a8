#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QAction;
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
// The toolkit gives each window its own menu bar object; they are all built
// from this definition and follow its item texts, so a text change made from
// any window shows in every window. The commands of a bar go to the window
// that carries it.
class Menu : public QObject
{
    Q_OBJECT
public:
    static Menu &instance();

    // Builds the menu bar of a window; its commands go to target.
    QMenuBar *createMenuBar(QWidget *window, MenuTarget *target);

    // The item of the given name ("aboutZARN", "MouseTipsMenu", ...) in a
    // window's menu bar, or nullptr.
    static QAction *item(QWidget *window, const QString &name);

    // What Quit does: ends the program. Replaceable in tests.
    static std::function<void()> quitHandler;

    QString mouseTipsText() const { return m_mouseTipsText; }
    void setMouseTipsText(const QString &text);

Q_SIGNALS:
    void mouseTipsTextChanged(const QString &text);

private:
    Menu() = default;
    QString m_mouseTipsText = QStringLiteral("Mouse Tips On");
};
