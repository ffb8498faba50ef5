// What each sampling instrument and the flask selector offer, and how their read-outs are written.
#pragma once

#include "protocol/preparationstate.h"

#include <QLocale>
#include <QString>
#include <optional>

namespace dosarium::instruments {

inline constexpr int balanceMaximum = 20000; // hundredths of a gram
inline constexpr int balanceArrowStep = 1;
inline constexpr int balanceTrackStep = 100;
inline constexpr int flaskMaximum = 6;
inline constexpr int flaskStart = 3; // 200 mL

struct Glassware {
    int maximum;
    int start;
};
// The range and start position of the sampling selector for a piece of glassware.
Glassware glassware(SamplingTool tool);

// The volume a selector position stands for; empty outside the tool's list (or for the balance).
std::optional<float> sampledVolumeAt(SamplingTool tool, int position);
std::optional<float> flaskVolumeAt(int position);
float sampledMassAt(int balancePosition);

// "12,34 g"
QString massReadout(int balancePosition, const QLocale& locale);
// "200 mL", or "5,0 mL" for the graduated pipette.
QString sampledVolumeReadout(SamplingTool tool, float volume, const QLocale& locale);
QString flaskVolumeReadout(float volume, const QLocale& locale);

} // namespace dosarium::instruments
