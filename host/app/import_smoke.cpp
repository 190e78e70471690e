#include "import_smoke.h"

#include "main_window.h"

#include "company/import_texts.h"
#include "runtime/ui/message_list_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QTableWidget>
#include <QTextStream>
#include <QTimer>

namespace {

QAction* FindItem(MainWindow& window, const QString& text)
{
    for (QAction* menu : window.menuBar()->actions())
        for (QAction* item : menu->menu() ? menu->menu()->actions() : QList<QAction*>())
            if (item->text() == text)
                return item;
    return nullptr;
}

QStringList Column(const QTableWidget& table, bool headings)
{
    QStringList texts;
    const int count = headings ? table.columnCount() : table.rowCount();
    for (int i = 0; i < count; ++i) {
        const QTableWidgetItem* item = headings ? table.horizontalHeaderItem(i) : table.item(i, 0);
        texts << (item ? item->text().replace(u'\n', u' ') : QString());
    }
    return texts;
}

// Answers the modal dialog that is up, if any.
void Answer(QWidget* modal, const QString& file, QTextStream& out)
{
    if (auto* files = qobject_cast<QFileDialog*>(modal)) {
        // Typed as the clerk would: selectFile() leaves the name alone while its edit has the focus.
        if (auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->setText(file);
        else
            files->selectFile(file);
        QMetaObject::invokeMethod(files, "accept");
    } else if (auto* list = qobject_cast<MessageListDialog*>(modal)) {
        out << "refused: " << list->CountText() << Qt::endl;
        for (const QString& line : Column(*list->findChild<QTableWidget*>(), false))
            out << "refusal: " << line << Qt::endl;
        list->reject();
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        out << "message: " << box->text().replace(u'\n', QStringLiteral(" / ")) << Qt::endl;
        box->accept();
    } else if (auto* table = modal->findChild<QTableWidget*>()) {
        out << "preview: " << Column(*table, true).join(u'|') << Qt::endl;
        out << "preview rows: " << table->rowCount() << Qt::endl;
        static_cast<QDialog*>(modal)->accept();
    }
}

} // namespace

int RunImportSmoke(MainWindow& window, const QString& file)
{
    QTextStream out(stdout);
    QAction* import = FindItem(window, company::ImportString(141));
    if (!import) {
        out << "error: no import item" << Qt::endl;
        return 1;
    }
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget())
            Answer(modal, file, out);
    });
    answer.start(20);
    window.show();
    import->trigger();
    return 0;
}
