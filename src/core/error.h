#pragma once

#include <QString>
#include <stdexcept>

namespace vantrel {

// The one error type of the program. A command that meets it stops where it is; its
// boundary shows the message (the engine's text or a conversion message) in the
// "Erreur" box and the program goes on.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message);
    QString message() const { return message_; }

private:
    QString message_;
};

// A text that had to be a number and was not.
class ConversionError : public Error {
public:
    using Error::Error;
};

} // namespace vantrel
