#include "Globals.h"

namespace TessaryParameters
{
const juce::String volumeID { "volumeID" }, volumeName { "Volume" };
const juce::String filter1GainID { "filter1GainID" }, filter1GainName { "Gain" };
const juce::String filter1QID { "filter1QID" }, filter1QName { "Q" };
const juce::String filter1CutoffID { "filter1CutoffID" }, filter1CutoffName { "Freq" };
const juce::String filter2GainID { "filter2GainID" }, filter2GainName { "Gain" };
const juce::String filter2QID { "filter2QID" }, filter2QName { "Q" };
const juce::String filter2CutoffID { "filter2CutoffID" }, filter2CutoffName { "Freq" };
const juce::String filter3GainID { "filter3GainID" }, filter3GainName { "Gain" };
const juce::String filter3QID { "filter3QID" }, filter3QName { "Q" };
const juce::String filter3CutoffID { "filter3CutoffID" }, filter3CutoffName { "Freq" };
const juce::String filter4GainID { "filter4GainID" }, filter4GainName { "Gain" };
const juce::String filter4QID { "filter4QID" }, filter4QName { "Q" };
const juce::String filter4CutoffID { "filter4CutoffID" }, filter4CutoffName { "Freq" };
const juce::String hpCutoffID { "hpCutoffID" }, hpCutoffName { "HP" };
const juce::String lpCutoffID { "lpCutoffID" }, lpCutoffName { "LP" };
const juce::String lowShelfToggleID { "lowShelfToggleID" }, lowShelfToggleName { "Low Shelf" };
const juce::String highShelfToggleID { "highShelfToggleID" }, highShelfToggleName { "High Shelf" };
} // namespace TessaryParameters
