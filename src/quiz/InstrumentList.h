#pragma once

#include <QListWidget>
#include <QPoint>

class QTimer;

// The list of the 128 General MIDI instruments. It paints its rows itself and
// does not use its own selection for the choice: a press highlights the row
// under the pointer (the window's Highlight), dragging moves the highlight and
// scrolls past either end, and the release sets the instrument.
class InstrumentList : public QListWidget
{
    Q_OBJECT
public:
    explicit InstrumentList(QWidget *parent = nullptr);

    static constexpr int RowHeight = 13;
    static constexpr int VisibleRows = 8;
    static constexpr int ScrollBarWidth = 16;
    static constexpr int CellWidth = 154;
    static constexpr int Count = 128;

    // The highlighted row lives in the window; the list reads and writes it here.
    int *highlight = nullptr;

    // The opening step: adds the 128 rows.
    void runOpen();

    static QString instrumentName(int program); // 1..128

    // The row under a point given in the list's own coordinates.
    int rowAt(int y) const;

    // While a drag rests above or below the list, the drag step repeats at
    // this interval (ms), as if the pointer kept moving; 0 turns it off.
    void setDragRepeatInterval(int ms);

Q_SIGNALS:
    void InstrumentChanged(int program);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // Up, Down, Page Up, Page Down, Home and End move the highlight and set
    // the instrument, as a release does; other keys leave the list alone.
    void keyPressEvent(QKeyEvent *event) override;
    void keyboardSearch(const QString &) override {}
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint inList(const QMouseEvent *event) const;
    void MouseDrag(int x, int y);
    void setHighlight(int row);
    int highlighted() const;
    QColor borderColour() const;

    int m_ownHighlight = 0;       // used until the window hands in its own
    bool m_pressTaken = false;
    QPoint m_lastDrag;
    QTimer *m_dragRepeat = nullptr;
};
