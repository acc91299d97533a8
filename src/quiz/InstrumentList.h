#pragma once

#include <QListWidget>

// The list of the 128 General MIDI instruments. It paints its rows itself,
// keeps its own highlighted row (the window's Highlight) and sets the
// instrument when the mouse button is released.
class InstrumentList : public QListWidget
{
    Q_OBJECT
public:
    explicit InstrumentList(QWidget *parent = nullptr);

    // The highlighted row lives in the window; the list reads and writes it here.
    int *highlight = nullptr;

    // The opening step: adds the 128 rows.
    void runOpen();

    static QString instrumentName(int program); // 1..128

Q_SIGNALS:
    void InstrumentChanged(int program);
};
