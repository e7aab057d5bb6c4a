// Renders a few scenes with the real window and saves the picture area of
// each as a PNG for the user guide, with the formulas window and the menus. Usage: lumetra_screenshots OUTPUT_FOLDER
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "maths/Curves.h"
#include "maths/TypedCurve.h"
#include "window/DocumentWindow.h"
#include "window/FormulasDialog.h"
#include "window/MainWindow.h"
#include "window/PictureExport.h"
#include "window/controls/Adapters.h"

namespace {

struct Shot {
    std::string file;
    std::function<void(MainWindow &)> set;
    bool wholeWindow = false;  // the picture and the panels, not the picture alone
};

// Types into a field and presses its button, as a user would.
void Enter(QLineEdit *field, const char *text, QPushButton *button)
{
    field->setText(QString::fromLatin1(text));
    button->click();
}

void SetPedalPoint(MainWindow &form, const char *x, const char *y)
{
    form.pedalXEdit->setText(QString::fromLatin1(x));
    Enter(form.pedalYEdit, y, form.pedalPointSetButton);
}

// Chooses a curve from the list as a user would, which gives it its range.
void ChooseCurve(MainWindow &form, int index)
{
    form.curveList->setCurrentIndex(index);
    emit form.curveList->activated(index);
}

// Shows a typed curve as if the user had just entered it in the dialog.
void ShowTypedCurve(MainWindow &form, const TypedCurveText &text)
{
    form.typedCurves = {BuildTypedCurve(text).curve};
    form.FillCurveList();
    ChooseCurve(form, CurveCount());
}

constexpr float TwoPi = 6.2831854820251465f;

// A relative of the pedal curve with its construction at t = 1: which curve,
// from which P, in the plane given.
struct RelativeShot {
    const char *id;
    int curve;
    const char *x, *y;
};

void ShowRelative(MainWindow &form, const RelativeShot &shot, bool minkowski)
{
    ChooseCurve(form, shot.curve);
    SetPedalPoint(form, shot.x, shot.y);
    form.findChild<QCheckBox *>(QString::fromLatin1(shot.id) + QStringLiteral("Check"))->click();
    form.tangentNormalCheck->click();
    Enter(form.selectedTEdit, "1", form.selectedPointSetButton);
    if (minkowski)
        form.minkowskiCheck->click();
}

}  // namespace

// The program's window under its menu bar with the View menu open: the
// window and the menu are grabbed each and put together where they are.
bool SaveMenus(const QString &path)
{
    DocumentWindow window;
    window.Form()->tickTimer->stop();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    SetPedalPoint(*window.Form(), "0.6", "0.2");
    QAction *viewEntry = window.menuBar()->actions().value(2);
    QMenu *view = viewEntry->menu();
    view->popup(window.menuBar()->mapToGlobal(window.menuBar()->actionGeometry(viewEntry).bottomLeft()));
    if (!QTest::qWaitForWindowExposed(view))
        return false;
    QImage picture = window.grab().toImage();
    QPainter painter(&picture);
    painter.drawImage(view->pos() - window.mapToGlobal(QPoint(0, 0)), view->grab().toImage());
    painter.end();
    view->close();
    SavePicture(picture, path);
    std::printf("%s\n", qPrintable(path));
    return true;
}

int main(int argc, char **argv)
{
    QLocale::setDefault(QLocale::c());  // "0.5" in the fields below
    // The pictures neither show nor change the user's remembered curves.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    std::vector<Shot> shots = {
        {"circle-pedal.png", [](MainWindow &f) { SetPedalPoint(f, "0.6", "0.2"); }},
        {"minkowski-markers.png",
         [](MainWindow &f) {
             SetPedalPoint(f, "0.3", "0");
             f.minkowskiCheck->click();
         }},
        {"construction.png",
         [](MainWindow &f) {
             ChooseCurve(f, 1);
             SetPedalPoint(f, "0.5", "0.5");
             f.tangentNormalCheck->click();
             Enter(f.selectedTEdit, "1", f.selectedPointSetButton);
         }},
        {"singular-tangent.png",
         [](MainWindow &f) {
             ChooseCurve(f, 4);
             SetPedalPoint(f, "0.5", "1");
             f.selectedPointCheck->click();
             f.singularTangentsCheck->click();
             Enter(f.selectedTEdit, "0", f.selectedPointSetButton);
         }},
        {"explore.png",
         [](MainWindow &f) {
             ChooseCurve(f, 1);
             SetPedalPoint(f, "0.5", "0.5");
             f.minkowskiCheck->click();
             f.tangentNormalCheck->click();
             Enter(f.selectedTEdit, "0.7", f.selectedPointSetButton);
             // Two notches in about a point right of the centre, the pointer resting there.
             f.PictureWheel(520, 180, 2);
             f.PointerMoved(520, 180);
         },
         true},
        {"typed-euclidean.png",
         [](MainWindow &f) {
             ShowTypedCurve(f, {TypedKind::Parametric, "1.5*cos(t)-0.5*cos(3*t)", "1.5*sin(t)-0.5*sin(3*t)", 0, TwoPi});
             SetPedalPoint(f, "1", "0.5");
             f.tangentNormalCheck->click();
             Enter(f.selectedTEdit, "1.2", f.selectedPointSetButton);
         }},
        {"typed-minkowski.png",
         [](MainWindow &f) {
             ShowTypedCurve(f, {TypedKind::Parametric, "cos(t)^3", "sin(t)^3", 0, TwoPi});
             SetPedalPoint(f, "0.2", "0.1");
             f.minkowskiCheck->click();
         }},
    };
    const RelativeShot relatives[] = {{"contrapedal", 1, "0.5", "0.5"}, {"orthotomic", 0, "1", "0"},
                                      {"catacaustic", 0, "1", "0"},     {"negativePedal", 0, "0.5", "0"},
                                      {"evolute", 1, "0.5", "0.5"},     {"iteratedPedal", 0, "1", "0"}};
    for (const RelativeShot &relative : relatives) {
        for (const bool minkowski : {false, true}) {
            shots.push_back({std::string(relative.id) + (minkowski ? "-minkowski.png" : "-euclidean.png"),
                             [relative, minkowski](MainWindow &f) { ShowRelative(f, relative, minkowski); }});
        }
    }
    for (const Shot &shot : shots) {
        MainWindow form;
        form.tickTimer->stop();
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            return 1;
        shot.set(form);
        form.Redraw();
        const QString path = folder.filePath(QString::fromStdString(shot.file));
        SavePicture(shot.wholeWindow ? form.grab().toImage() : CurrentPicture(form), path);
        std::printf("%s\n", qPrintable(path));
    }
    // The formulas window, with the implicit equations asked for: the circle's
    // cardioid in the Euclidean plane, the hyperbola and its evolute in the Minkowski plane.
    const struct {
        const char *file;
        int curve;
        const char *x, *y;
        bool minkowski;
    } formulas[] = {{"formulas-euclidean.png", 0, "1", "0", false}, {"formulas-minkowski.png", 3, "0.5", "0", true}};
    for (const auto &shot : formulas) {
        MainWindow form;
        form.tickTimer->stop();
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            return 1;
        ChooseCurve(form, shot.curve);
        SetPedalPoint(form, shot.x, shot.y);
        if (shot.minkowski) {
            form.minkowskiCheck->click();
            form.findChild<QCheckBox *>(QStringLiteral("evoluteCheck"))->click();
        }
        FormulasDialog dialog(&form, form.scene, form.CaptureSession());
        dialog.program = QString::fromLocal8Bit(LUMETRA_PROGRAM);
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog))
            return 1;
        for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
            if (button->text() == QStringLiteral("Implicit equations"))
                button->click();
        }
        const QString path = folder.filePath(QString::fromLatin1(shot.file));
        SavePicture(dialog.grab().toImage(), path);
        std::printf("%s\n", qPrintable(path));
    }
    return SaveMenus(folder.filePath(QStringLiteral("menus.png"))) ? 0 : 1;
}
