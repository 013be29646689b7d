#include "ArtPainters.h"
#include "ArtGeometry.h"

namespace ferrox_art
{
namespace
{
using juce::Colour;
constexpr float pi = juce::MathConstants<float>::pi;

/** A fixed face for every text, so the pictures come out the same on every machine. */
juce::Font boldFont (float height)
{
    static const juce::Typeface::Ptr face = [] {
        juce::MemoryBlock data;
        const juce::File file ("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
        if (file.loadFileAsData (data))
            return juce::Typeface::createSystemTypefaceFor (data.getData(), data.getSize());
        std::cerr << "ferrox-art: DejaVu Sans Bold missing (fonts-dejavu-core); text falls back to the default face\n";
        return juce::Typeface::Ptr();
    }();
    return face != nullptr ? juce::Font (face).withHeight (height) : juce::Font (height, juce::Font::bold);
}

juce::Point<float> polar (juce::Point<float> centre, float radius, float degreesFromUp)
{
    const auto a = juce::degreesToRadians (degreesFromUp);
    return { centre.x + radius * std::sin (a), centre.y - radius * std::cos (a) };
}

/** A soft shadow: stacked ellipses whose alpha adds up towards the centre. */
void softShadow (juce::Graphics& g, juce::Rectangle<float> area, float spread, float alpha)
{
    for (int i = 0; i < 8; ++i)
    {
        g.setColour (juce::Colours::black.withAlpha (alpha / 8.0f));
        g.fillEllipse (area.expanded (spread * (1.0f - (float) i / 8.0f)));
    }
}

/** Brushed metal on a disc: a base gradient lit from the top left, then concentric hairlines
    and the two bright wedges that circular brushing throws back. */
void brushedDisc (juce::Graphics& g, juce::Point<float> c, float radius, Colour light, Colour dark, int seed)
{
    g.setGradientFill (juce::ColourGradient (light, c.x - radius, c.y - radius, dark, c.x + radius, c.y + radius, false));
    g.fillEllipse (juce::Rectangle<float> (radius * 2, radius * 2).withCentre (c));

    juce::Random random (seed);
    for (float r = 1.0f; r < radius - 0.5f; r += 0.6f)
    {
        const auto bright = random.nextBool();
        g.setColour ((bright ? juce::Colours::white : juce::Colours::black).withAlpha (0.03f + random.nextFloat() * 0.06f));
        g.drawEllipse (juce::Rectangle<float> (r * 2, r * 2).withCentre (c), 0.5f);
    }

    for (const auto direction : { -45.0f, 135.0f })
    {
        juce::Path wedge;
        wedge.addPieSegment (juce::Rectangle<float> (radius * 2, radius * 2).withCentre (c),
                             juce::degreesToRadians (direction - 18.0f), juce::degreesToRadians (direction + 18.0f), 0.0f);
        g.setColour (juce::Colours::white.withAlpha (direction < 0 ? 0.16f : 0.07f));
        g.fillPath (wedge);
    }

    g.setColour (juce::Colours::black.withAlpha (0.45f));
    g.drawEllipse (juce::Rectangle<float> (radius * 2, radius * 2).withCentre (c), 1.0f);
}

template <typename PaintFrame>
juce::Image paintStrip (int width, int frameHeight, int frames, PaintFrame&& paintFrame)
{
    juce::Image strip (juce::Image::ARGB, width, frameHeight * frames, true);
    juce::Graphics g (strip);
    for (int frame = 0; frame < frames; ++frame)
    {
        juce::Graphics::ScopedSaveState state (g);
        g.setOrigin (0, frame * frameHeight);
        g.reduceClipRegion (0, 0, width, frameHeight);
        paintFrame (g, frame);
    }
    return strip;
}

/** Our mark: a rounded square holding a bell curve, the shape of what the plug-in does. */
void paintMark (juce::Graphics& g, juce::Rectangle<float> area, Colour colour, float stroke)
{
    g.setColour (colour);
    g.drawRoundedRectangle (area.reduced (stroke * 0.5f), area.getWidth() * 0.22f, stroke);

    const auto inner = area.reduced (area.getWidth() * 0.2f, area.getHeight() * 0.28f);
    juce::Path bell;
    for (int i = 0; i <= 64; ++i)
    {
        const auto t = (float) i / 64.0f;
        const auto x = inner.getX() + t * inner.getWidth();
        const auto y = inner.getBottom() - inner.getHeight() * std::exp (-std::pow ((t - 0.5f) / 0.16f, 2.0f));
        i == 0 ? bell.startNewSubPath (x, y) : bell.lineTo (x, y);
    }
    g.strokePath (bell, juce::PathStrokeType (stroke, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
}
} // namespace

juce::Image paintBackground()
{
    const int w = 2000, h = 1200, cheek = 110;
    juce::Image image (juce::Image::RGB, w, h, true);
    juce::Graphics g (image);

    g.setGradientFill (juce::ColourGradient (Colour (0xff303036), 0, 0, Colour (0xff141417), (float) w, (float) h, false));
    g.fillAll();

    // Fine scratches, mostly along the brushing direction.
    juce::Random random (7);
    for (int i = 0; i < 2600; ++i)
    {
        const auto x = (float) cheek + random.nextFloat() * (float) (w - 2 * cheek);
        const auto y = random.nextFloat() * (float) h;
        const auto length = 6.0f + random.nextFloat() * 70.0f;
        const auto angle = (random.nextFloat() - 0.5f) * (random.nextInt (6) == 0 ? pi : 0.25f);
        g.setColour ((random.nextInt (3) == 0 ? juce::Colours::black : juce::Colours::white)
                         .withAlpha (0.025f + random.nextFloat() * 0.06f));
        g.drawLine (x, y, x + length * std::cos (angle), y + length * std::sin (angle), 0.6f + random.nextFloat() * 0.6f);
    }

    // Panel bevel: lit along the top edge, shaded along the bottom.
    g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.10f), 0, 0, juce::Colours::transparentWhite, 0, 14, false));
    g.fillRect (0, 0, w, 14);
    g.setGradientFill (juce::ColourGradient (juce::Colours::transparentBlack, 0, (float) h - 18, juce::Colours::black.withAlpha (0.35f), 0, (float) h, false));
    g.fillRect (0, h - 18, w, 18);

    // Wooden cheeks, rounded like a cylinder: lit on their left sides.
    for (const auto left : { 0, w - cheek })
    {
        const auto x0 = (float) left, x1 = (float) (left + cheek);
        juce::ColourGradient wood (Colour (0xff8a5530), x0, 0, Colour (0xff3a1f0e), x1, 0, false);
        wood.addColour (0.3, Colour (0xff7a4626));
        g.setGradientFill (wood);
        g.fillRect (left, 0, cheek, h);

        for (int line = 0; line < 70; ++line)
        {
            const auto base = x0 + random.nextFloat() * (float) cheek;
            const auto amplitude = 1.0f + random.nextFloat() * 5.0f;
            const auto frequency = 0.002f + random.nextFloat() * 0.01f;
            const auto phase = random.nextFloat() * 6.28f;
            juce::Path grain;
            for (int y = 0; y <= h; y += 8)
            {
                const auto x = juce::jlimit (x0, x1, base + amplitude * std::sin ((float) y * frequency + phase));
                y == 0 ? grain.startNewSubPath (x, 0) : grain.lineTo (x, (float) y);
            }
            g.setColour ((random.nextBool() ? Colour (0xff2a1408) : Colour (0xffa8703e)).withAlpha (0.12f + random.nextFloat() * 0.25f));
            g.strokePath (grain, juce::PathStrokeType (0.6f + random.nextFloat() * 2.2f));
        }

        g.setColour (juce::Colours::white.withAlpha (0.18f));
        g.fillRect (left, 0, 2, h);
        g.setColour (juce::Colours::black.withAlpha (0.5f));
        g.fillRect (left + cheek - 2, 0, 2, h);
    }

    // The cheeks cast a soft shadow onto the panel, the right one more (light from the left).
    g.setGradientFill (juce::ColourGradient (juce::Colours::black.withAlpha (0.35f), (float) cheek, 0, juce::Colours::transparentBlack, (float) cheek + 24, 0, false));
    g.fillRect (cheek, 0, 24, h);
    g.setGradientFill (juce::ColourGradient (juce::Colours::transparentBlack, (float) (w - cheek - 40), 0, juce::Colours::black.withAlpha (0.5f), (float) (w - cheek), 0, false));
    g.fillRect (w - cheek - 40, 0, 40, h);
    return image;
}

juce::Image paintLogo()
{
    const int w = 2163, h = 472;
    juce::Image image (juce::Image::ARGB, w, h, true);
    juce::Graphics g (image);

    paintMark (g, { 40.0f, 56.0f, 360.0f, 360.0f }, Colour (0xffe4e6ee), 34.0f);

    juce::GlyphArrangement text;
    text.addLineOfText (boldFont (340.0f), "Ferrox", 0, 0);
    juce::Path word;
    text.createPath (word);
    const auto target = juce::Rectangle<float> (470.0f, 60.0f, (float) w - 510.0f, 352.0f);
    word.applyTransform (word.getTransformToScaleToFit (target, true, juce::Justification::centredLeft));
    g.setColour (juce::Colours::white);
    g.fillPath (word);
    return image;
}

juce::Image paintBlackKnobStrip()
{
    const int size = 125, frames = 129;
    const juce::Point<float> c (62.5f, 62.5f);
    const auto radius = 54.0f;

    return paintStrip (size, size, frames, [&] (juce::Graphics& g, int frame) {
        const auto angle = (float) knobAngleDegrees (frame, frames);
        softShadow (g, juce::Rectangle<float> (radius * 2, radius * 2).withCentre (c.translated (3.0f, 4.0f)), 4.0f, 0.55f);

        // Knurled skirt: it turns with the knob.
        juce::Path knurl;
        const int teeth = 60;
        for (int i = 0; i < teeth * 2; ++i)
        {
            const auto p = polar (c, i % 2 == 0 ? radius : radius - 2.6f, angle + 360.0f * (float) i / (float) (teeth * 2));
            i == 0 ? knurl.startNewSubPath (p) : knurl.lineTo (p);
        }
        knurl.closeSubPath();
        g.setGradientFill (juce::ColourGradient (Colour (0xff3c3c40), c.x - radius, c.y - radius, Colour (0xff050506), c.x + radius, c.y + radius, false));
        g.fillPath (knurl);
        g.setColour (juce::Colours::white.withAlpha (0.12f));
        g.strokePath (knurl, juce::PathStrokeType (0.7f));

        const auto skirtTop = radius * 0.8f;
        g.setGradientFill (juce::ColourGradient (Colour (0xff2e2e32), c.x - skirtTop, c.y - skirtTop, Colour (0xff0a0a0b), c.x + skirtTop, c.y + skirtTop, false));
        g.fillEllipse (juce::Rectangle<float> (skirtTop * 2, skirtTop * 2).withCentre (c));

        brushedDisc (g, c, radius * 0.62f, Colour (0xffc4c6cc), Colour (0xff5c5e66), 11);

        // White pointer: a notch on the skirt continued across the cap.
        g.setColour (juce::Colours::white);
        g.drawLine (juce::Line<float> (polar (c, radius * 0.18f, angle), polar (c, radius * 0.94f, angle)), 4.0f);
    });
}

juce::Image paintGoldKnobStrip()
{
    const int size = 120, frames = 128;
    const juce::Point<float> c (60.0f, 60.0f);
    const auto radius = 52.0f, capRadius = radius * 0.8f;

    return paintStrip (size, size, frames, [&] (juce::Graphics& g, int frame) {
        const auto angle = (float) knobAngleDegrees (frame, frames);
        softShadow (g, juce::Rectangle<float> (radius * 2, radius * 2).withCentre (c.translated (3.0f, 4.0f)), 4.0f, 0.55f);

        g.setGradientFill (juce::ColourGradient (Colour (0xff2a2a2c), c.x - radius, c.y - radius, Colour (0xff000000), c.x + radius, c.y + radius, false));
        g.fillEllipse (juce::Rectangle<float> (radius * 2, radius * 2).withCentre (c));
        g.setColour (juce::Colours::white.withAlpha (0.10f));
        g.drawEllipse (juce::Rectangle<float> (radius * 2 - 1, radius * 2 - 1).withCentre (c), 1.0f);

        brushedDisc (g, c, capRadius, Colour (0xfff0d488), Colour (0xff86621e), 23);

        g.setColour (Colour (0xff1a1206));
        g.drawLine (juce::Line<float> (polar (c, capRadius * 0.45f, angle), polar (c, capRadius * 0.9f, angle)), 3.5f);
    });
}

juce::Image paintFaderStrip()
{
    const int w = 104, h = 444, frames = 256;
    const auto slotX = 52.0f;

    return paintStrip (w, h, frames, [&] (juce::Graphics& g, int frame) {
        const auto panel = juce::Rectangle<float> (4.0f, 4.0f, (float) w - 8.0f, (float) h - 8.0f);
        g.setGradientFill (juce::ColourGradient (Colour (0xff2c2c31), panel.getX(), panel.getY(), Colour (0xff161619), panel.getRight(), panel.getBottom(), false));
        g.fillRoundedRectangle (panel, 8.0f);
        g.setColour (juce::Colours::white.withAlpha (0.12f));
        g.drawRoundedRectangle (panel.reduced (0.5f), 8.0f, 1.0f);

        // Scale ticks either side of the slot, longer at the ends and the middle.
        for (int tick = 0; tick <= 10; ++tick)
        {
            const auto y = (float) (faderSlotBottom - (faderSlotBottom - faderSlotTop) * tick / 10.0);
            const auto major = tick % 5 == 0;
            g.setColour (Colour (0xffb8b8c0).withAlpha (major ? 0.8f : 0.5f));
            const auto length = major ? 18.0f : 11.0f;
            g.fillRect (juce::Rectangle<float> (slotX - 14.0f - length, y - 0.75f, length, 1.5f));
            g.fillRect (juce::Rectangle<float> (slotX + 14.0f, y - 0.75f, length, 1.5f));
        }

        const auto slot = juce::Rectangle<float> (slotX - 3.0f, (float) faderSlotTop - 8.0f, 6.0f, (float) (faderSlotBottom - faderSlotTop) + 16.0f);
        g.setColour (Colour (0xff030303));
        g.fillRoundedRectangle (slot, 3.0f);
        g.setColour (juce::Colours::white.withAlpha (0.10f));
        g.drawLine (slot.getRight() + 0.5f, slot.getY() + 3.0f, slot.getRight() + 0.5f, slot.getBottom() - 3.0f, 1.0f);

        const auto capY = (float) faderCapCentreY (frame, frames);
        const auto cap = juce::Rectangle<float> (64.0f, 36.0f).withCentre ({ slotX, capY });
        g.setColour (juce::Colours::black.withAlpha (0.5f));
        g.fillRoundedRectangle (cap.translated (2.0f, 4.0f).expanded (1.0f), 5.0f);
        juce::ColourGradient metal (Colour (0xffd6d8de), 0, cap.getY(), Colour (0xff6a6c74), 0, cap.getBottom(), false);
        metal.addColour (0.45, Colour (0xffa8aab2));
        g.setGradientFill (metal);
        g.fillRoundedRectangle (cap, 5.0f);
        for (int groove = 1; groove < 6; ++groove)
        {
            const auto y = cap.getY() + cap.getHeight() * (float) groove / 6.0f;
            g.setColour (juce::Colours::black.withAlpha (0.22f));
            g.drawLine (cap.getX() + 4.0f, y, cap.getRight() - 4.0f, y, 1.0f);
            g.setColour (juce::Colours::white.withAlpha (0.25f));
            g.drawLine (cap.getX() + 4.0f, y + 1.0f, cap.getRight() - 4.0f, y + 1.0f, 1.0f);
        }
        g.setColour (Colour (0xffd8a838));
        g.fillRect (juce::Rectangle<float> (cap.getX() + 2.0f, capY - 1.5f, cap.getWidth() - 4.0f, 3.0f));
        g.setColour (juce::Colours::white.withAlpha (0.35f));
        g.drawRoundedRectangle (cap.reduced (0.5f), 5.0f, 1.0f);
    });
}

juce::Image paintNeedleStrip()
{
    const int w = 317, h = 222, frames = 129;
    const juce::Point<float> pivot ((float) needlePivotX, (float) needlePivotY);
    const auto outer = juce::Rectangle<float> (10.0f, 4.0f, 297.0f, 212.0f);
    const auto window = juce::Rectangle<float> (60.0f, 26.0f, 197.0f, 138.0f);

    return paintStrip (w, h, frames, [&] (juce::Graphics& g, int frame) {
        const auto angle = (float) needleAngleDegrees ((double) frame / (frames - 1));
        g.setColour (Colour (0xffd41a14));
        juce::Path needle;
        const auto tip = polar (pivot, 150.0f, angle), side = polar ({}, 1.4f, angle + 90.0f);
        needle.startNewSubPath (pivot + side);
        needle.lineTo (tip + side * 0.4f);
        needle.lineTo (tip - side * 0.4f);
        needle.lineTo (pivot - side);
        needle.closeSubPath();
        g.fillPath (needle);

        // Glass: a faint sheen across the upper left of the window.
        juce::Path sheen;
        sheen.addRoundedRectangle (window, 8.0f);
        g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.14f), window.getX(), window.getY(),
                                                 juce::Colours::white.withAlpha (0.0f), window.getCentreX(), window.getCentreY(), false));
        g.fillPath (sheen);

        juce::Path bezel;
        bezel.addRoundedRectangle (outer, 16.0f);
        bezel.addRoundedRectangle (window, 8.0f);
        bezel.setUsingNonZeroWinding (false);
        g.setGradientFill (juce::ColourGradient (Colour (0xffa4a6ae), outer.getX(), outer.getY(), Colour (0xff44464c), outer.getRight(), outer.getBottom(), false));
        g.fillPath (bezel);
        g.setColour (juce::Colours::white.withAlpha (0.35f));
        g.drawRoundedRectangle (outer.reduced (0.5f), 16.0f, 1.0f);
        g.setColour (juce::Colours::black.withAlpha (0.55f));
        g.drawRoundedRectangle (window.expanded (1.0f), 9.0f, 2.0f);

        for (const auto corner : { outer.getTopLeft().translated (16, 14), outer.getTopRight().translated (-16, 14),
                                   outer.getBottomLeft().translated (16, -14), outer.getBottomRight().translated (-16, -14) })
        {
            g.setGradientFill (juce::ColourGradient (Colour (0xffd0d2d8), corner.x - 4, corner.y - 4, Colour (0xff3a3c40), corner.x + 4, corner.y + 4, false));
            g.fillEllipse (juce::Rectangle<float> (9.0f, 9.0f).withCentre (corner));
            g.setColour (juce::Colours::black.withAlpha (0.6f));
            g.drawLine (corner.x - 3, corner.y + 3, corner.x + 3, corner.y - 3, 1.2f);
        }
    });
}

juce::Image paintScale()
{
    juce::Image image (juce::Image::ARGB, 180, 64, true);
    juce::Graphics g (image);

    // Drawn in the needle frame's coordinates, then mapped to where the meter stretches the
    // scale, so every mark sits under the needle at its level.
    g.addTransform (juce::AffineTransform::scale (300.0f / 317.0f, (64.0f / 0.36f) / 222.0f)
                        .translated (-60.0f, -0.2f * 64.0f / 0.36f));

    const juce::Point<float> pivot ((float) needlePivotX, (float) needlePivotY);
    const auto ink = Colour (0xff1c1610), red = Colour (0xffc81e14);
    const auto angleOf = [] (double db) { return (float) needleAngleDegrees (meterProportion (db)); };

    juce::Path arc;
    arc.addCentredArc (pivot.x, pivot.y, 132.0f, 132.0f, 0.0f, juce::degreesToRadians (angleOf (-20.0)), juce::degreesToRadians (angleOf (0.0)), true);
    g.setColour (ink);
    g.strokePath (arc, juce::PathStrokeType (1.6f));

    juce::Path redZone;
    redZone.addCentredArc (pivot.x, pivot.y, 134.0f, 134.0f, 0.0f, juce::degreesToRadians (angleOf (0.0)), juce::degreesToRadians (angleOf (3.0)), true);
    g.setColour (red);
    g.strokePath (redZone, juce::PathStrokeType (5.0f));

    const struct { double db; const char* label; bool isRed; } marks[] = {
        { -20.0, "20", false }, { -10.0, "10", false }, { -7.0, "7", false }, { -5.0, "5", false },
        { -3.0, "3", false }, { -1.0, nullptr, false }, { 0.0, "0", true }, { 1.0, nullptr, true }, { 3.0, "3", true },
    };
    for (const auto& m : marks)
    {
        const auto a = angleOf (m.db);
        g.setColour (m.isRed ? red : ink);
        g.drawLine (juce::Line<float> (polar (pivot, 126.0f, a), polar (pivot, m.label != nullptr ? 141.0f : 138.0f, a)), 2.0f);
        if (m.label != nullptr)
        {
            g.setFont (boldFont (16.0f));
            g.drawText (m.label, juce::Rectangle<float> (34.0f, 18.0f).withCentre (polar (pivot, 151.0f, a)), juce::Justification::centred);
        }
    }

    g.setFont (boldFont (20.0f));
    g.setColour (ink);
    g.drawText (juce::String::fromUTF8 ("\xe2\x88\x92"), juce::Rectangle<float> (20.0f, 20.0f).withCentre (polar (pivot, 116.0f, angleOf (-20.0) - 4.0f)), juce::Justification::centred);
    g.setColour (red);
    g.drawText ("+", juce::Rectangle<float> (20.0f, 20.0f).withCentre (polar (pivot, 116.0f, angleOf (3.0) + 4.0f)), juce::Justification::centred);

    g.setColour (ink);
    g.setFont (boldFont (18.0f));
    g.drawText ("dB", juce::Rectangle<float> (60.0f, 20.0f).withCentre ({ pivot.x, 104.0f }), juce::Justification::centred);
    g.setFont (boldFont (11.0f));
    g.drawText ("OUTPUT PEAK", juce::Rectangle<float> (120.0f, 14.0f).withCentre ({ pivot.x, 121.0f }), juce::Justification::centred);
    return image;
}

juce::Image paintFace()
{
    const int w = 424, h = 196;
    juce::Image image (juce::Image::RGB, w, h, true);
    juce::Graphics g (image);

    juce::ColourGradient glow (Colour (0xfff6cf7a), (float) w * 0.5f, (float) h * 0.42f, Colour (0xff4a2270), 0.0f, (float) h * 1.1f, true);
    glow.addColour (0.55, Colour (0xffd88a58));
    glow.addColour (0.8, Colour (0xff8a3c78));
    g.setGradientFill (glow);
    g.fillAll();

    g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.10f), 0, 0, juce::Colours::transparentWhite, 0, (float) h * 0.4f, false));
    g.fillRect (0, 0, w, h);

    paintMark (g, juce::Rectangle<float> (22.0f, 22.0f).withCentre ({ (float) w * 0.5f, (float) h - 30.0f }), Colour (0xff2a1630).withAlpha (0.7f), 2.5f);
    return image;
}

std::vector<std::pair<juce::String, juce::Image>> paintAll()
{
    return {
        { "background.png", paintBackground() },
        { "header_logo.png", paintLogo() },
        { "knob_black_strip.png", paintBlackKnobStrip() },
        { "knob_gold_strip.png", paintGoldKnobStrip() },
        { "fader_strip.png", paintFaderStrip() },
        { "vu_needle_strip.png", paintNeedleStrip() },
        { "vu_scale.png", paintScale() },
        { "vu_face.png", paintFace() },
    };
}
} // namespace ferrox_art
