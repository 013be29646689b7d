#include "ChainFixture.h"
#include "CountingAllocator.h"

TEST (CountingAllocatorSelfCheck, SeesNewAndMalloc)
{
    static void* volatile sink = nullptr;
    CountingAllocator::Scope scope;
    auto* i = new int (3);
    sink = i;
    delete i;
    sink = std::malloc (16);
    std::free (sink);
    juce::HeapBlock<float> block (64);
    sink = block.get();
    EXPECT_EQ (scope.allocations(), 3u);
}

// The audio thread must never touch the heap, whatever the host does with the parameters.
TEST_F (ChainFixture, ProcessBlockNeverAllocates)
{
    juce::Random random (99);
    for (const auto channels : { 1, 2 })
    {
        prepare (48000.0, 512, channels);
        juce::AudioBuffer<float> buffer (channels, 512);

        size_t allocations = 0;
        for (int block = 0; block < 3000; ++block)
        {
            // Automation as a host sends it, between blocks.
            auto* parameter = p.getParameters()[random.nextInt (17)];
            parameter->setValueNotifyingHost (random.nextFloat());

            const auto length = 1 + random.nextInt (512);
            buffer.setSize (channels, length, false, false, true);
            for (int ch = 0; ch < channels; ++ch)
                for (int i = 0; i < length; ++i)
                    buffer.setSample (ch, i, random.nextFloat() - 0.5f);

            CountingAllocator::Scope scope;
            process (buffer);
            allocations += scope.allocations();
        }
        EXPECT_EQ (allocations, 0u) << channels << " channel(s)";
    }
}
