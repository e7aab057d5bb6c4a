#include "drawing/GlSetup.h"

#include <GL/gl.h>
#include <GL/glu.h>

void ClearWindow()
{
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glFlush();
}

void SetupProjection(int clientWidth, int clientHeight)
{
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glHint(GL_FOG_HINT, GL_NICEST);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0, clientWidth, clientHeight, 0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void SetupViewport(int clientWidth, int clientHeight, int widgetHeight, double devicePixelRatio)
{
    const double r = devicePixelRatio;
    glViewport(0, int((widgetHeight - clientHeight) * r), int(clientWidth * r), int(clientHeight * r));
}
