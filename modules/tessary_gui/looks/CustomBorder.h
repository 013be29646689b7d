#pragma once

namespace tessary_gui
{
/** Group outline look: a rounded frame stroked with a fixed purple-to-magenta gradient, with
    a gap for a bold title, both scaled to the group's size. */
class CustomBorder : public juce::LookAndFeel_V4
{
public:
    void drawGroupComponentOutline (juce::Graphics& g, int width, int height, const juce::String& text,
                                    const juce::Justification& position, juce::GroupComponent& group) override;

    static constexpr juce::uint32 bottomColour = 0xff32158b;
    static constexpr juce::uint32 topColour = 0xff974072;

    /** Title size: follows the group's longer side. */
    static float titleSizeFor (int width, int height) noexcept;
    static float strokeThicknessFor (int width, int height) noexcept;
};
} // namespace tessary_gui
