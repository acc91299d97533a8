#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

// A bar of equal toggle items, each with a caption, an on/off value and an
// enabled state. A click toggles the item under the pointer.
class cSquareMultiButton : public QWidget
{
    Q_OBJECT
public:
    explicit cSquareMultiButton(QWidget *parent = nullptr);

    QStringList sName;
    QList<bool> bButtonEnabled;
    QList<bool> bButtonVal; // written directly by users; writing raises nothing

    void Additem(const QString &text);
    void EnableButton(int index, bool enabled);

    // The opening step: raises Open (where items are added), then lays out.
    void runOpen();

Q_SIGNALS:
    void Open();
    void Action(int item);
};
