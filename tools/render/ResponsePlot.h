#pragma once

#include <PluginProcessor.h>

namespace ferrox_render
{
struct Response
{
    double sampleRate = 48000.0;
    std::vector<double> frequencies; // Hz, one per FFT bin from 1 up
    std::vector<double> decibels;
};

/** The magnitude response of the processor's current settings, measured by running an
    impulse through a copy of it (the processor itself is left as it was). */
Response measureResponse (TessaryFerroxAudioProcessor& processor, double sampleRate);

/** A log-frequency plot from 20 Hz to 20 kHz with a dB grid and each active band marked. */
juce::Image drawResponse (const Response& response, TessaryFerroxAudioProcessor& settings, int width, int height);

juce::String responseCsv (const Response& response);
} // namespace ferrox_render
