#pragma once

#include <QValidator>

// Holds what may be typed into a box to a number of characters, as a maximum length would,
// but leaves text the program puts there (from the settings file) as it is.
class TypingLimit : public QValidator {
public:
    TypingLimit(int characters, QObject* parent) : QValidator(parent), limit_(characters) {}
    State validate(QString& input, int&) const override {
        return input.size() <= limit_ ? Acceptable : Invalid;
    }

private:
    int limit_;
};
