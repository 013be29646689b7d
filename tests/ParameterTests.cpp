#include "ProcessorFixture.h"

namespace
{
struct Row
{
    const char* id;
    const char* name;
    float min, max, initial;
    float centre;        // 0: linear range
    bool wholeNumbers;   // store parameter with whole-number text and the name as unit label
};

// Host order, IDs, names, ranges and defaults of every published parameter.
const Row table[] = {
    { "filter1GainID", "Gain", -15.0f, 15.0f, 0.0f, 0.0f, false },
    { "filter1QID", "Q", 0.05f, 0.95f, 0.3f, 0.0f, false },
    { "filter1CutoffID", "Freq", 30.0f, 400.0f, 80.0f, 100.0f, true },
    { "filter2GainID", "Gain", -15.0f, 15.0f, 0.0f, 0.0f, false },
    { "filter2QID", "Q", 0.05f, 0.95f, 0.3f, 0.0f, false },
    { "filter2CutoffID", "Freq", 75.0f, 1000.0f, 500.0f, 250.0f, true },
    { "filter3GainID", "Gain", -15.0f, 15.0f, 0.0f, 0.0f, false },
    { "filter3QID", "Q", 0.05f, 0.95f, 0.3f, 0.0f, false },
    { "filter3CutoffID", "Freq", 800.0f, 12500.0f, 2000.0f, 5000.0f, true },
    { "filter4GainID", "Gain", -15.0f, 15.0f, 0.0f, 0.0f, false },
    { "filter4QID", "Q", 0.05f, 0.95f, 0.3f, 0.0f, false },
    { "filter4CutoffID", "Freq", 2500.0f, 20000.0f, 10000.0f, 10000.0f, true },
    { "hpCutoffID", "HP", 20.0f, 20000.0f, 20.0f, 1000.0f, false },
    { "lpCutoffID", "LP", 20.0f, 20000.0f, 20000.0f, 1000.0f, false },
    { "volumeID", "Volume", -30.0f, 30.0f, 0.0f, 0.0f, false },
};
} // namespace

TEST (Parameters, PublishedListMatchesTheTable)
{
    TessaryFerroxAudioProcessor p;
    const auto& list = p.getParameters();
    ASSERT_EQ (list.size(), 17);

    for (int i = 0; i < (int) std::size (table); ++i)
    {
        const auto& row = table[i];
        SCOPED_TRACE (row.id);
        auto* ranged = dynamic_cast<juce::RangedAudioParameter*> (list[i]);
        ASSERT_NE (ranged, nullptr);
        EXPECT_EQ (ranged->getParameterID(), row.id);
        EXPECT_EQ (ranged->getName (100), row.name);
        EXPECT_EQ (ranged->getVersionHint(), 1);

        const auto& range = ranged->getNormalisableRange();
        EXPECT_EQ (range.start, row.min);
        EXPECT_EQ (range.end, row.max);
        EXPECT_EQ (range.interval, 0.0f);
        EXPECT_FALSE (range.symmetricSkew);
        EXPECT_FLOAT_EQ (range.convertFrom0to1 (ranged->getDefaultValue()), row.initial);
        EXPECT_FLOAT_EQ (plainValue (p, row.id), row.initial);

        if (row.centre > 0.0f)
            EXPECT_NEAR (range.convertFrom0to1 (0.5f), row.centre, row.centre * 1.0e-4f);
        else
            EXPECT_EQ (range.skew, 1.0f);

        const auto isStoreParameter = dynamic_cast<juce::AudioProcessorValueTreeState::Parameter*> (ranged) != nullptr;
        EXPECT_EQ (isStoreParameter, row.wholeNumbers);
        EXPECT_EQ (ranged->getLabel(), row.wholeNumbers ? juce::String ("Freq") : juce::String());
        EXPECT_NE (dynamic_cast<juce::AudioParameterFloat*> (ranged), nullptr);
    }

    const char* switches[][2] = { { "lowShelfToggleID", "Low Shelf" }, { "highShelfToggleID", "High Shelf" } };
    for (int i = 0; i < 2; ++i)
    {
        auto* b = dynamic_cast<juce::AudioParameterBool*> (list[15 + i]);
        ASSERT_NE (b, nullptr);
        EXPECT_EQ (b->getParameterID(), switches[i][0]);
        EXPECT_EQ (b->getName (100), switches[i][1]);
        EXPECT_FALSE (b->get());
        EXPECT_EQ (static_cast<juce::AudioProcessorParameter*> (b)->getDefaultValue(), 0.0f);
    }
}

TEST (Parameters, SkewsAreTheRoundedExponents)
{
    TessaryFerroxAudioProcessor p;
    const std::pair<const char*, float> skews[] = {
        { "filter1CutoffID", 0.4163f }, { "filter2CutoffID", 0.4163f }, { "filter3CutoffID", 0.6766f },
        { "filter4CutoffID", 0.8181f }, { "hpCutoffID", 0.2299f }, { "lpCutoffID", 0.2299f },
    };
    for (const auto& [id, skew] : skews)
        EXPECT_NEAR (p.treeState.getParameterRange (id).skew, skew, 1.0e-4f) << id;
}

TEST (Parameters, ValueTextsOfWholeNumberAndDecimalParameters)
{
    TessaryFerroxAudioProcessor p;
    auto* band1Freq = p.treeState.getParameter ("filter1CutoffID");
    EXPECT_EQ (band1Freq->getCurrentValueAsText(), "80");
    EXPECT_EQ (band1Freq->getText (band1Freq->convertTo0to1 (123.9f), 100), "123");

    // Typing a number with its unit sets the number; text that is no number lands on the range start.
    EXPECT_FLOAT_EQ (band1Freq->convertFrom0to1 (band1Freq->getValueForText ("250 Hz")), 250.0f);
    EXPECT_FLOAT_EQ (band1Freq->convertFrom0to1 (band1Freq->getValueForText ("abc")), 30.0f);

    auto* gain = p.treeState.getParameter ("filter1GainID");
    EXPECT_EQ (gain->getText (gain->convertTo0to1 (2.5f), 100), "2.5000000") << "JUCE's default text";
}

TEST (Parameters, TextFunctions)
{
    const std::pair<float, const char*> toText[] = {
        { 80.9f, "80" }, { 999.99f, "999" }, { -0.5f, "0" }, { -3.7f, "-3" }, { 20000.0f, "20000" },
    };
    for (const auto& [value, text] : toText)
        EXPECT_EQ (TessaryFerroxAudioProcessor::valueToTextFunction (value), text) << value;

    const std::pair<const char*, float> toValue[] = {
        { "2500 Hz", 2500.0f }, { "abc", 0.0f }, { "-3.5", -3.5f }, { "", 0.0f }, { "  42", 42.0f },
    };
    for (const auto& [text, value] : toValue)
        EXPECT_FLOAT_EQ (TessaryFerroxAudioProcessor::textToValueFunction (text), value) << text;
}

TEST (Parameters, DescriptionListsForTheEditor)
{
    const TessaryParameters::Params params;
    ASSERT_EQ (params.sliderParams.size(), 15u);
    ASSERT_EQ (params.buttonParams.size(), 2u);
    ASSERT_EQ (params.filterSliderParams.size(), 12u);
    ASSERT_EQ (params.passSliderParams.size(), 2u);

    for (size_t i = 0; i < 12; ++i)
        EXPECT_EQ (params.filterSliderParams[i].paramID, params.sliderParams[i].paramID);

    EXPECT_EQ (params.passSliderParams[0].paramID, "hpCutoffID");
    EXPECT_EQ (params.passSliderParams[0].paramName, "HP");
    EXPECT_EQ (params.passSliderParams[1].paramID, "lpCutoffID");
    EXPECT_EQ (params.passSliderParams[1].paramName, "LP");
    for (const auto& pass : params.passSliderParams)
        EXPECT_EQ (pass.valueType, 0);

    const juce::String expectedTypes = "110110110110";
    for (size_t i = 0; i < 12; ++i)
        EXPECT_EQ (params.filterSliderParams[i].valueType, expectedTypes[(int) i] - '0') << i;
}
