// A class's hand-ins judged against the correction: one row per file, in the bench's words, and
// no file changed by the reading.
#include "classwork/classtablemodel.h"
#include "classwork/classworktexts.h"
#include "configurations/configurationtexts.h"
#include "configurations/preparationamounts.h"
#include "protocol/protocoltexts.h"
#include "recordfiles.h"

#include <QSortFilterProxyModel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dosarium;

namespace {

constexpr qint16 sodiumHydroxide = 5, copperSulfate = 7, hydrochloricAcid = 8;

PreparationAmounts measured(qint16 reagent, SamplingTool tool, double volume, double flask)
{
    return {reagent, qint16(tool), 0.0, volume, flask};
}

QByteArray configurationBytes(const PreparationAmounts& amounts)
{
    const std::optional<ConfigurationValues> values = configurationFor(amounts, nullptr);
    EXPECT_TRUE(values);
    return values ? ConfigurationFile::encode(*values) : QByteArray();
}

const PreparationAmounts correctionAmounts =
    measured(sodiumHydroxide, SamplingTool::VolumetricPipette, 5, 100);

struct HandIn {
    const char* file;
    QByteArray bytes;
    HandInVerdict verdict;
    // The cells from the reagent to the remarks.
    QStringList cells;
};

TEST(ClassTable, JudgesEveryHandInOfTheFolderAndChangesNone)
{
    QTemporaryDir dir;
    const QString quotedWarning = configurationtexts::compareQuoted.arg(texts::imprecisionWarning);
    const QString soda = QStringLiteral("Hydroxyde de sodium");
    const QList<HandIn> handIns = {
        {"a-same.C05",
         configurationBytes(correctionAmounts),
         HandInVerdict::SameAsPrecise,
         {soda, "5 mL à la pipette jaugée", "100 mL", "0,300", "12,0", "0,4",
          classworktexts::sameAsPrecise, ""}},
        {"b-graduated.C05",
         configurationBytes(measured(sodiumHydroxide, SamplingTool::GraduatedPipette, 5.0, 100)),
         HandInVerdict::SameLessPrecise,
         {soda, "5,0 mL à la pipette graduée", "100 mL", "0,300", "12,0", "2,2",
          classworktexts::sameLessPrecise, ""}},
        {"c-double.c05",
         configurationBytes(measured(sodiumHydroxide, SamplingTool::VolumetricPipette, 10, 100)),
         HandInVerdict::DifferentConcentration,
         {soda, "10 mL à la pipette jaugée", "100 mL", "0,600", "24,0", "0,4",
          classworktexts::otherConcentration, classworktexts::ratioMore.arg("2")}},
        {"d-copper.C05",
         configurationBytes(measured(copperSulfate, SamplingTool::VolumetricPipette, 10, 100)),
         HandInVerdict::DifferentReagentAndConcentration,
         {}},
        {"e-warned.C05",
         configurationBytes(measured(hydrochloricAcid, SamplingTool::GraduatedCylinder, 10, 25)),
         HandInVerdict::DifferentReagentAndConcentration,
         {}},
        {"f-refused.C05",
         configurationBytes(measured(hydrochloricAcid, SamplingTool::VolumetricPipette, 25, 25)),
         HandInVerdict::Refused,
         {"—", "—", "—", "—", "—", "—", classworktexts::refused,
          configurationtexts::compareQuoted.arg(texts::sampleVolumeRefusal)}},
        {"g-foreign.C05",
         test::recordsBytes(QList<QByteArray>(9, "Liste des élèves")),
         HandInVerdict::Unreadable,
         {"—", "—", "—", "—", "—", "—", classworktexts::unreadable,
          configurationtexts::notConfiguration}},
        {"h-truncated.C05",
         configurationBytes(correctionAmounts).left(300),
         HandInVerdict::Unreadable,
         {"—", "—", "—", "—", "—", "—", classworktexts::unreadable,
          configurationtexts::readFailure}},
    };
    for (const HandIn& handIn : handIns)
        ASSERT_TRUE(test::writeBytes(dir.filePath(handIn.file), handIn.bytes));
    ASSERT_TRUE(test::writeBytes(dir.filePath("notes.txt"), "pas une préparation"));
    const QString correctionPath = dir.filePath("corrige.C05");
    ASSERT_TRUE(test::writeBytes(correctionPath, configurationBytes(correctionAmounts)));
    ASSERT_TRUE(QDir().mkdir(dir.filePath("sous-dossier.C05")));

    const QLocale french(QLocale::French, QLocale::France);
    const ConfigurationTrial correction = tryConfiguration(correctionPath, french);
    ClassTableModel table;
    for (const QString& path : handInFiles(dir.path()))
        if (path != correctionPath)
            table.append(handInRow(path, correction, french));

    ASSERT_EQ(table.rowCount(), handIns.size());
    for (int i = 0; i < handIns.size(); ++i) {
        const HandIn& handIn = handIns[i];
        const HandInRow& row = table.rows()[i];
        SCOPED_TRACE(handIn.file);
        EXPECT_EQ(row.cells.first(), QString::fromUtf8(handIn.file));
        EXPECT_EQ(row.verdict, handIn.verdict);
        if (!handIn.cells.isEmpty()) {
            EXPECT_EQ(row.cells.mid(1), handIn.cells);
        }
        EXPECT_EQ(test::readBytes(dir.filePath(handIn.file)), handIn.bytes);
    }
    EXPECT_TRUE(table.rows()[4].cells[RemarksColumn].endsWith(quotedWarning));
    EXPECT_EQ(table.summary(),
              "8 fichier(s) : Même solution, aussi précise : 1 ; Même solution, moins précise : 1 "
              "; Autre concentration : 1 ; Autre réactif et autre concentration : 2 ; Refusée par "
              "la paillasse : 1 ; Fichier illisible : 2");

    // Sorting by concentration puts the rows without a result first and the numbers in order, not
    // in the order of their text.
    QSortFilterProxyModel sorted;
    sorted.setSourceModel(&table);
    sorted.setSortRole(ClassTableModel::SortRole);
    sorted.sort(ConcentrationColumn);
    QStringList order;
    for (int row = 0; row < sorted.rowCount(); ++row)
        order << sorted.index(row, FileColumn).data().toString().left(1);
    EXPECT_EQ(order.join(""), "fghdabce");

    // Without a correction every preparation is shown, and none is judged.
    const HandInRow alone = handInRow(dir.filePath("a-same.C05"), ConfigurationTrial{}, french);
    EXPECT_EQ(alone.verdict, HandInVerdict::NoCorrection);
    EXPECT_EQ(alone.cells.mid(1, 6), handIns[0].cells.mid(0, 6));
}

} // namespace
