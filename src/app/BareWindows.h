#pragma once
// The program's further windows, created once at start-up and kept for the whole run. For now each is only its
// frame with its name and caption; the history, printing, detailed setup and settings code fill them in.
#include <QDialog>

// The history of activities on the devices.
class TDatabase : public QDialog {
    Q_OBJECT
public:
    explicit TDatabase(QWidget* parent = nullptr);
};

// The print preview of the configuration protocol.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
};

// The note and signature printed on the protocol.
class TTiskEdit : public QDialog {
    Q_OBJECT
public:
    explicit TTiskEdit(QWidget* parent = nullptr);
};
