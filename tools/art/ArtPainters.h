#pragma once

#include <juce_graphics/juce_graphics.h>

#include <utility>
#include <vector>

namespace ferrox_art
{
juce::Image paintBackground();
juce::Image paintLogo();
juce::Image paintBlackKnobStrip();
juce::Image paintGoldKnobStrip();
juce::Image paintFaderStrip();
juce::Image paintNeedleStrip();
juce::Image paintScale();
juce::Image paintFace();

/** All eight, with the file names the plug-in embeds them under. */
std::vector<std::pair<juce::String, juce::Image>> paintAll();
} // namespace ferrox_art
