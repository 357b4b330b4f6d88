#pragma once

#include <QString>

namespace vantrel::platform {

// The desktop's "open" action on a text: a file path, a "mailto:" address, a web
// address or a program name. The result is not looked at.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void open(const QString& text) = 0;
};

class DesktopShell : public Shell {
public:
    void open(const QString& text) override;
};

} // namespace vantrel::platform
