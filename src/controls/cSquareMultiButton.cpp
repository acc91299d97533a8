#include "controls/cSquareMultiButton.h"

#include <QMouseEvent>
#include <QPainter>

// Stand-in: the full control is being built separately.
cSquareMultiButton::cSquareMultiButton(QWidget *parent) : QWidget(parent) {}

void cSquareMultiButton::Additem(const QString &text)
{
    sName << text;
    bButtonEnabled << true;
    bButtonVal << false;
    update();
}

void cSquareMultiButton::EnableButton(int index, bool enabled)
{
    if (index >= 0 && index < bButtonEnabled.size())
        bButtonEnabled[index] = enabled;
    update();
}

void cSquareMultiButton::runOpen()
{
    Q_EMIT Open();
}
