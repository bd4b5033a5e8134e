#include "app/WriteConfirmationDialog.h"

#include "ui/DialogUnits.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace marlo {

WriteConfirmationDialog::WriteConfirmationDialog(QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("書き込みの確認"));
    const DialogUnits units = DialogUnits::forFont(font());

    auto* notice = new QLabel(
        tr("設定の書き込みを行います。\n無線、STA、APモード設定の反映にはリセットが必要です。"), this);
    QRect noticeRect = units.toPixels(10, 10, 210, 20);
    noticeRect.setHeight(std::max(noticeRect.height(), 2 * fontMetrics().height()));
    notice->setGeometry(noticeRect);

    const auto addButton = [&](const char* id, const QString& text, int x, int y, int width) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QString::fromLatin1(id));
        button->setGeometry(units.toPixels(x, y, width, 14));
        return button;
    };
    QPushButton* writeOnly = addButton("writeOnly", tr("書き込みのみを行う"), 5, 35, 115);
    QPushButton* writeAndReset = addButton("writeAndReset", tr("書き込みとリセットを行う"), 5, 55, 115);
    QPushButton* cancel = addButton("writeCancel", tr("キャンセル"), 175, 55, 50);
    writeOnly->setDefault(true);
    writeOnly->setAccessibleDescription(notice->text());

    connect(writeOnly, &QPushButton::clicked, this, [this] { done(writeResult); });
    connect(writeAndReset, &QPushButton::clicked, this, [this] {
        resetAfterWrite_ = true;
        done(writeResult);
    });
    connect(cancel, &QPushButton::clicked, this, &WriteConfirmationDialog::reject);
    setFixedSize(units.toPixels(232, 73));
}

void WriteConfirmationDialog::reject() {
    done(cancelResult);
}

} // namespace marlo
