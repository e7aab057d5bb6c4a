#include "window/CommandLine.h"

#include <QCommandLineParser>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <iterator>
#include <string_view>

#include "model/Session.h"

namespace {

QSize SizeFrom(const QString &text, QString &problem)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    const int width = match.hasMatch() ? match.captured(1).toInt() : 0;
    const int height = match.hasMatch() ? match.captured(2).toInt() : 0;
    if (width < 1 || height < 1 || width > MaxExportSide || height > MaxExportSide) {
        problem =
            QStringLiteral("--size takes WIDTHxHEIGHT in pixels, each from 1 to %1, e.g. 800x450").arg(MaxExportSide);
        return {};
    }
    return {width, height};
}

// Numbers on the command line are written with "." in every locale, as in formulas.
bool NumberFrom(const QString &text, double &value)
{
    bool ok = false;
    value = QLocale::c().toDouble(text, &ok);
    return ok && std::isfinite(value) && std::isfinite(float(value));
}

void ReadAnimation(const QCommandLineParser &parser, const QCommandLineOption &seconds, const QCommandLineOption &fps,
                   const QCommandLineOption &pedalTo, CommandLine &line)
{
    AnimationPlan &plan = line.animation;
    if (parser.isSet(seconds) && (!NumberFrom(parser.value(seconds), plan.seconds) || plan.seconds <= 0 ||
                                  plan.seconds > LongestAnimationSeconds))
        line.problem =
            QStringLiteral("--seconds takes a length from 0 to %1, e.g. 10 or 2.5").arg(LongestAnimationSeconds);
    bool ok = true;
    if (parser.isSet(fps))
        plan.framesPerSecond = parser.value(fps).toInt(&ok);
    if (!ok || plan.framesPerSecond < 1 || plan.framesPerSecond > FastestAnimationFps)
        line.problem =
            QStringLiteral("--fps takes a whole number of frames per second from 1 to %1").arg(FastestAnimationFps);
    if (!parser.isSet(pedalTo))
        return;
    const QStringList xy = parser.value(pedalTo).split(QLatin1Char(','));
    std::pair<double, double> to;
    if (xy.size() != 2 || !NumberFrom(xy[0].trimmed(), to.first) || !NumberFrom(xy[1].trimmed(), to.second))
        line.problem = QStringLiteral("--move-pedal-to takes X,Y with a decimal point, e.g. 1.5,-0.25");
    plan.pedalTo = to;
}

bool FormatFrom(const QString &text, FormulaFormat &format)
{
    const std::pair<const char *, FormulaFormat> formats[] = {{"text", FormulaFormat::Text},
                                                              {"latex", FormulaFormat::Latex},
                                                              {"mathematica", FormulaFormat::Mathematica},
                                                              {"sympy", FormulaFormat::Sympy}};
    for (const auto &[name, value] : formats) {
        if (text == QLatin1String(name)) {
            format = value;
            return true;
        }
    }
    return false;
}

void Check(CommandLine &line, const QStringList &files, bool sized)
{
    if (files.size() > 1)
        line.problem = QStringLiteral("one session file at a time");
    else if (int(line.formulas) + int(!line.exportPath.isEmpty()) + int(!line.animationPath.isEmpty()) > 1)
        line.problem = QStringLiteral("--formulas, --export and --export-animation one at a time");
    else if (line.formulas && files.isEmpty())
        line.problem = QStringLiteral("--formulas needs a session file to write out");
    else if (!line.exportPath.isEmpty() && files.isEmpty())
        line.problem = QStringLiteral("--export needs a session file to draw");
    else if (!line.animationPath.isEmpty() && files.isEmpty())
        line.problem = QStringLiteral("--export-animation needs a session file to film");
    else if (sized && line.exportPath.isEmpty() && line.animationPath.isEmpty())
        line.problem = QStringLiteral("--size is for --export and --export-animation only");
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
    const QCommandLineOption formulasOption(QStringLiteral("formulas"),
                                            QStringLiteral("Print the exact formulas of the session's curve, its "
                                                           "pedal curve and each relative shown, and exit."));
    const QCommandLineOption formatOption(QStringLiteral("format"),
                                          QStringLiteral("The formulas' form: text (the default), latex, "
                                                         "mathematica, sympy, or all four, each followed by a "
                                                         "form feed line."),
                                          QStringLiteral("FORM"));
    const QCommandLineOption implicitOption(QStringLiteral("implicit"),
                                            QStringLiteral("With --formulas: their implicit equations too."));
    const QCommandLineOption animationOption(
        QStringLiteral("export-animation"),
        QStringLiteral("Write the session's animation as a film (MP4, WebM or GIF, by the file's extension) and exit "
                       "without a window: the selected point running over the range as in the window, or the "
                       "pedal point moving with --move-pedal-to."),
        QStringLiteral("OUT"));
    const QCommandLineOption secondsOption(QStringLiteral("seconds"),
                                           QStringLiteral("The animation's length in seconds (10 by default)."),
                                           QStringLiteral("S"));
    const QCommandLineOption fpsOption(QStringLiteral("fps"),
                                       QStringLiteral("The animation's frames per second (25 by default)."),
                                       QStringLiteral("N"));
    const QCommandLineOption pedalToOption(QStringLiteral("move-pedal-to"),
                                           QStringLiteral("The animation moves the pedal point in a straight line "
                                                          "from the session's to this point."),
                                           QStringLiteral("X,Y"));
    parser.addOptions({exportOption, sizeOption, formulasOption, formatOption, implicitOption, animationOption,
                       secondsOption, fpsOption, pedalToOption});
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
    line.animationPath = parser.value(animationOption);
    ReadAnimation(parser, secondsOption, fpsOption, pedalToOption, line);
    if ((parser.isSet(secondsOption) || parser.isSet(fpsOption) || parser.isSet(pedalToOption)) &&
        line.animationPath.isEmpty())
        line.problem = QStringLiteral("--seconds, --fps and --move-pedal-to are for --export-animation only");
    line.formulas = parser.isSet(formulasOption);
    line.implicit = parser.isSet(implicitOption);
    line.everyFormat = parser.value(formatOption) == QLatin1String("all");
    if ((parser.isSet(formatOption) || line.implicit) && !line.formulas)
        line.problem = QStringLiteral("--format and --implicit are for --formulas only");
    else if (parser.isSet(formatOption) && !line.everyFormat && !FormatFrom(parser.value(formatOption), line.format))
        line.problem = QStringLiteral("--format takes text, latex, mathematica, sympy or all");
    const QStringList files = parser.positionalArguments();
    if (line.problem.isEmpty())
        Check(line, files, parser.isSet(sizeOption));
    if (!files.isEmpty())
        line.session = files.first();
    return line;
}

bool NeedsNoScreen(int argc, char **argv)
{
    // The window takes a session file alone: every option either shows no
    // window (--export, --export-animation, --formulas, --help, --version) or is refused, and a
    // refusal is said on the terminal, with or without a display.
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.size() > 1 && argument[0] == '-')
            return true;
    }
    return false;
}
