#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "drawing/Frame.h"
#include "drawing/LayerCache.h"
#include "drawing/PictureSurface.h"

// What the picture asks of its owner: it knows nothing of the window and is
// handed these when the window wires it up.
struct PictureCalls {
    std::function<void()> created;  // the GL context exists
    std::function<void()> resized;
    std::function<ClientSize()> clientSize;  // the projection's size, not the widget's
    std::function<void()> renderScene;       // one frame into the current context
    // Everything a frame is drawn from: the same inputs, the same picture.
    std::function<LayerInputs()> frameInputs;
    std::function<void(int x, int y)> mouseDown;
    std::function<void(int x, int y, bool leftButtonHeld)> mouseMove;
    std::function<void(int x, int y)> pointerMoved;  // with or without a button
    std::function<void()> pointerLeft;
    std::function<void(int x, int y, double notches)> wheel;  // notches away from the user
    std::function<void(int dx, int dy)> pan;                  // pixels the pointer moved
    std::function<void(int dx, int dy)> arrowKey;             // pixels P moves
    std::function<void()> resetView;
};

// The picture. It covers the free top-left area at the client origin, so its
// pixel (x, y) is client pixel (x, y); its mouse events are the window's own
// (the panels take theirs). Frames are drawn with OpenGL into a framebuffer
// of its own and shown as an image among the other widgets.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent);
    ~PictureBox() override;

    // The picture's OpenGL context exists (from its first showing on).
    bool isValid() const;
    // The context current with the picture's framebuffer bound, and released.
    void makeCurrent();
    void doneCurrent();
    unsigned defaultFramebufferObject() const;
    // The frame as the screen shows it, painted first if it is not current.
    QImage grabFramebuffer();

    PictureCalls calls;

    // Paints a frame at once into the picture's framebuffer and asks the
    // toolkit to show it. A frame that would repeat the one shown, from the
    // same inputs, is skipped: the screen already shows it.
    void RenderNow();
    // The next redraw paints even if nothing it reads has changed.
    void Invalidate();

    long redrawCount = 0;  // redraws asked for
    long frameCount = 0;   // frames painted
    LayerCache layers;
    // How trace points reach the GL (the same pixels either way); changed only to measure.
    TraceHandling traceHandling;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    bool Initialize();
    // A framebuffer of the picture's device pixels, made anew when they change.
    void FitFramebuffer();
    void PaintFrame();
    // The same in the picture's context, into a framebuffer of its size.
    void PaintFrameNow();
    QImage ShownPixels();

    PictureSurface surface;
    QPoint lastPointer;           // for panning: where the previous move left the pointer
    bool noContext = false;       // the display offers no OpenGL context of our format
    bool frameIsCurrent = false;  // the framebuffer holds the frame of the inputs below
    LayerInputs inputsOfFrame;    // of the frame the framebuffer holds
};
