// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The result of one spectrum analysis: a run of bins, each with its centre frequency and a
// level between 0 and 1. A value type; copies share the bins until one is written.

#include <QMetaType>
#include <QVector>

class FrequencySpectrum
{
public:
    struct Bin {
        double frequency = 0;  // Hz
        double amplitude = 0;  // 0 .. 1
        double phase = 0;
        bool clipped = false;  // the level was above 1 before it was limited
    };

    explicit FrequencySpectrum(int binCount = 0);

    // Every bin back to zero.
    void reset();
    int count() const { return m_bins.size(); }
    Bin &operator[](int index) { return m_bins[index]; }
    const Bin &operator[](int index) const { return m_bins[index]; }
    QVector<Bin>::iterator begin() { return m_bins.begin(); }
    QVector<Bin>::iterator end() { return m_bins.end(); }
    QVector<Bin>::const_iterator begin() const { return m_bins.cbegin(); }
    QVector<Bin>::const_iterator end() const { return m_bins.cend(); }

private:
    QVector<Bin> m_bins;
};

Q_DECLARE_METATYPE(FrequencySpectrum)
