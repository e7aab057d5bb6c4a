// A layer added to the window's list as a new feature would add it: one entry
// and its routine. The frame draws it, the layer cache keeps it with the
// curve, the session saves it, and its toggle (a box in the group of layers,
// the window having no designed box for it) turns it on and off.
#include <GL/gl.h>
#include <QCheckBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "drawing/PlotArea.h"
#include "drawing/Primitives.h"
#include "window/PictureBox.h"
#include "window/SessionFile.h"

namespace {

int marksDrawn = 0;

// A cyan dot at (1, 1).
void DrawMark(const Frame &frame)
{
    ++marksDrawn;
    glColor3f(0, 1, 1);
    DrawPoint(frame.at, 1, 1);
}

Layer MarkLayer()
{
    return {"mark", QStringLiteral("Draw the mark"), {0, 1, 1}, LayerReuse::WithCurve, nullptr, nullptr, DrawMark};
}

// The list with the mark among the layers kept with the curve.
LayerList WithMark(LayerList layers)
{
    layers.insert(layers.begin() + 1, MarkLayer());
    return layers;
}

QCheckBox *BoxOf(const MainWindow &form, const QString &text)
{
    for (QCheckBox *box : form.findChildren<QCheckBox *>()) {
        if (box->text() == text)
            return box;
    }
    return nullptr;
}

using AddedLayer = WindowTest;

TEST_F(AddedLayer, AnAddedLayerIsDrawnKeptSavedAndToggled)
{
    form->SetLayers(WithMark(form->Layers()));
    const WindowPoint mark = WorldToWindow(form->Geometry(), 1, 1);
    const Rgb cyan{0, 255, 255};
    EXPECT_FALSE(ColourNear(Grab(), mark.x, mark.y, cyan)) << "its toggle starts off";

    QCheckBox *toggle = BoxOf(*form, QStringLiteral("Draw the mark"));
    ASSERT_NE(toggle, nullptr);
    toggle->click();
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_TRUE(ColourNear(Grab(), mark.x, mark.y, cyan));

    // Moving P keeps the layers beneath the pedal curve: the mark is restored, not drawn.
    const int drawn = marksDrawn;
    form->MovePedalPointBy(10, 0);
    EXPECT_EQ(marksDrawn, drawn);
    EXPECT_TRUE(ColourNear(Grab(), mark.x, mark.y, cyan));

    // The session names it; a window with the same list opens it shown,
    // one without it refuses the file.
    const Session saved = form->CaptureSession();
    EXPECT_EQ(saved.shown.count("mark"), 1u);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("mark.lumetra"));
    WriteSessionFile(saved, path);
    form = std::make_unique<MainWindow>();
    form->tickTimer->stop();
    form->show();
    EXPECT_THROW(ReadSessionFile(path, ToggleIds(form->Layers())), std::runtime_error);
    form->SetLayers(WithMark(form->Layers()));
    form->OpenSessionFile(path);
    EXPECT_TRUE(BoxOf(*form, QStringLiteral("Draw the mark"))->isChecked());
    EXPECT_TRUE(ColourNear(Grab(), mark.x, mark.y, cyan));

    BoxOf(*form, QStringLiteral("Draw the mark"))->click();
    EXPECT_FALSE(ColourNear(Grab(), mark.x, mark.y, cyan));
}

}  // namespace
