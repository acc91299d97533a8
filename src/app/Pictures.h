#pragma once

#include "app/Picture.h"

// The picture catalogue: one accessor per named picture. The first call loads
// the picture from the compiled-in resources (":/pictures/<name>.svg", or
// ".png"); every later call returns the same object, alive until the process
// ends. X(name, resource id, transparent from first use)
#define ZARN_PICTURES(X)                                                                           \
    X(smallKBD7, 168, false)                                                                       \
    X(Instructions, 169, false)                                                                    \
    X(QuestGrey, 170, false)                                                                       \
    X(QuestLight, 171, false)                                                                      \
    X(QuestLightSEL, 172, false)                                                                   \
    X(Highlightpic, 176, false)                                                                    \
    X(StatWins, 177, false)                                                                        \
    X(testPractice, 178, false)                                                                    \
    X(PracticeTest, 179, false)                                                                    \
    X(cheat, 180, false)                                                                           \
    X(arrow, 181, false)                                                                           \
    X(MouseNum, 182, false)                                                                        \
    X(Flatpic, 184, true)                                                                          \
    X(NoteDownPic, 187, true)                                                                      \
    X(NoteUpPic, 188, true)                                                                        \
    X(SharpPic, 189, true)                                                                         \
    X(doublearrow4, 191, false)                                                                    \
    X(Startup1, 192, false)                                                                        \
    X(Graphs2h, 193, false)                                                                        \
    X(NewBackground13, 194, false)                                                                 \
    X(NewBackground21, 195, false)                                                                 \
    X(Keyboard15, 196, false)                                                                      \
    X(icon64x64, 197, false)                                                                       \
    X(FlatStaff2, 198, false)                                                                      \
    X(SharpStaff2, 199, false)                                                                     \
    X(cornerbottom7, 200, false)                                                                   \
    X(cornerwhite6, 201, false)                                                                    \
    X(cornerbottommask4, 202, false)                                                               \
    X(cornertopmask5, 203, false)                                                                  \
    X(NoteupPicgrey, 204, false)                                                                   \
    X(NoteUpPicBlueMask3, 205, false)                                                              \
    X(NotedownPicgrey2, 206, false)                                                                \
    X(NoteDownPicBlueMask, 207, false)                                                             \
    X(NoteupPicblue3, 208, false)                                                                  \
    X(NotedownPicblue2, 209, false)                                                                \
    X(treb7, 210, false)                                                                           \
    X(treb6mask, 211, false)                                                                       \
    X(NoSharpFlatStaff2, 212, false)

namespace Pics {
#define ZARN_DECLARE_PICTURE(name, id, transparent) Picture *name();
ZARN_PICTURES(ZARN_DECLARE_PICTURE)
#undef ZARN_DECLARE_PICTURE

// After the splash: its renderings go, and the pages of the program file that
// hold its pixels need no longer be resident.
void releaseSplash();
} // namespace Pics
