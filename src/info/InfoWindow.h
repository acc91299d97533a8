#pragma once

#include <QWidget>

// Stand-in: the full window is being built separately.
class InfoWindow : public QWidget
{
    Q_OBJECT
public:
    // The one live window, created (and opened) on first use.
    static InfoWindow *instance();
    static InfoWindow *existing();

private:
    InfoWindow();
};
