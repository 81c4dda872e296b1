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
#include <QVBoxLayout>

#include <map>

namespace {

QString Papier(const TDrucker* drucker)
{
    if (dynamic_cast<const TPdfDrucker*>(drucker) != nullptr)
        return QStringLiteral("A4, Hochformat");
    const auto* system = dynamic_cast<const TSystemdrucker*>(drucker);
    if (system == nullptr)
        return {};
    const QPageLayout layout = system->Seitenlayout();
    return layout.pageSize().name() + QStringLiteral(", ")
        + (layout.orientation() == QPageLayout::Landscape ? QStringLiteral("Querformat")
                                                          : QStringLiteral("Hochformat"));
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
        einrichten->setEnabled(dynamic_cast<TSystemdrucker*>(d) != nullptr);
    };
    zeigen();

    // The paper each printer had before this dialog changed it.
    std::map<TSystemdrucker*, QPageLayout> vorher;
    QObject::connect(liste, &QComboBox::currentIndexChanged, &dialog, zeigen);
    QObject::connect(einrichten, &QPushButton::clicked, &dialog, [&] {
        auto* system = dynamic_cast<TSystemdrucker*>(gewaehlterDrucker());
        if (system == nullptr)
            return;
        vorher.try_emplace(system, system->Seitenlayout());
        system->Einrichten([&](QPrinter& qt) { QPageSetupDialog(&qt, &dialog).exec(); });
        zeigen();
    });
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    if (dialog.exec() == QDialog::Accepted && liste->currentIndex() >= 0)
        return static_cast<std::size_t>(liste->currentIndex());
    for (const auto& [system, layout] : vorher)
        system->Einrichten([&](QPrinter& qt) { qt.setPageLayout(layout); });
    return gewaehlt;
}
