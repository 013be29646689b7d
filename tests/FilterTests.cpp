#include "ChainFixture.h"

#include <tessary_dsp/tessary_dsp.h>

#include <complex>

namespace
{
using Filter = tessary_dsp::SVFilter<float>;

juce::dsp::ProcessSpec specFor (double rate, juce::uint32 channels)
{
    return { rate, 4096, channels };
}

void run (Filter& f, juce::AudioBuffer<float>& buffer)
{
    juce::dsp::AudioBlock<float> block (buffer);
    f.process (juce::dsp::ProcessContextReplacing<float> (block));
}

juce::AudioBuffer<float> noise (int channels, int samples, int seed = 1)
{
    return ChainFixture::noise (channels, samples, seed);
}

bool identical (const juce::AudioBuffer<float>& a, const juce::AudioBuffer<float>& b)
{
    if (a.getNumChannels() != b.getNumChannels() || a.getNumSamples() != b.getNumSamples())
        return false;
    for (int ch = 0; ch < a.getNumChannels(); ++ch)
        if (std::memcmp (a.getReadPointer (ch), b.getReadPointer (ch), sizeof (float) * (size_t) a.getNumSamples()) != 0)
            return false;
    return true;
}

/** The trapezoidal SVF's transfer function at digital frequency w (rad/sample), from its
    analogue prototype through the bilinear transform with the pre-warped gain g. */
std::complex<double> closedForm (Filter::FilterType type, double g, double twoR, double k, double w)
{
    const std::complex<double> s (0.0, std::tan (w * 0.5) / g);
    const auto d = s * s + twoR * s + 1.0;
    const auto lp = 1.0 / d, bp = s / d, hp = s * s / d;
    switch (type)
    {
        case Filter::kLowShelf:  return 1.0 + k * lp;
        case Filter::kHighPass:  return hp;
        case Filter::kBell:      return 1.0 + k * twoR * bp;
        case Filter::kLowPass:   return lp;
        case Filter::kHighShelf: return 1.0 + k * hp;
    }
    return {};
}

/** Gain measured from the impulse response (its DTFT at w), independent of the filter's code. */
double measuredGain (Filter& f, double rate, double w)
{
    const int n = (int) rate * 2;
    juce::AudioBuffer<float> b (1, n);
    b.clear();
    b.setSample (0, 0, 1.0f);
    run (f, b);

    std::complex<double> sum;
    for (int i = 0; i < n; ++i)
        sum += (double) b.getSample (0, i) * std::polar (1.0, -w * i);
    return std::abs (sum);
}
} // namespace

TEST (SVFilter, TransparentSettingsLeaveBlockAndStatesAlone)
{
    struct Case { Filter::FilterType type; float cutoff, gainDb; bool transparent; };
    const Case cases[] = {
        { Filter::kBell, 1000.0f, 0.0f, true },
        { Filter::kLowShelf, 1000.0f, 0.0f, true },
        { Filter::kHighShelf, 1000.0f, 0.0f, true },
        { Filter::kHighPass, 20.0f, 6.0f, true },
        { Filter::kLowPass, 20000.0f, -6.0f, true },
        { Filter::kBell, 1000.0f, std::nextafter (0.0f, 1.0f), false },
        { Filter::kLowShelf, 1000.0f, -1.0e-3f, false },
        { Filter::kHighShelf, 1000.0f, 1.0e-3f, false },
        { Filter::kHighPass, std::nextafter (20.0f, 100.0f), 0.0f, false },
        { Filter::kLowPass, std::nextafter (20000.0f, 0.0f), 0.0f, false },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (::testing::Message() << c.type << " " << c.cutoff << " Hz " << c.gainDb << " dB");
        Filter f;
        f.prepare (specFor (48000.0, 2));
        f.setFilterType (Filter::kBell);
        f.setGain (12.0f);
        f.setCutoff (1000.0f);
        auto warmUp = noise (2, 64, 3);
        run (f, warmUp);
        const auto z1 = f.getZ1()[0], z2 = f.getZ2()[1];

        f.setFilterType (c.type);
        f.setGain (c.gainDb);
        f.setCutoff (c.cutoff);
        const auto input = noise (2, 256);
        auto output = input;
        run (f, output);

        // The smallest gains round to a factor of 0 and leave the signal as it was, yet run.
        if (c.transparent)
            EXPECT_TRUE (identical (input, output));
        EXPECT_EQ (f.getZ1()[0] == z1 && f.getZ2()[1] == z2, c.transparent);
    }
}

TEST (SVFilter, ResponsesMatchTheClosedForm)
{
    struct Case { Filter::FilterType type; float cutoff, gainDb, q; bool setQ; };
    const Case cases[] = {
        { Filter::kBell, 1000.0f, 6.0f, 0.3f, true },
        { Filter::kBell, 1000.0f, -6.0f, 0.3f, true },
        { Filter::kBell, 3000.0f, 15.0f, 0.9f, true },
        { Filter::kLowShelf, 200.0f, 6.0f, 0.3f, true },
        { Filter::kHighShelf, 8000.0f, -9.0f, 0.3f, true },
        { Filter::kLowPass, 2000.0f, 0.0f, 0.0f, false },
        { Filter::kHighPass, 300.0f, 0.0f, 0.0f, false },
    };

    for (const auto rate : { 44100.0, 48000.0, 96000.0 })
    {
        for (const auto& c : cases)
        {
            SCOPED_TRACE (::testing::Message() << rate << " Hz, type " << c.type << " at " << c.cutoff);
            // A fresh filter for every measurement: each starts from silence.
            const auto configured = [&] {
                auto f = std::make_unique<Filter>();
                f->prepare (specFor (rate, 1));
                f->setFilterType (c.type);
                f->setGain (c.gainDb);
                if (c.setQ)
                    f->setQ (c.q);
                f->setCutoff (c.cutoff);
                return f;
            };

            const auto twoR = c.setQ ? 2.0 * (1.0 - (double) c.q) : 1.8;
            const auto g = std::tan ((double) (c.cutoff * 6.28f) * 0.5 / rate);
            const auto k = std::pow (10.0, c.gainDb / 20.0) - 1.0;
            const auto a = std::pow (10.0, c.gainDb / 20.0);
            const auto centre = (double) (c.cutoff * 6.28f) / rate; // rad/sample: 6.28 fc, not 2 pi fc

            for (const auto w : { centre, centre * 0.5, centre * 2.0, 0.01, 2.5 })
            {
                const auto expected = std::abs (closedForm (c.type, g, twoR, k, w));
                EXPECT_NEAR (measuredGain (*configured(), rate, w), expected, 2.0e-4 * std::max (1.0, expected)) << "w " << w;
            }

            // The documented landmarks of each response.
            switch (c.type)
            {
                case Filter::kBell:      EXPECT_NEAR (measuredGain (*configured(), rate, centre), a, 2.0e-4 * a); break;
                case Filter::kLowShelf:  EXPECT_NEAR (std::abs (closedForm (c.type, g, twoR, k, 0.0)), a, 1.0e-9); break;
                case Filter::kHighShelf: EXPECT_NEAR (std::abs (closedForm (c.type, g, twoR, k, juce::MathConstants<double>::pi - 1.0e-9)), a, 1.0e-6); break;
                case Filter::kLowPass:
                case Filter::kHighPass:  EXPECT_NEAR (measuredGain (*configured(), rate, centre), 1.0 / 1.8, 2.0e-4); break;
            }
        }
    }
}

TEST (SVFilter, GainFactorIsRoundedToFloat)
{
    for (const auto db : { 15.0f, -15.0f, 0.5f })
    {
        Filter f;
        f.setGain (db);
        EXPECT_EQ (f.getGainFactor(), (float) (std::pow (10.0, (double) db * 0.05) - 1.0)) << db;
    }
}

TEST (SVFilter, ChannelsHaveTheirOwnStates)
{
    const auto make = [] (juce::uint32 channels)
    {
        auto f = std::make_unique<Filter>();
        f->prepare (specFor (44100.0, channels));
        f->setFilterType (Filter::kBell);
        f->setGain (9.0f);
        f->setQ (0.8f);
        f->setCutoff (700.0f);
        return f;
    };

    // Stereo equals two mono filters, one per channel.
    auto stereo = noise (2, 300, 5);
    auto left = juce::AudioBuffer<float> (1, 300), right = juce::AudioBuffer<float> (1, 300);
    left.copyFrom (0, 0, stereo, 0, 0, 300);
    right.copyFrom (0, 0, stereo, 1, 0, 300);
    auto fs = make (2), fl = make (1), fr = make (1);
    run (*fs, stereo);
    run (*fl, left);
    run (*fr, right);
    EXPECT_EQ (std::memcmp (stereo.getReadPointer (0), left.getReadPointer (0), 300 * sizeof (float)), 0);
    EXPECT_EQ (std::memcmp (stereo.getReadPointer (1), right.getReadPointer (0), 300 * sizeof (float)), 0);

    // Identical channels stay identical.
    auto same = noise (2, 300, 6);
    same.copyFrom (1, 0, same, 0, 0, 300);
    auto f2 = make (2);
    run (*f2, same);
    EXPECT_EQ (std::memcmp (same.getReadPointer (0), same.getReadPointer (1), 300 * sizeof (float)), 0);

    // A mono block on a stereo-prepared filter touches only the first state pair.
    auto mono = noise (1, 300, 7);
    auto f3 = make (2);
    run (*f3, mono);
    EXPECT_NE (f3->getZ1()[0], 0.0);
    EXPECT_EQ (f3->getZ1()[1], 0.0);
    EXPECT_EQ (f3->getZ2()[1], 0.0);

    // prepare forgets the past: the next output is as if the input had been silent before.
    auto again = noise (1, 300, 8), fresh = again;
    f3->prepare (specFor (44100.0, 2));
    run (*f3, again);
    auto f4 = make (2);
    run (*f4, fresh);
    EXPECT_TRUE (identical (again, fresh));
}

TEST (SVFilter, CutoffsPastThePoleStayStableAtLowRates)
{
    for (const auto rate : { 8000.0, 22050.0, 32000.0, 40000.0 })
    {
        for (const auto type : { Filter::kLowPass, Filter::kHighPass, Filter::kBell, Filter::kHighShelf })
        {
            Filter f;
            f.prepare (specFor (rate, 1));
            f.setFilterType (type);
            f.setGain (15.0f);
            f.setQ (0.95f);
            f.setCutoff (19999.0f);
            EXPECT_GT (f.getG(), 0.0);
            EXPECT_TRUE (std::isfinite (f.getH()));

            auto b = noise (1, (int) rate, 9);
            run (f, b);
            const auto peak = b.getMagnitude (0, 0, b.getNumSamples());
            EXPECT_TRUE (std::isfinite (peak)) << rate << " type " << type;
            EXPECT_LT (peak, 200.0f) << rate << " type " << type;
        }
    }
}

TEST (SVFilter, NothingIsLimitedFromCdRateUp)
{
    // At 44.1 kHz and above the coefficients are exactly the unlimited ones.
    for (const auto rate : { 44100.0, 48000.0, 96000.0 })
    {
        Filter f;
        f.prepare (specFor (rate, 1));
        f.setCutoff (19999.0f);
        const auto fs = (double) (float) rate;
        const auto wa = std::tan ((double) (19999.0f * 6.28f) * ((1.0 / fs) * 0.5)) * (2.0 * fs);
        EXPECT_EQ (f.getG(), wa * ((1.0 / fs) * 0.5)) << rate;
    }
}
