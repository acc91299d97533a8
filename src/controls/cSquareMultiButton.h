#pragma once

#include "app/Picture.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QColor;
class QPainter;

// A bar of equal toggle items, 21 pixels high, each with a caption or a small
// picture, an on/off value and an enabled state. A click toggles the item
// under the pointer when the button is released and reports it with Action.
class cSquareMultiButton : public QWidget
{
    Q_OBJECT
public:
    explicit cSquareMultiButton(QWidget *parent = nullptr);
    ~cSquareMultiButton() override;

    static constexpr int BarHeight = 21;
    static constexpr int MinItemWidth = 21;

    // Parallel per-item lists, one entry per item.
    QStringList sName;       // caption; empty for a picture item
    QList<int> iButtonLeft;  // laid out by Render
    QList<int> iButtonWidth; // laid out by Render
    QList<int> iNameX;       // laid out by Render
    int iNameY = 0;          // common caption baseline
    QList<bool> bButtonEnabled;
    bool bMouseDown = false;
    int iMouseInButton = -1; // item under a tracked press; -1 = none
    QList<Picture *> pButtonIcon; // nullptr for a text item; not owned unless made by MakeSymbol
    bool bUpdating = false;  // false while updates are paused (and before opening)
    Picture pDis;            // 1 x 1 white veil at half strength, made at opening
    QList<bool> bButtonVal;  // written directly by users; writing raises nothing

    // Raised at the start of every press with the item under the pointer;
    // returning true cancels the tracking of that press.
    std::function<bool(int x, int y, int item)> MouseDown;

    void Additem(const QString &text);
    void AddItem(Picture *picture);
    void InsertItem(const QString &text, int index);
    void InsertItem(Picture *picture, int index);
    void RemoveItem(int index);
    void EnableButton(int index, bool enabled);
    void EnableButtons(const QList<int> &indices);
    void DisableButtons(const QList<int> &indices);
    void PauseUpdates();
    void ResumeUpdates();

    void Render();
    void Draw(QPainter &g);
    static void FillBevelRect(QPainter &g, int x, int y, int w, int h, const QColor &colour);
    // A 16 x 16 black picture whose mask shows only a plus or a minus bar.
    static std::unique_ptr<Picture> MakeSymbol(bool plus);
    void MouseIn(int x, int y);

    // The opening step: pauses updates, raises Open (where the window adds
    // its items), makes the veil, lays out and resumes updates.
    void runOpen();

Q_SIGNALS:
    void Open();
    void Action(int item);
    void MouseMove(int x, int y, int item);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    // With the focus: Left and Right choose an item, Return or Enter toggles
    // it as a click does.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void insertEntry(int index, const QString &text, Picture *picture);
    void changed();  // re-lays out if updates are on
    void redraw();
    bool setEnabledItems(const QList<int> &indices, bool enabled);
    QFont captionFont() const;
    bool isLive() const;

    std::vector<std::unique_ptr<Picture>> m_symbols; // pictures made for "+" and "-" items
    int m_keyItem = 0; // the item the keyboard works on
};
