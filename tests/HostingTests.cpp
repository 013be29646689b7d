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
        f->findAllTypesForFile (found, juce::File (format.path).getFullPathName());
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

    const std::pair<const char*, const char*> expected[] = {
        { "Gain", "0" }, { "Q", "0.3" }, { "Freq", "80" }, { "Gain", "0" }, { "Q", "0.3" }, { "Freq", "500" },
        { "Gain", "0" }, { "Q", "0.3" }, { "Freq", "2000" }, { "Gain", "0" }, { "Q", "0.3" }, { "Freq", "10000" },
        { "HP", "20" }, { "LP", "20000" }, { "Volume", "0" }, { "Low Shelf", "Off" }, { "High Shelf", "Off" },
    };

    // Wrappers may add parameters of their own (a bypass); ours come first, in order.
    const auto& params = plugin->getParameters();
    ASSERT_GE (params.size(), 17);
    int automatable = 0;
    for (int i = 0; i < 17; ++i)
    {
        SCOPED_TRACE (i);
        EXPECT_EQ (params[i]->getName (100), expected[i].first);
        EXPECT_TRUE (params[i]->getCurrentValueAsText().startsWith (expected[i].second))
            << params[i]->getCurrentValueAsText();
        automatable += params[i]->isAutomatable() ? 1 : 0;
    }
    EXPECT_EQ (automatable, 17);
}

TEST_P (Hosting, AcceptsStereoAndMono)
{
    auto plugin = load (GetParam());
    ASSERT_NE (plugin, nullptr);

    for (const auto& set : { juce::AudioChannelSet::stereo(), juce::AudioChannelSet::mono() })
    {
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
