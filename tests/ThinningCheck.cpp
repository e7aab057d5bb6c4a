#include "ThinningCheck.h"

#include <QCheckBox>
#include <algorithm>
#include <sstream>

#include "maths/TypedCurve.h"
#include "window/MainWindow.h"
#include "window/PictureBox.h"
#include "window/controls/Adapters.h"

namespace {

const QRgb TraceColours[] = {qRgb(0, 115, 0), qRgb(255, 0, 0)};

bool Has(const QImage &image, int x, int y, QRgb colour)
{
    return (image.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
}

bool ColourNear(const QImage &image, int x, int y, QRgb colour)
{
    for (int ny = std::max(0, y - 1); ny <= std::min(image.height() - 1, y + 1); ++ny)
        for (int nx = std::max(0, x - 1); nx <= std::min(image.width() - 1, x + 1); ++nx)
            if (Has(image, nx, ny, colour))
                return true;
    return false;
}

}  // namespace

TraceDifference CompareTraces(const QImage &thinned, const QImage &everyPoint)
{
    TraceDifference result;
    for (QRgb colour : TraceColours) {
        long inReference = 0;
        long differing = 0;
        for (int y = 0; y < everyPoint.height(); ++y) {
            for (int x = 0; x < everyPoint.width(); ++x) {
                const bool there = Has(everyPoint, x, y, colour);
                const bool here = Has(thinned, x, y, colour);
                inReference += there;
                if (there == here)
                    continue;
                ++differing;
                if (!ColourNear(there ? thinned : everyPoint, x, y, colour))
                    ++result.strayPixels;
            }
        }
        const double share = inReference ? double(differing) / double(inReference) : (differing ? 1.0 : 0.0);
        result.worstShare = std::max(result.worstShare, share);
    }
    return result;
}

namespace {

QImage FrameWith(MainWindow &form, double thinningPixels)
{
    form.Picture->traceHandling.thinningPixels = thinningPixels;
    form.Picture->layers.enabled = false;
    form.Picture->Invalidate();
    form.Redraw();
    const QImage picture = form.Picture->grabFramebuffer();
    form.Picture->traceHandling = TraceHandling();
    form.Picture->layers.enabled = true;
    return picture;
}

struct View {
    float xMin, xMax, yMin, yMax;
};

}  // namespace

ThinningScan ScanThinning(MainWindow &form, double thinningPixels, bool builtInOnly)
{
    if (!builtInOnly) {
        form.typedCurves = {
            BuildTypedCurve({TypedKind::Parametric, "cos(t)^3", "sin(t)^3", 0, 6.28f}).curve,
            BuildTypedCurve({TypedKind::Polar, "1+2*cos(t)", "", 0, 6.28f}).curve,
            BuildTypedCurve({TypedKind::Graph, "sin(3*x)", "", -3, 3}).curve,
        };
        form.FillCurveList();
    }
    const int curves = builtInOnly ? 10 : 13;
    const View views[] = {{-3, 3, -3, 3}, {-0.25f, 1.25f, -0.5f, 1}, {-8, 8, -8, 8}};
    form.scene.pedalX = 0.5f;
    form.scene.pedalY = -0.25f;
    form.tangentNormalCheck->setChecked(true);
    form.singularTangentsCheck->setChecked(true);
    ThinningScan scan;
    for (int curve = 0; curve < curves; ++curve) {
        form.curveList->setCurrentIndex(curve);
        form.CurveListChange();
        form.scene.track.SetPosition(form.scene.track.min + (form.scene.track.max - form.scene.track.min) / 3);
        for (bool minkowski : {false, true}) {
            form.scene.plane = minkowski ? Plane::Minkowski : Plane::Euclidean;
            for (const View &view : views) {
                form.scene.xMin = view.xMin;
                form.scene.xMax = view.xMax;
                form.scene.yMin = view.yMin;
                form.scene.yMax = view.yMax;
                FrameWith(form, 0);  // the line smoothing a construction leaves on is in both frames
                const TraceDifference d = CompareTraces(FrameWith(form, thinningPixels), FrameWith(form, 0));
                ++scan.scenes;
                std::ostringstream where;
                where << "curve " << curve << (minkowski ? ", Minkowski" : ", Euclidean") << ", view x " << view.xMin
                      << ".." << view.xMax;
                if (d.worstShare > scan.worstShare) {
                    scan.worstShare = d.worstShare;
                    scan.whereWorstShare = where.str();
                }
                if (d.strayPixels > 0)
                    scan.whereStray = where.str();
                scan.strayPixels += d.strayPixels;
            }
        }
    }
    return scan;
}
