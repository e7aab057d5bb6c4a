// Vector pictures: the SVG and PDF files, read back as pixels, show the
// screen's frame; they stay small, and a failed write keeps the old file.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

#include "WindowFixture.h"
#include "maths/Curves.h"
#include "maths/TypedCurve.h"
#include "window/PictureBox.h"
#include "window/PictureExport.h"
#include "window/controls/Adapters.h"

namespace {

using VectorPictureWindow = WindowTest;

const Rgb Green{0, 115, 0};
const Rgb Red{255, 0, 0};

// Whether at least half of the pixel is `colour`: the SVG renderer smooths
// edges, blending a colour with the white, grey or black beneath, which
// shifts it along the grey axis only.
bool Covered(const QImage &image, int x, int y, Rgb colour)
{
    const QColor p = image.pixelColor(x, y);
    const double pm = (p.red() + p.green() + p.blue()) / 3.0, cm = (colour.r + colour.g + colour.b) / 3.0;
    const double pc[3] = {p.red() - pm, p.green() - pm, p.blue() - pm};
    const double cc[3] = {colour.r - cm, colour.g - cm, colour.b - cm};
    const double share =
        (pc[0] * cc[0] + pc[1] * cc[1] + pc[2] * cc[2]) / (cc[0] * cc[0] + cc[1] * cc[1] + cc[2] * cc[2]);
    const double rest = std::hypot(pc[0] - share * cc[0], pc[1] - share * cc[1], pc[2] - share * cc[2]);
    return share >= 0.5 && rest < 12;
}

// The share of `colour`'s pixels in `a` with that colour within 1.5 pixels
// (the 3 x 3 around it) in `b`; -1 when `a` has none.
double Matched(const QImage &a, const QImage &b, Rgb colour)
{
    int all = 0, matched = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (!Covered(a, x, y, colour))
                continue;
            ++all;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx)
                    near = b.rect().contains(x + dx, y + dy) && Covered(b, x + dx, y + dy, colour);
            matched += near;
        }
    return all < 50 ? -1 : double(matched) / all;
}

struct Files {
    QImage svg, pdf;
    qint64 svgBytes, pdfBytes;
};

// The window's frame written as SVG and PDF, and both read back as pixels:
// the SVG by Qt's renderer, the PDF by Poppler at one pixel per point.
Files WrittenAndRead(MainWindow &form, const QTemporaryDir &dir, QSize size)
{
    const VectorPicture picture = CurrentVectorPicture(form);
    const QString svgPath = dir.filePath(QStringLiteral("picture.svg")), pdfPath = dir.filePath("picture.pdf");
    SaveVectorPicture(picture, svgPath, PictureFormat::Svg);
    SaveVectorPicture(picture, pdfPath, PictureFormat::Pdf);
    Files files{QImage(size, QImage::Format_RGB32), QImage(), QFile(svgPath).size(), QFile(pdfPath).size()};
    QSvgRenderer svg(svgPath);
    EXPECT_EQ(svg.viewBoxF(), QRectF(QPointF(0, 0), size));
    QPainter painter(&files.svg);
    svg.render(&painter);
    painter.end();
    const QString png = dir.filePath(QStringLiteral("pdf"));
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {"-r", "72", "-png", "-singlefile", "-aa", "no", "-aaVector", "no", pdfPath, png});
    files.pdf = QImage(png + QStringLiteral(".png"));
    EXPECT_EQ(files.pdf.size(), size);
    return files;
}

void ExpectSamePicture(const QImage &screen, const Files &files)
{
    for (const Rgb colour : {Green, Red}) {
        for (const QImage *file : {&files.svg, &files.pdf}) {
            SCOPED_TRACE(file == &files.svg ? "svg" : "pdf");
            SCOPED_TRACE(colour == Green ? "green" : "red");
            EXPECT_GE(Matched(screen, *file, colour), 0.95) << colour;
            EXPECT_GE(Matched(*file, screen, colour), 0.95) << colour;
        }
    }
}

// Root writes anywhere: while this lives, a write is attempted as an ordinary user.
struct OrdinaryUser {
    bool root = geteuid() == 0 && seteuid(65534) == 0;
    ~OrdinaryUser()
    {
        if (root && seteuid(0) != 0)
            std::abort();
    }
};

void ShowMinkowski(MainWindow &form, bool minkowski)
{
    form.minkowskiCheck->setChecked(minkowski);
    form.euclideanCheck->setChecked(!minkowski);
    minkowski ? form.MinkowskiClick() : form.EuclideanClick();
}

}  // namespace

TEST_F(VectorPictureWindow, FilesShowTheScreensFrameAndStaySmall)
{
    QTemporaryDir dir;
    const QImage initial = Grab();
    const Files circle = WrittenAndRead(*form, dir, initial.size());
    EXPECT_LT(circle.svgBytes, 500 * 1024);
    EXPECT_LT(circle.pdfBytes, 500 * 1024);
    // The capture draws nothing into the picture on screen.
    EXPECT_EQ(form->Picture->grabFramebuffer(), initial);

    // P off the centre, so that the circle's own trace shows beside its pedal curve.
    form->scene.pedalX = 0.5f;
    form->scene.pedalY = 0.25f;
    for (const bool minkowski : {false, true}) {
        SCOPED_TRACE(minkowski ? "circle, Minkowski" : "circle, Euclidean");
        ShowMinkowski(*form, minkowski);
        ExpectSamePicture(Grab(), WrittenAndRead(*form, dir, initial.size()));
    }
    form->curveList->setCurrentIndex(form->curveList->findText(QStringLiteral("Parabola")));
    form->CurveListChange();
    form->tangentNormalCheck->setChecked(true);
    form->selectedPointCheck->setChecked(true);
    for (const bool minkowski : {false, true}) {
        SCOPED_TRACE(minkowski ? "parabola, Minkowski" : "parabola, Euclidean");
        ShowMinkowski(*form, minkowski);
        const Files parabola = WrittenAndRead(*form, dir, initial.size());
        ExpectSamePicture(Grab(), parabola);
        EXPECT_LT(parabola.svgBytes, 1024 * 1024);
        EXPECT_LT(parabola.pdfBytes, 1024 * 1024);
    }
}

// A trace sampled far beyond its range is hundreds of thousands of lone
// dots: the files stay small and still show the screen's picture.
TEST_F(VectorPictureWindow, LoneDotsStayUnderFiveMegabytes)
{
    QTemporaryDir dir;
    const QSize size = Grab().size();
    form->scene.pedalX = 0.5f;
    form->scene.pedalY = 0.25f;
    form->scene.tMin = -5e8f;
    form->scene.tMax = 5e8f;
    const Files circle = WrittenAndRead(*form, dir, size);
    ExpectSamePicture(Grab(), circle);
    EXPECT_LT(circle.svgBytes, 1024 * 1024);
    EXPECT_LT(circle.pdfBytes, 1024 * 1024);

    // A Lissajous figure whose 400,000 samples are each far from the next:
    // a cloud of dots over the whole view.
    form->typedCurves = {BuildTypedCurve({TypedKind::Parametric, "2*sin(1000*t)", "2*sin(1001*t)", 0, 100}).curve};
    form->FillCurveList();
    form->curveList->setCurrentIndex(CurveCount());
    form->CurveListChange();
    const Files cloud = WrittenAndRead(*form, dir, size);
    EXPECT_LT(cloud.svgBytes, 5 * 1024 * 1024);
    EXPECT_LT(cloud.pdfBytes, 5 * 1024 * 1024);
    ExpectSamePicture(Grab(), cloud);
}

TEST_F(VectorPictureWindow, TracesBreakWhereATypedCurveHasNoPoint)
{
    // A parabola without its vertex: the tiny term has no value for |t| < 0.01,
    // a gap 1.4 pixels wide, narrower than the distance at which neighbouring
    // samples part anyway. The feet from P = (0, 1) keep to the side of their t.
    const TypedCurveText text{TypedKind::Parametric, "t", "t^2+sqrt(t^2-0.0001)/100000", -1.5, 1.5};
    form->typedCurves = {BuildTypedCurve(text).curve};
    form->FillCurveList();
    form->curveList->setCurrentIndex(CurveCount());
    form->CurveListChange();
    form->scene.pedalY = 1;
    const QImage screen = Grab();
    const VectorPicture picture = CurrentVectorPicture(*form);
    int traces = 0;
    for (const VectorShape &shape : picture.shapes) {
        if (!shape.round || shape.kind != VectorShape::Kind::Stroke)
            continue;
        ++traces;
        // Neither the curve nor its pedal curve joins the two sides of x = 0.
        for (const std::vector<VectorPoint> &part : shape.parts)
            for (const VectorPoint &p : part)
                ASSERT_EQ(p.x < InitialOriginX, part.front().x < InitialOriginX) << p.x << " " << p.y;
    }
    EXPECT_EQ(traces, 2);
    QTemporaryDir dir;
    ExpectSamePicture(screen, WrittenAndRead(*form, dir, screen.size()));
}

TEST(PictureFormat, TheExtensionDecidesElseTheChosenFilter)
{
    const QString svgFilter = QStringLiteral("SVG pictures (*.svg)"),
                  pdfFilter = QStringLiteral("PDF documents (*.pdf)");
    ASSERT_TRUE(PictureFilters().contains(svgFilter) && PictureFilters().contains(pdfFilter));
    EXPECT_EQ(PictureFormatOf("a.SVG"), PictureFormat::Svg);
    EXPECT_EQ(PictureFormatOf("a.pdf", svgFilter), PictureFormat::Pdf);
    EXPECT_EQ(PictureFormatOf("a.png", pdfFilter), PictureFormat::Png);
    EXPECT_EQ(PictureFormatOf("dir.svg/a", pdfFilter), PictureFormat::Pdf);
    EXPECT_EQ(PictureFormatOf("a.v2", svgFilter), PictureFormat::Svg);
    EXPECT_EQ(PictureFormatOf("a"), PictureFormat::Png);
    EXPECT_EQ(PicturePathFor("a", PictureFormat::Pdf), "a.pdf");
    EXPECT_EQ(PicturePathFor("a.v2", PictureFormat::Svg), "a.v2.svg");
    EXPECT_EQ(PicturePathFor("a.Pdf", PictureFormat::Pdf), "a.Pdf");
}

TEST(VectorPictureFile, AFailedWriteThrowsAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    VectorPicture picture;
    picture.width = 20;
    picture.height = 10;
    picture.shapes.push_back({VectorShape::Kind::Fill, {255, 0, 0}, 0, false, {{{1, 1}, {9, 1}, {9, 9}}}});
    for (const PictureFormat format : {PictureFormat::Svg, PictureFormat::Pdf}) {
        const QString path = dir.filePath(format == PictureFormat::Svg ? "old.svg" : "old.pdf");
        SaveVectorPicture(picture, path, format);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray old = file.readAll();
        file.close();
        ASSERT_GT(old.size(), 100);
        ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
        picture.width = 30;
        std::string failure;
        {
            const OrdinaryUser user;
            try {
                SaveVectorPicture(picture, path, format);
            } catch (const std::runtime_error &e) {
                failure = e.what();
            }
        }
        EXPECT_TRUE(QString::fromStdString(failure).contains(path)) << failure;
        chmod(QFile::encodeName(dir.path()).constData(), 0755);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), old);
    }
}
