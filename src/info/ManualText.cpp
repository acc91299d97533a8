#include "info/ManualText.h"

#include <QTextLayout>

#include <cmath>

ManualText::ManualText(const QFont &font, int width, int top)
    : m_metrics(font), m_lineStep(lineStep(font)), m_width(width), m_top(top)
{
}

qreal ManualText::lineStep(const QFont &font)
{
    // Labels lay their lines out with whole-pixel heights, which can be a
    // pixel more than the font's own line spacing.
    QTextLayout layout(QStringLiteral("Ag"), font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1000);
    layout.endLayout();
    return line.height();
}

QStringList ManualText::wrap(const QString &text) const
{
    // A few pixels are kept free so that rounding in the label's own drawing
    // never wraps a line a second time.
    const int room = m_width - 6;
    QStringList lines;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && m_metrics.horizontalAdvance(longer) > room) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines << line;
    return lines;
}

void ManualText::paragraph(const QString &text)
{
    m_lines << wrap(text);
}

void ManualText::line(const QString &text)
{
    m_lines << text;
}

void ManualText::centred(const QString &text)
{
    const int space = std::max(1, m_metrics.horizontalAdvance(QLatin1Char(' ')));
    const int blanks = std::max(0, (m_width - m_metrics.horizontalAdvance(text)) / 2 / space);
    m_lines << QString(blanks, QLatin1Char(' ')) + text;
}

void ManualText::blank(int lines)
{
    for (int i = 0; i < lines; ++i)
        m_lines << QString();
}

int ManualText::nextLineTop() const
{
    return m_top + int(std::ceil(lineCount() * m_lineStep));
}

void ManualText::skipTo(int y)
{
    while (nextLineTop() < y)
        m_lines << QString();
}

QStringList ManualText::withLeader(const QString &name) const
{
    // A name too long for the column breaks before its last word, so that a
    // few dots always lead to the description.
    const int room = m_width - 4;
    const int dots = m_metrics.horizontalAdvance(QStringLiteral(" ...."));
    QStringList lines;
    QString line;
    for (const QString &word : name.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && m_metrics.horizontalAdvance(longer) + dots > room) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    line += QLatin1Char(' ');
    while (m_metrics.horizontalAdvance(line + QLatin1Char('.')) <= room)
        line += QLatin1Char('.');
    lines << line;
    return lines;
}

TwoColumnText::TwoColumnText(const QFont &font, int leftWidth, int rightWidth, int top)
    : m_left(font, leftWidth, top), m_right(font, rightWidth, top)
{
}

void TwoColumnText::level()
{
    while (m_left.lineCount() < m_right.lineCount())
        m_left.blank();
    while (m_right.lineCount() < m_left.lineCount())
        m_right.blank();
}

void TwoColumnText::entry(const QString &name, const QString &description)
{
    level();
    for (const QString &line : m_left.withLeader(name))
        m_left.line(line);
    m_right.paragraph(description);
    level();
}

void TwoColumnText::note(const QString &text)
{
    level();
    m_right.paragraph(text);
    level();
}

void TwoColumnText::heading(const QString &name)
{
    level();
    m_left.paragraph(name);
    level();
}

void TwoColumnText::blank(int lines)
{
    level();
    m_left.blank(lines);
    m_right.blank(lines);
}

void TwoColumnText::skipTo(int y)
{
    level();
    m_left.skipTo(y);
    m_right.skipTo(y);
}
