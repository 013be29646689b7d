// The editor on a real X display (Xvfb, no window manager: the user area is the whole
// screen). CTest starts one screen per width; FERROX_SCREEN_WIDTH says which.
#include "ChainFixture.h"

#include <PluginEditor.h>
#include <malloc.h>
#include <thread>

namespace
{
using Editor = TessaryFerroxAudioProcessorEditor;

int screenWidth() { return juce::SystemStats::getEnvironmentVariable ("FERROX_SCREEN_WIDTH", "1440").getIntValue(); }

void pump (int ms) { juce::MessageManager::getInstance()->runDispatchLoopUntil (ms); }

struct Limits { int w, h, minW, minH, maxW, maxH; };

Limits limitsOf (Editor& e)
{
    auto* c = e.getConstrainer();
    return { e.getWidth(), e.getHeight(), c->getMinimumWidth(), c->getMinimumHeight(), c->getMaximumWidth(), c->getMaximumHeight() };
}
} // namespace

TEST (FirstOpening, SizeAndLimitsFollowTheScreen)
{
    const std::map<int, Limits> table = {
        { 800, { 720, 360, 468, 234, 1440, 720 } },     { 1079, { 971, 486, 631, 315, 1942, 971 } },
        { 1080, { 918, 459, 596, 298, 1836, 918 } },    { 1440, { 1224, 612, 795, 397, 2448, 1224 } },
        { 1920, { 1152, 576, 748, 374, 2304, 1152 } },  { 2560, { 1152, 576, 748, 374, 2304, 1152 } },
        { 3840, { 1152, 576, 748, 374, 2304, 1152 } },  { 5120, { 1024, 512, 665, 332, 2048, 1024 } },
        { 7680, { 768, 384, 499, 249, 1536, 768 } },
    };
    const auto width = screenWidth();
    ASSERT_EQ ((int) Editor::primaryScreenWidth(), width) << "the screen CTest asked for";
    ASSERT_EQ (table.count (width), 1u);
    const auto& e = table.at (width);

    TessaryFerroxAudioProcessor p;
    Editor editor (p);
    const auto l = limitsOf (editor);
    EXPECT_EQ (l.w, e.w);
    EXPECT_EQ (l.h, e.h);
    EXPECT_EQ (l.minW, e.minW);
    EXPECT_EQ (l.minH, e.minH);
    EXPECT_EQ (l.maxW, e.maxW);
    EXPECT_EQ (l.maxH, e.maxH);
    EXPECT_EQ (p.windowWidth, (float) e.w);
    EXPECT_EQ ((int) p.variableTree.getProperty ("height"), e.h);
}

TEST (Layout, ChildrenAtTheirProportions)
{
    struct Case
    {
        int w, h;
        juce::Rectangle<int> header, meter, pass0, pass1, group, fader, background;
        int columns[4], rows[3], knob;
    };
    const Case cases[] = {
        { 1000, 500, { 0, 0, 1000, 40 }, { 100, 80, 270, 185 }, { 115, 275, 120, 120 }, { 235, 275, 120, 120 },
          { 370, 85, 450, 360 }, { 840, 100, 60, 350 }, { 50, 65, 900, 410 }, { 370, 485, 600, 715 }, { 115, 215, 315 }, 100 },
        { 1224, 612, { 0, 0, 1224, 48 }, { 122, 97, 330, 226 }, { 140, 336, 146, 146 }, { 287, 336, 146, 146 },
          { 452, 104, 550, 440 }, { 1028, 122, 73, 428 }, { 61, 79, 1101, 501 }, { 452, 593, 734, 875 }, { 140, 263, 385 }, 122 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.w);
        TessaryFerroxAudioProcessor p;
        Editor editor (p);
        editor.setSize (c.w, c.h);
        EXPECT_EQ (editor.header.getBounds(), c.header);
        EXPECT_EQ (editor.vuMeter.getBounds(), c.meter);
        EXPECT_EQ (editor.passFaders[0]->getBounds(), c.pass0);
        EXPECT_EQ (editor.passFaders[1]->getBounds(), c.pass1);
        EXPECT_EQ (editor.filterGroup.getBounds(), c.group);
        EXPECT_EQ (editor.volumeFader.getBounds(), c.fader);
        for (int b = 0; b < 4; ++b)
            for (int r = 0; r < 3; ++r)
                EXPECT_EQ (editor.filterFaders[b * 3 + r]->getBounds(), juce::Rectangle<int> (c.columns[b], c.rows[r], c.knob, c.knob));

        // The background: the only thing drawn on the black ground outside the children.
        juce::Image shot (juce::Image::RGB, c.w, c.h, true);
        juce::Graphics g (shot);
        editor.paint (g);
        const auto bg = c.background;
        EXPECT_NE (shot.getPixelAt (bg.getX() + 2, bg.getY() + 2), juce::Colours::black);
        EXPECT_EQ (shot.getPixelAt (bg.getX() - 2, bg.getY() + 2), juce::Colours::black);
        EXPECT_EQ (shot.getPixelAt (bg.getX() + 2, bg.getY() - 2), juce::Colours::black);
        EXPECT_NE (shot.getPixelAt (bg.getRight() - 2, bg.getBottom() - 2), juce::Colours::black);
        EXPECT_EQ (shot.getPixelAt (bg.getRight() + 2, bg.getBottom() - 2), juce::Colours::black);
        EXPECT_EQ (shot.getPixelAt (bg.getRight() - 2, bg.getBottom() + 2), juce::Colours::black);
    }
}

TEST (SizeCycle, RememberedAcrossReopeningAndRestore)
{
    if (screenWidth() != 1440)
        GTEST_SKIP() << "the figures are for a 1440-pixel screen";

    TessaryFerroxAudioProcessor p;
    {
        Editor editor (p);
        editor.setSize (1400, 700);
        EXPECT_EQ ((int) p.variableTree.getProperty ("width"), 1400);
    }
    {
        Editor editor (p);
        const auto l = limitsOf (editor);
        EXPECT_EQ (l.w, 1400);
        EXPECT_EQ (l.h, 700);
        EXPECT_EQ (l.minW, 795);
        EXPECT_EQ (l.maxW, 2448);
    }

    const struct { float w, h; int expectedW, expectedH; } restored[] = { { 800, 500, 800, 400 }, { 3000, 1500, 2448, 1224 } };
    for (const auto& r : restored)
    {
        p.windowWidth = r.w;
        p.windowHeight = r.h;
        Editor editor (p);
        EXPECT_EQ (editor.getWidth(), r.expectedW);
        EXPECT_EQ (editor.getHeight(), r.expectedH);
        EXPECT_EQ (p.windowWidth, (float) r.expectedW);
        EXPECT_EQ (p.windowHeight, (float) r.expectedH);
        EXPECT_EQ ((int) p.variableTree.getProperty ("width"), r.expectedW);
        EXPECT_EQ ((int) p.variableTree.getProperty ("height"), r.expectedH);
    }
}

TEST (Meter, TimerCarriesTheLevelToTheNeedle)
{
    const struct { float level; double shown; } cases[] = {
        { 1.0f, 0.0 }, { 0.5f, -6.0 }, { 2.0f, 3.0 }, { 0.001f, -20.0 }, { 0.0f, -20.0 },
    };
    for (const auto& c : cases)
    {
        TessaryFerroxAudioProcessor p;
        p.setPlayConfigDetails (2, 2, 48000.0, 480);
        p.prepareToPlay (48000.0, 480);
        juce::MidiBuffer midi;
        // Past the fade-in, then one block at the level.
        for (int i = 0; i < 4; ++i)
        {
            auto block = ChainFixture::constant (2, 480, c.level);
            p.processBlock (block, midi);
        }
        Editor editor (p);
        pump (120);
        EXPECT_NEAR (editor.vuMeter.getLevel(), c.shown, 1.0e-9) << c.level;
    }
    EXPECT_FLOAT_EQ (Editor::levelToDecibels (0.5), (float) (20.0 * std::log10 (0.5)));
    EXPECT_EQ (Editor::levelToDecibels (-60.0), -100.0f);
}

TEST (Controls, KnobsAndParametersMoveEachOther)
{
    TessaryFerroxAudioProcessor p;
    Editor editor (p);

    ASSERT_EQ (editor.passFaders.size(), 2);
    ASSERT_EQ (editor.filterFaders.size(), 12);
    EXPECT_EQ (editor.passFaders[0]->getName(), "HP");
    EXPECT_EQ (editor.filterFaders[2]->getName(), "Freq");
    EXPECT_EQ (editor.volumeFader.getName(), "Out");
    EXPECT_EQ (editor.volumeFader.getSliderStyle(), juce::Slider::LinearVertical);
    EXPECT_EQ (editor.filterGroup.getText(), "The EQ Sauce");

    editor.filterFaders[4]->setValue (0.8, juce::sendNotificationSync); // band 2's Q
    EXPECT_NEAR (plainValue (p, "filter2QID"), 0.8f, 1.0e-6f);
    editor.volumeFader.setValue (-12.0, juce::sendNotificationSync);
    EXPECT_NEAR (plainValue (p, "volumeID"), -12.0f, 1.0e-5f);

    setPlain (p, "lpCutoffID", 5000.0f);
    setPlain (p, "filter4GainID", -7.5f);
    pump (50);
    EXPECT_NEAR (editor.passFaders[1]->getValue(), 5000.0, 0.01);
    EXPECT_NEAR (editor.filterFaders[9]->getValue(), -7.5, 1.0e-4);

    // The shelf switches have no control in the window.
    int sliders = 0;
    for (auto* child : editor.getChildren())
    {
        EXPECT_FALSE (child->getName().contains ("Shelf"));
        EXPECT_EQ (dynamic_cast<juce::Button*> (child), nullptr);
        sliders += dynamic_cast<juce::Slider*> (child) != nullptr ? 1 : 0;
    }
    EXPECT_EQ (sliders, 15);
}

TEST (Lifecycle, OpenAndCloseWhileAudioRuns)
{
    TessaryFerroxAudioProcessor p;
    p.setPlayConfigDetails (2, 2, 48000.0, 256);
    p.prepareToPlay (48000.0, 256);
    std::atomic<bool> running { true };
    std::thread audio ([&] {
        juce::AudioBuffer<float> buffer (2, 256);
        juce::MidiBuffer midi;
        juce::Random random (3);
        while (running)
        {
            for (int ch = 0; ch < 2; ++ch)
                for (int i = 0; i < 256; ++i)
                    buffer.setSample (ch, i, random.nextFloat() - 0.5f);
            p.processBlock (buffer, midi);
        }
    });

    const auto cycle = [&] {
        std::unique_ptr<juce::AudioProcessorEditor> editor (p.createEditorIfNeeded());
        editor->addToDesktop (0);
        editor->setVisible (true);
        pump (5);
        p.editorBeingDeleted (editor.get());
    };

    // The image cache, fonts, glyphs and X resources settle over the first openings.
    for (int i = 0; i < 20; ++i)
        cycle();
    pump (100);
    const auto before = mallinfo2().uordblks;
    for (int i = 0; i < 50; ++i)
        cycle();
    pump (100);
    const auto after = mallinfo2().uordblks;

    running = false;
    audio.join();
    // Fifty windows with fifteen faders each: anything kept per window would show here.
    EXPECT_LT ((long long) after - (long long) before, 256 * 1024) << "heap grew by " << (after - before) << " bytes";
}
