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
