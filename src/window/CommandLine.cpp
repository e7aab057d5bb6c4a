#include "window/CommandLine.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <cstring>

#include "model/Session.h"

namespace {

QSize SizeFrom(const QString &text, QString &problem)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    const int width = match.hasMatch() ? match.captured(1).toInt() : 0;
    const int height = match.hasMatch() ? match.captured(2).toInt() : 0;
    if (width < 1 || height < 1 || width > MaxSessionWindowSide || height > MaxSessionWindowSide) {
        problem = QStringLiteral("--size takes WIDTHxHEIGHT in pixels, each from 1 to %1, e.g. 800x450")
                      .arg(MaxSessionWindowSide);
        return {};
    }
    return {width, height};
}

void Check(CommandLine &line, const QStringList &files, bool sized)
{
    if (files.size() > 1)
        line.problem = QStringLiteral("one session file at a time");
    else if (!line.exportPath.isEmpty() && files.isEmpty())
        line.problem = QStringLiteral("--export needs a session file to draw");
    else if (sized && line.exportPath.isEmpty())
        line.problem = QStringLiteral("--size is for --export only");
}

}  // namespace

CommandLine ReadCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Plane curves and their pedal curves, in the Euclidean and the "
                                                    "Minkowski plane."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption exportOption(QStringLiteral("export"),
                                          QStringLiteral("Write the session's picture (PNG, SVG or PDF, by the "
                                                         "file's extension) and exit without a window."),
                                          QStringLiteral("OUT"));
    const QCommandLineOption sizeOption(QStringLiteral("size"),
                                        QStringLiteral("The exported picture's size; by default the size the "
                                                       "session's window gives it."),
                                        QStringLiteral("WxH"));
    parser.addOptions({exportOption, sizeOption});
    parser.addPositionalArgument(QStringLiteral("FILE.lumetra"), QStringLiteral("A session to open."));

    CommandLine line;
    if (!parser.parse(arguments)) {
        line.problem = parser.errorText();
        return line;
    }
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    line.exportPath = parser.value(exportOption);
    if (parser.isSet(sizeOption))
        line.size = SizeFrom(parser.value(sizeOption), line.problem);
    const QStringList files = parser.positionalArguments();
    if (line.problem.isEmpty())
        Check(line, files, parser.isSet(sizeOption));
    if (!files.isEmpty())
        line.session = files.first();
    return line;
}

bool NeedsNoScreen(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const char *argument = argv[i];
        if (std::strcmp(argument, "--export") == 0 || std::strncmp(argument, "--export=", 9) == 0 ||
            std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "--help-all") == 0 ||
            std::strcmp(argument, "-h") == 0 || std::strcmp(argument, "--version") == 0 ||
            std::strcmp(argument, "-v") == 0)
            return true;
    }
    return false;
}
