#pragma once

#include <QList>
#include <QWidget>

#include <functional>

class QTimer;

// The splash window. It hands over to the main window four seconds after it
// opens, or at the first click on it, whichever comes first, exactly once.
class StartupScreen : public QWidget
{
    Q_OBJECT
public:
    static StartupScreen *instance();
    static StartupScreen *existing();

    QTimer *SplashTimer = nullptr;

    void SplashTimer_Action();

Q_SIGNALS:
    // The main window has been created and shown.
    void handedOver();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    StartupScreen();
    void handOver();
    void prepareNext();
    bool m_handedOver = false;
    bool m_preparationStarted = false;
    // What the main window's creation needs, done step by step while the
    // splash is up (see Window1::preparationSteps).
    QList<std::function<void()>> m_preparation;
};
