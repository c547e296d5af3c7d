#pragma once
// Every frame on the wire, for a technician diagnosing a loop (pelmora --trace): one line each in
// the driver's log, with the time to the millisecond, the direction and the bytes in hex,
//
//   12:34:56.789 tx FF FF FF FF FF 82 AE D2 0A 1B 2C 0D 00 06
//   12:34:57.105 rx FF FF FF FF FF 86 AE D2 ... 3C
//   12:34:57.412 rx FF FF 86 AE D2 0A 1B 13 [check byte wrong]
//   12:34:57.730 -- no reply within 303 ms
//
// a note in brackets after the bytes when the driver did not take them as they are. Off unless
// asked for: then the trace costs nothing.
#include <QByteArray>
#include <QString>
#include <functional>

namespace transport {

class WireTrace {
public:
    explicit WireTrace(bool on = false) : on(on) {}

    bool enabled() const { return on || sink; }
    void sent(const QByteArray& bytes, const QString& note = {}) const;
    void received(const QByteArray& bytes, const QString& note = {}) const;
    void event(const QString& text) const;

    // Where the lines go instead of the log (tests).
    std::function<void(const QString& line)> sink;

private:
    void write(QStringView direction, const QString& text) const;
    bool on;
};

} // namespace transport
