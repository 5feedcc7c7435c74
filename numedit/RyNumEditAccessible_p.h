// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TRyNumEditAccessible: what assistive technology reads from and writes to a TRyNumEdit.
#pragma once

#include <QAccessibleWidget>

class TRyNumEdit;

namespace RyNumEdit {

/// The accessible side of a numeric edit control: an editable text whose name and value are
/// the displayed number (unless the window names the field). Its text is the display text,
/// marks, separators and fixed zeros included, so a screen reader says what the field shows
/// (an empty field with fixed decimals reads "0.000"); the caret stands at its end. Writes go
/// through WMSetText, so assistive technology gets the same filtering as any program that sets
/// the window text.
class TRyNumEditAccessible : public QAccessibleWidget,
                             public QAccessibleTextInterface,
                             public QAccessibleEditableTextInterface {
public:
    explicit TRyNumEditAccessible(TRyNumEdit *Edit);

    QString text(QAccessible::Text Kind) const override;
    void setText(QAccessible::Text Kind, const QString &Text) override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType Type) override;

    // QAccessibleTextInterface: the whole value is one run; the selection is all or nothing
    // and the caret always stands after the last character.
    void selection(int SelectionIndex, int *StartOffset, int *EndOffset) const override;
    int selectionCount() const override;
    void addSelection(int StartOffset, int EndOffset) override;
    void removeSelection(int SelectionIndex) override;
    void setSelection(int SelectionIndex, int StartOffset, int EndOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int Position) override;
    QString text(int StartOffset, int EndOffset) const override;
    int characterCount() const override;
    QRect characterRect(int Offset) const override;
    int offsetAtPoint(const QPoint &Point) const override;
    void scrollToSubstring(int StartIndex, int EndIndex) override;
    QString attributes(int Offset, int *StartOffset, int *EndOffset) const override;

    // QAccessibleEditableTextInterface: each edit writes the whole new window text.
    void deleteText(int StartOffset, int EndOffset) override;
    void insertText(int Offset, const QString &Text) override;
    void replaceText(int StartOffset, int EndOffset, const QString &Text) override;

    /// Tells assistive technology what changed since the last announcement.
    void AnnounceChange();

private:
    TRyNumEdit *Edit() const;
    QString DisplayedText() const;
    bool Writable() const;
    /// Writes an edited display text as the window text. Marks still standing at its ends are
    /// taken off first: the filter would stop at a left mark and empty the value.
    void WriteWindowText(const QString &Text);

    QString FAnnounced;
};

/// Registers the factory that gives every TRyNumEdit its TRyNumEditAccessible. Idempotent.
void InstallAccessibility();

} // namespace RyNumEdit
