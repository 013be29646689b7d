#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

namespace ferrox_render
{
/** Decodes a whole FLAC file with the system's libFLAC (Debian's JUCE leaves its own copy
    out). Returns an error message, or an empty string. */
juce::String readFlac (const juce::File& file, juce::AudioBuffer<float>& audio, double& sampleRate);
} // namespace ferrox_render
