#include "Render.h"
#include "FlacReader.h"

namespace ferrox_render
{
void render (TessaryFerroxAudioProcessor& processor, juce::AudioBuffer<float>& audio, double sampleRate, int blockSize,
             const std::function<void (double)>& progress)
{
    const auto channels = audio.getNumChannels();
    processor.setPlayConfigDetails (channels, channels, sampleRate, blockSize);
    processor.prepareToPlay (sampleRate, blockSize);
    juce::MidiBuffer midi;

    // The fade-in lasts floor(0.02 s) samples; whole blocks of silence cover it.
    const auto rampSamples = (int) (0.02 * sampleRate);
    juce::AudioBuffer<float> silence (channels, blockSize);
    for (int done = 0; done <= rampSamples; done += blockSize)
    {
        silence.clear();
        processor.processBlock (silence, midi);
    }

    const auto total = audio.getNumSamples();
    for (int start = 0; start < total; start += blockSize)
    {
        const auto n = juce::jmin (blockSize, total - start);
        juce::AudioBuffer<float> block (audio.getArrayOfWritePointers(), channels, start, n);
        processor.processBlock (block, midi);
        if (progress)
            progress ((double) (start + n) / (double) total);
    }
}

void copySettings (TessaryFerroxAudioProcessor& from, TessaryFerroxAudioProcessor& to)
{
    juce::MemoryBlock state;
    from.getStateInformation (state);
    to.setStateInformation (state.getData(), (int) state.getSize());
}

juce::String setParameter (TessaryFerroxAudioProcessor& processor, const juce::String& id, const juce::String& valueText)
{
    auto* parameter = processor.treeState.getParameter (id);
    if (parameter == nullptr)
    {
        juce::StringArray ids;
        for (auto* p : processor.getParameters())
            if (auto* ranged = dynamic_cast<juce::RangedAudioParameter*> (p))
                ids.add (ranged->getParameterID());
        return "unknown parameter ID '" + id + "'; valid IDs: " + ids.joinIntoString (", ");
    }

    const auto text = valueText.trim();
    auto chars = text.getCharPointer();
    const auto value = juce::CharacterFunctions::readDoubleValue (chars);
    if (text.isEmpty() || ! chars.isEmpty() || ! std::isfinite (value))
        return "'" + valueText + "' is not a number (--set " + id + "=VALUE)";

    const auto& range = parameter->getNormalisableRange();
    if (value < range.start || value > range.end)
        return "value " + text + " for " + id + " is outside its range " + juce::String (range.start) + " to " + juce::String (range.end);

    parameter->setValueNotifyingHost (parameter->convertTo0to1 ((float) value));
    return {};
}

juce::String readAudioFile (const juce::File& file, juce::AudioBuffer<float>& audio, double& sampleRate)
{
    if (! file.existsAsFile())
        return "input file does not exist: " + file.getFullPathName();

    juce::AudioFormatManager formats;
    formats.registerBasicFormats();

    std::unique_ptr<juce::AudioFormatReader> reader (formats.createReaderFor (file));
    if (reader == nullptr)
    {
        const auto error = readFlac (file, audio, sampleRate);
        if (error.isEmpty() || error.startsWith ("input has"))
            return error;
        return "cannot decode " + file.getFullPathName() + " as WAV, AIFF or FLAC";
    }

    if (reader->numChannels < 1 || reader->numChannels > 2)
        return "input has " + juce::String (reader->numChannels) + " channels; only mono and stereo are supported";
    if (reader->lengthInSamples > std::numeric_limits<int>::max())
        return "input is too long";

    sampleRate = reader->sampleRate;
    audio.setSize ((int) reader->numChannels, (int) reader->lengthInSamples);
    if (! reader->read (&audio, 0, (int) reader->lengthInSamples, 0, true, true))
        return "cannot read the samples of " + file.getFullPathName();
    return {};
}

juce::String writeFloatWav (const juce::File& file, const juce::AudioBuffer<float>& audio, double sampleRate)
{
    juce::TemporaryFile temp (file);
    {
        auto stream = std::make_unique<juce::FileOutputStream> (temp.getFile());
        if (! stream->openedOk())
            return "cannot write to " + file.getParentDirectory().getFullPathName();

        std::unique_ptr<juce::AudioFormatWriter> writer (juce::WavAudioFormat().createWriterFor (
            stream.get(), sampleRate, (unsigned int) audio.getNumChannels(), 32, {}, 0));
        if (writer == nullptr)
            return "cannot write a WAV file at " + juce::String (sampleRate) + " Hz";
        stream.release(); // the writer owns it now

        if (! writer->writeFromAudioSampleBuffer (audio, 0, audio.getNumSamples()))
            return "cannot write " + file.getFullPathName();
    }
    return temp.overwriteTargetFileWithTemporary() ? juce::String() : "cannot replace " + file.getFullPathName();
}

juce::String writeFileAtomically (const juce::File& file, const void* data, size_t size)
{
    juce::TemporaryFile temp (file);
    if (! temp.getFile().replaceWithData (data, size) || ! temp.overwriteTargetFileWithTemporary())
        return "cannot write " + file.getFullPathName();
    return {};
}
} // namespace ferrox_render
