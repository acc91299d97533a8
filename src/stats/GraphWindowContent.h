#pragma once

#include <QWidget>

// The Stats window's content area: white, with the Graphs2h backdrop. It also
// shows the help tags of its mouse-transparent controls (labels, the grid
// group box), which the pointer otherwise passes through.
class GraphWindowContent : public QWidget
{
    Q_OBJECT
public:
    explicit GraphWindowContent(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
};
