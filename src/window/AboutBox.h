#pragma once

#include <QString>

class QWidget;

// "About Lumetra": the version, the licence and the libraries it is built on.
QString AboutText();
void ShowAboutBox(QWidget *parent);
