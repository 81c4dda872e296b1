// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/platform/Druckerdialog.h"

#include "qt/platform/PdfDrucker.h"
#include "qt/platform/Systemdrucker.h"
#include "toolkit/Drucker.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <map>
#include <optional>
#include <string>

namespace {

// The paper of a PDF printer that prints on one of the papers it offers.
std::optional<TPapier> Pdfpapier(const TDrucker* drucker)
{
    const auto* pdf = dynamic_cast<const TPdfDrucker*>(drucker);
    return pdf != nullptr ? pdf->Papier() : std::nullopt;
}

QString Papier(const TDrucker* drucker)
{
    if (const std::optional<TPapier> papier = Pdfpapier(drucker))
        return QString::fromStdString(Papierbeschreibung(*papier));
    const auto* system = dynamic_cast<const TSystemdrucker*>(drucker);
    if (system == nullptr)
        return {};
    const QPageLayout layout = system->Seitenlayout();
    return layout.pageSize().name() + QStringLiteral(", ")
        + (layout.orientation() == QPageLayout::Landscape ? QStringLiteral("Querformat")
                                                          : QStringLiteral("Hochformat"));
}

// The PDF printer's page-setup dialog: one of its papers, upright or across. The radio
// buttons carry the names Qt's page-setup dialog gives its own.
std::optional<TPapier> PdfpapierWaehlen(QWidget* eltern, TPapier papier)
{
    QDialog dialog(eltern);
    dialog.setWindowTitle(QStringLiteral("Papier und Ausrichtung"));
    auto* formate = new QComboBox;
    for (const TPapierformat format : Papierformate()) {
        formate->addItem(QString::fromStdString(std::string(Formatname(format))), static_cast<int>(format));
        if (format == papier.Format)
            formate->setCurrentIndex(formate->count() - 1);
    }
    auto* hoch = new QRadioButton(QStringLiteral("Hochformat"));
    hoch->setObjectName(QStringLiteral("portrait"));
    auto* quer = new QRadioButton(QStringLiteral("Querformat"));
    quer->setObjectName(QStringLiteral("landscape"));
    (papier.Querformat ? quer : hoch)->setChecked(true);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* ausrichtung = new QVBoxLayout;
    ausrichtung->addWidget(hoch);
    ausrichtung->addWidget(quer);
    auto* felder = new QFormLayout;
    felder->addRow(QStringLiteral("Papier:"), formate);
    felder->addRow(QStringLiteral("Ausrichtung:"), ausrichtung);
    auto* spalte = new QVBoxLayout(&dialog);
    spalte->addLayout(felder);
    spalte->addWidget(knoepfe);

    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return TPapier{static_cast<TPapierformat>(formate->currentData().toInt()), quer->isChecked()};
}

} // namespace

std::size_t TQtDruckerdialog::Ausfuehren(const std::vector<TDrucker*>& drucker, std::size_t gewaehlt)
{
    QDialog dialog(Eltern);
    dialog.setWindowTitle(QStringLiteral("Druckereinrichtung"));
    auto* liste = new QComboBox;
    for (const TDrucker* d : drucker)
        liste->addItem(QString::fromStdString(d->Name()));
    liste->setCurrentIndex(static_cast<int>(gewaehlt));
    auto* papier = new QLabel;
    auto* einrichten = new QPushButton(QStringLiteral("Papier und Ausrichtung ..."));
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));

    auto* felder = new QFormLayout;
    felder->addRow(QStringLiteral("Drucker:"), liste);
    felder->addRow(QStringLiteral("Papier:"), papier);
    auto* spalte = new QVBoxLayout(&dialog);
    spalte->addLayout(felder);
    spalte->addWidget(einrichten, 0, Qt::AlignLeft);
    spalte->addStretch(1);
    spalte->addWidget(knoepfe);
    dialog.setMinimumWidth(360);

    const auto gewaehlterDrucker = [&]() -> TDrucker* {
        const int index = liste->currentIndex();
        return index >= 0 && static_cast<std::size_t>(index) < drucker.size() ? drucker[static_cast<std::size_t>(index)]
                                                                              : nullptr;
    };
    const auto zeigen = [&] {
        TDrucker* d = gewaehlterDrucker();
        papier->setText(Papier(d));
        einrichten->setEnabled(dynamic_cast<TSystemdrucker*>(d) != nullptr || Pdfpapier(d).has_value());
        // The PDF printer's name says its paper.
        if (d != nullptr)
            liste->setItemText(liste->currentIndex(), QString::fromStdString(d->Name()));
    };
    zeigen();

    // The paper each printer had before this dialog changed it.
    std::map<TSystemdrucker*, QPageLayout> vorher;
    std::map<TPdfDrucker*, TPapier> vorherPdf;
    QObject::connect(liste, &QComboBox::currentIndexChanged, &dialog, zeigen);
    QObject::connect(einrichten, &QPushButton::clicked, &dialog, [&] {
        TDrucker* d = gewaehlterDrucker();
        if (auto* system = dynamic_cast<TSystemdrucker*>(d)) {
            vorher.try_emplace(system, system->Seitenlayout());
            system->Einrichten([&](QPrinter& qt) { QPageSetupDialog(&qt, &dialog).exec(); });
        } else if (auto* pdf = dynamic_cast<TPdfDrucker*>(d); pdf != nullptr && pdf->Papier()) {
            const TPapier bisher = *pdf->Papier();
            if (const std::optional<TPapier> neu = PdfpapierWaehlen(&dialog, bisher)) {
                vorherPdf.try_emplace(pdf, bisher);
                pdf->PapierSetzen(*neu);
            }
        }
        zeigen();
    });
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    if (dialog.exec() == QDialog::Accepted && liste->currentIndex() >= 0)
        return static_cast<std::size_t>(liste->currentIndex());
    for (const auto& [system, layout] : vorher)
        system->Einrichten([&](QPrinter& qt) { qt.setPageLayout(layout); });
    for (const auto& [pdf, bisher] : vorherPdf)
        pdf->PapierSetzen(bisher);
    return gewaehlt;
}
