#include "settings/ConnectionPage.h"

#include "platform/SerialPorts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace settings {

namespace {
template <typename Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}
} // namespace

ConnectionPage::ConnectionPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Connection"));
    WireSim = named(new QRadioButton(tr("Simulated devices")), "WireSim");
    WireSerial = named(new QRadioButton(tr("HART modem on the serial port")), "WireSerial");
    WireHartIp = named(new QRadioButton(tr("HART-IP gateway")), "WireHartIp");
    WireDriverSettings =
        named(new QRadioButton(tr("As the driver's own settings file says (pelmora.ini)")), "WireDriverSettings");
    auto* group = new QButtonGroup(this);
    for (QRadioButton* button : {WireSim, WireSerial, WireHartIp, WireDriverSettings})
        group->addButton(button);

    SerialPort = named(new QComboBox, "SerialPort");
    SerialPort->setEditable(true);
    SerialPort->setInsertPolicy(QComboBox::NoInsert);
    SerialPort->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    SerialPort->setMinimumContentsLength(32);
    HartIpHost = named(new QLineEdit, "HartIpHost");
    HartIpPort = named(new QSpinBox, "HartIpPort");
    HartIpPort->setRange(1, 65535);
    HartIpProtocol = named(new QComboBox, "HartIpProtocol");
    HartIpProtocol->addItems({QStringLiteral("UDP"), QStringLiteral("TCP")});

    auto* grid = new QGridLayout;
    grid->setColumnMinimumWidth(0, fontMetrics().averageCharWidth() * 3);
    grid->addWidget(WireSim, 0, 0, 1, 4);
    grid->addWidget(WireSerial, 1, 0, 1, 4);
    grid->addWidget(SerialPort, 2, 1, 1, 3);
    grid->addWidget(WireHartIp, 3, 0, 1, 4);
    auto* hostCaption = new QLabel(tr("Host:"));
    hostCaption->setBuddy(HartIpHost);
    auto* portCaption = new QLabel(tr("Port:"));
    portCaption->setBuddy(HartIpPort);
    grid->addWidget(hostCaption, 4, 1);
    grid->addWidget(HartIpHost, 4, 2, 1, 2);
    grid->addWidget(portCaption, 5, 1);
    grid->addWidget(HartIpPort, 5, 2);
    grid->addWidget(HartIpProtocol, 5, 3);
    grid->addWidget(WireDriverSettings, 6, 0, 1, 4);
    grid->setColumnStretch(3, 1);

    auto* note = new QLabel(tr("Tarvik starts the driver with this wire. A driver that is already running, or the "
                               "one on another computer (net path), is used as it is."));
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(note);
    layout->addStretch();
    for (QRadioButton* button : {WireSim, WireSerial, WireHartIp, WireDriverSettings})
        connect(button, &QRadioButton::toggled, this, &ConnectionPage::follow);
}

void ConnectionPage::load(const WireChoice& choice)
{
    SerialPort->clear();
    for (const platform::SerialPort& port : platform::serialPorts())
        SerialPort->addItem(port.line(), port.location);
    const int listed = SerialPort->findData(choice.serialPort);
    if (listed >= 0)
        SerialPort->setCurrentIndex(listed);
    else
        SerialPort->setEditText(choice.serialPort);
    HartIpHost->setText(choice.hartIpHost);
    HartIpPort->setValue(choice.hartIpPort);
    HartIpProtocol->setCurrentIndex(choice.tcp ? 1 : 0);
    using Kind = WireChoice::Kind;
    (choice.kind == Kind::Simulator ? WireSim
     : choice.kind == Kind::Serial  ? WireSerial
     : choice.kind == Kind::HartIp  ? WireHartIp
                                    : WireDriverSettings)
        ->setChecked(true);
    follow();
}

WireChoice ConnectionPage::choice() const
{
    using Kind = WireChoice::Kind;
    WireChoice choice;
    choice.kind = WireSim->isChecked()      ? Kind::Simulator
                  : WireSerial->isChecked() ? Kind::Serial
                  : WireHartIp->isChecked() ? Kind::HartIp
                                            : Kind::DriverSettings;
    // A listed port as the list shows it stands for its location; anything else is a port typed.
    const int index = SerialPort->currentIndex();
    choice.serialPort = index >= 0 && SerialPort->currentText() == SerialPort->itemText(index)
                            ? SerialPort->itemData(index).toString()
                            : SerialPort->currentText().trimmed();
    choice.hartIpHost = HartIpHost->text().trimmed();
    choice.hartIpPort = HartIpPort->value();
    choice.tcp = HartIpProtocol->currentIndex() == 1;
    return choice;
}

void ConnectionPage::follow()
{
    SerialPort->setEnabled(WireSerial->isChecked());
    for (QWidget* field : std::initializer_list<QWidget*>{HartIpHost, HartIpPort, HartIpProtocol})
        field->setEnabled(WireHartIp->isChecked());
}

} // namespace settings
