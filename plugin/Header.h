#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The bar across the top of the window: the logo at the left, a thin line underneath. */
class Header : public juce::Component
{
public:
    Header() = default;
    ~Header() override = default;

    void paint (juce::Graphics& g) override;
    void resized() override {}

    /** Where the logo is fitted for a header of this size. */
    static juce::Rectangle<float> logoTarget (int width, int height);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Header)
};
