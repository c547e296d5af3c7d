#pragma once
// Sets an environment variable for the lifetime of the object and puts the old value back.
#include <QByteArray>
#include <QtGlobal>

namespace testing_support {

class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : name(name), saved(qgetenv(name)), had(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnvironment()
    {
        if (had)
            qputenv(name, saved);
        else
            qunsetenv(name);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name;
    QByteArray saved;
    bool had;
};

} // namespace testing_support
