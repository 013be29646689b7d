#pragma once

namespace tessary_dsp
{
/** Runs a series of SVFilter sections over a mono or stereo block in one pass.

    The result is bit for bit what calling each section's process() in turn gives, narrowing to
    float between sections included: only the order of the work changes. Every sample goes
    through all active sections while it is in registers, with both channels side by side, so
    the sections' long feedback chains overlap instead of running one after the other.
    Transparent sections are left out and keep their states, exactly as process() would.
*/
class SVFilterCascade
{
public:
    static void process (SVFilter<float>* const* filters, size_t numFilters,
                         const juce::dsp::AudioBlock<float>& block) noexcept;

    /** More sections than this are run as several passes. */
    static constexpr size_t maxStagesPerPass = 8;
};

} // namespace tessary_dsp
