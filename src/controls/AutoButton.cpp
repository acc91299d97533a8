#include "controls/AutoButton.h"

// Stand-in: the full control is being built separately.
AutoButton::AutoButton(QWidget *parent) : QWidget(parent) {}

void AutoButton::runOpen()
{
    Q_EMIT open();
}
