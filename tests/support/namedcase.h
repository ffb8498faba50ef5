// A case of a table-driven test known by its name: a failing case is printed as its name, and
// caseName names each instantiated test after its case.
#pragma once

#include <concepts>
#include <ostream>
#include <string>

namespace dosarium::test {

struct NamedCase {
    const char* name;
};

// Found through the case's base, and preferred to the test framework's byte dump.
template <std::derived_from<NamedCase> Case> void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.name;
}

// For INSTANTIATE_TEST_SUITE_P, with any case that has a `name`.
inline constexpr auto caseName = [](const auto& info) { return std::string(info.param.name); };

} // namespace dosarium::test
