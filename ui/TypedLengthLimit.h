#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

namespace marlo {

// Limits what the user can type or paste into an edit to `maxBytes` bytes of code page 932. Texts
// the program sets are not cut: a longer text stays, and the user can take characters out of it
// but put none in. A character that code page 932 cannot hold is refused as it is typed.
class TypedLengthLimit : public QObject {
public:
    TypedLengthLimit(QLineEdit* edit, int maxBytes);

private:
    void checkTyped(const QString& typed);

    QLineEdit* edit_;
    int maxBytes_;
    QString accepted_;
};

} // namespace marlo
