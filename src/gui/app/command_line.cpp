#include "gui/app/command_line.h"

#include "core/base/version_line.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

const QString Program = QStringLiteral("brisko7");

QString usage()
{
    return QStringLiteral("Usage: %1 [options] [file]\n"
                          "Programming software for the BRISKO7 CB / 10-metre transceiver.\n"
                          "\n"
                          "Options:\n"
                          "  -h, --help     Show this help and exit.\n"
                          "  -v, --version  Show the version and exit.\n"
                          "\n"
                          "Arguments:\n"
                          "  file           A data file (*.dat) to open at start.\n")
        .arg(Program);
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("file"), QString(), QStringLiteral("[file]"));

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.action = CommandLine::Action::Error;
        result.output = Program + QStringLiteral(": ") + parser.errorText() + QStringLiteral(" (try --help)\n");
        return result;
    }
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::Help;
        result.output = usage();
        return result;
    }
    if (parser.isSet(version)) {
        result.action = CommandLine::Action::Version;
        result.output = QString::fromStdString(VersionLine(Program.toStdString())) + QLatin1Char('\n');
        return result;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        result.action = CommandLine::Action::Error;
        result.output = Program + QStringLiteral(": one data file at most (try --help)\n");
        return result;
    }
    if (!files.isEmpty())
        result.file = QFileInfo(files.front()).absoluteFilePath();
    return result;
}
