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
    __m128d signIfKNotNegative; // sign bit set when K carries no minus sign
    __m128d signIfKTwoRNegative; // sign bit set when K*2R carries a minus sign
    __m128d levels[5]; // low shelf, bell, high shelf, low-pass, high-pass
    Output output;
    SVFilter<float>* filter;
};

Output singleOutput (const std::array<float, 5>& levels, float k) noexcept
{
    int chosen = -1;

    for (int i = 0; i < 5; ++i)
    {
        if (levels[(size_t) i] == 1.0f && chosen < 0)
            chosen = i;
        else if (levels[(size_t) i] != 0.0f || std::signbit (levels[(size_t) i]))
            return Output::mixed;
    }

    if (chosen < 0)
        return Output::mixed;

    // The pass outputs' zero-sign shortcut below relies on K being exactly +0, as it is for
    // sections that never get a gain.
    const auto output = (Output) chosen;
    if ((output == Output::lowPass || output == Output::highPass) && (k != 0.0f || std::signbit (k)))
        return Output::mixed;

    return output;
}

/** One section's step for one sample pair: updates the states and returns the output. */
inline __m128d step (const Stage& st, __m128d x, __m128d& s1, __m128d& s2) noexcept
{
    const auto a = s1, b = s2;

    // Same operations in the same order as SVFilter::processChannel.
    const auto hp = _mm_mul_pd (_mm_sub_pd (_mm_sub_pd (_mm_sub_pd (x, _mm_mul_pd (st.twoR, a)), _mm_mul_pd (st.g, a)), b), st.h);
    const auto ghp = _mm_mul_pd (st.g, hp);
    const auto bp = _mm_add_pd (ghp, a);
    const auto gbp = _mm_mul_pd (st.g, bp);
    const auto lp = _mm_add_pd (gbp, b);
    s1 = _mm_add_pd (ghp, bp);
    s2 = _mm_add_pd (gbp, lp);

    // The full mix adds four terms of level 0 to the chosen one. With finite values they
    // change nothing but the sign of a zero: the sum is -0 only when every term carries a
    // minus sign. When the chosen term is -0 the other terms' signs follow from a few sign
    // bits (worked out per output below), so y = term + c, with c = -0 exactly when the
    // full sum is -0, gives the full sum bit for bit without computing it.
    const auto signBit = _mm_set1_pd (-0.0);
    __m128d y, c;
    switch (st.output)
    {
        case Output::lowShelf:
        case Output::highShelf:
            // x = -0 and K*u = -0: A, B, C are K*lp, K*2R*bp, K*hp, whose signs multiply.
            y = _mm_add_pd (x, _mm_mul_pd (st.k, st.output == Output::lowShelf ? lp : hp));
            c = _mm_and_pd (_mm_and_pd (_mm_xor_pd (bp, st.signIfKTwoRNegative), _mm_and_pd (hp, lp)), st.signIfKNotNegative);
            break;
        case Output::bell:
            y = _mm_add_pd (x, _mm_mul_pd (st.kTwoR, bp));
            c = _mm_and_pd (_mm_and_pd (hp, lp), st.signIfKNotNegative);
            break;
        case Output::lowPass:
        case Output::highPass:
        {
            // K = +0: A, B, C are x plus a zero signed like lp, bp, hp.
            const auto other = st.output == Output::lowPass ? hp : lp;
            y = st.output == Output::lowPass ? lp : hp;
            c = _mm_and_pd (_mm_and_pd (_mm_or_pd (_mm_cmpneq_pd (x, _mm_setzero_pd()), bp), x), _mm_and_pd (other, signBit));
            break;
        }
        case Output::mixed:
        default:
        {
            const auto* l = st.levels;
            y = _mm_add_pd (_mm_add_pd (_mm_add_pd (_mm_add_pd (_mm_mul_pd (l[0], _mm_add_pd (x, _mm_mul_pd (st.k, lp))),
                                                                _mm_mul_pd (l[1], _mm_add_pd (x, _mm_mul_pd (st.kTwoR, bp)))),
                                                    _mm_mul_pd (l[2], _mm_add_pd (x, _mm_mul_pd (st.k, hp)))),
                                        _mm_mul_pd (l[4], hp)),
                            _mm_mul_pd (l[3], lp));
            c = signBit; // adding -0 changes nothing
            break;
        }
    }
    y = _mm_add_pd (y, c);

    // Narrowed between sections, exactly as one section after another would hand it on.
    return _mm_cvtps_pd (_mm_cvtpd_ps (y));
}

inline __m128d loadPair (const float* left, const float* right, size_t i) noexcept
{
    return _mm_cvtps_pd (_mm_unpacklo_ps (_mm_load_ss (left + i), right != nullptr ? _mm_load_ss (right + i) : _mm_setzero_ps()));
}

inline void storePair (float* left, float* right, size_t i, __m128d y) noexcept
{
    const auto f = _mm_cvtpd_ps (y);
    _mm_store_ss (left + i, f);
    if (right != nullptr)
        _mm_store_ss (right + i, _mm_shuffle_ps (f, f, 1));
}

/** Software-pipelined pass over at most one chunk: in one iteration section k works on sample
    i - k, so the sections' feedback chains are independent of each other and run side by side.
    Every section still sees exactly the samples, in the order, that it would see on its own.
    Returns false, leaving the sections' states untouched, when the chunk must be redone the
    plain way: something in it was not finite, where the shortcuts do not hold. */
template <int N>
bool runChunk (const Stage* stages, float* left, float* right, size_t numSamples) noexcept
{
    const int laneMask = right != nullptr ? 3 : 1; // in mono the second lane carries silence
    __m128d s1[N], s2[N], pipe[N];

    for (int k = 0; k < N; ++k)
    {
        const auto* z1 = stages[k].filter->getZ1();
        const auto* z2 = stages[k].filter->getZ2();
        s1[k] = _mm_set_pd (right != nullptr ? z1[1] : 0.0, z1[0]);
        s2[k] = _mm_set_pd (right != nullptr ? z2[1] : 0.0, z2[0]);
        pipe[k] = _mm_setzero_pd();
    }

    const auto total = numSamples + (size_t) N - 1;
    const auto iterate = [&] (size_t i, bool full) {
        // Last section first, so each reads what its predecessor handed on one iteration ago.
       #if defined (__GNUC__) && ! defined (__clang__)
        #pragma GCC unroll 8
       #endif
        for (int k = N - 1; k >= 0; --k)
        {
            const auto sample = (std::ptrdiff_t) i - k;
            if (! full && (sample < 0 || sample >= (std::ptrdiff_t) numSamples))
                continue;

            const auto x = k == 0 ? loadPair (left, right, i) : pipe[k - 1];
            const auto y = step (stages[k], x, s1[k], s2[k]);

            if (k == N - 1)
                storePair (left, right, (size_t) sample, y);
            else
                pipe[k] = y;
        }
    };

    // Ramp in, run with every section busy, ramp out.
    size_t i = 0;
    for (; i < juce::jmin ((size_t) N - 1, total); ++i)
        iterate (i, false);
    for (; i < numSamples; ++i)
        iterate (i, true);
    for (; i < total; ++i)
        iterate (i, false);

    // Anything not finite anywhere in the chunk leaves a state that is not finite: NaN and
    // infinity never wash out of the feedback.
    auto finite = _mm_castsi128_pd (_mm_set1_epi32 (-1));
    for (int k = 0; k < N; ++k)
        finite = _mm_and_pd (finite, _mm_and_pd (_mm_cmpord_pd (_mm_mul_pd (s1[k], _mm_setzero_pd()), _mm_setzero_pd()),
                                                 _mm_cmpord_pd (_mm_mul_pd (s2[k], _mm_setzero_pd()), _mm_setzero_pd())));

    if ((_mm_movemask_pd (finite) & laneMask) != laneMask)
        return false;

    for (int k = 0; k < N; ++k)
    {
        auto* z1 = stages[k].filter->getZ1();
        auto* z2 = stages[k].filter->getZ2();
        _mm_storel_pd (z1, s1[k]);
        _mm_storel_pd (z2, s2[k]);
        if (right != nullptr)
        {
            _mm_storeh_pd (z1 + 1, s1[k]);
            _mm_storeh_pd (z2 + 1, s2[k]);
        }
    }
    return true;
}

template <int N>
void runPass (const Stage* stages, float* left, float* right, size_t numSamples) noexcept
{
    constexpr size_t chunkSize = 256;
    float saved[2][chunkSize];

    for (size_t start = 0; start < numSamples; start += chunkSize)
    {
        const auto n = juce::jmin (chunkSize, numSamples - start);
        float* channels[] = { left + start, right != nullptr ? right + start : nullptr };
        const auto numChannels = right != nullptr ? 2 : 1;

        for (int ch = 0; ch < numChannels; ++ch)
            std::memcpy (saved[ch], channels[ch], n * sizeof (float));

        if (runChunk<N> (stages, channels[0], channels[1], n))
            continue;

        for (int ch = 0; ch < numChannels; ++ch)
            std::memcpy (channels[ch], saved[ch], n * sizeof (float));

        SVFilter<float>* filters[N];
        for (int k = 0; k < N; ++k)
            filters[k] = stages[k].filter;
        processOneByOne (filters, (size_t) N, juce::dsp::AudioBlock<float> (channels, (size_t) numChannels, n));
    }
}

void runPass (const Stage* stages, size_t numStages, float* left, float* right, size_t numSamples) noexcept
{
    switch (numStages)
    {
        case 1: runPass<1> (stages, left, right, numSamples); break;
        case 2: runPass<2> (stages, left, right, numSamples); break;
        case 3: runPass<3> (stages, left, right, numSamples); break;
        case 4: runPass<4> (stages, left, right, numSamples); break;
        case 5: runPass<5> (stages, left, right, numSamples); break;
        case 6: runPass<6> (stages, left, right, numSamples); break;
        case 7: runPass<7> (stages, left, right, numSamples); break;
        case 8: runPass<8> (stages, left, right, numSamples); break;
        default: jassertfalse; break;
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
        st.output = singleOutput (levels, f->getGainFactor());
        st.signIfKNotNegative = _mm_set1_pd (std::signbit (k) ? 0.0 : -0.0);
        st.signIfKTwoRNegative = _mm_set1_pd (std::signbit (k * f->getTwoR()) ? -0.0 : 0.0);
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
