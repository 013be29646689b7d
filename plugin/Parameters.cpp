#include "Parameters.h"

namespace TessaryParameters
{
namespace
{
constexpr int kLinear = 1, kSkewed = 0;
constexpr int kWholeNumbers = 0, kDecimals = 1;

SliderParameterData gain (const juce::String& id, const juce::String& name)
{
    return { id, name, -15.0f, 15.0f, 0.0f, kLinear, 0.0f, kDecimals };
}

SliderParameterData q (const juce::String& id, const juce::String& name)
{
    return { id, name, 0.05f, 0.95f, 0.3f, kLinear, 0.0f, kDecimals };
}

SliderParameterData frequency (const juce::String& id, const juce::String& name,
                               float min, float max, float initial, float centre, int valueType)
{
    return { id, name, min, max, initial, kSkewed, centre, valueType };
}
} // namespace

Params::Params()
{
    sliderParams = {
        gain (filter1GainID, filter1GainName),
        q (filter1QID, filter1QName),
        frequency (filter1CutoffID, filter1CutoffName, 30.0f, 400.0f, 80.0f, 100.0f, kWholeNumbers),
        gain (filter2GainID, filter2GainName),
        q (filter2QID, filter2QName),
        frequency (filter2CutoffID, filter2CutoffName, 75.0f, 1000.0f, 500.0f, 250.0f, kWholeNumbers),
        gain (filter3GainID, filter3GainName),
        q (filter3QID, filter3QName),
        frequency (filter3CutoffID, filter3CutoffName, 800.0f, 12500.0f, 2000.0f, 5000.0f, kWholeNumbers),
        gain (filter4GainID, filter4GainName),
        q (filter4QID, filter4QName),
        frequency (filter4CutoffID, filter4CutoffName, 2500.0f, 20000.0f, 10000.0f, 10000.0f, kWholeNumbers),
    };

    filterSliderParams = sliderParams;

    const auto hp = frequency (hpCutoffID, hpCutoffName, 20.0f, 20000.0f, 20.0f, 1000.0f, kDecimals);
    const auto lp = frequency (lpCutoffID, lpCutoffName, 20.0f, 20000.0f, 20000.0f, 1000.0f, kDecimals);
    sliderParams.push_back (hp);
    sliderParams.push_back (lp);

    // The editor prints the pass knobs as whole numbers whatever the host shows.
    passSliderParams.push_back ({ hp.paramID, hp.paramName, hp.min, hp.max, hp.initial, hp.isLinear, hp.centre, kWholeNumbers });
    passSliderParams.push_back ({ lp.paramID, lp.paramName, lp.min, lp.max, lp.initial, lp.isLinear, lp.centre, kWholeNumbers });

    sliderParams.push_back ({ volumeID, volumeName, -30.0f, 30.0f, 0.0f, kLinear, 0.0f, kDecimals });

    buttonParams.push_back ({ lowShelfToggleID, lowShelfToggleName, false });
    buttonParams.push_back ({ highShelfToggleID, highShelfToggleName, false });
}
} // namespace TessaryParameters
