#pragma once
// The start of a command-line program: --help prints its usage; arguments it cannot take print the
// usage and why, and end it.
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace platform {

// parse(arguments, options, error) reads the arguments into options. Nothing when the program goes
// on; otherwise the exit code it ends with.
template <typename Options, typename Parse>
std::optional<int> readCommandLine(const char* program, const char* usage, Options& options, Parse parse)
{
    const QStringList args = QCoreApplication::arguments();
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        std::fputs(usage, stdout);
        return 0;
    }
    QString error;
    if (parse(args, options, error)) return std::nullopt;
    std::fputs(usage, stderr);
    std::fprintf(stderr, "%s: %s\n", program, qPrintable(error));
    return 1;
}

} // namespace platform
