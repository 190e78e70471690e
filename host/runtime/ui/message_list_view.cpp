#include "runtime/ui/message_list_view.h"

#include "runtime/host_texts.h"
#include "runtime/report/pdfoutput.h"
#include "runtime/report/textprint.h"
#include "runtime/safe_file_writer.h"
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

namespace {

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

MessageListView::MessageListView(const MessageList& list, MsgType type, QWidget* parent)
    : QWidget(parent), list_(list)
{
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
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < table_->rowCount(); ++row) {
        const MessageEntry& entry = list_.entries.at(row);
        const QString cells[] = {entry.who, entry.field, entry.value};
        for (int column = 0; column < table_->columnCount(); ++column)
            table_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    table_->resizeColumnsToContents();

    buttonRow_ = new QHBoxLayout;
    connect(AddButton(buttonRow_, this, "Btn_Copy", 407), &QPushButton::clicked, this, [this] { RunGuarded([this] { CopyList(); }); });
    connect(AddButton(buttonRow_, this, "Btn_Print", 408), &QPushButton::clicked, this, [this] { RunGuarded([this] { PrintList(); }); });
    connect(AddButton(buttonRow_, this, "Btn_Save", 409), &QPushButton::clicked, this, [this] { RunGuarded([this] { SaveList(); }); });
    buttonRow_->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(count);
    layout->addWidget(table_, 1);
    layout->addLayout(buttonRow_);
}

void MessageListView::SetColumnTitles(const QStringList& titles)
{
    table_->setHorizontalHeaderLabels(titles);
    table_->resizeColumnsToContents();
}

QString MessageListView::CountText() const
{
    return HostText(403).arg(list_.entries.size());
}

QStringList MessageListView::lines() const
{
    return list_.Lines(CountText());
}

void MessageListView::CopyList() const
{
    QGuiApplication::clipboard()->setText(list_.heading.join(u'\n') + u'\n' + CountText() + u'\n' + list_.TabSeparated());
}

QString MessageListView::documentTitle() const
{
    QString title = list_.heading.value(0).trimmed();
    while (title.endsWith(u':') || title.endsWith(u'：'))
        title.chop(1);
    return title;
}

void MessageListView::PrintList() const
{
    report::TextPrintTarget target;
    target.documentTitle = documentTitle();
    const QString pdfPath = report::PrintTextLines(lines(), target).pdfPath;
    if (!pdfPath.isEmpty())
        MessageDlg(HostText(250).arg(pdfPath), MsgType::Information, mbOK);
}

void MessageListView::SaveList() const
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

void MessageListView::WriteTextFile(const QString& path) const
{
    // The save dialog asked before a file there is replaced.
    SafeFileWriter file(path, Replacing::Allowed, HostText(411));
    const QByteArray text = (lines().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
    file.Write(text.constData(), text.size());
    file.Commit();
}
