#include "PluginProcessor.h"
#include "PluginEditor.h"

#include <tessary_utils/tessary_utils.h>

namespace
{
const juce::Identifier variablesType { "Variables" };
const juce::Identifier paramType { "PARAM" };
const juce::Identifier idProperty { "id" };
const juce::Identifier valueProperty { "value" };
const juce::Identifier widthProperty { "width" };
const juce::Identifier heightProperty { "height" };

/** A remembered window size read from a project: damaged values mean "no size known". */
float readWindowSize (const juce::ValueTree& variables, const juce::Identifier& property)
{
    const auto size = (float) (double) variables.getProperty (property);
    return std::isfinite (size) && size > 0.0f ? size : 0.0f;
}
} // namespace

TessaryFerroxAudioProcessor::TessaryFerroxAudioProcessor()
    : AudioProcessor (BusesProperties()
                          .withInput ("Input", juce::AudioChannelSet::stereo(), true)
                          .withOutput ("Output", juce::AudioChannelSet::stereo(), true)),
      treeState (*this, nullptr, "PARAMETERS", createParameterLayout()),
      variableTree (createVariableTree())
{
    for (const auto& p : params.sliderParams)
        treeState.addParameterListener (p.paramID, this);
    for (const auto& p : params.buttonParams)
        treeState.addParameterListener (p.paramID, this);

    bandFilters.clear();
    for (int i = 0; i < 4; ++i)
        bandFilters.add (new tessary_dsp::SVFilter<float>());

    passFilters.clear();
    passFilters.add (new tessary_dsp::SVFilter<float>());
    passFilters.add (new tessary_dsp::SVFilter<float>());

    using namespace TessaryParameters;
    raw.lowShelf = treeState.getRawParameterValue (lowShelfToggleID);
    raw.highShelf = treeState.getRawParameterValue (highShelfToggleID);
    const juce::String* gains[] = { &filter1GainID, &filter2GainID, &filter3GainID, &filter4GainID };
    const juce::String* qs[] = { &filter1QID, &filter2QID, &filter3QID, &filter4QID };
    const juce::String* cutoffs[] = { &filter1CutoffID, &filter2CutoffID, &filter3CutoffID, &filter4CutoffID };
    for (int band = 0; band < 4; ++band)
    {
        raw.gain[band] = treeState.getRawParameterValue (*gains[band]);
        raw.q[band] = treeState.getRawParameterValue (*qs[band]);
        raw.cutoff[band] = treeState.getRawParameterValue (*cutoffs[band]);
    }
    raw.hpCutoff = treeState.getRawParameterValue (hpCutoffID);
    raw.lpCutoff = treeState.getRawParameterValue (lpCutoffID);
    raw.volume = treeState.getRawParameterValue (volumeID);
}

TessaryFerroxAudioProcessor::~TessaryFerroxAudioProcessor()
{
    for (const auto& p : params.sliderParams)
        treeState.removeParameterListener (p.paramID, this);
    for (const auto& p : params.buttonParams)
        treeState.removeParameterListener (p.paramID, this);
}

juce::ValueTree TessaryFerroxAudioProcessor::createVariableTree()
{
    juce::ValueTree variables (variablesType);
    juce::ValueTree group ("Group");
    group.setProperty ("name", "Vars", nullptr);

    for (const auto* id : { "width", "height" })
    {
        juce::ValueTree parameter ("Parameter");
        parameter.setProperty (idProperty, id, nullptr);
        parameter.setProperty (valueProperty, 0.0, nullptr);
        group.appendChild (parameter, nullptr);
    }

    variables.appendChild (group, nullptr);
    return variables;
}

//==============================================================================
juce::AudioProcessorValueTreeState::ParameterLayout TessaryFerroxAudioProcessor::createParameterLayout()
{
    juce::AudioProcessorValueTreeState::ParameterLayout layout;

    for (const auto& p : params.sliderParams)
    {
        juce::NormalisableRange<float> range (p.min, p.max, 0.0f, 1.0f, false);

        if (p.isLinear == 0)
            range.skew = -0.6931472f / std::log ((p.centre - p.min) / (p.max - p.min));

        const juce::ParameterID id (p.paramID, versionNumber);

        if (p.valueType != 0)
        {
            layout.add (std::make_unique<juce::AudioParameterFloat> (id, p.paramName, range, p.initial));
        }
        else
        {
            using Parameter = juce::AudioProcessorValueTreeState::Parameter;
            auto attributes = juce::AudioProcessorValueTreeStateParameterAttributes()
                                  .withLabel (p.paramName)
                                  .withStringFromValueFunction ([] (float v, int) { return valueToTextFunction (v); })
                                  .withValueFromStringFunction ([] (const juce::String& t) { return textToValueFunction (t); });
            layout.add (std::make_unique<Parameter> (id, p.paramName, range, p.initial, attributes));
        }
    }

    for (const auto& b : params.buttonParams)
        layout.add (std::make_unique<juce::AudioParameterBool> (juce::ParameterID (b.paramID, versionNumber), b.paramName, b.initial));

    return layout;
}

juce::String TessaryFerroxAudioProcessor::valueToTextFunction (float value)
{
    // Skewed ranges give values back a few ulps off (80 returns as 79.99999); truncating that
    // would print the wrong number, so float noise around a whole number counts as that number.
    const auto nearest = std::round (value);
    if (std::abs (value - nearest) <= std::max (1.0e-3f, std::abs (value) * 4.0e-7f))
        value = nearest;

    return juce::String ((int) value);
}

float TessaryFerroxAudioProcessor::textToValueFunction (const juce::String& text)
{
    auto chars = text.getCharPointer();
    return (float) juce::CharacterFunctions::readDoubleValue (chars);
}

//==============================================================================
const juce::String TessaryFerroxAudioProcessor::getName() const { return "Ferrox"; }
bool TessaryFerroxAudioProcessor::acceptsMidi() const { return false; }
bool TessaryFerroxAudioProcessor::producesMidi() const { return false; }
bool TessaryFerroxAudioProcessor::isMidiEffect() const { return false; }
double TessaryFerroxAudioProcessor::getTailLengthSeconds() const { return 0.0; }
int TessaryFerroxAudioProcessor::getNumPrograms() { return 1; }
int TessaryFerroxAudioProcessor::getCurrentProgram() { return 0; }
void TessaryFerroxAudioProcessor::setCurrentProgram (int) {}
const juce::String TessaryFerroxAudioProcessor::getProgramName (int) { return {}; }
void TessaryFerroxAudioProcessor::changeProgramName (int, const juce::String&) {}
void TessaryFerroxAudioProcessor::releaseResources() {}
void TessaryFerroxAudioProcessor::parameterChanged (const juce::String&, float) {}
bool TessaryFerroxAudioProcessor::hasEditor() const { return true; }

juce::AudioProcessorEditor* TessaryFerroxAudioProcessor::createEditor()
{
    return new TessaryFerroxAudioProcessorEditor (*this);
}

bool TessaryFerroxAudioProcessor::isBusesLayoutSupported (const BusesLayout& layouts) const
{
    const auto output = layouts.getMainOutputChannelSet();

    if (output != juce::AudioChannelSet::mono() && output != juce::AudioChannelSet::stereo())
        return false;

    return layouts.getMainInputChannelSet() == output;
}

//==============================================================================
void TessaryFerroxAudioProcessor::prepareToPlay (double sampleRate, int samplesPerBlock)
{
    spec = { sampleRate, (juce::uint32) samplesPerBlock, (juce::uint32) getTotalNumInputChannels() };

    for (auto* band : bandFilters)
    {
        band->prepare (spec);
        band->setFilterType (tessary_dsp::SVFilter<float>::kBell);
    }

    passFilters[0]->prepare (spec);
    passFilters[0]->setFilterType (tessary_dsp::SVFilter<float>::kHighPass);
    passFilters[1]->prepare (spec);
    passFilters[1]->setFilterType (tessary_dsp::SVFilter<float>::kLowPass);

    volumeModule.prepare (spec);
    volumeModule.setRampDurationSeconds (0.02);
    volumeIsCurrent = false;

    meterLevel.reset (sampleRate, 0.5);
    publishedMeterLevel.store (meterLevel.getCurrentValue(), std::memory_order_relaxed);

    updateParameters();
}

void TessaryFerroxAudioProcessor::updateParameters()
{
    using Filter = tessary_dsp::SVFilter<float>;
    const auto load = [] (const std::atomic<float>* v) { return v->load (std::memory_order_relaxed); };

    bandFilters[0]->setFilterType (load (raw.lowShelf) != 0.0f ? Filter::kLowShelf : Filter::kBell);
    bandFilters[3]->setFilterType (load (raw.highShelf) != 0.0f ? Filter::kHighShelf : Filter::kBell);

    for (int band = 0; band < 4; ++band)
    {
        bandFilters[band]->setGain (load (raw.gain[band]));
        bandFilters[band]->setQ (load (raw.q[band]));
        bandFilters[band]->setCutoff (load (raw.cutoff[band]));
    }

    passFilters[0]->setCutoff (load (raw.hpCutoff));
    passFilters[1]->setCutoff (load (raw.lpCutoff));

    // An unchanged target would leave the ramp alone anyway; this only saves the power of ten.
    const auto volumeDb = load (raw.volume);
    if (! volumeIsCurrent || volumeDb != lastVolumeDb)
    {
        volumeModule.setGainDecibels (volumeDb);
        lastVolumeDb = volumeDb;
        volumeIsCurrent = true;
    }
}

void TessaryFerroxAudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    // Resonant sections decay into subnormal numbers after the signal stops, which costs
    // about a hundred cycles an operation.
    juce::ScopedNoDenormals noDenormals;

    updateParameters();

    juce::dsp::AudioBlock<float> block (buffer);
    juce::dsp::ProcessContextReplacing<float> context (block);

    tessary_dsp::SVFilter<float>* chain[] = { bandFilters[0], bandFilters[1], bandFilters[2], bandFilters[3],
                                              passFilters[0], passFilters[1] };
    tessary_dsp::SVFilterCascade::process (chain, std::size (chain), block);

    volumeModule.process (context);

    const auto numSamples = buffer.getNumSamples();
    meterLevel.skip (numSamples);

    const auto peak = numSamples > 0 && buffer.getNumChannels() > 0
                          ? (double) buffer.getMagnitude (0, 0, numSamples)
                          : 0.0;

    if (meterLevel.getCurrentValue() > peak)
        meterLevel.setTargetValue (peak);
    else
        meterLevel.setCurrentAndTargetValue (peak);

    publishedMeterLevel.store (meterLevel.getCurrentValue(), std::memory_order_relaxed);
}

//==============================================================================
void TessaryFerroxAudioProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    if (variableTree.isValid() && ! variableTree.getParent().isValid())
        treeState.state.addChild (variableTree, -1, nullptr);

    // The store copies parameter values into its tree only on a timer; copyState() brings
    // the tree up to date first, so a host that saves right after a change loses nothing.
    const auto state = treeState.copyState();
    juce::MemoryOutputStream stream (destData, false);
    state.writeToStream (stream);
}

void TessaryFerroxAudioProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    // Unreadable data changes nothing at all, so the instance keeps working as it was.
    auto tree = tessary_utils::StateReader::read (data, sizeInBytes);
    if (! tree.isValid())
        return;

    sanitiseParameterValues (tree);

    variableTree = tree.getChildWithName (variablesType);
    if (variableTree.isValid())
    {
        windowWidth = readWindowSize (variableTree, widthProperty);
        windowHeight = readWindowSize (variableTree, heightProperty);
    }
    else
    {
        // A tree without our variables still loads; a fresh one keeps later sizes saved.
        variableTree = createVariableTree();
        windowWidth = windowHeight = 0.0f;
    }

    treeState.replaceState (tree);
    resetNonFiniteParameters();
}

void TessaryFerroxAudioProcessor::sanitiseParameterValues (juce::ValueTree& state) const
{
    for (auto child : state)
    {
        if (! child.hasType (paramType))
            continue;

        auto* parameter = treeState.getParameter (child.getProperty (idProperty).toString());
        if (parameter == nullptr)
            continue;

        const auto& range = parameter->getNormalisableRange();
        const auto fallback = (double) range.convertFrom0to1 (parameter->getDefaultValue());
        const auto& stored = child.getProperty (valueProperty);
        auto value = fallback;

        if (stored.isInt() || stored.isInt64() || stored.isDouble() || stored.isBool())
        {
            value = (double) stored;
        }
        else if (stored.isString())
        {
            const auto text = stored.toString().trim();
            if (text.isNotEmpty() && text.containsOnly ("0123456789+-.eE"))
                value = text.getDoubleValue();
        }

        if (! std::isfinite (value))
            value = fallback;

        value = juce::jlimit ((double) range.start, (double) range.end, value);

        if (! (stored.isDouble() && (double) stored == value))
            child.setProperty (valueProperty, value, nullptr);
    }
}

void TessaryFerroxAudioProcessor::resetNonFiniteParameters()
{
    for (auto* parameter : getParameters())
        if (! std::isfinite (parameter->getValue()))
            parameter->setValueNotifyingHost (parameter->getDefaultValue());
}

//==============================================================================
juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new TessaryFerroxAudioProcessor();
}
