#include "workbench/qtfrench.h"

#include <QCoreApplication>
#include <QFileIconProvider>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dosarium;

TEST(QtFrench, FileDialogsNameFileTypesInFrench)
{
    const QtFrench french;
    const QTemporaryDir dir;
    const QFileIconProvider types;
    EXPECT_EQ(types.type(QFileInfo(dir.path())), QStringLiteral("Dossier"));
    EXPECT_EQ(types.type(QFileInfo(QStringLiteral("/"))), QStringLiteral("Lecteur"));
    // Qt's own catalogue still answers for what it holds.
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Detail View"),
              QStringLiteral("Vue détaillée"));
}
