#include "quiz/InstrumentList.h"

#include "app/Pictures.h"
#include "app/Theme.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

namespace {

// General MIDI programs 1 to 128, as the list shows them.
constexpr const char *InstrumentNames[InstrumentList::Count] = {
    "Acoustic Grand Piano",
    "Bright Acoustic Piano",
    "Electric Grand Piano",
    "Honkytonk Piano",
    "Rhodes Piano",
    "Chorused Piano",
    "Harpsichord",
    "Clavinet",
    "Celesta",
    "Glockenspiel",
    "Music Box",
    "Vibraphone",
    "Marimba",
    "Xylophone",
    "Tubular Bells",
    "Dulcimer",
    "Hammond Organ",
    "Percussive Organ",
    "Rock Organ",
    "Church Organ",
    "Reed Organ",
    "Accordion",
    "Harmonica",
    "Tango Accordion",
    "Acoustic Nylon Guitar",
    "Acoustic Steel Guitar",
    "Electric Jazz Guitar",
    "Electric Clean Guitar",
    "Electric Guitar Muted",
    "Overdriven Guitar",
    "Distortion Guitar",
    "Guitar Harmonics",
    "Acoustic Fretless Bass",
    "Electric Bass Fingered",
    "Electric Bass Picked",
    "Fretless Bass",
    "Slap Bass 1",
    "Slap Bass 2",
    "Synth Bass 1",
    "Synth Bass 2",
    "Violin",
    "Viola",
    "Cello",
    "Contrabass",
    "Tremolo Strings",
    "Pizzicato Strings",
    "Orchestra Harp",
    "Timpani",
    "Acoustic String Ens.",
    "Acoustic String Ens. 2",
    "Synth Strings 1",
    "Synth Strings 2",
    "Aah Choir",
    "Ooh Choir",
    "SynthVox",
    "Orchestra Hit",
    "Trumpet",
    "Trombone",
    "Tuba",
    "Muted Trumpet",
    "French Horn",
    "Brass Section",
    "Synth Brass 1",
    "Synth Brass 2",
    "Soprano Sax",
    "Alto Sax",
    "Tenor Sax",
    "Baritone Sax",
    "Oboe",
    "English Horn",
    "Bassoon",
    "Clarinet",
    "Piccolo",
    "Flute",
    "Recorder",
    "Pan Flute",
    "Bottle Blow",
    "Shakuhachi",
    "Whistle",
    "Ocarina",
    "Square Wave",
    "Saw Wave",
    "Calliope",
    "Chiffer",
    "Charang",
    "Solo Vox",
    "5th Saw Wave",
    "Bass & Lead",
    "Fantasy",
    "Warm",
    "Polysynth",
    "Choir",
    "Bowed",
    "Metal",
    "Halo",
    "Sweep",
    "Ice Rain",
    "Sound Tracks",
    "Crystal",
    "Atmosphere",
    "Brightness",
    "Goblins",
    "Echoes",
    "Space",
    "Sitar",
    "Banjo",
    "Shamisen",
    "Koto",
    "Kalimba",
    "Bag Pipe",
    "Fiddle",
    "Shannai",
    "Tinkle Bell",
    "Agogo",
    "Steel Drums",
    "Woodblock",
    "Timpani",
    "Melodic Tom",
    "Synth Drum",
    "Reverse Cymbal",
    "Guitar Fret Noise",
    "Breath Noise",
    "Seashore",
    "Bird Tweet",
    "Telephone Ring",
    "Helicopter",
    "Applause",
    "Gunshot",
};

const QColor CellColour(0xBC, 0xC8, 0xF6);
const QColor BorderColour(0x9A, 0x9A, 0x9A);

// Paints every row itself: the cell colour, the highlight picture over the
// highlighted row, black text. The platform's selection and focus looks never
// show, so the only row that stands out is the highlighted one.
class InstrumentDelegate : public QStyledItemDelegate
{
public:
    InstrumentDelegate(QObject *parent, std::function<int()> highlighted)
        : QStyledItemDelegate(parent), m_highlighted(std::move(highlighted))
    {
    }

    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return {InstrumentList::CellWidth, InstrumentList::RowHeight};
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        const QRect cell = option.rect;
        painter->save();
        painter->fillRect(QRect(cell.x(), cell.y(), InstrumentList::CellWidth,
                                InstrumentList::RowHeight),
                          CellColour);
        if (index.row() == m_highlighted())
            Pics::Highlightpic()->draw(*painter, cell);
        painter->setFont(option.font);
        painter->setPen(Qt::black);
        painter->drawText(cell.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

private:
    std::function<int()> m_highlighted;
};

// The list's scroll bar is 16 pixels wide whatever the platform's usual width.
class ScrollBarStyle : public SteadyPaletteStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        if (metric == PM_ScrollBarExtent)
            return InstrumentList::ScrollBarWidth;
        return SteadyPaletteStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

InstrumentList::InstrumentList(QWidget *parent) : QListWidget(parent)
{
    QFont f(QStringLiteral("Geneva"));
    f.setFamilies({QStringLiteral("Geneva"), font().family()});
    f.setPixelSize(10);
    setFont(f);

    setItemDelegate(new InstrumentDelegate(this, [this] { return highlighted(); }));
    setUniformItemSizes(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setAutoScroll(false);

    auto *barStyle = new ScrollBarStyle;
    barStyle->setParent(this);
    verticalScrollBar()->setStyle(barStyle);

    // Rows begin two pixels below the list's top edge, where the hit test of a
    // press expects them; the border is drawn by event() around the rows.
    setFrameShape(QFrame::NoFrame);
    setViewportMargins(1, 2, 0, 0);

    QPalette pal = palette();
    pal.setColor(QPalette::Base, CellColour);
    setPalette(pal);

    m_dragRepeat = new QTimer(this);
    m_dragRepeat->setInterval(50);
    connect(m_dragRepeat, &QTimer::timeout, this,
            [this] { MouseDrag(m_lastDrag.x(), m_lastDrag.y()); });

    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        // Deselecting every row names no instrument.
        if (row >= 0)
            Q_EMIT InstrumentChanged(row + 1);
    });
}

QString InstrumentList::instrumentName(int program)
{
    if (program < 1 || program > Count)
        return {};
    return QString::fromLatin1(InstrumentNames[program - 1]);
}

void InstrumentList::runOpen()
{
    for (int program = 1; program <= Count; ++program)
        addItem(QStringLiteral("  ") + instrumentName(program));
}

void InstrumentList::setDragRepeatInterval(int ms)
{
    if (ms <= 0) {
        m_dragRepeat->stop();
        m_dragRepeat->setInterval(0);
        return;
    }
    m_dragRepeat->setInterval(ms);
}

int InstrumentList::highlighted() const
{
    return highlight ? *highlight : m_ownHighlight;
}

void InstrumentList::setHighlight(int row)
{
    // Whatever the pointer does, the highlight names one of the 128 rows.
    row = std::clamp(row, 0, Count - 1);
    if (highlight)
        *highlight = row;
    else
        m_ownHighlight = row;
    viewport()->update();
}

int InstrumentList::rowAt(int y) const
{
    return static_cast<int>(std::trunc((y - 2) / static_cast<double>(RowHeight) +
                                       verticalScrollBar()->value()));
}

QPoint InstrumentList::inList(const QMouseEvent *event) const
{
    const QPointF p = event->position();
    const QPoint pixel(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
    return pixel + viewport()->geometry().topLeft();
}

void InstrumentList::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = inList(event);
    if (p.x() >= width() - ScrollBarWidth) {
        QListWidget::mousePressEvent(event);
        return;
    }
    // Every press on the rows is taken: the list's own selection stays as it is.
    if (event->button() != Qt::LeftButton)
        return;
    m_pressTaken = true;
    setHighlight(rowAt(p.y()));
}

void InstrumentList::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

void InstrumentList::MouseDrag(int x, int y)
{
    m_lastDrag = {x, y};
    const bool outside = y < 0 || y > height();
    if (outside && m_dragRepeat->interval() > 0 && !m_dragRepeat->isActive())
        m_dragRepeat->start();
    else if (!outside)
        m_dragRepeat->stop();

    if (!(0 < x && x < width()))
        return;
    QScrollBar *bar = verticalScrollBar();
    if (0 < y && y < height()) {
        setHighlight(rowAt(y));
    } else if (y < 0) {
        bar->setValue(bar->value() - 1);
        setHighlight(bar->value());
    } else if (y > height()) {
        bar->setValue(bar->value() + 1);
        setHighlight(bar->value() + VisibleRows - 1);
    }
}

void InstrumentList::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressTaken) {
        if (event->buttons() == Qt::NoButton)
            QListWidget::mouseMoveEvent(event);
        return;
    }
    const QPoint p = inList(event);
    MouseDrag(p.x(), p.y());
}

void InstrumentList::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_pressTaken) {
        QListWidget::mouseReleaseEvent(event);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_pressTaken = false;
    m_dragRepeat->stop();
    Q_EMIT InstrumentChanged(highlighted() + 1);
}

void InstrumentList::paintEvent(QPaintEvent *event)
{
    QListWidget::paintEvent(event);
    // The bottom border lies over the last pixel row of the rows.
    QPainter p(viewport());
    p.setPen(borderColour());
    const int bottom = viewport()->height() - 1;
    p.drawLine(0, bottom, viewport()->width() - 1, bottom);
}

QColor InstrumentList::borderColour() const
{
    // The list with the focus shows its border in the highlight colour.
    return hasFocus() ? palette().color(QPalette::Highlight) : BorderColour;
}

void InstrumentList::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        event->ignore();
        return;
    }
    const int row = highlighted();
    int next = row;
    switch (event->key()) {
    case Qt::Key_Up: next = row - 1; break;
    case Qt::Key_Down: next = row + 1; break;
    case Qt::Key_PageUp: next = row - (VisibleRows - 1); break;
    case Qt::Key_PageDown: next = row + (VisibleRows - 1); break;
    case Qt::Key_Home: next = 0; break;
    case Qt::Key_End: next = Count - 1; break;
    default:
        // Typing does not jump to a row: that would change the instrument
        // without moving the highlight.
        event->ignore();
        return;
    }
    event->accept();
    setHighlight(next);
    scrollToItem(item(highlighted()));
    Q_EMIT InstrumentChanged(highlighted() + 1);
}

bool InstrumentList::event(QEvent *event)
{
    const bool handled = QListWidget::event(event);
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        update();
        viewport()->update();
    }
    if (event->type() == QEvent::Paint) {
        // Around the rows: a border line on the left and at the top, and the
        // row colour between the top line and the first row.
        QPainter p(this);
        p.fillRect(QRect(0, 0, width(), 2), hasFocus() ? borderColour() : CellColour);
        p.setPen(borderColour());
        p.drawLine(0, 0, width() - 1, 0);
        p.drawLine(0, 0, 0, height() - 1);
    }
    return handled;
}
