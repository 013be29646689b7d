#pragma once

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_dsp/juce_dsp.h>
#include <tessary_dsp/tessary_dsp.h>

#include "Parameters.h"

#include <atomic>

class TessaryFerroxAudioProcessor : public juce::AudioProcessor,
                                    public juce::AudioProcessorValueTreeState::Listener
{
public:
    TessaryFerroxAudioProcessor();
    ~TessaryFerroxAudioProcessor() override;

    const juce::String getName() const override;

    void prepareToPlay (double sampleRate, int samplesPerBlock) override;
    void releaseResources() override;
    void processBlock (juce::AudioBuffer<float>&, juce::MidiBuffer&) override;
    using AudioProcessor::processBlock;

    double getTailLengthSeconds() const override;
    bool acceptsMidi() const override;
    bool producesMidi() const override;
    bool isMidiEffect() const override;

    juce::AudioProcessorEditor* createEditor() override;
    bool hasEditor() const override;

    int getNumPrograms() override;
    int getCurrentProgram() override;
    void setCurrentProgram (int index) override;
    const juce::String getProgramName (int index) override;
    void changeProgramName (int index, const juce::String& newName) override;

    void getStateInformation (juce::MemoryBlock& destData) override;
    void setStateInformation (const void* data, int sizeInBytes) override;

    bool isBusesLayoutSupported (const BusesLayout& layouts) const override;

    void parameterChanged (const juce::String& parameterID, float newValue) override;

    juce::AudioProcessorValueTreeState::ParameterLayout createParameterLayout();
    static juce::String valueToTextFunction (float value);
    static float textToValueFunction (const juce::String& text);
    void updateParameters();

    /** The meter level (linear peak, 1.0 = full scale) as of the end of the last block.
        Safe to call from any thread while audio runs: it never blocks either side. */
    double getMeterLevel() const noexcept { return publishedMeterLevel.load (std::memory_order_relaxed); }

    TessaryParameters::Params params;
    int versionNumber = 1;
    juce::AudioProcessorValueTreeState treeState;
    juce::ValueTree variableTree;
    float windowWidth = 0.0f;
    float windowHeight = 0.0f;
    juce::dsp::ProcessSpec spec {};
    juce::OwnedArray<tessary_dsp::SVFilter<float>> bandFilters;
    juce::OwnedArray<tessary_dsp::SVFilter<float>> passFilters;
    juce::dsp::Gain<float> volumeModule;
    juce::LinearSmoothedValue<double> meterLevel { -60.0 };

private:
    static juce::ValueTree createVariableTree();
    void sanitiseParameterValues (juce::ValueTree& state) const;
    void resetNonFiniteParameters();

    // Looked up once: the audio thread must not search strings every block.
    struct RawValues
    {
        std::atomic<float>* lowShelf = nullptr;
        std::atomic<float>* highShelf = nullptr;
        std::atomic<float>* gain[4] {};
        std::atomic<float>* q[4] {};
        std::atomic<float>* cutoff[4] {};
        std::atomic<float>* hpCutoff = nullptr;
        std::atomic<float>* lpCutoff = nullptr;
        std::atomic<float>* volume = nullptr;
    };
    RawValues raw;
    float lastVolumeDb = 0.0f;
    bool volumeIsCurrent = false;

    static_assert (std::atomic<double>::is_always_lock_free, "the meter hand-over must not lock");
    std::atomic<double> publishedMeterLevel { -60.0 };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TessaryFerroxAudioProcessor)
};
