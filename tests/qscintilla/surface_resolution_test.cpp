// SPDX-License-Identifier: GPL-3.0-or-later
// A surface asks its device for its resolution once, when it first measures: initialised again
// for a device of another resolution (as when printing after drawing), it must measure at the
// new one, or every advance would be taken from the table of the old.
#include <cstddef>
#include <memory>

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTextLayout>
#include <gtest/gtest.h>

#include "Platform.h"
#include "Scintilla.h"

using namespace Scintilla;

namespace {

QImage deviceOfDpi(int dpi)
{
    QImage image(64, 64, QImage::Format_ARGB32);
    const int dotsPerMeter = int(dpi / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}

/// Where QTextLayout puts the end of each character of the text on the device, in the font the
/// component makes (no kerning).
std::vector<float> layoutEnds(const QString &text, QPaintDevice *device)
{
    QFont font;
    font.setStyleStrategy(QFont::PreferDefault);
    font.setFamily(QStringLiteral("Noto Sans CJK SC"));
    font.setPointSizeF(10);
    font.setKerning(false);
    QTextLayout layout(text, font, device);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    std::vector<float> ends;
    for (int i = 1; i <= text.size(); ++i)
        ends.push_back(float(line.cursorToX(i)));
    return ends;
}

} // namespace

TEST(SurfaceResolution, MeasuresAtTheResolutionOfTheDeviceItWasLastInitialisedFor)
{
    Font font;
    font.Create(FontParameters("Noto Sans CJK SC", 10));
    std::unique_ptr<Surface> surface(Surface::Allocate(SC_TECHNOLOGY_DEFAULT));
    const char text[] = "<p>text and more</p>";
    const int len = int(sizeof text) - 1;
    float first = 0;
    for (int dpi : {96, 192, 144, 96}) {
        QImage image = deviceOfDpi(dpi);
        QPainter painter(&image);
        surface->Init(&painter);
        surface->SetUnicodeMode(true);
        XYPOSITION positions[len];
        surface->MeasureWidths(font, text, len, positions);
        const std::vector<float> expected = layoutEnds(QString::fromLatin1(text), &image);
        for (int i = 0; i < len; ++i)
            ASSERT_EQ(positions[i], expected[size_t(i)]) << "character " << i << " at " << dpi << " dpi";
        if (dpi == 96)
            first = positions[len - 1];
        else
            EXPECT_GT(positions[len - 1], first * 1.4f) << "at " << dpi << " dpi the text is wider";
        surface->Release();
    }
    font.Release(); // the component's fonts are released by hand, not by their destructor
}
