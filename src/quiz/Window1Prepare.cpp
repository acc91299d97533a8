// What creating the main window would otherwise wait for, done ahead in
// small steps while the splash is up: the font database and the faces of the
// design, and the pictures the window draws when it opens, rendered for the
// screen. Each step is short, so a click on the splash is answered at once;
// whatever is not ready by then is simply done on demand.
#include "quiz/Window1.h"

#include "app/Picture.h"
#include "app/Pictures.h"
#include "quiz/DesignFont.h"
#include "sound/FluidApi.h"

#include <QFontMetrics>

QList<std::function<void()>> Window1::preparationSteps(qreal devicePixelRatio)
{
    QList<std::function<void()>> steps;
    // The synthesizer's library opens on a thread of its own meanwhile.
    steps.append([] { FluidApi::preload(); });
    // One face per step: the first one also reads the font database, and a
    // family the system lacks costs a search for its fallback.
    for (const auto &[family, pixels, bold] :
         {std::tuple{"System", 12, false}, {"System", 9, false}, {"Lucida Grande", 12, false},
          {"Lucida Grande", 16, true}, {"Geneva", 10, false}, {"Times new roman", 10, false},
          {"Optima", 12, false}, {"lucidia grande", 28, true}})
        steps.append([family, pixels, bold] { QFontMetrics(designFont(family, pixels, bold)).height(); });
    // The Practice backdrop and every picture on it; the Test backdrop and
    // the pictures of later states are left to their first use.
    for (Picture *(*picture)() :
         {Pics::NewBackground13, Pics::Keyboard15, Pics::NoSharpFlatStaff2, Pics::SharpStaff2,
          Pics::FlatStaff2, Pics::treb7, Pics::treb6mask, Pics::NoteUpPic, Pics::NoteDownPic,
          Pics::NoteupPicgrey, Pics::NotedownPicgrey2, Pics::NoteupPicblue3, Pics::NotedownPicblue2,
          Pics::NoteUpPicBlueMask3, Pics::NoteDownPicBlueMask, Pics::SharpPic, Pics::Flatpic,
          Pics::QuestLight, Pics::QuestLightSEL, Pics::Highlightpic, Pics::cornerwhite6,
          Pics::cornerbottom7, Pics::cornerbottommask4, Pics::cornertopmask5, Pics::doublearrow4,
          Pics::smallKBD7, Pics::icon64x64})
        steps.append([picture, devicePixelRatio] { picture()->composed(devicePixelRatio); });
    return steps;
}
