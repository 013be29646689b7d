#include "FlacReader.h"

#include <FLAC/stream_decoder.h>

namespace ferrox_render
{
namespace
{
struct Decoding
{
    std::vector<std::vector<float>> channels;
    double sampleRate = 0.0;
    unsigned bitsPerSample = 0;
    juce::String error;
};

FLAC__StreamDecoderWriteStatus onFrame (const FLAC__StreamDecoder*, const FLAC__Frame* frame,
                                        const FLAC__int32* const buffer[], void* context)
{
    auto& d = *static_cast<Decoding*> (context);
    const auto numChannels = frame->header.channels;
    if (numChannels < 1 || numChannels > 2)
    {
        d.error = "input has " + juce::String (numChannels) + " channels; only mono and stereo are supported";
        return FLAC__STREAM_DECODER_WRITE_STATUS_ABORT;
    }

    d.channels.resize (numChannels);
    const auto scale = 1.0f / (float) (1u << (frame->header.bits_per_sample - 1));
    for (unsigned ch = 0; ch < numChannels; ++ch)
        for (unsigned i = 0; i < frame->header.blocksize; ++i)
            d.channels[ch].push_back ((float) buffer[ch][i] * scale);
    d.sampleRate = frame->header.sample_rate;
    return FLAC__STREAM_DECODER_WRITE_STATUS_CONTINUE;
}

void onMetadata (const FLAC__StreamDecoder*, const FLAC__StreamMetadata*, void*) {}

void onError (const FLAC__StreamDecoder*, FLAC__StreamDecoderErrorStatus, void* context)
{
    static_cast<Decoding*> (context)->error = "the FLAC stream is damaged";
}
} // namespace

juce::String readFlac (const juce::File& file, juce::AudioBuffer<float>& audio, double& sampleRate)
{
    std::unique_ptr<FLAC__StreamDecoder, void (*) (FLAC__StreamDecoder*)> decoder (FLAC__stream_decoder_new(), FLAC__stream_decoder_delete);
    if (decoder == nullptr)
        return "cannot start a FLAC decoder";

    Decoding d;
    if (FLAC__stream_decoder_init_file (decoder.get(), file.getFullPathName().toRawUTF8(), onFrame, onMetadata, onError, &d)
        != FLAC__STREAM_DECODER_INIT_STATUS_OK)
        return "not a FLAC file";

    const auto ok = FLAC__stream_decoder_process_until_end_of_stream (decoder.get());
    if (d.error.isNotEmpty())
        return d.error;
    if (! ok || d.channels.empty() || d.channels[0].empty())
        return "not a FLAC file";

    audio.setSize ((int) d.channels.size(), (int) d.channels[0].size());
    for (size_t ch = 0; ch < d.channels.size(); ++ch)
        audio.copyFrom ((int) ch, 0, d.channels[ch].data(), (int) d.channels[ch].size());
    sampleRate = d.sampleRate;
    return {};
}
} // namespace ferrox_render
