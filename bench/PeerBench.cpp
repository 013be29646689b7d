// Ferrox next to peer equalisers from Debian, all loaded through JUCE's plug-in hosting in
// one process, each set to four peaking bands at +6 dB plus a high-pass and a low-pass where
// it has them, timed on the same stereo noise at 48 kHz, interleaved, several rounds.
//   bench/setup-peers.sh && build/bench/ferrox_peer_bench [--list]
#include <juce_audio_processors/juce_audio_processors.h>

#include <map>

namespace
{
constexpr double rate = 48000.0;

struct Setting { const char* parameter; const char* text; };

struct Contender
{
    juce::String label, format, identifier;
    std::vector<Setting> settings;
    std::unique_ptr<juce::AudioPluginInstance> instance;
};

std::unique_ptr<juce::AudioPluginInstance> load (juce::AudioPluginFormatManager& manager, const juce::String& format,
                                                 const juce::String& identifier, int block)
{
    for (auto* f : manager.getFormats())
    {
        if (f->getName() != format)
            continue;
        juce::OwnedArray<juce::PluginDescription> found;
        f->findAllTypesForFile (found, identifier);
        if (found.isEmpty())
            return nullptr;
        juce::String error;
        return manager.createPluginInstance (*found[0], rate, block, error);
    }
    return nullptr;
}

/** Sets a parameter by its name, through the plug-in's own text parsing. */
bool set (juce::AudioPluginInstance& plugin, const juce::String& name, const juce::String& text)
{
    for (auto* p : plugin.getParameters())
        if (p->getName (200) == name)
        {
            // Switches take their normalised ends; not every plug-in parses "On".
            p->setValueNotifyingHost (text == "On" ? 1.0f : text == "Off" ? 0.0f : p->getValueForText (text));
            if (juce::SystemStats::getEnvironmentVariable ("FERROX_PEER_VERBOSE", {}).isNotEmpty())
                std::cerr << plugin.getName() << ": " << name << " = " << p->getCurrentValueAsText() << "\n";
            return true;
        }
    std::cerr << plugin.getName() << ": no parameter '" << name << "'\n";
    return false;
}
} // namespace

int main (int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI juce;
    const auto listOnly = argc > 1 && juce::String (argv[1]) == "--list";

    juce::AudioPluginFormatManager manager;
    manager.addDefaultFormats();
    for (auto* f : manager.getFormats())
        if (f->getName() == "LV2")
            f->searchPathsForPlugins (juce::FileSearchPath (FERROX_LV2_DIR), false, false);

    std::vector<Contender> contenders;
    // Ferrox's bands are named alike; they are set by position below.
    const std::vector<Setting> ferrox { { "HP", "40" }, { "LP", "18000" } };
    contenders.push_back ({ "Ferrox VST3", "VST3", FERROX_VST3_PATH, ferrox, nullptr });
    contenders.push_back ({ "Ferrox LV2", "LV2", FERROX_LV2_URI, ferrox, nullptr });
    contenders.push_back ({ "x42 fil4", "LV2", "http://gareus.org/oss/lv2/fil4#stereo",
                            { { "Highpass", "On" }, { "Highpass Frequency", "40" }, { "Lowpass", "On" }, { "Lowpass Frequency", "18000" },
                              { "Gain 1", "6" }, { "Gain 2", "6" }, { "Gain 3", "6" }, { "Gain 4", "6" },
                              { "Lowshelf", "Off" }, { "Highshelf", "Off" } }, nullptr });
    contenders.push_back ({ "LSP Para x16", "LV2", "http://lsp-plug.in/plugins/lv2/para_equalizer_x16_stereo",
                            { { "Filter type 0", "Hi-pass" }, { "Frequency 0", "40" },
                              { "Filter type 1", "Bell" }, { "Frequency 1", "80" }, { "Gain 1", "1.995" },
                              { "Filter type 2", "Bell" }, { "Frequency 2", "500" }, { "Gain 2", "1.995" },
                              { "Filter type 3", "Bell" }, { "Frequency 3", "2000" }, { "Gain 3", "1.995" },
                              { "Filter type 4", "Bell" }, { "Frequency 4", "10000" }, { "Gain 4", "1.995" },
                              { "Filter type 5", "Lo-pass" }, { "Frequency 5", "18000" } }, nullptr });
    // Two peaking bands and two shelves: the nearest it has to four bands, no pass filters.
    contenders.push_back ({ "ZamEQ2", "LV2", "urn:zamaudio:ZamEQ2",
                            { { "Boost/Cut 1", "6" }, { "Boost/Cut 2", "6" }, { "Boost/Cut L", "6" }, { "Boost/Cut H", "6" } }, nullptr });

    const int blockSizes[] = { 64, 256, 1024 };
    const int rounds = 5, blocksPerRound = 200;
    std::map<std::pair<size_t, int>, std::vector<double>> timings;

    for (auto& c : contenders)
    {
        c.instance = load (manager, c.format, c.identifier, 1024);
        if (c.instance == nullptr)
        {
            std::cerr << "cannot load " << c.label << " (" << c.identifier << "); run bench/setup-peers.sh\n";
            continue;
        }
        if (listOnly)
        {
            std::cout << "== " << c.label << "\n";
            for (auto* p : c.instance->getParameters())
                std::cout << "  '" << p->getName (200) << "' = " << p->getCurrentValueAsText() << "\n";
            continue;
        }

        c.instance->enableAllBuses();
        c.instance->prepareToPlay (rate, 1024);
        for (const auto& s : c.settings)
            set (*c.instance, s.parameter, s.text);
        if (c.label.startsWith ("Ferrox"))
        {
            int band = 0;
            for (auto* p : c.instance->getParameters())
                if (p->getName (200) == "Gain" && band++ < 4)
                    p->setValueNotifyingHost (p->getValueForText ("6"));
        }
    }
    if (listOnly)
        return 0;

    juce::AudioBuffer<float> noise (2, 1024), buffer (2, 1024);
    juce::Random random (1);
    for (int ch = 0; ch < 2; ++ch)
        for (int i = 0; i < 1024; ++i)
            noise.setSample (ch, i, random.nextFloat() - 0.5f);
    juce::MidiBuffer midi;

    // Interleaved: every contender runs each block size once per round, in turn.
    for (int round = 0; round < rounds; ++round)
        for (const auto block : blockSizes)
            for (size_t k = 0; k < contenders.size(); ++k)
            {
                auto* plugin = contenders[k].instance.get();
                if (plugin == nullptr)
                    continue;
                juce::AudioBuffer<float> view (buffer.getArrayOfWritePointers(), 2, block);
                const auto start = juce::Time::getHighResolutionTicks();
                for (int b = 0; b < blocksPerRound; ++b)
                {
                    for (int ch = 0; ch < 2; ++ch)
                        std::memcpy (view.getWritePointer (ch), noise.getReadPointer (ch), sizeof (float) * (size_t) block);
                    plugin->processBlock (view, midi);
                }
                const auto seconds = juce::Time::highResolutionTicksToSeconds (juce::Time::getHighResolutionTicks() - start);
                if (round > 0) // the first round warms caches and settles parameter changes
                    timings[{ k, block }].push_back (seconds * 1.0e9 / (blocksPerRound * block));
            }

    const auto median = [] (std::vector<double> v) { std::sort (v.begin(), v.end()); return v.empty() ? 0.0 : v[v.size() / 2]; };
    std::printf ("ns per stereo frame at 48 kHz (median of %d rounds), and each contender's ratio to Ferrox VST3\n", rounds - 1);
    std::printf ("%-16s", "plug-in");
    for (const auto block : blockSizes)
        std::printf ("  %8s %6d", "block", block);
    std::printf ("\n");
    for (size_t k = 0; k < contenders.size(); ++k)
    {
        if (contenders[k].instance == nullptr)
            continue;
        std::printf ("%-16s", contenders[k].label.toRawUTF8());
        for (const auto block : blockSizes)
        {
            const auto ns = median (timings[{ k, block }]), ours = median (timings[{ 0, block }]);
            std::printf ("  %8.1f %5.2fx", ns, ours > 0.0 ? ns / ours : 0.0);
        }
        std::printf ("\n");
    }
    return 0;
}
