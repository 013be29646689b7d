#include <BinaryData.h>
#include <Header.h>
#include <gtest/gtest.h>
#include <tessary_gui/tessary_gui.h>

namespace
{
using tessary_gui::CustomBorder;
using tessary_gui::CustomDialLabel;
using tessary_gui::ImageFader;
using tessary_gui::VUMeter;

juce::Image paintOf (juce::Component& c)
{
    juce::Image image (juce::Image::ARGB, c.getWidth(), c.getHeight(), true);
    juce::Graphics g (image);
    c.paintEntireComponent (g, true);
    return image;
}

int countPixels (const juce::Image& image, juce::Rectangle<int> area, const std::function<bool (juce::Colour)>& wanted)
{
    int n = 0;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            n += wanted (image.getPixelAt (x, y)) ? 1 : 0;
    return n;
}

juce::Image strip (const char* data, int size) { return juce::ImageCache::getFromMemory (data, size); }
} // namespace

TEST (ImageFader, FrameForProportionTruncates)
{
    const struct { int frames; float proportion; int frame; } cases[] = {
        { 129, 0.5f, 64 }, { 128, 0.999f, 126 }, { 128, 1.0f, 127 }, { 256, 0.0f, 0 }, { 256, 1.0f, 255 },
    };
    for (const auto& c : cases)
        EXPECT_EQ (ImageFader::frameForProportion (c.frames, c.proportion), c.frame) << c.frames << " " << c.proportion;

    ImageFader fader;
    fader.setRange (20.0, 20000.0);
    fader.setFilmStrip (strip (BinaryData::knob_black_strip_png, BinaryData::knob_black_strip_pngSize), 129);
    fader.setValue (20000.0);
    EXPECT_EQ (fader.getFrameIndex(), 128);
    fader.setValue (20.0);
    EXPECT_EQ (fader.getFrameIndex(), 0);
}

TEST (ImageFader, FrameSizesFollowTheStrip)
{
    const struct { juce::Image image; int frames; int width, height; } cases[] = {
        { strip (BinaryData::knob_black_strip_png, BinaryData::knob_black_strip_pngSize), 129, 125, 125 },
        { strip (BinaryData::fader_strip_png, BinaryData::fader_strip_pngSize), 256, 104, 444 },
        { juce::Image (juce::Image::ARGB, 10, 1000, true), 3, 10, 333 },
        { juce::Image(), 129, 0, 0 },
        { juce::Image (juce::Image::ARGB, 10, 100, true), 0, 0, 0 },
        { juce::Image (juce::Image::ARGB, 10, 100, true), -4, 0, 0 },
    };
    for (const auto& c : cases)
    {
        ImageFader fader;
        fader.setFilmStrip (c.image, c.frames);
        EXPECT_EQ (fader.getFrameWidth(), c.width);
        EXPECT_EQ (fader.getFrameHeight(), c.height);
    }
}

TEST (ImageFader, NoticeInsteadOfAFrame)
{
    const auto notice = [] (juce::Image image, int frames, int width) {
        ImageFader fader;
        fader.setBounds (0, 0, width, 120);
        fader.setFilmStrip (image, frames);
        const auto painted = paintOf (fader);
        // The notice is whitesmoke text around the middle, above the value box.
        return countPixels (painted, { 0, 40, width, 30 }, [] (juce::Colour c) { return c.getAlpha() > 200 && c.getBrightness() > 0.9f; });
    };

    EXPECT_GT (notice ({}, 129, 200), 20);
    EXPECT_GT (notice (juce::Image (juce::Image::ARGB, 10, 100, true), 0, 200), 20);
    EXPECT_EQ (notice (juce::Image (juce::Image::ARGB, 10, 100, true), 10, 200), 0) << "a valid, empty strip draws no notice";
    EXPECT_GT (notice ({}, 129, 40), 0) << "shortened, still drawn";
}

TEST (ImageFader, ValueBoxHeightByStyle)
{
    const struct { juce::Slider::SliderStyle style; int w, h, box; } cases[] = {
        { juce::Slider::RotaryVerticalDrag, 125, 125, 18 },
        { juce::Slider::LinearVertical, 104, 400, 20 },
        { juce::Slider::RotaryVerticalDrag, 146, 146, 21 },
    };
    for (const auto& c : cases)
    {
        ImageFader fader;
        fader.setSliderStyle (c.style);
        fader.setBounds (0, 0, c.w, c.h);
        EXPECT_EQ (fader.getTextBoxHeight(), c.box);
        EXPECT_EQ (fader.getTextBoxWidth(), c.w);
        EXPECT_EQ (fader.getTextBoxPosition(), juce::Slider::TextBoxBelow);
    }
}

TEST (VUMeter, FrameForEachLevel)
{
    VUMeter meter;
    meter.setImages (strip (BinaryData::vu_needle_strip_png, BinaryData::vu_needle_strip_pngSize),
                     strip (BinaryData::vu_scale_png, BinaryData::vu_scale_pngSize),
                     strip (BinaryData::vu_face_png, BinaryData::vu_face_pngSize));
    EXPECT_EQ (meter.getFrameWidth(), 317);
    EXPECT_EQ (meter.getFrameHeight(), 222);

    const std::pair<double, int> table[] = {
        { -100.0, 0 }, { -20.0, 0 }, { -10.0, 27 }, { -7.0, 44 }, { -5.0, 58 }, { -3.0, 73 },
        { -1.0, 89 }, { 0.0, 98 }, { 1.0, 108 }, { 3.0, 128 }, { 12.0, 128 },
    };
    for (const auto& [db, frame] : table)
    {
        meter.setLevel (db);
        EXPECT_EQ (meter.getFrameIndex(), frame) << db << " dB";
    }
}

TEST (VUMeter, LayersLandWhereTheyShould)
{
    const auto face = VUMeter::faceArea (300, 210), scale = VUMeter::scaleArea (300, 210);
    EXPECT_FLOAT_EQ (face.getX(), 48.0f);
    EXPECT_NEAR (face.getY(), 29.53f, 1.0e-4f);
    EXPECT_FLOAT_EQ (face.getWidth(), 204.0f);
    EXPECT_NEAR (face.getHeight(), 142.8f, 1.0e-4f);
    EXPECT_FLOAT_EQ (scale.getX(), 60.0f);
    EXPECT_FLOAT_EQ (scale.getY(), 52.0f);
    EXPECT_FLOAT_EQ (scale.getWidth(), 180.0f);
    EXPECT_NEAR (scale.getHeight(), 75.6f, 1.0e-4f);

    // The needle layer covers the meter from 10 pixels down: its top rows stay clear.
    VUMeter meter;
    meter.setBounds (0, 0, 300, 210);
    meter.setImages (strip (BinaryData::vu_needle_strip_png, BinaryData::vu_needle_strip_pngSize),
                     strip (BinaryData::vu_scale_png, BinaryData::vu_scale_pngSize),
                     strip (BinaryData::vu_face_png, BinaryData::vu_face_pngSize));
    const auto painted = paintOf (meter);
    EXPECT_EQ (countPixels (painted, { 0, 0, 300, 10 }, [] (juce::Colour c) { return c.getAlpha() > 0; }), 0);
    EXPECT_GT (countPixels (painted, { 0, 20, 300, 20 }, [] (juce::Colour c) { return c.getAlpha() == 255; }), 1000);
}

TEST (VUMeter, ClicksPassThroughAndMissingImagesShowANotice)
{
    juce::Component parent, below;
    VUMeter meter;
    parent.setBounds (0, 0, 300, 210);
    below.setBounds (0, 0, 300, 210);
    meter.setBounds (0, 0, 300, 210);
    parent.addAndMakeVisible (below);
    parent.addAndMakeVisible (meter);
    parent.setVisible (true);
    EXPECT_EQ (parent.getComponentAt (150, 100), &below);

    const auto painted = paintOf (meter);
    EXPECT_GT (countPixels (painted, { 0, 90, 300, 30 }, [] (juce::Colour c) { return c.getAlpha() > 200; }), 20);
}

TEST (DialLabel, ValueTextsAreTruncated)
{
    using V = CustomDialLabel;
    const struct { double value; V::ValueType type; const char* text; } cases[] = {
        { (double) 12.345f, V::kFloat, "12.34" }, { (double) 0.7f, V::kFloat, "0.69" }, { (double) -3.7f, V::kFloat, "-3.7" },
        { 2.5, V::kFloat, "2.5" }, { 10.0, V::kFloat, "10" }, { -3.7, V::kInt, "-3" }, { 999.9, V::kInt, "999" },
        { 0.7, V::kInt, "0" }, { 2.5, (V::ValueType) 7, "2.5" },
    };
    for (const auto& c : cases)
        EXPECT_EQ (CustomDialLabel::formatValue (c.value, c.type), c.text) << c.value;
}

TEST (DialLabel, FontHeightAndDisabledAlpha)
{
    EXPECT_FLOAT_EQ (CustomDialLabel::fontHeightFor (125, 18), 15.0f);
    EXPECT_FLOAT_EQ (CustomDialLabel::fontHeightFor (200, 10), 24.0f);
    EXPECT_FLOAT_EQ (CustomDialLabel::fontHeightFor (104, 20), 15.0f);

    // An idle fader's box shows its name; disabled, at half the alpha.
    const auto maxAlpha = [] (bool enabled) {
        ImageFader fader;
        fader.setName ("HP");
        fader.setSliderStyle (juce::Slider::RotaryVerticalDrag);
        fader.setBounds (0, 0, 125, 125);
        fader.setEnabled (enabled);
        const auto painted = paintOf (fader);
        int alpha = 0;
        for (int y = 107; y < 125; ++y)
            for (int x = 0; x < 125; ++x)
                alpha = std::max (alpha, (int) painted.getPixelAt (x, y).getAlpha());
        return alpha;
    };
    const auto enabled = maxAlpha (true), disabled = maxAlpha (false);
    EXPECT_NEAR (enabled, 0x80, 4);
    EXPECT_NEAR (disabled, 0x40, 4);
}

TEST (GroupBorder, SizesFollowTheGroupShape)
{
    const struct { int w, h; float textH, thickness; } cases[] = {
        { 600, 300, 12.0f, 1.5f }, { 300, 600, 14.4f, 3.0f }, { 500, 500, 12.0f, 2.5f },
    };
    for (const auto& c : cases)
    {
        EXPECT_FLOAT_EQ (CustomBorder::titleSizeFor (c.w, c.h), c.textH);
        EXPECT_FLOAT_EQ (CustomBorder::strokeThicknessFor (c.w, c.h), c.thickness);
    }
}

TEST (GroupBorder, GradientAndCentredTitle)
{
    CustomBorder look;
    juce::GroupComponent group ({}, "The EQ Sauce");
    group.setTextLabelPosition (juce::Justification::centredTop);
    group.setColour (juce::GroupComponent::textColourId, juce::Colours::white);
    group.setColour (juce::GroupComponent::outlineColourId, juce::Colours::lime); // must play no part
    group.setLookAndFeel (&look);
    group.setBounds (0, 0, 800, 400);
    const auto painted = paintOf (group);
    group.setLookAndFeel (nullptr);

    // Along the bottom edge the outline is the bottom colour; up the left side, past 10 %
    // of the height, the top colour.
    const auto bottom = painted.getPixelAt (400, 400 - 3 - 1);
    EXPECT_NEAR (bottom.getRed(), 0x32, 12);
    EXPECT_NEAR (bottom.getBlue(), 0x8b, 12);
    const auto side = painted.getPixelAt (3, 30);
    EXPECT_NEAR (side.getRed(), 0x97, 12);
    EXPECT_NEAR (side.getBlue(), 0x72, 12);
    EXPECT_EQ (countPixels (painted, painted.getBounds(), [] (juce::Colour c) { return c.getGreen() > 200 && c.getRed() < 100; }), 0);

    // The title is white text in the gap, centred.
    int minX = 800, maxX = 0;
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 800; ++x)
            if (painted.getPixelAt (x, y).getBrightness() > 0.8f)
            {
                minX = std::min (minX, x);
                maxX = std::max (maxX, x);
            }
    EXPECT_NEAR ((minX + maxX) / 2.0, 400.0, 3.0);
}

TEST (Header, LogoTargetAndBottomLine)
{
    const struct { int w, h; juce::Rectangle<float> target; } cases[] = {
        { 1000, 40, { 20.0f, 0.0f, 170.0f, 40.0f } },
        { 1224, 48, { 24.0f, 0.0f, 208.0f, 48.0f } },
        { 1000, 20, { 20.0f, 0.0f, 170.0f, 20.0f } },
    };
    for (const auto& c : cases)
        EXPECT_EQ (Header::logoTarget (c.w, c.h), c.target);

    for (const auto& c : cases)
    {
        Header header;
        header.setBounds (0, 0, c.w, c.h);
        const auto painted = paintOf (header);
        // Logo scaled by the smaller factor and centred in its target.
        const auto logoArea = juce::Rectangle<float> (2163.0f, 472.0f)
                                  .transformedBy (juce::RectanglePlacement (juce::RectanglePlacement::centred)
                                                      .getTransformToFit ({ 2163.0f, 472.0f }, c.target));
        int logoPixels = 0, outside = 0;
        for (int y = 0; y < c.h - 1; ++y)
            for (int x = 0; x < c.w; ++x)
                if (painted.getPixelAt (x, y).getAlpha() > 0)
                    (logoArea.expanded (1.0f).contains ((float) x + 0.5f, (float) y + 0.5f) ? logoPixels : outside)++;
        EXPECT_GT (logoPixels, 100);
        EXPECT_EQ (outside, 0);
        // The line's upper half fills the last row, at alpha 0x40.
        EXPECT_EQ (painted.getPixelAt (c.w - 5, c.h - 1).getAlpha(), 0x40);
    }
}
