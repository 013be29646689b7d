// The command-line renderer, run as users run it, against the processor in-process.
#include "ChainFixture.h"

#include <Render.h>

namespace
{
struct Run
{
    int exitCode;
    juce::String output;
};

Run runTool (const juce::StringArray& args)
{
    juce::ChildProcess process;
    juce::StringArray command { FERROX_RENDER_PATH };
    command.addArray (args);
    if (! process.start (command, juce::ChildProcess::wantStdOut | juce::ChildProcess::wantStdErr))
        return { -1, "did not start" };
    const auto output = process.readAllProcessOutput();
    process.waitForProcessToFinish (60000);
    return { (int) process.getExitCode(), output };
}

struct RenderFixture : ::testing::Test
{
    juce::TemporaryFile dirHolder;
    juce::File dir = dirHolder.getFile();

    void SetUp() override { ASSERT_TRUE (dir.createDirectory()); }
    void TearDown() override { dir.deleteRecursively(); }

    juce::File write (const juce::String& name, const juce::AudioBuffer<float>& audio, double rate)
    {
        const auto file = dir.getChildFile (name);
        EXPECT_TRUE (ferrox_render::writeFloatWav (file, audio, rate).isEmpty());
        return file;
    }
};

const juce::StringArray settings { "--set", "filter1GainID=4.5", "--set", "lowShelfToggleID=1", "--set", "filter3GainID=-6",
                                   "--set", "filter3CutoffID=3000", "--set", "hpCutoffID=40", "--set", "lpCutoffID=16000" };
} // namespace

TEST_F (RenderFixture, RenderedFileEqualsTheProcessorInProcess)
{
    for (const auto channels : { 1, 2 })
    {
        const auto input = write ("in.wav", ChainFixture::noise (channels, 44100 * 2 + 17, 5), 44100.0);
        const auto output = dir.getChildFile ("out.wav");
        auto args = settings;
        args.addArray ({ input.getFullPathName(), output.getFullPathName(), "--block", "300" });
        const auto run = runTool (args);
        ASSERT_EQ (run.exitCode, 0) << run.output;

        juce::AudioBuffer<float> expected, actual;
        double rate = 0.0, outRate = 0.0;
        ASSERT_TRUE (ferrox_render::readAudioFile (input, expected, rate).isEmpty());
        TessaryFerroxAudioProcessor p;
        for (int i = 0; i < settings.size(); i += 2)
            ASSERT_TRUE (ferrox_render::setParameter (p, settings[i + 1].upToFirstOccurrenceOf ("=", false, false),
                                                      settings[i + 1].fromFirstOccurrenceOf ("=", false, false)).isEmpty());
        ferrox_render::render (p, expected, rate, 300);

        ASSERT_TRUE (ferrox_render::readAudioFile (output, actual, outRate).isEmpty());
        EXPECT_EQ (outRate, 44100.0);
        ASSERT_EQ (actual.getNumChannels(), channels);
        ASSERT_EQ (actual.getNumSamples(), expected.getNumSamples());
        for (int ch = 0; ch < channels; ++ch)
            EXPECT_EQ (std::memcmp (actual.getReadPointer (ch), expected.getReadPointer (ch), sizeof (float) * (size_t) actual.getNumSamples()), 0);

        // No fade-in on the user's file: the first samples come out at full level.
        EXPECT_GT (std::abs (actual.getSample (0, 0)), 0.0f);
    }
}

TEST_F (RenderFixture, BadInputGetsAClearAnswerAndNoFile)
{
    const auto good = write ("good.wav", ChainFixture::noise (2, 4800, 1), 48000.0);
    const auto threeChannels = write ("three.wav", ChainFixture::noise (3, 4800, 2), 48000.0);
    const auto garbage = dir.getChildFile ("garbage.wav");
    garbage.replaceWithText ("this is not audio");
    const auto badState = dir.getChildFile ("bad.state");
    badState.replaceWithText ("not a state");
    const auto out = dir.getChildFile ("out.wav");

    const struct { juce::StringArray args; const char* message; } cases[] = {
        { { good.getFullPathName(), out.getFullPathName(), "--set", "nope=1" }, "unknown parameter ID 'nope'; valid IDs: filter1GainID" },
        { { good.getFullPathName(), out.getFullPathName(), "--set", "filter1GainID=99" }, "outside its range -15 to 15" },
        { { good.getFullPathName(), out.getFullPathName(), "--set", "volumeID=loud" }, "'loud' is not a number" },
        { { good.getFullPathName(), out.getFullPathName(), "--set", "volumeID" }, "--set takes ID=VALUE" },
        { { dir.getChildFile ("missing.wav").getFullPathName(), out.getFullPathName() }, "input file does not exist" },
        { { garbage.getFullPathName(), out.getFullPathName() }, "cannot decode" },
        { { threeChannels.getFullPathName(), out.getFullPathName() }, "input has 3 channels" },
        { { good.getFullPathName(), out.getFullPathName(), "--state", badState.getFullPathName() }, "is not a saved Ferrox state" },
        { { good.getFullPathName(), out.getFullPathName(), "--block", "0" }, "--block takes a whole number" },
        { { good.getFullPathName(), out.getFullPathName(), "--frobnicate" }, "unknown option --frobnicate" },
        { { good.getFullPathName() }, "expected an input and an output file" },
    };

    for (const auto& c : cases)
    {
        const auto run = runTool (c.args);
        EXPECT_EQ (run.exitCode, 1) << c.message;
        EXPECT_TRUE (run.output.contains (c.message)) << run.output;
        EXPECT_FALSE (out.exists()) << c.message;
        EXPECT_EQ (dir.findChildFiles (juce::File::findFiles, false, "*.tmp*").size(), 0) << "no temporary left behind";
    }
}

TEST_F (RenderFixture, ResponsePlotAndTable)
{
    const auto plot = dir.getChildFile ("response.png"), csv = dir.getChildFile ("response.csv");
    auto args = settings;
    args.addArray ({ "--response", plot.getFullPathName(), "--csv", csv.getFullPathName() });
    const auto run = runTool (args);
    ASSERT_EQ (run.exitCode, 0) << run.output;

    const auto image = juce::ImageFileFormat::loadFrom (plot);
    ASSERT_TRUE (image.isValid());
    EXPECT_EQ (image.getWidth(), 1200);
    EXPECT_EQ (image.getHeight(), 600);
    int curvePixels = 0;
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            curvePixels += image.getPixelAt (x, y).getBlue() > 200 && image.getPixelAt (x, y).getRed() < 160 ? 1 : 0;
    EXPECT_GT (curvePixels, 1000) << "the response curve is drawn";

    // The table holds the measured response: band 3's cut lands near 3000 * 6.28 / 2 pi Hz.
    juce::StringArray lines;
    lines.addLines (csv.loadFileAsString());
    double deepest = 0.0, deepestHz = 0.0;
    for (int i = 1; i < lines.size(); ++i)
    {
        const auto hz = lines[i].upToFirstOccurrenceOf (",", false, false).getDoubleValue();
        const auto db = lines[i].fromFirstOccurrenceOf (",", false, false).getDoubleValue();
        if (hz > 1000.0 && hz < 10000.0 && db < deepest)
            std::tie (deepest, deepestHz) = std::make_pair (db, hz);
    }
    EXPECT_NEAR (deepest, -6.0, 0.3);
    EXPECT_NEAR (deepestHz, 3000.0 * 6.28 / juce::MathConstants<double>::twoPi, 60.0);
}

TEST_F (RenderFixture, FlacInputDecodesLikeTheSameWav)
{
    const juce::File encoder ("/usr/bin/flac");
    if (! encoder.existsAsFile())
        GTEST_SKIP() << "no flac encoder to make a test file";

    // 16-bit samples survive both containers exactly.
    const auto wav = dir.getChildFile ("in16.wav");
    {
        auto stream = std::make_unique<juce::FileOutputStream> (wav);
        std::unique_ptr<juce::AudioFormatWriter> writer (juce::WavAudioFormat().createWriterFor (stream.get(), 44100.0, 2, 16, {}, 0));
        ASSERT_NE (writer, nullptr);
        stream.release();
        writer->writeFromAudioSampleBuffer (ChainFixture::noise (2, 22050, 4), 0, 22050);
    }
    const auto flac = dir.getChildFile ("in.flac");
    juce::ChildProcess encode;
    ASSERT_TRUE (encode.start (juce::StringArray { encoder.getFullPathName(), "-s", "-o", flac.getFullPathName(), wav.getFullPathName() }));
    encode.waitForProcessToFinish (30000);
    ASSERT_TRUE (flac.existsAsFile());

    juce::AudioBuffer<float> fromWav, fromFlac;
    double wavRate = 0.0, flacRate = 0.0;
    ASSERT_TRUE (ferrox_render::readAudioFile (wav, fromWav, wavRate).isEmpty());
    ASSERT_EQ (ferrox_render::readAudioFile (flac, fromFlac, flacRate), juce::String());
    EXPECT_EQ (flacRate, 44100.0);
    ASSERT_EQ (fromFlac.getNumSamples(), fromWav.getNumSamples());
    for (int ch = 0; ch < 2; ++ch)
        EXPECT_EQ (std::memcmp (fromFlac.getReadPointer (ch), fromWav.getReadPointer (ch), sizeof (float) * 22050), 0);
}
