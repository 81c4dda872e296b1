// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The small control model the windows are written against. It keeps the options in the
// state of their controls and reproduces the event rule the windows' logic relies on:
// a change made by the program runs the control's handler exactly as a user's change does,
// and setting the value a control already has runs nothing.

#include "toolkit/Leinwand.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class TContainer;

// The mouse pointer a control shows.
enum class TCursor : std::uint8_t { Normal, Hand };

enum class TSteuerelementArt : std::uint8_t {
    Label,
    Button,
    CheckBox,
    RadioButton,
    RadioGroup,
    Edit,
    Memo,
    UpDown,
    ComboBox,
    ScrollBar,
    GroupBox,
    TabSheet,
    PageControl,
    PaintBox,
};

// Base of every control: name, tag, caption, hint, geometry, enabled and visible state.
class TControl {
public:
    virtual ~TControl() = default;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    virtual TSteuerelementArt Art() const = 0;

    const std::string& Name() const { return NameFeld; }
    // The group box or tab page that holds the control, or none.
    TContainer* Parent() const { return ParentFeld; }

    int Tag = 0;

    // Position and size in pixels of the window or container that holds the control. A view
    // places a control whose width the window sets where the window says; the others it lays
    // out itself.
    int Left() const { return Rahmen.Left; }
    int Top() const { return Rahmen.Top; }
    int Width() const { return Rahmen.Width; }
    int Height() const { return Rahmen.Height; }
    void SetBounds(int left, int top, int width, int height);
    void SetLeft(int left) { SetBounds(left, Rahmen.Top, Rahmen.Width, Rahmen.Height); }
    void SetTop(int top) { SetBounds(Rahmen.Left, top, Rahmen.Width, Rahmen.Height); }
    void SetWidth(int width) { SetBounds(Rahmen.Left, Rahmen.Top, width, Rahmen.Height); }
    void SetHeight(int height) { SetBounds(Rahmen.Left, Rahmen.Top, Rahmen.Width, height); }

    // The tip shown while the mouse rests on the control, when ShowHint is set.
    const std::string& Hint() const { return HintFeld; }
    void SetHint(std::string hint);
    bool ShowHint() const { return ShowHintFeld; }
    void SetShowHint(bool zeigen);

    TCursor Cursor() const { return CursorFeld; }
    void SetCursor(TCursor cursor);

    const std::string& Caption() const { return CaptionFeld; }
    void SetCaption(std::string caption);

    bool Enabled() const { return EnabledFeld; }
    // Sets the control's own enabled state (a group box passes it on, see TGroupBox).
    virtual void SetEnabled(bool enabled);
    bool Visible() const { return VisibleFeld; }
    void SetVisible(bool visible);

    // True when the user could operate the control: it and every container around it are
    // enabled and visible.
    bool Bedienbar() const;

    // Called after every change of the control's state, for a view that mirrors it.
    std::function<void(const TControl&)> Beobachter;

protected:
    TControl(std::string name, TContainer* parent);
    void Melden() const;
    // Stores wert in feld and tells the observer, unless feld already holds it; returns
    // whether it changed, so the caller runs its handler only then.
    template <class T>
    bool Aendern(T& feld, T wert)
    {
        if (feld == wert)
            return false;
        feld = std::move(wert);
        Melden();
        return true;
    }

private:
    struct TRahmen {
        int Left = 0;
        int Top = 0;
        int Width = 0;
        int Height = 0;
        friend bool operator==(const TRahmen&, const TRahmen&) = default;
    };

    std::string NameFeld;
    TContainer* ParentFeld;
    std::string CaptionFeld;
    bool EnabledFeld = true;
    bool VisibleFeld = true;
    TRahmen Rahmen;
    std::string HintFeld;
    bool ShowHintFeld = false;
    TCursor CursorFeld = TCursor::Normal;
};

// A control that holds others: group box, tab page. Holds them without owning them (the
// window owns all its controls).
class TContainer : public TControl {
public:
    const std::vector<TControl*>& Controls() const { return Kinder; }
    void Aufnehmen(TControl& kind) { Kinder.push_back(&kind); }

protected:
    using TControl::TControl;

private:
    std::vector<TControl*> Kinder;
};

class TLabel final : public TControl {
public:
    TLabel(std::string name, TContainer* parent) : TControl(std::move(name), parent) {}
    TSteuerelementArt Art() const override { return TSteuerelementArt::Label; }
};

class TButton final : public TControl {
public:
    TButton(std::string name, TContainer* parent) : TControl(std::move(name), parent) {}
    TSteuerelementArt Art() const override { return TSteuerelementArt::Button; }

    // A press: runs OnClick.
    void Click();
    std::function<void(TButton&)> OnClick;
};

class TCheckBox final : public TControl {
public:
    TCheckBox(std::string name, TContainer* parent) : TControl(std::move(name), parent) {}
    TSteuerelementArt Art() const override { return TSteuerelementArt::CheckBox; }

    bool Checked() const { return CheckedFeld; }
    // Changes the state and then runs OnClick; the present state runs nothing.
    void SetChecked(bool checked);
    // A user's click: toggles the state.
    void Click() { SetChecked(!CheckedFeld); }
    std::function<void(TCheckBox&)> OnClick;

private:
    bool CheckedFeld = false;
};

class TRadioButton final : public TControl {
public:
    TRadioButton(std::string name, TContainer* parent) : TControl(std::move(name), parent) {}
    TSteuerelementArt Art() const override { return TSteuerelementArt::RadioButton; }

    bool Checked() const { return CheckedFeld; }
    // true: unchecks the sibling radio buttons of the same container (without running
    // their handlers), checks this one and runs OnClick. false: only unchecks it.
    // The present state runs nothing.
    void SetChecked(bool checked);
    // A user's click: checks it.
    void Click() { SetChecked(true); }
    std::function<void(TRadioButton&)> OnClick;

private:
    bool CheckedFeld = false;
};

class TRadioGroup final : public TControl {
public:
    TRadioGroup(std::string name, TContainer* parent) : TControl(std::move(name), parent) {}
    TSteuerelementArt Art() const override { return TSteuerelementArt::RadioGroup; }

    const std::vector<std::string>& Items() const { return ItemsFeld; }
    // Replaces the items; a selection beyond the new last item becomes none, without OnClick.
    void SetItems(std::vector<std::string> items);
    int ItemIndex() const { return ItemIndexFeld; }
    // Selects an item (-1: none; clamped to -1..last item) and runs OnClick when the
    // selection changed.
    void SetItemIndex(int index);
    std::function<void(TRadioGroup&)> OnClick;

private:
    std::vector<std::string> ItemsFeld;
    int ItemIndexFeld = -1;
};

class TEdit final : public TControl {
public:
    TEdit(std::string name, TContainer* parent) : TControl(std::move(name), parent) {}
    TSteuerelementArt Art() const override { return TSteuerelementArt::Edit; }

    const std::string& Text() const { return TextFeld; }
    // Replaces the text and runs OnChange; the present text runs nothing.
    void SetText(std::string text);
    // A key typed into the field (Enter is 13): runs OnKeyPress. The handler may set
    // the key to 0 to swallow it.
    void KeyPress(char& key);
    // The focus leaves the field: runs OnExit.
    void Exit();
    // What a user does who types text into the field and presses Enter: SetText, then the
    // key 13.
    void Eingeben(std::string text);

    // A read-only field shows its text but takes no typing.
    bool ReadOnly() const { return ReadOnlyFeld; }
    void SetReadOnly(bool nurLesen);
    std::function<void(TEdit&)> OnChange;
    std::function<void(TEdit&, char&)> OnKeyPress;
    std::function<void(TEdit&)> OnExit;

private:
    std::string TextFeld;
    bool ReadOnlyFeld = false;
};

class TMemo final : public TControl {
public:
    TMemo(std::string name, TContainer* parent) : TControl(std::move(name), parent) {}
    TSteuerelementArt Art() const override { return TSteuerelementArt::Memo; }

    const std::vector<std::string>& Lines() const { return Zeilen; }
    // Each change of the lines runs OnChange; setting the present lines runs nothing.
    void Clear();
    void Add(std::string zeile);
    void SetLines(std::vector<std::string> zeilen);
    std::function<void(TMemo&)> OnChange;

private:
    std::vector<std::string> Zeilen;
};

enum class TUDBtnType : std::uint8_t { btNext, btPrev };

class TUpDown final : public TControl {
public:
    TUpDown(std::string name, TContainer* parent) : TControl(std::move(name), parent) {}
    TSteuerelementArt Art() const override { return TSteuerelementArt::UpDown; }

    // Range and position are 16-bit signed values, as the underlying control keeps them.
    int Min() const { return MinFeld; }
    int Max() const { return MaxFeld; }
    void SetRange(int min, int max);
    int Position() const { return PositionFeld; }
    // Stores the position clamped to the range; runs no handler (only arrows do). An
    // associated edit field is shown the new position.
    void SetPosition(int position);
    // An arrow click: moves the position by one step within the range, then runs OnClick.
    void Pfeilklick(TUDBtnType richtung);
    // What a user does who holds an arrow until the position reaches the given one: the
    // position clamped to the range, then OnClick with the arrow of that direction (the up
    // arrow when the position stays).
    void Verstellen(int position);

    int Increment = 1;
    // An edit field that always shows the position (none when the window copies itself).
    TEdit* Associate = nullptr;
    std::function<void(TUpDown&, TUDBtnType)> OnClick;

private:
    int MinFeld = 0;
    int MaxFeld = 100;
    int PositionFeld = 0;
};

class TComboBox final : public TControl {
public:
    TComboBox(std::string name, TContainer* parent) : TControl(std::move(name), parent) {}
    TSteuerelementArt Art() const override { return TSteuerelementArt::ComboBox; }

    const std::vector<std::string>& Items() const { return ItemsFeld; }
    void SetItems(std::vector<std::string> items);
    const std::string& Text() const { return TextFeld; }
    // Sets the text (and the item of that text, if any) and runs OnChange when it changed.
    void SetText(std::string text);
    int ItemIndex() const;
    // A key pressed down in the field (Enter is 13): runs OnKeyDown.
    void KeyDown(int key);
    std::function<void(TComboBox&)> OnChange;
    std::function<void(TComboBox&, int)> OnKeyDown;

private:
    std::vector<std::string> ItemsFeld;
    std::string TextFeld;
};

enum class TScrollBarKind : std::uint8_t { sbHorizontal, sbVertical };

class TScrollBar final : public TControl {
public:
    TScrollBar(std::string name, TContainer* parent) : TControl(std::move(name), parent) {}
    TSteuerelementArt Art() const override { return TSteuerelementArt::ScrollBar; }

    // Horizontal unless set otherwise.
    TScrollBarKind Kind() const { return KindFeld; }
    void SetKind(TScrollBarKind kind);

    int Min() const { return MinFeld; }
    int Max() const { return MaxFeld; }
    void SetRange(int min, int max);
    int Position() const { return PositionFeld; }
    // Stores the position clamped to the range and runs OnChange when it changed.
    void SetPosition(int position);
    // The visible part of the range (the thumb's size), and the steps of a click beside the
    // thumb and on an arrow. Positions reach from Min to Max - PageSize.
    int PageSize() const { return PageSizeFeld; }
    void SetPageSize(int pageSize);
    int LargeChange() const { return LargeChangeFeld; }
    void SetLargeChange(int schritt);
    int SmallChange() const { return SmallChangeFeld; }
    void SetSmallChange(int schritt);
    std::function<void(TScrollBar&)> OnChange;

private:
    TScrollBarKind KindFeld = TScrollBarKind::sbHorizontal;
    int MinFeld = 0;
    int MaxFeld = 100;
    int PositionFeld = 0;
    int PageSizeFeld = 0;
    int LargeChangeFeld = 1;
    int SmallChangeFeld = 1;
};

class TGroupBox final : public TContainer {
public:
    TGroupBox(std::string name, TContainer* parent) : TContainer(std::move(name), parent) {}
    TSteuerelementArt Art() const override { return TSteuerelementArt::GroupBox; }

    // Enabling a group box sets the enabled state of every control inside it, nested
    // group boxes and their controls included.
    void SetEnabled(bool enabled) override;
};

class TTabSheet final : public TContainer {
public:
    TTabSheet(std::string name, TContainer* parent) : TContainer(std::move(name), parent) {}
    TSteuerelementArt Art() const override { return TSteuerelementArt::TabSheet; }
};

class TPageControl final : public TControl {
public:
    TPageControl(std::string name, TContainer* parent) : TControl(std::move(name), parent) {}
    TSteuerelementArt Art() const override { return TSteuerelementArt::PageControl; }

    // The tab pages in their order.
    const std::vector<TTabSheet*>& Pages() const { return Seiten; }
    void AddPage(TTabSheet& seite);
    TTabSheet* ActivePage() const { return AktiveSeite; }
    void SetActivePage(TTabSheet* seite);

private:
    std::vector<TTabSheet*> Seiten;
    TTabSheet* AktiveSeite = nullptr;
};

// A surface the window paints on. The view calls Paint with its canvas whenever the
// surface must be drawn; the window model asks for that with Repaint.
class TPaintBox final : public TControl {
public:
    TPaintBox(std::string name, TContainer* parent) : TControl(std::move(name), parent) {}
    TSteuerelementArt Art() const override { return TSteuerelementArt::PaintBox; }

    // Runs OnPaint with the given canvas as Canvas().
    void Paint(TLeinwand& leinwand);
    // The canvas of the paint running now; outside a paint a surface that draws nothing.
    TLeinwand& Canvas() const { return Aktuell != nullptr ? *Aktuell : Leer; }
    // Asks the view for a paint (through the observer); without a view nothing is drawn.
    void Repaint() { Melden(); }

    std::function<void(TPaintBox&)> OnPaint;

private:
    TLeinwand* Aktuell = nullptr;
    mutable TLeereLeinwand Leer;
};
