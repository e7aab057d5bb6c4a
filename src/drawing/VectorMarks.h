#pragma once

// What feedback does not carry, passed through it by the frame routine
// (outside glBegin/glEnd; on screen the GL ignores them): sizes in device
// pixels, and which points make one dense trace. The sizes are set with
// these, which also mark them, so a size the GL uses is always marked.
void SetPointSize(float devicePixels);
void SetLineWidth(float devicePixels);
void MarkTraceStart();
void MarkTraceEnd();
// Between two points of a trace that do not join.
void MarkTraceGap();

// The codes of the marks, clear of the small numbers other feedback readers
// (gl2ps) pass through; a size follows its code as a second pass-through.
enum VectorMark { PointSizeFollows = 7101, LineWidthFollows, TraceStarts, TraceEnds, TraceBreaks };
