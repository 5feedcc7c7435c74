// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// The control tests' shared fixture: a window of controls, the calculator's field settings as
// its form sets them, and settings written as text.
#pragma once

#include "RyNumEdit.h"
#include "ui_TZELKF.h"

#include <QMetaProperty>
#include <QTest>
#include <QWidget>

namespace fixture {

/// Gives Edit the settings that TZELKF.ui gives the calculator's display fields: each property
/// of the control in which the form's field differs from a new control beside it.
inline void CalculatorField(TRyNumEdit &Edit) {
    QWidget host;
    Ui::TZELKF form;
    form.setupUi(&host);
    const TRyNumEdit *field = form.RyNumEdit1;
    const TRyNumEdit plain(field->parentWidget());
    const QMetaObject &meta = TRyNumEdit::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty p = meta.property(i);
        if (p.read(field) != p.read(&plain))
            p.write(&Edit, p.read(field));
    }
}

/// Applies a space-separated list of settings: int=N, dec=N, left=MARK, right=MARK, image
/// (ImageCopy), decfixed, readonly, nominus, quiet (no ErrorBeep), orstop (eoORInputStop) and
/// narrow (eoORInputStop on a control too narrow for anything).
inline void Configure(TRyNumEdit &e, const QString &settings) {
    for (const QString &s : settings.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (s.startsWith(QLatin1String("int=")))
            e.SetIntegerLength(s.mid(4).toInt());
        else if (s.startsWith(QLatin1String("dec=")))
            e.SetDecimalLength(s.mid(4).toInt());
        else if (s.startsWith(QLatin1String("left=")))
            e.SetLeftMark(s.mid(5));
        else if (s.startsWith(QLatin1String("right=")))
            e.SetRightMark(s.mid(6));
        else if (s == QLatin1String("image"))
            e.SetImageCopy(true);
        else if (s == QLatin1String("decfixed"))
            e.SetDecimalFixed(true);
        else if (s == QLatin1String("readonly"))
            e.SetReadOnly(true);
        else if (s == QLatin1String("nominus"))
            e.SetMinus(false);
        else if (s == QLatin1String("quiet"))
            e.SetErrorBeep(false);
        else if (s == QLatin1String("orstop"))
            e.SetOptions(e.Options() | TRyNumEdit::eoORInputStop);
        else if (s == QLatin1String("narrow")) {
            e.SetOptions(e.Options() | TRyNumEdit::eoORInputStop);
            e.resize(e.width() - e.AvailableWidth(), e.height());
        } else
            qFatal("unknown setting %s", qPrintable(s));
    }
}

/// A window of four controls in tab order, each named after its member: first, edit, field
/// (a calculator display field: read-only and no tab stop) and last.
struct Form {
    QWidget window;
    TRyNumEdit *first = new TRyNumEdit(&window);
    TRyNumEdit *edit = new TRyNumEdit(&window);
    TRyNumEdit *field = new TRyNumEdit(&window);
    TRyNumEdit *last = new TRyNumEdit(&window);

    Form() {
        CalculatorField(*field);
        // Placed by hand: the control keeps the size it gives itself.
        int y = 10;
        for (TRyNumEdit *e : {first, edit, field, last}) {
            e->move(10, y);
            y += e->height() + 10;
        }
        window.resize(160, y);
        first->setObjectName("first");
        edit->setObjectName("edit");
        field->setObjectName("field");
        last->setObjectName("last");
    }
    /// Shows the window and waits until it is active; with Focus, moves the focus there.
    bool Show(QWidget *Focus = nullptr) {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        if (!Focus)
            return true;
        Focus->setFocus(Qt::OtherFocusReason);
        return Focus->hasFocus();
    }
};

} // namespace fixture
