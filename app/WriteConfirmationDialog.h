#pragma once

#include <QCoreApplication>
#include <QDialog>

namespace marlo {

// "書き込みの確認": asks, before a write to the device, whether the device is reset afterwards.
// Ends with 1 for either way of writing, `resetAfterWrite` telling which, or 2 for
// "キャンセル", Escape and the close box.
class WriteConfirmationDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(WriteConfirmationDialog)

public:
    static constexpr int writeResult = 1;
    static constexpr int cancelResult = 2;

    explicit WriteConfirmationDialog(QWidget* parent = nullptr);

    bool resetAfterWrite() const { return resetAfterWrite_; }

    void reject() override;

private:
    bool resetAfterWrite_ = false;
};

} // namespace marlo
