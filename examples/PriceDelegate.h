// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// PriceDelegate: the editor of a table column of prices, a TRyNumEdit.
#pragma once

#include <QStyledItemDelegate>

/// A table column of prices, edited with a TRyNumEdit of two fixed decimals. The editor reads
/// and writes the model through the control's USER property, Text.
class PriceDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *Parent, const QStyleOptionViewItem &Option,
                          const QModelIndex &Index) const override;
};
