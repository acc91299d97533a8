#pragma once

#include <QWidget>

#include <memory>

class Picture;

// A push button made only of pictures: the normal face, a highlight face under
// the pointer and while pressed, and a washed-out face when it opens disabled.
// The face shown now is the backdrop; which face object it is (not what it
// looks like) tells the button's state. It can also work as a toggle.
class AutoButton : public QWidget
{
    Q_OBJECT
public:
    explicit AutoButton(QWidget *parent = nullptr);
    ~AutoButton() override;

    Picture *backdrop = nullptr;     // the face shown now
    Picture *enabledIcon = nullptr;  // the normal face: the backdrop the button opened with
    std::unique_ptr<Picture> pressedIcon;
    std::unique_ptr<Picture> disabledIcon;
    bool toggleOn = false;
    bool Toggle = false;
    Picture *temp = nullptr;         // highlight picture handed in at opening

    // A transparent copy of source, the size of the button.
    std::unique_ptr<Picture> makePressedIcon(Picture *source) const;
    // The button-sized face drawn at about half strength, white left out.
    // Makes source itself transparent, for every user of that picture.
    std::unique_ptr<Picture> makeDisabledIcon(Picture *source) const;

    // The opening step: raises open (the window sets temp there), then makes
    // the faces from the backdrop and temp.
    void runOpen();

Q_SIGNALS:
    void open();
    void MouseDown();
    void MouseUp();
    void Action();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // Return or Enter pushes the focused button as a click does.
    void keyPressEvent(QKeyEvent *event) override;

private:
    Picture *pressedFace();
    void showFace(Picture *face);

    bool m_tracking = false; // the current press is followed to its release
};
