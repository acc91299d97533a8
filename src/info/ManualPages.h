#pragma once

#include <QFont>
#include <QString>

// The texts of the instructions window, laid out for the font and the places
// the window shows them in (heights are window heights).
namespace ManualPages {

struct Columns
{
    QString names;
    QString descriptions;
};

QString header();
// Page 1: overview and Test mode; text at top 47, 684 wide.
QString general(const QFont &font);
// Page 2: Practice mode; text at top 47, 684 wide.
QString practice(const QFont &font);
// Page 3: the settings; names 149 wide, descriptions 548 wide, top 72.
Columns settings(const QFont &font);
// Page 4: the introduction above the instrument names.
QString soundIntro();
// Page 5: modes, Check, Stats and the result displays.
Columns test(const QFont &font);
// Page 6: the helps.
Columns help(const QFont &font);
// Page 7: the Stats window.
Columns stats(const QFont &font);

} // namespace ManualPages
