// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TZELKF: the calculator's main window: its form, the button handlers and the keyboard.
#pragma once

#include "DurationEngine.h"
#include "RyNumEditKeys.h"
#include "WindowFrame.h"

#include <QHash>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>

class QButtonGroup;
class QKeyEvent;
class QPushButton;
class TRyNumEdit;

namespace Ui {
class TZELKF;
}

/// The main window. It is the engine's display (three numeric fields, the indicator label and
/// the mode choice) and turns clicks and keys into the engine's operations.
///
/// The form's buttons and the handlers their clicks run:
///
/// | button | caption | handler |
/// |---|---|---|
/// | Button29, Button11..Button19 | "0", "1".."9" | Button11Click |
/// | Button1..Button10 | quick keys "10", "15" .. "55" | Button11Click |
/// | Button20 | Day | Button20Click |
/// | Button21 | Hour | Button21Click |
/// | Button22, Button23, Button24, Button25, Button26 | × － ＋ ÷ ＝ | Button22Click |
/// | Button27 | AC | Button27Click |
/// | Button28 | C | Button28Click |
///
/// Keys are previewed: the window sees every key before the focused control. It first applies
/// the dialog keys (Tab, Enter, arrows on a push button), then the key map of FormKeyDown, which
/// presses a button visibly; anything else goes on to the focused control.
///
/// TZELKF.cpp builds the window and holds its look, the engine's display and the click
/// handlers; TZELKFKeys.cpp holds the keyboard and the focus order.
class TZELKF : public QWidget, private DurationDisplay {
    Q_OBJECT

public:
    /// Frame says who frames the window and whether it may centre itself (start-up asks).
    explicit TZELKF(const TWindowFrame &Frame = {}, QWidget *parent = nullptr);
    ~TZELKF() override;

    /// The height the form gives the three display fields.
    static constexpr int FieldHeight = 20;

    const DurationEngine &Engine() const { return FEngine; }

    // The keyboard: TZELKFKeys.cpp

    /// How long a key press holds its button down, in milliseconds.
    static constexpr int PressMilliseconds = 100;
    /// Replaces the blocking wait of a key press; it is given the time to wait in milliseconds.
    /// An empty function restores the blocking wait.
    void SetPressWait(std::function<void(int)> Wait);
    /// The key map: presses the button of a mapped key and sets Key to 0; leaves any other key.
    void FormKeyDown(quint16 &Key, RyNumEdit::TShiftState Shift);
    /// The key a key event is to the key map. What the key types decides where the map knows
    /// the character (a digit, D or H, and the characters of the Japanese keyboard's operator
    /// keys shifted and unshifted: ":" "*", ";" "+", "-" "=", "/" "?"), read as the key that
    /// carries it on the Japanese layout, whatever layout and modifiers typed it. Otherwise the
    /// numeric pad and the named keys go by key, a key of the digit row is its digit by its
    /// place, and the minus key with Shift (which types "_" on most layouts) stays "=".
    static RyNumEdit::TVirtualKey KeyMapKey(const QKeyEvent &Event);

public slots:
    void FormCreate();
    /// Digit and quick keys: the sender's caption is appended to the minutes.
    void Button11Click();
    void Button20Click();
    void Button21Click();
    /// Operators and "＝", told apart by the sender.
    void Button22Click();
    void Button27Click();
    void Button28Click();
    void TRadioGroupClick();

protected:
    void changeEvent(QEvent *Event) override;
    void moveEvent(QMoveEvent *Event) override;
    // TZELKFKeys.cpp
    bool eventFilter(QObject *Watched, QEvent *Event) override;
    bool focusNextPrevChild(bool Next) override;

private:
    // DurationDisplay
    std::string FieldText(DurationField Field) const override;
    void SetFieldText(DurationField Field, const std::string &Text) override;
    void SetIndicator(const std::string &Text) override;
    int Mode() const override;

    TRyNumEdit *FieldEdit(DurationField Field) const;
    void ConnectButtons();
    void PinFontSizes();
    /// The colour and font hinting of every TZELKF, set for the class before the form is built.
    static void SetClassLook();
    /// The colours the layout fixes, with the dark text that keeps what is drawn on them
    /// readable under any desktop palette.
    static const QColor Silver;
    void SetPanelLook();
    /// Centres the framed window on the screen's available area, where the window system lets
    /// a client place its windows.
    void CentreOnScreen();

    // TZELKFKeys.cpp
    /// Runs the window's part of a key press; true when the key is spent.
    bool PreviewKey(const RyNumEdit::TVirtualKey &Key);
    bool DialogKey(QWidget *Focused, const RyNumEdit::TVirtualKey &Key);
    /// A visible press: down, wait, one click, then the focus on "＝".
    void PressButton(QPushButton *Button);
    /// The control after (or before) From in tab order that can take the focus: among tab stops
    /// anywhere in the window, or among the window's own controls. A radio group counts once.
    QWidget *NextControl(QWidget *From, bool Forward, bool TabStopsOnly) const;
    bool IsControlStop(QWidget *W, bool TabStopsOnly) const;

    std::unique_ptr<Ui::TZELKF> FUi;
    QButtonGroup *FModeGroup = nullptr;
    /// The digit buttons "0" to "9" in value order, for the key map.
    std::array<QPushButton *, 10> FDigitButtons{};
    QHash<const QObject *, std::string> FKeyCaptions;
    QHash<const QObject *, DurationEngine::Operator> FOperators;
    std::function<void(int)> FPressWait;
    /// The window has been centred with the size of its frame.
    bool FCentredFramed = false;
    bool FClientPlacesWindows = true;
    DurationEngine FEngine{*this};
};
