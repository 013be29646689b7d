#include <BinaryData.h>
#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

namespace
{
struct Picture
{
    const char* name;
    const char* data;
    int size;
    int width, height, frames;
    bool alpha;
};

const Picture pictures[] = {
    { "background", BinaryData::background_png, BinaryData::background_pngSize, 2000, 1200, 1, false },
    { "header_logo", BinaryData::header_logo_png, BinaryData::header_logo_pngSize, 2163, 472, 1, true },
    { "knob_black_strip", BinaryData::knob_black_strip_png, BinaryData::knob_black_strip_pngSize, 125, 16125, 129, true },
    { "knob_gold_strip", BinaryData::knob_gold_strip_png, BinaryData::knob_gold_strip_pngSize, 120, 15360, 128, true },
    { "fader_strip", BinaryData::fader_strip_png, BinaryData::fader_strip_pngSize, 104, 113664, 256, true },
    { "vu_needle_strip", BinaryData::vu_needle_strip_png, BinaryData::vu_needle_strip_pngSize, 317, 28638, 129, true },
    { "vu_scale", BinaryData::vu_scale_png, BinaryData::vu_scale_pngSize, 180, 64, 1, true },
    { "vu_face", BinaryData::vu_face_png, BinaryData::vu_face_pngSize, 424, 196, 1, false },
};

juce::Image load (const char* data, int size) { return juce::ImageCache::getFromMemory (data, size); }

/** Centroid of the pixels of one frame that pass a test, relative to an origin in the frame. */
juce::Point<double> centroid (const juce::Image& strip, int frame, int frameHeight, juce::Point<double> origin,
                              const std::function<bool (juce::Colour, double, double)>& wanted)
{
    double sx = 0, sy = 0;
    int n = 0;
    for (int y = 0; y < frameHeight; ++y)
        for (int x = 0; x < strip.getWidth(); ++x)
        {
            const auto dx = x + 0.5 - origin.x, dy = y + 0.5 - origin.y;
            if (wanted (strip.getPixelAt (x, frame * frameHeight + y), dx, dy))
            {
                sx += dx;
                sy += dy;
                ++n;
            }
        }
    EXPECT_GT (n, 10) << "frame " << frame;
    return n > 0 ? juce::Point<double> (sx / n, sy / n) : juce::Point<double>();
}

/** Clockwise from twelve o'clock, in degrees. */
double clockAngle (juce::Point<double> v) { return juce::radiansToDegrees (std::atan2 (v.x, -v.y)); }
} // namespace

TEST (Art, EveryPictureDecodesWithItsSizeAndColourType)
{
    for (const auto& p : pictures)
    {
        SCOPED_TRACE (p.name);
        const auto image = load (p.data, p.size);
        ASSERT_TRUE (image.isValid());
        EXPECT_EQ (image.getWidth(), p.width);
        EXPECT_EQ (image.getHeight(), p.height);
        EXPECT_EQ (image.hasAlphaChannel(), p.alpha);
        EXPECT_EQ (image.getHeight() % p.frames, 0);

        // 8 bits a channel, RGB or RGBA, not interlaced: IHDR bytes 24 to 28.
        const auto* bytes = reinterpret_cast<const unsigned char*> (p.data);
        EXPECT_EQ (bytes[24], 8);
        EXPECT_EQ (bytes[25], p.alpha ? 6 : 2);
        EXPECT_EQ (bytes[28], 0);
    }
}

TEST (Art, KnobPointersSweepFromSevenToFiveOClock)
{
    struct Knob { const Picture& p; bool brightPointer; double capRadius; };
    const Knob knobs[] = { { pictures[2], true, 60.0 }, { pictures[3], false, 39.0 } };

    for (const auto& k : knobs)
    {
        const auto strip = load (k.p.data, k.p.size);
        const auto side = k.p.width;
        const juce::Point<double> centre (side / 2.0, side / 2.0);
        const auto pointer = [&] (juce::Colour c, double dx, double dy) {
            if (c.getAlpha() < 250 || std::hypot (dx, dy) > k.capRadius)
                return false;
            return k.brightPointer ? c.getRed() >= 245 && c.getGreen() >= 245 && c.getBlue() >= 245
                                   : c.getBrightness() < 0.2f;
        };

        const struct { int frame; double angle; double tolerance; } expected[] = {
            { 0, -150.0, 10.0 }, { k.p.frames / 2, 0.0, 3.0 }, { k.p.frames - 1, 150.0, 10.0 },
        };
        for (const auto& e : expected)
            EXPECT_NEAR (clockAngle (centroid (strip, e.frame, side, centre, pointer)), e.angle, e.tolerance)
                << k.p.name << " frame " << e.frame;
    }
}

TEST (Art, FaderCapTravelsFromBottomToTop)
{
    const auto& p = pictures[4];
    const auto strip = load (p.data, p.size);
    const auto frameHeight = p.height / p.frames;
    const auto gold = [] (juce::Colour c, double, double) {
        return c.getAlpha() == 255 && c.getRed() > 190 && c.getGreen() > 140 && c.getGreen() < 200 && c.getBlue() < 100;
    };

    const auto capY = [&] (int frame) { return centroid (strip, frame, frameHeight, {}, gold).y / frameHeight; };
    EXPECT_GT (capY (0), 0.85);
    EXPECT_NEAR (capY (128), 0.5, 0.05);
    EXPECT_LT (capY (255), 0.15);
}

TEST (Art, NeedleSweepsFromFarLeftThroughUprightToFarRight)
{
    const auto& p = pictures[5];
    const auto strip = load (p.data, p.size);
    const auto frameHeight = p.height / p.frames;
    // The pivot sits below the window, under the bezel, on the frame's centre line.
    const juce::Point<double> pivot (p.width / 2.0, 205.0);
    const auto red = [] (juce::Colour c, double, double) {
        return c.getAlpha() > 200 && c.getRed() > 150 && c.getGreen() < 90 && c.getBlue() < 90;
    };

    EXPECT_LT (clockAngle (centroid (strip, 0, frameHeight, pivot, red)), -20.0);
    EXPECT_NEAR (clockAngle (centroid (strip, 64, frameHeight, pivot, red)), 0.0, 1.0);
    EXPECT_GT (clockAngle (centroid (strip, 128, frameHeight, pivot, red)), 20.0);

    // The window is see-through apart from a faint sheen; the corners are clear.
    const auto frame = strip.getClippedImage ({ 0, 0, p.width, frameHeight });
    EXPECT_LT (frame.getPixelAt (200, 140).getAlpha(), 60);
    EXPECT_EQ (frame.getPixelAt (0, 0).getAlpha(), 0);
    EXPECT_EQ (frame.getPixelAt (30, 100).getAlpha(), 255) << "bezel";
}
