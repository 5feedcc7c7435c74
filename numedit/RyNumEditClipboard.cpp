// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TRyNumEdit: clipboard commands, undo and the built-in context menu.
#include "RyNumEdit.h"
#include "RyNumEdit_p.h"

#include "ShiftJis_p.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>

#include <algorithm>
#include <cstdint>
#include <cstring>

using namespace RyNumEdit;

namespace {

/// Menu captions, with "&" before the access key; the index is the item's tag. The Japanese
/// captions are the source texts of their translations (context TRyNumEdit) and what shows
/// without one.
const char *const MenuCaptions[8] = {
    QT_TRANSLATE_NOOP("TRyNumEdit", "元に戻す(&U)"),
    "-",
    QT_TRANSLATE_NOOP("TRyNumEdit", "切り取り(&T)"),
    QT_TRANSLATE_NOOP("TRyNumEdit", "コピー(&C)"),
    QT_TRANSLATE_NOOP("TRyNumEdit", "貼り付け(&P)"),
    QT_TRANSLATE_NOOP("TRyNumEdit", "削除(&D)"),
    "-",
    QT_TRANSLATE_NOOP("TRyNumEdit", "すべて選択(&A)"),
};

enum MenuTag {
    tagUndo = 0,
    tagCut = 2,
    tagCopy = 3,
    tagPaste = 4,
    tagDelete = 5,
    tagSelectAll = 7
};

bool ClipboardHasText() {
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return data && data->hasText();
}

/// What a code page 932 character can be to the filter: an ASCII comma, which it skips, a
/// full-width comma, which its folding drops altogether, part of a number (an ASCII or
/// full-width digit, minus or full stop), or the end of the number.
enum class CharKind { Comma, FullWidthComma, Numeric, End };

CharKind Classify(const std::string &Bytes, size_t At, size_t Length) {
    const auto b = static_cast<unsigned char>(Bytes[At]);
    if (Length == 1) {
        if (b == ',')
            return CharKind::Comma;
        return (b >= '0' && b <= '9') || b == '-' || b == '.' ? CharKind::Numeric : CharKind::End;
    }
    const unsigned code = cp932::PairCode(b, static_cast<unsigned char>(Bytes[At + 1]));
    if (code == cp932::FullWidthComma)
        return CharKind::FullWidthComma;
    return cp932::FoldFullWidth(code) != '\0' ? CharKind::Numeric : CharKind::End;
}

/// The beginning of a pasted text that the filter can read, in code page 932, without what the
/// filter would skip to no effect.
///
/// The filter ends its scan at the first character that cannot be part of a number, and once
/// it has seen more characters besides commas than a sign, a point and the digit limits
/// (Budget) allow, it has stopped or discarded the value. So the text is converted piece by
/// piece and the conversion ends just after the character where the filter is bound to stop:
/// converting and copying all of a large clipboard text would otherwise be the whole cost of
/// a paste. Commas alone could still make that beginning long, so a run of commas is kept as
/// one (the filter skips them, noting only that something came first) and full-width commas,
/// which its folding drops, are left out. Only the built-in filter is read this way: a derived
/// control's FilterText sees the whole text.
std::string NumericPrefix(const QString &Text, std::uint64_t Budget) {
    std::string prefix;
    // Room for the common large paste, ASCII digits, which ends one past the budget.
    prefix.reserve(static_cast<size_t>(std::min<std::uint64_t>(Text.size(), Budget + 1)));
    std::uint64_t numeric = 0;
    bool afterComma = false;
    qsizetype chunk = 64; // most pastes end within the first few characters
    for (qsizetype pos = 0; pos < Text.size();) {
        qsizetype n = std::min(chunk, Text.size() - pos);
        if (pos + n < Text.size() && Text.at(pos + n - 1).isHighSurrogate())
            ++n; // keep a surrogate pair in one piece
        const std::string bytes =
            cp932::FromUnicode(QString::fromRawData(Text.constData() + pos, n));
        pos += n;
        chunk = std::min<qsizetype>(chunk * 2, 64 * 1024);

        // Converted from whole characters, so a lead byte has its trail byte here; one that
        // does not is no number either. Bytes from kept onwards are still to be copied.
        size_t kept = 0;
        for (size_t i = 0; i < bytes.size();) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            // The common runs are taken whole: commas, of which only the first is kept, and
            // digits, as many as the budget allows.
            if (b == ',') {
                size_t end = i + 1;
                while (end < bytes.size() && bytes[end] == ',')
                    ++end;
                prefix.append(bytes, kept, (afterComma ? i : i + 1) - kept);
                kept = end;
                afterComma = true;
                i = end;
                continue;
            }
            if (b >= '0' && b <= '9') {
                size_t end = i + 1;
                while (end < bytes.size() && bytes[end] >= '0' && bytes[end] <= '9')
                    ++end;
                afterComma = false;
                if (end - i > Budget - numeric) {
                    prefix.append(bytes, kept, i + (Budget - numeric) + 1 - kept);
                    return prefix;
                }
                numeric += end - i;
                i = end;
                continue;
            }
            const size_t length = cp932::IsLeadByte(b) && i + 1 < bytes.size() ? 2 : 1;
            const CharKind kind = Classify(bytes, i, length);
            if (kind == CharKind::FullWidthComma) {
                prefix.append(bytes, kept, i - kept);
                kept = i + length;
                i += length;
                continue;
            }
            i += length;
            afterComma = false;
            if (kind == CharKind::End || ++numeric > Budget) {
                prefix.append(bytes, kept, i - kept);
                return prefix;
            }
        }
        prefix.append(bytes, kept, std::string::npos);
    }
    return prefix;
}

} // namespace

void TRyNumEditPrivate::BuildPopupMenu() {
    if (FDesigning)
        return;
    // Every control has its menu from the start, so it is kept light: no shortcuts, one
    // connection for all items (the menu's own), made after the items are added (an action
    // connected before QMenu connects to it keeps a grown connection list).
    q->FPopup = new QMenu(q);
    for (size_t i = 0; i < q->FMenuItems.size(); ++i) {
        auto *item = new QAction(q);
        // "-" is the caption convention for a separator; a Qt separator carries no text, which
        // styles would otherwise draw beside the line.
        item->setSeparator(std::strcmp(MenuCaptions[i], "-") == 0);
        item->setData(static_cast<int>(i));
        q->FPopup->addAction(item);
        q->FMenuItems[i] = item;
    }
    QObject::connect(q->FPopup, &QMenu::triggered, q, [this](QAction *Item) {
        // Items a derived control added to the menu are its own to handle.
        if (std::find(q->FMenuItems.begin(), q->FMenuItems.end(), Item) != q->FMenuItems.end())
            q->MenuItemClick(Item);
    });
    QObject::connect(q->FPopup, &QMenu::aboutToShow, q, [this] { q->MenuPopup(q->FPopup); });
    TranslateMenu();
}

void TRyNumEditPrivate::TranslateMenu() {
    if (!q->FPopup)
        return;
    for (size_t i = 0; i < q->FMenuItems.size(); ++i)
        if (!q->FMenuItems[i]->isSeparator())
            q->FMenuItems[i]->setText(QCoreApplication::translate("TRyNumEdit", MenuCaptions[i]));
}

QMenu *TRyNumEdit::BuiltInPopup() const {
    return FPopup;
}

QAction *TRyNumEdit::MenuItem(int Index) const {
    if (Index < 0 || static_cast<size_t>(Index) >= FMenuItems.size())
        return nullptr;
    return FMenuItems[static_cast<size_t>(Index)];
}

QMenu *TRyNumEdit::PopupMenu() const {
    return d->FPopupMenuAssigned ? d->FPopupMenu.data() : BuiltInPopup();
}

void TRyNumEdit::SetPopupMenu(QMenu *Value) {
    d->FPopupMenu = Value;
    d->FPopupMenuAssigned = true;
}

void TRyNumEdit::MenuPopup(QObject *) {
    // An ordinary focus entry, so that AutoSelect selects before the items are set; in a
    // window that is not active as well.
    d->TakeFocus(Qt::OtherFocusReason);
    if (!FPopup)
        return; // design mode: no items to set
    const bool selected = FSelLength != 0;
    FMenuItems[tagUndo]->setEnabled(FCanUndo && !d->FReadOnly);
    FMenuItems[tagCut]->setEnabled(selected && !d->FReadOnly);
    FMenuItems[tagCopy]->setEnabled(selected);
    FMenuItems[tagPaste]->setEnabled(ClipboardHasText() && !d->FReadOnly);
    FMenuItems[tagDelete]->setEnabled(selected && !d->FReadOnly);
    FMenuItems[tagSelectAll]->setEnabled(!selected && !FValueText.empty());
}

void TRyNumEdit::MenuItemClick(QObject *Sender) {
    const auto *item = qobject_cast<QAction *>(Sender);
    if (!item)
        return;
    switch (item->data().toInt()) {
    case tagUndo:
        Undo();
        break;
    case tagCut:
        CutToClipboard();
        break;
    case tagCopy:
        CopyToClipboard();
        break;
    case tagPaste:
        PasteFromClipboard();
        break;
    case tagDelete:
        ClearValue();
        break;
    case tagSelectAll:
        SelectAll();
        break;
    default:
        break;
    }
}

void TRyNumEdit::contextMenuEvent(QContextMenuEvent *e) {
    if (IsDesigning())
        return;
    QMenu *menu = PopupMenu();
    if (!menu)
        return;
    // A right click on the frame is outside the client area: the parent's menu, if any.
    if (e->reason() == QContextMenuEvent::Mouse && !contentsRect().contains(e->pos())) {
        e->ignore();
        return;
    }
    // The built-in menu takes the focus and sets its items as it opens (aboutToShow). Not
    // exec(): a nested event loop could delete the control under this handler.
    menu->popup(e->globalPos());
    e->accept();
}

void TRyNumEdit::CopyToClipboard() {
    if (FSelLength == 0)
        return;
    QApplication::clipboard()->setText(cp932::ToUnicode(d->FImageCopy ? FDisplayText : FValueText));
}

void TRyNumEdit::CutToClipboard() {
    if (FSelLength == 0)
        return;
    CopyToClipboard();
    ClearValue();
    Q_EMIT OnChange(this);
}

void TRyNumEdit::PasteFromClipboard() {
    if (!ClipboardHasText())
        return;
    const QString text = QApplication::clipboard()->text();
    std::string pasted;
    if (d->IsPlainControl()) {
        // Past a sign, a point and the digit limits the filter reads nothing but commas.
        const std::uint64_t budget = std::uint64_t{2} +
                                     static_cast<std::uint64_t>(d->FIntegerLength) +
                                     static_cast<std::uint64_t>(d->FDecimalLength);
        pasted = NumericPrefix(text, budget);
    } else {
        pasted = cp932::FromUnicode(text);
    }
    SaveUndo();
    // A selection is replaced; otherwise the text is appended to the value.
    if (FSelLength == 0)
        pasted.insert(0, FValueText);
    FValueText = FilterText(pasted);
    FValueText = StripLeadingZeros(FValueText);
    ClearSelection();
    ValueChanged();
    Q_EMIT OnChange(this);
}

void TRyNumEdit::Undo() {
    if (!FCanUndo)
        return;
    SwapUndo();
    ValueChanged();
    SelectAll(); // over the restored display text
    Q_EMIT OnChange(this);
}
