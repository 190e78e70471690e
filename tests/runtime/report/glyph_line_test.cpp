// One-line texts set glyph by glyph: placed in their rectangle as a paragraph would place them, with
// the Chinese face behind a Latin one, and left to the layout when they need one.
#include "runtime/report/fontmap.h"
#include "runtime/report/glyph_line.h"
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace report;

namespace {

// The smallest rectangle holding every pixel darker than mid-grey.
QRect Ink(const QImage& image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

QImage White()
{
    QImage image(600, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The glyphs of the report's Arial at 24 pixels, as the painter holds it.
GlyphLine ArialLine(QPainter& painter)
{
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(24);
    painter.setFont(ResolveFont(arial));
    return GlyphLine(painter.font());
}

} // namespace

TEST(GlyphLine, ATextSitsInItsPlaceByItsAlignmentAndIsCentredUpright)
{
    const QRectF place(100, 10, 400, 60);
    struct Case {
        QString text;
        Qt::Alignment alignment;
    };
    for (const Case& c : {Case{QStringLiteral("12,345.00"), Qt::AlignRight}, Case{QStringLiteral("E0001"), Qt::AlignLeft},
                          Case{QStringLiteral("陳員工1"), Qt::AlignHCenter}, Case{QStringLiteral("合計 39 筆"), Qt::AlignRight}}) {
        SCOPED_TRACE(c.text.toStdString());
        QImage image = White();
        QPainter painter(&image);
        GlyphLine line = ArialLine(painter);
        ASSERT_TRUE(line.place(c.text, place, c.alignment)) << "a Chinese name in Arial has its Chinese face";
        line.flush(painter);
        painter.end();
        const QRect ink = Ink(image);
        ASSERT_FALSE(ink.isEmpty());
        if (c.alignment == Qt::AlignLeft)
            EXPECT_NEAR(ink.left(), place.left(), 4);
        else if (c.alignment == Qt::AlignRight)
            EXPECT_NEAR(ink.right(), place.right(), 4);
        else
            EXPECT_NEAR(ink.center().x(), place.center().x(), 4);
        EXPECT_NEAR(ink.center().y(), place.center().y(), 5);
    }
}

TEST(GlyphLine, WhatNeedsALayoutIsRefusedAndNothingDrawn)
{
    QImage image = White();
    QPainter painter(&image);
    GlyphLine line = ArialLine(painter);
    const QRectF narrow(0, 0, 40, 40);
    EXPECT_FALSE(line.place(QStringLiteral("a text wider than its place"), narrow, Qt::AlignLeft));
    EXPECT_FALSE(line.place(QStringLiteral("two\nlines"), QRectF(0, 0, 600, 80), Qt::AlignLeft));
    EXPECT_FALSE(line.place(QStringLiteral("𠀋"), QRectF(0, 0, 600, 80), Qt::AlignLeft));   // outside the basic plane
    // A face the system substitutes is Qt's to choose, script by script (the text printouts' default font).
    painter.setFont(QFont(QStringLiteral("No Such Face")));
    GlyphLine substituted(painter.font());
    EXPECT_FALSE(substituted.place(QStringLiteral("01-13"), QRectF(0, 0, 600, 80), Qt::AlignLeft));
    line.flush(painter);
    substituted.flush(painter);
    painter.end();
    EXPECT_TRUE(Ink(image).isEmpty());
}
