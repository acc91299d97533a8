#include "quiz/InstrumentList.h"

// Stand-in: the full list is being built separately.
InstrumentList::InstrumentList(QWidget *parent) : QListWidget(parent)
{
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            Q_EMIT InstrumentChanged(row + 1);
    });
}

QString InstrumentList::instrumentName(int program)
{
    return QStringLiteral("Program %1").arg(program);
}

void InstrumentList::runOpen()
{
    for (int i = 1; i <= 128; ++i)
        addItem(QStringLiteral("  ") + instrumentName(i));
}
