#pragma once

namespace tessary_dsp
{
/** Multi-mode zero-delay-feedback state-variable filter (trapezoidal integrators, pre-warped
    integrator gain). Coefficients and states are doubles whatever the sample type, so that a
    cascade of narrow-band sections keeps its precision; samples are widened on the way in and
    narrowed on the way out.

    A section that cannot change the signal (a bell or shelf at exactly 0 dB, a high-pass at
    exactly 20 Hz, a low-pass at exactly 20 kHz) is skipped outright and keeps its states.
*/
template <typename SampleType>
class SVFilter
{
public:
    enum FilterType
    {
        kLowShelf = 0,
        kHighPass,
        kBell,
        kLowPass,
        kHighShelf
    };

    SVFilter() = default;

    void prepare (const juce::dsp::ProcessSpec& spec)
    {
        _sampleRate = (float) spec.sampleRate;
        const auto fs = (double) _sampleRate;
        _twoOverT = 2.0 * fs;
        _halfT = (1.0 / fs) * 0.5;
        _maxWd = maxWdShare * juce::MathConstants<double>::pi * fs;
        _z1.assign (spec.numChannels, 0.0);
        _z2.assign (spec.numChannels, 0.0);
        _cutoffIsCurrent = false; // g depends on the sample rate
    }

    void setFilterType (FilterType type) noexcept
    {
        _filterType = type;
        _lowShelfLevel = _bellLevel = _highShelfLevel = _lowPassLevel = _highPassLevel = 0.0f;

        switch (type)
        {
            case kLowShelf:  _lowShelfLevel = 1.0f;  break;
            case kHighPass:  _highPassLevel = 1.0f;  break;
            case kBell:      _bellLevel = 1.0f;      break;
            case kLowPass:   _lowPassLevel = 1.0f;   break;
            case kHighShelf: _highShelfLevel = 1.0f; break;
            default: break;
        }
    }

    void setGain (float gainDb) noexcept
    {
        // The power of ten is the costly part; an unchanged gain gives the same factor.
        if (gainDb == _gainDb && _gainIsCurrent)
            return;

        _gainFactor = (float) (std::pow (10.0, (double) gainDb * 0.05) - 1.0);
        _gainDb = gainDb;
        _gainIsCurrent = true;
    }

    void setQ (float q) noexcept
    {
        _q = q;
        _r = 1.0 - (double) q;
        _twoR = _r + _r;
        _h = 1.0 / (_g * _g + (_twoR * _g + 1.0));
    }

    void setCutoff (float cutoff) noexcept
    {
        // The tangent is the costly part; the same cutoff at the same rate gives the same g.
        if (cutoff == _cutoff && _cutoffIsCurrent)
            return;

        _cutoff = cutoff;
        _wd = (double) (cutoff * 6.28f);

        // Past the tangent's pole g turns negative and the section explodes. Only rates below
        // about 40 kHz can get there with our ranges; above that nothing is limited.
        auto wd = _wd;
        if (! (wd <= _maxWd))
            wd = _maxWd;

        _wa = std::tan (wd * _halfT) * _twoOverT;
        _g = _wa * _halfT;
        _twoR = _r + _r;
        _h = 1.0 / (_g * _g + (_twoR * _g + 1.0));
        _cutoffIsCurrent = true;
    }

    /** True when the current settings leave the signal untouched, so process() does nothing. */
    bool isTransparent() const noexcept
    {
        switch (_filterType)
        {
            case kHighPass: return _cutoff == 20.0f;
            case kLowPass:  return _cutoff == 20000.0f;
            default:        return _gainDb == 0.0f;
        }
    }

    template <typename ProcessContext>
    void process (const ProcessContext& context) noexcept
    {
        const auto& inputBlock = context.getInputBlock();
        auto& outputBlock = context.getOutputBlock();
        const auto numSamples = outputBlock.getNumSamples();

        if (context.isBypassed || isTransparent())
        {
            if (context.usesSeparateInputAndOutputBlocks())
                outputBlock.copyFrom (inputBlock);
            return;
        }

        // A block wider than the last spec has no states for its extra channels: pass them.
        const auto numChannels = juce::jmin (outputBlock.getNumChannels(), _z1.size());

        if (context.usesSeparateInputAndOutputBlocks())
            for (auto ch = numChannels; ch < outputBlock.getNumChannels(); ++ch)
                outputBlock.getSingleChannelBlock (ch).copyFrom (inputBlock.getSingleChannelBlock (ch));

        for (size_t ch = 0; ch < numChannels; ++ch)
            processChannel (inputBlock.getChannelPointer (ch), outputBlock.getChannelPointer (ch), numSamples, ch);
    }

    //==============================================================================
    // Read access for code that runs several sections in one pass (SVFilterCascade).
    FilterType getFilterType() const noexcept { return _filterType; }
    float getCutoff() const noexcept { return _cutoff; }
    float getGainDb() const noexcept { return _gainDb; }
    float getGainFactor() const noexcept { return _gainFactor; }
    float getQ() const noexcept { return _q; }
    double getG() const noexcept { return _g; }
    double getTwoR() const noexcept { return _twoR; }
    double getH() const noexcept { return _h; }
    float getSampleRate() const noexcept { return _sampleRate; }

    /** Mix levels in the order low shelf, bell, high shelf, low-pass, high-pass. */
    std::array<float, 5> getMixLevels() const noexcept
    {
        return { _lowShelfLevel, _bellLevel, _highShelfLevel, _lowPassLevel, _highPassLevel };
    }

    size_t getNumStateChannels() const noexcept { return _z1.size(); }
    double* getZ1() noexcept { return _z1.data(); }
    double* getZ2() noexcept { return _z2.data(); }

private:
    void processChannel (const SampleType* input, SampleType* output, size_t numSamples, size_t channel) noexcept
    {
        const auto g = _g, twoR = _twoR, h = _h;
        const auto k = (double) _gainFactor;
        const auto lowShelf = (double) _lowShelfLevel, bell = (double) _bellLevel,
                   highShelf = (double) _highShelfLevel, highPass = (double) _highPassLevel,
                   lowPass = (double) _lowPassLevel;
        auto s1 = _z1[channel], s2 = _z2[channel];

        for (size_t i = 0; i < numSamples; ++i)
        {
            const auto x = (double) input[i];
            const auto hp = (x - twoR * s1 - g * s1 - s2) * h;
            const auto bp = g * hp + s1;
            const auto lp = g * bp + s2;
            s1 = g * hp + bp;
            s2 = g * bp + lp;

            const auto y = lowShelf * (x + k * lp) + bell * (x + k * twoR * bp) + highShelf * (x + k * hp)
                         + highPass * hp + lowPass * lp;
            output[i] = (SampleType) y;
        }

        _z1[channel] = s1;
        _z2[channel] = s2;
    }

    // Share of the tangent's pole (pi/2) that the pre-warped angle may reach: tan stays near 12.7.
    static constexpr double maxWdShare = 0.95;

    float _sampleRate = 44100.0f;
    float _q = 0.1f;
    float _cutoff = 1000.0f;
    float _gainFactor = 0.0f;
    float _gainDb = 0.0f;
    double _g = 0.0;
    double _r = 1.0 - 0.1;
    double _twoR = 1.8;
    double _h = 1.0;
    FilterType _filterType = kLowPass;
    std::vector<double> _z1;
    std::vector<double> _z2;
    float _lowShelfLevel = 0.0f;
    float _bellLevel = 0.0f;
    float _highShelfLevel = 0.0f;
    float _lowPassLevel = 0.0f;
    float _highPassLevel = 0.0f;
    double _twoOverT = 2.0 * 44100.0;
    double _halfT = (1.0 / 44100.0) * 0.5;
    double _wd = 0.0;
    double _wa = 0.0;
    double _maxWd = maxWdShare * juce::MathConstants<double>::pi * 44100.0;
    bool _cutoffIsCurrent = false;
    bool _gainIsCurrent = true; // the initial factor 0 is the one 0 dB gives
};

} // namespace tessary_dsp
