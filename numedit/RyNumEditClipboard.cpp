// TRyNumEdit: clipboard commands, undo and the built-in context menu.
#include "RyNumEdit.h"

#include "ShiftJis.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>

namespace {

/// Menu captions, with "&" before the access key; the index is the item's tag.
const char *const MenuCaptions[8] = {
    "元に戻す(&U)", "-", "切り取り(&T)", "コピー(&C)", "貼り付け(&P)", "削除(&D)", "-",
    "すべて選択(&A)",
};

enum MenuTag { tagUndo = 0, tagCut = 2, tagCopy = 3, tagPaste = 4, tagDelete = 5, tagSelectAll = 7 };

bool ClipboardHasText() {
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return data && data->hasText();
}

} // namespace

void TRyNumEdit::BuildPopupMenu() {
    FPopup = new QMenu(this);
    for (size_t i = 0; i < FMenuItems.size(); ++i) {
        auto *item = new QAction(QString::fromUtf8(MenuCaptions[i]), this);
        item->setSeparator(item->text() == QLatin1String("-"));
        item->setData(static_cast<int>(i));
        connect(item, &QAction::triggered, this, [this, item] { MenuItemClick(item); });
        FPopup->addAction(item);
        FMenuItems[i] = item;
    }
    connect(FPopup, &QMenu::aboutToShow, this, [this] { MenuPopup(FPopup); });
    if (!FPopupMenu)
        FPopupMenu = FPopup;
}

void TRyNumEdit::MenuPopup(QObject *) {
    if (!hasFocus())
        setFocus(Qt::PopupFocusReason);
    const bool selected = FSelLength != 0;
    FMenuItems[tagUndo]->setEnabled(FCanUndo && !FReadOnly);
    FMenuItems[tagCut]->setEnabled(selected && !FReadOnly);
    FMenuItems[tagCopy]->setEnabled(selected);
    FMenuItems[tagPaste]->setEnabled(ClipboardHasText() && !FReadOnly);
    FMenuItems[tagDelete]->setEnabled(selected && !FReadOnly);
    FMenuItems[tagSelectAll]->setEnabled(!selected && !FValueText.empty());
}

void TRyNumEdit::MenuItemClick(QObject *Sender) {
    const auto *item = qobject_cast<QAction *>(Sender);
    if (!item)
        return;
    switch (item->data().toInt()) {
    case tagUndo: Undo(); break;
    case tagCut: CutToClipboard(); break;
    case tagCopy: CopyToClipboard(); break;
    case tagPaste: PasteFromClipboard(); break;
    case tagDelete: ClearValue(); break;
    case tagSelectAll: SelectAll(); break;
    default: break;
    }
}

void TRyNumEdit::contextMenuEvent(QContextMenuEvent *e) {
    if (!FPopupMenu || IsDesigning())
        return;
    // The built-in menu takes the focus and sets its items as it opens (aboutToShow).
    if (FPopupMenu != FPopup && !hasFocus())
        setFocus(Qt::PopupFocusReason);
    FPopupMenu->exec(e->globalPos());
}

void TRyNumEdit::CopyToClipboard() {
    if (FSelLength == 0)
        return;
    QApplication::clipboard()->setText(cp932::ToUnicode(FImageCopy ? FDisplayText : FValueText));
}

void TRyNumEdit::CutToClipboard() {
    if (FSelLength == 0)
        return;
    CopyToClipboard();
    ClearValue();
    emit OnChange(this);
}

void TRyNumEdit::PasteFromClipboard() {
    if (!ClipboardHasText())
        return;
    const std::string pasted = cp932::FromUnicode(QApplication::clipboard()->text());
    SaveUndo();
    // A selection is replaced; otherwise the text is appended to the value.
    FValueText = FilterText(FSelLength != 0 ? pasted : FValueText + pasted);
    FValueText = StripLeadingZeros(FValueText);
    FDisplayText = FormatDisplayText(FValueText);
    ClearSelection();
    update();
    UpdateCaret();
    NotifyAccessibility();
    emit OnChange(this);
}

void TRyNumEdit::Undo() {
    if (!FCanUndo)
        return;
    SwapUndo();
    FDisplayText = FormatDisplayText(FValueText);
    SelectAll();
    update();
    UpdateCaret();
    NotifyAccessibility();
    emit OnChange(this);
}
