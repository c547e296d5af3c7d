// The users file, shared by the machine's users and open to any editor: every record decoded, safe
// access read, and one user added. Adding never loses a user the file held, and a record decodes to
// what was encoded.
#include "FuzzInput.h"

#include "platform/Encoding.h"
#include "settings/Users.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzing::bytesOf(data, size);
    const QString path = fuzzing::writeFile(QStringLiteral("KWRT-US.PIF"), bytes);
    if (const std::optional<settings::UserRecord> record = settings::EvalStr(platform::fromCp1250(bytes));
        record && !record->Access.isEmpty() && settings::fitsUsersFile(*record)) {
        const std::optional<settings::UserRecord> again = settings::EvalStr(settings::MakeStr(*record));
        if (!again || again->Login != record->Login || again->FullName != record->FullName ||
            again->Password != record->Password || again->Access != record->Access)
            __builtin_trap();
    }

    settings::UsersFile file(path);
    if (!file.readable()) return 0;
    (void)file.safeAccess();
    const QStringList before = file.logins();
    settings::UserRecord added{QStringLiteral("fuzz"), QStringLiteral("Fuzz Tester"), QStringLiteral("secret"),
                               QStringLiteral("WRITE")};
    const std::optional<platform::Result> stored = file.add(added);
    if (stored && *stored) {
        const QStringList after = file.logins();
        for (const QString& login : before)
            if (!after.contains(login)) __builtin_trap();
        if (!after.contains(added.Login)) __builtin_trap();
    }
    return 0;
}
