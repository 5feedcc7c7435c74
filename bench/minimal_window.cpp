// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// The start-up baseline: a plain Qt window with as many push buttons and edits as the calculator.
// With --exit-on-shown it reports its first frame on the screen and quits (ShownWatcher.h).
#include "ShownWatcher.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("minimal"));
    window.setFixedSize(285, 245);
    for (int i = 0; i < 29; ++i) {
        auto *b = new QPushButton(QString::number(i), &window);
        b->setGeometry(8 + (i % 7) * 40, 56 + (i / 7) * 32, 33, 25);
    }
    for (int i = 0; i < 3; ++i) {
        auto *e = new QLineEdit(&window);
        e->setGeometry(8 + i * 90, 8, 80, 20);
    }
    TShownWatcher::InstallIfAsked(&window);
    window.show();
    return app.exec();
}
