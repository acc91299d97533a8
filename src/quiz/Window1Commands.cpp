// The menu commands the main window answers, and the instrument chooser.
#include "quiz/Window1.h"

#include "info/AquaAboutBox.h"
#include "info/InfoWindow.h"
#include "info/License.h"
#include "sound/NotePlayer.h"

namespace {
template <class W>
void showWindow(W *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}
} // namespace

bool Window1::AboutZARN_Action()
{
    showWindow(AquaAboutBox::instance());
    return false;
}

bool Window1::ZARNLic_Action()
{
    showWindow(License::instance());
    return false;
}

bool Window1::Instructionsmenu_Action()
{
    showWindow(InfoWindow::instance());
    return false;
}

void Window1::ListBox1_InstrumentChanged(int program)
{
    NotePlayer1->setInstrument(program);
}
