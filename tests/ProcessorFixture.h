#pragma once

#include <PluginProcessor.h>
#include <gtest/gtest.h>

/** Helpers shared by the processor tests: set parameters the way a host does. */
inline void setPlain (TessaryFerroxAudioProcessor& p, const juce::String& id, float plainValue)
{
    auto* parameter = p.treeState.getParameter (id);
    ASSERT_NE (parameter, nullptr) << id;
    parameter->setValueNotifyingHost (parameter->convertTo0to1 (plainValue));
}

inline float plainValue (TessaryFerroxAudioProcessor& p, const juce::String& id)
{
    return p.treeState.getRawParameterValue (id)->load();
}
