// TZelkorApplication: the application object: name, version, icon and the exception message box.
#pragma once

#include <QApplication>

#include <exception>

class QWidget;

/// The application object. An EZelkorError that escapes an event handler is shown in a message
/// box and the event loop goes on.
class TZelkorApplication : public QApplication {
    Q_OBJECT

public:
    TZelkorApplication(int &argc, char **argv);

    bool notify(QObject *Receiver, QEvent *Event) override;

    /// The standard exception message box: the application's title and the error's message.
    virtual void ShowException(const std::exception &Error);

    /// With "--exit-on-shown" on the command line: prints "shown <epoch ns>" once Window has
    /// been painted for the first time and ends the event loop (start-up measurements).
    void ExitWhenShownIfAsked(QWidget *Window);
};
