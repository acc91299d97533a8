#pragma once

#include "app/Menu.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The one warning of the program: a modal alert with a stop icon, its message
// and "OK". Each alert is a fresh window; only Quit works in its menu.
class AlertWindow : public QDialog, public MenuTarget
{
    Q_OBJECT
public:
    // Shows a fresh alert modally and returns when it is closed.
    static void showAlert();
    static AlertWindow *existing();

    QPushButton *PushButton1 = nullptr;
    QWidget *Canvas3 = nullptr;
    QLabel *StaticText1 = nullptr;
    QLabel *StaticText2 = nullptr;

private:
    AlertWindow();
    void PushButton1_Action();
};
