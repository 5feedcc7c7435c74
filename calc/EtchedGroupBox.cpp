// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TEtchedGroupBox: the etched frame.
#include "EtchedGroupBox.h"

#include <QPainter>
#include <qdrawutil.h>

void TEtchedGroupBox::paintEvent(QPaintEvent *Event) {
    if (!title().isEmpty() || isCheckable()) {
        QGroupBox::paintEvent(Event);
        return;
    }
    QPainter painter(this);
    qDrawShadeRect(&painter, rect(), palette(), /*sunken=*/true);
}
