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
    m_halfComplex = static_cast<float *>(fftwf_malloc(sizeof(float) * kPoints));
    std::memset(m_in, 0, sizeof(float) * kPoints);
    std::memset(m_halfComplex, 0, sizeof(float) * kPoints);
    // FFTW_ESTIMATE: the plan is made at once, without timing runs over the buffers.
    m_plan = fftwf_plan_r2r_1d(kPoints, m_in, m_halfComplex, FFTW_R2HC, FFTW_ESTIMATE);
}

FFTRealWrapper::~FFTRealWrapper()
{
    if (m_plan)
        fftwf_destroy_plan(plan(m_plan));
    fftwf_free(m_halfComplex);
    fftwf_free(m_in);
}

void FFTRealWrapper::calculateFFT(float *out, const float *in)
{
    std::memcpy(m_in, in, sizeof(float) * kPoints);
    fftwf_execute(plan(m_plan));
    // FFTW's half-complex order: r0, r1 .. r2048, i2047 .. i1.
    for (int k = 0; k <= kHalf; ++k)
        out[k] = m_halfComplex[k];
    for (int k = 1; k < kHalf; ++k)
        out[kHalf + k] = m_halfComplex[kPoints - k];
}
