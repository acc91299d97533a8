#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <QStringList>

// Lays out a page of the instructions as lines of plain text, wrapped to a
// width in the font the page shows it in. Because the lines are known here,
// a page can leave room for its pictures and rules at fixed heights, and a
// two-column page can keep each name on the line of its description.
class ManualText
{
public:
    // top: the height in the window at which the text's first line sits.
    ManualText(const QFont &font, int width, int top);

    void paragraph(const QString &text);
    // One line as it is, not wrapped.
    void line(const QString &text);
    // One line centred by leading blanks.
    void centred(const QString &text);
    void blank(int lines = 1);
    // Adds blank lines until the next line starts at or below window height y.
    void skipTo(int y);

    int lineCount() const { return int(m_lines.size()); }
    int nextLineTop() const;
    QString text() const { return m_lines.join(QLatin1Char('\n')); }

    QStringList wrap(const QString &text) const;
    // The distance from one line to the next as a label draws them.
    static qreal lineStep(const QFont &font);
    // name followed by a dot leader that runs to the column's edge.
    QStringList withLeader(const QString &name) const;

private:
    QFontMetrics m_metrics;
    qreal m_lineStep;
    int m_width;
    int m_top;
    QStringList m_lines;
};

// A narrow column of names with dot leaders beside a wide column of
// descriptions, each name on the first line of its description.
class TwoColumnText
{
public:
    // leftWidth: the room from the names' left edge to the descriptions'.
    TwoColumnText(const QFont &font, int leftWidth, int rightWidth, int top);

    void entry(const QString &name, const QString &description);
    // Text in the wide column only (an introduction, a note).
    void note(const QString &text);
    void heading(const QString &name);
    void blank(int lines = 1);
    void skipTo(int y);

    QString names() const { return m_left.text(); }
    QString descriptions() const { return m_right.text(); }

private:
    void level();

    ManualText m_left;
    ManualText m_right;
};
