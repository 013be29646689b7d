#include "ChainFixture.h"

#include <thread>

// Audio, the editor's meter timer and host automation all at once, as in a session.
// Run under ThreadSanitizer: any unsynchronised access between them is reported.
TEST_F (ChainFixture, AudioMeterAndAutomationRunTogether)
{
    prepare (48000.0, 256);
    std::atomic<bool> running { true };

    std::thread audio ([&] {
        juce::AudioBuffer<float> buffer (2, 256);
        juce::MidiBuffer midi;
        juce::Random random (1);
        for (int block = 0; block < 4000; ++block)
        {
            for (int ch = 0; ch < 2; ++ch)
                for (int i = 0; i < 256; ++i)
                    buffer.setSample (ch, i, random.nextFloat() - 0.5f);
            p.processBlock (buffer, midi);
        }
        running = false;
    });

    std::thread meter ([&] {
        double sum = 0.0;
        while (running)
        {
            sum += p.getMeterLevel();
            std::this_thread::sleep_for (std::chrono::microseconds (200));
        }
        EXPECT_TRUE (std::isfinite (sum));
    });

    std::thread automation ([&] {
        juce::Random random (2);
        while (running)
            p.getParameters()[random.nextInt (17)]->setValueNotifyingHost (random.nextFloat());
    });

    audio.join();
    meter.join();
    automation.join();
    EXPECT_GE (p.getMeterLevel(), 0.0);
}
