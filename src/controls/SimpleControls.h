#pragma once

#include <QCheckBox>
#include <QColor>
#include <QEvent>
#include <QFrame>
#include <QPoint>
#include <QRadioButton>
#include <QWidget>

class Picture;

// Marks a control that has no mouse handler of its own: clicks pass through to
// whatever lies below it (Qt would otherwise let a later sibling swallow them).
void makeMouseTransparent(QWidget *w);

// A press on a control that reports its presses, held until its release. A
// control hidden or disabled under the held button never sees that release
// (it goes to whatever lies below), so the control releases the press itself
// then: whatever the press started, a sounding note above all, ends.
class HeldPress
{
public:
    void pressed(QPoint at)
    {
        m_held = true;
        m_at = at;
    }
    // Whether a press was held; it is not any more.
    bool release()
    {
        const bool was = m_held;
        m_held = false;
        return was;
    }
    QPoint at() const { return m_at; }
    // Whether the event (a hide, or a change to disabled) loses the release.
    static bool losesRelease(const QWidget *w, const QEvent *e);

private:
    bool m_held = false;
    QPoint m_at;
};

// A straight line between two window points, drawn on a widget that covers it.
class LineControl : public QWidget
{
    Q_OBJECT
public:
    LineControl(QWidget *parent, QPoint from, QPoint to, QColor colour = Qt::black, int width = 1);
    void setColour(const QColor &c);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QPoint m_from, m_to; // in the widget's own coordinates
    QColor m_colour;
    int m_width;
};

// An ellipse outline or fill (a marker); its size may be 0 x 0 (invisible).
class OvalControl : public QWidget
{
    Q_OBJECT
public:
    explicit OvalControl(QWidget *parent = nullptr);
    QColor borderColour = Qt::black;
    int borderWidth = 1;
    QColor fillColour; // invalid: no fill

protected:
    void paintEvent(QPaintEvent *) override;
};

// A rounded rectangle with a fill and an optional border.
class RoundRectControl : public QWidget
{
    Q_OBJECT
public:
    explicit RoundRectControl(QWidget *parent = nullptr);
    QColor fillColour = Qt::white;
    QColor borderColour; // invalid: no border
    int borderWidth = 1;
    int cornerWidth = 16, cornerHeight = 16;

protected:
    void paintEvent(QPaintEvent *) override;
};

// A canvas that shows a picture of the catalogue at its top-left corner and
// reports presses and releases with the pointer position.
class PictureCanvas : public QWidget
{
    Q_OBJECT
public:
    explicit PictureCanvas(QWidget *parent = nullptr, Picture *picture = nullptr);
    Picture *picture() const { return m_picture; }
    void setPicture(Picture *picture);

Q_SIGNALS:
    void mouseDown(int x, int y);
    void mouseUp(int x, int y);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    Picture *m_picture;
    HeldPress m_press;
};

// A sunken frame with nothing in it.
class ImageWell : public QFrame
{
    Q_OBJECT
public:
    explicit ImageWell(QWidget *parent = nullptr);
};

// A check box whose presses the window may take: with takesPress set, a click
// reports its press and release but never toggles the box.
class PressCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit PressCheckBox(QWidget *parent = nullptr, const QString &text = {});
    bool takesPress = false;
    // The square the platform draws for the box, in widget coordinates.
    QRect indicatorRect() const;

Q_SIGNALS:
    void mouseDown(int x, int y);
    void mouseUp(int x, int y);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    void changeEvent(QEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    HeldPress m_press;
};

// The same for a radio button (the note lights).
class PressRadioButton : public QRadioButton
{
    Q_OBJECT
public:
    explicit PressRadioButton(QWidget *parent = nullptr, const QString &text = {});
    bool takesPress = false;

Q_SIGNALS:
    void mouseDown(int x, int y);
    void mouseUp(int x, int y);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    void changeEvent(QEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    HeldPress m_press;
};
