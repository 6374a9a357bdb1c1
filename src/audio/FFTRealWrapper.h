// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A 4096-point forward real transform, unnormalised: out[k] for k = 0 .. 2048 is the real part
// of bin k, out[2048 + k] for k = 1 .. 2047 its imaginary part (the sign is of no concern to
// the analyser, which reads magnitudes). The plan and its buffers are made once, here.

class FFTRealWrapper
{
public:
    static constexpr int kPoints = 4096;

    FFTRealWrapper();
    ~FFTRealWrapper();
    FFTRealWrapper(const FFTRealWrapper &) = delete;
    FFTRealWrapper &operator=(const FFTRealWrapper &) = delete;

    // in: kPoints samples; out: kPoints values in the layout above.
    void calculateFFT(float *out, const float *in);

private:
    float *m_in = nullptr;
    float *m_complexBins = nullptr;
    void *m_plan = nullptr;
};
