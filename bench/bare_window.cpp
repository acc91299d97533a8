// A bare Qt window of the splash's size and kind, shown and drawn at once:
// what any Qt program pays to get a first window on the screen.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Dialog | Qt::FramelessWindowHint);
    window.setFixedSize(736, 534);
    QPalette pal = window.palette();
    pal.setColor(QPalette::Window, QColor(0xFD, 0xFF, 0xFC));
    window.setPalette(pal);
    window.setAutoFillBackground(true);
    window.show();
    window.repaint();
    return app.exec();
}
