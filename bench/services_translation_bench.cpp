// The launcher's translation runtime on a language of 50,000 translations: one lookup (a hit and a
// miss), the start-up copy into TMP_TRAD, and the translation of a 40-control window. Prints each
// median beside its target.
#include "launcher/services/SharedState.h"
#include "launcher/services/Traduction.h"
#include "platform/Files.h"
#include "storage/CreateDatabase.h"
#include "storage/Database.h"
#include "tests/support/fixtures/SchemaFiles.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/ThreeDButton.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>

namespace
{

constexpr int Translations = 50000;
constexpr int FormControls = 40;

// A data folder with BDLOC.MDB, current while the benchmarks run, and a BDTRAD.MDB of 50,000
// translations ("Texte numéro 00001 du menu" -> "Text number 00001 of the menu", ...).
struct Installation {
    QTemporaryDir folder;
    services::SharedState etat;
    services::Traduction traduction{etat};

    Installation()
    {
        const QString data = folder.filePath(QStringLiteral("SOC1"));
        QDir().mkpath(data);
        storage::createDatabase(data + QStringLiteral("/BDLOC.MDB"),
                                testing_support::schemaText(QStringLiteral("BDLOC.sql")));
        storage::createDatabase(folder.filePath(QStringLiteral("BDTRAD.MDB")),
                                testing_support::schemaText(QStringLiteral("BDTRAD.sql")));
        storage::Database::open(folder.filePath(QStringLiteral("BDTRAD.MDB")))
            .execute(
                QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                               "INSERT INTO TTRAD (T_VALEUR, T_TRAD1) SELECT printf('Texte numéro %05d du "
                               "menu', i), printf('Text number %05d of the menu', i) FROM n"),
                {Translations});
        platform::setCurrentDirectory(data);
        etat.Chemin_BaseTrad = folder.path() + u'/';
        etat.Nom_BaseTrad = QStringLiteral("BDTRAD.MDB");
        load();
    }

    void load()
    {
        etat.RS_TRAD.reset();
        etat.Num_Langue = 1;
        traduction.Init_Traduction();
    }

    void editTranslationDatabase(int edit)
    {
        storage::Database::open(folder.filePath(QStringLiteral("BDTRAD.MDB")))
            .execute(QStringLiteral("UPDATE TTRAD SET T_COMMENTAIRE = ? WHERE T_VALEUR = ?"),
                     {edit, QStringLiteral("Texte numéro 00001 du menu")});
    }

    static Installation &shared()
    {
        static Installation installation;
        return installation;
    }
};

void Lookup(benchmark::State &state, const QString &texte)
{
    Installation &installation = Installation::shared();
    for (auto _ : state)
        benchmark::DoNotOptimize(installation.traduction.TRAD(texte));
}

// The lookups timed, with the name main prints them under. The lower-case miss matters because
// the index sorts ignoring case while texts compare with case.
struct LookupCase {
    const char *name;
    const char *texte;
    const char *what;
};
constexpr LookupCase LookupCases[] = {
    {"Lookup/Hit", "Texte numéro 25000 du menu", "TRAD hit on 50,000 rows"},
    {"Lookup/Miss", "Texte inconnu du menu", "TRAD miss on 50,000 rows"},
    {"Lookup/MissLowerCase", "texte inconnu du menu", "TRAD miss in lower case on 50,000 rows"},
};

// The start after the translation database changed: a real copy of every row. The edit, made
// before the clock runs, changes the file as the translation editor would.
void InitTraduction(benchmark::State &state)
{
    Installation &installation = Installation::shared();
    // An edit that writes what the row already holds changes nothing: each one writes anew.
    static int edits = 0;
    for (auto _ : state) {
        state.PauseTiming();
        installation.editTranslationDatabase(++edits);
        state.ResumeTiming();
        installation.load();
    }
    state.counters["rows"] = static_cast<double>(installation.etat.RS_TRAD->recordCount());
}
BENCHMARK(InitTraduction)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The start with the translation database as the last copy left it: no copy.
void InitTraductionUnchanged(benchmark::State &state)
{
    Installation &installation = Installation::shared();
    installation.load();
    for (auto _ : state)
        installation.load();
    state.counters["rows"] = static_cast<double>(installation.etat.RS_TRAD->recordCount());
}
BENCHMARK(InitTraductionUnchanged)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A window of 40 controls, half labels and half 3-D buttons, every caption a translated text.
struct TranslatedWindow {
    ui::Form form{QStringLiteral("MENUPROD")};

    TranslatedWindow()
    {
        for (int i = 0; i < FormControls; ++i) {
            const QString name = QStringLiteral("CTL_%1").arg(i);
            if (i % 2)
                form.add<ui::Label>(ui::ControlDesign(name));
            else
                form.add<ui::ThreeDButton>(ui::ControlDesign(name));
        }
        reset();
    }

    void reset()
    {
        form.setCaption(QStringLiteral("Texte numéro 00001 du menu"));
        int i = 0;
        for (ui::Control *control : form.controls()) {
            control->setText(
                QStringLiteral("Texte numéro %1 du menu").arg(++i * 1000, 5, 10, QLatin1Char('0')));
            control->setToolTip(
                QStringLiteral("Texte numéro %1 du menu").arg(i * 1000 + 1, 5, 10, QLatin1Char('0')));
        }
    }
};

void TradForm(benchmark::State &state)
{
    Installation &installation = Installation::shared();
    TranslatedWindow window;
    for (auto _ : state) {
        installation.traduction.TRAD_Form(window.form);
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(TradForm)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// Keeps the median of each benchmark so that main can print it beside its target.
class MedianReporter : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> medians;

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            if (run.aggregate_name == "median")
                medians[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

void printAgainstTarget(const MedianReporter &reporter, const std::string &name, const char *what,
                        double target, const char *unit)
{
    const auto found = reporter.medians.find(name);
    if (found == reporter.medians.end())
        return;
    std::printf("%-40s median %10.3f %s   target < %g %s   %s\n", what, found->second, unit, target, unit,
                found->second < target ? "met" : "MISSED");
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QString formerDirectory = platform::currentDirectory();
    for (const LookupCase &lookup : LookupCases)
        benchmark::RegisterBenchmark(lookup.name, Lookup, QString::fromUtf8(lookup.texte))
            ->Unit(benchmark::kMicrosecond)
            ->Repetitions(10)
            ->ReportAggregatesOnly(true);
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const LookupCase &lookup : LookupCases)
        printAgainstTarget(reporter, lookup.name, lookup.what, 5, "us");
    printAgainstTarget(reporter, "InitTraduction", "Init_Traduction copying 50,000 rows", 300, "ms");
    printAgainstTarget(reporter, "TradForm", "TRAD_Form on 40 controls, language 1", 2, "ms");
    benchmark::Shutdown();
    platform::setCurrentDirectory(formerDirectory);
    return 0;
}
