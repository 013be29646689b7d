// Cost of the equaliser per stereo frame at 48 kHz, next to six of JUCE's own filters doing
// the same job in the same run, so that every figure can be read as a ratio.
#include <PluginProcessor.h>
#include <benchmark/benchmark.h>

namespace
{
constexpr double rate = 48000.0;

void fillNoise (juce::AudioBuffer<float>& b, juce::Random& random)
{
    for (int ch = 0; ch < b.getNumChannels(); ++ch)
        for (int i = 0; i < b.getNumSamples(); ++i)
            b.setSample (ch, i, random.nextFloat() - 0.5f);
}

void refill (juce::AudioBuffer<float>& buffer, const juce::AudioBuffer<float>& source)
{
    for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
        std::memcpy (buffer.getWritePointer (ch), source.getReadPointer (ch), sizeof (float) * (size_t) buffer.getNumSamples());
}

void setPlain (TessaryFerroxAudioProcessor& p, const char* id, float value)
{
    auto* parameter = p.treeState.getParameter (id);
    parameter->setValueNotifyingHost (parameter->convertTo0to1 (value));
}

void activateAllSix (TessaryFerroxAudioProcessor& p)
{
    setPlain (p, "filter1GainID", 6.0f);
    setPlain (p, "filter2GainID", -4.0f);
    setPlain (p, "filter3GainID", 3.0f);
    setPlain (p, "filter4GainID", 5.0f);
    setPlain (p, "hpCutoffID", 40.0f);
    setPlain (p, "lpCutoffID", 18000.0f);
}

void reportFrames (benchmark::State& state, int frames)
{
    // Rate of frames in units of 1e9, inverted: nanoseconds per frame.
    state.counters["ns/frame"] = benchmark::Counter ((double) frames * (double) state.iterations() * 1.0e-9,
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

enum class Setting { defaults, sixActive, silentTail };

void ferrox (benchmark::State& state, Setting setting)
{
    const auto block = (int) state.range (0);
    TessaryFerroxAudioProcessor p;
    if (setting != Setting::defaults)
        activateAllSix (p);
    if (setting == Setting::silentTail)
    {
        for (const auto* id : { "filter1QID", "filter2QID", "filter3QID", "filter4QID" })
            setPlain (p, id, 0.95f);
        setPlain (p, "filter2GainID", 15.0f);
    }

    p.setPlayConfigDetails (2, 2, rate, block);
    p.prepareToPlay (rate, block);
    juce::AudioBuffer<float> buffer (2, block);
    juce::MidiBuffer midi;
    juce::Random random (1);

    if (setting == Setting::silentTail)
    {
        // A resonant burst, then seconds of silence: the states sink towards the subnormals.
        for (int i = 0; i < (int) rate / block / 4; ++i)
        {
            fillNoise (buffer, random);
            p.processBlock (buffer, midi);
        }
        for (int i = 0; i < (int) rate * 3 / block; ++i)
        {
            buffer.clear();
            p.processBlock (buffer, midi);
        }
    }
    else
    {
        fillNoise (buffer, random);
    }

    // Filtering the same buffer again and again would amplify it to infinity; every
    // contender starts each block from the same input instead.
    if (setting == Setting::silentTail)
        buffer.clear();
    const auto source = buffer;
    for (auto _ : state)
    {
        refill (buffer, source);
        p.processBlock (buffer, midi);
        benchmark::DoNotOptimize (buffer.getReadPointer (0));
    }
    reportFrames (state, block);
}

void juceBiquads (benchmark::State& state)
{
    const auto block = (int) state.range (0);
    using IIR = juce::dsp::IIR::Filter<float>;
    using Coefficients = juce::dsp::IIR::Coefficients<float>;
    const Coefficients::Ptr coefficients[] = {
        Coefficients::makePeakFilter (rate, 80.0, 0.7, 2.0f), Coefficients::makePeakFilter (rate, 500.0, 0.7, 0.6f),
        Coefficients::makePeakFilter (rate, 2000.0, 0.7, 1.4f), Coefficients::makePeakFilter (rate, 10000.0, 0.7, 1.8f),
        Coefficients::makeHighPass (rate, 40.0), Coefficients::makeLowPass (rate, 18000.0),
    };

    // IIR::Filter is mono: one per channel and section, as JUCE's duplicator would hold them.
    std::vector<IIR> filters;
    for (int ch = 0; ch < 2; ++ch)
        for (const auto& c : coefficients)
            filters.emplace_back (c);
    for (auto& f : filters)
        f.prepare ({ rate, (juce::uint32) block, 1 });

    juce::AudioBuffer<float> buffer (2, block);
    juce::Random random (1);
    fillNoise (buffer, random);
    juce::dsp::AudioBlock<float> audio (buffer);
    const auto source = buffer;

    for (auto _ : state)
    {
        refill (buffer, source);
        for (size_t ch = 0; ch < 2; ++ch)
        {
            auto channel = audio.getSingleChannelBlock (ch);
            juce::dsp::ProcessContextReplacing<float> context (channel);
            for (size_t k = 0; k < 6; ++k)
                filters[ch * 6 + k].process (context);
        }
        benchmark::DoNotOptimize (buffer.getReadPointer (0));
    }
    reportFrames (state, block);
}

void juceTptFilters (benchmark::State& state)
{
    const auto block = (int) state.range (0);
    using Tpt = juce::dsp::StateVariableTPTFilter<float>;
    std::vector<Tpt> filters (6);
    const float cutoffs[] = { 80.0f, 500.0f, 2000.0f, 10000.0f, 40.0f, 18000.0f };
    for (size_t k = 0; k < 6; ++k)
    {
        filters[k].prepare ({ rate, (juce::uint32) block, 2 });
        filters[k].setType (k == 4 ? juce::dsp::StateVariableTPTFilterType::highpass
                                   : k == 5 ? juce::dsp::StateVariableTPTFilterType::lowpass
                                            : juce::dsp::StateVariableTPTFilterType::bandpass);
        filters[k].setCutoffFrequency (cutoffs[k]);
        filters[k].setResonance (0.7f);
    }

    juce::AudioBuffer<float> buffer (2, block);
    juce::Random random (1);
    fillNoise (buffer, random);
    juce::dsp::AudioBlock<float> audio (buffer);
    juce::dsp::ProcessContextReplacing<float> context (audio);
    const auto source = buffer;

    for (auto _ : state)
    {
        refill (buffer, source);
        for (auto& f : filters)
            f.process (context);
        benchmark::DoNotOptimize (buffer.getReadPointer (0));
    }
    reportFrames (state, block);
}
} // namespace

BENCHMARK_CAPTURE (ferrox, defaults, Setting::defaults)->Arg (32)->Arg (256)->Arg (1024);
BENCHMARK_CAPTURE (ferrox, six_active, Setting::sixActive)->Arg (32)->Arg (256)->Arg (1024);
BENCHMARK_CAPTURE (ferrox, silent_tail, Setting::silentTail)->Arg (32)->Arg (256)->Arg (1024);
BENCHMARK (juceBiquads)->Arg (32)->Arg (256)->Arg (1024);
BENCHMARK (juceTptFilters)->Arg (32)->Arg (256)->Arg (1024);

int main (int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI juce;
    benchmark::Initialize (&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
