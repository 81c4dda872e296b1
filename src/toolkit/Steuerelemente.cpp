// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Steuerelemente.h"

#include "toolkit/Waechter.h"

#include <algorithm>
#include <utility>

namespace {

// Up-down positions and ranges are 16-bit signed, like the control they model.
int AufSechzehnBit(int wert)
{
    return std::clamp(wert, -32768, 32767);
}

} // namespace

TControl::TControl(std::string name, TContainer* parent) : NameFeld(std::move(name)), ParentFeld(parent)
{}

void TControl::Melden() const
{
    if (Beobachter)
        Beobachter(*this);
}

void TControl::SetCaption(std::string caption)
{
    Aendern(CaptionFeld, std::move(caption));
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    Aendern(Rahmen, TRahmen{left, top, width, height});
}

void TControl::SetHint(std::string hint)
{
    Aendern(HintFeld, std::move(hint));
}

void TControl::SetShowHint(bool zeigen)
{
    Aendern(ShowHintFeld, zeigen);
}

void TControl::SetCursor(TCursor cursor)
{
    Aendern(CursorFeld, cursor);
}

void TControl::SetEnabled(bool enabled)
{
    Aendern(EnabledFeld, enabled);
}

void TControl::SetVisible(bool visible)
{
    Aendern(VisibleFeld, visible);
}

bool TControl::Bedienbar() const
{
    for (const TControl* c = this; c != nullptr; c = c->Parent()) {
        if (!c->Enabled() || !c->Visible())
            return false;
    }
    return true;
}

void TButton::Click()
{
    if (OnClick)
        OnClick(*this);
}

void TCheckBox::SetChecked(bool checked)
{
    if (Aendern(CheckedFeld, checked) && OnClick)
        OnClick(*this);
}

void TRadioButton::SetChecked(bool checked)
{
    if (checked == CheckedFeld)
        return;
    if (checked && Parent() != nullptr) {
        for (TControl* geschwister : Parent()->Controls()) {
            if (geschwister != this && geschwister->Art() == TSteuerelementArt::RadioButton)
                static_cast<TRadioButton*>(geschwister)->SetChecked(false);
        }
    }
    CheckedFeld = checked;
    Melden();
    if (checked && OnClick)
        OnClick(*this);
}

void TRadioGroup::SetItems(std::vector<std::string> items)
{
    if (ItemIndexFeld >= static_cast<int>(items.size()))
        ItemIndexFeld = -1;
    Aendern(ItemsFeld, std::move(items));
}

void TRadioGroup::SetItemIndex(int index)
{
    index = std::clamp(index, -1, static_cast<int>(ItemsFeld.size()) - 1);
    if (Aendern(ItemIndexFeld, index) && OnClick)
        OnClick(*this);
}

void TEdit::SetText(std::string text)
{
    if (Aendern(TextFeld, std::move(text)) && OnChange)
        OnChange(*this);
}

void TEdit::SetReadOnly(bool nurLesen)
{
    Aendern(ReadOnlyFeld, nurLesen);
}

void TEdit::KeyPress(char& key)
{
    if (OnKeyPress)
        OnKeyPress(*this, key);
}

void TEdit::Exit()
{
    if (OnExit)
        OnExit(*this);
}

void TEdit::Eingeben(std::string text)
{
    SetText(std::move(text));
    char eingabetaste = 13;
    KeyPress(eingabetaste);
}

void TMemo::Clear()
{
    SetLines({});
}

void TMemo::Add(std::string zeile)
{
    Zeilen.push_back(std::move(zeile));
    Melden();
    if (OnChange)
        OnChange(*this);
}

void TMemo::SetLines(std::vector<std::string> zeilen)
{
    if (Aendern(Zeilen, std::move(zeilen)) && OnChange)
        OnChange(*this);
}

void TUpDown::SetRange(int min, int max)
{
    MinFeld = AufSechzehnBit(min);
    MaxFeld = AufSechzehnBit(std::max(min, max));
    SetPosition(PositionFeld);
    Melden();
}

void TUpDown::SetPosition(int position)
{
    if (Aendern(PositionFeld, std::clamp(AufSechzehnBit(position), MinFeld, MaxFeld)) && Associate != nullptr)
        Associate->SetText(std::to_string(PositionFeld));
}

void TUpDown::Pfeilklick(TUDBtnType richtung)
{
    SetPosition(richtung == TUDBtnType::btNext ? PositionFeld + Increment : PositionFeld - Increment);
    if (OnClick)
        OnClick(*this, richtung);
}

void TUpDown::Verstellen(int position)
{
    const TUDBtnType richtung = position >= PositionFeld ? TUDBtnType::btNext : TUDBtnType::btPrev;
    SetPosition(position);
    if (OnClick)
        OnClick(*this, richtung);
}

void TComboBox::SetText(std::string text)
{
    if (Aendern(TextFeld, std::move(text)) && OnChange)
        OnChange(*this);
}

void TComboBox::SetItems(std::vector<std::string> items)
{
    Aendern(ItemsFeld, std::move(items));
}

int TComboBox::ItemIndex() const
{
    const auto it = std::find(ItemsFeld.begin(), ItemsFeld.end(), TextFeld);
    return it == ItemsFeld.end() ? -1 : static_cast<int>(it - ItemsFeld.begin());
}

void TScrollBar::SetRange(int min, int max)
{
    MinFeld = min;
    MaxFeld = std::max(min, max);
    SetPosition(PositionFeld);
    Melden();
}

void TScrollBar::SetPosition(int position)
{
    if (Aendern(PositionFeld, std::clamp(position, MinFeld, MaxFeld)) && OnChange)
        OnChange(*this);
}

void TScrollBar::SetKind(TScrollBarKind kind)
{
    Aendern(KindFeld, kind);
}

void TScrollBar::SetPageSize(int pageSize)
{
    Aendern(PageSizeFeld, pageSize);
}

void TScrollBar::SetLargeChange(int schritt)
{
    Aendern(LargeChangeFeld, schritt);
}

void TScrollBar::SetSmallChange(int schritt)
{
    Aendern(SmallChangeFeld, schritt);
}

void TGroupBox::SetEnabled(bool enabled)
{
    TControl::SetEnabled(enabled);
    for (TControl* kind : Controls())
        kind->SetEnabled(enabled);
}

void TPageControl::AddPage(TTabSheet& seite)
{
    Seiten.push_back(&seite);
    Melden();
}

void TPageControl::SetActivePage(TTabSheet* seite)
{
    Aendern(AktiveSeite, seite);
}

void TComboBox::KeyDown(int key)
{
    if (OnKeyDown)
        OnKeyDown(*this, key);
}

void TPaintBox::Paint(TLeinwand& leinwand)
{
    const TWertWaechter<TLeinwand*> waechter(Aktuell, &leinwand);
    if (OnPaint)
        OnPaint(*this);
}
