#pragma once

#include <QWidget>

// Stand-in: the full window is being built separately.
class License : public QWidget
{
    Q_OBJECT
public:
    // The one live window, created (and opened) on first use.
    static License *instance();
    static License *existing();

private:
    License();
};
