namespace tessary_gui
{
juce::String CustomDialLabel::formatValue (double value, ValueType type)
{
    const auto shown = type == kInt ? (float) (int) value
                                    : (float) (int) (value * 100.0) / 100.0f;
    return juce::String (shown);
}

float CustomDialLabel::fontHeightFor (int width, int height) noexcept
{
    return (float) std::max (0.75 * height, 0.12 * width);
}

void CustomDialLabel::drawLabel (juce::Graphics& g, juce::Label& label)
{
    g.fillAll (label.findColour (juce::Label::backgroundColourId));

    // Every paint, so the box a fader asked to be read-only opens on a single click.
    label.setEditable (true, false, false);

    if (! label.isBeingEdited())
    {
        const auto alpha = label.isEnabled() ? 1.0f : 0.5f;
        const juce::Font font ("Helvetica", fontHeightFor (label.getWidth(), label.getHeight()), juce::Font::bold);

        g.setColour (label.findColour (juce::Label::textColourId).withMultipliedAlpha (alpha));
        g.setFont (font);

        const auto textArea = getLabelBorderSize (label).subtractedFrom (label.getLocalBounds());

        juce::String text;
        if (auto* slider = dynamic_cast<juce::Slider*> (label.getParentComponent()))
        {
            const auto active = slider->isMouseOver (false) || slider->isMouseButtonDown (false);
            text = active ? formatValue (slider->getValue(), _valueType) + slider->getTextValueSuffix()
                          : slider->getName();
        }

        const auto maxLines = juce::jmax (1, (int) ((float) textArea.getHeight() / font.getHeight()));
        g.drawFittedText (text, textArea, label.getJustificationType(), maxLines, label.getMinimumHorizontalScale());

        g.setColour (label.findColour (juce::Label::outlineColourId).withMultipliedAlpha (alpha));
    }
    else if (label.isEnabled())
    {
        g.setColour (label.findColour (juce::Label::outlineColourId));
    }

    g.drawRect (label.getLocalBounds().toFloat(), 1.0f);
}
} // namespace tessary_gui
