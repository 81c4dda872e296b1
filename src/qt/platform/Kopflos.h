// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGuiApplication>

#include <memory>

// Starts Qt for a run without a window (the command line's outputs): fonts, PDF and SVG
// need a QGuiApplication, but no display. Qt's platform becomes "offscreen" unless
// QT_QPA_PLATFORM already names one (an empty value names none), so a caller can still
// choose. argc must outlive the application, as Qt keeps a reference to it.
std::unique_ptr<QGuiApplication> KopflosStarten(int& argc, char** argv);

// Whether the desktop program can open its windows: a display is named (DISPLAY or
// WAYLAND_DISPLAY), or QT_QPA_PLATFORM names a platform, which is then the caller's choice.
// Asked before a QApplication exists, which without a display would end the program with an
// abort and advice to reinstall it.
bool FensterMoeglich();
