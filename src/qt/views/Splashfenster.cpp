// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/views/Splashfenster.h"

#include "app/USplash.h"
#include "qt/views/Ansicht.h"
#include "qt/binding/Bindung.h"

#include <QApplication>
#include <QBoxLayout>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QScreen>
#include <QTimer>

TSplashfenster::TSplashfenster(TFSplash& splash, TFehlerbehandlung& fehler)
    : QFrame(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), Splash(splash),
      BindungFeld(std::make_unique<TBindung>(splash, fehler))
{
    TBindung& b = *BindungFeld;
    TitelFolgen(*this, splash);
    setAttribute(Qt::WA_QuitOnClose, false);
    // It comes and goes while the user starts working in the main window, which keeps the focus.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    QPalette farben = palette();
    farben.setColor(QPalette::Window, Qt::white);
    farben.setColor(QPalette::WindowText, QColor(0x20, 0x20, 0x20));
    setPalette(farben);
    setAutoFillBackground(true);

    auto* name = b.Als<QLabel>("LProgramm");
    QFont gross = name->font();
    gross.setPointSize(22);
    gross.setBold(true);
    name->setFont(gross);
    auto* version = b.Als<QLabel>("LVersion");
    QFont mittel = version->font();
    mittel.setPointSize(10);
    version->setFont(mittel);
    auto* hinweis = b.Als<QLabel>("LHinweis");
    QFont kursiv = hinweis->font();
    kursiv.setItalic(true);
    hinweis->setFont(kursiv);
    auto* symbol = new QLabel;
    symbol->setPixmap(QApplication::windowIcon().pixmap(80, 80));

    auto* ganz = Zeile(
        b,
        {symbol, TAbstand{16}, Spalte(b, {TDehnung{}, "LProgramm", "LVersion", TAbstand{10}, "LHinweis", TDehnung{}})});
    ganz->setContentsMargins(24, 20, 32, 20);
    setLayout(ganz);

    Splash.Sichtbar.Geaendert = [this](bool sichtbar) { SichtbarGeaendert(sichtbar); };
}

TSplashfenster::~TSplashfenster()
{
    Splash.Sichtbar.Geaendert = nullptr;
}

void TSplashfenster::SichtbarGeaendert(bool sichtbar)
{
    if (!sichtbar) {
        hide();
        return;
    }
    adjustSize();
    if (const QScreen* schirm = QGuiApplication::primaryScreen())
        move(schirm->availableGeometry().center() - rect().center());
    show();
    raise();
    // The model opens it while the main window comes up, which a window manager may stack
    // above it; once the main window is up, the splash comes to the front again.
    QTimer::singleShot(0, this, [this] {
        if (isVisible())
            raise();
    });
}
