#include "ChainFixture.h"

#include <tessary_utils/tessary_utils.h>

namespace
{
juce::MemoryBlock save (TessaryFerroxAudioProcessor& p)
{
    juce::MemoryBlock block;
    p.getStateInformation (block);
    return block;
}

void load (TessaryFerroxAudioProcessor& p, const juce::MemoryBlock& block)
{
    p.setStateInformation (block.getData(), (int) block.getSize());
}

juce::ValueTree parse (const juce::MemoryBlock& block)
{
    return juce::ValueTree::readFromData (block.getData(), block.getSize());
}

juce::MemoryBlock serialise (const juce::ValueTree& tree)
{
    juce::MemoryBlock block;
    juce::MemoryOutputStream out (block, false);
    tree.writeToStream (out);
    return block;
}

int countChildren (const juce::ValueTree& tree, const juce::Identifier& type)
{
    int n = 0;
    for (const auto& child : tree)
        n += child.hasType (type) ? 1 : 0;
    return n;
}

/** Every parameter set to a value away from its default (three quarters of its travel). */
void setAllAwayFromDefaults (TessaryFerroxAudioProcessor& p)
{
    for (auto* parameter : p.getParameters())
        parameter->setValueNotifyingHost (parameter->isBoolean() ? 1.0f : parameter->getDefaultValue() < 0.5f ? 0.75f : 0.25f);
}
} // namespace

TEST (State, RoundTripOfEveryValueAndTheWindowSize)
{
    TessaryFerroxAudioProcessor a;
    setAllAwayFromDefaults (a);
    a.variableTree.setProperty ("width", 800, nullptr);
    a.variableTree.setProperty ("height", 500, nullptr);

    const auto first = save (a);
    const auto second = save (a);
    EXPECT_EQ (countChildren (parse (second), "Variables"), 1) << "saving twice adds the child once";
    const auto vars = parse (first).getChildWithName ("Variables");
    EXPECT_TRUE (vars.getProperty ("width").isInt());
    EXPECT_EQ ((int) vars.getProperty ("height"), 500);

    TessaryFerroxAudioProcessor b;
    load (b, first);
    for (int i = 0; i < a.getParameters().size(); ++i)
        EXPECT_EQ (b.getParameters()[i]->getValue(), a.getParameters()[i]->getValue()) << i;
    EXPECT_EQ (b.windowWidth, 800.0f);
    EXPECT_EQ (b.windowHeight, 500.0f);
    EXPECT_EQ (countChildren (parse (save (b)), "Variables"), 1);
}

TEST (State, NeverOpenedEditorSavesNoSizeButTheGroup)
{
    TessaryFerroxAudioProcessor a;
    const auto vars = parse (save (a)).getChildWithName ("Variables");
    ASSERT_TRUE (vars.isValid());
    EXPECT_FALSE (vars.hasProperty ("width"));
    EXPECT_FALSE (vars.hasProperty ("height"));

    const auto group = vars.getChildWithName ("Group");
    ASSERT_TRUE (group.isValid());
    EXPECT_EQ (group.getProperty ("name").toString(), "Vars");
    ASSERT_EQ (group.getNumChildren(), 2);
    EXPECT_EQ (group.getChild (0).getProperty ("id").toString(), "width");
    EXPECT_EQ (group.getChild (1).getProperty ("id").toString(), "height");
    EXPECT_TRUE (group.getChild (1).getProperty ("value").isDouble());

    TessaryFerroxAudioProcessor b;
    b.windowWidth = 300.0f;
    load (b, save (a));
    EXPECT_EQ (b.windowWidth, 0.0f);
    EXPECT_EQ (b.windowHeight, 0.0f);
}

// A host that saves straight after a change, with no message loop running, must get it.
TEST (State, ChangeMadeJustBeforeSavingIsKept)
{
    TessaryFerroxAudioProcessor a;
    auto* gain = a.treeState.getParameter ("filter3GainID");
    gain->setValueNotifyingHost (gain->convertTo0to1 (4.5f));

    const auto block = save (a);
    bool found = false;
    for (const auto& child : parse (block))
        if (child.getProperty ("id").toString() == "filter3GainID")
            found = std::abs ((double) child.getProperty ("value") - 4.5) < 1.0e-5;
    EXPECT_TRUE (found);

    TessaryFerroxAudioProcessor b;
    load (b, block);
    EXPECT_NEAR (plainValue (b, "filter3GainID"), 4.5f, 1.0e-5f);
}

TEST (State, UnreadableDataChangesNothing)
{
    TessaryFerroxAudioProcessor p;
    setPlain (p, "volumeID", -7.0f);
    p.variableTree.setProperty ("width", 900, nullptr);
    p.windowWidth = 900.0f;
    p.windowHeight = 450.0f;
    const auto before = save (p);

    const auto valid = save (p);
    auto truncated = juce::MemoryBlock (valid.getData(), valid.getSize() / 2);
    const juce::MemoryBlock cases[] = { {}, juce::MemoryBlock ("\0\0\0\0", 4), juce::MemoryBlock ("garbage!", 8), truncated };

    for (const auto& bytes : cases)
    {
        p.setStateInformation (bytes.getData(), (int) bytes.getSize());
        EXPECT_FLOAT_EQ (plainValue (p, "volumeID"), -7.0f);
        EXPECT_EQ (p.windowWidth, 900.0f);
        EXPECT_EQ (p.windowHeight, 450.0f);
        EXPECT_TRUE (p.variableTree.hasType ("Variables"));
        EXPECT_EQ (save (p), before) << "the next save is what it was";
    }
    p.setStateInformation (nullptr, 100);
    p.setStateInformation (valid.getData(), -5);
    EXPECT_EQ (save (p), before);
}

TEST (State, TreeWithoutVariablesLoadsAndKeepsSavingSizes)
{
    TessaryFerroxAudioProcessor source;
    setPlain (source, "filter1CutoffID", 250.0f);
    auto tree = parse (save (source));
    tree.removeChild (tree.getChildWithName ("Variables"), nullptr);

    TessaryFerroxAudioProcessor p;
    p.windowWidth = 1000.0f;
    p.windowHeight = 500.0f;
    load (p, serialise (tree));
    EXPECT_NEAR (plainValue (p, "filter1CutoffID"), 250.0f, 1.0e-3f);
    EXPECT_EQ (p.windowWidth, 0.0f);
    EXPECT_EQ (p.windowHeight, 0.0f);

    p.variableTree.setProperty ("width", 640, nullptr);
    const auto vars = parse (save (p)).getChildWithName ("Variables");
    EXPECT_EQ ((int) vars.getProperty ("width"), 640);
    EXPECT_TRUE (vars.getChildWithName ("Group").isValid());
}

TEST (State, AnyValidTreeTypeIsInstalled)
{
    auto tree = parse ([] { TessaryFerroxAudioProcessor s; setPlain (s, "volumeID", 3.0f); return save (s); }());
    juce::ValueTree renamed ("SomethingElse");
    renamed.copyPropertiesAndChildrenFrom (tree, nullptr);

    TessaryFerroxAudioProcessor p;
    load (p, serialise (renamed));
    EXPECT_NEAR (plainValue (p, "volumeID"), 3.0f, 1.0e-5f);
}

TEST (State, DamagedValuesNeverReachTheFilters)
{
    const auto nan = std::numeric_limits<double>::quiet_NaN();
    const auto inf = std::numeric_limits<double>::infinity();
    struct Case { const char* id; juce::var stored; float expected; };
    const Case cases[] = {
        { "filter1GainID", nan, 0.0f },
        { "filter2GainID", inf, 0.0f },
        { "filter3GainID", -inf, 0.0f },
        { "volumeID", 1.0e9, 30.0f },
        { "filter1CutoffID", -5.0, 30.0f },
        { "lpCutoffID", "not a number", 20000.0f },
        { "hpCutoffID", "250", 250.0f },
        { "filter2QID", juce::var(), 0.3f },
        { "filter4CutoffID", juce::var (juce::Array<juce::var> { 1, 2 }), 10000.0f },
        { "filter3QID", 0.5, 0.5f },
    };

    TessaryFerroxAudioProcessor source;
    auto tree = parse (save (source));
    for (const auto& c : cases)
        for (auto child : tree)
            if (child.getProperty ("id").toString() == c.id)
                child.setProperty ("value", c.stored, nullptr);

    TessaryFerroxAudioProcessor p;
    load (p, serialise (tree));
    for (const auto& c : cases)
        EXPECT_NEAR (plainValue (p, c.id), c.expected, c.expected * 1.0e-5f + 1.0e-5f) << c.id;

    for (auto* parameter : p.getParameters())
    {
        EXPECT_TRUE (std::isfinite (parameter->getValue()));
        EXPECT_GE (parameter->getValue(), 0.0f);
        EXPECT_LE (parameter->getValue(), 1.0f);
    }

    p.setPlayConfigDetails (2, 2, 48000.0, 256);
    p.prepareToPlay (48000.0, 256);
    auto b = ChainFixture::noise (2, 256, 1);
    juce::MidiBuffer m;
    p.processBlock (b, m);
    for (int ch = 0; ch < 2; ++ch)
        for (int i = 0; i < 256; ++i)
            ASSERT_TRUE (std::isfinite (b.getSample (ch, i)));
}

TEST (State, DamagedWindowSizesMeanNoSizeKnown)
{
    TessaryFerroxAudioProcessor source;
    auto tree = parse (save (source));
    auto vars = tree.getChildWithName ("Variables");
    vars.setProperty ("width", std::numeric_limits<double>::infinity(), nullptr);
    vars.setProperty ("height", -20, nullptr);

    TessaryFerroxAudioProcessor p;
    load (p, serialise (tree));
    EXPECT_EQ (p.windowWidth, 0.0f);
    EXPECT_EQ (p.windowHeight, 0.0f);
}

TEST (StateReader, RefusesCountsTheDataCannotHold)
{
    // type "P", then a property count of 2^31 - 1: JUCE would loop for ever on it.
    const unsigned char hugeProperties[] = { 'P', 0, 4, 0xff, 0xff, 0xff, 0x7f };
    // type "P", no properties, 2^30 children: JUCE would reserve 8 GB.
    const unsigned char hugeChildren[] = { 'P', 0, 0, 4, 0, 0, 0, 0x40 };
    // a double whose size field claims more bytes than there are
    const unsigned char shortValue[] = { 'P', 0, 1, 'v', 0, 9, 4, 0, 0 };
    // a negative child count
    const unsigned char negative[] = { 'P', 0, 0, 0x81, 1 };
    // an empty binary value (found by the fuzzer: JUCE copies it through a null pointer)
    const unsigned char emptyBinary[] = { 'P', 0, 1, 'v', 0, 1, 1, 8, 0 };

    EXPECT_FALSE (tessary_utils::StateReader::isWellFormed (hugeProperties, sizeof (hugeProperties)));
    EXPECT_FALSE (tessary_utils::StateReader::isWellFormed (hugeChildren, sizeof (hugeChildren)));
    EXPECT_FALSE (tessary_utils::StateReader::isWellFormed (shortValue, sizeof (shortValue)));
    EXPECT_FALSE (tessary_utils::StateReader::isWellFormed (negative, sizeof (negative)));
    EXPECT_FALSE (tessary_utils::StateReader::isWellFormed (emptyBinary, sizeof (emptyBinary)));

    // Nesting deeper than any real state would overflow JUCE's recursive reader.
    juce::MemoryOutputStream deep;
    for (int i = 0; i < 100000; ++i)
    {
        deep.writeString ("N");
        deep.writeCompressedInt (0);
        deep.writeCompressedInt (1);
    }
    EXPECT_FALSE (tessary_utils::StateReader::isWellFormed (deep.getData(), deep.getDataSize()));

    TessaryFerroxAudioProcessor p;
    const auto real = save (p);
    EXPECT_TRUE (tessary_utils::StateReader::isWellFormed (real.getData(), real.getSize()));

    juce::ValueTree everyKind ("T");
    everyKind.setProperty ("i", 1, nullptr);
    everyKind.setProperty ("l", (juce::int64) 1 << 40, nullptr);
    everyKind.setProperty ("d", 2.5, nullptr);
    everyKind.setProperty ("b", true, nullptr);
    everyKind.setProperty ("s", "text", nullptr);
    everyKind.setProperty ("a", juce::Array<juce::var> { 1, "x", juce::Array<juce::var> { 2.0 } }, nullptr);
    everyKind.setProperty ("m", juce::var (juce::MemoryBlock ("abc", 3)), nullptr);
    everyKind.appendChild (juce::ValueTree ("C"), nullptr);
    const auto bytes = serialise (everyKind);
    const auto back = tessary_utils::StateReader::read (bytes.getData(), (int) bytes.getSize());
    EXPECT_TRUE (back.isEquivalentTo (everyKind));
}

// Writes the fuzzer's seed corpus: real blocks as the plug-in saves them. Run by hand with
// --gtest_also_run_disabled_tests and FERROX_SEED_DIR set.
TEST (State, DISABLED_WriteSeedCorpus)
{
    const juce::File dir (juce::SystemStats::getEnvironmentVariable ("FERROX_SEED_DIR", {}));
    ASSERT_TRUE (dir.createDirectory());

    TessaryFerroxAudioProcessor fresh;
    dir.getChildFile ("defaults.state").replaceWithData (save (fresh).getData(), save (fresh).getSize());

    TessaryFerroxAudioProcessor changed;
    setAllAwayFromDefaults (changed);
    changed.variableTree.setProperty ("width", 1224, nullptr);
    changed.variableTree.setProperty ("height", 612, nullptr);
    const auto block = save (changed);
    dir.getChildFile ("all-changed-with-size.state").replaceWithData (block.getData(), block.getSize());

    auto tree = parse (block);
    tree.removeChild (tree.getChildWithName ("Variables"), nullptr);
    const auto noVars = serialise (tree);
    dir.getChildFile ("no-variables.state").replaceWithData (noVars.getData(), noVars.getSize());
}
