// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Fuzz target: one control in a window, driven by operations decoded from the input: keys with
// any modifier set, characters, input method compositions and commits, the clipboard commands
// and undo, the context menu, the mouse, focus, size, font, enabled state and property writes.
// After every operation: the value text is valid for the settings (or is an undo's restoring of
// a text recorded under other settings), the display text is its formatting, the selection is
// all or nothing, OnChange was raised exactly when the editing rules say, and the caret exists
// only with the focus. Leaks are LeakSanitizer's to find.
#include "FuzzSupport.h"
#include "RyNumEdit.h"
#include "ShiftJis_p.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>

#include <algorithm>

using namespace RyNumEdit;

namespace {

/// The window the control under test is put in, with a line edit to take the focus from it,
/// and a second window to take the activation from both. Shown once, kept for the process.
struct Stage {
    QWidget window;
    QLineEdit *other = new QLineEdit(&window);
    QWidget elsewhere;

    Stage() {
        window.resize(640, 120);
        other->setGeometry(0, 80, 100, 24);
        elsewhere.resize(100, 40);
        elsewhere.show();
        window.show();
    }
    /// Each input starts alike: the window active, the line edit focused, no popup open and
    /// an empty clipboard.
    void Reset() {
        while (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        window.activateWindow();
        QApplication::processEvents();
        other->setFocus();
        QApplication::clipboard()->clear();
        QApplication::processEvents();
    }
};

Stage &TheStage() {
    static Stage *stage = new Stage; // lives as long as the process
    return *stage;
}

bool ClipboardHasText() {
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return data && data->hasText();
}

/// Whether the character rules take Key as an accepted edit, by the editing rules: the limits,
/// the sign and point rules and the width test of eoORInputStop, on the value as it will be
/// once a selection has been cleared.
bool AcceptsCharacter(const TRyNumEdit &Edit, char Key) {
    if (Edit.ReadOnly())
        return false;
    if ((Key == '.' && Edit.DecimalLength() == 0) || (Key == '-' && !Edit.Minus()))
        return false;
    const std::string value = Edit.SelLength() != 0 ? std::string() : Edit.ValueText();
    const bool widthTest = Edit.Options().testFlag(TRyNumEdit::eoORInputStop);
    if (Key == '-')
        return value.find('-') != std::string::npos || !widthTest || Edit.FitsDisplay("-" + value);
    const size_t point = value.find('.');
    if (Key == '.')
        return point == std::string::npos && (!widthTest || Edit.FitsDisplay(value + "."));
    if (Key < '0' || Key > '9')
        return false;
    const size_t sign = value.find('-') != std::string::npos ? 1 : 0;
    const bool room = Edit.DecimalLength() > 0 && point != std::string::npos
                          ? value.size() - point - 1 < static_cast<size_t>(Edit.DecimalLength())
                          : (point == std::string::npos ? value.size() : point) - sign <
                                static_cast<size_t>(Edit.IntegerLength());
    return room && (!widthTest || Edit.FitsDisplay(Edit.StripLeadingZeros(value + Key)));
}

/// Whether the key-down rules change the value with OnChange: paste, cut and delete.
bool ChangesOnKeyDown(const TRyNumEdit &Edit, quint16 Key, TShiftState Shift) {
    if (Edit.ReadOnly())
        return false;
    if (Shift.CtrlOnly() && Key == vk::Letter('V'))
        return ClipboardHasText();
    if (Shift.CtrlOnly() && Key == vk::Letter('X'))
        return Edit.SelLength() != 0;
    if (Shift.None() && (Key == vk::Back || Key == vk::Delete))
        return !Edit.ValueText().empty() && Edit.SelLength() == 0;
    return false;
}

const int Keys[] = {
    Qt::Key_0,      Qt::Key_1,        Qt::Key_5,      Qt::Key_9,       Qt::Key_A,
    Qt::Key_C,      Qt::Key_V,        Qt::Key_X,      Qt::Key_Z,       Qt::Key_Left,
    Qt::Key_Right,  Qt::Key_Up,       Qt::Key_Down,   Qt::Key_Home,    Qt::Key_End,
    Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Insert, Qt::Key_Delete,  Qt::Key_Backspace,
    Qt::Key_Return, Qt::Key_Enter,    Qt::Key_Escape, Qt::Key_Tab,     Qt::Key_Backtab,
    Qt::Key_Minus,  Qt::Key_Period,   Qt::Key_Comma,  Qt::Key_Plus,    Qt::Key_Space,
    Qt::Key_F1,     Qt::Key_Menu,     Qt::Key_Shift,  Qt::Key_Control, Qt::Key_unknown,
};

/// The text a keyboard gives with a key, the control codes of Ctrl with a letter included.
QString KeyText(int Key, Qt::KeyboardModifiers Modifiers) {
    const bool ctrl = Modifiers.testFlag(Qt::ControlModifier);
    if (Key >= Qt::Key_A && Key <= Qt::Key_Z) {
        if (ctrl)
            return QString(QChar(Key - Qt::Key_A + 1));
        const char letter = static_cast<char>(Key - Qt::Key_A + 'a');
        return QString(QChar(Modifiers.testFlag(Qt::ShiftModifier) ? letter - 32 : letter));
    }
    if ((Key >= Qt::Key_0 && Key <= Qt::Key_9) || Key == Qt::Key_Minus || Key == Qt::Key_Period ||
        Key == Qt::Key_Comma || Key == Qt::Key_Plus || Key == Qt::Key_Space)
        return QString(QChar(Key));
    switch (Key) {
    case Qt::Key_Backspace:
        return QStringLiteral("\b");
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("\r");
    case Qt::Key_Escape:
        return QStringLiteral("\x1b");
    case Qt::Key_Tab:
        return QStringLiteral("\t");
    default:
        return QString();
    }
}

void SendKey(TRyNumEdit &Edit, int Key, Qt::KeyboardModifiers Modifiers, const QString &Text) {
    QKeyEvent override(QEvent::ShortcutOverride, Key, Modifiers, Text);
    QApplication::sendEvent(&Edit, &override);
    QKeyEvent press(QEvent::KeyPress, Key, Modifiers, Text);
    QApplication::sendEvent(&Edit, &press);
    QKeyEvent release(QEvent::KeyRelease, Key, Modifiers, Text);
    QApplication::sendEvent(&Edit, &release);
}

void SendMouse(TRyNumEdit &Edit, QEvent::Type Type, QPoint At, Qt::MouseButton Button,
               Qt::MouseButtons Buttons) {
    QMouseEvent event(Type, At, Edit.mapToGlobal(At), Button, Buttons, Qt::NoModifier);
    QApplication::sendEvent(&Edit, &event);
}

/// A point in or a little around the control (which a margin may have made very high).
QPoint Where(fuzz::Bytes &In, const TRyNumEdit &Edit) {
    const auto x = int64_t{In.Byte()} * (Edit.width() + 8) / 255 - 4;
    const auto y = int64_t{In.Byte()} * (Edit.height() + 8) / 255 - 4;
    return QPoint(static_cast<int>(x), static_cast<int>(y));
}

Qt::MouseButton Button(uint8_t Byte) {
    static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                              Qt::MiddleButton};
    return buttons[Byte % 4];
}

enum Operation {
    opKey,
    opCharacter,
    opCompose,
    opCommit,
    opClipboard,
    opPaste,
    opCut,
    opCopy,
    opUndo,
    opMenuCommand,
    opContextMenu,
    opClosePopup,
    opSelectAll,
    opClick,
    opDoubleClick,
    opDrag,
    opFocus,
    opFocusOther,
    opActivateElsewhere,
    opActivateWindow,
    opResize,
    opFont,
    opEnable,
    opProperty,
    opWindowText,
    opCount
};

constexpr int MaxOperations = 200;

/// Runs one operation read from In on Edit; the OnChange signals it should raise are added to
/// Expected. Returns true when the operation was an undo.
bool RunOperation(Stage &Scene, QPointer<TRyNumEdit> &Edit, fuzz::Bytes &In, int &Expected) {
    bool undone = false;
    switch (In.Byte() % opCount) {
    case opKey: {
        const int key = Keys[In.Byte() % (sizeof Keys / sizeof Keys[0])];
        const uint8_t bits = In.Byte();
        Qt::KeyboardModifiers modifiers;
        modifiers.setFlag(Qt::ShiftModifier, bits & 1);
        modifiers.setFlag(Qt::ControlModifier, bits & 2);
        modifiers.setFlag(Qt::AltModifier, bits & 4);
        modifiers.setFlag(Qt::MetaModifier, bits & 8);
        modifiers.setFlag(Qt::KeypadModifier, bits & 16);
        const QString text =
            bits & 32 ? fuzz::FromCp932(std::string(1, char(In.Byte()))) : KeyText(key, modifiers);
        SendKey(*Edit, key, modifiers, text);
        break;
    }
    case opCharacter: {
        std::string bytes(1, static_cast<char>(In.Byte()));
        if (cp932::IsLeadByte(static_cast<unsigned char>(bytes[0])))
            bytes += static_cast<char>(In.Byte());
        SendKey(*Edit, Qt::Key_unknown, Qt::NoModifier, fuzz::FromCp932(bytes));
        break;
    }
    case opCompose: {
        QInputMethodEvent compose(fuzz::FromCp932(In.Text()), {});
        QApplication::sendEvent(Edit, &compose);
        break;
    }
    case opCommit: {
        QInputMethodEvent commit;
        commit.setCommitString(fuzz::FromCp932(In.Text()));
        QApplication::sendEvent(Edit, &commit);
        break;
    }
    case opClipboard:
        if (In.Bool())
            QApplication::clipboard()->setText(fuzz::FromCp932(In.Text()));
        else
            QApplication::clipboard()->clear();
        break;
    case opPaste:
        Expected += ClipboardHasText() ? 1 : 0;
        Edit->PasteFromClipboard();
        break;
    case opCut:
        Expected += Edit->SelLength() != 0 ? 1 : 0;
        Edit->CutToClipboard();
        break;
    case opCopy:
        Edit->CopyToClipboard();
        break;
    case opUndo:
        undone = Edit->CanUndo();
        Expected += undone ? 1 : 0;
        Edit->Undo();
        break;
    case opMenuCommand: {
        QAction *item = Edit->MenuItem(In.Byte() % 8);
        Edit->MenuPopup(Edit->BuiltInPopup()); // as the menu opens: focus, enabled items
        if (!Edit || !item->isEnabled())
            break;
        const int tag = item->data().toInt();
        undone = tag == 0;
        Expected += (tag == 0 || tag == 2 || tag == 4) ? 1 : 0; // undo, cut, paste
        item->trigger();
        break;
    }
    case opContextMenu: {
        const QPoint at = Where(In, *Edit);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, Edit->mapToGlobal(at));
        QApplication::sendEvent(Edit, &event);
        break;
    }
    case opClosePopup:
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        break;
    case opSelectAll:
        Edit->SelectAll();
        break;
    case opClick: {
        const Qt::MouseButton button = Button(In.Byte());
        const QPoint at = Where(In, *Edit);
        SendMouse(*Edit, QEvent::MouseButtonPress, at, button, button);
        SendMouse(*Edit, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
        break;
    }
    case opDoubleClick: {
        const Qt::MouseButton button = Button(In.Byte());
        const QPoint at = Where(In, *Edit);
        SendMouse(*Edit, QEvent::MouseButtonPress, at, button, button);
        SendMouse(*Edit, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
        SendMouse(*Edit, QEvent::MouseButtonDblClick, at, button, button);
        SendMouse(*Edit, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
        break;
    }
    case opDrag: {
        const QPoint from = Where(In, *Edit);
        SendMouse(*Edit, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        for (int moves = 1 + In.Byte() % 3; moves > 0 && Edit; --moves)
            SendMouse(*Edit, QEvent::MouseMove, Where(In, *Edit), Qt::NoButton, Qt::LeftButton);
        SendMouse(*Edit, QEvent::MouseButtonRelease, from, Qt::LeftButton, Qt::NoButton);
        break;
    }
    case opFocus: {
        static const Qt::FocusReason reasons[] = {Qt::TabFocusReason, Qt::BacktabFocusReason,
                                                  Qt::MouseFocusReason, Qt::OtherFocusReason};
        Edit->setFocus(reasons[In.Byte() % 4]);
        break;
    }
    case opFocusOther:
        Scene.other->setFocus();
        break;
    case opActivateElsewhere:
        Scene.elsewhere.activateWindow();
        break;
    case opActivateWindow:
        Scene.window.activateWindow();
        break;
    case opResize:
        Edit->resize(In.Byte() * 2, In.Byte() / 2);
        break;
    case opFont: {
        static const char *const families[] = {"IPAGothic", "IPAPGothic", "DejaVu Sans",
                                               "Monospace"};
        QFont font(QString::fromLatin1(families[In.Byte() % 4]));
        font.setPointSize(1 + In.Byte() % 40);
        font.setBold(In.Bool());
        Edit->setFont(font);
        break;
    }
    case opEnable:
        Edit->setEnabled(In.Bool());
        break;
    case opProperty:
        fuzz::WriteProperty(*Edit, In);
        break;
    case opWindowText:
        Edit->WMSetText(In.Text().c_str());
        break;
    }
    return undone;
}

/// The invariants after every operation. RestoredByUndo says whether the value text was an
/// undo's restoring of a text recorded under other settings, and is updated.
void CheckInvariants(const TRyNumEdit &Edit, bool Undone, int SelectedBefore, int Raised,
                     int Expected, bool &RestoredByUndo) {
    const bool valid = fuzz::IsValidValueText(Edit.ValueText(), Edit);
    fuzz::Check(valid || RestoredByUndo || Undone,
                "the value text obeys the rules, unless an undo restored it");
    RestoredByUndo = !valid;
    fuzz::Check(Edit.DisplayText() == Edit.FormatDisplayText(Edit.ValueText()),
                "the display text is the formatted value text");
    fuzz::Check(Edit.SelLength() >= 0 &&
                    (Edit.SelLength() == 0 || Edit.SelLength() == SelectedBefore ||
                     Edit.SelLength() == static_cast<int>(Edit.DisplayText().size())),
                "the selection is all or nothing");
    fuzz::Check(Raised == Expected,
                "OnChange is raised exactly for accepted edits, cut, paste and undo");
    fuzz::Check(Edit.CaretRect().isNull() || Edit.hasFocus(), "the caret exists only with the focus");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    fuzz::StartApplication();
    TheStage();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    Stage &stage = TheStage();
    stage.Reset();
    fuzz::Bytes in(Data, Size);

    QPointer<TRyNumEdit> edit = new TRyNumEdit(&stage.window);
    edit->move(0, 0);
    edit->show();
    QApplication::processEvents();

    // OnChange as raised, and as the rules say it should be; the key and character hooks run
    // just before their rules, so they see the state those rules act on.
    int raised = 0;
    int expected = 0;
    QObject::connect(edit, &TRyNumEdit::OnChange, [&](TRyNumEdit *Sender) {
        ++raised;
        fuzz::Check(Sender->DisplayText() == Sender->FormatDisplayText(Sender->ValueText()),
                    "OnChange comes after the display text is rebuilt");
    });
    QObject::connect(edit, &TRyNumEdit::OnKeyDown,
                     [&](TRyNumEdit *Sender, quint16 &Key, TShiftState Shift) {
                         expected += ChangesOnKeyDown(*Sender, Key, Shift) ? 1 : 0;
                     });
    QObject::connect(edit, &TRyNumEdit::OnKeyPress, [&](TRyNumEdit *Sender, char &Key) {
        expected += AcceptsCharacter(*Sender, Key) ? 1 : 0;
    });

    bool restoredByUndo = false;
    for (int step = 0; step < MaxOperations && !in.Empty(); ++step) {
        const int selectedBefore = edit->SelLength();
        const bool undone = RunOperation(stage, edit, in, expected);
        QApplication::processEvents(); // paints, posted focus moves, window activation
        fuzz::Check(!edit.isNull(), "the control is still there");
        CheckInvariants(*edit, undone, selectedBefore, raised, expected, restoredByUndo);
    }
    delete edit;
    return 0;
}
