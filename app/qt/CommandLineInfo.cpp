// The command line, read by Qt's parser and answered in the game's language.
#include "CommandLineInfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

CCommandLineInfo Mistake(const QString& what) {
    return {CCommandLineInfo::Mistake, QString(),
            what + QStringLiteral("\nВижте „zeltaro --help“.")};
}

} // namespace

CCommandLineInfo ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Вземайте предмети от дъската на ред с компютъра; печели четният брой "
        "накрая.\n\nПриема и общите опции на програмите с Qt, например -platform ИМЕ,\n"
        "-style ИМЕ и -reverse (прозорецът отдясно наляво)."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Показва тази помощ."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Показва версията на играта."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(
        QStringLiteral("файл"),
        QStringLiteral("Документ, чието име да носи прозорецът; играта не чете нищо от него. "
                       "След „--“ името му може да започва с тире."),
        QStringLiteral("[файл]"));

    if (!parser.parse(arguments))
        return Mistake(parser.errorText());
    if (parser.isSet(help))
        return {CCommandLineInfo::ShowHelp, QString(), parser.helpText()};
    if (parser.isSet(version)) {
        return {CCommandLineInfo::ShowVersion, QString(),
                QCoreApplication::applicationName() + QLatin1Char(' ') +
                    QCoreApplication::applicationVersion() + QLatin1Char('\n')};
    }
    QStringList files = parser.positionalArguments();
    files.removeAll(QString());
    if (files.size() > 1)
        return Mistake(QStringLiteral("най-много един файл, не %1").arg(files.size()));
    if (files.isEmpty())
        return {};
    return {CCommandLineInfo::FileOpen, files.front(), QString()};
}

bool AsksForTextOnly(int argc, const char* const argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView argument(argv[i]);
        if (argument == "--")
            return false;
        if (argument == "-h" || argument == "--help" || argument == "-v" || argument == "--version")
            return true;
    }
    return false;
}
