#include <gtest/gtest.h>
#include <juce_audio_processors/juce_audio_processors.h>

namespace
{
struct Format
{
    const char* name;
    const char* path;
};

const Format formats[] = { { "VST3", FERROX_VST3_PATH }, { "LV2", FERROX_LV2_PATH } };

/** Loads the built bundle through JUCE's own hosting, exactly as a host would. */
std::unique_ptr<juce::AudioPluginInstance> load (const Format& format, double rate = 48000.0, int block = 512)
{
    juce::AudioPluginFormatManager manager;
    manager.addDefaultFormats();

    for (auto* f : manager.getFormats())
    {
        if (f->getName() != format.name)
            continue;

        juce::OwnedArray<juce::PluginDescription> found;
        auto identifier = juce::File (format.path).getFullPathName();

        // LV2 plug-ins are found by URI among the bundles of a search path.
        if (juce::String (format.name) == "LV2")
        {
            f->searchPathsForPlugins (juce::FileSearchPath (juce::File (format.path).getParentDirectory().getFullPathName()), false, false);
            identifier = FERROX_LV2_URI;
        }

        f->findAllTypesForFile (found, identifier);
        if (found.isEmpty())
            return nullptr;

        juce::String error;
        auto instance = manager.createPluginInstance (*found[0], rate, block, error);
        EXPECT_TRUE (error.isEmpty()) << error;
        return instance;
    }
    return nullptr;
}

/** One block through the plug-in: VST3 hands parameter changes to the processor with the audio. */
void processOnce (juce::AudioPluginInstance& plugin)
{
    plugin.prepareToPlay (48000.0, 512);
    juce::AudioBuffer<float> buffer (2, 512);
    buffer.clear();
    juce::MidiBuffer midi;
    plugin.processBlock (buffer, midi);
}

/** Our own saved tree, as the plug-in inside the wrapper holds it: the hosted VST3's state
    wraps the component's block, which carries the "PARAMETERS" tree. */
juce::ValueTree pluginTree (juce::AudioPluginInstance& plugin)
{
    juce::MemoryBlock state;
    plugin.getStateInformation (state);
    const auto xml = juce::AudioProcessor::getXmlFromBinary (state.getData(), (int) state.getSize());
    juce::MemoryBlock component;
    if (xml == nullptr || xml->getChildByName ("IComponent") == nullptr
        || ! component.fromBase64Encoding (xml->getChildByName ("IComponent")->getAllSubText()))
        return {};
    const auto* bytes = static_cast<const char*> (component.getData());
    const std::string_view view (bytes, component.getSize());
    const auto at = view.find (std::string_view ("PARAMETERS\0", 11));
    return at == std::string_view::npos ? juce::ValueTree() : juce::ValueTree::readFromData (bytes + at, component.getSize() - at);
}

double storedValue (const juce::ValueTree& tree, const juce::String& id)
{
    for (const auto& child : tree)
        if (child.getProperty ("id").toString() == id)
            return (double) child.getProperty ("value");
    return std::numeric_limits<double>::quiet_NaN();
}

class Hosting : public ::testing::TestWithParam<Format> {};
} // namespace

TEST_P (Hosting, LoadsWithItsParametersAndAnswers)
{
    auto plugin = load (GetParam());
    ASSERT_NE (plugin, nullptr) << "could not load " << GetParam().path;

    EXPECT_EQ (plugin->getName(), "Ferrox");
    EXPECT_FALSE (plugin->acceptsMidi());
    EXPECT_FALSE (plugin->producesMidi());
    EXPECT_EQ (plugin->getTailLengthSeconds(), 0.0);
    EXPECT_TRUE (plugin->hasEditor());

    struct Expected { const char* id; const char* name; const char* text; };
    const Expected expected[] = {
        { "filter1GainID", "Gain", "0" }, { "filter1QID", "Q", "0.3" }, { "filter1CutoffID", "Freq", "80" },
        { "filter2GainID", "Gain", "0" }, { "filter2QID", "Q", "0.3" }, { "filter2CutoffID", "Freq", "500" },
        { "filter3GainID", "Gain", "0" }, { "filter3QID", "Q", "0.3" }, { "filter3CutoffID", "Freq", "2000" },
        { "filter4GainID", "Gain", "0" }, { "filter4QID", "Q", "0.3" }, { "filter4CutoffID", "Freq", "10000" },
        { "hpCutoffID", "HP", "20" }, { "lpCutoffID", "LP", "20000" }, { "volumeID", "Volume", "0" },
        { "lowShelfToggleID", "Low Shelf", "Off" }, { "highShelfToggleID", "High Shelf", "Off" },
    };

    // VST3 keeps our order and adds a bypass at the end; LV2 hosts list parameters by their
    // URI (which ends in our ID) and add a bypass of their own.
    const auto isLv2 = juce::String (GetParam().name) == "LV2";
    const auto& params = plugin->getParameters();
    int ours = 0, automatable = 0;
    for (auto* param : params)
        ours += param->getName (100) != "Bypass" ? 1 : 0;
    EXPECT_EQ (ours, 17);

    for (int i = 0; i < 17; ++i)
    {
        const auto& e = expected[i];
        SCOPED_TRACE (e.id);
        juce::AudioProcessorParameter* param = isLv2 ? nullptr : params[i];
        for (auto* candidate : params)
            if (isLv2 && dynamic_cast<juce::HostedAudioProcessorParameter*> (candidate)->getParameterID().endsWith (e.id))
                param = candidate;

        ASSERT_NE (param, nullptr);
        EXPECT_EQ (param->getName (100), e.name);
        // Frequencies print as whole numbers; the rest keep JUCE's default decimals.
        if (juce::String (e.name) == "Freq")
            EXPECT_EQ (param->getCurrentValueAsText(), e.text);
        else
            EXPECT_TRUE (param->getCurrentValueAsText().startsWith (e.text)) << param->getCurrentValueAsText();
        automatable += param->isAutomatable() ? 1 : 0;
    }
    EXPECT_EQ (automatable, 17);
}

TEST_P (Hosting, AcceptsStereoAndMono)
{
    auto plugin = load (GetParam());
    ASSERT_NE (plugin, nullptr);

    // An LV2 bundle declares its ports once, as stereo; LV2 hosts feed a mono track into them.
    const auto isLv2 = juce::String (GetParam().name) == "LV2";
    for (const auto& set : { juce::AudioChannelSet::stereo(), juce::AudioChannelSet::mono() })
    {
        if (isLv2 && set == juce::AudioChannelSet::mono())
            continue;

        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (set);
        layout.outputBuses.add (set);
        EXPECT_TRUE (plugin->checkBusesLayoutSupported (layout)) << set.getDescription();
    }

    juce::AudioProcessor::BusesLayout mismatched;
    mismatched.inputBuses.add (juce::AudioChannelSet::mono());
    mismatched.outputBuses.add (juce::AudioChannelSet::stereo());
    EXPECT_FALSE (plugin->checkBusesLayoutSupported (mismatched));
}

INSTANTIATE_TEST_SUITE_P (Formats, Hosting, ::testing::ValuesIn (formats),
                          [] (const auto& info) { return std::string (info.param.name); });

// A state saved by the command-line renderer is a state the plug-in takes.
TEST (Hosting, RendererStateLoadsIntoTheVst3)
{
    const auto file = juce::File::createTempFile (".state");
    juce::ChildProcess tool;
    ASSERT_TRUE (tool.start (juce::StringArray { FERROX_RENDER_PATH, "--set", "filter2GainID=4.5", "--set", "highShelfToggleID=1",
                                                 "--save-state", file.getFullPathName() }));
    tool.waitForProcessToFinish (60000);
    ASSERT_EQ (tool.getExitCode(), 0u);

    juce::MemoryBlock state;
    ASSERT_TRUE (file.loadFileAsData (state));
    file.deleteFile();

    auto plugin = load (formats[0]);
    ASSERT_NE (plugin, nullptr);
    // What a VST3 host stores: the component's block, base64, in JUCE's host wrapper.
    juce::XmlElement wrapped ("VST3PluginState");
    wrapped.createNewChildElement ("IComponent")->addTextElement (state.toBase64Encoding());
    juce::MemoryBlock hostState;
    juce::AudioProcessor::copyXmlToBinary (wrapped, hostState);
    plugin->setStateInformation (hostState.getData(), (int) hostState.getSize());
    const auto tree = pluginTree (*plugin);
    ASSERT_TRUE (tree.isValid());
    EXPECT_NEAR (storedValue (tree, "filter2GainID"), 4.5, 1.0e-5);
    EXPECT_EQ (storedValue (tree, "highShelfToggleID"), 1.0);
    EXPECT_EQ (storedValue (tree, "lowShelfToggleID"), 0.0);
    EXPECT_NEAR (storedValue (tree, "filter1CutoffID"), 80.0, 1.0e-3);
}

// Every value set through the host survives a save and a restore in a fresh instance.
TEST_P (Hosting, StateRoundTripThroughTheWrapper)
{
    auto source = load (GetParam());
    ASSERT_NE (source, nullptr);
    const auto& params = source->getParameters();
    for (int i = 0; i < params.size(); ++i)
        if (params[i]->getName (100) != "Bypass")
            params[i]->setValueNotifyingHost (params[i]->getName (100).endsWith ("Shelf") ? 1.0f : 0.2f + 0.03f * (float) i);
    processOnce (*source);

    juce::MemoryBlock state;
    source->getStateInformation (state);

    auto restored = load (GetParam());
    ASSERT_NE (restored, nullptr);
    restored->setStateInformation (state.getData(), (int) state.getSize());
    processOnce (*restored);
    for (int i = 0; i < params.size(); ++i)
        EXPECT_NEAR (restored->getParameters()[i]->getValue(), params[i]->getValue(), 1.0e-5f) << params[i]->getName (100);
}
