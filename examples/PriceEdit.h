// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TPriceEdit: a numeric edit for prices, the reference manual's example of a derived control.
#pragma once

#include "RyNumEdit.h"

//! [class]
/// A price field. It shows at least MinDecimals decimals (1.5 as 1.50, while 1.125 stays as it
/// was typed), and reads a text that is written or pasted with a currency sign or blanks before
/// the number ("$ 1,200", "￥980") as that number.
class TPriceEdit : public TRyNumEdit {
    Q_OBJECT

public:
    explicit TPriceEdit(QWidget *Parent = nullptr);

    /// The fewest decimals shown (2), never more than DecimalLength.
    int MinDecimals() const { return FMinDecimals; }
    void SetMinDecimals(int Value);

    /// Drops the decimal zeros typed beyond MinDecimals ("1.2500" becomes "1.25"), as a
    /// program may do when the user leaves the field.
    void TrimZeros();

protected:
    std::string FilterText(const std::string &Value) const override;
    std::string FormatNumber(const std::string &Value) const override;
    std::string NumberAreaTemplate() const override;

private:
    /// The point and zeros that bring the decimals of Value up to MinDecimals.
    std::string Padding(const std::string &Value) const;

    int FMinDecimals = 2;
};
//! [class]
