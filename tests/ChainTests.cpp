#include "ChainFixture.h"

using Chain = ChainFixture;

TEST_F (Chain, DefaultsPassSignalUntouchedAfterTheFadeIn)
{
    prepare (44100.0, 512);
    auto warm = noise (2, 882, 1);
    process (warm); // the 0.02 s fade-in from silence

    for (int block = 0; block < 8; ++block)
    {
        const auto input = noise (2, 512, 10 + block);
        auto output = input;
        process (output);
        for (int ch = 0; ch < 2; ++ch)
            EXPECT_EQ (std::memcmp (input.getReadPointer (ch), output.getReadPointer (ch), 512 * sizeof (float)), 0);
    }
}

TEST_F (Chain, VolumeFadesInAndRampsInAStraightLine)
{
    prepare (44100.0, 2048, 1);
    auto ones = constant (1, 2048, 1.0f);
    process (ones);
    for (int i = 0; i < 882; ++i)
        EXPECT_NEAR (ones.getSample (0, i), (float) (i + 1) / 882.0f, 1.0e-5f) << i;
    EXPECT_EQ (ones.getSample (0, 881), 1.0f);
    EXPECT_EQ (ones.getSample (0, 2047), 1.0f);

    // -30 dB to +30 dB: the new gain after 882 samples, along a line.
    setPlain (p, "volumeID", -30.0f);
    auto settle = constant (1, 2048, 1.0f);
    process (settle);
    EXPECT_NEAR (settle.getSample (0, 2047), std::pow (10.0f, -1.5f), 1.0e-6f);

    setPlain (p, "volumeID", 30.0f);
    auto ramp = constant (1, 2048, 1.0f);
    process (ramp);
    const auto from = std::pow (10.0f, -1.5f), to = std::pow (10.0f, 1.5f);
    for (int i = 0; i < 882; i += 97)
        EXPECT_NEAR (ramp.getSample (0, i), from + (to - from) * (float) (i + 1) / 882.0f, 2.0e-3f) << i;
    EXPECT_NEAR (ramp.getSample (0, 881), to, 1.0e-4f);
    EXPECT_NEAR (ramp.getSample (0, 2047), to, 1.0e-4f);
}

TEST_F (Chain, ShelfSwitchesTurnOuterBellsIntoShelves)
{
    struct Case { const char* toggle; const char* gainID; const char* cutoffID; float cutoff; double probeHz; };
    const Case cases[] = {
        { "lowShelfToggleID", "filter1GainID", "filter1CutoffID", 200.0f, 30.0 },
        { "highShelfToggleID", "filter4GainID", "filter4CutoffID", 5000.0f, 18000.0 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.toggle);
        const auto measure = [&] (bool shelf, float gainDb)
        {
            TessaryFerroxAudioProcessor q;
            setPlain (q, c.toggle, shelf ? 1.0f : 0.0f);
            setPlain (q, c.gainID, gainDb);
            setPlain (q, c.cutoffID, c.cutoff);
            q.setPlayConfigDetails (1, 1, 48000.0, 48000);
            q.prepareToPlay (48000.0, 48000);
            juce::AudioBuffer<float> b (1, 48000);
            for (int i = 0; i < 48000; ++i)
                b.setSample (0, i, (float) std::sin (juce::MathConstants<double>::twoPi * c.probeHz * i / 48000.0));
            juce::MidiBuffer m;
            q.processBlock (b, m);
            return juce::Decibels::gainToDecibels (b.getMagnitude (0, 24000, 24000));
        };

        // At 0 dB the switch changes nothing; at +6 dB it gives the shelf's full gain far out.
        EXPECT_NEAR (measure (true, 0.0f), 0.0f, 0.01f);
        EXPECT_LT (measure (false, 6.0f), 1.0f);
        EXPECT_NEAR (measure (true, 6.0f), 6.0f, 0.5f);
    }
}

TEST_F (Chain, MeterRisesAtOnceHoldsThenFallsLinearly)
{
    prepare (44100.0, 441);
    auto full = constant (2, 441, 1.0f);
    process (full);
    for (int i = 0; i < 5; ++i)
    {
        auto b = constant (2, 441, 1.0f);
        process (b);
    }
    EXPECT_DOUBLE_EQ (p.getMeterLevel(), 1.0);

    auto silence = constant (2, 441, 0.0f);
    process (silence);
    EXPECT_DOUBLE_EQ (p.getMeterLevel(), 1.0) << "holds through the first silent block";

    for (int block = 1; block <= 50; ++block)
    {
        silence.clear();
        process (silence);
        const auto expected = std::max (0.0, 1.0 - block * 441.0 / 22050.0);
        EXPECT_NEAR (p.getMeterLevel(), expected, 1.0e-9) << block;
    }
    EXPECT_EQ (p.getMeterLevel(), 0.0);
}

TEST_F (Chain, MeterReadsTheFirstChannelOnly)
{
    prepare (44100.0, 256);
    auto b = constant (2, 256, 0.0f);
    juce::FloatVectorOperations::fill (b.getWritePointer (1), 0.9f, 256);
    for (int i = 0; i < 4; ++i)
        process (b);
    EXPECT_EQ (p.getMeterLevel(), 0.0);
}

TEST_F (Chain, SecondPrepareSilencesARingingBand)
{
    setPlain (p, "filter2GainID", 15.0f);
    setPlain (p, "filter2QID", 0.95f);
    prepare (48000.0, 256);
    auto burst = noise (2, 256, 4);
    process (burst);

    auto tail = constant (2, 256, 0.0f);
    process (tail);
    EXPECT_GT (tail.getMagnitude (0, 256), 1.0e-3f) << "the band rings on";

    prepare (48000.0, 256);
    auto after = constant (2, 256, 0.0f);
    process (after);
    EXPECT_EQ (after.getMagnitude (0, 256), 0.0f);
}

TEST_F (Chain, LowRatesWithEverythingAtTheTopStayFinite)
{
    for (const auto rate : { 8000.0, 22050.0, 32000.0 })
    {
        TessaryFerroxAudioProcessor q;
        for (const auto* id : { "filter1GainID", "filter2GainID", "filter3GainID", "filter4GainID" })
            setPlain (q, id, 15.0f);
        for (const auto* id : { "filter1CutoffID", "filter2CutoffID", "filter3CutoffID", "filter4CutoffID", "hpCutoffID", "lpCutoffID" })
            setPlain (q, id, q.treeState.getParameterRange (id).end);
        setPlain (q, "highShelfToggleID", 1.0f);

        q.setPlayConfigDetails (2, 2, rate, 512);
        q.prepareToPlay (rate, 512);
        juce::MidiBuffer m;
        float peak = 0.0f;
        for (int block = 0; block < (int) rate / 512; ++block)
        {
            auto b = noise (2, 512, block);
            q.processBlock (b, m);
            for (int ch = 0; ch < 2; ++ch)
            {
                const auto range = b.findMinMax (ch, 0, 512);
                ASSERT_TRUE (std::isfinite (range.getStart()) && std::isfinite (range.getEnd())) << rate;
                peak = std::max ({ peak, std::abs (range.getStart()), std::abs (range.getEnd()) });
            }
        }
        EXPECT_LT (peak, 100.0f) << rate;
    }
}
