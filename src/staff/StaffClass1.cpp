#include "staff/StaffClass1.h"

#include "app/Pictures.h"

// Stand-in: the full control is being built separately.
StaffClass1::StaffClass1(QWidget *parent) : QWidget(parent) {}

void StaffClass1::setlistindex(int n)
{
    noteColor = n < 0 ? 1 : 0;
    SetListIndexGrex(n < 0 ? -n : n);
}

void StaffClass1::SetListIndexGrex(int n)
{
    LastDrawX = 25;
    LastDrawY = LastY = NotetoMap(n);
    indexi = n;
    update();
    change();
}

int StaffClass1::NotetoMap(int) { return 40; }
int StaffClass1::mapnote() const { return indexi; }
void StaffClass1::runOpen() { p = Pics::NoSharpFlatStaff2(); }
void StaffClass1::change() { Q_EMIT changed(memberIndex()); }
