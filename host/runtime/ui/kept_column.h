#pragma once
// Check boxes and radio buttons whose state a bank keeps in a column of its BANK1 row. Each carries
// the column and the text the column holds when the button is checked (a check box also the text
// for unchecked), so that a scripted run can set a bank's option by column, as the clerk would click.
#include <QString>
#include <vector>

class QAbstractButton;
class QWidget;

void KeepInColumn(QAbstractButton& button, const QString& column, const QString& checkedText,
                  const QString& uncheckedText = QString());

struct KeptButton {
    QAbstractButton* button;
    QString column, checkedText, uncheckedText;
};

// Every such button of `root` and its children.
std::vector<KeptButton> KeptButtons(const QWidget& root);
