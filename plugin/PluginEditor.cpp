#include "PluginEditor.h"
#include "PluginProcessor.h"

#include <BinaryData.h>
#include <tessary_utils/tessary_utils.h>

namespace
{
juce::Image picture (const char* data, int size) { return juce::ImageCache::getFromMemory (data, size); }
} // namespace

TessaryFerroxAudioProcessorEditor::TessaryFerroxAudioProcessorEditor (TessaryFerroxAudioProcessor& p)
    : AudioProcessorEditor (&p), audioProcessor (p)
{
    using tessary_gui::CustomDialLabel;
    startTimer (50);
    addAndMakeVisible (header);

    const auto addKnobs = [this] (const std::vector<TessaryParameters::SliderParameterData>& descriptions,
                                  const juce::Image& strip, int frames, bool decimalsFromDescription,
                                  juce::OwnedArray<tessary_gui::ImageFader>& faders,
                                  juce::OwnedArray<juce::AudioProcessorValueTreeState::SliderAttachment>& attachments) {
        for (const auto& d : descriptions)
        {
            auto* fader = faders.add (new tessary_gui::ImageFader());
            attachments.add (new juce::AudioProcessorValueTreeState::SliderAttachment (audioProcessor.treeState, d.paramID, *fader));
            fader->setFilmStrip (strip, frames);
            fader->setName (d.paramName);
            fader->setSliderStyle (juce::Slider::RotaryVerticalDrag);
            fader->setValueType (decimalsFromDescription && d.valueType != 0 ? CustomDialLabel::kFloat : CustomDialLabel::kInt);
            addAndMakeVisible (fader);
        }
    };

    const auto passParams = audioProcessor.params.passSliderParams;
    addKnobs (passParams, picture (BinaryData::knob_black_strip_png, BinaryData::knob_black_strip_pngSize), 129, false,
              passFaders, passAttachments);

    const auto bandParams = audioProcessor.params.filterSliderParams;
    addKnobs (bandParams, picture (BinaryData::knob_gold_strip_png, BinaryData::knob_gold_strip_pngSize), 128, true,
              filterFaders, filterAttachments);

    volumeFader.setFilmStrip (picture (BinaryData::fader_strip_png, BinaryData::fader_strip_pngSize), 256);
    volumeFader.setName ("Out");
    volumeFader.setSliderStyle (juce::Slider::LinearVertical);
    addAndMakeVisible (volumeFader);
    volumeAttachment = std::make_unique<juce::AudioProcessorValueTreeState::SliderAttachment> (
        audioProcessor.treeState, TessaryParameters::volumeID, volumeFader);

    filterGroup.setText ("The EQ Sauce");
    filterGroup.setColour (juce::GroupComponent::textColourId, juce::Colours::whitesmoke.withAlpha (0.5f));
    filterGroup.setLookAndFeel (&groupBorder);
    addAndMakeVisible (filterGroup);

    vuMeter.setImages (picture (BinaryData::vu_needle_strip_png, BinaryData::vu_needle_strip_pngSize),
                       picture (BinaryData::vu_scale_png, BinaryData::vu_scale_pngSize),
                       picture (BinaryData::vu_face_png, BinaryData::vu_face_pngSize));
    // The meter's slider starts at 0 dB; show the real level from the first paint instead of
    // flicking the needle up until the first tick.
    vuMeter.setLevel (levelToDecibels (audioProcessor.getMeterLevel()));
    addAndMakeVisible (vuMeter);

    setDefaultSizeAndLimits();
}

TessaryFerroxAudioProcessorEditor::~TessaryFerroxAudioProcessorEditor()
{
    stopTimer();
    // The look goes before the group; taking it off first keeps JUCE's debug check quiet.
    filterGroup.setLookAndFeel (nullptr);
}

float TessaryFerroxAudioProcessorEditor::primaryScreenWidth()
{
    if (auto* display = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay())
        return (float) display->userArea.getWidth();

    return fallbackScreenWidth;
}

void TessaryFerroxAudioProcessorEditor::setDefaultSizeAndLimits()
{
    const auto rememberedWidth = audioProcessor.windowWidth, rememberedHeight = audioProcessor.windowHeight;
    const auto screenWidth = primaryScreenWidth();

    auto base = (float) (screenWidth * 0.9);
    for (const auto& [threshold, factor] : tessary_utils::PluginWindow::widthThresholds)
    {
        if (threshold <= screenWidth)
        {
            base = factor * screenWidth;
            break;
        }
    }

    const auto baseHeight = 0.5f * base;
    if (rememberedWidth == 0.0f)
        setSize ((int) base, (int) baseHeight);
    else
        setSize ((int) rememberedWidth, (int) rememberedHeight);

    setResizable (true, true);
    getConstrainer()->setFixedAspectRatio (2.0);
    setResizeLimits ((int) (0.65 * base), (int) (0.65 * baseHeight), (int) (2.0 * base), (int) (2.0 * baseHeight));
}

void TessaryFerroxAudioProcessorEditor::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::black);

    const auto background = picture (BinaryData::background_png, BinaryData::background_pngSize);
    if (background.isValid())
    {
        const auto tw = (float) (0.9 * getWidth()), th = (float) (0.82 * getHeight());
        g.drawImage (background, { ((float) getWidth() - tw) * 0.5f, (float) (0.13 * getHeight()), tw, th });
    }
}

void TessaryFerroxAudioProcessorEditor::resized()
{
    const auto W = (double) getWidth(), H = (double) getHeight();
    const auto bounds = [] (double x, double y, double w, double h) {
        return juce::Rectangle<int> ((int) x, (int) y, (int) w, (int) h);
    };

    header.setBounds (bounds (0, 0, W, 0.08 * H));
    vuMeter.setBounds (bounds (0.1 * W, 0.16 * H, 0.27 * W, 0.37 * H));

    auto passX = 0.115 * W;
    for (auto* knob : passFaders)
    {
        knob->setBounds (bounds (passX, 0.55 * H, 0.12 * W, 0.12 * W));
        passX += 0.12 * W;
    }

    // Four columns (bands) of three rows (gain, Q, frequency), column by column.
    const auto knob = 0.1 * W;
    auto columnX = 0.37 * W;
    for (int band = 0; band < 4; ++band)
    {
        auto rowY = 0.23 * H;
        for (int row = 0; row < 3; ++row)
        {
            if (auto* fader = filterFaders[band * 3 + row])
                fader->setBounds (bounds (columnX, rowY, knob, knob));
            rowY += knob;
        }
        columnX += 1.15 * knob;
    }

    filterGroup.setBounds (bounds ((int) (0.37 * W), 0.23 * H - 0.3 * knob, 4.5 * knob, 2.0 * (0.3 * knob) + 3.0 * knob));
    volumeFader.setBounds (bounds (0.84 * W, 0.2 * H, 0.06 * W, 0.7 * H));

    audioProcessor.variableTree.setProperty ("width", getWidth(), nullptr);
    audioProcessor.variableTree.setProperty ("height", getHeight(), nullptr);
    audioProcessor.windowWidth = (float) getWidth();
    audioProcessor.windowHeight = (float) getHeight();
}

float TessaryFerroxAudioProcessorEditor::levelToDecibels (double level)
{
    return (float) (level > 0.0 ? juce::jmax (-100.0, 20.0 * std::log10 (level)) : -100.0);
}

void TessaryFerroxAudioProcessorEditor::timerCallback()
{
    vuMeter.setLevel (levelToDecibels (audioProcessor.getMeterLevel()));
}
