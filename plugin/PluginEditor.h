#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

class TessaryFerroxAudioProcessor;

class TessaryFerroxAudioProcessorEditor : public juce::AudioProcessorEditor
{
public:
    explicit TessaryFerroxAudioProcessorEditor (TessaryFerroxAudioProcessor&);
    ~TessaryFerroxAudioProcessorEditor() override;

    void paint (juce::Graphics&) override;
    void resized() override;

private:
    TessaryFerroxAudioProcessor& audioProcessor;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TessaryFerroxAudioProcessorEditor)
};
