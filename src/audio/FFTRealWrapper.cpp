// SPDX-License-Identifier: GPL-3.0-or-later
#include "FFTRealWrapper.h"

#include <fftw3.h>

#include <cstring>

namespace {

constexpr int kHalf = FFTRealWrapper::kPoints / 2;

fftwf_plan plan(void *p)
{
    return static_cast<fftwf_plan>(p);
}

}  // namespace

FFTRealWrapper::FFTRealWrapper()
{
    m_in = static_cast<float *>(fftwf_malloc(sizeof(float) * kPoints));
    // The complex bins 0 .. 2048, real and imaginary part of each side by side.
    m_complexBins = static_cast<float *>(fftwf_malloc(sizeof(float) * (kPoints + 2)));
    std::memset(m_in, 0, sizeof(float) * kPoints);
    std::memset(m_complexBins, 0, sizeof(float) * (kPoints + 2));
    // FFTW_ESTIMATE: the plan is made at once, without timing runs over the buffers. The
    // real-to-complex transform has vector code paths that the half-complex one lacks.
    m_plan = fftwf_plan_dft_r2c_1d(kPoints, m_in, reinterpret_cast<fftwf_complex *>(m_complexBins), FFTW_ESTIMATE);
}

FFTRealWrapper::~FFTRealWrapper()
{
    if (m_plan)
        fftwf_destroy_plan(plan(m_plan));
    fftwf_free(m_complexBins);
    fftwf_free(m_in);
}

void FFTRealWrapper::calculateFFT(float *out, const float *in)
{
    std::memcpy(m_in, in, sizeof(float) * kPoints);
    fftwf_execute(plan(m_plan));
    // From (r0, i0), (r1, i1) .. (r2048, i2048).
    for (int k = 0; k <= kHalf; ++k)
        out[k] = m_complexBins[2 * k];
    for (int k = 1; k < kHalf; ++k)
        out[kHalf + k] = m_complexBins[2 * k + 1];
}
