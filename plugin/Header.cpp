#include "Header.h"

#include <BinaryData.h>

juce::Rectangle<float> Header::logoTarget (int width, int height)
{
    return { (float) (int) (0.02 * width), 0.0f, (float) (int) (0.17 * width), (float) height };
}

void Header::paint (juce::Graphics& g)
{
    // Pictures are drawn with the alpha of the current colour: the logo at 70 %.
    g.setColour (juce::Colours::white.withAlpha (0.7f));

    const auto logo = juce::ImageCache::getFromMemory (BinaryData::header_logo_png, BinaryData::header_logo_pngSize);
    if (logo.isValid())
        g.drawImage (logo, logoTarget (getWidth(), getHeight()), juce::RectanglePlacement::centred);

    g.setColour (juce::Colour (0x404d4d59));
    g.drawLine (0.0f, (float) getHeight(), (float) getWidth(), (float) getHeight(), 2.0f);
}
