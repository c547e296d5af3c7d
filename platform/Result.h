#pragma once
// A success flag with the reason of a failure, for callers that must decide what to do.
#include <QString>

namespace platform {

struct Result {
    bool ok = true;
    QString error;

    static Result success() { return {}; }
    static Result failure(const QString& why) { return {false, why}; }
    explicit operator bool() const { return ok; }
};

} // namespace platform
