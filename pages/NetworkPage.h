#pragma once

#include "pages/SettingsPage.h"

#include <QCoreApplication>
#include <QList>
#include <cstdint>

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;

namespace marlo {

// The network page: the tunnel's server mode, its client mode with a summary of the destinations
// (edited in `DestinationsDialog`), and the conditions that drop a connection. It never talks to the
// device.
class NetworkPage : public SettingsPage {
    Q_DECLARE_TR_FUNCTIONS(NetworkPage)

public:
    NetworkPage(SettingsDocument& document, UserDialogs& dialogs, QWidget* parent = nullptr);

    void enableAll(bool on) override;
    void loadFromSettings() override;
    bool validateAndStore() override;

private:
    QWidget* createServerGroup();
    QWidget* createClientGroup();
    QWidget* createDisconnectGroup();
    template <class Control> Control* add(Control* control, const char* id);
    // The four condition radios, two by two beside the group's label, at `row` and the row below.
    // The four condition radios, named `side` followed by the condition.
    QButtonGroup* addConditions(const char* side, const QString& title, QGridLayout* grid, int row);
    struct StartCharacterIds {
        const char* label;
        const char* edit;
        const char* flush;
    };
    struct StartCharacterControls {
        QLabel* label = nullptr;
        QLineEdit* edit = nullptr;
        QCheckBox* flush = nullptr;
    };
    QLayout* addStartCharacterRow(const StartCharacterIds& id, const QString& side,
                                  StartCharacterControls& controls);
    QLineEdit* addCharacterEdit(const char* id);
    static QGridLayout* groupGrid(QGroupBox* box);

    void applyServerRules();
    void applyPasswordRule();
    void applyClientRules();
    void applyDisconnectRules();
    void showDestinations();
    void editDestinations();

    // The texts of the edit boxes the configuration checks read; the silence time only while its
    // check box is ticked.
    EditTexts editTexts() const;
    bool storeServer();
    bool storeClient();
    bool storeDisconnect();

    QList<QWidget*> controls_; // what enableAll switches, in tab order

    QCheckBox* serverMode_ = nullptr;
    QButtonGroup* serverCondition_ = nullptr;
    QLabel* serverStartLabel_ = nullptr;
    QLineEdit* serverStart_ = nullptr;
    QCheckBox* serverFlushStart_ = nullptr;
    QLineEdit* localPort_ = nullptr;
    QCheckBox* multipleConnections_ = nullptr;
    QCheckBox* usePassword_ = nullptr;
    QLineEdit* password_ = nullptr;
    QCheckBox* serverFlushLine_ = nullptr;

    QCheckBox* clientMode_ = nullptr;
    QButtonGroup* clientCondition_ = nullptr;
    QLabel* clientStartLabel_ = nullptr;
    QLineEdit* clientStart_ = nullptr;
    QCheckBox* clientFlushStart_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* destinations_ = nullptr;
    QCheckBox* clientFlushLine_ = nullptr;

    QCheckBox* stopEnabled_ = nullptr;
    QLineEdit* stopCharacter_ = nullptr;
    QCheckBox* silenceEnabled_ = nullptr;
    QLineEdit* silence_ = nullptr;
    QCheckBox* disconnectOnModemControl_ = nullptr;
    QCheckBox* disconnectFlushLine_ = nullptr;
};

} // namespace marlo
