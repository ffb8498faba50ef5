#include "configurations/savename.h"

#include <gtest/gtest.h>

using dosarium::SaveName;

struct NameCase {
    const char* typed;
    const char* path; // nullptr when no name is left
};

class SaveNameResolve : public testing::TestWithParam<NameCase> {};

TEST_P(SaveNameResolve, BuildsTheFullPath)
{
    const std::optional<QString> path =
        SaveName::resolve(QString::fromUtf8(GetParam().typed), QStringLiteral("/home/eleve/tp"));
    if (!GetParam().path) {
        EXPECT_FALSE(path.has_value()) << "got " << path.value_or(QString()).toStdString();
        return;
    }
    ASSERT_TRUE(path.has_value()) << GetParam().typed;
    EXPECT_EQ(*path, QString::fromUtf8(GetParam().path));
}

INSTANTIATE_TEST_SUITE_P(
    Names, SaveNameResolve,
    testing::Values(NameCase{"essai", "/home/eleve/tp/essai.C05"},
                    NameCase{"  essai  ", "/home/eleve/tp/essai.C05"},
                    NameCase{"essai.C05.txt", "/home/eleve/tp/essai.C05"},
                    NameCase{"essai .txt", "/home/eleve/tp/essai.C05"},
                    NameCase{"Solution n°2", "/home/eleve/tp/Solution n°2.C05"},
                    NameCase{"/home/jean.dupont/essai", "/home/jean.dupont/essai.C05"},
                    NameCase{"/home/jean.dupont/essai.c05", "/home/jean.dupont/essai.C05"},
                    NameCase{"/tmp/essai.C05", "/tmp/essai.C05"},
                    NameCase{"sous.dossier/essai", "/home/eleve/tp/sous.dossier/essai.C05"},
                    NameCase{"../autre/essai", "/home/eleve/autre/essai.C05"},
                    NameCase{"", nullptr}, NameCase{"   ", nullptr}, NameCase{".C05", nullptr},
                    NameCase{" .C05 ", nullptr}, NameCase{"..", nullptr},
                    NameCase{"/home/jean/.C05", nullptr}, NameCase{"/home/jean/", nullptr}));

TEST(SaveName, AnotherDirectoryKeepsOnlyTheFileName)
{
    EXPECT_EQ(SaveName::withoutDirectory("/home/eleve/tp/essai.C05"), "essai.C05");
    EXPECT_EQ(SaveName::withoutDirectory("essai"), "essai");
    EXPECT_EQ(SaveName::withoutDirectory("/home/eleve/"), "");
}
