#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class Picture;

// A few lines of treble staff showing one note, which the student sets with
// the mouse. Reports the note as a note index (note number - 56, 0..29).
class StaffClass1 : public QWidget
{
    Q_OBJECT
public:
    explicit StaffClass1(QWidget *parent = nullptr);

    int acci = 0;      // -1 flat, 0 none, 1 sharp
    int LastDrawX = 25;
    int LastDrawY = 38;
    int LastY = 0;     // the note's staff position (multiple of 4)
    Picture *p = nullptr; // current background; tells which selector is on
    int indexi = 0;    // note index reported to the window
    QString indexs;
    int noteColor = 0; // 0 black, 1 grey

    // Sets the note from the program; a negative index asks for a grey note.
    void setlistindex(int n);
    void SetListIndexGrex(int n);
    int NotetoMap(int n);
    int mapnote() const;

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
