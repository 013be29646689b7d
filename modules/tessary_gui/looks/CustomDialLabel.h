#pragma once

namespace tessary_gui
{
/** Value-box look for a slider: the slider's name while idle, its value while the pointer is
    over it or a button is held on it, printed as a whole number or cut to two decimals. */
class CustomDialLabel : public juce::LookAndFeel_V4
{
public:
    enum ValueType : int
    {
        kInt = 0,
        kFloat = 1
    };

    CustomDialLabel() = default;
    ~CustomDialLabel() override = default;

    void setValueType (ValueType type) noexcept { _valueType = type; }
    ValueType getValueType() const noexcept { return _valueType; }

    void drawLabel (juce::Graphics& g, juce::Label& label) override;

    /** The text shown for a slider value: truncated, never rounded, so a knob never shows a
        value it has not reached. */
    static juce::String formatValue (double value, ValueType type);

    /** Font height for a label of the given size: the larger of the two rules. */
    static float fontHeightFor (int width, int height) noexcept;

private:
    ValueType _valueType = kFloat;
};
} // namespace tessary_gui
