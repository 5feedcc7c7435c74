// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Uses the installed control from a form, from code and derived, in a program built with
// QT_NO_KEYWORDS as KDE's are; exits 0 when all behave.
#include <RyNumEdit/RyNumEdit.h> // the form's header includes it as "RyNumEdit.h"
#include "ui_consumer.h"

#include <QApplication>
#include <QKeyEvent>

#include <cstdio>

#ifndef QT_NO_KEYWORDS
#error "built with QT_NO_KEYWORDS, so that the installed header is seen to need no Qt keywords"
#endif

/// A derived control as programs write them (without Q_OBJECT, as this program runs no moc):
/// its constructor changes the built-in menu, and its format follows state of its own.
class UnitEdit : public TRyNumEdit {
public:
    explicit UnitEdit(QWidget *parent) : TRyNumEdit(parent) { FMenuItems[7]->setVisible(false); }
    std::string Unit = " m";

protected:
    std::string FormatNumber(const std::string &Value) const override {
        return TRyNumEdit::FormatNumber(Value) + Unit;
    }
};

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
    auto *unit = new UnitEdit(&window);
    unit->move(10, 70);
    unit->setText(QStringLiteral("12"));
    int changes = 0, texts = 0;
    QObject::connect(typed, &TRyNumEdit::OnChange, [&changes](TRyNumEdit *) { ++changes; });
    QObject::connect(typed, &TRyNumEdit::textChanged, [&texts](const QString &) { ++texts; });
    window.show();
    typed->setFocus();
    const auto type = [typed](Qt::Key key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(QChar(char(key))));
        QApplication::sendEvent(typed, &press);
    };
    type(Qt::Key_4);
    type(Qt::Key_2);
    typed->SelectAll();
    type(Qt::Key_7); // over the selection: one change
    unit->Unit = " km";
    unit->grab(); // a paint

    const bool ok = ui.Price->DisplayText() == "1,234.50" && typed->text() == "7" &&
                    changes == 3 && texts == 3 && typed->BuiltInPopup() &&
                    !typed->IsDesigning() && !unit->MenuItem(7)->isVisible() &&
                    unit->TextRect().Width() == unit->TextWidth("12 km");
    std::printf("RyNumEdit %s: form: %s, typed: %s, changes: %d, textChanged: %d\n",
                RYNUMEDIT_VERSION_STRING, ui.Price->DisplayText().c_str(),
                qPrintable(typed->text()), changes, texts);
    return ok ? 0 : 1;
}
