// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TZELKF: the main window's set-up and look, the engine's display and the click handlers.
#include "TZELKF.h"

#include "RyNumEdit.h"
#include "TitleBar.h"
#include "ui_TZELKF.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFont>
#include <QScreen>

const QColor TZELKF::Silver(0xC0, 0xC0, 0xC0);

TZELKF::TZELKF(const TWindowFrame &Frame, QWidget *parent)
    : QWidget(parent), FUi(std::make_unique<Ui::TZELKF>()),
      FClientPlacesWindows(Frame.ClientPlacesWindows) {
    SetClassLook();
    FUi->setupUi(this);
    SetPanelLook();
    SetPressWait(nullptr);
    // A dialog-like frame without a maximise box; the form fixes the size.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    PinFontSizes();
    if (Frame.DrawsOwnFrame)
        TTitleBar::AddTo(this);
    // The captions D, H and M size themselves to their text, as the form's labels do.
    for (QLabel *label : {FUi->Label1, FUi->Label2, FUi->Label3})
        label->adjustSize();

    FModeGroup = new QButtonGroup(this);
    FModeGroup->addButton(FUi->TRadioGroupItem0, ModeDHM);
    FModeGroup->addButton(FUi->TRadioGroupItem1, ModeHM);
    FModeGroup->addButton(FUi->TRadioGroupItem2, ModeM);
    ConnectButtons();

    // Key preview: every key meets the window before the control that has the focus.
    installEventFilter(this);
    for (QWidget *child : findChildren<QWidget *>())
        if (child->window() == this)
            child->installEventFilter(this);

    // The first tab stop starts with the focus.
    FUi->TRadioGroupItem0->setFocus(Qt::OtherFocusReason);
    CentreOnScreen();
    FormCreate();
}

TZELKF::~TZELKF() = default;

void TZELKF::PinFontSizes() {
    // The form format holds point sizes only; the layout is drawn for pixel heights.
    const auto pin = [](QWidget *w, int pixels) {
        QFont f = w->font();
        f.setPixelSize(pixels);
        w->setFont(f);
    };
    pin(this, 12);
    for (TRyNumEdit *edit : {FUi->RyNumEdit1, FUi->RyNumEdit2, FUi->RyNumEdit3}) {
        pin(edit, 16);
        // The fields size themselves to their font's whole cell and margins (21 pixels); the
        // form lays them out 20 high, and the text row reaches into the bottom margin.
        edit->resize(edit->width(), FieldHeight);
    }
    pin(FUi->Label4, 21);
}

void TZELKF::SetClassLook() {
    // Given to the window's class, the form's colour and font hinting are inherited by every
    // control from the start, as one palette and font that they share.
    //
    // The form is silver. A palette set on the window itself would reach each control as a
    // copy of its own, and the style caches the button faces it draws by palette, so each of
    // the 29 buttons would be drawn from scratch.
    //
    // The captions of the radio group are drawn on the silver, so they stay dark under a dark
    // desktop palette; the buttons and the radio indicators follow the desktop.
    QPalette silver;
    silver.setColor(QPalette::Window, Silver);
    silver.setColor(QPalette::WindowText, Qt::black);
    QApplication::setPalette(silver, staticMetaObject.className());
    // The fonts are hinted by their own instructions. The light hinting that desktops choose
    // means FreeType's auto-hinter, which before hinting the first full-width sign (＋ － ＝)
    // measures dozens of ideographs spread over the font file: 1.5 MiB of it paged in.
    QFont hinted;
    hinted.setHintingPreference(QFont::PreferFullHinting);
    QApplication::setFont(hinted, staticMetaObject.className());
}

void TZELKF::SetPanelLook() {
    // The form makes the panel white whatever the desktop's colours; the fields on it are
    // white too (their colour is the base colour), and captions, indicator and fields keep
    // their dark text.
    QPalette panel = FUi->Panel1->palette();
    panel.setColor(QPalette::WindowText, Qt::black);
    panel.setColor(QPalette::Base, Qt::white);
    panel.setColor(QPalette::Text, Qt::black);
    FUi->Panel1->setPalette(panel);
}

void TZELKF::changeEvent(QEvent *Event) {
    // A new application palette (a desktop switching its colour scheme) drops the palettes
    // given to classes: the window's silver is given again.
    if (Event->type() == QEvent::PaletteChange &&
        QApplication::palette(staticMetaObject.className()).color(QPalette::Window) != Silver)
        SetClassLook();
    QWidget::changeEvent(Event);
}

void TZELKF::CentreOnScreen() {
    // Where the window system places windows itself, it is left to do so.
    const QScreen *s = screen();
    if (!s || !FClientPlacesWindows)
        return;
    // A window is placed by its frame. Until the window system has framed it, the frame is
    // the client area; moveEvent centres the window again once the frame is known.
    QRect frame(QPoint(), frameGeometry().size());
    frame.moveCenter(s->availableGeometry().center());
    move(frame.topLeft());
}

void TZELKF::moveEvent(QMoveEvent *Event) {
    QWidget::moveEvent(Event);
    if (!FCentredFramed && frameGeometry().size() != size()) {
        FCentredFramed = true;
        CentreOnScreen();
    }
}

void TZELKF::ConnectButtons() {
    FDigitButtons = {FUi->Button29, FUi->Button11, FUi->Button12, FUi->Button13, FUi->Button14,
                     FUi->Button15, FUi->Button16, FUi->Button17, FUi->Button18, FUi->Button19};
    const std::pair<QPushButton *, const char *> keys[] = {
        {FUi->Button29, "0"}, {FUi->Button11, "1"}, {FUi->Button12, "2"}, {FUi->Button13, "3"},
        {FUi->Button14, "4"}, {FUi->Button15, "5"}, {FUi->Button16, "6"}, {FUi->Button17, "7"},
        {FUi->Button18, "8"}, {FUi->Button19, "9"}, {FUi->Button1, "10"}, {FUi->Button2, "15"},
        {FUi->Button3, "20"}, {FUi->Button4, "25"}, {FUi->Button5, "30"}, {FUi->Button6, "35"},
        {FUi->Button7, "40"}, {FUi->Button8, "45"}, {FUi->Button9, "50"}, {FUi->Button10, "55"},
    };
    for (const auto &[button, caption] : keys) {
        FKeyCaptions.insert(button, caption);
        connect(button, &QPushButton::clicked, this, &TZELKF::Button11Click);
    }
    const std::pair<QPushButton *, DurationEngine::Operator> operators[] = {
        {FUi->Button24, DurationEngine::opAdd},      {FUi->Button23, DurationEngine::opSubtract},
        {FUi->Button22, DurationEngine::opMultiply}, {FUi->Button25, DurationEngine::opDivide},
        {FUi->Button26, DurationEngine::opEquals},
    };
    for (const auto &[button, op] : operators) {
        FOperators.insert(button, op);
        connect(button, &QPushButton::clicked, this, &TZELKF::Button22Click);
    }
    connect(FUi->Button20, &QPushButton::clicked, this, &TZELKF::Button20Click);
    connect(FUi->Button21, &QPushButton::clicked, this, &TZELKF::Button21Click);
    connect(FUi->Button27, &QPushButton::clicked, this, &TZELKF::Button27Click);
    connect(FUi->Button28, &QPushButton::clicked, this, &TZELKF::Button28Click);
    // idToggled fires for the newly checked item only when the choice really changes.
    connect(FModeGroup, &QButtonGroup::idToggled, this, [this](int, bool Checked) {
        if (Checked)
            TRadioGroupClick();
    });
}

// --- The engine's display -------------------------------------------------------------------

TRyNumEdit *TZELKF::FieldEdit(DurationField Field) const {
    switch (Field) {
    case DurationField::Minutes:
        return FUi->RyNumEdit1;
    case DurationField::Hours:
        return FUi->RyNumEdit2;
    case DurationField::Days:
        return FUi->RyNumEdit3;
    }
    return FUi->RyNumEdit1;
}

std::string TZELKF::FieldText(DurationField Field) const {
    return FieldEdit(Field)->GetText();
}

void TZELKF::SetFieldText(DurationField Field, const std::string &Text) {
    FieldEdit(Field)->SetText(Text);
}

void TZELKF::SetIndicator(const std::string &Text) {
    FUi->Label4->setText(QString::fromStdString(Text));
}

int TZELKF::Mode() const {
    return FModeGroup->checkedId();
}

// --- Handlers -------------------------------------------------------------------------------

void TZELKF::FormCreate() {
    FEngine.Reset();
}

void TZELKF::Button11Click() {
    const auto it = FKeyCaptions.constFind(sender());
    if (it != FKeyCaptions.constEnd())
        FEngine.AppendKey(*it);
}

void TZELKF::Button20Click() {
    FEngine.MoveToDays();
}

void TZELKF::Button21Click() {
    FEngine.MoveToHours();
}

void TZELKF::Button22Click() {
    const auto it = FOperators.constFind(sender());
    if (it != FOperators.constEnd())
        FEngine.Evaluate(*it);
}

void TZELKF::Button27Click() {
    FEngine.AllClear();
}

void TZELKF::Button28Click() {
    FEngine.Clear();
}

void TZELKF::TRadioGroupClick() {
    FEngine.ModeChanged();
}
