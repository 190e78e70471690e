#include "commands.h"

#include "demo_database.h"
#include "demo_server.h"
#include "dialog_answers.h"
#include "headless_host.h"
#include "runtime/config.h"
#include "runtime/db/server_address.h"
#include "runtime/host_texts.h"
#include "runtime/language.h"
#include "runtime/report/fontmap.h"
#include "runtime/report/pageoutput.h"
#include "runtime/report/pdfoutput.h"
#include "runtime/report/printers.h"
#include "runtime/safe_file_device.h"
#include "runtime/ui/function_buttons.h"
#include "runtime/ui/kept_column.h"
#include "window_conditions.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QVariant>
#include <climits>

namespace {

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

void reportErrors(const HeadlessHost& host)
{
    for (const QString& error : host.errors())
        QTextStream(stderr) << "rar1: " << error.simplified() << Qt::endl;
}

// A file the command is to write: a name, never a folder or nothing; one that exists only with
// --force. Raises UsageError, or FileExistsError for an existing file.
QString fileToWrite(const QString& named, bool force)
{
    if (named.isEmpty() || named.endsWith(u'/') || QFileInfo(named).fileName().startsWith(u'.') && QFileInfo(named).completeBaseName().isEmpty())
        throw UsageError(HostText(605).arg(named).toStdString());
    const QString path = QFileInfo(named).absoluteFilePath();
    SafeFileWriter::CheckTarget(path);
    if (!force && QFileInfo::exists(path))
        throw FileExistsError(HostText(607).arg(path).toStdString());
    return path;
}

// Reports should go to a PDF file at `path`, whatever printer is configured; a file there is
// replaced only when `replaces`.
RuntimeConfig printingToPdf(RuntimeConfig config, const QString& path, bool replaces)
{
    config.printer = report::PdfPrinterName;
    config.pdfPrinter = true;
    report::SetPdfOutputPath(path, replaces);
    return config;
}

// Whether one of the errors the host was told is that a file was found where a new one was to go.
bool foundAFile(const HeadlessHost& host, const QString& path)
{
    return host.errors().contains(HostText(606).arg(path));
}

// The label of a parameter control: the form row that holds it, alone or beside its hint.
QString parameterLabel(QWidget* control)
{
    auto* form = control->parentWidget()->findChild<QFormLayout*>();
    for (int row = 0; form && row < form->rowCount(); ++row) {
        QLayoutItem* field = form->itemAt(row, QFormLayout::FieldRole);
        QLayoutItem* label = form->itemAt(row, QFormLayout::LabelRole);
        if (field && label && (field->widget() == control || (field->layout() && field->layout()->indexOf(control) >= 0)))
            return qobject_cast<QLabel*>(label->widget()) ? qobject_cast<QLabel*>(label->widget())->text() : QString();
    }
    return QString();
}

// A parameter control's value as BANK1 keeps it: an edit's text, a list's stored value.
QString parameterValue(QWidget* control)
{
    if (auto* list = qobject_cast<QComboBox*>(control))
        return list->currentData().toString();
    return qobject_cast<QLineEdit*>(control)->text();
}

// Sets a parameter control as the clerk would. A list takes only the values of its items; for
// another value it returns those values.
QStringList setParameterValue(QWidget* control, const QString& value)
{
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        const int index = list->findData(value);
        if (index >= 0) {
            list->setCurrentIndex(index);
            return {};
        }
        QStringList values;
        for (int i = 0; i < list->count(); ++i)
            values << list->itemData(i).toString();
        return values;
    }
    auto* edit = qobject_cast<QLineEdit*>(control);
    edit->setText(value);
    emit edit->editingFinished();   // the clerk leaves the edit: its exit check runs
    return {};
}

// Sets the options of `form` that a BANK1 column keeps, as the clerk clicks them: the button whose
// text for the assigned value matches. A value no button stands for is noted in `refused`.
void setKeptButtons(const QWidget& form, const QMap<QString, QString>& assignments, QStringList& unknown, QStringList& refused)
{
    const std::vector<KeptButton> kept = KeptButtons(form);
    for (auto assigned = assignments.cbegin(); assigned != assignments.cend(); ++assigned) {
        QStringList values;
        QAbstractButton* target = nullptr;
        bool check = true;
        for (const KeptButton& button : kept) {
            if (button.column != assigned.key())
                continue;
            values << button.checkedText;
            if (!button.uncheckedText.isEmpty())
                values << button.uncheckedText;
            if (button.checkedText == assigned.value())
                target = button.button;
            else if (!button.uncheckedText.isEmpty() && button.uncheckedText == assigned.value())
                target = button.button, check = false;
        }
        if (values.isEmpty())
            continue;
        unknown.removeAll(assigned.key());
        if (!target)
            refused << HostText(262).arg(assigned.key(), values.join(QStringLiteral(" / ")));
        else if (target->isChecked() != check)
            target->click();
    }
}

// Prints the options of `form` that a BANK1 column keeps: column, caption, the text the column takes.
void printKeptButtons(const QWidget& form)
{
    for (const KeptButton& button : KeptButtons(form)) {
        if (button.button->isChecked())
            out() << QStringLiteral("%1\t%2\t%3").arg(button.column, button.button->text(), button.checkedText) << Qt::endl;
        else if (!button.uncheckedText.isEmpty())
            out() << QStringLiteral("%1\t%2\t%3").arg(button.column, button.button->text(), button.uncheckedText) << Qt::endl;
    }
}

// Whether the window said it printed to a PDF file since `messagesBefore`; prints where, or why not.
bool printedToPdf(const HeadlessHost& host, int messagesBefore, const QString& what)
{
    const QString saved = LoadFormResourceStr(QStringLiteral("RAR1HOST"), 250).section(QStringLiteral("%1"), 0, 0);
    const QStringList shown = host.messages().mid(messagesBefore);
    for (const QString& message : shown) {
        if (message.startsWith(saved)) {
            out() << what << ": " << message.mid(saved.size()) << Qt::endl;
            return true;
        }
    }
    reportErrors(host);
    if (host.errors().isEmpty())
        QTextStream(stderr) << "rar1: " << (shown.isEmpty() ? QStringLiteral("nothing was printed") : shown.last().simplified()) << Qt::endl;
    return false;
}

// The lines of the lists that held the command back; true when there were any (nothing was done).
bool reportHeldBack(const DialogAnswerer& answerer)
{
    for (const QString& line : answerer.heldBack())
        QTextStream(stderr) << "rar1: " << line << Qt::endl;
    return !answerer.heldBack().isEmpty();
}

// Sets the window's conditions; false (the errors told) when the window could not take or keep them,
// so that nothing is written or printed under conditions the clerk did not ask for.
bool appliedConditions(HeadlessHost& host, MForm& window, const WindowConditions& conditions)
{
    conditions.ApplyTo(window, host);
    if (host.errors().isEmpty())
        return true;
    reportErrors(host);
    return false;
}

} // namespace

int InitDemo(const RuntimeConfig& config, Arguments& arguments)
{
    const int employees = arguments.takeNumber(QStringLiteral("--employees"), 120, 1, INT_MAX);
    const quint32 seed = quint32(arguments.takeNumber(QStringLiteral("--seed"), 1, 0, UINT_MAX));
    const bool force = arguments.takeFlag(QStringLiteral("--force"));
    arguments.finish();
    QTextStream log(stderr);
    if (db::IsServerAddress(config.companyDb)) {
        out() << CreateDemoOnServer(config.companyDb, employees, seed, force, log) << Qt::endl;
        return ExitOk;
    }
    // The company database may be the clerk's own, named only by RAR1_DB or rar1.conf.
    fileToWrite(config.companyDb, force);
    CreateDemoDatabase(config.companyDb, employees, seed, log);
    out() << DemoDatabaseSummary(config.companyDb) << Qt::endl;
    return ExitOk;
}

int ListBanks(const RuntimeConfig& baseConfig, Arguments& arguments)
{
    arguments.finish();
    // The banks and their default files need no company of the clerk's: without a database they
    // are read from a demo company of one employee, made for the moment.
    RuntimeConfig config = baseConfig;
    QTemporaryDir scratch;
    if (config.engine == QStringLiteral("sqlite") && !QFileInfo::exists(config.companyDb) && scratch.isValid()) {
        config.companyDb = config.systemDb = scratch.filePath(QStringLiteral("banks.db"));
        config.company = DemoCompanyNumber;
        QString discarded;
        QTextStream quiet(&discarded);
        CreateDemoDatabase(config.companyDb, 1, 1, quiet);
    }
    HeadlessHost host(config);
    for (int bank = 1; bank <= 28; ++bank) {
        QString defaultFile;
        QString name;
        try {
            MForm& window = host.OpenBank(bank);
            // The bank's name is its window's caption; banks 1 and 2 give their windows the general
            // caption, and their parameter dialogs the bank's name.
            name = window.windowTitle();
            const bool generalCaption = name == LoadFormResourceStr(QStringLiteral("WAGBK"), 10000);
            host.onModal([&defaultFile, &name, generalCaption](MForm& dialog) {
                defaultFile = dialog.property("DefaultFileName").toString();
                if (generalCaption)
                    name = dialog.windowTitle();
                return int(mrCancel);
            });
            host.RunCommand(window, cmdBankParameters);
        } catch (const std::exception& e) {
            name = QStringLiteral("(%1)").arg(QString::fromUtf8(e.what()));
        }
        out() << QStringLiteral("%1\t%2\t%3").arg(bank, 2).arg(name, defaultFile) << Qt::endl;
    }
    return ExitOk;
}

int BankParameters(const RuntimeConfig& config, Arguments& arguments)
{
    const int bank = arguments.takeBank();
    QMap<QString, QString> assignments;
    while (!arguments.rest().isEmpty()) {
        const QString word = arguments.takePositional(QStringLiteral("ID=VALUE"));
        const int equals = word.indexOf(u'=');
        if (equals <= 0)
            throw UsageError(HostText(260).arg(word).toStdString());
        assignments.insert(word.left(equals).toUpper(), word.mid(equals + 1));
    }
    HeadlessHost host(config);
    MForm& window = host.OpenBank(bank);
    QStringList unknown = assignments.keys(), refused;
    // The window's own options first: the parameter dialog shows itself by them.
    setKeptButtons(window, assignments, unknown, refused);
    host.onModal([&](MForm& dialog) {
        setKeptButtons(dialog, assignments, unknown, refused);
        std::vector<QWidget*> parameters;
        for (QWidget* control : dialog.findChildren<QWidget*>()) {
            const QString column = control->property("BankColumn").toString();
            if (column.isEmpty())
                continue;
            parameters.push_back(control);
            if (assignments.contains(column)) {
                unknown.removeAll(column);
                const QStringList takes = setParameterValue(control, assignments.value(column));
                if (!takes.isEmpty())
                    refused << HostText(262).arg(column, takes.join(QStringLiteral(" / ")));
            }
        }
        const bool saving = !assignments.isEmpty() && unknown.isEmpty() && refused.isEmpty();
        if (saving)
            dialog.component<QPushButton>(QStringLiteral("Btn_F8"))->click();
        // The values are shown as kept: none when they were not saved.
        if (!host.errors().isEmpty() || (!assignments.isEmpty() && !saving))
            return int(mrCancel);
        for (QWidget* control : parameters)
            out() << QStringLiteral("%1\t%2\t%3").arg(control->property("BankColumn").toString(), parameterLabel(control), parameterValue(control))
                  << Qt::endl;
        printKeptButtons(window);
        printKeptButtons(dialog);
        return int(mrCancel);
    });
    host.RunCommand(window, cmdBankParameters);
    reportErrors(host);
    if (!unknown.isEmpty()) {
        QTextStream(stderr) << "rar1: " << HostText(261).arg(bank).arg(unknown.join(QStringLiteral(", "))) << Qt::endl;
        return ExitError;
    }
    if (!refused.isEmpty()) {
        QTextStream(stderr) << "rar1: " << HostText(263).arg(bank).arg(refused.join(QStringLiteral("; "))) << Qt::endl;
        return ExitError;
    }
    return host.errors().isEmpty() ? ExitOk : ExitError;
}

int Transfer(const RuntimeConfig& baseConfig, Arguments& arguments)
{
    const int bank = arguments.takeBank();
    const std::optional<QString> file = arguments.take(QStringLiteral("--out"));
    if (!file)
        throw UsageError("transfer needs --out FILE");
    if (file->isEmpty())
        throw UsageError(HostText(605).arg(*file).toStdString());
    const bool force = arguments.takeFlag(QStringLiteral("--force"));
    const bool acceptChanges = arguments.takeFlag(QStringLiteral("--accept-changes"));
    const std::optional<QString> list = arguments.take(QStringLiteral("--list"));
    const WindowConditions conditions = WindowConditions::Take(arguments);
    DialogAnswerer answerer(DialogAnswers::Take(arguments));
    arguments.finish();

    const RuntimeConfig config = list ? printingToPdf(baseConfig, fileToWrite(*list, force), force) : baseConfig;
    HeadlessHost host(config);
    MForm& window = host.OpenBank(bank);
    if (!appliedConditions(host, window, conditions))
        return ExitError;

    host.setConfirmAnswer(force ? mrOk : mrCancel);
    host.setGoOnAnswer(acceptChanges ? mrOk : mrCancel);
    // A folder (an existing one, or any path ending with "/") takes the name the export dialog
    // proposes, which for some banks comes from the data (transfer date, pay month, customer code).
    const bool intoFolder = file->endsWith(u'/') || QFileInfo(*file).isDir();
    QString path = QFileInfo(*file).absoluteFilePath();
    host.onModal([&path, intoFolder, &answerer](MForm& dialog) {
        if (const std::optional<int> answered = answerer.Answer(dialog))
            return *answered;
        auto* pathFile = dialog.component<QLineEdit>(QStringLiteral("PathFile"));
        if (intoFolder) {
            const QFileInfo proposed(pathFile->text());
            // A name without a stem (".TXT" of a bank whose parameters name the file) is no name.
            if (proposed.completeBaseName().isEmpty())
                throw UsageError(HostText(605).arg(proposed.fileName()).toStdString());
            path = QDir(path).filePath(proposed.fileName());
        }
        pathFile->setText(path);
        dialog.component<QPushButton>(QStringLiteral("Btn_F8"))->click();
        return int(mrCancel);
    });
    const int messagesBefore = int(host.messages().size());
    answerer.answerForExport();
    host.RunCommand(window, cmdExport);
    if (reportHeldBack(answerer))
        return ExitRefused;
    // What changed since the bank's last file, a line each; a changed account not accepted holds the file.
    // A hundred thousand changes go out through one stream, flushed once.
    {
        QTextStream changes(stderr);
        for (const QString& review : host.reviewed())
            for (const QStringView line : QStringTokenizer(review, u'\n', Qt::SkipEmptyParts))
                changes << "rar1: " << line << '\n';
    }
    if (!host.declined().isEmpty())
        return ExitRefused;
    if (!host.refusedConfirmations().isEmpty()) {
        QTextStream(stderr) << "rar1: " << HostText(607).arg(path) << Qt::endl;
        return ExitRefused;
    }
    if (!host.errors().isEmpty()) {
        reportErrors(host);
        if (foundAFile(host, path))
            return ExitRefused;   // another export wrote the file meanwhile
        const QString refusal = LoadFormResourceStr(QStringLiteral("WAGBK"), 10087);
        for (const QString& error : host.errors()) {
            if (error.startsWith(refusal))
                return ExitRefused;
        }
        return ExitError;
    }
    const QString finished = LoadFormResourceStr(QStringLiteral("WAGBK"), 10082);
    bool written = false;
    for (int i = messagesBefore; i < host.messages().size(); ++i)
        written = written || host.messages().at(i).startsWith(finished);
    if (!written) {
        const QString why = host.messages().size() > messagesBefore ? host.messages().last() : QStringLiteral("nothing was written");
        QTextStream(stderr) << "rar1: " << why.simplified() << Qt::endl;
        return ExitError;
    }
    out() << QStringLiteral("employees: %1\ntotal: %2\nfile: %3")
                 .arg(window.property("TransferCount").toInt())
                 .arg(window.property("TransferTotal").toDouble(), 0, 'f', 0)
                 .arg(path)
          << Qt::endl;
    for (int i = messagesBefore; i < host.messages().size(); ++i) {
        const QStringList lines = host.messages().at(i).split(u'\n');
        for (int k = 1; k < lines.size(); ++k)
            out() << "warning: " << lines.at(k) << Qt::endl;
    }
    if (list) {
        const int printedBefore = int(host.messages().size());
        answerer.answerForPrint();
        host.RunCommand(window, cmdPrint);
        if (!printedToPdf(host, printedBefore, QStringLiteral("list")))
            return ExitError;
    }
    return ExitOk;
}

int TransferList(const RuntimeConfig& baseConfig, Arguments& arguments)
{
    const int bank = arguments.takeBank();
    const std::optional<QString> pdf = arguments.take(QStringLiteral("--pdf"));
    if (!pdf)
        throw UsageError("list needs --pdf FILE");
    const bool force = arguments.takeFlag(QStringLiteral("--force"));
    const WindowConditions conditions = WindowConditions::Take(arguments);
    DialogAnswerer answerer(DialogAnswers::Take(arguments));
    arguments.finish();

    HeadlessHost host(printingToPdf(baseConfig, fileToWrite(*pdf, force), force));
    MForm& window = host.OpenBank(bank);
    if (!appliedConditions(host, window, conditions))
        return ExitError;
    host.onModal([&answerer](MForm& dialog) { return answerer.Answer(dialog).value_or(int(mrCancel)); });
    const int messagesBefore = int(host.messages().size());
    answerer.answerForPrint();
    host.RunCommand(window, cmdPrint);
    if (reportHeldBack(answerer))
        return ExitRefused;
    return printedToPdf(host, messagesBefore, QStringLiteral("list")) ? ExitOk : ExitError;
}

int Describe(const RuntimeConfig& baseConfig, Arguments& arguments)
{
    const int bank = arguments.takeBank();
    const std::optional<QString> pdf = arguments.take(QStringLiteral("--pdf"));
    const bool force = arguments.takeFlag(QStringLiteral("--force"));
    arguments.finish();

    HeadlessHost host(pdf ? printingToPdf(baseConfig, fileToWrite(*pdf, force), force) : baseConfig);
    MForm& window = host.OpenBank(bank);
    host.onModal([&pdf](MForm& description) {
        if (pdf)
            description.component<QPushButton>(QStringLiteral("Btn_F8"))->click();
        else
            out() << description.component<QPlainTextEdit>(QStringLiteral("MMemo1"))->toPlainText() << Qt::endl;
        return int(mrCancel);
    });
    const int messagesBefore = int(host.messages().size());
    window.component<QAbstractButton>(QStringLiteral("Rem"))->click();
    if (pdf)
        return printedToPdf(host, messagesBefore, QStringLiteral("description")) ? ExitOk : ExitError;
    reportErrors(host);
    return host.errors().isEmpty() ? ExitOk : ExitError;
}

// Not in the usage: the floor the benchmark holds a printed list against. Paints the pages of a text
// file (pages parted by form feeds, as pdftotext gives a list's PDF) into a PDF, line by line in the
// lists' face: the same pages and texts through the same PDF writer and fonts, without laying out.
int LayOutPages(const RuntimeConfig&, Arguments& arguments)
{
    const QString textFile = arguments.takePositional(QStringLiteral("TEXT"));
    const std::optional<QString> pdf = arguments.take(QStringLiteral("--pdf"));
    arguments.finish();
    if (!pdf)
        throw UsageError("pages needs --pdf FILE");
    SafeFileWriter::CheckSource(textFile);
    QFile text(textFile);
    if (!text.open(QIODevice::ReadOnly))
        throw UsageError(HostText(604).arg(textFile, text.errorString()).toStdString());
    const QStringList pages = QString::fromUtf8(text.readAll()).split(u'\f', Qt::SkipEmptyParts);
    SafeFileDevice file(*pdf, Replacing::Allowed);
    QPdfWriter writer(&file);
    writer.setResolution(report::PdfResolution);
    writer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter;
    if (!painter.begin(&writer))
        throw std::runtime_error("the PDF file cannot be written");
    QFont design(QStringLiteral("新細明體"));
    design.setPointSize(9);
    painter.setFont(report::ResolveFont(design));
    const int lineHeight = painter.fontMetrics().height();
    for (qsizetype page = 0; page < pages.size(); ++page) {
        if (page > 0)
            writer.newPage();
        int y = lineHeight;
        for (const QString& line : pages[page].split(u'\n')) {
            painter.drawText(lineHeight, y, line);
            y += lineHeight;
        }
    }
    painter.end();
    file.Commit();
    out() << "pages: " << pages.size() << Qt::endl;
    return ExitOk;
}
