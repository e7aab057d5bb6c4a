#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "drawing/StandardLayers.h"
#include "maths/ExactFormulas.h"
#include "maths/ImplicitEquation.h"
#include "window/CommandLine.h"
#include "window/DocumentWindow.h"
#include "window/ExceptionBox.h"
#include "window/MainWindow.h"
#include "window/SessionExport.h"
#include "window/SessionFile.h"

namespace {

// Failures that escape an event handler are shown and the program goes on.
class Application : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception &failure) {
            ShowException(QString::fromLocal8Bit(failure.what()));
        } catch (...) {
            ShowException(QString());
        }
        return false;
    }
};

int Refused(const QString &reason)
{
    std::fprintf(stderr, "lumetra: %s\n", qPrintable(reason));
    return EXIT_FAILURE;
}

// The toolkit's notes about a window that is never shown are no concern of
// a command that writes a file.
void Quiet(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "lumetra: %s\n", qPrintable(message));
}

// The picture of a session, written without a window: status 0, or 1 with
// the reason on one line.
int Export(const CommandLine &line)
{
    try {
        ExportPicture(ReadSessionFile(line.session, ToggleIds(StandardLayers())), line.exportPath, line.size);
        return EXIT_SUCCESS;
    } catch (const std::exception &failure) {
        return Refused(QString::fromLocal8Bit(failure.what()));
    }
}

// The session's animation as a film, without a window; a terminal sees each
// frame counted on one line.
int ExportFilm(const CommandLine &line)
{
    try {
        const OpenedSession opened = ReadSessionFile(line.session, ToggleIds(StandardLayers()));
        AnimationPlan plan = line.animation;
        plan.size = line.size.isEmpty() ? PictureSizeOf(opened.session) : line.size;
        const bool terminal = isatty(fileno(stderr));
        ExportAnimation(SceneOfOpened(opened), plan, line.animationPath, [terminal](int done, int total) {
            if (terminal)
                std::fprintf(stderr, "\rlumetra: frame %d of %d%s", done, total, done == total ? "\n" : "");
            return true;
        });
        return EXIT_SUCCESS;
    } catch (const std::exception &failure) {
        return Refused(QString::fromLocal8Bit(failure.what()));
    }
}

// The session's exact formulas on standard output: status 0, or 1 with the reason.
int PrintFormulas(const CommandLine &line)
{
    try {
        const Scene scene = SceneOfOpened(ReadSessionFile(line.session, ToggleIds(StandardLayers())));
        const std::vector<ExactFormula> formulas = SceneFormulas(scene);
        const std::vector<ImplicitEquation> equations =
            line.implicit ? ImplicitEquations(formulas) : std::vector<ImplicitEquation>();
        const std::vector<FormulaFormat> formats =
            line.everyFormat ? std::vector<FormulaFormat>{FormulaFormat::Text, FormulaFormat::Latex,
                                                          FormulaFormat::Mathematica, FormulaFormat::Sympy}
                             : std::vector<FormulaFormat>{line.format};
        for (const FormulaFormat format : formats) {
            std::string text = PrintedFormulas(formulas, format);
            if (line.implicit)
                text += PrintedEquations(formulas, equations, format);
            std::fputs(text.c_str(), stdout);
            if (line.everyFormat)
                std::fputs("\f\n", stdout);
        }
        return EXIT_SUCCESS;
    } catch (const std::exception &failure) {
        return Refused(QString::fromLocal8Bit(failure.what()));
    }
}

int ShowWindow(const CommandLine &line)
{
    return ExitStatusOf([&line] {
        DocumentWindow window;
        window.show();
        // A session that cannot be read is reported; the window keeps its start values.
        if (!line.session.isEmpty())
            RunHandler([&] { window.Form()->OpenDocument(line.session); });
        return Application::exec();
    });
}

}  // namespace

int main(int argc, char **argv)
{
    if (NeedsNoScreen(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(Quiet);
    }
    try {
        Application application(argc, argv);
        Application::setApplicationName(QStringLiteral("Lumetra"));
        Application::setApplicationVersion(QStringLiteral(LUMETRA_VERSION));
        // Ties the window to its menu entry and icon where the desktop asks (Wayland).
        Application::setDesktopFileName(QStringLiteral("lumetra"));
        const CommandLine line = ReadCommandLine(Application::arguments());
        if (!line.problem.isEmpty())
            return Refused(line.problem);
        if (line.formulas)
            return PrintFormulas(line);
        if (!line.animationPath.isEmpty())
            return ExportFilm(line);
        return line.exportPath.isEmpty() ? ShowWindow(line) : Export(line);
    } catch (...) {
        // Without an application object no box can be shown.
        return EXIT_FAILURE;
    }
}
