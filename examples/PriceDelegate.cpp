// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// PriceDelegate: the editor it creates for a price.
#include "PriceDelegate.h"

#include "RyNumEdit.h"

QWidget *PriceDelegate::createEditor(QWidget *Parent, const QStyleOptionViewItem &,
                                     const QModelIndex &) const {
    auto *edit = new TRyNumEdit(Parent);
    edit->SetDecimalLength(2);
    edit->SetDecimalFixed(true);
    edit->SetBorderStyle(TRyNumEdit::bsNone);
    return edit;
}
