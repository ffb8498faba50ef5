// The CIE 1931 2° observer weighted by illuminant D65, sampled every 5 nm from 380 to 780 nm and
// scaled so that a white ground has Y = 1. Read from the colour-management data files of the
// system the first time a colour is needed.
#pragma once

#include "colour/colourspaces.h"
#include "colour/spectralfile.h"

#include <QString>
#include <array>

namespace dosarium {

class ColourTables {
  public:
    static constexpr int firstWavelength = 380;
    static constexpr int lastWavelength = 780;
    static constexpr int wavelengthStep = 5;
    static constexpr int sampleCount = (lastWavelength - firstWavelength) / wavelengthStep + 1;

    static QString standardObserverPath();
    static QString standardIlluminantPath();

    // The tables of the standard paths, read once on first call.
    static const ColourTables& standard();
    static ColourTables load(const QString& observerPath, const QString& illuminantPath);

    bool isValid() const { return m_fault == ColourTableFault::None; }
    ColourTableFault fault() const { return m_fault; }
    // The file at fault, for the caller's message.
    const QString& faultyFile() const { return m_faultyFile; }

    static constexpr double wavelength(int sample)
    {
        return firstWavelength + sample * wavelengthStep;
    }
    // The observer's functions times the illuminant at each sample; zero when not valid.
    const std::array<Xyz, sampleCount>& weights() const { return m_weights; }
    // The white ground: the sum of the weights.
    const Xyz& white() const { return m_white; }

  private:
    ColourTableFault m_fault = ColourTableFault::None;
    QString m_faultyFile;
    std::array<Xyz, sampleCount> m_weights{};
    Xyz m_white;
};

} // namespace dosarium
