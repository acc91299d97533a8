#pragma once

#include <QWidget>

// Stand-in: the full window is being built separately.
class AquaAboutBox : public QWidget
{
    Q_OBJECT
public:
    // The one live window, created (and opened) on first use.
    static AquaAboutBox *instance();
    static AquaAboutBox *existing();

private:
    AquaAboutBox();
};
