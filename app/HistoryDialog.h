#pragma once

#include "record/ConfigurationBackups.h"

#include <QCoreApplication>
#include <QDialog>
#include <optional>
#include <string>
#include <vector>

class QTreeWidget;

namespace marlo {

// Why backups could not be kept or listed, in the language shown.
QString backupFailureMessage(const BackupFailure& failure);

// One backup as the history lists it.
struct HistoryRow {
    BackupEntry backup;
    // How many settings of the backup differ from what the pages show; none when it does not load.
    std::optional<int> differences;
};

// "履歴": the backups of the device on the selected port, newest first, each with when it was read,
// the firmware it was read with and how many settings differ from what the pages show now.
// "復元" ends the dialog with the chosen backup; "閉じる", Escape and the close box with none.
class HistoryDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(HistoryDialog)

public:
    HistoryDialog(const std::vector<HistoryRow>& rows, QWidget* parent = nullptr);

    // The backup to restore once the dialog was accepted.
    std::optional<std::string> chosenBackup() const;

private:
    std::vector<HistoryRow> rows_;
    QTreeWidget* list_ = nullptr;
};

} // namespace marlo
