#pragma once

#include <QWidget>

class GraphWindow;

// One member of the GraphCanvas array: paints its graph through the window
// and reports pointer moves and exits with its index.
class GraphCanvasMember : public QWidget
{
    Q_OBJECT
public:
    GraphCanvasMember(GraphWindow *window, int index, QWidget *parent);
    int index() const { return m_index; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    GraphWindow *m_window;
    int m_index;
};
