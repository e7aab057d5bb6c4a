// Sessions: a saved window comes back pixel for pixel; a bad file is named
// with its problem and changes nothing; the command line writes the same
// picture without a window.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cfloat>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "VideoDecode.h"
#include "WindowFixture.h"
#include "controls/ControlTestSupport.h"
#include "drawing/ViewZoom.h"
#include "maths/Curves.h"
#include "maths/TypedCurve.h"
#include "model/NumberText.h"
#include "window/ExceptionBox.h"
#include "window/PictureExport.h"
#include "window/SessionFile.h"
#include "window/TypedCurveSettings.h"
#include "window/controls/Adapters.h"

namespace {

class SessionWindow : public WindowTest {
protected:
    // A window afresh, as a new run of the program starts.
    void Restart()
    {
        form.reset();
        form = std::make_unique<MainWindow>();
        form->tickTimer->stop();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    // An opened typed curve is remembered: the other suites expect none.
    void TearDown() override
    {
        SaveTypedCurves({});
        WindowTest::TearDown();
    }
    QString PathOf(const char *name) const { return folder.filePath(QString::fromLatin1(name)); }
    void Write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir folder;
};

std::vector<std::string> Toggles()
{
    return ToggleIds(StandardLayers());
}

void Check(QCheckBox *box, bool on, void (MainWindow::*handler)(), MainWindow &form)
{
    box->setChecked(on);
    (form.*handler)();
}

// Three windows unlike the start and each other: every control of a session moved.
void ParabolaWithConstruction(MainWindow &form)
{
    form.curveList->setCurrentIndex(2);
    form.CurveListChange();
    Check(form.minkowskiCheck, true, &MainWindow::MinkowskiClick, form);
    form.tangentNormalCheck->setChecked(true);
    form.singularTangentsCheck->setChecked(true);
    form.SetViewWindow(ViewWindow{-2.5f, 4, -3, 2.5f});
    form.scene.pedalX = 0.75f;
    form.scene.pedalY = -1.25f;
    form.scene.track.SetPosition(137);
    form.Redraw();
}

void TypedAstroidAnimated(MainWindow &form)
{
    TypedCurveText astroid{TypedKind::Parametric, "cos(t)^3", "sin(t)^3", 0, 6.2831854820251465f};
    form.typedCurves = {BuildTypedCurve(astroid).curve};
    form.FillCurveList();
    form.curveList->setCurrentIndex(CurveCount());
    form.CurveListChange();
    form.gridCheck->click();
    form.animationCheck->setChecked(true);
    for (int tick = 0; tick < 3; ++tick)
        form.TimerTick();
    form.scene.animationForward = false;
    form.scene.pedalX = 0.5f;
    form.Redraw();
}

void SmallerWindowEllipse(MainWindow &form)
{
    form.resize(900, 640);
    form.curveList->setCurrentIndex(1);
    form.CurveListChange();
    form.selectedPointCheck->setChecked(true);
    form.scene.tStep = 0.25f;
    form.StepSpinnerClick(true);
}

TEST_F(SessionWindow, OpeningASavedSessionShowsTheSamePictureAndControls)
{
    for (void (*prepare)(MainWindow &) : {&ParabolaWithConstruction, &TypedAstroidAnimated, &SmallerWindowEllipse}) {
        Restart();
        prepare(*form);
        const QImage saved = Grab();
        const Session session = form->CaptureSession();
        WriteSessionFile(session, PathOf("a.lumetra"));

        Restart();
        form->OpenSessionFile(PathOf("a.lumetra"));
        EXPECT_TRUE(form->CaptureSession() == session);
        EXPECT_EQ(form->curveList->currentText(), QString::fromLatin1(form->SelectedCurve()->name));
        EXPECT_EQ(form->stepEdit->text(), FloatToStr(session.step));
        const QImage opened = Grab();
        ASSERT_EQ(opened.size(), saved.size());
        EXPECT_TRUE(opened == saved) << form->curveList->currentText().toStdString();
    }
}

// Format 2 leaves nothing out that a file needs: every field may be left out
// and keeps the window's start value, shown layers are listed by name and
// numbers are written as the shortest text of their value. Format 1 files
// open as they did.
TEST_F(SessionWindow, FormatTwoAndFormatOneFilesOpen)
{
    const Session start = form->CaptureSession();
    EXPECT_TRUE(start == Session()) << "the start values are a session's defaults";
    const QByteArray text = SessionJson(start);
    EXPECT_TRUE(text.contains("\"step\": 0.05,")) << text.toStdString();
    EXPECT_TRUE(text.contains("\"show\": [\"grid\"]")) << text.toStdString();

    // The largest float's shortest text, 3.40282347e+38, lies beyond it: the
    // writer takes a longer one that does not (found by the fuzzer).
    Session largest;
    largest.selectedT = FLT_MAX;
    largest.pedalX = -FLT_MAX;
    const SessionReading back = ReadSessionJson(SessionJson(largest), Toggles());
    EXPECT_TRUE(back.problem.isEmpty() && back.session == largest) << back.problem.toStdString();

    const SessionReading bare = ReadSessionJson("{\"format\": \"Lumetra session\", \"version\": 2}", Toggles());
    EXPECT_TRUE(bare.problem.isEmpty()) << bare.problem.toStdString();
    EXPECT_TRUE(bare.session == start);
    const SessionReading some = ReadSessionJson("{\"format\": \"Lumetra session\", \"version\": 2, \"pedalPoint\": "
                                                "{\"y\": 0.3}, \"show\": [\"singularTangents\"]}",
                                                Toggles());
    ASSERT_TRUE(some.problem.isEmpty()) << some.problem.toStdString();
    EXPECT_EQ(some.session.pedalY, 0.3f);
    EXPECT_EQ(some.session.pedalX, 0.0f);
    EXPECT_EQ(some.session.shown, std::set<std::string>{"singularTangents"});

    // The example session shipped with the guide is format 1.
    form->OpenSessionFile(QStringLiteral(LUMETRA_SOURCE_DIR "/docs/examples/cubic-minkowski.lumetra"));
    const Session opened = form->CaptureSession();
    EXPECT_TRUE(opened.minkowski && opened.shown.count("singularTangents") && opened.shown.count("tangentAndNormal") &&
                opened.shown.count("grid"));
    EXPECT_EQ(opened.pedalY, 1.0f);
    EXPECT_EQ(opened.curve.name, QStringLiteral("Graph of y=x^3"));
    const SessionReading again = ReadSessionJson(SessionJson(opened), Toggles());
    EXPECT_TRUE(again.problem.isEmpty() && again.session == opened);
}

// Whatever range the controls accept is saved and opened again, the track
// bar's saturated ends included.
TEST_F(SessionWindow, ExtremeRangesAndViewsComeBack)
{
    const char *ranges[][2] = {{"-5e8", "5e8"}, {"-3.4e38", "3.4e38"}, {"-1e-30", "1e-30"}};
    // The zoom's narrowest view, and a wide one at one pixel per unit.
    const float halfViews[] = {0.00005f, 200, 1};
    for (int k = 0; k < 3; ++k) {
        Restart();
        form->tMinEdit->setText(QString::fromLatin1(ranges[k][0]));
        form->tMaxEdit->setText(QString::fromLatin1(ranges[k][1]));
        form->RangeSetClick();
        form->scene.xMin = form->scene.yMin = -halfViews[k];
        form->scene.xMax = form->scene.yMax = halfViews[k];
        const Session session = form->CaptureSession();
        WriteSessionFile(session, PathOf("a.lumetra"));
        Restart();
        EXPECT_EQ(CloseFailureBoxes([&] { form->OpenSessionFile(PathOf("a.lumetra")); }), 0) << ranges[k][0];
        EXPECT_TRUE(form->CaptureSession() == session) << ranges[k][0];
    }
}

// Each line replaces one piece of a good session's text.
struct BadFile {
    const char *replace, *by, *problem;
};
const BadFile BadFiles[] = {
    {"{", "[", "not JSON"},
    {"\"version\": 2", "\"version\": 3", "made by a newer version of Lumetra"},
    {"\"version\": 2", "\"version\": 0", "its session format 0 is unknown"},
    {"\"xMin\": -3", "\"xMin\": \"-3\"", "'view.xMin' is not a number"},
    {"\"xMin\": -3", "\"xMin\": 1e39", "'view.xMin' is beyond single precision"},
    {"\"xMin\": -3", "\"xMin\": NaN", "not JSON"},
    {"\"show\": [", "\"zoom\": 2, \"show\": [", "the field 'zoom' is unknown"},
    {"\"show\": [", "\"show\": [\"zoom\", ", "'show' names no layer \"zoom\""},
    {"\"width\": 1091", "\"width\": 0", "'window.width' is not a whole number"},
    {"\"builtIn\": \"Circle\"", "\"builtIn\": \"Spiral\"", "no built-in curve 'Spiral'"},
    {"\"builtIn\": \"Circle\"", "\"kind\": \"polar\", \"first\": \"1+cos(t\", \"tMin\": 0, \"tMax\": 1",
     "the curve's first formula does not read: missing ')'"},
    {"\"builtIn\": \"Circle\"", "\"kind\": \"polar\", \"first\": \"1+\\u0000t\", \"tMin\": 0, \"tMax\": 1",
     "unexpected control character U+0000 at 3"},
    {"\"xMin\": -3", "\"xMin\": 3", "'view' is no window: xMin 3 is not below xMax 3"},
    {"\"yMax\": 3", "\"yMax\": -4", "'view' is no window: yMin -3 is not below yMax -4"},
    {"\"xMin\": -3", "\"xMin\": -3e4", "its view of 30003 x 6 units leaves less than one pixel per unit"},
    {"\"width\": 1091", "\"width\": 16384", "'window.width' is not a whole number from 1 to 4096"},
    {"\"window\": {", "\"window\": {\"height\": 2400, \"width\": 2400}, \"old\": {", "larger than a screen"},
    {"\"xMin\": -3", "\"xMin\": -3, \"xMin\": -2", "'view.xMin' appears twice"},
    {"\"plane\"", "\"plane\": \"Minkowski\", \"plane\"", "'plane' appears twice"},
};

TEST_F(SessionWindow, ABadFileIsNamedWithItsProblemAndChangesNothing)
{
    const Session before = form->CaptureSession();
    const QImage picture = Grab();
    const QString path = PathOf("bad.lumetra");

    auto expectRefused = [&](const QString &problem) {
        try {
            ReadSessionFile(path, Toggles());
            ADD_FAILURE() << "accepted: " << problem.toStdString();
        } catch (const std::runtime_error &failure) {
            const QString message = QString::fromLocal8Bit(failure.what());
            EXPECT_TRUE(message.contains(path) && message.contains(problem)) << message.toStdString();
        }
        const long boxes = ShownExceptionCount();
        EXPECT_EQ(CloseFailureBoxes([&] { RunHandler([&] { form->OpenSessionFile(path); }); }), 1);
        EXPECT_EQ(ShownExceptionCount(), boxes + 1);
        EXPECT_TRUE(form->CaptureSession() == before);
        EXPECT_TRUE(Grab() == picture);
    };
    for (const BadFile &bad : BadFiles) {
        QByteArray text = SessionJson(before);
        ASSERT_TRUE(text.contains(bad.replace)) << bad.replace;
        Write(path, text.replace(text.indexOf(bad.replace), qsizetype(strlen(bad.replace)), bad.by));
        expectRefused(QString::fromLatin1(bad.problem));
    }
    Write(path, QByteArray(MaxSessionBytes + 1, ' '));
    expectRefused(QStringLiteral("larger than 1 MB"));
    QFile::remove(path);
    expectRefused(QStringLiteral("No such file"));
    ASSERT_EQ(mkfifo(path.toLocal8Bit().constData(), 0600), 0);  // opening it would wait for a writer
    expectRefused(QStringLiteral("not a plain file"));
}

TEST_F(SessionWindow, AFailedSaveLeavesTheOldFileAndSavingReplacesItWhole)
{
    const QString path = PathOf("kept.lumetra");
    Write(path, QByteArray(4000, 'x'));  // longer than any session
    EXPECT_THROW(WriteSessionFile(form->CaptureSession(), path + QStringLiteral("/inside")), std::runtime_error);
    // A session that could not be opened again (an empty view window) is not written.
    Session empty = form->CaptureSession();
    empty.xMin = empty.xMax;
    EXPECT_THROW(WriteSessionFile(empty, path), std::runtime_error);
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray(4000, 'x'));
    kept.close();
    WriteSessionFile(form->CaptureSession(), path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), SessionJson(form->CaptureSession()));
}

// The program itself, with no display at all.
struct ProgramRun {
    int status;
    QByteArray errors;
    QByteArray output;
};
ProgramRun Lumetra(const QStringList &arguments, const QString &home)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(LUMETRA_PROGRAM), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardError(),
            process.readAllStandardOutput()};
}

// The session's animation filmed with no display; a bad number is refused in words.
TEST_F(SessionWindow, TheCommandLineFilmsTheAnimation)
{
    const QString example = QStringLiteral(LUMETRA_SOURCE_DIR "/docs/examples/cubic-minkowski.lumetra");
    const QString film = PathOf("film.gif");
    const ProgramRun run = Lumetra({QStringLiteral("--export-animation"), film, QStringLiteral("--size"),
                                    QStringLiteral("80x60"), QStringLiteral("--seconds"), QStringLiteral("0.4"),
                                    QStringLiteral("--fps"), QStringLiteral("10"), example},
                                   folder.path());
    EXPECT_EQ(run.status, 0) << run.errors.constData();
    const std::vector<QImage> frames = DecodedFrames(film);
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_EQ(frames[0].size(), QSize(80, 60));

    const ProgramRun refused = Lumetra({QStringLiteral("--export-animation"), PathOf("bad.gif"),
                                        QStringLiteral("--move-pedal-to"), QStringLiteral("1,a"), example},
                                       folder.path());
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.errors.contains("--move-pedal-to takes X,Y")) << refused.errors.constData();
    EXPECT_FALSE(QFile::exists(PathOf("bad.gif")));
}

// The exact formulas of a session, printed with no display: y = x^3 in the
// Minkowski plane from P = (0.5, 1), as Mathematica reads them.
TEST_F(SessionWindow, TheCommandLinePrintsTheSessionsFormulas)
{
    const QString example = QStringLiteral(LUMETRA_SOURCE_DIR "/docs/examples/cubic-minkowski.lumetra");
    const ProgramRun run =
        Lumetra({QStringLiteral("--formulas"), QStringLiteral("--format"), QStringLiteral("mathematica"), example},
                folder.path());
    EXPECT_EQ(run.status, 0) << run.errors.toStdString();
    EXPECT_EQ(run.output.toStdString(), "curve: x = t, y = t^3\n"
                                        "pedal curve: x = (12*t^5 + 6*t^2 - 1)/(18*t^4 - 2), "
                                        "y = (18*t^4 + 4*t^3 - 3*t^2)/(18*t^4 - 2)\n");
    const ProgramRun bad = Lumetra(
        {QStringLiteral("--formulas"), QStringLiteral("--format"), QStringLiteral("maple"), example}, folder.path());
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.errors.toStdString(), "lumetra: --format takes text, latex, mathematica, sympy or all\n");
    // An option the program does not know is refused in words, display or not.
    const ProgramRun unknown = Lumetra({QStringLiteral("--formula"), example}, folder.path());
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.errors.toStdString(), "lumetra: Unknown option 'formula'.\n");
}

// A typed session gives the same picture in every run of the program. The
// second curve is zero but for rounding, so any change in the order of its
// sum shows; a foot where Q is huge would show it too.
TEST_F(SessionWindow, ATypedSessionExportsTheSameInEveryRun)
{
    const TypedCurveText curves[] = {{TypedKind::Parametric, "t", "exp(exp(exp(t)))", -3, 3},
                                     {TypedKind::Parametric, "t", "10^15*(2*cosh(t)-exp(t)-exp(-t))", -3, 3},
                                     {TypedKind::Polar, "1+2*cos(3*t)-sin(t)^2", "", 0, 6.28f}};
    for (const TypedCurveText &curve : curves) {
        form->typedCurves = {BuildTypedCurve(curve).curve};
        form->FillCurveList();
        form->curveList->setCurrentIndex(CurveCount());
        form->CurveListChange();
        WriteSessionFile(form->CaptureSession(), PathOf("t.lumetra"));
        QByteArray first;
        for (int run = 0; run < 5; ++run) {
            ASSERT_EQ(Lumetra({QStringLiteral("--export"), PathOf("t.png"), PathOf("t.lumetra")}, folder.path()).status,
                      0);
            QFile png(PathOf("t.png"));
            ASSERT_TRUE(png.open(QIODevice::ReadOnly));
            const QByteArray bytes = png.readAll();
            if (run == 0)
                first = bytes;
            EXPECT_TRUE(bytes == first) << curve.second << ", run " << run;
        }
    }
}

TEST_F(SessionWindow, TheCommandLineWritesTheWindowsPictureWithoutADisplay)
{
    ParabolaWithConstruction(*form);
    const QImage shown = Grab();
    WriteSessionFile(form->CaptureSession(), PathOf("p.lumetra"));

    const ProgramRun png = Lumetra({QStringLiteral("--export"), PathOf("p.png"), PathOf("p.lumetra")}, folder.path());
    EXPECT_EQ(png.status, 0) << png.errors.toStdString();
    EXPECT_TRUE(png.errors.isEmpty()) << png.errors.toStdString();
    const QImage exported(PathOf("p.png"));
    ASSERT_EQ(exported.size(), shown.size());
    EXPECT_TRUE(exported.convertToFormat(QImage::Format_RGB32) == shown.convertToFormat(QImage::Format_RGB32));

    // The vector pictures are the window's own frame, shape for shape.
    const QByteArray windowSvg = SvgDocument(CurrentVectorPicture(*form));
    for (const char *name : {"p.svg", "p.pdf"}) {
        const ProgramRun vector =
            Lumetra({QStringLiteral("--export"), PathOf(name), PathOf("p.lumetra")}, folder.path());
        EXPECT_EQ(vector.status, 0) << vector.errors.toStdString();
    }
    QFile svg(PathOf("p.svg")), pdf(PathOf("p.pdf"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly) && pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll() == windowSvg);
    EXPECT_TRUE(pdf.read(5) == "%PDF-");

    const ProgramRun sized = Lumetra({QStringLiteral("--export"), PathOf("s.png"), QStringLiteral("--size"),
                                      QStringLiteral("320x200"), PathOf("p.lumetra")},
                                     folder.path());
    EXPECT_EQ(sized.status, 0);
    EXPECT_EQ(QImage(PathOf("s.png")).size(), QSize(320, 200));

    for (const QStringList &refused :
         {QStringList{QStringLiteral("--export"), PathOf("q.png"), PathOf("none.lumetra")},
          QStringList{QStringLiteral("--export"), PathOf("q.gif"), PathOf("p.lumetra")},
          QStringList{QStringLiteral("--export"), PathOf("q.png"), QStringLiteral("--size"), QStringLiteral("0x5"),
                      PathOf("p.lumetra")},
          // Less than a pixel per unit, and larger than a figure needs.
          QStringList{QStringLiteral("--export"), PathOf("q.png"), QStringLiteral("--size"), QStringLiteral("5x5"),
                      PathOf("p.lumetra")},
          QStringList{QStringLiteral("--export"), PathOf("q.png"), QStringLiteral("--size"), QStringLiteral("5000x100"),
                      PathOf("p.lumetra")}}) {
        const ProgramRun run = Lumetra(refused, folder.path());
        EXPECT_NE(run.status, 0);
        EXPECT_EQ(run.errors.count('\n'), 1) << run.errors.toStdString();
        EXPECT_FALSE(QFile::exists(PathOf("q.png")));
    }
}

}  // namespace
