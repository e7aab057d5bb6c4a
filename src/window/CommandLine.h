#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include "maths/FormulaPrinter.h"
#include "window/AnimationExport.h"

// What the command line asks for:
//   lumetra [FILE.lumetra]
//   lumetra --export OUT.png|svg|pdf [--size WxH] FILE.lumetra
//   lumetra --export-animation OUT.mp4|webm|gif [--size WxH] [--seconds S] [--fps N]
//           [--move-pedal-to X,Y] FILE.lumetra
//   lumetra --formulas [--implicit] [--format text|latex|mathematica|sympy|all] FILE.lumetra
//   lumetra --help | --version
struct CommandLine {
    QString session;           // empty: start at the initial values
    QString exportPath;        // not empty: write the picture and exit
    QSize size;                // the exported picture's size; empty: the session's
    QString animationPath;     // not empty: write the animation film and exit
    AnimationPlan animation;   // its length, frame rate and whether P moves
    bool formulas = false;     // print the session's exact formulas and exit
    bool implicit = false;     // ... and their implicit equations
    bool everyFormat = false;  // ... in each of the four forms, a form feed line after each
    FormulaFormat format = FormulaFormat::Text;
    QString problem;  // not empty: the one-line reason the line is refused
};

// --help and --version print and exit here, as a command line expects.
CommandLine ReadCommandLine(const QStringList &arguments);

// Before the application exists: an option needs no display (it writes a
// file, prints, or is refused), so it runs on Qt's offscreen platform unless
// the user chose one.
bool NeedsNoScreen(int argc, char **argv);
