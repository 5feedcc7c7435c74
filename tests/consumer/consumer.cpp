// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Uses the installed control from a form and from code; exits 0 when both behave.
#include <RyNumEdit/RyNumEdit.h> // the form's header includes it as "RyNumEdit.h"
#include "ui_consumer.h"

#include <QApplication>
#include <QKeyEvent>

#include <cstdio>

static_assert(RYNUMEDIT_VERSION >= RYNUMEDIT_VERSION_CHECK(1, 0, 0) &&
                  RYNUMEDIT_VERSION < RYNUMEDIT_VERSION_CHECK(2, 0, 0),
              "built against RyNumEdit 1.x");

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    Ui::Consumer ui;
    ui.setupUi(&window);

    auto *typed = new TRyNumEdit(&window);
    typed->move(10, 40);
    int changes = 0;
    QObject::connect(typed, &TRyNumEdit::OnChange, [&changes](TRyNumEdit *) { ++changes; });
    window.show();
    typed->setFocus();
    for (Qt::Key key : {Qt::Key_4, Qt::Key_2}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(QChar(char(key))));
        QApplication::sendEvent(typed, &press);
    }

    const bool ok = ui.Price->DisplayText() == "1,234.50" && typed->text() == "42" &&
                    changes == 2 && typed->BuiltInPopup() && !typed->IsDesigning();
    std::printf("RyNumEdit %s: form: %s, typed: %s, changes: %d\n", RYNUMEDIT_VERSION_STRING,
                ui.Price->DisplayText().c_str(),
                qPrintable(typed->text()), changes);
    return ok ? 0 : 1;
}
