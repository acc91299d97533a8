#pragma once

#include "app/Menu.h"

#include <QDialog>

#include <vector>

class PictureCanvas;
class QLabel;
class QTextEdit;
class StaticURL;

// The About box: icon, name, version, description, credits, copyright and
// the author's address. Modal; a click on its background closes it. Its
// layout tightens itself around controls that have nothing to show. Only Quit
// works in its menu.
class AquaAboutBox : public QDialog, public MenuTarget
{
    Q_OBJECT
public:
    // The one live window, created (and opened) on first use.
    static AquaAboutBox *instance();
    static AquaAboutBox *existing();

    static const QString AuthorAddress;
    static const QString Copyright;

    // Hides a control and moves it and every later control up by the gap to
    // the next control, shrinking the window by the same amount. A control
    // that is already hidden, or the last one, is left alone.
    void hideControl(QWidget *control);

    PictureCanvas *icon = nullptr;
    QLabel *name = nullptr;
    QLabel *version = nullptr;
    QLabel *description = nullptr;
    QTextEdit *credits = nullptr;
    QWidget *toolLogo = nullptr;
    QLabel *copyright = nullptr;
    StaticURL *homePage = nullptr;

private:
    AquaAboutBox();
    void createControls();
    void runOpens();

    QWidget *m_content = nullptr;
    std::vector<QWidget *> m_controls; // creation order, top to bottom
};
