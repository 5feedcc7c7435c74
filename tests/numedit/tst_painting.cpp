// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Painting and sizing: colours of the band, the marks and the number, the border, the font and
// the colour a control takes when it gets a parent. Pixels are checked at places derived from
// the control's own rectangles, never against stored pictures.
#include "RyNumEdit.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QtTest>

using namespace RyNumEdit;

namespace {

using Edit = TRyNumEdit;

const QColor BaseColor(255, 255, 230);
const QColor TextColor(0, 0, 0);
const QColor HighlightColor(0, 0, 160);
const QColor HighlightTextColor(255, 255, 0);
const QColor GrayTextColor(150, 0, 0);
const QColor CustomColor(200, 255, 200);

/// A window whose palette makes every colour the control uses distinct, with a font drawn
/// without antialiasing so that text pixels have exactly the text colour.
struct Host : QWidget {
    Host() {
        QPalette p = palette();
        p.setColor(QPalette::Base, BaseColor);
        p.setColor(QPalette::Text, TextColor);
        p.setColor(QPalette::Highlight, HighlightColor);
        p.setColor(QPalette::HighlightedText, HighlightTextColor);
        p.setColor(QPalette::Disabled, QPalette::Text, GrayTextColor);
        setPalette(p);
        QFont f = font();
        f.setPixelSize(16);
        f.setStyleStrategy(QFont::NoAntialias);
        setFont(f);
        resize(300, 100);
    }
};

/// Counts the pixels of one colour inside a rectangle of the image.
int Count(const QImage &image, const QRect &rect, const QColor &color) {
    int n = 0;
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixelColor(x, y) == color)
                ++n;
    return n;
}

/// A layout rectangle moved from client to widget coordinates.
QRect OnWidget(const Edit &e, const TRect &r) {
    return r.ToQRect().translated(e.contentsRect().topLeft());
}

QImage Grab(Edit &e) {
    return e.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

/// The client area as the control would look with its marks and number drawn in their
/// rectangles without any clipping, on the base colour.
QImage DrawnUnclipped(const Edit &e) {
    QImage whole(e.contentsRect().size(), QImage::Format_RGB32);
    whole.fill(BaseColor);
    QPainter painter(&whole);
    painter.setFont(e.font());
    painter.setPen(TextColor);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;
    const QString number = QString::fromStdString(e.FormatNumber(e.ValueText()));
    painter.drawText(e.GetLeftMarkRect().ToQRect(), flags, e.LeftMark());
    painter.drawText(e.GetNumberTextRect().ToQRect(), flags, number);
    painter.drawText(e.GetRightMarkRect().ToQRect(), flags, e.RightMark());
    return whole;
}

} // namespace

class TestPainting : public QObject {
    Q_OBJECT

private slots:
    void colours_data();
    void colours();
    void marksAroundNothing();
    void longTextsDrawnWhereTheyShow_data();
    void longTextsDrawnWhereTheyShow();
    void textsDrawnWhole_data();
    void textsDrawnWhole();
    void borders_data();
    void borders();
    void borderChangesKeepClientHeight();
    void boldFontWidensCaret();
    void colourAndParent_data();
    void colourAndParent();
    void systemColoursFollowThePalette();
    void parentlessControlDrawsItsNumber();
};

void TestPainting::colours_data() {
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("customColor");
    QTest::addColumn<QString>("leftMark");
    QTest::addColumn<QString>("rightMark");
    QTest::addColumn<int>("alignment");

    for (int a : {Edit::taRightJustify, Edit::taLeftJustify, Edit::taCenter}) {
        const QByteArray tag = a == Edit::taRightJustify  ? "right/"
                               : a == Edit::taLeftJustify ? "left/"
                                                          : "center/";
        QTest::newRow(tag + "normal") << false << true << false << QString() << QString() << a;
        QTest::newRow(tag + "selected") << true << true << false << QString() << QString() << a;
        QTest::newRow(tag + "selected with marks")
            << true << true << false << QStringLiteral("$") << QStringLiteral("円") << a;
        QTest::newRow(tag + "normal with marks")
            << false << true << true << QStringLiteral("$") << QStringLiteral("円") << a;
        QTest::newRow(tag + "disabled") << false << false << true << QString() << QString() << a;
        QTest::newRow(tag + "disabled and selected")
            << true << false << false << QStringLiteral("$") << QString() << a;
    }
}

void TestPainting::colours() {
    QFETCH(bool, selected);
    QFETCH(bool, enabled);
    QFETCH(bool, customColor);
    QFETCH(QString, leftMark);
    QFETCH(QString, rightMark);
    QFETCH(int, alignment);

    Host host;
    auto *e = new Edit(&host);
    e->SetAutoSize(false);
    e->resize(200, 40);
    e->SetTopMargin(4);
    e->SetLeftMargin(6);
    e->SetRightMargin(6);
    e->SetAlignment(Edit::TAlignment(alignment));
    e->SetLeftMark(leftMark);
    e->SetRightMark(rightMark);
    e->SetText("-1234.5");
    if (customColor)
        e->SetColor(CustomColor);
    if (selected)
        e->SelectAll();
    e->setEnabled(enabled);
    QCOMPARE(e->SelLength() != 0, selected);

    const QColor color = customColor ? CustomColor : BaseColor;
    QColor band = selected ? HighlightColor : color;
    QColor text = selected ? HighlightTextColor : TextColor;
    if (!enabled) {
        band = color;
        text = e->DisabledColor();
    }
    QCOMPARE(e->DisabledColor(), GrayTextColor);

    const QImage image = Grab(*e);
    QCOMPARE(e->TextRect(), e->GetNumberTextRect());

    const QRect number = OnWidget(*e, e->TextRect());
    QRect fill = number;
    if (!leftMark.isEmpty())
        fill.setLeft(OnWidget(*e, e->GetLeftMarkRect()).left());
    if (!rightMark.isEmpty())
        fill.setRight(OnWidget(*e, e->GetRightMarkRect()).right());

    // The band: its fill colour, with the number (and marks) drawn in the text colour.
    const int area = fill.width() * fill.height();
    QVERIFY2(Count(image, fill, band) > area / 2, "the band is not filled with its colour");
    QVERIFY2(Count(image, number, text) > 0, "the number is not drawn in the text colour");
    QCOMPARE(Count(image, fill, band) + Count(image, fill, text), area);
    if (!leftMark.isEmpty())
        QVERIFY(Count(image, OnWidget(*e, e->GetLeftMarkRect()), text) > 0);
    if (!rightMark.isEmpty())
        QVERIFY(Count(image, OnWidget(*e, e->GetRightMarkRect()), text) > 0);

    // Around the band the control keeps its colour: above it, and left and right of it.
    const QRect client = e->contentsRect();
    const QRect above(client.left(), client.top(), client.width(), fill.top() - client.top());
    QCOMPARE(Count(image, above, color), above.width() * above.height());
    const QRect leftOf(client.left(), fill.top(), fill.left() - client.left(), fill.height());
    QCOMPARE(Count(image, leftOf, color), leftOf.width() * leftOf.height());
    const QRect rightOf(fill.right() + 1, fill.top(), client.right() - fill.right(), fill.height());
    QCOMPARE(Count(image, rightOf, color), rightOf.width() * rightOf.height());
}

// An empty value paints nothing but the background; a value brings its marks with it.
void TestPainting::marksAroundNothing() {
    Host host;
    auto *e = new Edit(&host);
    e->SetLeftMark(QStringLiteral("$"));
    e->SetRightMark(QStringLiteral("%"));
    const QRect client = e->contentsRect();

    QImage image = Grab(*e);
    QCOMPARE(Count(image, client, BaseColor), client.width() * client.height());

    e->SetText("5");
    image = Grab(*e);
    QVERIFY(Count(image, OnWidget(*e, e->GetLeftMarkRect()), TextColor) > 0);
    QVERIFY(Count(image, OnWidget(*e, e->TextRect()), TextColor) > 0);
    QVERIFY(Count(image, OnWidget(*e, e->GetRightMarkRect()), TextColor) > 0);

    // Selected, the band runs from the left mark's left edge to the right mark's right edge.
    e->SelectAll();
    image = Grab(*e);
    const QRect band(OnWidget(*e, e->GetLeftMarkRect()).topLeft(),
                     OnWidget(*e, e->GetRightMarkRect()).bottomRight());
    QCOMPARE(Count(image, band, HighlightColor) + Count(image, band, HighlightTextColor),
             band.width() * band.height());
    QCOMPARE(Count(image, client, HighlightColor) + Count(image, client, HighlightTextColor),
             band.width() * band.height());
}

// A number or a mark far too long to show is drawn only where it shows, and there as laying
// out the whole text would draw it.
void TestPainting::longTextsDrawnWhereTheyShow_data() {
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("leftMark");
    QTest::addColumn<QString>("rightMark");

    const QByteArray digits = QByteArray("1234567890").repeated(300);
    const QString mark = QStringLiteral("円%").repeated(2000);
    QTest::newRow("right-aligned number")
        << int(Edit::taRightJustify) << digits << QString() << QString();
    QTest::newRow("left-aligned number")
        << int(Edit::taLeftJustify) << digits << QString() << QString();
    QTest::newRow("centred number") << int(Edit::taCenter) << digits << QString() << QString();
    QTest::newRow("right-aligned left mark")
        << int(Edit::taRightJustify) << QByteArray("-5") << mark << QString();
    QTest::newRow("left-aligned right mark")
        << int(Edit::taLeftJustify) << QByteArray("-5") << QString() << mark;
}

void TestPainting::longTextsDrawnWhereTheyShow() {
    QFETCH(int, alignment);
    QFETCH(QByteArray, value);
    QFETCH(QString, leftMark);
    QFETCH(QString, rightMark);

    Host host;
    auto *e = new Edit(&host);
    e->SetIntegerLength(static_cast<int>(value.size()));
    e->SetAlignment(Edit::TAlignment(alignment));
    e->SetLeftMark(leftMark);
    e->SetRightMark(rightMark);
    e->SetText(value.toStdString());
    const QImage drawn = Grab(*e).copy(e->contentsRect());
    QVERIFY(Count(drawn, drawn.rect(), TextColor) > 0);
    QCOMPARE(drawn, DrawnUnclipped(*e));
}

// The row the texts are clipped to is the font's whole cell: no comma, descender or bracket
// loses a pixel, at any size of the fonts a desktop draws numbers in.
void TestPainting::textsDrawnWhole_data() {
    QTest::addColumn<QString>("family");
    for (const char *family : {"DejaVu Sans", "IPAGothic", "IPAPGothic"})
        QTest::newRow(family) << QString::fromLatin1(family);
}

void TestPainting::textsDrawnWhole() {
    QFETCH(QString, family);
    for (int pixels = 9; pixels <= 24; ++pixels) {
        Host host;
        QFont font(family);
        font.setPixelSize(pixels);
        if (QFontInfo(font).family() != family)
            QSKIP("font not installed");
        auto *e = new Edit(&host);
        e->setFont(font);
        e->resize(400, e->height());
        e->SetLeftMark(QStringLiteral("($￥"));
        e->SetRightMark(QStringLiteral("g)%円"));
        e->SetText("-1234567.89");
        QVERIFY2(Grab(*e).copy(e->contentsRect()) == DrawnUnclipped(*e),
                 qPrintable(QStringLiteral("%1 px").arg(pixels)));
    }
}

void TestPainting::borders_data() {
    QTest::addColumn<int>("border");
    QTest::addColumn<bool>("ctl3d");
    QTest::addColumn<int>("frame");

    QTest::newRow("single 3d: sunken edge") << int(Edit::bsSingle) << true << 2;
    QTest::newRow("single flat: line") << int(Edit::bsSingle) << false << 1;
    QTest::newRow("none 3d") << int(Edit::bsNone) << true << 0;
    QTest::newRow("none flat") << int(Edit::bsNone) << false << 0;
}

void TestPainting::borders() {
    QFETCH(int, border);
    QFETCH(bool, ctl3d);
    QFETCH(int, frame);

    Host host;
    auto *e = new Edit(&host);
    e->SetBorderStyle(Edit::TBorderStyle(border));
    e->SetCtl3D(ctl3d);
    QCOMPARE(e->contentsMargins(), QMargins(frame, frame, frame, frame));
    QCOMPARE(e->contentsRect().height(), e->TextHeight() + 4);

    // The frame is painted outside the client area, which keeps the control's colour.
    const QImage image = Grab(*e);
    const int y = image.height() / 2;
    for (int x = 0; x < frame; ++x) {
        QVERIFY(image.pixelColor(x, y) != BaseColor);
        QVERIFY(image.pixelColor(image.width() / 2, x) != BaseColor);
    }
    QCOMPARE(image.pixelColor(frame, y), BaseColor);
    QCOMPARE(image.pixelColor(image.width() / 2, frame), BaseColor);
}

void TestPainting::borderChangesKeepClientHeight() {
    Host host;
    auto *e = new Edit(&host);
    const int client = e->TextHeight() + 4;
    QCOMPARE(e->height(), client + 4);
    e->SetCtl3D(false);
    QCOMPARE(e->contentsMargins().left(), 1);
    QCOMPARE(e->height(), client + 2);
    e->SetBorderStyle(Edit::bsNone);
    QCOMPARE(e->contentsMargins().left(), 0);
    QCOMPARE(e->height(), client);
    e->SetCtl3D(true); // no border to change
    QCOMPARE(e->contentsMargins().left(), 0);
    e->SetBorderStyle(Edit::bsSingle);
    QCOMPARE(e->contentsMargins().left(), 2);
    QCOMPARE(e->height(), client + 4);
}

void TestPainting::boldFontWidensCaret() {
    Host host;
    auto *e = new Edit(&host);
    auto *other = new Edit(&host);
    other->move(0, 50);
    e->SetText("12");
    host.show();
    host.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&host));
    e->setFocus();
    QTRY_VERIFY(e->hasFocus());

    QCOMPARE(e->CaretWidth(), 1);
    QVERIFY(!e->CaretRect().isNull());
    QCOMPARE(e->CaretRect().size(), QSize(1, e->TextHeight()));

    QFont bold = e->font();
    bold.setBold(true);
    bold.setPixelSize(24);
    e->setFont(bold);
    QCOMPARE(e->CaretWidth(), 2);
    QCOMPARE(e->TextHeight(), QFontMetrics(bold).height()); // the whole cell
    QVERIFY(e->CaretShown());
    QCOMPARE(e->CaretRect().size(), QSize(2, e->TextHeight()));
    QCOMPARE(e->CaretRect().topLeft(), e->GetCaretPoint());

    QFont regular = bold;
    regular.setBold(false);
    e->setFont(regular);
    QCOMPARE(e->CaretWidth(), 1);
    QCOMPARE(e->CaretRect().size(), QSize(1, e->TextHeight()));

    // Without the focus the width is still followed, but no caret is made.
    other->setFont(bold);
    QCOMPARE(other->CaretWidth(), 2);
    QVERIFY(other->CaretRect().isNull());
}

// The control takes the palette's base colour when it gets a parent; a colour set later (as a
// form sets its stored properties) stays.
void TestPainting::colourAndParent_data() {
    QTest::addColumn<int>("when");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("set before the parent") << 0 << BaseColor;
    QTest::newRow("set after construction with parent") << 1 << CustomColor;
    QTest::newRow("stored property after construction") << 2 << CustomColor;
    QTest::newRow("set, then moved to another parent") << 3 << BaseColor;
}

void TestPainting::colourAndParent() {
    QFETCH(int, when);
    QFETCH(QColor, expected);

    Host host;
    Edit *e = nullptr;
    switch (when) {
    case 0:
        e = new Edit;
        e->SetColor(CustomColor);
        QCOMPARE(e->Color(), CustomColor);
        e->setParent(&host);
        break;
    case 1:
        e = new Edit(&host);
        e->SetColor(CustomColor);
        break;
    case 2:
        e = new Edit(&host);
        QVERIFY(e->setProperty("Color", CustomColor));
        break;
    default: {
        QWidget first;
        e = new Edit(&first);
        e->SetColor(CustomColor);
        e->setParent(&host);
        break;
    }
    }
    QCOMPARE(e->Color(), expected);
    QCOMPARE(e->property("Color").value<QColor>(), expected);
    const QImage image = Grab(*e);
    const QRect client = e->contentsRect();
    QCOMPARE(Count(image, client, expected), client.width() * client.height());
}

// While Color and DisabledColor are the system colours, a palette changed at run time (a
// desktop switching to a dark scheme) repaints with the new ones; a colour set stays.
void TestPainting::systemColoursFollowThePalette() {
    const QPalette original = QApplication::palette();
    QWidget host;
    host.resize(300, 60);
    auto *system = new Edit(&host);
    auto *custom = new Edit(&host);
    custom->move(0, 30);
    custom->SetColor(CustomColor);
    auto *white = new Edit(&host); // set to the colour the palette has today: fixed all the same
    white->move(150, 0);
    white->SetColor(original.color(QPalette::Base));
    for (Edit *e : {system, custom, white}) {
        e->SetText("8");
        e->SetTabStop(false); // nothing focused and selected when the window opens
    }
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    QPalette dark = original;
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
    QApplication::setPalette(dark);
    const auto pixels = [](Edit *e, const QColor &c) {
        return Count(Grab(*e), OnWidget(*e, e->GetNumberTextRect()), c);
    };
    QTRY_COMPARE(system->Color(), dark.color(QPalette::Base)); // delivered through the window
    QVERIFY(pixels(system, dark.color(QPalette::Base)) > 0);
    QVERIFY(pixels(system, dark.color(QPalette::Text)) > 0);
    QCOMPARE(custom->Color(), CustomColor);
    QVERIFY(pixels(custom, CustomColor) > 0);
    QVERIFY(pixels(white, original.color(QPalette::Base)) > 0);
    QVERIFY(pixels(custom, dark.color(QPalette::Text)) > 0);
    system->setEnabled(false);
    QCOMPARE(system->DisabledColor(), QColor(120, 120, 120));
    QVERIFY(pixels(system, QColor(120, 120, 120)) > 0);
    QApplication::setPalette(original);
    QTRY_COMPARE(system->Color(), original.color(QPalette::Base));
}

// Shown as a window of its own, never given a parent, the control measures its font then.
void TestPainting::parentlessControlDrawsItsNumber() {
    Edit e;
    e.setText(QStringLiteral("1234"));
    e.show();
    QVERIFY(QTest::qWaitForWindowExposed(&e));
    const QRect number = OnWidget(e, e.TextRect());
    QVERIFY(e.TextHeight() > 0 && !number.isEmpty());
    QVERIFY(Count(Grab(e), number, e.Color()) < number.width() * number.height());
}

QTEST_MAIN(TestPainting)
#include "tst_painting.moc"
