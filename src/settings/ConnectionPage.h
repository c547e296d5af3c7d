#pragma once
// The Options page "Connection": which wire the driver that the program starts itself is to use. The serial
// ports are those the computer has, each with what the system says of its adapter; a port it does not list
// (a pseudo-terminal, a port that is unplugged now) can be typed.
#include "settings/WireChoice.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace settings {

class ConnectionPage : public QWidget {
    Q_OBJECT
public:
    explicit ConnectionPage(QWidget* parent = nullptr);

    QString title() const { return tr("Connection"); }
    // Shows the choice, with the serial ports the computer has now.
    void load(const WireChoice& choice);
    WireChoice choice() const;

    QRadioButton* WireSim = nullptr;
    QRadioButton* WireSerial = nullptr;
    QRadioButton* WireHartIp = nullptr;
    QRadioButton* WireDriverSettings = nullptr;
    QComboBox* SerialPort = nullptr;
    QLineEdit* HartIpHost = nullptr;
    QSpinBox* HartIpPort = nullptr;
    QComboBox* HartIpProtocol = nullptr;

private:
    void follow(); // each wire's fields usable only while it is chosen
};

} // namespace settings
