#pragma once

#include <QOpenGLWidget>

class TForm1;

// The GL surface of the picture. It covers the free top-left area at the
// client origin, so its pixel (x, y) is client pixel (x, y); its mouse events
// are the window's own (the panels take theirs).
class TPictureBox : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit TPictureBox(TForm1 *form);

    // Frames painted so far (a redraw is one more).
    long frameCount = 0;

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    TForm1 *form;
};
