// Feeds arbitrary bytes to the state restore, then processes audio: whatever a damaged
// project holds, the plug-in must neither crash nor hand the host anything but finite audio.
#include <PluginProcessor.h>

namespace
{
struct Fixture
{
    Fixture()
    {
        processor.setPlayConfigDetails (2, 2, 48000.0, 64);
        processor.prepareToPlay (48000.0, 64);
    }

    juce::ScopedJuceInitialiser_GUI juce;
    TessaryFerroxAudioProcessor processor;
    juce::AudioBuffer<float> buffer { 2, 64 };
    juce::MidiBuffer midi;
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    auto& f = fixture();
    f.processor.setStateInformation (data, (int) size);

    for (auto* parameter : f.processor.getParameters())
    {
        const auto v = parameter->getValue();
        if (! (v >= 0.0f && v <= 1.0f))
            __builtin_trap();
    }

    if (! std::isfinite (f.processor.windowWidth) || ! std::isfinite (f.processor.windowHeight))
        __builtin_trap();

    for (int ch = 0; ch < 2; ++ch)
        for (int i = 0; i < 64; ++i)
            f.buffer.setSample (ch, i, (float) std::sin (0.1 * i));

    f.processor.processBlock (f.buffer, f.midi);

    for (int ch = 0; ch < 2; ++ch)
        for (int i = 0; i < 64; ++i)
            if (! std::isfinite (f.buffer.getSample (ch, i)))
                __builtin_trap();

    // Saving what was restored must work too.
    juce::MemoryBlock saved;
    f.processor.getStateInformation (saved);
    return 0;
}
