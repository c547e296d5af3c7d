#include "app/TLoopScan.h"

#include "device/DeviceSession.h"
#include "link/CommandMacro.h"
#include "platform/Texts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
template <typename W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

enum Column { Address, Manufacturer, DeviceType, Revision, UniqueId, Tag, LongTag, Columns };
} // namespace

TLoopScan::TLoopScan(device::DeviceSession& session, QWidget* parent) : QDialog(parent), session(session)
{
    setObjectName(QStringLiteral("TLoopScan"));
    setWindowTitle(tr("Scan Loop"));
    ScanProgress = named(new QProgressBar, "ScanProgress");
    ScanState = named(new QLabel, "ScanState");
    ScanState->setTextFormat(Qt::PlainText);
    ScanResults = named(new QTableWidget(0, Columns), "ScanResults");
    ScanResults->setHorizontalHeaderLabels({tr("Address"), tr("Manufacturer"), tr("Device Type"), tr("Revision"),
                                            tr("Unique Identifier"), tr("Tag"), tr("Long Tag")});
    ScanResults->setSelectionBehavior(QAbstractItemView::SelectRows);
    ScanResults->setSelectionMode(QAbstractItemView::SingleSelection);
    ScanResults->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ScanResults->verticalHeader()->hide();
    ScanResults->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ScanResults->horizontalHeader()->setStretchLastSection(true);
    ScanResults->setMinimumSize(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 100,
                                fontMetrics().lineSpacing() * 12);
    ScanWarning = named(new QLabel, "ScanWarning");
    ScanWarning->setTextFormat(Qt::PlainText);
    ScanWarning->setWordWrap(true);

    auto* buttons = new QDialogButtonBox;
    ScanStop = named(buttons->addButton(tr("Stop"), QDialogButtonBox::ActionRole), "ScanStop");
    ScanConnect = named(buttons->addButton(tr("Connect"), QDialogButtonBox::AcceptRole), "ScanConnect");
    ScanClose = named(buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole), "ScanClose");
    for (QPushButton* button : {ScanStop, ScanConnect, ScanClose})
        button->setAutoDefault(false);
    ScanConnect->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ScanProgress);
    layout->addWidget(ScanState);
    layout->addWidget(ScanResults);
    layout->addWidget(ScanWarning);
    layout->addWidget(buttons);

    connect(ScanStop, &QPushButton::clicked, this,
            [this] { this->session.sequencer.stop(driverlink::StopSender::StopButton, false); });
    connect(ScanConnect, &QPushButton::clicked, this, &TLoopScan::connectChosen);
    connect(ScanClose, &QPushButton::clicked, this, &TLoopScan::reject);
    connect(ScanResults, &QTableWidget::cellDoubleClicked, this, &TLoopScan::connectChosen);
    connect(ScanResults, &QTableWidget::itemSelectionChanged, this, &TLoopScan::updateButtons);
    connect(&session, &device::DeviceSession::loopScanned, this, &TLoopScan::showScan);
    connect(&session, &device::DeviceSession::loopScanEnded, this, &TLoopScan::scanEnded);
}

void TLoopScan::prepare()
{
    running = true;
    chosen.reset();
    ScanWarning->clear();
    showScan();
}

void TLoopScan::showScan()
{
    const device::LoopScan& loop = session.loop;
    ScanProgress->setRange(0, loop.lastAddress() + 1);
    ScanProgress->setValue(loop.asked());
    if (running)
        ScanState->setText(
            platform::texts().scanAsking.arg(std::min(loop.asked(), loop.lastAddress())).arg(loop.lastAddress()));

    const QList<QList<int>> twice = loop.sameDeviceAddresses();
    ScanResults->setRowCount(int(loop.devices().size()));
    for (int row = 0; row < loop.devices().size(); ++row) {
        const device::LoopDevice& d = loop.devices()[row];
        const QString texts[Columns] = {
            QString::number(d.address), d.manufacturer, d.deviceType, d.revision, d.uniqueId, d.tag, d.longTag};
        for (int column = 0; column < Columns; ++column) {
            QTableWidgetItem* item = ScanResults->item(row, column);
            if (!item) ScanResults->setItem(row, column, item = new QTableWidgetItem);
            item->setText(texts[column]);
        }
        const bool elsewhere = std::any_of(twice.begin(), twice.end(),
                                           [&d](const QList<int>& group) { return group.contains(d.address); });
        ScanResults->item(row, Address)
            ->setIcon(elsewhere ? style()->standardIcon(QStyle::SP_MessageBoxWarning) : QIcon());
    }
    QStringList warnings;
    for (const QList<int>& group : twice) {
        QStringList addresses;
        for (int address : group)
            addresses.append(QString::number(address));
        warnings.append(platform::texts().scanSameDevice.arg(addresses.join(QStringLiteral(", "))));
    }
    ScanWarning->setText(warnings.join(u'\n'));
    ScanWarning->setVisible(!warnings.isEmpty());
    updateButtons();
}

void TLoopScan::scanEnded(driverlink::Ending ending)
{
    running = false;
    const device::LoopScan& loop = session.loop;
    const platform::Texts& t = platform::texts();
    if (ending == driverlink::Ending::Online)
        ScanState->setText(t.scanFinished.arg(loop.devices().size()));
    else if (ending == driverlink::Ending::Stopped)
        ScanState->setText(t.scanStopped.arg(loop.asked()));
    else
        ScanState->setText(t.scanNotFinished);
    showScan();
    if (!ScanResults->selectedItems().isEmpty() || loop.devices().isEmpty()) return;
    ScanResults->selectRow(0);
}

void TLoopScan::updateButtons()
{
    ScanStop->setEnabled(running);
    ScanConnect->setEnabled(!running && !ScanResults->selectedItems().isEmpty());
}

void TLoopScan::connectChosen()
{
    const int row = ScanResults->currentRow();
    if (running || row < 0 || row >= session.loop.devices().size()) return;
    chosen = driverlink::pollingAddressText(session.loop.devices()[row].address);
    accept();
}

void TLoopScan::reject()
{
    if (running) session.sequencer.stop(driverlink::StopSender::StopButton, false);
    QDialog::reject();
}
