#pragma once

namespace tessary_gui
{
/** A slider drawn from a filmstrip: one tall image of equally sized frames, top to bottom,
    each showing the control at one position. The value box sits below and shows the name
    while idle and the value while the pointer is over the control. */
class ImageFader : public juce::Slider
{
public:
    ImageFader();
    ~ImageFader() override;

    void setFilmStrip (juce::Image filmStrip, int numFrames);
    void setValueType (CustomDialLabel::ValueType type);

    void paint (juce::Graphics& g) override;
    void resized() override;

    /** The frame shown for the current value. */
    int getFrameIndex();
    int getFrameWidth() const noexcept { return _frameWidth; }
    int getFrameHeight() const noexcept { return _frameHeight; }

    /** Frame for a normalised position: truncated, so the last frame needs the very end. */
    static int frameForProportion (int numFrames, float proportion) noexcept;

private:
    CustomDialLabel _customDialLabel;
    juce::Image _filmStrip;
    int _numFrames = 0;
    int _frameWidth = 0;
    int _frameHeight = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ImageFader)
};
} // namespace tessary_gui
