#pragma once
// Screen doubles for the colour wheel: one that shows a fixed colour everywhere and remembers
// where it was asked, and one that can read nothing.

#include "ScreenPixelReader.h"

#include <QList>

class FixedPixelReader : public ScreenPixelReader
{
public:
    explicit FixedPixelReader(const QColor &colour)
        : m_colour(colour)
    {
    }

    std::optional<QColor> colorAt(const QPoint &globalPos) const override
    {
        asked.append(globalPos);
        return m_colour;
    }

    mutable QList<QPoint> asked;

private:
    QColor m_colour;
};

class FailingPixelReader : public ScreenPixelReader
{
public:
    std::optional<QColor> colorAt(const QPoint &) const override { return std::nullopt; }
};
