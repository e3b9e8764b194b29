#include "translation-editor/TranslationForm.h"

#include "platform/Files.h"
#include "translation-editor/ContainsFunction.h"
#include "translation-editor/EditorStart.h"
#include "translation-editor/ListButtonPictures.h"
#include "ui/Dialogs.h"
#include "ui/Grid.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"
#include "ui/Program.h"
#include "ui/TextBox.h"
#include "ui/ThreeDButton.h"
#include "ui/Twips.h"

namespace peluvar
{

namespace
{

const QString Caption = QStringLiteral("Saisie des traductions");

const QString ListButtonTips[] = {
    QStringLiteral("Sélection de lignes de la liste"),
    QStringLiteral("Recherche dans la liste"),
    QStringLiteral("Classement de la liste"),
    QStringLiteral("Restauration de la liste initiale"),
};
constexpr int ListButtonLefts[] = {15, 425, 835, 1245};

// The grid column that shows a language: column 2 for language 1, column 3 for language 2.
int languageColumn(int language)
{
    return language + 1;
}

} // namespace

TranslationForm::TranslationForm() : ui::Form(QStringLiteral("FTRAD"))
{
    design();
    onLoad = [this] { startUp(); };
    onActivate = [this] { activate(); };
    onUnload = [this](bool &cancel) { cancel = !mayQuit(); };
    QObject::connect(&m_texts, &ui::DataSource::writeFailed, &m_texts,
                     [this](const QString &description) { unsavedEdit(description); });
}

TranslationForm::~TranslationForm() = default;

void TranslationForm::design()
{
    setCaption(Caption);
    setStartUpPosition(ui::StartUpPosition::CentreScreen);
    setClientSize(11880, 8685);

    m_grid = &add<ui::Grid>({QStringLiteral("DBG_TRAD"), {0, 0, 11835, 7725}});
    m_grid->setColumns({
        {.field = QStringLiteral("T_VALEUR"),
         .header = QStringLiteral("Langue française"),
         .width = 47.35,
         .locked = true},
        {.field = QStringLiteral("T_TRAD1"),
         .header = QStringLiteral("Langue 1"),
         .width = 48.25,
         .hidden = true},
        {.field = QStringLiteral("T_TRAD2"),
         .header = QStringLiteral("Langue 2"),
         .width = 48.25,
         .hidden = true},
    });
    m_grid->setDataSource(&m_texts);

    auto &label =
        add<ui::Label>({QStringLiteral("Label2"), {90, 7860, 1305, 255}, QStringLiteral("Commentaire : ")});
    label.setFontName(QStringLiteral("Arial"));
    label.setFontBold(true);

    auto &comment = add<ui::TextBox>(
        ui::ControlDesign(QStringLiteral("CTX_Commentaire"), {1440, 7710, 10335, 525}).severalLines());
    comment.setLocked(true);
    comment.setBackColour(ui::ButtonFace);
    m_texts.bind(comment, QStringLiteral("T_COMMENTAIRE"));

    auto &bar = add<ui::PictureBox>({QStringLiteral("Frm_Boutons_ListeArti"), {30, 8250, 11835, 435}});
    bar.setPicture(buttonBarBackground(ui::toPixels({0, 0, 11835, 435}, ui::logicalDpi()).size()));
    auto &listBar = add<ui::PictureBox>(
        ui::ControlDesign(QStringLiteral("Pic_Boutons_ListeArti"), {0, 0, 1695, 390}).inside(bar));
    listBar.setBackColour(ui::rgb(125, 173, 253));
    for (int index = 0; index < 4; ++index) {
        auto &button = add<ui::ThreeDButton>(ui::ControlDesign(QStringLiteral("Cmd_Op_ListeTrad"),
                                                               {ListButtonLefts[index], 38, 405, 315},
                                                               QString(), -1, ListButtonTips[index])
                                                 .element(index)
                                                 .inside(listBar));
        button.setPicture(listButtonPicture(index));
        button.onClick = [this, index] { listButtonClicked(index); };
    }
    auto &quitButton = add<ui::ThreeDButton>(
        ui::ControlDesign(QStringLiteral("Cmd_Quitter"), {10650, 0, 1065, 360}, QStringLiteral("&Quitter"),
                          -1, QStringLiteral("Fermer la fenêtre"))
            .inside(bar));
    quitButton.onClick = [this] { quit(); };
}

void TranslationForm::startUp()
{
    const std::optional<TranslationDatabase> found =
        findTranslationDatabase(platform::currentDirectory(), ui::dialogs());
    if (!found) {
        ui::endProgram();
        return;
    }
    m_folderDatabase = found->folderDatabase;
    setCaption(captionWithDatabase(caption(), found->folder));
    m_database = storage::Database::open(found->path);
    installContainsFunction(m_database->sqlDatabase());
    m_texts.setDatabase(m_database->sqlDatabase());
    m_language = askLanguage(ui::dialogs());
    m_grid->setColumnHidden(languageColumn(m_language), false);
    showList(initialList());
}

void TranslationForm::activate()
{
    try {
        m_grid->setActiveCell(languageColumn(m_language), 1);
        m_grid->setFocus();
    } catch (const platform::Failure &failure) {
        ui::dialogs().message(QStringLiteral("Activate: ") + failure.description());
        ui::endProgram();
    }
}

void TranslationForm::listButtonClicked(int index)
{
    switch (index) {
    case 0:
        showList(selectionList(ui::dialogs()
                                   .input(QStringLiteral("Argument de sélection : "), QString(), QString())
                                   .value_or(QString())));
        break;
    case 1:
        search();
        break;
    case 2:
        showList(frenchOrderList());
        break;
    default:
        showList(initialList());
        break;
    }
}

void TranslationForm::search()
{
    const QString answer = ui::dialogs()
                               .input(QStringLiteral("Argument de recherche : "), QString(), QString())
                               .value_or(QString());
    const ListQuery condition = searchCondition(answer);
    // When nothing matches, the current row stays where it is.
    const int row = m_texts.findFirst(condition.sql, condition.values);
    if (row >= 0)
        m_texts.setCurrentRow(row);
}

void TranslationForm::showList(const ListQuery &query)
{
    if (const std::optional<QString> failure = writeEdits()) {
        unsavedEdit(*failure);
        return;
    }
    m_texts.setRecordSource(query.sql, query.values);
    m_texts.refresh();
}

std::optional<QString> TranslationForm::writeEdits()
{
    m_grid->finishEditing();
    try {
        m_texts.writePendingRows();
        return std::nullopt;
    } catch (const platform::Failure &failure) {
        return failure.description();
    }
}

bool TranslationForm::mayQuit()
{
    const std::optional<QString> failure = writeEdits();
    return !failure ||
           ui::dialogs().message(
               QStringLiteral(
                   "La modification n'a pas pu être enregistrée (%1). Quitter sans l'enregistrer ?")
                   .arg(*failure),
               ui::MessageButtons::YesNo) == ui::Answer::Yes;
}

void TranslationForm::quit()
{
    if (mayQuit())
        ui::endProgram();
}

void TranslationForm::unsavedEdit(const QString &description)
{
    ui::dialogs().message(
        QStringLiteral("La modification n'a pas pu être enregistrée (%1). Le texte saisi est conservé.")
            .arg(description));
}

} // namespace peluvar
