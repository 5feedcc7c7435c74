// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// EZelkorError: the common base of the exceptions that the program's own framework code raises.
#pragma once

#include <stdexcept>
#include <string>

/// An error that start-up and the application object show in a message box. Other exception
/// types are not theirs to catch.
class EZelkorError : public std::runtime_error {
public:
    explicit EZelkorError(const std::string &Message) : std::runtime_error(Message) {}
    explicit EZelkorError(const char *Message) : std::runtime_error(Message) {}
};
