#include "ProcessorFixture.h"

namespace
{
using Set = juce::AudioChannelSet;

juce::AudioProcessor::BusesLayout layout (Set in, Set out)
{
    juce::AudioProcessor::BusesLayout l;
    l.inputBuses.add (in);
    l.outputBuses.add (out);
    return l;
}
} // namespace

TEST (Processor, BusLayouts)
{
    TessaryFerroxAudioProcessor p;
    struct Case { Set in, out; bool accepted; };
    const Case cases[] = {
        { Set::stereo(), Set::stereo(), true },
        { Set::mono(), Set::mono(), true },
        { Set::mono(), Set::stereo(), false },
        { Set::stereo(), Set::mono(), false },
        { Set::create5point1(), Set::create5point1(), false },
        { Set::disabled(), Set::disabled(), false },
        { Set::stereo(), Set::disabled(), false },
    };
    for (const auto& c : cases)
        EXPECT_EQ (p.checkBusesLayoutSupported (layout (c.in, c.out)), c.accepted)
            << c.in.getDescription() << " -> " << c.out.getDescription();

    juce::AudioProcessor::BusesLayout noOutput;
    noOutput.inputBuses.add (Set::stereo());
    EXPECT_FALSE (p.checkBusesLayoutSupported (noOutput));
}

TEST (Processor, HostFacingAnswers)
{
    TessaryFerroxAudioProcessor p;
    EXPECT_EQ (p.getName(), "Ferrox");
    EXPECT_FALSE (p.acceptsMidi());
    EXPECT_FALSE (p.producesMidi());
    EXPECT_FALSE (p.isMidiEffect());
    EXPECT_EQ (p.getTailLengthSeconds(), 0.0);
    EXPECT_TRUE (p.hasEditor());
    EXPECT_FALSE (p.supportsDoublePrecisionProcessing());
    EXPECT_EQ (p.getBypassParameter(), nullptr);

    EXPECT_EQ (p.getNumPrograms(), 1);
    p.setCurrentProgram (3);
    EXPECT_EQ (p.getCurrentProgram(), 0);
    EXPECT_EQ (p.getProgramName (3), juce::String());
    p.changeProgramName (0, "x");
    EXPECT_EQ (p.getProgramName (0), juce::String());
}

TEST (Processor, FreshState)
{
    TessaryFerroxAudioProcessor p;
    ASSERT_EQ (p.getBusCount (true), 1);
    ASSERT_EQ (p.getBusCount (false), 1);
    EXPECT_EQ (p.getBus (true, 0)->getName(), "Input");
    EXPECT_EQ (p.getBus (false, 0)->getName(), "Output");
    EXPECT_EQ (p.getBus (true, 0)->getCurrentLayout(), Set::stereo());
    EXPECT_EQ (p.getBus (false, 0)->getCurrentLayout(), Set::stereo());
    EXPECT_TRUE (p.getBus (true, 0)->isEnabled());
    EXPECT_EQ (p.windowWidth, 0.0f);
    EXPECT_EQ (p.windowHeight, 0.0f);
    EXPECT_EQ (p.bandFilters.size(), 4);
    EXPECT_EQ (p.passFilters.size(), 2);
    EXPECT_EQ (p.meterLevel.getCurrentValue(), -60.0);
    EXPECT_EQ (p.getMeterLevel(), -60.0);
    EXPECT_TRUE (p.variableTree.hasType ("Variables"));
    EXPECT_FALSE (p.variableTree.getParent().isValid());

    for (auto* parameter : p.getParameters())
        EXPECT_FLOAT_EQ (parameter->getValue(), parameter->getDefaultValue()) << parameter->getName (100);
}

TEST (Processor, CreatesItsEditor)
{
    TessaryFerroxAudioProcessor p;
    std::unique_ptr<juce::AudioProcessorEditor> editor (p.createEditorIfNeeded());
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (editor->getAudioProcessor(), &p);
    p.editorBeingDeleted (editor.get());
}
