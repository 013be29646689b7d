#include "ResponsePlot.h"
#include "Render.h"

namespace ferrox_render
{
namespace
{
constexpr int fftOrder = 16; // 65536 points: long enough for a 30 Hz band at Q 10 to ring out

float plain (TessaryFerroxAudioProcessor& p, const char* id) { return p.treeState.getRawParameterValue (id)->load(); }
} // namespace

Response measureResponse (TessaryFerroxAudioProcessor& processor, double sampleRate)
{
    TessaryFerroxAudioProcessor copy;
    copySettings (processor, copy);

    const auto size = 1 << fftOrder;
    juce::AudioBuffer<float> impulse (1, size);
    impulse.clear();
    impulse.setSample (0, 0, 1.0f);
    render (copy, impulse, sampleRate, 512);

    juce::dsp::FFT fft (fftOrder);
    std::vector<float> data ((size_t) size * 2, 0.0f);
    std::copy (impulse.getReadPointer (0), impulse.getReadPointer (0) + size, data.begin());
    fft.performFrequencyOnlyForwardTransform (data.data());

    Response r;
    r.sampleRate = sampleRate;
    for (int bin = 1; bin <= size / 2; ++bin)
    {
        r.frequencies.push_back (bin * sampleRate / size);
        r.decibels.push_back (juce::Decibels::gainToDecibels ((double) data[(size_t) bin], -200.0));
    }
    return r;
}

juce::Image drawResponse (const Response& response, TessaryFerroxAudioProcessor& settings, int width, int height)
{
    juce::Image image (juce::Image::RGB, width, height, true);
    juce::Graphics g (image);
    g.fillAll (juce::Colour (0xff15151a));

    const auto plot = juce::Rectangle<float> (60.0f, 20.0f, (float) width - 80.0f, (float) height - 60.0f);
    auto peak = 0.0;
    for (size_t i = 0; i < response.frequencies.size(); ++i)
        if (response.frequencies[i] >= 20.0 && response.frequencies[i] <= 20000.0)
            peak = std::max (peak, std::abs (response.decibels[i]));
    const auto range = std::max (18.0, std::ceil ((peak + 3.0) / 6.0) * 6.0);

    const auto xOf = [&] (double hz) { return plot.getX() + plot.getWidth() * (float) (std::log10 (hz / 20.0) / 3.0); };
    const auto yOf = [&] (double db) { return plot.getCentreY() - plot.getHeight() * 0.5f * (float) (juce::jlimit (-range, range, db) / range); };

    g.setFont (13.0f);
    for (const auto hz : { 20.0, 50.0, 100.0, 200.0, 500.0, 1000.0, 2000.0, 5000.0, 10000.0, 20000.0 })
    {
        g.setColour (juce::Colour (0xff2e2e38));
        g.drawVerticalLine ((int) xOf (hz), plot.getY(), plot.getBottom());
        g.setColour (juce::Colour (0xffa0a0b0));
        g.drawText (hz >= 1000.0 ? juce::String (hz / 1000.0) + "k" : juce::String (hz), (int) xOf (hz) - 30, (int) plot.getBottom() + 6, 60, 16, juce::Justification::centred);
    }
    for (auto db = -range; db <= range; db += 6.0)
    {
        g.setColour (db == 0.0 ? juce::Colour (0xff50505e) : juce::Colour (0xff2e2e38));
        g.drawHorizontalLine ((int) yOf (db), plot.getX(), plot.getRight());
        g.setColour (juce::Colour (0xffa0a0b0));
        g.drawText (juce::String ((int) db) + " dB", 0, (int) yOf (db) - 8, 54, 16, juce::Justification::centredRight);
    }

    // Where each active section sits, so a setting can be read off the curve.
    const struct { const char* label; const char* gain; const char* cutoff; } bands[] = {
        { "1", "filter1GainID", "filter1CutoffID" }, { "2", "filter2GainID", "filter2CutoffID" },
        { "3", "filter3GainID", "filter3CutoffID" }, { "4", "filter4GainID", "filter4CutoffID" },
        { "HP", nullptr, "hpCutoffID" }, { "LP", nullptr, "lpCutoffID" },
    };
    for (const auto& b : bands)
    {
        const auto cutoff = (double) plain (settings, b.cutoff);
        const auto active = b.gain != nullptr ? plain (settings, b.gain) != 0.0f
                                              : (juce::String (b.label) == "HP" ? cutoff != 20.0 : cutoff != 20000.0);
        if (! active)
            continue;
        const auto x = xOf (cutoff * 6.28 / juce::MathConstants<double>::twoPi);
        g.setColour (juce::Colour (0x80e0a040));
        g.drawVerticalLine ((int) x, plot.getY(), plot.getBottom());
        g.setColour (juce::Colour (0xffe0a040));
        g.drawText (b.label, (int) x - 20, (int) plot.getY(), 40, 16, juce::Justification::centred);
    }

    juce::Path curve;
    auto started = false;
    for (size_t i = 0; i < response.frequencies.size(); ++i)
    {
        const auto hz = response.frequencies[i];
        if (hz < 20.0 || hz > 20000.0)
            continue;
        const juce::Point<float> p (xOf (hz), yOf (response.decibels[i]));
        started ? curve.lineTo (p) : curve.startNewSubPath (p);
        started = true;
    }
    g.setColour (juce::Colour (0xff6ad0ff));
    g.strokePath (curve, juce::PathStrokeType (2.5f, juce::PathStrokeType::curved));

    g.setColour (juce::Colour (0xff50505e));
    g.drawRect (plot);
    return image;
}

juce::String responseCsv (const Response& response)
{
    juce::String csv ("frequency_hz,magnitude_db\n");
    for (size_t i = 0; i < response.frequencies.size(); ++i)
        csv << juce::String (response.frequencies[i], 3) << "," << juce::String (response.decibels[i], 4) << "\n";
    return csv;
}
} // namespace ferrox_render
