#include "platform/Failure.h"
#include "tools/sample-installation/ReplaceInstallation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

// Lays out the sample installation:
// make-sample-installation [--language N] [--replace] [--schema FOLDER] ROOT PROGRAMS
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Lays out a sample TORBPROD installation."));
    parser.addHelpOption();
    const QCommandLineOption language(
        QStringLiteral("language"),
        QStringLiteral("Interface language line (1 or 2) of the data folder's torbprod.ini."),
        QStringLiteral("number"));
    const QCommandLineOption replace(QStringLiteral("replace"),
                                     QStringLiteral("Replace an installation already in ROOT."));
    const QCommandLineOption schema(QStringLiteral("schema"), QStringLiteral("Folder of the schema files."),
                                    QStringLiteral("folder"));
    parser.addOptions({language, replace, schema});
    parser.addPositionalArgument(QStringLiteral("root"),
                                 QStringLiteral("Folder to lay the installation out in."));
    parser.addPositionalArgument(QStringLiteral("programs"), QStringLiteral("Folder of the built programs."));
    parser.process(app);
    if (parser.positionalArguments().size() != 2)
        parser.showHelp(2);

    tools::SampleOptions options;
    if (parser.isSet(language))
        options.language = parser.value(language).toInt();
    options.schemaFolder = parser.value(schema);
    const QString root = parser.positionalArguments().at(0);
    const QString programs = parser.positionalArguments().at(1);
    QTextStream out(stdout);
    QTextStream err(stderr);
    try {
        const tools::InstallationFolders folders =
            parser.isSet(replace) ? tools::replaceSampleInstallation(root, programs, options)
                                  : tools::makeSampleInstallation(root, programs, options);
        out << "programs  " << folders.programs << "\n"
            << "data      " << folders.data << "\n"
            << "databases " << folders.databases << "\n"
            << "templates " << folders.templates << "\n";
        return 0;
    } catch (const platform::Failure &failure) {
        err << failure.description() << "\n";
        return 1;
    }
}
