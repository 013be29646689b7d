#pragma once

#include <juce_dsp/juce_dsp.h>

/** A deliberately plain model of the equaliser: one section after another, channel after
    channel, every term of the output mix summed, narrowing to float between sections.
    The product may reorder the work but must match this bit for bit. */
struct ReferenceSection
{
    enum Type { lowShelf, highPass, bell, lowPass, highShelf };

    void prepare (double rate, int channels)
    {
        fs = (double) (float) rate;
        z1.assign ((size_t) channels, 0.0);
        z2.assign ((size_t) channels, 0.0);
    }

    void configure (Type t, float gainDb, float q, bool setQ, float cutoff)
    {
        type = t;
        this->gainDb = gainDb;
        this->cutoff = cutoff;
        k = (float) (std::pow (10.0, (double) gainDb * 0.05) - 1.0);
        if (setQ)
            r = 1.0 - (double) q;
        twoR = r + r;
        const auto halfT = (1.0 / fs) * 0.5;
        auto wd = (double) (cutoff * 6.28f);
        wd = std::min (wd, 0.95 * juce::MathConstants<double>::pi * fs);
        g = std::tan (wd * halfT) * (2.0 * fs) * halfT;
        h = 1.0 / (g * g + (twoR * g + 1.0));
    }

    bool skipped() const
    {
        if (type == highPass) return cutoff == 20.0f;
        if (type == lowPass) return cutoff == 20000.0f;
        return gainDb == 0.0f;
    }

    void process (juce::AudioBuffer<float>& buffer)
    {
        if (skipped())
            return;

        const double level[5] = { type == lowShelf ? 1.0 : 0.0, type == highPass ? 1.0 : 0.0, type == bell ? 1.0 : 0.0,
                                  type == lowPass ? 1.0 : 0.0, type == highShelf ? 1.0 : 0.0 };
        const auto kd = (double) k;

        for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
        {
            auto* data = buffer.getWritePointer (ch);
            auto& s1 = z1[(size_t) ch];
            auto& s2 = z2[(size_t) ch];

            for (int i = 0; i < buffer.getNumSamples(); ++i)
            {
                const double x = data[i];
                const double hp = (x - twoR * s1 - g * s1 - s2) * h;
                const double bp = g * hp + s1;
                const double lp = g * bp + s2;
                s1 = g * hp + bp;
                s2 = g * bp + lp;
                const double y = level[0] * (x + kd * lp) + level[2] * (x + kd * twoR * bp) + level[4] * (x + kd * hp)
                               + level[1] * hp + level[3] * lp;
                data[i] = (float) y;
            }
        }
    }

    Type type = lowPass;
    float gainDb = 0.0f, cutoff = 1000.0f, k = 0.0f;
    double fs = 44100.0, r = 1.0 - 0.1, twoR = 0.0, g = 0.0, h = 1.0;
    std::vector<double> z1, z2;
};
