// Spectral tables in the CGATS text layout of colour-management data files: keywords, a
// SPEC_<nm> field list and one row of numbers per spectrum.
#pragma once

#include <QString>
#include <vector>

namespace dosarium {

enum class ColourTableFault {
    None,
    Missing,    // no file at that path
    Unreadable, // the file is there but cannot be opened or read
    Malformed,  // not a spectral table, or its numbers do not add up
    TooNarrow,  // a spectral table that does not cover the visible range in 5 nm steps
};

struct SpectralTable {
    ColourTableFault fault = ColourTableFault::None;
    std::vector<double> wavelengths;       // nm, one per field
    std::vector<std::vector<double>> sets; // one spectrum per row, each as long as wavelengths
};

// Files larger than this are not spectral tables: they are refused before being read.
constexpr qint64 spectralFileLimit = 1 << 20;

SpectralTable readSpectralFile(const QString& path);
SpectralTable parseSpectralText(const QByteArray& text);

} // namespace dosarium
