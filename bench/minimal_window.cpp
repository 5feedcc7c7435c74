// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// The start-up baselines: a plain Qt window with as many push buttons and edits as the calculator.
// With --calculator-fonts it draws the calculator's captions and digits in the calculator's fonts.
// With ZELKOR_EXIT_ON_SHOWN=1 in the environment it reports its first frame on the screen and
// quits (ShownWatcher.h).
#include "ShownWatcher.h"

#include <QApplication>
#include <QFont>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace {

/// A font of the calculator's, rendered as the calculator renders it (hinted by the font's own
/// instructions), so that the glyphs and what they cost are the same in both programs.
QFont CalculatorFont(const QString &Family, int Pixels, bool Bold) {
    QFont f(Family);
    f.setPixelSize(Pixels);
    f.setBold(Bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const bool calculatorFonts = QCoreApplication::arguments().contains(
        QStringLiteral("--calculator-fonts"));
    // The calculator's 29 button captions.
    static const char16_t *const captions[] = {
        u"0",  u"1",  u"2",  u"3",  u"4",  u"5",   u"6",  u"7", u"8", u"9",
        u"10", u"15", u"20", u"25", u"30", u"35",  u"40", u"45", u"50", u"55",
        u"Day", u"Hour", u"×", u"－", u"＋", u"÷", u"＝", u"AC", u"C",
    };
    QWidget window;
    window.setWindowTitle(QStringLiteral("minimal"));
    window.setFixedSize(285, 245);
    if (calculatorFonts)
        window.setFont(CalculatorFont(QStringLiteral("IPAPGothic"), 12, false));
    for (int i = 0; i < 29; ++i) {
        auto *b = new QPushButton(calculatorFonts ? QString::fromUtf16(captions[i])
                                                  : QString::number(i),
                                  &window);
        b->setGeometry(8 + (i % 7) * 40, 56 + (i / 7) * 32, 33, 25);
    }
    for (int i = 0; i < 3; ++i) {
        auto *e = new QLineEdit(&window);
        e->setGeometry(8 + i * 90, 8, 80, 20);
        if (calculatorFonts) {
            // The calculator's fields at start: "0" in IPA Gothic, bold, 16 pixels.
            e->setFont(CalculatorFont(QStringLiteral("IPAGothic"), 16, true));
            e->setText(QStringLiteral("0"));
        }
    }
    TShownWatcher::InstallIfAsked(&window);
    window.show();
    return app.exec();
}
