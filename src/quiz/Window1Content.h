#pragma once

#include <QWidget>

class Window1;

// The main window's content area: paints the backdrop and, while "Show
// Notes" is ticked, the white frame around the keyboard.
class Window1Content : public QWidget
{
    Q_OBJECT
public:
    explicit Window1Content(Window1 *window);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Window1 *m_window;
};
