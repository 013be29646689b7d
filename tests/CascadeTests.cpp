#include "ChainFixture.h"
#include "ReferenceChain.h"

#include <tessary_dsp/tessary_dsp.h>

#include <optional>

namespace
{
using Filter = tessary_dsp::SVFilter<float>;

struct Setting
{
    ReferenceSection::Type type;
    float gainDb, q, cutoff;
    bool setQ;
};

/** Random settings that hit the transparent values often. */
Setting randomSetting (juce::Random& random, bool passFilter)
{
    Setting s {};
    s.setQ = ! passFilter;
    if (passFilter)
    {
        const auto highPass = random.nextBool();
        s.type = highPass ? ReferenceSection::highPass : ReferenceSection::lowPass;
        const auto edge = highPass ? 20.0f : 20000.0f;
        const auto pick = random.nextInt (4);
        s.cutoff = pick == 0 ? edge : pick == 1 ? std::nextafter (edge, 1000.0f) : 20.0f + random.nextFloat() * 19980.0f;
    }
    else
    {
        const ReferenceSection::Type types[] = { ReferenceSection::bell, ReferenceSection::lowShelf, ReferenceSection::highShelf };
        s.type = types[random.nextInt (3)];
        const auto pick = random.nextInt (4);
        s.gainDb = pick == 0 ? 0.0f : pick == 1 ? std::nextafter (0.0f, random.nextBool() ? 1.0f : -1.0f) : random.nextFloat() * 30.0f - 15.0f;
        s.q = 0.05f + random.nextFloat() * 0.9f;
        s.cutoff = 30.0f + random.nextFloat() * 19000.0f;
    }
    return s;
}

juce::AudioBuffer<float> randomSignal (juce::Random& random, int channels, int samples)
{
    juce::AudioBuffer<float> b (channels, samples);
    const auto kind = random.nextInt (5);
    for (int ch = 0; ch < channels; ++ch)
        for (int i = 0; i < samples; ++i)
        {
            auto v = random.nextFloat() * 2.0f - 1.0f;
            if (kind == 1) v = 0.0f;                            // digital silence
            if (kind == 2 && random.nextInt (8) == 0) v = -0.0f; // negative zeros
            if (kind == 3) v *= 1.0e-30f;                        // near-subnormal tails
            if (kind == 4) v *= 1.0e-39f;                        // subnormal: zeros of either sign
            b.setSample (ch, i, v);
        }
    return b;
}
} // namespace

// The fused pass must reproduce section-after-section processing exactly.
TEST (Cascade, MatchesSectionBySectionBitForBit)
{
    juce::Random random (20261211);

    for (int trial = 0; trial < 600; ++trial)
    {
        // The plug-in flushes denormals; the module must be exact either way.
        std::optional<juce::ScopedNoDenormals> noDenormals;
        if (trial % 2 == 0)
            noDenormals.emplace();

        const auto channels = 1 + random.nextInt (2);
        const double rates[] = { 44100.0, 48000.0, 96000.0, 22050.0 };
        const auto rate = rates[random.nextInt (4)];
        const juce::dsp::ProcessSpec spec { rate, 1024, (juce::uint32) channels };

        std::vector<std::unique_ptr<Filter>> filters;
        std::vector<ReferenceSection> reference (6);
        for (int k = 0; k < 6; ++k)
        {
            const auto s = randomSetting (random, k >= 4);
            auto f = std::make_unique<Filter>();
            f->prepare (spec);
            f->setFilterType ((Filter::FilterType) s.type);
            f->setGain (s.gainDb);
            if (s.setQ)
                f->setQ (s.q);
            f->setCutoff (s.cutoff);
            filters.push_back (std::move (f));
            reference[(size_t) k].prepare (rate, channels);
            reference[(size_t) k].configure (s.type, s.gainDb, s.q, s.setQ, s.cutoff);
        }

        Filter* chain[6];
        for (int k = 0; k < 6; ++k)
            chain[k] = filters[(size_t) k].get();

        for (int block = 0; block < 4; ++block)
        {
            const auto length = random.nextInt (700); // odd sizes and empty blocks too
            auto expected = randomSignal (random, channels, length);
            auto actual = expected;

            for (auto& section : reference)
                section.process (expected);

            juce::dsp::AudioBlock<float> b (actual);
            tessary_dsp::SVFilterCascade::process (chain, 6, b);

            for (int ch = 0; ch < channels; ++ch)
                ASSERT_EQ (std::memcmp (expected.getReadPointer (ch), actual.getReadPointer (ch), sizeof (float) * (size_t) length), 0)
                    << "trial " << trial << " block " << block << " channel " << ch;

            for (int k = 0; k < 6; ++k)
                for (int ch = 0; ch < channels; ++ch)
                    ASSERT_EQ (filters[(size_t) k]->getZ1()[ch], reference[(size_t) k].z1[(size_t) ch]) << "trial " << trial;
        }
    }
}

// The processor's whole chain, volume included, against the plain model.
TEST_F (ChainFixture, ProcessorMatchesThePlainModel)
{
    juce::Random random (7);

    for (int trial = 0; trial < 40; ++trial)
    {
        TessaryFerroxAudioProcessor q;
        const auto channels = 1 + random.nextInt (2);
        const char* bandIDs[4][3] = { { "filter1GainID", "filter1QID", "filter1CutoffID" }, { "filter2GainID", "filter2QID", "filter2CutoffID" },
                                      { "filter3GainID", "filter3QID", "filter3CutoffID" }, { "filter4GainID", "filter4QID", "filter4CutoffID" } };
        const auto lowShelf = random.nextBool(), highShelf = random.nextBool();
        setPlain (q, "lowShelfToggleID", lowShelf ? 1.0f : 0.0f);
        setPlain (q, "highShelfToggleID", highShelf ? 1.0f : 0.0f);

        std::vector<ReferenceSection> reference (6);
        for (int band = 0; band < 4; ++band)
        {
            const auto gain = random.nextInt (3) == 0 ? 0.0f : random.nextFloat() * 30.0f - 15.0f;
            setPlain (q, bandIDs[band][0], gain);
            setPlain (q, bandIDs[band][1], 0.05f + random.nextFloat() * 0.9f);
            auto range = q.treeState.getParameterRange (bandIDs[band][2]);
            setPlain (q, bandIDs[band][2], range.convertFrom0to1 (random.nextFloat()));
        }
        setPlain (q, "hpCutoffID", random.nextBool() ? 20.0f : 20.0f + random.nextFloat() * 500.0f);
        setPlain (q, "lpCutoffID", random.nextBool() ? 20000.0f : 2000.0f + random.nextFloat() * 18000.0f);

        const auto type = [] (int band, bool shelf) {
            return ! shelf ? ReferenceSection::bell : band == 0 ? ReferenceSection::lowShelf : ReferenceSection::highShelf;
        };
        for (int band = 0; band < 4; ++band)
        {
            reference[(size_t) band].prepare (48000.0, channels);
            reference[(size_t) band].configure (type (band, band == 0 ? lowShelf : band == 3 && highShelf),
                                                plainValue (q, bandIDs[band][0]), plainValue (q, bandIDs[band][1]), true,
                                                plainValue (q, bandIDs[band][2]));
        }
        reference[4].prepare (48000.0, channels);
        reference[4].configure (ReferenceSection::highPass, 0.0f, 0.0f, false, plainValue (q, "hpCutoffID"));
        reference[5].prepare (48000.0, channels);
        reference[5].configure (ReferenceSection::lowPass, 0.0f, 0.0f, false, plainValue (q, "lpCutoffID"));

        juce::dsp::Gain<float> volume;
        volume.prepare ({ 48000.0, 512, (juce::uint32) channels });
        volume.setRampDurationSeconds (0.02);
        volume.setGainDecibels (0.0f);

        q.setPlayConfigDetails (channels, channels, 48000.0, 512);
        q.prepareToPlay (48000.0, 512);
        juce::MidiBuffer m;

        for (int block = 0; block < 6; ++block)
        {
            const auto length = 1 + random.nextInt (511);
            auto expected = noise (channels, length, trial * 10 + block);
            auto actual = expected;
            {
                juce::ScopedNoDenormals noDenormals;
                for (auto& section : reference)
                    section.process (expected);
                juce::dsp::AudioBlock<float> b (expected);
                volume.process (juce::dsp::ProcessContextReplacing<float> (b));
            }
            q.processBlock (actual, m);

            for (int ch = 0; ch < channels; ++ch)
                ASSERT_EQ (std::memcmp (expected.getReadPointer (ch), actual.getReadPointer (ch), sizeof (float) * (size_t) length), 0)
                    << "trial " << trial << " block " << block;
        }
    }
}
