#include "platform/Failure.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Program.h"
#include "ui/testing/ScriptedDialogs.h"
#include "ui/tests/QtPrinters.h"

#include <QTimer>
#include <QWidget>
#include <cerrno>
#include <gtest/gtest.h>
#include <system_error>

namespace
{

using ui::testing::ScriptedDialogs;

class Program : public ::testing::Test
{
protected:
    ui::Form menu{QStringLiteral("MENUPROD")};
    ui::ThreeDButton &button = menu.add<ui::ThreeDButton>({"Cmd_Outils", {0, 7920, 2355, 735}, "Outils"});
    ScriptedDialogs scripted;

    void TearDown() override { menu.discard(); }
};

TEST_F(Program, AFailedStartUpReportsOnceAndEndsWithoutAWindow)
{
    menu.onLoad = [] { throw platform::Failure(QStringLiteral("Incompatibilité de type"), 13); };
    scripted.expectMessage(ui::Answer::Ok,
                           QStringLiteral("Erreur d'exécution '13' :\n\nIncompatibilité de type"));

    EXPECT_EQ(ui::runProgram([this] { menu.show(); }), 1);
    EXPECT_FALSE(menu.isShown());
    EXPECT_FALSE(menu.isLoaded());
    EXPECT_TRUE(ui::loadedForms().empty());
}

TEST_F(Program, AFailureAfterTheWindowShowedHidesIt)
{
    menu.onActivate = [] { throw std::out_of_range("vector"); };
    scripted.expectMessage(
        ui::Answer::Ok, QStringLiteral("Erreur d'exécution '0' :\n\nErreur interne du programme (vector)"));

    EXPECT_EQ(ui::runProgram([this] { menu.show(); }), 1);
    EXPECT_FALSE(menu.isShown());
}

// What the report shows for the failures of the standard library: French first, their own text in
// brackets.
TEST(ReportedFailure, DescribesTheStandardLibrarysFailuresInFrench)
{
    const platform::Failure full = ui::reportedFailure(std::system_error(ENOSPC, std::generic_category()));
    EXPECT_TRUE(full.description().startsWith(QStringLiteral("Erreur du système : disque plein (")))
        << full.description().toStdString();
    EXPECT_EQ(full.number(), 61);
    const platform::Failure memory = ui::reportedFailure(std::bad_alloc());
    EXPECT_EQ(memory.description(), QStringLiteral("Mémoire insuffisante"));
    EXPECT_EQ(memory.number(), 7);
    const platform::Failure own =
        ui::reportedFailure(platform::Failure(QStringLiteral("Fichier introuvable"), 53));
    EXPECT_EQ(own.description(), QStringLiteral("Fichier introuvable"));
    EXPECT_EQ(own.number(), 53);
}

TEST_F(Program, AnUntrappedFailureInAnEventEndsTheRunningProgram)
{
    button.onClick = [] { throw platform::Failure(QStringLiteral("Fichier introuvable"), 53); };
    scripted.expectMessage(ui::Answer::Ok,
                           QStringLiteral("Erreur d'exécution '53' :\n\nFichier introuvable"));

    const int code = ui::runProgram([this] {
        menu.show();
        QTimer::singleShot(0, [this] { button.click(); });
    });
    EXPECT_EQ(code, 1);
    EXPECT_FALSE(menu.isShown());
    EXPECT_EQ(scripted.shown().size(), 1u);
}

TEST_F(Program, TheLastFormUnloadingEndsTheProgramNormally)
{
    bool unloaded = false;
    menu.onUnload = [&](bool &) { unloaded = true; };
    const int code = ui::runProgram([this] {
        menu.show();
        QTimer::singleShot(0, [this] { menu.window()->close(); });
    });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(unloaded);
}

TEST_F(Program, EndDuringTheStartSkipsTheEventLoop)
{
    bool unloadRan = false;
    menu.onUnload = [&](bool &) { unloadRan = true; };
    EXPECT_EQ(ui::runProgram([this] {
                  menu.show();
                  ui::endProgram(0);
              }),
              0);
    EXPECT_FALSE(unloadRan);
    EXPECT_FALSE(menu.isLoaded());
}

} // namespace
