#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class Picture;

// A few lines of treble staff showing one note, which the student sets with
// the mouse: pressing or dragging on the staff moves the note a staff degree
// at a time, the two selectors on the right switch a sharp or a flat. The
// note is reported as a note index (note number - 56, 0..29) once the button
// is released.
class StaffClass1 : public QWidget
{
    Q_OBJECT
public:
    explicit StaffClass1(QWidget *parent = nullptr);

    int acci = 0;         // -1 flat, 0 none, 1 sharp
    int LastDrawX = 25;   // x of the last placement
    int LastDrawY = 38;   // y of the last placement, 12..76; the note is drawn from it
    int LastY = 0;        // the note's staff position (multiple of 4)
    Picture *p = nullptr; // current background; tells which selector is on
    int indexi = 0;       // note index reported to the window
    QString indexs;
    int noteColor = 0;    // 0 black, 1 grey

    // Sets the note from the program; a negative index asks for a grey note.
    void setlistindex(int n);
    // The same, keeping the note's colour.
    void SetListIndexGrex(int n);
    // Shows note index n: sets acci and the background, returns the position.
    int NotetoMap(int n);
    // The note index of the position and accidental shown.
    int mapnote() const;
    // Records a placement of the note at (x, y) and asks for a repaint.
    void drawnote(int x, int y);

    // The opening step: background, height, start values, shared masks.
    void runOpen();

    // This control's index in its window's array; -1 outside an array.
    virtual int memberIndex() const { return -1; }
    // Asks the window how many intervals are in use (the last note's staff
    // has rounded corners).
    std::function<int()> numIntsSource;

    // The change notification: the window re-marks the row.
    void change();

Q_SIGNALS:
    void changed(int memberIndex);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void recordPlacement(int x, int y);
    void paintNote(QPainter &painter, int x, int y);
    void paintRoundedCorners(QPainter &painter);
    void toggleSelector(Picture *on, int onAcci);
    bool isLastOfRow() const;

    bool m_pressed = false;
};

// A member of the window's staff array.
class StaffMember : public StaffClass1
{
    Q_OBJECT
public:
    StaffMember(int index, QWidget *parent) : StaffClass1(parent), m_index(index) {}
    int memberIndex() const override { return m_index; }

private:
    int m_index;
};
