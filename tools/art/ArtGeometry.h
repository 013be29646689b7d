#pragma once

#include <juce_core/juce_core.h>

// Where the moving parts of each strip sit in each frame. The generator draws from these and
// the tests check the drawn pixels against them.
namespace ferrox_art
{
struct StripSpec
{
    const char* name;
    int width, height, frames;
};

inline constexpr StripSpec strips[] = {
    { "knob_black_strip.png", 125, 16125, 129 },
    { "knob_gold_strip.png", 120, 15360, 128 },
    { "fader_strip.png", 104, 113664, 256 },
    { "vu_needle_strip.png", 317, 28638, 129 },
};

inline int frameCountOf (const juce::String& name)
{
    for (const auto& s : strips)
        if (name == s.name)
            return s.frames;
    return 1;
}

/** Knob pointer angle in degrees, clockwise from twelve o'clock: seven o'clock to five. */
inline double knobAngleDegrees (int frame, int frames)
{
    return -150.0 + 300.0 * frame / (frames - 1);
}

// Fader: the cap's centre travels from the bottom of the slot to its top.
inline constexpr double faderSlotTop = 40.0, faderSlotBottom = 404.0;

inline double faderCapCentreY (int frame, int frames)
{
    return faderSlotBottom - (faderSlotBottom - faderSlotTop) * frame / (frames - 1);
}

// Meter: the needle pivots below the window, hidden by the bezel, and sweeps +-30 degrees.
inline constexpr double needlePivotX = 158.5, needlePivotY = 205.0, needleSweepDegrees = 30.0;

inline double needleAngleDegrees (double proportion)
{
    return -needleSweepDegrees + 2.0 * needleSweepDegrees * proportion;
}

/** The meter's own mapping of a level to the needle's travel (range -20..+3 dB, skew 1.85). */
inline double meterProportion (double decibels)
{
    return std::pow ((juce::jlimit (-20.0, 3.0, decibels) + 20.0) / 23.0, 1.85);
}
} // namespace ferrox_art
