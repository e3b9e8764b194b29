#include "ui/Dialogs.h"
#include "ui/Program.h"
#include "ui/QtDialogs.h"
#include "ui/TitleWidth.h"
#include "ui/testing/ScriptedDialogs.h"
#include "ui/tests/QtPrinters.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace
{

using ui::Answer;
using ui::MessageButtons;
using ui::testing::ScriptedDialogs;

TEST(ScriptedDialogs, AnswersFromItsQueueAndRecordsWhatWasShown)
{
    QCoreApplication::setApplicationName(QStringLiteral("torbprod"));
    ScriptedDialogs scripted;
    scripted.expectMessage(Answer::Yes, QStringLiteral("Confirmez la sortie de TORBPROD"));
    scripted.expectInput(QStringLiteral("2"));
    scripted.expectInput(std::nullopt);
    scripted.expectMessage();

    EXPECT_EQ(ui::dialogs().message(QStringLiteral("Confirmez la sortie de TORBPROD"), MessageButtons::YesNo),
              Answer::Yes);
    EXPECT_EQ(ui::dialogs().input(QStringLiteral("Choix de la langue (1 ou 2)")), QStringLiteral("2"));
    EXPECT_EQ(ui::dialogs().input(QStringLiteral("Argument de recherche : "), QString(), QStringLiteral("x")),
              std::nullopt);
    EXPECT_EQ(ui::dialogs().message(QStringLiteral("Fin"), MessageButtons::Ok, QStringLiteral("VOSKERAND")),
              Answer::Ok);
    ui::dialogs().setMousePointer(ui::MousePointer::Hourglass);
    ui::dialogs().setMousePointer(ui::MousePointer::Default);

    EXPECT_TRUE(scripted.expectationsMet());
    EXPECT_EQ(scripted.texts(), QStringList({"Confirmez la sortie de TORBPROD", "Choix de la langue (1 ou 2)",
                                             "Argument de recherche : ", "Fin"}));
    EXPECT_EQ(scripted.shown()[0].title, "torbprod"); // no title: the program's
    EXPECT_EQ(scripted.shown()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(scripted.shown()[2].defaultText, "x");
    EXPECT_EQ(scripted.shown()[3].title, "VOSKERAND");
    EXPECT_EQ(scripted.pointers(),
              (std::vector<ui::MousePointer>{ui::MousePointer::Hourglass, ui::MousePointer::Default}));
}

TEST(ScriptedDialogs, FailsTheTestOnABoxItDidNotExpect)
{
    using ui::testing::UnexpectedDialog;
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs scripted;
            EXPECT_THROW(ui::dialogs().message(QStringLiteral("Surprise"), MessageButtons::OkCancel),
                         UnexpectedDialog);
        },
        "unexpected message box : Surprise");
    EXPECT_NONFATAL_FAILURE(
        {
            // A question asked again until it is answered ends at the first unexpected ask.
            ScriptedDialogs scripted;
            scripted.expectInput(QStringLiteral("3"));
            EXPECT_THROW(while (ui::dialogs().input(QStringLiteral("Choix de la langue (1 ou 2)")) !=
                                QStringLiteral("1")){},
                         UnexpectedDialog);
            EXPECT_EQ(scripted.shown().size(), 2u);
        },
        "unexpected input box : Choix de la langue (1 ou 2)");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs scripted;
            scripted.expectMessage();
            EXPECT_THROW(ui::dialogs().input(QStringLiteral("Argument")), UnexpectedDialog);
        },
        "expected message box, got input box");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs scripted;
            scripted.expectMessage(Answer::Ok, QStringLiteral("Attendu"));
            ui::dialogs().message(QStringLiteral("Autre"));
        },
        "expected \"Attendu\"");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs scripted;
            scripted.expectMessage(Answer::Yes);
            EXPECT_THROW(ui::dialogs().message(QStringLiteral("OK seulement")), UnexpectedDialog);
        },
        "cannot give the scripted answer");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs scripted;
            scripted.expectInput(QStringLiteral("1"));
        },
        "was never shown");
}

TEST(ScriptedDialogs, RestoresTheDialogsBeforeIt)
{
    ui::Dialogs *before = &ui::dialogs();
    {
        ScriptedDialogs outer;
        {
            ScriptedDialogs inner;
            EXPECT_EQ(&ui::dialogs(), &inner);
        }
        EXPECT_EQ(&ui::dialogs(), &outer);
    }
    EXPECT_EQ(&ui::dialogs(), before);
}

// Every program runs through runProgram, which puts the toolkit's buttons in French.
TEST(QtDialogs, MessageBoxButtonsAreFrench)
{
    const struct {
        MessageButtons buttons;
        QStringList texts;
    } cases[] = {
        {MessageButtons::Ok, {"OK"}},
        {MessageButtons::OkCancel, {"Annuler", "OK"}},
        {MessageButtons::YesNo, {"Non", "Oui"}},
    };
    for (const auto &each : cases) {
        QStringList texts;
        ui::runProgram([&] {
            const auto box =
                ui::messageBox(QStringLiteral("Confirmez la sortie de TORBPROD"), each.buttons, {});
            for (const QAbstractButton *button : box->buttons())
                texts << button->text().remove(QLatin1Char('&')); // the mnemonic's mark
        });
        texts.sort();
        EXPECT_EQ(texts, each.texts);
    }
}

// A short text, as the compaction's final "Traitement terminé...", leaves the box as wide as its title.
TEST(QtDialogs, MessageBoxIsAtLeastAsWideAsItsTitle)
{
    const auto box = ui::messageBox(QStringLiteral("Traitement terminé..."), MessageButtons::Ok,
                                    QStringLiteral("Compacter/Réparer Bases de Données TORBPROD"));
    box->show();
    EXPECT_GE(box->width(), ui::titleBarWidth(box->windowTitle()));
    EXPECT_GT(ui::titleBarWidth(box->windowTitle()), ui::titleBarWidth(QStringLiteral("pressolite")));
    box->hide();
}

} // namespace
