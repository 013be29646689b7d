#pragma once

#include "Header.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <tessary_gui/tessary_gui.h>

class TessaryFerroxAudioProcessor;

class TessaryFerroxAudioProcessorEditor : public juce::AudioProcessorEditor,
                                          private juce::Timer
{
public:
    explicit TessaryFerroxAudioProcessorEditor (TessaryFerroxAudioProcessor&);
    ~TessaryFerroxAudioProcessorEditor() override;

    void paint (juce::Graphics&) override;
    void resized() override;

    /** The meter reading for a linear peak level: dB with JUCE's -100 dB floor. */
    static float levelToDecibels (double level);

    /** Width of the screen a new window sizes itself from: the primary display's user area,
        or a common laptop width when the desktop reports no display at all. */
    static float primaryScreenWidth();
    static constexpr float fallbackScreenWidth = 1440.0f;

    // Children, public for tests and the screenshot tool; the window owns them.
    TessaryFerroxAudioProcessor& audioProcessor;
    Header header;
    tessary_gui::VUMeter vuMeter;
    juce::OwnedArray<tessary_gui::ImageFader> passFaders;
    juce::OwnedArray<juce::AudioProcessorValueTreeState::SliderAttachment> passAttachments;
    juce::OwnedArray<tessary_gui::ImageFader> filterFaders;
    juce::OwnedArray<juce::AudioProcessorValueTreeState::SliderAttachment> filterAttachments;
    tessary_gui::ImageFader volumeFader;
    std::unique_ptr<juce::AudioProcessorValueTreeState::SliderAttachment> volumeAttachment;
    juce::GroupComponent filterGroup;
    tessary_gui::CustomBorder groupBorder;

private:
    void timerCallback() override;
    void setDefaultSizeAndLimits();

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TessaryFerroxAudioProcessorEditor)
};
