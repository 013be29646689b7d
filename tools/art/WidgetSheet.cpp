#include "WidgetSheet.h"

#include <BinaryData.h>
#include <Header.h>
#include <tessary_gui/tessary_gui.h>

namespace ferrox_art
{
namespace
{
juce::Image picture (const char* data, int size) { return juce::ImageCache::getFromMemory (data, size); }

struct FaderLook
{
    const char* name;
    juce::Slider::SliderStyle style;
    double min, max, value;
    juce::Image strip;
    int frames;
    juce::Rectangle<int> bounds;
};

void setUp (tessary_gui::ImageFader& fader, const FaderLook& look)
{
    fader.setName (look.name);
    fader.setSliderStyle (look.style);
    fader.setRange (look.min, look.max);
    fader.setValue (look.value);
    fader.setFilmStrip (look.strip, look.frames);
    fader.setBounds (look.bounds);
}
} // namespace

juce::Image paintWidgetSheet()
{
    juce::Component sheet;
    sheet.setBounds (0, 0, 1000, 520);

    Header header;
    header.setBounds (0, 0, 1000, 48);

    tessary_gui::VUMeter meter;
    meter.setBounds (30, 80, 330, 226);
    meter.setImages (picture (BinaryData::vu_needle_strip_png, BinaryData::vu_needle_strip_pngSize),
                     picture (BinaryData::vu_scale_png, BinaryData::vu_scale_pngSize),
                     picture (BinaryData::vu_face_png, BinaryData::vu_face_pngSize));
    meter.setLevel (0.0);

    tessary_gui::ImageFader black, gold, fader;
    setUp (black, { "HP", juce::Slider::RotaryVerticalDrag, 20.0, 20000.0, 120.0,
                    picture (BinaryData::knob_black_strip_png, BinaryData::knob_black_strip_pngSize), 129, { 60, 340, 146, 146 } });
    black.setSkewFactorFromMidPoint (1000.0);
    setUp (gold, { "Gain", juce::Slider::RotaryVerticalDrag, -15.0, 15.0, 4.5,
                   picture (BinaryData::knob_gold_strip_png, BinaryData::knob_gold_strip_pngSize), 128, { 500, 160, 140, 140 } });
    setUp (fader, { "Out", juce::Slider::LinearVertical, -30.0, 30.0, 0.0,
                    picture (BinaryData::fader_strip_png, BinaryData::fader_strip_pngSize), 256, { 820, 70, 73, 428 } });

    tessary_gui::CustomBorder look;
    juce::GroupComponent group ({}, "The EQ Sauce");
    group.setColour (juce::GroupComponent::textColourId, juce::Colours::whitesmoke.withAlpha (0.5f));
    group.setLookAndFeel (&look);
    group.setBounds (420, 80, 300, 300);

    for (auto* c : std::initializer_list<juce::Component*> { &header, &meter, &black, &group, &gold, &fader })
        sheet.addAndMakeVisible (c);

    juce::Image image (juce::Image::RGB, sheet.getWidth(), sheet.getHeight(), true);
    {
        juce::Graphics g (image);
        g.fillAll (juce::Colour (0xff1c1c20));
        sheet.paintEntireComponent (g, true);
    }
    group.setLookAndFeel (nullptr);
    return image;
}
} // namespace ferrox_art
