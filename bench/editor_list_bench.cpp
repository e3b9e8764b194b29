// The translation editor on a TTRAD of 100,000 rows, listed in French order, which no index
// holds. Targets: the window shown with its first screen of rows under 100 ms, a search and a
// selection refresh under 150 ms, peak memory under 150 MB (the PeakMemory counter, in MB).
#include "platform/Files.h"
#include "storage/CreateDatabase.h"
#include "storage/Database.h"
#include "tests/support/fixtures/SchemaFiles.h"
#include "translation-editor/TranslationForm.h"
#include "ui/Dialogs.h"
#include "ui/Grid.h"
#include "ui/ThreeDButton.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <deque>
#include <sys/resource.h>

namespace
{

constexpr int RowCount = 100000;

// A data folder whose folder table points at itself, with a translation table of RowCount rows;
// the current folder while it lives.
struct EditorData {
    QTemporaryDir folder;
    QString previousFolder = platform::currentDirectory();

    EditorData()
    {
        const QString dbpath = folder.filePath(QStringLiteral("DBPATH.MDB"));
        storage::createDatabase(dbpath, testing_support::schemaText(QStringLiteral("DBPATH.sql")));
        storage::Database::open(dbpath).execute(
            QStringLiteral("INSERT INTO TPATH (TPATH_NUM, TPATH_PROD, TPATH_PATH) VALUES (1, 'TORBSTOC', ?)"),
            {folder.path() + QLatin1Char('/')});
        const QString bdtrad = folder.filePath(QStringLiteral("BDTRAD.MDB"));
        storage::createDatabase(bdtrad, testing_support::schemaText(QStringLiteral("BDTRAD.sql")));
        storage::Database::open(bdtrad).execute(
            QStringLiteral("INSERT INTO TTRAD (T_VALEUR, T_TRAD1, T_TRAD2, T_COMMENTAIRE) "
                           "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                           "SELECT 'Texte français numéro ' || ((i * 7919) % ?), "
                           "CASE WHEN i % 4 = 0 THEN NULL ELSE 'Translated text ' || ((i * 31) % ?) END, "
                           "'Tekst ' || i, 'Commentaire de la ligne ' || i FROM n"),
            {RowCount, RowCount, RowCount});
        platform::setCurrentDirectory(folder.path());
    }
    ~EditorData() { platform::setCurrentDirectory(previousFolder); }
};

// Answers the input boxes from a queue, every message with OK.
class AnsweringDialogs : public ui::Dialogs
{
public:
    AnsweringDialogs() : m_previous(ui::installDialogs(this)) {}
    ~AnsweringDialogs() override { ui::installDialogs(m_previous); }

    void answer(const QString &text) { m_answers.push_back(text); }

    ui::Answer message(const QString &, ui::MessageButtons, const QString &) override
    {
        return ui::Answer::Ok;
    }
    std::optional<QString> input(const QString &, const QString &, const QString &) override
    {
        if (m_answers.empty())
            return std::nullopt;
        QString next = m_answers.front();
        m_answers.pop_front();
        return next;
    }
    void setMousePointer(ui::MousePointer) override {}

private:
    ui::Dialogs *m_previous;
    std::deque<QString> m_answers;
};

EditorData &data()
{
    static EditorData editorData;
    return editorData;
}

// Draws the window as the screen would, so that the rows of the first screen are read.
void drawWindow(peluvar::TranslationForm &form)
{
    benchmark::DoNotOptimize(form.window()->grab());
}

void clickListButton(peluvar::TranslationForm &form, int index)
{
    form.get<ui::ThreeDButton>(QStringLiteral("Cmd_Op_ListeTrad"), index).click();
}

void WindowShownWithFirstScreen(benchmark::State &state)
{
    data();
    AnsweringDialogs dialogs;
    for (auto _ : state) {
        peluvar::TranslationForm form;
        dialogs.answer(QStringLiteral("1"));
        form.show();
        drawWindow(form);
        benchmark::DoNotOptimize(form.grid().maxRows());
        state.PauseTiming();
        form.hide();
        state.ResumeTiming();
    }
}

// The window opened on the data, the language question answered.
struct OpenWindow {
    AnsweringDialogs dialogs;
    peluvar::TranslationForm form;

    explicit OpenWindow(const QString &language)
    {
        data();
        dialogs.answer(language);
        form.show();
    }
};

// Clicks a list button again and again with the same answer, drawing the window after each click.
void timeListButton(benchmark::State &state, OpenWindow &window, int index, const QString &answer)
{
    for (auto _ : state) {
        window.dialogs.answer(answer);
        clickListButton(window.form, index);
        drawWindow(window.form);
    }
}

// A search answer found in no row reads the whole list: the slowest search.
void Search(benchmark::State &state, const QString &answer)
{
    OpenWindow window(QStringLiteral("1"));
    timeListButton(state, window, 1, answer);
    state.counters["ActiveRow"] = window.form.grid().activeRow();
}

void SelectionRefresh(benchmark::State &state, const QString &answer)
{
    OpenWindow window(QStringLiteral("2"));
    timeListButton(state, window, 0, answer);
    state.counters["Rows"] = window.form.grid().maxRows();
}

void PeakMemory(benchmark::State &state)
{
    for (auto _ : state) {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        state.counters["PeakMemory"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    }
}

} // namespace

BENCHMARK(WindowShownWithFirstScreen)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, NoMatch, QStringLiteral("absent de la table"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, LastRows, QStringLiteral("NUMÉRO 99999"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SelectionRefresh, TenThousandRows, QStringLiteral(" Texte français numéro 5"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SelectionRefresh, OneRow, QStringLiteral("Texte français numéro 12345"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SelectionRefresh, EveryRow, QString())->Unit(benchmark::kMillisecond);
// Last, so that it sees the peak of everything before it.
BENCHMARK(PeakMemory)->Iterations(1);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
