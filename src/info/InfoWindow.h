#pragma once

#include "app/Menu.h"

#include <QMainWindow>

class PictureCanvas;
class QLabel;
class QPushButton;
class QTabWidget;

// The instructions: seven pages of text and pictures and a "Close" button.
// Its menu answers About, Licence and Quit.
class InfoWindow : public QMainWindow, public MenuTarget
{
    Q_OBJECT
public:
    // The one live window, created (and opened) on first use.
    static InfoWindow *instance();
    static InfoWindow *existing();

    static const QStringList PageCaptions;

    QPushButton *PushButton1 = nullptr;
    QTabWidget *TabPanel1 = nullptr;

    bool aboutZARN_Action() override;
    bool ZARNLic_Action() override;

private:
    InfoWindow();
    void createPages();
    void PushButton1_Action();
};
