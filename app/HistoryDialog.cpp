#include "app/HistoryDialog.h"

#include "ui/WidgetText.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace marlo {

namespace {

QString localTime(std::chrono::system_clock::time_point when) {
    const auto milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch()).count();
    return QDateTime::fromMSecsSinceEpoch(milliseconds)
        .toLocalTime()
        .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace

QString backupFailureMessage(const BackupFailure& failure) {
    const QByteArray text =
        QCoreApplication::translate("ConfigurationBackups", backupFailureTemplate(failure)).toUtf8();
    return QString::fromStdString(
        backupFailureText(failure, std::string_view(text.constData(), text.size())));
}

HistoryDialog::HistoryDialog(const std::vector<HistoryRow>& rows, QWidget* parent)
    : QDialog(parent)
    , rows_(rows) {
    setWindowTitle(tr("履歴"));
    auto* layout = new QVBoxLayout(this);

    auto* heading = new QLabel(rows.empty() ? tr("このデバイスのバックアップはまだありません。")
                                            : tr("このデバイスから読み込んだ設定 (新しい順):"),
                               this);
    heading->setObjectName(QStringLiteral("historyHeading"));
    layout->addWidget(heading);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("backups"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({tr("読み込んだ日時"), tr("ファームウェア"), tr("現在との違い")});
    list_->setAccessibleName(heading->text());
    heading->setBuddy(list_);
    for (const HistoryRow& row : rows) {
        const QString differences =
            row.differences ? tr("%1 件").arg(*row.differences) : tr("読み込めません");
        list_->addTopLevelItem(new QTreeWidgetItem(QStringList{
            localTime(row.backup.takenAt), displayText(row.backup.firmwareVersion), differences}));
    }
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (!rows.empty()) {
        list_->setCurrentItem(list_->topLevelItem(0));
    }
    layout->addWidget(list_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* restore = buttons->addButton(tr("復元"), QDialogButtonBox::AcceptRole);
    restore->setObjectName(QStringLiteral("restoreButton"));
    restore->setEnabled(!rows.empty());
    QPushButton* close = buttons->addButton(tr("閉じる"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("closeButton"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    resize(520, 320);
}

std::optional<std::string> HistoryDialog::chosenBackup() const {
    const int index = list_->indexOfTopLevelItem(list_->currentItem());
    if (result() != QDialog::Accepted || index < 0 || static_cast<std::size_t>(index) >= rows_.size()) {
        return std::nullopt;
    }
    return rows_[static_cast<std::size_t>(index)].backup.path;
}

} // namespace marlo
