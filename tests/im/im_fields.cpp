// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Four TRyNumEdits, A to D, for a real input method to type into (tests/im/check.sh). Prints
// where each field is, then one line per focus change and input method event each field takes,
// and the field's state after it: milliseconds since the start, the field, what happened.
#include "RyNumEdit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QTextStream>
#include <QVBoxLayout>
#include <QWidget>

namespace {

QElapsedTimer clock_;

void Log(const QString &Field, const QString &What) {
    static QTextStream out(stdout);
    out << QString::number(static_cast<double>(clock_.nsecsElapsed()) / 1e6, 'f', 1) << ' ' << Field << ' ' << What
        << Qt::endl;
}

class TLoggedEdit : public TRyNumEdit {
public:
    using TRyNumEdit::TRyNumEdit;

protected:
    void inputMethodEvent(QInputMethodEvent *e) override {
        Log(objectName(), QStringLiteral("im preedit=\"%1\" commit=\"%2\"")
                              .arg(e->preeditString(), e->commitString()));
        TRyNumEdit::inputMethodEvent(e);
        LogState();
    }
    void focusInEvent(QFocusEvent *e) override {
        Log(objectName(), QStringLiteral("focus-in reason=%1").arg(e->reason()));
        TRyNumEdit::focusInEvent(e);
    }
    void focusOutEvent(QFocusEvent *e) override {
        Log(objectName(), QStringLiteral("focus-out reason=%1").arg(e->reason()));
        TRyNumEdit::focusOutEvent(e);
        LogState();
    }

private:
    void LogState() {
        Log(objectName(), QStringLiteral("state text=\"%1\" display=\"%2\" preedit=\"%3\"")
                              .arg(text(), QString::fromStdString(DisplayText()), PreeditText()));
    }
};

} // namespace

int main(int argc, char *argv[]) {
    clock_.start();
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("im_fields"));
    QFont font = window.font();
    font.setPointSize(20);
    window.setFont(font);
    auto *column = new QVBoxLayout(&window);
    QList<TLoggedEdit *> fields;
    for (const char *name : {"A", "B", "C", "D"}) {
        auto *edit = new TLoggedEdit(&window);
        edit->setObjectName(QString::fromLatin1(name));
        edit->SetDecimalLength(2);
        edit->setFixedWidth(260);
        column->addWidget(edit);
        fields.append(edit);
    }
    window.show();
    QCoreApplication::processEvents();
    for (TLoggedEdit *edit : fields) {
        const QPoint c = edit->mapToGlobal(edit->rect().center());
        Log(edit->objectName(), QStringLiteral("at %1 %2").arg(c.x()).arg(c.y()));
    }
    return app.exec();
}
