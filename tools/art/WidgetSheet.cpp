#include "WidgetSheet.h"

#include <BinaryData.h>
#include <Header.h>
#include <tessary_gui/tessary_gui.h>

namespace ferrox_art
{
namespace
{
juce::Image picture (const char* data, int size) { return juce::ImageCache::getFromMemory (data, size); }
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
    black.setName ("HP");
    black.setSliderStyle (juce::Slider::RotaryVerticalDrag);
    black.setRange (20.0, 20000.0);
    black.setSkewFactorFromMidPoint (1000.0);
    black.setValue (120.0);
    black.setFilmStrip (picture (BinaryData::knob_black_strip_png, BinaryData::knob_black_strip_pngSize), 129);
    black.setBounds (60, 340, 146, 146);

    tessary_gui::CustomBorder look;
    juce::GroupComponent group ({}, "The EQ Sauce");
    group.setColour (juce::GroupComponent::textColourId, juce::Colours::whitesmoke.withAlpha (0.5f));
    group.setLookAndFeel (&look);
    group.setBounds (420, 80, 300, 300);

    gold.setName ("Gain");
    gold.setSliderStyle (juce::Slider::RotaryVerticalDrag);
    gold.setRange (-15.0, 15.0);
    gold.setValue (4.5);
    gold.setFilmStrip (picture (BinaryData::knob_gold_strip_png, BinaryData::knob_gold_strip_pngSize), 128);
    gold.setBounds (500, 160, 140, 140);

    fader.setName ("Out");
    fader.setSliderStyle (juce::Slider::LinearVertical);
    fader.setRange (-30.0, 30.0);
    fader.setValue (0.0);
    fader.setFilmStrip (picture (BinaryData::fader_strip_png, BinaryData::fader_strip_pngSize), 256);
    fader.setBounds (820, 70, 73, 428);

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
