#pragma once

#include "Globals.h"

#include <vector>

namespace TessaryParameters
{
struct SliderParameterData
{
    juce::String paramID;
    juce::String paramName;
    float min = 0.0f;
    float max = 1.0f;
    float initial = 0.0f;
    int isLinear = 1;   // zero: skewed so that centre sits at mid-travel
    float centre = 0.0f;
    int valueType = 1;  // zero: whole-number text with the name as unit label
};

struct ButtonParameterData
{
    juce::String paramID;
    juce::String paramName;
    bool initial = false;
};

/** Every parameter the plug-in publishes, in host order; the layout and the editor both
    build from these lists. */
struct Params
{
    Params();

    std::vector<SliderParameterData> sliderParams;
    std::vector<ButtonParameterData> buttonParams;
    std::vector<SliderParameterData> filterSliderParams;
    std::vector<SliderParameterData> passSliderParams;
};
} // namespace TessaryParameters
