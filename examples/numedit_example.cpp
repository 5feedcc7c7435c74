// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// A window of TRyNumEdits in typical settings and of a derived one, each with its Text shown
// live beside it, and the control in a form, a table and a data widget mapper, with its menus
// in English or not.
#include "PriceDelegate.h"
#include "PriceEdit.h"
#include "RyNumEdit.h"

#include <QApplication>
#include <QDataWidgetMapper>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QTranslator>
#include <QWidget>

namespace {

/// Items, their prices in a table whose price column a TRyNumEdit edits, and the selected
/// row's price in a form field that a data widget mapper keeps in step with the table.
QWidget *PriceForm(QWidget *Parent) {
    auto *box = new QWidget(Parent);
    auto *model = new QStandardItemModel(0, 2, box);
    model->setHorizontalHeaderLabels({QStringLiteral("Item"), QStringLiteral("Price")});
    for (const auto &[item, price] : {std::pair{"Tea", "3.5"}, {"Cake", "12"}, {"Jam", "4.25"}})
        model->appendRow({new QStandardItem(QString::fromLatin1(item)),
                          new QStandardItem(QString::fromLatin1(price))});
    auto *table = new QTableView(box);
    table->setModel(model);
    table->setItemDelegateForColumn(1, new PriceDelegate(table));

    auto *price = new TRyNumEdit(box);
    price->SetDecimalLength(2);
    price->SetDecimalFixed(true);
    price->SetLeftMark(QStringLiteral("$"));
    auto *mapper = new QDataWidgetMapper(box);
    mapper->setModel(model);
    mapper->addMapping(price, 1);
    mapper->toFirst();
    QObject::connect(table->selectionModel(), &QItemSelectionModel::currentRowChanged, mapper,
                     &QDataWidgetMapper::setCurrentModelIndex);

    auto *form = new QFormLayout(box);
    form->addRow(table);
    form->addRow(QStringLiteral("&Price of the selected item:"), price);
    return box;
}

class TExampleWindow : public QWidget {
public:
    explicit TExampleWindow(QWidget *Parent) : QWidget(Parent) {
        auto *grid = new QGridLayout(this);
        grid->setHorizontalSpacing(12);
        grid->addWidget(new QLabel(QStringLiteral("<b>Settings</b>")), 0, 0);
        grid->addWidget(new QLabel(QStringLiteral("<b>Control</b>")), 0, 1);
        grid->addWidget(new QLabel(QStringLiteral("<b>Text</b>")), 0, 2);

        AddRow(grid, QStringLiteral("Initial settings"));

        TRyNumEdit *yen = AddRow(grid, QStringLiteral("Amount: LeftMark \"￥\", 2 decimals fixed"));
        yen->SetLeftMark(QStringLiteral("￥"));
        yen->SetDecimalLength(2);
        yen->SetDecimalFixed(true);
        yen->setText(QStringLiteral("1234.5"));

        TRyNumEdit *fixed = AddRow(grid, QStringLiteral("IntegerFixed, RightMark \"円\", no sign"));
        fixed->SetRightMark(QStringLiteral("円"));
        fixed->SetDecimalLength(0);
        fixed->SetIntegerFixed(true);
        fixed->SetMinus(false);

        TRyNumEdit *narrow = AddRow(grid, QStringLiteral("eoORInputStop in a narrow control"), 60);
        narrow->SetOptions(narrow->Options() | TRyNumEdit::eoORInputStop);

        // Any digit limit is accepted and costs no more than a short one.
        TRyNumEdit *huge =
            AddRow(grid, QStringLiteral("IntegerFixed with IntegerLength 10,000,000"));
        huge->SetIntegerLength(10'000'000);
        huge->SetIntegerFixed(true);

        // A small form: Enter and the Up and Down keys move through it.
        const QString units[] = {QStringLiteral("days"), QStringLiteral("hours"),
                                 QStringLiteral("minutes")};
        for (const QString &unit : units) {
            TRyNumEdit *e =
                AddRow(grid, QStringLiteral("Form (Enter, Up, Down move): %1").arg(unit));
            e->SetEnterFocusMove(true);
            e->SetArrowFocusMove(true);
            e->SetDecimalLength(0);
            e->SetIntegerLength(4);
            e->SetRightMark(unit.left(1));
        }

        // A derived control (PriceEdit.h): at least two decimals shown, "$ 1,200" pasted over
        // a selection read as 1200, and the zeros typed beyond two dropped on leaving.
        auto *price = AddRow<TPriceEdit>(
            grid, QStringLiteral("Derived TPriceEdit: 2 decimals at least, \"$\" skipped"));
        price->setText(QStringLiteral("$ 1,200"));
        connect(price, &TRyNumEdit::OnExit, price, &TPriceEdit::TrimZeros);

        TRyNumEdit *disabled = AddRow(grid, QStringLiteral("Disabled"));
        disabled->setText(QStringLiteral("-1234.5"));
        disabled->setEnabled(false);

        TRyNumEdit *readOnly = AddRow(grid, QStringLiteral("Read-only, no tab stop"));
        readOnly->setText(QStringLiteral("98765"));
        readOnly->SetReadOnly(true);
        readOnly->SetTabStop(false);

        // Object drags within the program: the first drags itself; the second takes the
        // value of any control dropped on it.
        TRyNumEdit *source = AddRow(grid, QStringLiteral("DragMode automatic: drag me"));
        source->setText(QStringLiteral("4242"));
        source->SetDragMode(TRyNumEdit::dmAutomatic);
        source->SetDragCursor(Qt::DragCopyCursor);
        TRyNumEdit *target = AddRow(grid, QStringLiteral("Drop a control here to copy it"));
        connect(target, &TRyNumEdit::OnDragOver, this,
                [](TRyNumEdit *, QObject *Source, int, int, TRyNumEdit::TDragState, bool &Accept) {
                    Accept = qobject_cast<TRyNumEdit *>(Source) != nullptr;
                });
        connect(target, &TRyNumEdit::OnDragDrop, this,
                [target](TRyNumEdit *, QObject *Source, int, int) {
                    target->setText(static_cast<TRyNumEdit *>(Source)->text());
                });

        auto *help = new QLabel(QStringLiteral(
            "Digits, \".\" and \"-\" append; Backspace or Delete remove the last character.\n"
            "Shift+Left/Right, Ctrl+A, a double click or a drag over the number select all.\n"
            "Right click for the menu. Leaving a lone \"-\" empties the field."));
        grid->addWidget(help, grid->rowCount(), 0, 1, 3);
        grid->addWidget(PriceForm(this), 1, 3, grid->rowCount() - 1, 1);
    }

private:
    /// Adds a row with a control of the given width (its height is its own), and its Text,
    /// kept up to date by textChanged whatever changes it.
    template <typename Edit = TRyNumEdit>
    Edit *AddRow(QGridLayout *grid, const QString &caption, int width = 160) {
        const int r = grid->rowCount();
        auto *edit = new Edit(this);
        edit->setFixedWidth(width);
        auto *text = new QLabel(QStringLiteral("\"\""), this);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        text->setMinimumWidth(110);
        grid->addWidget(new QLabel(caption, this), r, 0);
        grid->addWidget(edit, r, 1, Qt::AlignLeft | Qt::AlignVCenter);
        grid->addWidget(text, r, 2);
        connect(edit, &TRyNumEdit::textChanged, text,
                [text](const QString &Value) { text->setText(QStringLiteral("\"%1\"").arg(Value)); });
        return edit;
    }
};

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("TRyNumEdit example"));
    window.setCentralWidget(new TExampleWindow(&window));

    // The controls' context menus are Japanese unless the program loads a translation: the
    // library carries an English one.
    QTranslator english;
    const bool hasEnglish =
        english.load(QLocale(QLocale::English), QStringLiteral("rynumedit"),
                     QStringLiteral("_"), QStringLiteral(":/rynumedit/translations"));
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    QAction *englishMenus = file->addAction(QStringLiteral("&English context menus"));
    englishMenus->setCheckable(true);
    englishMenus->setEnabled(hasEnglish);
    QObject::connect(englishMenus, &QAction::toggled, &app, [&english](bool On) {
        if (On)
            QCoreApplication::installTranslator(&english);
        else
            QCoreApplication::removeTranslator(&english);
    });
    file->addAction(QStringLiteral("&Quit"), &app, &QCoreApplication::quit);
    window.show();
    return app.exec();
}
