#include "pages/DestinationsDialog.h"

#include "pages/PageFields.h"
#include "record/Codecs.h"
#include "record/ConfigurationCheck.h"
#include "ui/TypedLengthLimit.h"
#include "ui/UserDialogs.h"
#include "ui/WidgetText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>
#include <variant>

namespace marlo {

namespace {

constexpr std::string_view noPort = "<None>";
constexpr std::string_view randomPort = "<Random>";

struct RowIds {
    const char* address;
    const char* port;
    const char* localPort;
    const char* initialSend;
};
constexpr RowIds rowIds[DeviceSettings::maxHosts] = {
    {"hostAddress1", "hostPort1", "hostLocalPort1", "hostInitialSend1"},
    {"hostAddress2", "hostPort2", "hostLocalPort2", "hostInitialSend2"},
    {"hostAddress3", "hostPort3", "hostLocalPort3", "hostInitialSend3"},
    {"hostAddress4", "hostPort4", "hostLocalPort4", "hostInitialSend4"},
};

} // namespace

DestinationsDialog::DestinationsDialog(SettingsDocument& document, DeviceSettings& edited,
                                       UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , document_(document)
    , edited_(edited)
    , dialogs_(dialogs) {
    setWindowTitle(tr("接続先の編集"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createProtocolGroup());
    layout->addWidget(createDestinationTable());

    reconnectTime_ = new QLineEdit(this);
    reconnectTime_->setObjectName(QStringLiteral("reconnectTime"));
    reconnectTime_->setMaximumWidth(editWidthFor(this, "00000"));
    auto* reconnectRow = new QHBoxLayout;
    reconnectRow->addWidget(labelFor(reconnectTime_, tr("再接続時間:")));
    reconnectRow->addWidget(reconnectTime_);
    reconnectRow->addWidget(new QLabel(tr("秒")));
    reconnectRow->addStretch(1);
    layout->addLayout(reconnectRow);

    layout->addWidget(createOrderGroup());

    dropOtherSenders_ = new QCheckBox(tr("送信先以外からのUDP受信を破棄する"), this);
    dropOtherSenders_->setObjectName(QStringLiteral("dropOtherSenders"));
    layout->addWidget(dropOtherSenders_);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("destinationsOk"));
    ok->setDefault(true);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(ok);
    layout->addLayout(buttonRow);
    connect(ok, &QPushButton::clicked, this, &DestinationsDialog::accept);
    connect(protocol_, &QButtonGroup::buttonClicked, this, [this] { applyProtocolRule(); });

    load();
}

QWidget* DestinationsDialog::createProtocolGroup() {
    const QString title = tr("プロトコル");
    auto* box = new QGroupBox(title, this);
    auto* row = new QHBoxLayout(box);
    protocol_ = new QButtonGroup(this);
    for (const auto& [value, id, text] :
         {std::tuple{protocolTcp, "protocolTcp", "TCP"}, {protocolUdp, "protocolUdp", "UDP"}}) {
        auto* radio = new QRadioButton(QString::fromLatin1(text), this);
        radio->setObjectName(QString::fromLatin1(id));
        nameInGroup(radio, title);
        protocol_->addButton(radio, value);
        row->addWidget(radio);
    }
    row->addStretch(1);
    return box;
}

QWidget* DestinationsDialog::createDestinationTable() {
    auto* table = new QWidget(this);
    auto* grid = new QGridLayout(table);
    grid->setContentsMargins(0, 0, 0, 0);
    // Each column's heading, and its name in the accessible names of its edits.
    const struct {
        const char* heading;
        const char* name;
    } columns[] = {
        {QT_TRANSLATE_NOOP("DestinationsDialog", "アドレス"),
         QT_TRANSLATE_NOOP("DestinationsDialog", "アドレス")},
        {QT_TRANSLATE_NOOP("DestinationsDialog", "ポート"),
         QT_TRANSLATE_NOOP("DestinationsDialog", "ポート")},
        {QT_TRANSLATE_NOOP("DestinationsDialog", "ローカル\nポート"),
         QT_TRANSLATE_NOOP("DestinationsDialog", "ローカルポート")},
        {QT_TRANSLATE_NOOP("DestinationsDialog", "接続時送信文字列"),
         QT_TRANSLATE_NOOP("DestinationsDialog", "接続時送信文字列")},
    };
    for (int column = 0; column < 4; ++column) {
        grid->addWidget(new QLabel(tr(columns[column].heading)), 0, column + 1, Qt::AlignBottom);
    }
    const auto addEdit = [this](const char* id, int maxBytes, const char* sample, const QString& name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(id));
        new TypedLengthLimit(edit, maxBytes);
        edit->setMinimumWidth(editWidthFor(this, sample));
        edit->setAccessibleName(withoutMnemonic(name));
        return edit;
    };
    for (int index = 0; index < DeviceSettings::maxHosts; ++index) {
        const QString rowLabel = tr("接続先%1:").arg(index + 1);
        const auto name = [&](int column) { return rowLabel + QLatin1Char(' ') + tr(columns[column].name); };
        Row& row = rows_[static_cast<std::size_t>(index)];
        const RowIds& id = rowIds[index];
        row.address = addEdit(id.address, 50, "000.000.000.000", name(0));
        row.port = addEdit(id.port, 5, "<None>", name(1));
        row.localPort = addEdit(id.localPort, 5, "<Random>", name(2));
        row.initialSend = addEdit(id.initialSend, 32, "0000000000", name(3));
        auto* label = new QLabel(rowLabel);
        label->setBuddy(row.address);
        grid->addWidget(label, index + 1, 0);
        grid->addWidget(row.address, index + 1, 1);
        grid->addWidget(row.port, index + 1, 2);
        grid->addWidget(row.localPort, index + 1, 3);
        grid->addWidget(row.initialSend, index + 1, 4);
    }
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(4, 2);
    return table;
}

QWidget* DestinationsDialog::createOrderGroup() {
    const QString title = tr("接続順序");
    auto* box = new QGroupBox(title, this);
    auto* row = new QHBoxLayout(box);
    order_ = new QButtonGroup(this);
    const std::tuple<int, const char*, const char*> radios[] = {
        {0, "connectSequential", QT_TRANSLATE_NOOP("DestinationsDialog", "順次接続")},
        {1, "connectSimultaneous", QT_TRANSLATE_NOOP("DestinationsDialog", "複数同時")},
        {2, "connectRoundRobin", QT_TRANSLATE_NOOP("DestinationsDialog", "前回接続した次の接続先")},
    };
    for (const auto& [value, id, text] : radios) {
        auto* radio = new QRadioButton(tr(text), this);
        radio->setObjectName(QString::fromLatin1(id));
        nameInGroup(radio, title);
        order_->addButton(radio, value);
        row->addWidget(radio);
    }
    row->addStretch(1);
    return box;
}

bool DestinationsDialog::isTcp() const {
    return protocol_->checkedId() == protocolTcp;
}

void DestinationsDialog::applyProtocolRule() {
    const bool tcpChosen = isTcp();
    for (QAbstractButton* radio : order_->buttons()) {
        radio->setEnabled(tcpChosen);
    }
    reconnectTime_->setEnabled(tcpChosen);
    dropOtherSenders_->setEnabled(!tcpChosen);
    rows_[0].initialSend->setEnabled(tcpChosen);
    for (std::size_t index = 1; index < rows_.size(); ++index) {
        const Row& row = rows_[index];
        for (QLineEdit* edit : {row.address, row.port, row.localPort, row.initialSend}) {
            edit->setEnabled(tcpChosen);
        }
        if (row.port->text().isEmpty()) {
            setFieldText(row.port, noPort);
        }
        if (row.localPort->text().isEmpty()) {
            setFieldText(row.localPort, randomPort);
        }
    }
}

void DestinationsDialog::load() {
    const DeviceSettings& source =
        document_.confirmedInDialog(Setting::hostAddress) ? edited_ : document_.loaded;
    const DeviceSettings::Connect& connect = source.connect;
    tickValue(protocol_, connect.protocol == protocolTcp ? protocolTcp : protocolUdp);
    applyProtocolRule();

    for (std::size_t index = 0; index < rows_.size(); ++index) {
        const Row& row = rows_[index];
        const HostEntry& host = connect.hosts[index];
        row.address->setText(displayText(host.address));
        setFieldText(row.port, formatNumberOrPlaceholder(host.port, 10, noPort));
        setFieldText(row.localPort,
                     formatNumberOrPlaceholder(static_cast<std::uint32_t>(host.localPort), 10, randomPort));
        if (!isTcp()) {
            break;
        }
        row.initialSend->setText(displayText(host.initialSend));
    }
    tickValue(order_, connect.connections);
    setFieldText(reconnectTime_, numberOrEmpty(static_cast<std::uint32_t>(connect.reconnectTime), 10));
    dropOtherSenders_->setChecked(connect.reception == receptionRestricted);
}

void DestinationsDialog::accept() {
    SettingsDocument candidate = document_;
    candidate.edited = edited_;
    DeviceSettings::Connect& connect = candidate.edited.connect;
    connect.protocol = isTcp() ? protocolTcp : protocolUdp;
    connect.connections = std::max(order_->checkedId(), 0);
    connect.reception = dropOtherSenders_->isChecked() ? receptionRestricted : receptionUnrestricted;

    const EditTexts texts = [this](Setting setting, std::size_t element) -> std::optional<TypedText> {
        const auto encoded = [](const QLineEdit* edit) {
            const std::optional<Text> text = encodeText(edit->text());
            return text ? TypedText{*text} : TypedText{{}, false};
        };
        const Row& row = rows_[element];
        switch (setting) {
        case Setting::hostAddress:
            return encoded(row.address);
        case Setting::hostPort:
            return TypedText{numberFieldText(row.port)};
        case Setting::hostLocalPort:
            return TypedText{numberFieldText(row.localPort)};
        case Setting::hostInitialSend:
            return encoded(row.initialSend);
        case Setting::connectReconnectTime:
            return TypedText{numberFieldText(reconnectTime_)};
        default:
            return std::nullopt;
        }
    };
    const RefusalSink showFirst = [this](const ConfigurationRefusal& refusal) {
        QString message = QCoreApplication::translate(refusal.context, refusal.message);
        if (!refusal.argument.empty()) {
            message = message.arg(QString::fromStdString(refusal.argument));
        }
        return refuse(message, findChild<QWidget*>(QString::fromLatin1(refusal.control)));
    };
    if (!checkSection(CheckSection::destinations, candidate, texts, showFirst)) {
        return;
    }
    edited_.connect = connect;
    QDialog::accept();
}

bool DestinationsDialog::refuse(const QString& message, QWidget* control) {
    dialogs_.warning(this, message);
    focusForRetyping(control);
    return false;
}

} // namespace marlo
