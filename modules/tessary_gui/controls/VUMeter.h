#pragma once

namespace tessary_gui
{
/** A passive analogue-style meter: a face, a printed scale and a filmstrip of the housing with
    the needle. A hidden slider holds the level in dB and maps it to the needle's frame. */
class VUMeter : public juce::Component
{
public:
    VUMeter();
    ~VUMeter() override = default;

    void setImages (juce::Image filmStrip, juce::Image scale, juce::Image face);
    void setLevel (double decibels);

    void mouseDown (const juce::MouseEvent&) override {}
    void mouseDrag (const juce::MouseEvent&) override {}
    void mouseUp (const juce::MouseEvent&) override {}
    void paint (juce::Graphics& g) override;
    void resized() override;

    int getFrameIndex();
    double getLevel() const { return _valueSlider.getValue(); }
    int getFrameWidth() const noexcept { return _frameWidth; }
    int getFrameHeight() const noexcept { return _frameHeight; }

    /** Where the face and the scale land in a meter of the given size. */
    static juce::Rectangle<float> faceArea (int width, int height);
    static juce::Rectangle<float> scaleArea (int width, int height);

private:
    juce::Image _filmStrip;
    juce::Image _scaleImage;
    juce::Image _faceImage;
    int _numFrames = 129;
    int _frameWidth = 0;
    int _frameHeight = 0;
    juce::Slider _valueSlider;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VUMeter)
};
} // namespace tessary_gui
