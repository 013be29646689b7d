#if JUCE_USE_SSE_INTRINSICS || defined (__SSE2__)
 #include <emmintrin.h>
 #define TESSARY_CASCADE_SSE2 1
#else
 #define TESSARY_CASCADE_SSE2 0
#endif

namespace tessary_dsp
{
namespace
{
void processOneByOne (SVFilter<float>* const* filters, size_t numFilters, const juce::dsp::AudioBlock<float>& block) noexcept
{
    juce::dsp::AudioBlock<float> inPlace (block);
    juce::dsp::ProcessContextReplacing<float> context (inPlace);

    for (size_t i = 0; i < numFilters; ++i)
        filters[i]->process (context);
}

#if TESSARY_CASCADE_SSE2
// Which single term a section outputs, when its mix levels select exactly one.
enum class Output { lowShelf, bell, highShelf, lowPass, highPass, mixed };

struct Stage
{
    __m128d g, twoR, h, k, kTwoR;
    __m128d levels[5]; // low shelf, bell, high shelf, low-pass, high-pass
    Output output;
    SVFilter<float>* filter;
};

Output singleOutput (const std::array<float, 5>& levels) noexcept
{
    int chosen = -1;

    for (int i = 0; i < 5; ++i)
    {
        if (levels[(size_t) i] == 1.0f && chosen < 0)
            chosen = i;
        else if (levels[(size_t) i] != 0.0f || std::signbit (levels[(size_t) i]))
            return Output::mixed;
    }

    return chosen < 0 ? Output::mixed : (Output) chosen;
}

void runPass (Stage* stages, size_t numStages, float* left, float* right, size_t numSamples) noexcept
{
    const auto zero = _mm_setzero_pd();
    const auto stereo = right != nullptr;
    // In mono the second lane carries silence whose checks must not count.
    const int laneMask = stereo ? 3 : 1;

    __m128d s1[SVFilterCascade::maxStagesPerPass], s2[SVFilterCascade::maxStagesPerPass];

    for (size_t k = 0; k < numStages; ++k)
    {
        const auto* z1 = stages[k].filter->getZ1();
        const auto* z2 = stages[k].filter->getZ2();
        s1[k] = _mm_set_pd (stereo ? z1[1] : 0.0, z1[0]);
        s2[k] = _mm_set_pd (stereo ? z2[1] : 0.0, z2[0]);
    }

    for (size_t i = 0; i < numSamples; ++i)
    {
        auto in = _mm_unpacklo_ps (_mm_load_ss (left + i), stereo ? _mm_load_ss (right + i) : _mm_setzero_ps());
        auto x = _mm_cvtps_pd (in);

        for (size_t k = 0; k < numStages; ++k)
        {
            const auto& st = stages[k];
            const auto a = s1[k], b = s2[k];

            // Same operations in the same order as SVFilter::processChannel.
            const auto hp = _mm_mul_pd (_mm_sub_pd (_mm_sub_pd (_mm_sub_pd (x, _mm_mul_pd (st.twoR, a)),
                                                                _mm_mul_pd (st.g, a)),
                                                     b),
                                        st.h);
            const auto ghp = _mm_mul_pd (st.g, hp);
            const auto bp = _mm_add_pd (ghp, a);
            const auto gbp = _mm_mul_pd (st.g, bp);
            const auto lp = _mm_add_pd (gbp, b);
            s1[k] = _mm_add_pd (ghp, bp);
            s2[k] = _mm_add_pd (gbp, lp);

            __m128d y;
            switch (st.output)
            {
                case Output::lowShelf:  y = _mm_add_pd (x, _mm_mul_pd (st.k, lp)); break;
                case Output::bell:      y = _mm_add_pd (x, _mm_mul_pd (st.kTwoR, bp)); break;
                case Output::highShelf: y = _mm_add_pd (x, _mm_mul_pd (st.k, hp)); break;
                case Output::lowPass:   y = lp; break;
                case Output::highPass:  y = hp; break;
                case Output::mixed:
                default:                y = zero; break;
            }

            // The full mix adds four terms of level 0. They cannot change a finite non-zero
            // result, but they decide the sign of a zero and turn an infinity into NaN, so
            // those rare samples take the full sum.
            const auto unusual = _mm_or_pd (_mm_cmpeq_pd (y, zero), _mm_cmpunord_pd (_mm_mul_pd (y, zero), zero));

            if (st.output == Output::mixed || (_mm_movemask_pd (unusual) & laneMask) != 0)
            {
                const auto* l = st.levels;
                y = _mm_add_pd (_mm_add_pd (_mm_add_pd (_mm_add_pd (_mm_mul_pd (l[0], _mm_add_pd (x, _mm_mul_pd (st.k, lp))),
                                                                    _mm_mul_pd (l[1], _mm_add_pd (x, _mm_mul_pd (st.kTwoR, bp)))),
                                                        _mm_mul_pd (l[2], _mm_add_pd (x, _mm_mul_pd (st.k, hp)))),
                                            _mm_mul_pd (l[4], hp)),
                                _mm_mul_pd (l[3], lp));
            }

            in = _mm_cvtpd_ps (y);
            x = _mm_cvtps_pd (in);
        }

        _mm_store_ss (left + i, in);
        if (stereo)
            _mm_store_ss (right + i, _mm_shuffle_ps (in, in, 1));
    }

    for (size_t k = 0; k < numStages; ++k)
    {
        auto* z1 = stages[k].filter->getZ1();
        auto* z2 = stages[k].filter->getZ2();
        _mm_storel_pd (z1, s1[k]);
        _mm_storel_pd (z2, s2[k]);
        if (stereo)
        {
            _mm_storeh_pd (z1 + 1, s1[k]);
            _mm_storeh_pd (z2 + 1, s2[k]);
        }
    }
}
#endif
} // namespace

void SVFilterCascade::process (SVFilter<float>* const* filters, size_t numFilters,
                               const juce::dsp::AudioBlock<float>& block) noexcept
{
    const auto numChannels = block.getNumChannels();
    const auto numSamples = block.getNumSamples();

   #if TESSARY_CASCADE_SSE2
    auto fits = numChannels >= 1 && numChannels <= 2;
    for (size_t i = 0; i < numFilters && fits; ++i)
        fits = filters[i]->getNumStateChannels() >= numChannels;

    if (! fits)
    {
        processOneByOne (filters, numFilters, block);
        return;
    }

    Stage stages[maxStagesPerPass];
    size_t numStages = 0;
    auto* left = block.getChannelPointer (0);
    auto* right = numChannels > 1 ? block.getChannelPointer (1) : nullptr;

    for (size_t i = 0; i < numFilters; ++i)
    {
        auto* f = filters[i];
        if (f->isTransparent())
            continue;

        const auto k = (double) f->getGainFactor();
        const auto levels = f->getMixLevels();
        auto& st = stages[numStages++];
        st.g = _mm_set1_pd (f->getG());
        st.twoR = _mm_set1_pd (f->getTwoR());
        st.h = _mm_set1_pd (f->getH());
        st.k = _mm_set1_pd (k);
        st.kTwoR = _mm_set1_pd (k * f->getTwoR());
        for (size_t l = 0; l < levels.size(); ++l)
            st.levels[l] = _mm_set1_pd ((double) levels[l]);
        st.output = singleOutput (levels);
        st.filter = f;

        if (numStages == maxStagesPerPass)
        {
            runPass (stages, numStages, left, right, numSamples);
            numStages = 0;
        }
    }

    if (numStages > 0)
        runPass (stages, numStages, left, right, numSamples);
   #else
    processOneByOne (filters, numFilters, block);
   #endif
}

} // namespace tessary_dsp
