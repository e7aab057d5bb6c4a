#pragma once

#include <QOpenGLWidget>

#include "drawing/LayerCache.h"

class TForm1;

// Everything a frame reads, GL state included. A frame that leaves these as it
// found them would repaint the same picture from the same inputs.
LayerInputs FrameInputs(const TForm1 &form, bool lineSmoothing);

// The GL surface of the picture. It covers the free top-left area at the
// client origin, so its pixel (x, y) is client pixel (x, y); its mouse events
// are the window's own (the panels take theirs).
class TPictureBox : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit TPictureBox(TForm1 *form);

    // Paints a frame at once into the picture's framebuffer and asks the
    // toolkit to show it. A frame that would repeat the one shown, from the
    // same inputs, is skipped: the screen already shows it.
    void RenderNow();
    // The next redraw paints even if nothing it reads has changed.
    void Invalidate();

    long redrawCount = 0;  // redraws asked for
    long frameCount = 0;   // frames painted
    LayerCache layers;

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void PaintFrame();

    TForm1 *form;
    bool frameIsCurrent = false;  // the framebuffer holds the frame of the inputs below
    bool lineSmoothing = false;   // left on by the last frame
    LayerInputs inputsBeforeFrame, inputsAfterFrame;
};
