#include "compaction/FPressolite.h"

#include "compaction/cycle/ModuleDatabases.h"
#include "platform/Files.h"
#include "storage/Database.h"
#include "tests/support/fixtures/SchemaFiles.h"
#include "tests/support/fixtures/TempInstallation.h"
#include "ui/testing/ScriptedDialogs.h"

#include <QDir>
#include <gtest/gtest.h>

using ui::Answer;

// The sample installation, started in the data folder as the launcher starts it: the folder table
// beside the program lets the activation read the data folder's. Its databases made from schema/,
// then with only the fields of their tables.
TEST(PressoliteInstallation, CompactsTheSixModuleDatabasesWithBackups)
{
    for (const QString &schemaFolder : {QString(), testing_support::bareSchemaFolder()}) {
        SCOPED_TRACE(schemaFolder.toStdString());
        tools::SampleOptions options;
        options.withPrograms = false;
        options.schemaFolder = schemaFolder;
        testing_support::TempInstallation installation(options);
        const QString previous = platform::currentDirectory();
        platform::setCurrentDirectory(installation.data());

        ui::testing::ScriptedDialogs dialogs;
        dialogs.expectMessage(Answer::Ok);
        dialogs.expectMessage(Answer::Ok, "Effectuer l'opération de compactage ?");
        dialogs.expectMessage(Answer::Ok, "Traitement terminé...");
        compaction::FPressolite window(installation.programs());
        window.show();
        EXPECT_EQ(window.folderBox().text(), installation.databases() + "/");
        window.runButton().click();
        platform::setCurrentDirectory(previous);

        const QDir databases(installation.databases());
        for (const QString &name : compaction::moduleDatabaseNames()) {
            const QString backup = QString(name).replace(".MDB", ".BAKMDB");
            EXPECT_TRUE(databases.exists(name)) << name.toStdString();
            EXPECT_TRUE(databases.exists(backup)) << backup.toStdString();
            EXPECT_GT(storage::Database::open(databases.filePath(name)).openTable("TZPR").recordCount(), 0);
        }
        EXPECT_TRUE(databases.exists("BDTRAD.MDB"));
        EXPECT_FALSE(databases.exists("BDTRAD.BAKMDB"));
    }
}
