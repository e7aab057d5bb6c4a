#pragma once

#include <QByteArray>
#include <QString>

// Outline font: 256 display lists from fontListBase. Lists 0..254 draw the
// Windows-1252 glyph of that code as filled polygons in em units (front face
// at z = 0, back face at z = -0.2, side walls between) and then translate by
// the glyph's advance; list 255 and codes without a glyph are empty.
// An empty face name means "Times New Roman". Needs a current GL context.
// A rebuild passes the base of the lists it released, so the names are used
// again (the GL hands out ever new names otherwise); 0 asks for new names.
unsigned BuildOutlineFont(const QString &faceName, unsigned reuseBase = 0);

// Releases the 256 lists of a font built by BuildOutlineFont (0 is ignored).
void DeleteOutlineFont(unsigned fontListBase);

// Draws the bytes of text with the font lists at the current model-view
// origin; the glyph advances move the matrix, so callers push and pop it.
void PrintText(unsigned fontListBase, const QByteArray &text);

// Label text as the font's bytes (Windows-1252).
QByteArray TextBytes(const QString &text);
