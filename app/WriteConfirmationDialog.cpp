#include "app/WriteConfirmationDialog.h"

#include "ui/DialogUnits.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

namespace marlo {

WriteConfirmationDialog::WriteConfirmationDialog(const QStringList& changes, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("書き込みの確認"));
    const DialogUnits units = DialogUnits::forFont(font());
    const int width = changes.isEmpty() ? 232 : 330;
    const auto placeText = [&](QLabel* label, int x, int y, int textWidth, int lines) {
        QRect rect = units.toPixels(x, y, textWidth, 10 * lines);
        rect.setHeight(std::max(rect.height(), lines * fontMetrics().height()));
        label->setGeometry(rect);
    };

    auto* notice = new QLabel(
        tr("設定の書き込みを行います。\n無線、STA、APモード設定の反映にはリセットが必要です。"), this);
    placeText(notice, 10, 10, width - 20, 2);

    auto* heading = new QLabel(changes.isEmpty() ? tr("書き込みで変わる設定はありません。")
                                                 : tr("書き込みで変わる設定 (%1 件):").arg(changes.size()),
                               this);
    heading->setObjectName(QStringLiteral("changesHeading"));
    placeText(heading, 10, 35, width - 20, 1);
    int y = 50;
    if (!changes.isEmpty()) {
        auto* list = new QListWidget(this);
        list->setObjectName(QStringLiteral("changes"));
        list->addItems(changes);
        list->setAccessibleName(heading->text());
        list->setCurrentRow(0);
        list->setGeometry(units.toPixels(10, y, width - 20, 90));
        heading->setBuddy(list);
        y += 95;
    }

    const auto addButton = [&](const char* id, const QString& text, int x, int top, int buttonWidth) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QString::fromLatin1(id));
        button->setGeometry(units.toPixels(x, top, buttonWidth, 14));
        return button;
    };
    QPushButton* writeOnly = addButton("writeOnly", tr("書き込みのみを行う"), 5, y, 115);
    QPushButton* writeAndReset = addButton("writeAndReset", tr("書き込みとリセットを行う"), 5, y + 20, 115);
    QPushButton* cancel = addButton("writeCancel", tr("キャンセル"), width - 57, y + 20, 50);
    writeOnly->setDefault(true);
    writeOnly->setAccessibleDescription(notice->text());
    if (!changes.isEmpty()) {
        setTabOrder(findChild<QListWidget*>(), writeOnly);
    }

    connect(writeOnly, &QPushButton::clicked, this, [this] { done(writeResult); });
    connect(writeAndReset, &QPushButton::clicked, this, [this] {
        resetAfterWrite_ = true;
        done(writeResult);
    });
    connect(cancel, &QPushButton::clicked, this, &WriteConfirmationDialog::reject);
    setFixedSize(units.toPixels(width, y + 38));
}

void WriteConfirmationDialog::reject() {
    done(cancelResult);
}

} // namespace marlo
