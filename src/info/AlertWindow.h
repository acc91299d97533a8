#pragma once

#include <QDialog>

// The one warning of the program: a modal alert with a stop icon, its message
// and "OK". Each alert is a fresh window.
class AlertWindow : public QDialog
{
    Q_OBJECT
public:
    explicit AlertWindow(QWidget *parent = nullptr);
    // Shows the alert modally and returns when it is closed.
    static void showAlert();
    static AlertWindow *existing();
};
