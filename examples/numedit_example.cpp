// A window of TRyNumEdits in typical settings, each with its Text shown live beside it.
#include "RyNumEdit.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace {

/// One row of the window: what the control shows, the control, and its Text.
struct Row {
    TRyNumEdit *Edit;
    QLabel *Text;
};

class TExampleWindow : public QWidget {
public:
    TExampleWindow() {
        setWindowTitle(QStringLiteral("TRyNumEdit example"));
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

        // The controls size themselves (AutoSize gives the height); the layout keeps that.
        for (const Row &row : FRows)
            row.Edit->setFixedSize(row.Edit->size());

        // Writing Text and leaving with a lone "-" raise no OnChange, so the column is also
        // refreshed when the focus moves and now and then.
        connect(qApp, &QApplication::focusChanged, this, &TExampleWindow::Refresh);
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, &TExampleWindow::Refresh);
        timer->start(250);
        Refresh();
    }

private:
    /// Adds a row with a control of the given width (its height is its own).
    TRyNumEdit *AddRow(QGridLayout *grid, const QString &caption, int width = 160) {
        const int r = grid->rowCount();
        auto *edit = new TRyNumEdit(this);
        edit->resize(width, edit->height());
        auto *text = new QLabel(this);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        text->setMinimumWidth(110);
        grid->addWidget(new QLabel(caption, this), r, 0);
        grid->addWidget(edit, r, 1, Qt::AlignLeft | Qt::AlignVCenter);
        grid->addWidget(text, r, 2);
        FRows.push_back({edit, text});
        connect(edit, &TRyNumEdit::OnChange, this, &TExampleWindow::Refresh);
        return edit;
    }

    void Refresh() {
        for (const Row &row : FRows)
            row.Text->setText(QStringLiteral("\"%1\"").arg(row.Edit->text()));
    }

    std::vector<Row> FRows;
};

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    TExampleWindow window;
    window.show();
    return app.exec();
}
