namespace tessary_gui
{
float CustomBorder::titleSizeFor (int width, int height) noexcept
{
    return width > height ? (float) width * 0.02f : (float) height * 0.024f;
}

float CustomBorder::strokeThicknessFor (int width, int height) noexcept
{
    return width > height ? (float) width * 0.0025f : (float) height * 0.005f;
}

void CustomBorder::drawGroupComponentOutline (juce::Graphics& g, int width, int height, const juce::String& text,
                                              const juce::Justification& position, juce::GroupComponent& group)
{
    const auto textH = titleSizeFor (width, height);
    const juce::Font font ("Helvetica", (float) (textH * 1.3), juce::Font::bold);

    const auto indent = 3.0f;
    const auto textEdgeGap = 4.0f;
    auto cs = 5.0f;

    const auto x = indent;
    const auto y = font.getAscent() - 3.0f;
    const auto w = juce::jmax (0.0f, (float) width - x * 2.0f);
    const auto h = juce::jmax (0.0f, (float) height - y - indent);
    cs = juce::jmin (cs, w * 0.5f, h * 0.5f);
    const auto cs2 = 2.0f * cs;

    const auto textW = text.isEmpty() ? 0.0f
                                      : juce::jlimit (0.0f, juce::jmax (0.0f, w - cs2 - textEdgeGap * 2.0f),
                                                      std::ceil (font.getStringWidthFloat (text)) + textEdgeGap * 2.0f);
    auto textX = cs + textEdgeGap;
    if (position.testFlags (juce::Justification::horizontallyCentred))
        textX = cs + (w - cs2 - textW) * 0.5f;
    else if (position.testFlags (juce::Justification::right))
        textX = w - cs - textW - textEdgeGap;

    juce::Path p;
    p.startNewSubPath (x + textX + textW, y);
    p.lineTo (x + w - cs, y);
    p.addArc (x + w - cs2, y, cs2, cs2, 0, juce::MathConstants<float>::halfPi);
    p.lineTo (x + w, y + h - cs);
    p.addArc (x + w - cs2, y + h - cs2, cs2, cs2, juce::MathConstants<float>::halfPi, juce::MathConstants<float>::pi);
    p.lineTo (x + cs, y + h);
    p.addArc (x, y + h - cs2, cs2, cs2, juce::MathConstants<float>::pi, juce::MathConstants<float>::pi * 1.5f);
    p.lineTo (x, y + cs);
    p.addArc (x, y, cs2, cs2, juce::MathConstants<float>::pi * 1.5f, juce::MathConstants<float>::twoPi);
    p.lineTo (x + textX, y);

    const auto alpha = group.isEnabled() ? 1.0f : 0.5f;

    g.setGradientFill (juce::ColourGradient (juce::Colour (bottomColour), 0.0f, (float) height,
                                             juce::Colour (topColour), 0.0f, (float) (height * 0.1), false));
    g.strokePath (p, juce::PathStrokeType (strokeThicknessFor (width, height), juce::PathStrokeType::mitered,
                                           juce::PathStrokeType::butt));

    g.setColour (group.findColour (juce::GroupComponent::textColourId).withMultipliedAlpha (alpha));
    g.setFont (font);
    g.drawText (text, juce::roundToInt (x + textX), 0, juce::roundToInt (textW), 15,
                juce::Justification::centredTop, true);
}
} // namespace tessary_gui
