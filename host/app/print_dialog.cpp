#include "print_dialog.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

bool ChoosePrinterInDialog(QPrinter& printer, int pageCount)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, qMax(1, pageCount));
    return dialog.exec() == QDialog::Accepted;
}
