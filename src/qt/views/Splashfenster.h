// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

#include <memory>

class TBindung;
class TFehlerbehandlung;
class TFSplash;

// The splash window on screen: a small frameless window in the middle of the screen with the
// program's symbol and name, the version text and a line under them. It shows when its model
// does (the main window's first showing) and goes when the model closes it (the timer's second
// tick); a click does not close it.
class TSplashfenster final : public QFrame {
public:
    TSplashfenster(TFSplash& splash, TFehlerbehandlung& fehler);
    ~TSplashfenster() override;
    TSplashfenster(const TSplashfenster&) = delete;
    TSplashfenster& operator=(const TSplashfenster&) = delete;

    TBindung& Bindung() const { return *BindungFeld; }

private:
    void SichtbarGeaendert(bool sichtbar);

    TFSplash& Splash;
    std::unique_ptr<TBindung> BindungFeld;
};
