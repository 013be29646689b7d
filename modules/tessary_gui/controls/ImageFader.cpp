namespace tessary_gui
{
ImageFader::ImageFader()
{
    // Nothing of JUCE's own slider drawing may show through the picture.
    setColour (textBoxOutlineColourId, juce::Colours::transparentBlack);
    setColour (backgroundColourId, juce::Colours::transparentBlack);
    setColour (rotarySliderOutlineColourId, juce::Colours::transparentBlack);
    setColour (textBoxTextColourId, juce::Colours::whitesmoke.withAlpha (0.5f));
    setColour (trackColourId, juce::Colours::transparentBlack);
    setColour (rotarySliderFillColourId, juce::Colours::transparentBlack);
    setColour (thumbColourId, juce::Colours::transparentBlack);

    setLookAndFeel (&_customDialLabel);
}

ImageFader::~ImageFader()
{
    setLookAndFeel (nullptr);
}

void ImageFader::setFilmStrip (juce::Image filmStrip, int numFrames)
{
    _filmStrip = filmStrip;
    _numFrames = numFrames;

    // A count below one cannot divide the strip: treat it like a missing strip.
    if (_filmStrip.isValid() && _numFrames >= 1)
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

void ImageFader::setValueType (CustomDialLabel::ValueType type)
{
    _customDialLabel.setValueType (type);
    repaint();
}

int ImageFader::frameForProportion (int numFrames, float proportion) noexcept
{
    return (int) ((float) (numFrames - 1) * proportion);
}

int ImageFader::getFrameIndex()
{
    return frameForProportion (_numFrames, (float) valueToProportionOfLength (getValue()));
}

void ImageFader::paint (juce::Graphics& g)
{
    if (_filmStrip.isValid() && _numFrames >= 1)
    {
        g.drawImage (_filmStrip, 0, 0, getWidth(), getHeight(),
                     0, getFrameIndex() * _frameHeight, _frameWidth, _frameHeight);
        return;
    }

    g.setColour (juce::Colours::whitesmoke);
    g.setFont (12.0f);
    g.drawText ("No image or num frames.", getLocalBounds().toFloat(), juce::Justification::centred, true);
}

void ImageFader::resized()
{
    const auto share = getSliderStyle() == LinearVertical ? 0.05 : 0.15;
    setTextBoxStyle (TextBoxBelow, true, getWidth(), (int) (getHeight() * share));
    juce::Slider::resized();
}
} // namespace tessary_gui
