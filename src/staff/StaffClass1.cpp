#include "staff/StaffClass1.h"

#include "app/Pictures.h"
#include "staff/StaffGeometry.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace geo = staffgeometry;

namespace {

// The rounded corners are cut from the window's normal backdrop at the spot
// under the control (41 and 77 are the design's width and height less 10),
// also while the window shows its Test-mode backdrop.
constexpr int CornerSize = 10;
constexpr int CornerSourceX = 41;
constexpr int CornerSourceBottomY = 77;

// Every staff gives the shared pictures their masks; once is enough.
void maskOnce(Picture *picture, Picture *shape)
{
    if (!picture->hasMask())
        picture->setMask(*shape);
}

} // namespace

StaffClass1::StaffClass1(QWidget *parent) : QWidget(parent) {}

void StaffClass1::setlistindex(int n)
{
    noteColor = n < 0 ? 1 : 0;
    SetListIndexGrex(n < 0 ? -n : n);
}

void StaffClass1::SetListIndexGrex(int n)
{
    LastDrawX = geo::ProgramDrawX;
    LastDrawY = LastY = NotetoMap(n);
    indexi = n;
    update();
    change();
}

int StaffClass1::NotetoMap(int n)
{
    const geo::Notation notation = geo::notationOf(n);
    acci = notation.acci;
    p = acci > 0 ? Pics::SharpStaff2() : acci < 0 ? Pics::FlatStaff2() : Pics::NoSharpFlatStaff2();
    return notation.y;
}

int StaffClass1::mapnote() const
{
    return geo::indexOf(LastY, acci);
}

void StaffClass1::recordPlacement(int x, int y)
{
    LastDrawX = x;
    LastDrawY = geo::limitDrawY(y);
    LastY = geo::staffPosition(y);
}

void StaffClass1::drawnote(int x, int y)
{
    recordPlacement(x, y);
    update();
}

void StaffClass1::runOpen()
{
    p = Pics::NoSharpFlatStaff2();
    resize(width(), p->height());
    LastDrawX = geo::ProgramDrawX;
    LastDrawY = 38;
    acci = 0;

    maskOnce(Pics::NoteUpPic(), Pics::NoteUpPic());
    maskOnce(Pics::NoteDownPic(), Pics::NoteDownPic());
    maskOnce(Pics::NoteupPicgrey(), Pics::NoteUpPicBlueMask3());
    maskOnce(Pics::NoteupPicblue3(), Pics::NoteUpPicBlueMask3());
    maskOnce(Pics::NotedownPicgrey2(), Pics::NoteDownPicBlueMask());
    maskOnce(Pics::NotedownPicblue2(), Pics::NoteDownPicBlueMask());
    maskOnce(Pics::cornerbottom7(), Pics::cornerbottommask4());
    maskOnce(Pics::cornerwhite6(), Pics::cornertopmask5());
    maskOnce(Pics::treb7(), Pics::treb6mask());
    update();
}

void StaffClass1::change()
{
    Q_EMIT changed(memberIndex());
}

bool StaffClass1::isLastOfRow() const
{
    return numIntsSource && memberIndex() == numIntsSource();
}

void StaffClass1::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!p)
        p = Pics::NoSharpFlatStaff2();
    p->draw(painter, 0, 0);
    // Drawing the note records its placement again, which puts LastY on the
    // position shown even before the program first sets the note.
    recordPlacement(LastDrawX, LastDrawY);
    paintNote(painter, LastDrawX, LastDrawY);
    if (isLastOfRow())
        paintRoundedCorners(painter);
}

void StaffClass1::paintNote(QPainter &painter, int, int y)
{
    const int yc = geo::limitDrawY(y);
    const int ys = geo::staffPosition(y);
    for (int line : geo::ledgerLines(yc, ys))
        painter.fillRect(QRect(geo::LedgerLeft, line - 1, geo::LedgerRight - geo::LedgerLeft + 1, 1),
                         Qt::black);

    const geo::NoteGlyph glyph = geo::noteGlyph(yc, ys);
    Picture *note = glyph.upper ? (noteColor == 1 ? Pics::NoteupPicgrey() : Pics::NoteUpPic())
                                : (noteColor == 1 ? Pics::NotedownPicgrey2() : Pics::NoteDownPic());
    note->draw(painter, glyph.topLeft.x(), glyph.topLeft.y());

    if (acci != 0) {
        const QPoint at = geo::accidentalAt(acci, ys);
        (acci < 0 ? Pics::Flatpic() : Pics::SharpPic())->draw(painter, at.x(), at.y());
    }
}

void StaffClass1::paintRoundedCorners(QPainter &painter)
{
    const QPoint windowPos = pos();
    const QRect top(width() - CornerSize, 0, CornerSize, CornerSize);
    const QRect bottom(width() - CornerSize, height() - CornerSize, CornerSize, CornerSize);
    const QPoint topSource = windowPos + QPoint(CornerSourceX, 0);
    const QPoint bottomSource = windowPos + QPoint(CornerSourceX, CornerSourceBottomY);

    Picture *backdrop = Pics::NewBackground13();
    for (const auto &[target, source] : {std::pair{top, topSource}, std::pair{bottom, bottomSource}}) {
        painter.save();
        painter.setClipRect(target);
        const QPoint shift = target.topLeft() - source;
        backdrop->draw(painter, shift.x(), shift.y());
        painter.restore();
    }
    Pics::cornerwhite6()->draw(painter, top.x(), top.y());
    Pics::cornerbottom7()->draw(painter, bottom.x(), bottom.y());
}

void StaffClass1::toggleSelector(Picture *on, int onAcci)
{
    if (p == on) {
        acci = 0;
        p = Pics::NoSharpFlatStaff2();
    } else {
        acci = onAcci;
        p = on;
    }
}

void StaffClass1::mousePressEvent(QMouseEvent *event)
{
    // The press is always taken, so that drag and release follow.
    event->accept();
    if (event->button() != Qt::LeftButton || m_pressed)
        return;
    m_pressed = true;
    const QPoint at = event->position().toPoint();
    switch (geo::zoneAt(at.x(), at.y())) {
    case geo::Zone::SharpSelector:
        toggleSelector(Pics::SharpStaff2(), 1);
        noteColor = 0;
        update();
        break;
    case geo::Zone::FlatSelector:
        toggleSelector(Pics::FlatStaff2(), -1);
        noteColor = 0;
        update();
        break;
    case geo::Zone::Staff:
        noteColor = 0;
        if (at.y() >= geo::PressTop && at.y() <= geo::PressBottom)
            drawnote(at.x(), at.y());
        break;
    }
}

void StaffClass1::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    if (!m_pressed)
        return;
    const QPoint at = event->position().toPoint();
    if (at.x() > geo::StaffZoneRight || geo::staffPosition(at.y()) == LastY)
        return;
    // The note stops at C6 above and at the lowest row the picture leaves
    // below (drawn as A3).
    const int y = std::max(std::min(at.y(), height() - 8), geo::TopY);
    drawnote(at.x(), y);
    LastY = geo::staffPosition(y);
}

void StaffClass1::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    indexi = mapnote();
    change();
}
