#pragma once

#include <QColor>
#include <QWidget>

class Picture;
class QMenuBar;

// The content area of an information window: a background colour with an
// optional backdrop picture drawn over it from the top-left corner. The
// window's controls are its children, placed in content coordinates.
class BackdropPanel : public QWidget
{
    Q_OBJECT
public:
    BackdropPanel(QWidget *parent, const QColor &background, Picture *backdrop = nullptr);

    // Puts the menu bar above a panel of the given size in a dialog-like
    // window whose size follows the panel's.
    static BackdropPanel *install(QWidget *window, QMenuBar *bar, QSize size,
                                  const QColor &background, Picture *backdrop = nullptr);

Q_SIGNALS:
    // A press on the panel itself, not on one of its controls.
    void mouseDown(QPoint pos);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QColor m_background;
    Picture *m_backdrop;
};
