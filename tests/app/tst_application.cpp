// The application object: its identity and the message box for errors escaping an event.
#include "ZelkorApplication.h"
#include "ZelkorError.h"

#include <QTimer>
#include <QtTest>

namespace {

/// Records what the standard message box would show instead of opening it.
class RecordingApplication : public TZelkorApplication {
public:
    using TZelkorApplication::TZelkorApplication;
    QStringList Shown;

    void ShowException(const std::exception &Error) override {
        Shown << QString::fromUtf8(Error.what());
    }
};

/// Throws the program's own error from its event handler.
class Thrower : public QObject {
public:
    int Handled = 0;

protected:
    bool event(QEvent *e) override {
        if (e->type() == QEvent::User) {
            ++Handled;
            throw EZelkorError("the field could not be read");
        }
        return QObject::event(e);
    }
};

RecordingApplication *App() {
    return static_cast<RecordingApplication *>(qApp);
}

} // namespace

class TestApplication : public QObject {
    Q_OBJECT

private slots:
    void identity();
    void errorInEventIsShownAndLoopGoesOn();
};

void TestApplication::identity() {
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Zelkor"));
    QCOMPARE(QApplication::applicationVersion(), QStringLiteral("1.0.0.0"));
    QVERIFY(!QApplication::windowIcon().isNull());
}

void TestApplication::errorInEventIsShownAndLoopGoesOn() {
    App()->Shown.clear();
    Thrower thrower;
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    bool ranAfter = false;
    QTimer::singleShot(0, &thrower, [&ranAfter] {
        ranAfter = true;
        QCoreApplication::exit(0);
    });

    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(thrower.Handled, 2);
    QCOMPARE(App()->Shown, QStringList({QStringLiteral("the field could not be read"),
                                        QStringLiteral("the field could not be read")}));
    QVERIFY(ranAfter);
}

int main(int argc, char **argv) {
    RecordingApplication app(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
