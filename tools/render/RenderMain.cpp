// ferrox-render: the equaliser without a host.
//   ferrox-render IN OUT [--set ID=VALUE ...] [--state FILE] [--save-state FILE] [--block N]
//                 [--response PLOT.png] [--csv FILE] [--rate HZ]
//   ferrox-render --write-demo FILE     a 6 s stereo test signal: a sine sweep left, noise right
// IN is WAV, AIFF or FLAC (mono or stereo); OUT is 32-bit float WAV at IN's rate. IN and OUT
// may be left out when only --response, --csv or --save-state is asked for.
#include "Render.h"
#include "ResponsePlot.h"

#include <tessary_utils/tessary_utils.h>

#include <unistd.h>

namespace
{
const char* usage =
    "usage: ferrox-render IN OUT [--set ID=VALUE ...] [--state FILE] [--save-state FILE] [--block N]\n"
    "                     [--response PLOT.png] [--csv FILE] [--rate HZ]\n"
    "       ferrox-render --write-demo FILE\n";

int fail (const juce::String& message)
{
    std::cerr << "ferrox-render: " << message << "\n";
    return 1;
}

/** A bar on the terminal for files longer than a few seconds; nothing when piped. */
struct Progress
{
    explicit Progress (double seconds) : shown (seconds > 5.0 && isatty (STDERR_FILENO)) {}

    void operator() (double done)
    {
        const auto percent = (int) (done * 100.0);
        if (! shown || percent == last)
            return;
        last = percent;
        std::cerr << "\rrendering [" << std::string ((size_t) (percent / 4), '#') << std::string ((size_t) (25 - percent / 4), '.')
                  << "] " << percent << "%" << (percent == 100 ? "\n" : "") << std::flush;
    }

    bool shown;
    int last = -1;
};
} // namespace

int writeDemo (const juce::File& file)
{
    const auto rate = 48000.0;
    const int length = 6 * 48000;
    juce::AudioBuffer<float> demo (2, length);
    juce::Random random (1);
    auto phase = 0.0;
    for (int i = 0; i < length; ++i)
    {
        // Exponential sweep from 20 Hz to 20 kHz, then white noise on the other side.
        const auto hz = 20.0 * std::pow (1000.0, (double) i / length);
        phase += juce::MathConstants<double>::twoPi * hz / rate;
        demo.setSample (0, i, 0.25f * (float) std::sin (phase));
        demo.setSample (1, i, 0.25f * (random.nextFloat() * 2.0f - 1.0f));
    }
    if (const auto error = ferrox_render::writeFloatWav (file, demo, rate); error.isNotEmpty())
        return fail (error);
    std::cout << "demo signal " << file.getFullPathName() << "\n";
    return 0;
}

int main (int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI juce;

    if (argc == 3 && juce::String (argv[1]) == "--write-demo")
        return writeDemo (juce::File::getCurrentWorkingDirectory().getChildFile (argv[2]));

    juce::StringArray positional, sets;
    juce::File stateFile, saveStateFile, plotFile, csvFile;
    int blockSize = 512;
    double responseRate = 0.0;

    const auto cwd = juce::File::getCurrentWorkingDirectory();
    for (int i = 1; i < argc; ++i)
    {
        const juce::String arg (argv[i]);
        const auto needsValue = arg == "--set" || arg == "--state" || arg == "--save-state" || arg == "--block"
                                || arg == "--response" || arg == "--csv" || arg == "--rate";
        if (needsValue && i + 1 >= argc)
            return fail (arg + " needs a value\n" + usage);

        if (arg == "--set") sets.add (argv[++i]);
        else if (arg == "--state") stateFile = cwd.getChildFile (argv[++i]);
        else if (arg == "--save-state") saveStateFile = cwd.getChildFile (argv[++i]);
        else if (arg == "--response") plotFile = cwd.getChildFile (argv[++i]);
        else if (arg == "--csv") csvFile = cwd.getChildFile (argv[++i]);
        else if (arg == "--block")
        {
            const juce::String v (argv[++i]);
            blockSize = v.getIntValue();
            if (! v.containsOnly ("0123456789") || blockSize < 1 || blockSize > 65536)
                return fail ("--block takes a whole number from 1 to 65536, not '" + v + "'");
        }
        else if (arg == "--rate")
        {
            const juce::String v (argv[++i]);
            responseRate = v.getDoubleValue();
            if (! v.containsOnly ("0123456789.") || responseRate < 8000.0 || responseRate > 384000.0)
                return fail ("--rate takes a sample rate from 8000 to 384000 Hz, not '" + v + "'");
        }
        else if (arg.startsWith ("--")) return fail ("unknown option " + arg + "\n" + usage);
        else positional.add (arg);
    }

    const auto onlyExtras = positional.isEmpty() && (plotFile != juce::File() || csvFile != juce::File() || saveStateFile != juce::File());
    if (positional.size() != 2 && ! onlyExtras)
        return fail (juce::String ("expected an input and an output file\n") + usage);

    TessaryFerroxAudioProcessor processor;

    if (stateFile != juce::File())
    {
        juce::MemoryBlock state;
        if (! stateFile.loadFileAsData (state) || state.isEmpty())
            return fail ("cannot read the state file " + stateFile.getFullPathName());
        if (! tessary_utils::StateReader::isWellFormed (state.getData(), state.getSize()))
            return fail ("the state file " + stateFile.getFullPathName() + " is not a saved Ferrox state");
        processor.setStateInformation (state.getData(), (int) state.getSize());
    }

    for (const auto& s : sets)
    {
        if (! s.containsChar ('='))
            return fail ("--set takes ID=VALUE, not '" + s + "'");
        const auto error = ferrox_render::setParameter (processor, s.upToFirstOccurrenceOf ("=", false, false),
                                                        s.fromFirstOccurrenceOf ("=", false, false));
        if (error.isNotEmpty())
            return fail (error);
    }

    double sampleRate = responseRate > 0.0 ? responseRate : 48000.0;
    if (positional.size() == 2)
    {
        const auto input = cwd.getChildFile (positional[0]), output = cwd.getChildFile (positional[1]);
        juce::AudioBuffer<float> audio;
        double fileRate = 0.0;
        if (const auto error = ferrox_render::readAudioFile (input, audio, fileRate); error.isNotEmpty())
            return fail (error);
        if (responseRate <= 0.0)
            sampleRate = fileRate;

        // A copy renders, so the settings saved or plotted below are exactly the ones given.
        TessaryFerroxAudioProcessor renderer;
        ferrox_render::copySettings (processor, renderer);

        Progress progress (audio.getNumSamples() / fileRate);
        ferrox_render::render (renderer, audio, fileRate, blockSize, [&] (double done) { progress (done); });
        if (const auto error = ferrox_render::writeFloatWav (output, audio, fileRate); error.isNotEmpty())
            return fail (error);
        std::cout << "rendered " << output.getFullPathName() << "\n";
    }

    if (saveStateFile != juce::File())
    {
        juce::MemoryBlock state;
        processor.getStateInformation (state);
        if (const auto error = ferrox_render::writeFileAtomically (saveStateFile, state.getData(), state.getSize()); error.isNotEmpty())
            return fail (error);
        std::cout << "saved state " << saveStateFile.getFullPathName() << "\n";
    }

    if (plotFile != juce::File() || csvFile != juce::File())
    {
        const auto response = ferrox_render::measureResponse (processor, sampleRate);
        if (plotFile != juce::File())
        {
            juce::MemoryOutputStream png;
            juce::PNGImageFormat().writeImageToStream (ferrox_render::drawResponse (response, processor, 1200, 600), png);
            if (const auto error = ferrox_render::writeFileAtomically (plotFile, png.getData(), png.getDataSize()); error.isNotEmpty())
                return fail (error);
            std::cout << "response plot " << plotFile.getFullPathName() << "\n";
        }
        if (csvFile != juce::File())
        {
            const auto csv = ferrox_render::responseCsv (response);
            if (const auto error = ferrox_render::writeFileAtomically (csvFile, csv.toRawUTF8(), csv.getNumBytesAsUTF8()); error.isNotEmpty())
                return fail (error);
            std::cout << "response table " << csvFile.getFullPathName() << "\n";
        }
    }
    return 0;
}
