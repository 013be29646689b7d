namespace tessary_gui
{
VUMeter::VUMeter()
{
    setInterceptsMouseClicks (false, false);

    _valueSlider.setSliderStyle (juce::Slider::LinearHorizontal);
    _valueSlider.setTextBoxStyle (juce::Slider::TextBoxLeft, true, 1, 1);
    _valueSlider.setRange (-20.0, 3.0, 0.1);
    _valueSlider.setSkewFactor (1.85, false);
    for (const auto id : { juce::Slider::textBoxOutlineColourId, juce::Slider::backgroundColourId,
                           juce::Slider::rotarySliderOutlineColourId, juce::Slider::textBoxTextColourId,
                           juce::Slider::trackColourId, juce::Slider::rotarySliderFillColourId,
                           juce::Slider::thumbColourId })
        _valueSlider.setColour (id, juce::Colours::transparentBlack);

    addAndMakeVisible (_valueSlider);
}

void VUMeter::setImages (juce::Image filmStrip, juce::Image scale, juce::Image face)
{
    _filmStrip = filmStrip;
    _scaleImage = scale;
    _faceImage = face;

    if (_filmStrip.isValid())
    {
        _frameHeight = _filmStrip.getHeight() / _numFrames;
        _frameWidth = _filmStrip.getWidth();
    }
    else
    {
        _frameHeight = _frameWidth = 0;
    }

    repaint();
}

void VUMeter::setLevel (double decibels)
{
    _valueSlider.setValue (decibels, juce::sendNotificationAsync);
}

int VUMeter::getFrameIndex()
{
    const auto proportion = (float) _valueSlider.valueToProportionOfLength (_valueSlider.getValue());
    return (int) ((float) (_numFrames - 1) * proportion);
}

juce::Rectangle<float> VUMeter::faceArea (int width, int height)
{
    const auto w = (float) (width * 0.68), h = (float) (height * 0.68);
    return { ((float) width - w) * 0.5f, (float) (0.093 * height + 10.0), w, h };
}

juce::Rectangle<float> VUMeter::scaleArea (int width, int height)
{
    const auto w = (float) (width * 0.6), h = (float) (height * 0.36);
    return { ((float) width - w) * 0.5f, (float) (0.2 * height + 10.0), w, h };
}

void VUMeter::paint (juce::Graphics& g)
{
    if (! _filmStrip.isValid() || ! _scaleImage.isValid() || ! _faceImage.isValid())
    {
        g.setColour (juce::Colours::whitesmoke);
        g.setFont (12.0f);
        g.drawText ("You didn't set the images.", getLocalBounds().toFloat(), juce::Justification::centred, true);
    }

    if (_faceImage.isValid())
        g.drawImage (_faceImage, faceArea (getWidth(), getHeight()), juce::RectanglePlacement::stretchToFit);

    if (_scaleImage.isValid())
        g.drawImage (_scaleImage, scaleArea (getWidth(), getHeight()), juce::RectanglePlacement::stretchToFit);

    if (_filmStrip.isValid() && _frameHeight > 0)
        g.drawImage (_filmStrip, 0, 10, getWidth(), getHeight(),
                     0, getFrameIndex() * _frameHeight, _frameWidth, _frameHeight);
}

void VUMeter::resized()
{
    _valueSlider.setBounds (0, 0, getWidth(), getHeight());
}
} // namespace tessary_gui
