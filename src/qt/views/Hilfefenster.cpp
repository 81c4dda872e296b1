// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/views/Hilfefenster.h"

#include "app/Hilfe.h"
#include "qt/views/Ansicht.h"

#include <QApplication>
#include <QBoxLayout>
#include <QFile>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

#include <system_error>

THilfefenster::THilfefenster(std::filesystem::path handbuch) : Handbuch(std::move(handbuch))
{
    setWindowTitle(QStringLiteral("Zifferbogen – Hilfe"));
    // Closing the main window ends the program, whether the manual is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);

    BrowserFeld = new QTextBrowser;
    BrowserFeld->setOpenExternalLinks(false);
    // The windows' controls use a small fixed font; the manual is read, so it gets a larger one.
    QFont schrift = BrowserFeld->font();
    schrift.setPointSize(10);
    BrowserFeld->setFont(schrift);

    auto* zurueck = new QPushButton(QStringLiteral("Zurück"));
    auto* vorwaerts = new QPushButton(QStringLiteral("Vorwärts"));
    auto* inhalt = new QPushButton(QStringLiteral("Inhalt"));
    zurueck->setEnabled(false);
    vorwaerts->setEnabled(false);
    connect(zurueck, &QPushButton::clicked, BrowserFeld, &QTextBrowser::backward);
    connect(vorwaerts, &QPushButton::clicked, BrowserFeld, &QTextBrowser::forward);
    connect(inhalt, &QPushButton::clicked, this, [this] { Zeigen(HilfeStart); });
    connect(BrowserFeld, &QTextBrowser::backwardAvailable, zurueck, &QPushButton::setEnabled);
    connect(BrowserFeld, &QTextBrowser::forwardAvailable, vorwaerts, &QPushButton::setEnabled);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(zurueck);
    knoepfe->addWidget(vorwaerts);
    knoepfe->addWidget(inhalt);
    knoepfe->addStretch(1);
    auto* ganz = new QVBoxLayout(this);
    ganz->setContentsMargins(6, 6, 6, 6);
    ganz->addLayout(knoepfe);
    ganz->addWidget(BrowserFeld, 1);
    resize(ImSchirm(*this, QSize(760, 640)));

    qApp->installEventFilter(this);
}

THilfefenster::~THilfefenster()
{
    qApp->removeEventFilter(this);
}

void THilfefenster::Zeigen(const std::string& anker)
{
    // Shown first, so that the page is laid out at the window's width when it scrolls to the
    // part.
    show();
    raise();
    activateWindow();
    std::error_code kein;
    const QString datei = QFile::decodeName(Handbuch.c_str());
    if (Handbuch.empty() || !std::filesystem::is_regular_file(Handbuch, kein)) {
        BrowserFeld->setHtml(
            QStringLiteral("<h2>Das Handbuch fehlt</h2><p>Zifferbogen sucht sein Handbuch in der Datei</p>"
                           "<p><b>%1</b></p><p>und findet es dort nicht. Es gehört zum Programm; wird das Programm "
                           "neu installiert, ist es wieder da.</p>")
                .arg(datei.toHtmlEscaped()));
        return;
    }
    QUrl ziel = QUrl::fromLocalFile(datei);
    ziel.setFragment(QString::fromStdString(anker));
    BrowserFeld->setSource(ziel);
}

void THilfefenster::Anmelden(QWidget& fenster, std::function<std::string()> anker)
{
    Fenster.emplace_back(&fenster, std::move(anker));
}

bool THilfefenster::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() != QEvent::KeyPress || !objekt->isWidgetType()
        || static_cast<const QKeyEvent*>(ereignis)->key() != Qt::Key_F1)
        return false;
    const QWidget* fenster = static_cast<QWidget*>(objekt)->window();
    for (const auto& [gemeldet, anker] : Fenster) {
        if (gemeldet == fenster) {
            Zeigen(anker());
            return true;
        }
    }
    return false;
}
