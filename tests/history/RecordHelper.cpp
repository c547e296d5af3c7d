// A second program recording into a shared history folder: waits until the file "go" appears in the
// folder, then records `count` activities of its own device, each with a snapshot that names the entry.
//   history_record_helper <folder/> <device id> <count>
#include "history/HistoryStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4) return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]), device = QString::fromLocal8Bit(argv[2]);
    const int count = QByteArray(argv[3]).toInt();
    while (!QFile::exists(folder + QStringLiteral("go")))
        QThread::msleep(1);
    history::HistoryStore store(folder, QStringLiteral("VELKOR.IDX"), QStringLiteral("VELKOR.DDX"));
    for (int i = 0; i < count; ++i) {
        history::HistoryEntry entry;
        entry.DeviceType = QStringLiteral("PR210");
        entry.Manufacturer = QStringLiteral("Maker");
        entry.UniqueId = device;
        entry.Tag = device;
        entry.User = QString::number(i);
        entry.Activity = QStringLiteral("Step %1").arg(i); // never the same event twice
        entry.ScrambleByte = history::newScrambleByte();
        config::TConfigRecord snapshot;
        snapshot.setText(config::Field::Message, device + u'/' + entry.User);
        const platform::Result recorded = store.record(entry, snapshot, QStringLiteral("new"));
        if (!recorded) {
            std::fprintf(stderr, "%s\n", qPrintable(recorded.error));
            return 1;
        }
    }
    return 0;
}
