#pragma once

namespace vantrel::platform {

// The busy mouse pointer while an object of this type lives; restored on every way out.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
    void release(); // back to the normal pointer before the end of the scope

private:
    bool active_ = true;
};

} // namespace vantrel::platform
