#pragma once

void TraceCurve(float curveIndex);
void DrawLightlikePoints(float curveIndex);
