// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TRyNumEdit: what assistive technology reads and is told.
#include "RyNumEditAccessible_p.h"

#include "RyNumEdit.h"
#include "RyNumEdit_p.h"
#include "ShiftJis_p.h"

#include <algorithm>

namespace RyNumEdit {

namespace {

QAccessibleInterface *RyNumEditFactory(const QString &ClassName, QObject *Object) {
    // Asked once per class up the hierarchy, so derived controls are served as well.
    if (ClassName == QLatin1String("TRyNumEdit") && Object && Object->isWidgetType())
        return new TRyNumEditAccessible(static_cast<TRyNumEdit *>(Object));
    return nullptr;
}

} // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(RyNumEditFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

TRyNumEditAccessible::TRyNumEditAccessible(TRyNumEdit *Edit)
    : QAccessibleWidget(Edit, QAccessible::EditableText) {
    FAnnounced = DisplayedText();
}

TRyNumEdit *TRyNumEditAccessible::Edit() const {
    return static_cast<TRyNumEdit *>(widget());
}

QString TRyNumEditAccessible::DisplayedText() const {
    return cp932::ToUnicode(Edit()->DisplayText());
}

bool TRyNumEditAccessible::Writable() const {
    return Edit()->isEnabled() && !Edit()->ReadOnly();
}

void TRyNumEditAccessible::WriteWindowText(const QString &Text) {
    if (!Writable())
        return;
    QString number = Text;
    const QString left = Edit()->LeftMark(), right = Edit()->RightMark();
    if (!left.isEmpty() && number.startsWith(left))
        number.remove(0, left.size());
    if (!right.isEmpty() && number.endsWith(right))
        number.chop(right.size());
    const std::string bytes = cp932::FromUnicode(number);
    Edit()->WMSetText(bytes.c_str());
}

QString TRyNumEditAccessible::text(QAccessible::Text Kind) const {
    switch (Kind) {
    case QAccessible::Name: {
        // Named as Qt names widgets (its accessible name, else the label whose buddy it is or
        // its row's label in a form layout); a field nothing names is read by what it shows.
        const QString name = QAccessibleWidget::text(Kind);
        return name.isEmpty() ? DisplayedText() : name;
    }
    case QAccessible::Value:
        return DisplayedText();
    default:
        return QAccessibleWidget::text(Kind);
    }
}

void TRyNumEditAccessible::setText(QAccessible::Text Kind, const QString &Text) {
    if (Kind == QAccessible::Value)
        WriteWindowText(Text);
    else
        QAccessibleWidget::setText(Kind, Text);
}

QAccessible::State TRyNumEditAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = Edit()->ReadOnly();
    s.editable = !Edit()->ReadOnly();
    s.selectableText = true;
    s.focusable = true;
    return s;
}

void *TRyNumEditAccessible::interface_cast(QAccessible::InterfaceType Type) {
    if (Type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (Type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(Type);
}

void TRyNumEditAccessible::selection(int SelectionIndex, int *StartOffset, int *EndOffset) const {
    const bool selected = SelectionIndex == 0 && Edit()->SelLength() != 0;
    *StartOffset = 0;
    *EndOffset = selected ? characterCount() : 0;
}

int TRyNumEditAccessible::selectionCount() const {
    return Edit()->SelLength() != 0 ? 1 : 0;
}

void TRyNumEditAccessible::addSelection(int StartOffset, int EndOffset) {
    setSelection(0, StartOffset, EndOffset);
}

void TRyNumEditAccessible::removeSelection(int SelectionIndex) {
    if (SelectionIndex == 0)
        Edit()->ClearSelection();
}

void TRyNumEditAccessible::setSelection(int SelectionIndex, int StartOffset, int EndOffset) {
    // The control selects all or nothing: any non-empty range selects everything.
    if (SelectionIndex != 0)
        return;
    if (StartOffset == EndOffset)
        Edit()->ClearSelection();
    else
        Edit()->SelectAll();
}

int TRyNumEditAccessible::cursorPosition() const {
    return characterCount();
}

void TRyNumEditAccessible::setCursorPosition(int) {}

QString TRyNumEditAccessible::text(int StartOffset, int EndOffset) const {
    const QString all = DisplayedText();
    const int start = std::clamp(StartOffset, 0, static_cast<int>(all.size()));
    const int end = EndOffset < 0 ? static_cast<int>(all.size())
                                  : std::clamp(EndOffset, start, static_cast<int>(all.size()));
    return all.mid(start, end - start);
}

int TRyNumEditAccessible::characterCount() const {
    return static_cast<int>(DisplayedText().size());
}

QRect TRyNumEditAccessible::characterRect(int) const {
    // There is no caret to move through the text, so no character needs a column of its
    // own: every character reports the painted number.
    QRect r = Edit()->GetNumberTextRect().ToQRect();
    r.translate(Edit()->contentsRect().topLeft());
    return QRect(Edit()->mapToGlobal(r.topLeft()), r.size());
}

int TRyNumEditAccessible::offsetAtPoint(const QPoint &Point) const {
    return characterRect(0).contains(Point) ? characterCount() : -1;
}

void TRyNumEditAccessible::scrollToSubstring(int, int) {}

QString TRyNumEditAccessible::attributes(int, int *StartOffset, int *EndOffset) const {
    *StartOffset = 0;
    *EndOffset = characterCount();
    return QString();
}

void TRyNumEditAccessible::deleteText(int StartOffset, int EndOffset) {
    replaceText(StartOffset, EndOffset, QString());
}

void TRyNumEditAccessible::insertText(int Offset, const QString &Text) {
    replaceText(Offset, Offset, Text);
}

void TRyNumEditAccessible::replaceText(int StartOffset, int EndOffset, const QString &Text) {
    QString all = DisplayedText();
    const int start = std::clamp(StartOffset, 0, static_cast<int>(all.size()));
    const int end = std::clamp(EndOffset, start, static_cast<int>(all.size()));
    all.replace(start, end - start, Text);
    WriteWindowText(all);
}

void TRyNumEditAccessible::AnnounceChange() {
    const QString now = DisplayedText();
    if (now == FAnnounced)
        return;
    QAccessibleTextUpdateEvent update(Edit(), 0, FAnnounced, now);
    QAccessible::updateAccessibility(&update);
    QAccessibleValueChangeEvent value(Edit(), now);
    QAccessible::updateAccessibility(&value);
    if (Edit()->accessibleName().isEmpty()) {
        QAccessibleEvent name(Edit(), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&name);
    }
    FAnnounced = now;
}

} // namespace RyNumEdit

void TRyNumEditPrivate::NotifyAccessibility() {
    if (!QAccessible::isActive())
        return;
    if (auto *iface =
            dynamic_cast<RyNumEdit::TRyNumEditAccessible *>(QAccessible::queryAccessibleInterface(q)))
        iface->AnnounceChange();
}
