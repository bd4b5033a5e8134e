#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QStringList>

namespace marlo {

// "書き込みの確認": lists what the write changes and asks, before the write to the device, whether
// the device is reset afterwards. Ends with 1 for either way of writing, `resetAfterWrite` telling
// which, or 2 for "キャンセル", Escape and the close box.
class WriteConfirmationDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(WriteConfirmationDialog)

public:
    static constexpr int writeResult = 1;
    static constexpr int cancelResult = 2;

    // `changes`: one line for each setting the write changes; none when nothing differs.
    explicit WriteConfirmationDialog(const QStringList& changes, QWidget* parent = nullptr);

    bool resetAfterWrite() const { return resetAfterWrite_; }

    void reject() override;

private:
    bool resetAfterWrite_ = false;
};

} // namespace marlo
