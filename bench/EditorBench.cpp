// The editor's cost to a session: time to open with a cold and a warm image cache, resident
// memory with the window open, and the message thread's CPU while the meter moves at 20 Hz.
// Needs a display: tools/xvfb-session.sh 1440x900 build/bench/ferrox_editor_bench
#include <PluginEditor.h>
#include <PluginProcessor.h>

#include <ctime>
#include <thread>

namespace
{
double residentMB()
{
    const auto status = juce::File ("/proc/self/status").loadFileAsString();
    const auto line = status.fromFirstOccurrenceOf ("VmRSS:", false, false).upToFirstOccurrenceOf ("\n", false, false);
    return line.trim().getDoubleValue() / 1024.0;
}

double threadCpuSeconds()
{
    timespec t {};
    clock_gettime (CLOCK_THREAD_CPUTIME_ID, &t);
    return (double) t.tv_sec + (double) t.tv_nsec * 1.0e-9;
}

/** Opens a window and waits until it has painted once. */
double openMs (TessaryFerroxAudioProcessor& p, std::unique_ptr<juce::AudioProcessorEditor>& editor)
{
    const auto start = juce::Time::getMillisecondCounterHiRes();
    editor.reset (p.createEditorIfNeeded());
    editor->addToDesktop (0);
    editor->setVisible (true);
    if (auto* peer = editor->getPeer())
        peer->performAnyPendingRepaintsNow();
    return juce::Time::getMillisecondCounterHiRes() - start;
}

void close (TessaryFerroxAudioProcessor& p, std::unique_ptr<juce::AudioProcessorEditor>& editor)
{
    p.editorBeingDeleted (editor.get());
    editor.reset();
}
} // namespace

int main()
{
    juce::ScopedJuceInitialiser_GUI juce;
    TessaryFerroxAudioProcessor p;
    p.setPlayConfigDetails (2, 2, 48000.0, 480);
    p.prepareToPlay (48000.0, 480);

    const auto baseline = residentMB();
    std::unique_ptr<juce::AudioProcessorEditor> editor;
    const auto cold = openMs (p, editor);
    const auto openResident = residentMB();
    close (p, editor);

    double warm = 0.0;
    for (int i = 0; i < 5; ++i)
    {
        warm += openMs (p, editor) / 5.0;
        close (p, editor);
    }

    // Audio at real-time pace with a level that keeps changing, the window open.
    openMs (p, editor);
    std::atomic<bool> running { true };
    std::thread audio ([&] {
        juce::AudioBuffer<float> buffer (2, 480);
        juce::MidiBuffer midi;
        for (int block = 0; running; ++block)
        {
            const auto level = 0.5f + 0.45f * std::sin ((float) block * 0.05f);
            for (int ch = 0; ch < 2; ++ch)
                for (int i = 0; i < 480; ++i)
                    buffer.setSample (ch, i, level * std::sin (0.05f * (float) (block * 480 + i)));
            p.processBlock (buffer, midi);
            std::this_thread::sleep_for (std::chrono::milliseconds (10));
        }
    });

    const auto seconds = 5.0;
    const auto cpuStart = threadCpuSeconds();
    juce::MessageManager::getInstance()->runDispatchLoopUntil ((int) (seconds * 1000));
    const auto cpu = threadCpuSeconds() - cpuStart;
    running = false;
    audio.join();
    close (p, editor);

    std::printf ("editor open, cold image cache:   %8.1f ms\n", cold);
    std::printf ("editor open, warm image cache:   %8.1f ms (mean of 5)\n", warm);
    std::printf ("resident memory before opening:  %8.1f MB\n", baseline);
    std::printf ("resident memory, editor open:    %8.1f MB (+%.1f MB)\n", openResident, openResident - baseline);
    std::printf ("message thread CPU, meter moving: %7.2f %% of one core over %.0f s\n", 100.0 * cpu / seconds, seconds);
    return 0;
}
