#include "PluginEditor.h"
#include "PluginProcessor.h"

TessaryFerroxAudioProcessorEditor::TessaryFerroxAudioProcessorEditor (TessaryFerroxAudioProcessor& p)
    : AudioProcessorEditor (&p), audioProcessor (p)
{
    setSize (1000, 500);
}

TessaryFerroxAudioProcessorEditor::~TessaryFerroxAudioProcessorEditor() = default;

void TessaryFerroxAudioProcessorEditor::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::black);
}

void TessaryFerroxAudioProcessorEditor::resized() {}
