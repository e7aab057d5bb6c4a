#pragma once

void DrawGrid();
void DrawAxes();
