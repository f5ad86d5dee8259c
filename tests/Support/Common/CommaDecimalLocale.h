#pragma once

// Switches the numeric locale to one that writes decimals with a comma (German) for the
// object's lifetime, as a user's desktop may. Where the machine has no such locale installed
// it builds one from the system's locale sources with localedef. IsActive() is false only
// where neither works, and the caller then skips its check.
class ScopedCommaDecimalLocale {
public:
    ScopedCommaDecimalLocale();
    ~ScopedCommaDecimalLocale();
    ScopedCommaDecimalLocale(const ScopedCommaDecimalLocale&) = delete;
    ScopedCommaDecimalLocale& operator=(const ScopedCommaDecimalLocale&) = delete;

    bool IsActive() const { return isActive; }

private:
    bool isActive = false;
    char* previousLocale = nullptr;
};
