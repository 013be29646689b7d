// What the editor pays on its first opening: decoding the eight embedded pictures with no
// image cache to help, and the memory the decoded pixels take.
#include <BinaryData.h>
#include <benchmark/benchmark.h>
#include <juce_gui_basics/juce_gui_basics.h>

namespace
{
struct Picture { const char* name; const char* data; int size; };

const Picture pictures[] = {
    { "background", BinaryData::background_png, BinaryData::background_pngSize },
    { "header_logo", BinaryData::header_logo_png, BinaryData::header_logo_pngSize },
    { "knob_black_strip", BinaryData::knob_black_strip_png, BinaryData::knob_black_strip_pngSize },
    { "knob_gold_strip", BinaryData::knob_gold_strip_png, BinaryData::knob_gold_strip_pngSize },
    { "fader_strip", BinaryData::fader_strip_png, BinaryData::fader_strip_pngSize },
    { "vu_needle_strip", BinaryData::vu_needle_strip_png, BinaryData::vu_needle_strip_pngSize },
    { "vu_scale", BinaryData::vu_scale_png, BinaryData::vu_scale_pngSize },
    { "vu_face", BinaryData::vu_face_png, BinaryData::vu_face_pngSize },
};

size_t decodedBytes (const juce::Image& image)
{
    const juce::Image::BitmapData pixels (image, juce::Image::BitmapData::readOnly);
    return (size_t) pixels.lineStride * (size_t) image.getHeight();
}

void decode (benchmark::State& state, const Picture& p)
{
    size_t bytes = 0;
    for (auto _ : state)
    {
        // Straight from the PNG bytes: what a cold image cache does on first use.
        auto image = juce::PNGImageFormat().decodeImage (*std::make_unique<juce::MemoryInputStream> (p.data, (size_t) p.size, false));
        bytes = decodedBytes (image);
        benchmark::DoNotOptimize (image);
    }
    state.counters["PNG_KB"] = (double) p.size / 1024.0;
    state.counters["decoded_MB"] = (double) bytes / (1024.0 * 1024.0);
}

void decodeAll (benchmark::State& state)
{
    size_t bytes = 0, png = 0;
    for (auto _ : state)
    {
        bytes = png = 0;
        for (const auto& p : pictures)
        {
            juce::MemoryInputStream in (p.data, (size_t) p.size, false);
            bytes += decodedBytes (juce::PNGImageFormat().decodeImage (in));
            png += (size_t) p.size;
        }
    }
    state.counters["PNG_KB"] = (double) png / 1024.0;
    state.counters["decoded_MB"] = (double) bytes / (1024.0 * 1024.0);
}
} // namespace

int main (int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI juce;
    for (const auto& p : pictures)
        benchmark::RegisterBenchmark (p.name, [&p] (benchmark::State& s) { decode (s, p); })->Unit (benchmark::kMillisecond);
    benchmark::RegisterBenchmark ("all_eight", decodeAll)->Unit (benchmark::kMillisecond);
    benchmark::Initialize (&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
