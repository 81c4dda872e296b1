// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/binding/Bindung.h"

#include "qt/binding/Fehlerbehandlung.h"
#include "qt/binding/Malflaeche.h"
#include "qt/binding/Pfeilpaar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QString>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>

namespace {

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

// Captions are literal: an "&" is shown, not taken as the mark of a shortcut key.
QString Beschriftung(const std::string& text)
{
    return Q(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

std::string Zeilen(const std::vector<std::string>& zeilen)
{
    std::string text;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        if (i > 0)
            text += '\n';
        text += zeilen[i];
    }
    return text;
}

std::vector<std::string> Zeilen(const QString& text)
{
    std::vector<std::string> zeilen;
    if (text.isEmpty())
        return zeilen;
    for (const QString& zeile : text.split(QLatin1Char('\n')))
        zeilen.push_back(zeile.toStdString());
    return zeilen;
}

// The width a widget's caption needs, in its present font.
int Beschriftungsbedarf(const QWidget& widget)
{
    if (const auto* knopf = qobject_cast<const QPushButton*>(&widget))
        return knopf->text().isEmpty() ? 0 : knopf->fontMetrics().horizontalAdvance(knopf->text()) + 6;
    if (const auto* knopf = qobject_cast<const QAbstractButton*>(&widget))
        return knopf->text().isEmpty() ? 0 : knopf->sizeHint().width();
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text().isEmpty() ? 0 : label->sizeHint().width();
    return 0;
}

// A control the model gives a fixed width keeps its caption whole. A check box or radio
// button reaches further right than the model says, where its box stays in place; a button or
// label takes a smaller font (not below 6 points), as its frame must stay in place.
int Breite(const QWidget& widget, int breite)
{
    if (qobject_cast<const QCheckBox*>(&widget) != nullptr || qobject_cast<const QRadioButton*>(&widget) != nullptr)
        return std::max(breite, Beschriftungsbedarf(widget));
    return breite;
}

void Einpassen(QWidget& widget, int breite)
{
    if (qobject_cast<const QCheckBox*>(&widget) != nullptr || qobject_cast<const QRadioButton*>(&widget) != nullptr)
        return;
    if (widget.testAttribute(Qt::WA_SetFont))
        widget.setFont(QFont());
    while (Beschriftungsbedarf(widget) > breite && widget.font().pointSizeF() > 6) {
        QFont kleiner = widget.font();
        kleiner.setPointSizeF(kleiner.pointSizeF() - 0.5);
        widget.setFont(kleiner);
    }
}

// The character a key press types, as the model's key handlers see it: Enter 13, Escape 27,
// Backspace 8, else the typed character when it is a single ASCII one; 0 for every other key.
char Taste(const QKeyEvent& ereignis)
{
    switch (ereignis.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    default:
        break;
    }
    const QString text = ereignis.text();
    if (text.size() == 1 && text[0].unicode() >= 32 && text[0].unicode() < 127)
        return static_cast<char>(text[0].unicode());
    return 0;
}

// The key code a key-down handler sees: Enter 13, letters and digits as their upper-case
// characters, other keys as Qt's code.
int Tastencode(const QKeyEvent& ereignis)
{
    if (ereignis.key() == Qt::Key_Return || ereignis.key() == Qt::Key_Enter)
        return 13;
    return ereignis.key();
}

} // namespace

TBindung::TBindung(TFormular& formular, TFehlerbehandlung& fehler) : FormularFeld(formular), Fehler(fehler)
{}

TBindung::~TBindung()
{
    // The window model may outlive its view; it must not call into widgets that are gone.
    for (const auto& [control, widget] : Widgets)
        const_cast<TControl*>(control)->Beobachter = nullptr;
}

void TBindung::Ausfuehren(const std::function<void()>& befehl)
{
    Fehler.Ausfuehren(befehl);
}

QWidget* TBindung::Widget(std::string_view name)
{
    TControl* control = FormularFeld.Finde(name);
    if (control == nullptr)
        throw std::invalid_argument("Das Fenster \"" + FormularFeld.Caption.Wert() + "\" hat kein Bedienelement "
                                    + std::string(name) + ".");
    return Widget(*control);
}

QWidget* TBindung::Widget(TControl& control)
{
    if (const auto it = Widgets.find(&control); it != Widgets.end() && it->second)
        return it->second;
    return Binden(control, Erzeugen(control));
}

QWidget* TBindung::Erzeugen(TControl& control)
{
    switch (control.Art()) {
    case TSteuerelementArt::Label: {
        auto* label = new QLabel;
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case TSteuerelementArt::Button:
        return new QPushButton;
    case TSteuerelementArt::CheckBox:
        return new QCheckBox;
    case TSteuerelementArt::RadioButton: {
        // The model unchecks the siblings; Qt must not do it a second way.
        auto* knopf = new QRadioButton;
        knopf->setAutoExclusive(false);
        return knopf;
    }
    case TSteuerelementArt::RadioGroup:
    case TSteuerelementArt::GroupBox:
        return new QGroupBox;
    case TSteuerelementArt::Edit:
        return new QLineEdit;
    case TSteuerelementArt::Memo:
        return new QPlainTextEdit;
    case TSteuerelementArt::UpDown:
        return new TPfeilpaar;
    case TSteuerelementArt::ComboBox: {
        auto* liste = new QComboBox;
        liste->setEditable(true);
        liste->setInsertPolicy(QComboBox::NoInsert);
        return liste;
    }
    case TSteuerelementArt::ScrollBar:
        return new QScrollBar(static_cast<TScrollBar&>(control).Kind() == TScrollBarKind::sbVertical ? Qt::Vertical
                                                                                                     : Qt::Horizontal);
    case TSteuerelementArt::TabSheet:
        return new QWidget;
    case TSteuerelementArt::PageControl:
        return new QTabWidget;
    case TSteuerelementArt::PaintBox:
        return new TMalflaeche(static_cast<TPaintBox&>(control), Fehler);
    }
    throw std::logic_error("Unbekannte Art eines Bedienelements.");
}

QWidget* TBindung::Binden(TControl& control, QWidget* widget)
{
    Widgets[&control] = widget;
    Controls[widget] = &control;
    widget->setObjectName(Q(control.Name()));
    widget->installEventFilter(this);
    connect(widget, &QObject::destroyed, this, [this, &control, widget] {
        Controls.erase(widget);
        if (const auto it = Widgets.find(&control);
            it != Widgets.end() && (it->second.isNull() || it->second.data() == widget)) {
            Widgets.erase(it);
            control.Beobachter = nullptr;
        }
    });
    Verbinden(control, *widget);
    control.Beobachter = [this](const TControl& c) { Spiegeln(c); };
    Spiegeln(control);
    return widget;
}

void TBindung::Verbinden(TControl& control, QWidget& widget)
{
    switch (control.Art()) {
    case TSteuerelementArt::Button: {
        auto& knopf = static_cast<TButton&>(control);
        connect(static_cast<QPushButton*>(&widget), &QPushButton::clicked, this, [this, &knopf] {
            Ausfuehren([&] { knopf.Click(); });
            Spiegeln(knopf);
        });
        break;
    }
    case TSteuerelementArt::CheckBox: {
        auto& box = static_cast<TCheckBox&>(control);
        connect(static_cast<QCheckBox*>(&widget), &QCheckBox::clicked, this, [this, &box](bool an) {
            Ausfuehren([&] { box.SetChecked(an); });
            Spiegeln(box);
        });
        break;
    }
    case TSteuerelementArt::RadioButton: {
        auto& knopf = static_cast<TRadioButton&>(control);
        connect(static_cast<QRadioButton*>(&widget), &QRadioButton::clicked, this, [this, &knopf] {
            Ausfuehren([&] { knopf.Click(); });
            Spiegeln(knopf);
        });
        break;
    }
    case TSteuerelementArt::Edit: {
        auto& feld = static_cast<TEdit&>(control);
        connect(static_cast<QLineEdit*>(&widget), &QLineEdit::textEdited, this, [this, &feld](const QString& text) {
            Ausfuehren([&] { feld.SetText(text.toStdString()); });
            Spiegeln(feld);
        });
        break;
    }
    case TSteuerelementArt::Memo: {
        auto& memo = static_cast<TMemo&>(control);
        auto* text = static_cast<QPlainTextEdit*>(&widget);
        connect(text, &QPlainTextEdit::textChanged, this,
                [this, &memo, text] { Ausfuehren([&] { memo.SetLines(Zeilen(text->toPlainText())); }); });
        break;
    }
    case TSteuerelementArt::UpDown: {
        auto& pfeile = static_cast<TUpDown&>(control);
        static_cast<TPfeilpaar&>(widget).Pfeil = [this, &pfeile](bool hoch) {
            Ausfuehren([&] { pfeile.Pfeilklick(hoch ? TUDBtnType::btNext : TUDBtnType::btPrev); });
            Spiegeln(pfeile);
        };
        break;
    }
    case TSteuerelementArt::ComboBox: {
        auto& liste = static_cast<TComboBox&>(control);
        auto* box = static_cast<QComboBox*>(&widget);
        connect(box, &QComboBox::activated, this, [this, &liste](int index) {
            if (index >= 0 && index < static_cast<int>(liste.Items().size()))
                Ausfuehren([&] { liste.SetText(liste.Items()[static_cast<std::size_t>(index)]); });
            Spiegeln(liste);
        });
        // A list the view made not editable offers its items alone.
        if (QLineEdit* feld = box->lineEdit()) {
            connect(feld, &QLineEdit::textEdited, this,
                    [this, &liste](const QString& text) { Ausfuehren([&] { liste.SetText(text.toStdString()); }); });
            Controls[feld] = &control;
            feld->installEventFilter(this);
        }
        break;
    }
    case TSteuerelementArt::ScrollBar: {
        auto& leiste = static_cast<TScrollBar&>(control);
        connect(static_cast<QScrollBar*>(&widget), &QScrollBar::valueChanged, this, [this, &leiste](int position) {
            Ausfuehren([&] { leiste.SetPosition(position); });
            Spiegeln(leiste);
        });
        break;
    }
    case TSteuerelementArt::PageControl: {
        auto& reiter = static_cast<TPageControl&>(control);
        connect(static_cast<QTabWidget*>(&widget), &QTabWidget::currentChanged, this, [this, &reiter](int index) {
            if (index >= 0 && index < static_cast<int>(reiter.Pages().size()))
                Ausfuehren([&] { reiter.SetActivePage(reiter.Pages()[static_cast<std::size_t>(index)]); });
        });
        break;
    }
    case TSteuerelementArt::RadioGroup:
    case TSteuerelementArt::Label:
    case TSteuerelementArt::GroupBox:
    case TSteuerelementArt::TabSheet:
    case TSteuerelementArt::PaintBox:
        break;
    }
}

void TBindung::GruppeAufbauen(TRadioGroup& gruppe, QWidget& widget)
{
    QList<QRadioButton*> knoepfe = widget.findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    bool gleich = knoepfe.size() == static_cast<qsizetype>(gruppe.Items().size());
    for (qsizetype i = 0; gleich && i < knoepfe.size(); ++i)
        gleich = knoepfe[i]->text() == Beschriftung(gruppe.Items()[static_cast<std::size_t>(i)]);
    if (!gleich) {
        qDeleteAll(knoepfe);
        knoepfe.clear();
        auto* spalte = qobject_cast<QVBoxLayout*>(widget.layout());
        if (spalte == nullptr)
            spalte = new QVBoxLayout(&widget);
        for (std::size_t i = 0; i < gruppe.Items().size(); ++i) {
            auto* knopf = new QRadioButton(Beschriftung(gruppe.Items()[i]), &widget);
            knopf->setAutoExclusive(false);
            spalte->addWidget(knopf);
            connect(knopf, &QRadioButton::clicked, this, [this, &gruppe, i] {
                Ausfuehren([&] { gruppe.SetItemIndex(static_cast<int>(i)); });
                Spiegeln(gruppe);
            });
            knoepfe.push_back(knopf);
        }
    }
    for (qsizetype i = 0; i < knoepfe.size(); ++i) {
        const QSignalBlocker sperre(knoepfe[i]);
        knoepfe[i]->setChecked(i == gruppe.ItemIndex());
    }
}

void TBindung::Spiegeln(const TControl& control)
{
    const auto it = Widgets.find(&control);
    if (it == Widgets.end() || it->second.isNull())
        return;
    QWidget& w = *it->second;
    const QSignalBlocker sperre(&w);
    auto& c = const_cast<TControl&>(control);

    switch (c.Art()) {
    case TSteuerelementArt::Label: {
        auto& label = static_cast<QLabel&>(w);
        if (label.text() != Q(c.Caption()))
            label.setText(Q(c.Caption()));
        break;
    }
    case TSteuerelementArt::Button: {
        auto& knopf = static_cast<QPushButton&>(w);
        if (knopf.text() != Beschriftung(c.Caption()))
            knopf.setText(Beschriftung(c.Caption()));
        break;
    }
    case TSteuerelementArt::CheckBox: {
        auto& box = static_cast<QCheckBox&>(w);
        if (box.text() != Beschriftung(c.Caption()))
            box.setText(Beschriftung(c.Caption()));
        box.setChecked(static_cast<TCheckBox&>(c).Checked());
        break;
    }
    case TSteuerelementArt::RadioButton: {
        auto& knopf = static_cast<QRadioButton&>(w);
        if (knopf.text() != Beschriftung(c.Caption()))
            knopf.setText(Beschriftung(c.Caption()));
        knopf.setChecked(static_cast<TRadioButton&>(c).Checked());
        break;
    }
    case TSteuerelementArt::RadioGroup:
        static_cast<QGroupBox&>(w).setTitle(Q(c.Caption()));
        GruppeAufbauen(static_cast<TRadioGroup&>(c), w);
        break;
    case TSteuerelementArt::GroupBox:
        static_cast<QGroupBox&>(w).setTitle(Q(c.Caption()));
        break;
    case TSteuerelementArt::Edit: {
        auto& feld = static_cast<QLineEdit&>(w);
        const auto& modell = static_cast<TEdit&>(c);
        if (feld.text() != Q(modell.Text()))
            feld.setText(Q(modell.Text()));
        feld.setReadOnly(modell.ReadOnly());
        break;
    }
    case TSteuerelementArt::Memo: {
        auto& text = static_cast<QPlainTextEdit&>(w);
        const QString zeilen = Q(Zeilen(static_cast<TMemo&>(c).Lines()));
        if (text.toPlainText() != zeilen)
            text.setPlainText(zeilen);
        break;
    }
    case TSteuerelementArt::UpDown: {
        auto& pfeile = static_cast<TPfeilpaar&>(w);
        const auto& modell = static_cast<TUpDown&>(c);
        pfeile.SetzeBereich(modell.Min(), modell.Max());
        pfeile.SetzePosition(modell.Position());
        break;
    }
    case TSteuerelementArt::ComboBox: {
        auto& box = static_cast<QComboBox&>(w);
        const auto& modell = static_cast<TComboBox&>(c);
        QStringList eintraege;
        for (const std::string& eintrag : modell.Items())
            eintraege.push_back(Q(eintrag));
        bool gleich = box.count() == eintraege.size();
        for (int i = 0; gleich && i < box.count(); ++i)
            gleich = box.itemText(i) == eintraege[i];
        if (!gleich) {
            box.clear();
            box.addItems(eintraege);
        }
        if (box.currentIndex() != modell.ItemIndex())
            box.setCurrentIndex(modell.ItemIndex());
        if (box.currentText() != Q(modell.Text()))
            box.setEditText(Q(modell.Text()));
        break;
    }
    case TSteuerelementArt::ScrollBar: {
        auto& leiste = static_cast<QScrollBar&>(w);
        const auto& modell = static_cast<TScrollBar&>(c);
        // The model's range includes the visible part; Qt's ends where the thumb reaches Max.
        leiste.setRange(modell.Min(), std::max(modell.Min(), modell.Max() - std::max(0, modell.PageSize())));
        leiste.setPageStep(std::max(1, modell.PageSize()));
        leiste.setSingleStep(std::max(1, modell.SmallChange()));
        leiste.setValue(modell.Position());
        break;
    }
    case TSteuerelementArt::PageControl: {
        auto& reiter = static_cast<QTabWidget&>(w);
        const auto& modell = static_cast<TPageControl&>(c);
        for (std::size_t i = 0; i < modell.Pages().size(); ++i) {
            TTabSheet* seite = modell.Pages()[i];
            QWidget* seitenWidget = Widget(*seite);
            if (reiter.indexOf(seitenWidget) != static_cast<int>(i)) {
                reiter.insertTab(static_cast<int>(i), seitenWidget, Beschriftung(seite->Caption()));
                Spiegeln(*seite);
            }
        }
        const auto aktiv = std::find(modell.Pages().begin(), modell.Pages().end(), modell.ActivePage());
        if (aktiv != modell.Pages().end())
            reiter.setCurrentIndex(static_cast<int>(aktiv - modell.Pages().begin()));
        break;
    }
    case TSteuerelementArt::TabSheet:
        // A tab page's caption, visibility and enabled state belong to its tab.
        if (auto* reiter =
                qobject_cast<QTabWidget*>(w.parentWidget() != nullptr ? w.parentWidget()->parentWidget() : nullptr)) {
            const int index = reiter->indexOf(&w);
            if (index >= 0) {
                reiter->setTabText(index, Beschriftung(c.Caption()));
                reiter->setTabVisible(index, c.Visible());
                reiter->setTabEnabled(index, c.Enabled());
            }
        }
        break;
    case TSteuerelementArt::PaintBox:
        w.update();
        break;
    }

    const QString tipp = c.ShowHint() ? Q(c.Hint()) : QString();
    if (w.toolTip() != tipp)
        w.setToolTip(tipp);
    if (c.Art() == TSteuerelementArt::TabSheet)
        return;
    if (w.testAttribute(Qt::WA_Disabled) == c.Enabled())
        w.setEnabled(c.Enabled());
    if (c.Cursor() == TCursor::Hand)
        w.setCursor(Qt::PointingHandCursor);
    else if (w.testAttribute(Qt::WA_SetCursor))
        w.unsetCursor();
    // A widget without a parent would show as a window of its own; it shows once placed.
    if (!c.Visible())
        w.setVisible(false);
    else if (w.isHidden() && w.parentWidget() != nullptr)
        w.setVisible(true);
    if (c.Width() > 0 && w.parentWidget() != nullptr) {
        // The caption is fitted once for each caption and width, not at every change of state.
        const QString einpassung = QString::number(c.Width()) + QLatin1Char('|') + Beschriftung(c.Caption());
        if (w.property("zbEinpassung").toString() != einpassung) {
            Einpassen(w, c.Width());
            w.setProperty("zbEinpassung", einpassung);
        }
        const QRect rahmen(c.Left(), c.Top(), Breite(w, c.Width()),
                           c.Height() > 0 ? c.Height() : w.sizeHint().height());
        if (w.geometry() != rahmen)
            w.setGeometry(rahmen);
    }
}

QPoint TBindung::Platzieren(const TContainer& container, QWidget& parent)
{
    QPoint ecke;
    for (TControl* kind : container.Controls()) {
        if (kind->Width() <= 0)
            continue;
        QWidget* widget = Widget(*kind);
        widget->setParent(&parent);
        Spiegeln(*kind);
        ecke.setX(std::max(ecke.x(), widget->geometry().right() + 1));
        ecke.setY(std::max(ecke.y(), widget->geometry().bottom() + 1));
    }
    return ecke;
}

TControl* TBindung::Control(const QWidget* widget) const
{
    const auto it = Controls.find(widget);
    return it == Controls.end() ? nullptr : it->second;
}

std::vector<std::string> TBindung::Ungebunden() const
{
    std::vector<std::string> namen;
    for (const auto& control : FormularFeld.Steuerelemente()) {
        const auto it = Widgets.find(control.get());
        if (it == Widgets.end() || it->second.isNull())
            namen.push_back(control->Name());
    }
    return namen;
}

bool TBindung::eventFilter(QObject* objekt, QEvent* ereignis)
{
    const auto it = Controls.find(objekt);
    if (it == Controls.end())
        return false;
    TControl& control = *it->second;
    switch (ereignis->type()) {
    case QEvent::ParentChange:
        if (objekt->isWidgetType())
            Spiegeln(control);
        return false;
    case QEvent::KeyPress: {
        const auto& taste = static_cast<const QKeyEvent&>(*ereignis);
        if (control.Art() == TSteuerelementArt::Edit) {
            auto& feld = static_cast<TEdit&>(control);
            char zeichen = Taste(taste);
            if (zeichen == 0 || feld.ReadOnly())
                return false;
            Ausfuehren([&] { feld.KeyPress(zeichen); });
            Spiegeln(feld);
            // A handler that set the key to 0 swallowed it.
            return zeichen == 0;
        }
        // A list's keys count where they reach the list itself. A user's keys go there even
        // in an editable list, whose focus is the list and which hands them to its text field
        // directly, past any filter; a key sent to the text field that the field leaves (Enter)
        // reaches the list afterwards, so the field's own keys are not counted a second time.
        if (control.Art() == TSteuerelementArt::ComboBox && objekt == Widgets[&control].data()) {
            auto& liste = static_cast<TComboBox&>(control);
            Ausfuehren([&] { liste.KeyDown(Tastencode(taste)); });
            Spiegeln(liste);
        }
        return false;
    }
    case QEvent::FocusOut: {
        // Leaving the field for another control of the window counts; the window losing the
        // focus to another window or a menu does not.
        const Qt::FocusReason grund = static_cast<const QFocusEvent&>(*ereignis).reason();
        if (control.Art() == TSteuerelementArt::Edit && grund != Qt::ActiveWindowFocusReason
            && grund != Qt::PopupFocusReason && grund != Qt::MenuBarFocusReason) {
            auto& feld = static_cast<TEdit&>(control);
            Ausfuehren([&] { feld.Exit(); });
            Spiegeln(feld);
        }
        return false;
    }
    default:
        return false;
    }
}

void TitelFolgen(QWidget& fenster, TFormular& formular)
{
    fenster.setWindowTitle(QString::fromStdString(formular.Caption));
    formular.Caption.Geaendert = [ziel = QPointer<QWidget>(&fenster)](const std::string& titel) {
        if (ziel != nullptr)
            ziel->setWindowTitle(QString::fromStdString(titel));
    };
}
