#pragma once

#include <QWidget>

class Picture;

// A push button made only of pictures: normal face, a highlight face under
// the pointer and while pressed, a washed-out face when opened disabled.
class AutoButton : public QWidget
{
    Q_OBJECT
public:
    explicit AutoButton(QWidget *parent = nullptr);

    Picture *backdrop = nullptr; // the face shown now
    Picture *temp = nullptr;     // highlight picture handed in at opening
    bool Toggle = false;
    bool toggleOn = false;

    // The opening step: raises open (the window sets temp), makes the faces.
    void runOpen();

Q_SIGNALS:
    void open();
    void MouseDown();
    void MouseUp();
    void Action();
};
