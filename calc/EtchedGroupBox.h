// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TEtchedGroupBox: a group box drawn with the classic etched frame.
#pragma once

#include <QGroupBox>

/// A group box without a title or check box, drawn with the classic etched frame (a dark line
/// with a light one beside it) instead of the style's own. The form's radio group is one: the
/// style draws its group frame from an image, and decoding that image at start-up means loading
/// every installed image format plug-in first. With a title or check box it is drawn as any
/// group box.
class TEtchedGroupBox : public QGroupBox {
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *Event) override;
};
