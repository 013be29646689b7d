#pragma once

#include <juce_core/juce_core.h>

// Parameter IDs are the keys under which hosts automate and projects store the parameters:
// never change or translate them.
namespace TessaryParameters
{
extern const juce::String volumeID, volumeName;
extern const juce::String filter1GainID, filter1GainName;
extern const juce::String filter1QID, filter1QName;
extern const juce::String filter1CutoffID, filter1CutoffName;
extern const juce::String filter2GainID, filter2GainName;
extern const juce::String filter2QID, filter2QName;
extern const juce::String filter2CutoffID, filter2CutoffName;
extern const juce::String filter3GainID, filter3GainName;
extern const juce::String filter3QID, filter3QName;
extern const juce::String filter3CutoffID, filter3CutoffName;
extern const juce::String filter4GainID, filter4GainName;
extern const juce::String filter4QID, filter4QName;
extern const juce::String filter4CutoffID, filter4CutoffName;
extern const juce::String hpCutoffID, hpCutoffName;
extern const juce::String lpCutoffID, lpCutoffName;
extern const juce::String lowShelfToggleID, lowShelfToggleName;
extern const juce::String highShelfToggleID, highShelfToggleName;
} // namespace TessaryParameters
