#pragma once
// The note and signature of the configuration protocol: who configured the device (the login fills
// it) and a note. Made once; its texts stay between prints and are what the preview shows.
#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;

class TTiskEdit : public QDialog {
    Q_OBJECT
public:
    explicit TTiskEdit(QWidget* parent = nullptr);

    QString configuredBy() const;
    QString note() const;

    std::function<void()> help;

    QLineEdit* NastaveniProvedl = nullptr;
    QLineEdit* Poznamka = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
