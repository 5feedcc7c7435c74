// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TZelkorApplication: the application object: name, version, icon and the exception message box.
#pragma once

#include <QApplication>

#include <exception>

/// The application object. An EZelkorError that escapes an event handler is shown in a message
/// box and the event loop goes on.
class TZelkorApplication : public QApplication {
    Q_OBJECT

public:
    TZelkorApplication(int &argc, char **argv);

    bool notify(QObject *Receiver, QEvent *Event) override;

    /// The standard exception message box: the application's title and the error's message.
    virtual void ShowException(const std::exception &Error);
};
