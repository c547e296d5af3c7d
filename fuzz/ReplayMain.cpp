// Runs a harness over the files of its corpus once, without libFuzzer: what the test suite does with
// every corpus, so that an input that once broke a parser breaks the build's tests if it comes back.
// Arguments are files or folders (every file in them); a harness that finds a fault ends the process.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStringList>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (!QFileInfo(argument).isDir()) {
            files.append(argument);
            continue;
        }
        QDirIterator it(argument, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(it.next());
    }
    files.sort();
    if (files.isEmpty()) {
        std::fprintf(stderr, "No inputs to replay.\n");
        return 1;
    }
    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "%s cannot be read.\n", qPrintable(path));
            return 1;
        }
        const QByteArray bytes = file.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
    }
    std::printf("%lld inputs replayed.\n", static_cast<long long>(files.size()));
    return 0;
}
