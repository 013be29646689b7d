#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);
    // Processors, parameters and hosted plug-ins expect a message manager to exist.
    juce::ScopedJuceInitialiser_GUI juce;
    return RUN_ALL_TESTS();
}
