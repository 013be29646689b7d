#pragma once

#include "ProcessorFixture.h"

struct ChainFixture : ::testing::Test
{
    TessaryFerroxAudioProcessor p;
    juce::MidiBuffer midi;

    void prepare (double rate, int block, int channels = 2)
    {
        p.setPlayConfigDetails (channels, channels, rate, block);
        p.prepareToPlay (rate, block);
    }

    void process (juce::AudioBuffer<float>& b) { p.processBlock (b, midi); }

    static juce::AudioBuffer<float> constant (int channels, int samples, float value)
    {
        juce::AudioBuffer<float> b (channels, samples);
        for (int ch = 0; ch < channels; ++ch)
            juce::FloatVectorOperations::fill (b.getWritePointer (ch), value, samples);
        return b;
    }

    static juce::AudioBuffer<float> noise (int channels, int samples, int seed)
    {
        juce::Random random (seed);
        juce::AudioBuffer<float> b (channels, samples);
        for (int ch = 0; ch < channels; ++ch)
            for (int i = 0; i < samples; ++i)
                b.setSample (ch, i, random.nextFloat() * 2.0f - 1.0f);
        return b;
    }
};
