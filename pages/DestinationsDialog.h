#pragma once

#include "record/SettingsDocument.h"
#include "record/SettingsSchema.h"

#include <QCoreApplication>
#include <QDialog>
#include <array>
#include <cstdint>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace marlo {

class UserDialogs;

// "接続先の編集": the client mode's destinations, protocol, reconnect time and connection order.
// It shows `edited` when `loaded.connect.edited` is set, else `loaded`. OK stores everything into
// `edited` once every value has passed; a refused value keeps the dialog open and `edited` as it
// was, so closing the dialog afterwards changes nothing.
class DestinationsDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(DestinationsDialog)

public:
    DestinationsDialog(SettingsDocument& document, DeviceSettings& edited, UserDialogs& dialogs,
                       QWidget* parent = nullptr);

    void accept() override;

private:
    struct Row {
        QLineEdit* address = nullptr;
        QLineEdit* port = nullptr;
        QLineEdit* localPort = nullptr;
        QLineEdit* initialSend = nullptr;
    };

    QWidget* createProtocolGroup();
    QWidget* createDestinationTable();
    QWidget* createOrderGroup();
    void load();
    // Rows 2 to 4, the reconnect time and the connection order are for TCP, the UDP reception
    // check box for UDP. Empty port boxes of rows 2 to 4 get their placeholders.
    void applyProtocolRule();
    bool isTcp() const;
    // Shows `message`, then gives `control`, whose value was refused, the focus for retyping.
    bool refuse(const QString& message, QWidget* control);

    SettingsDocument& document_;
    DeviceSettings& edited_;
    UserDialogs& dialogs_;

    QButtonGroup* protocol_ = nullptr;
    std::array<Row, DeviceSettings::maxHosts> rows_{};
    QLineEdit* reconnectTime_ = nullptr;
    QButtonGroup* order_ = nullptr;
    QCheckBox* dropOtherSenders_ = nullptr;
};

} // namespace marlo
