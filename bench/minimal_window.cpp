// The start-up baseline: a plain Qt window with as many push buttons and edits as the calculator.
// With --exit-on-shown it prints "shown <epoch ns>" after its first paint and quits.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {

class ShownWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("shown %lld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

} // namespace

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
    if (app.arguments().contains(QStringLiteral("--exit-on-shown")))
        window.installEventFilter(new ShownWatcher(&window));
    window.show();
    return app.exec();
}
