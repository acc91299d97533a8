#pragma once

#include "app/Menu.h"

#include <QMainWindow>

class QPlainTextEdit;
class QPushButton;

// The licence agreement: the program's licence in a scrolling text area.
// Its menu answers About and Quit.
class License : public QMainWindow, public MenuTarget
{
    Q_OBJECT
public:
    // The one live window, created (and opened) on first use.
    static License *instance();
    static License *existing();

    // The licence the program is distributed under, as compiled in.
    static QString licenceText();

    QPlainTextEdit *EditField1 = nullptr;
    QPushButton *PushButton1 = nullptr;

    bool aboutZARN_Action() override;

private:
    License();
    void PushButton1_Action();
};
