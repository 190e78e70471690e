#include "runtime/ui/message_list_dialog.h"

#include "runtime/safe_file_writer.h"

#include "runtime/language.h"
#include "runtime/report/pdfoutput.h"
#include "runtime/report/textprint.h"
#include "runtime/ui/guarded.h"
#include "runtime/ui/msave_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <stdexcept>

namespace {

QString HostText(int id)
{
    return LoadFormResourceStr(QStringLiteral("RAR1HOST"), id);
}

QStyle::StandardPixmap IconOf(MsgType type)
{
    switch (type) {
    case MsgType::Information: return QStyle::SP_MessageBoxInformation;
    case MsgType::Confirmation: return QStyle::SP_MessageBoxQuestion;
    case MsgType::Warning: return QStyle::SP_MessageBoxWarning;
    case MsgType::Error: return QStyle::SP_MessageBoxCritical;
    }
    return QStyle::SP_MessageBoxInformation;
}

QPushButton* AddButton(QBoxLayout* row, QWidget* parent, const char* name, int textId)
{
    auto* button = new QPushButton(HostText(textId), parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

} // namespace

MessageListDialog::MessageListDialog(const MessageList& list, MsgType type, int buttons, QWidget* parent, const QString& goOn)
    : QDialog(parent), list_(list), escapeResult_(ClosedAnswer(buttons))
{
    setObjectName(QStringLiteral("MessageList"));
    setWindowTitle(LoadFormResourceStr(QStringLiteral("RAR1HOST"), 120));

    auto* top = new QHBoxLayout;
    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(IconOf(type), nullptr, this).pixmap(iconSize, iconSize));
    top->addWidget(icon, 0, Qt::AlignTop);
    auto* heading = new QLabel(list_.heading.join(u'\n'), this);
    heading->setObjectName(QStringLiteral("Heading"));
    heading->setWordWrap(true);
    heading->setTextInteractionFlags(Qt::TextSelectableByMouse);
    top->addWidget(heading, 1);

    auto* count = new QLabel(CountText(), this);
    count->setObjectName(QStringLiteral("Count"));

    bool detailed = false;
    for (const MessageEntry& entry : list_.entries)
        detailed = detailed || !entry.field.isEmpty() || !entry.value.isEmpty();
    table_ = new QTableWidget(int(list_.entries.size()), detailed ? 3 : 1, this);
    table_->setObjectName(QStringLiteral("Entries"));
    table_->setHorizontalHeaderLabels({HostText(404), HostText(405), HostText(406)});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setWordWrap(false);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < table_->rowCount(); ++row) {
        const MessageEntry& entry = list_.entries.at(row);
        const QString cells[] = {entry.who, entry.field, entry.value};
        for (int column = 0; column < table_->columnCount(); ++column)
            table_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    table_->resizeColumnsToContents();

    auto* row = new QHBoxLayout;
    connect(AddButton(row, this, "Btn_Copy", 407), &QPushButton::clicked, this, [this] { RunGuarded([this] { CopyList(); }); });
    connect(AddButton(row, this, "Btn_Print", 408), &QPushButton::clicked, this, [this] { RunGuarded([this] { PrintList(); }); });
    connect(AddButton(row, this, "Btn_Save", 409), &QPushButton::clicked, this, [this] { RunGuarded([this] { SaveList(); }); });
    row->addStretch();
    const struct {
        MsgButton flag;
        int result;
        const char* name;
        int textId;
    } answers[] = {{mbYes, mrYes, "Btn_Yes", 415}, {mbNo, mrNo, "Btn_No", 416}, {mbOK, mrOk, "Btn_OK", 413}, {mbCancel, mrCancel, "Btn_Cancel", 414}};
    QPushButton* chosen = nullptr;
    for (const auto& answer : answers)
        if ((buttons & answer.flag) || (answer.flag == mbOK && !(buttons & (mbYes | mbNo | mbCancel)))) {
            QPushButton* button = AddButton(row, this, answer.name, answer.textId);
            connect(button, &QPushButton::clicked, this, [this, result = answer.result] { done(result); });
            if (answer.flag == mbOK && !goOn.isEmpty())
                button->setText(goOn);
            // A question that lets the work go on past what the list shows defaults to Cancel.
            if (!chosen || (answer.flag == mbCancel && !goOn.isEmpty()))
                chosen = button;
        }
    chosen->setDefault(true);
    chosen->setFocus();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(count);
    layout->addWidget(table_, 1);
    layout->addLayout(row);
    resize(720, 460);
}

int MessageListDialog::Run()
{
    const int result = exec();
    return result == QDialog::Rejected ? escapeResult_ : result;
}

QString MessageListDialog::CountText() const
{
    return HostText(403).arg(list_.entries.size());
}

QStringList MessageListDialog::lines() const
{
    return list_.Lines(CountText());
}

void MessageListDialog::CopyList() const
{
    QGuiApplication::clipboard()->setText(list_.heading.join(u'\n') + u'\n' + CountText() + u'\n' + list_.TabSeparated());
}

QString MessageListDialog::documentTitle() const
{
    QString title = list_.heading.value(0).trimmed();
    while (title.endsWith(u':') || title.endsWith(u'：'))
        title.chop(1);
    return title;
}

void MessageListDialog::PrintList() const
{
    report::TextPrintTarget target;
    target.documentTitle = documentTitle();
    const QString pdfPath = report::PrintTextLines(lines(), target).pdfPath;
    if (!pdfPath.isEmpty())
        MessageDlg(HostText(250).arg(pdfPath), MsgType::Information, mbOK);
}

void MessageListDialog::SaveList() const
{
    MSaveDialog dialog;
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    dialog.FileName = QDir(report::PdfOutputFolder()).filePath(documentTitle() + u' ' + stamp + QStringLiteral(".txt"));
    dialog.Filter = HostText(410);
    dialog.DefaultExt = QStringLiteral("txt");
    if (!dialog.Execute())
        return;
    WriteTextFile(dialog.FileName);
    MessageDlg(HostText(412).arg(dialog.FileName), MsgType::Information, mbOK);
}

void MessageListDialog::WriteTextFile(const QString& path) const
{
    // The save dialog asked before a file there is replaced.
    SafeFileWriter file(path, Replacing::Allowed, HostText(411));
    const QByteArray text = (lines().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
    file.Write(text.constData(), text.size());
    file.Commit();
}
