#pragma once

void DrawPedalCurve(float curveIndex);
void DrawPedalConstruction(float curveIndex);
void DrawSingularTangents(float curveIndex);
