#pragma once

#include <juce_graphics/juce_graphics.h>

namespace ferrox_art
{
/** One of each widget of the window, drawn with the embedded pictures: the output fader, a
    black and a gold knob, the meter at 0 dB, the group outline and the header. */
juce::Image paintWidgetSheet();
} // namespace ferrox_art
