// The project's source folder, for the tests that read what it ships (pages, exercises, metadata).
// The test's target defines DOSARIUM_SOURCE_ROOT.
#pragma once

#include <QString>

namespace dosarium::test {

// From the environment when it names one, else the folder the test was built from.
inline QString sourceRoot()
{
    return qEnvironmentVariable("DOSARIUM_SOURCE_DIR", QStringLiteral(DOSARIUM_SOURCE_ROOT));
}

} // namespace dosarium::test
