#include "drawing/VectorMarks.h"

#include <GL/gl.h>

void SetPointSize(float devicePixels)
{
    glPointSize(devicePixels);
    glPassThrough(PointSizeFollows);
    glPassThrough(devicePixels);
}

void SetLineWidth(float devicePixels)
{
    glLineWidth(devicePixels);
    glPassThrough(LineWidthFollows);
    glPassThrough(devicePixels);
}

void MarkTraceStart()
{
    glPassThrough(TraceStarts);
}

void MarkTraceEnd()
{
    glPassThrough(TraceEnds);
}

void MarkTraceGap()
{
    glPassThrough(TraceBreaks);
}
