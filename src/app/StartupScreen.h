#pragma once

#include <QWidget>

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
    bool m_handedOver = false;
};
