#pragma once

#include <PluginProcessor.h>

#include <functional>

namespace ferrox_render
{
/** Runs a whole buffer through the processor in place, block by block, the way a host plays a
    file: prepared at the file's rate, with silence pre-rolled first so that the processor's
    fade-in from silence is over before the first sample of the file. */
void render (TessaryFerroxAudioProcessor& processor, juce::AudioBuffer<float>& audio, double sampleRate, int blockSize,
             const std::function<void (double)>& progress = {});

/** Gives `to` every setting of `from`, through the saved state as a host would. */
void copySettings (TessaryFerroxAudioProcessor& from, TessaryFerroxAudioProcessor& to);

/** Sets a parameter by ID in plain units. Returns an error message, or an empty string. */
juce::String setParameter (TessaryFerroxAudioProcessor& processor, const juce::String& id, const juce::String& valueText);

/** Reads WAV, AIFF or FLAC into a buffer. Returns an error message, or an empty string. */
juce::String readAudioFile (const juce::File& file, juce::AudioBuffer<float>& audio, double& sampleRate);

/** Writes 32-bit float WAV through a temporary file in the target folder, so that a failure
    never leaves a partial file under the target's name. */
juce::String writeFloatWav (const juce::File& file, const juce::AudioBuffer<float>& audio, double sampleRate);

/** Writes bytes the same way. */
juce::String writeFileAtomically (const juce::File& file, const void* data, size_t size);
} // namespace ferrox_render
