#include "banks/wagbk2/account_error_list.h"

#include "common/temp_names.h"
#include "runtime/language.h"
#include "runtime/report/band.h"
#include "runtime/ui/guarded.h"
#include "runtime/ui/mbbdbgrid.h"
#include "transfer/dialog_buttons.h"
#include "transfer/report_form.h"
#include "transfer/transfer_table.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct ErrorColumn {
    const char* name;
    int size, labelId, displayWidth;
};
const ErrorColumn Columns[] = {{"BACC_NO", 20, 12014, 16}, {"YG_NO", 12, 12013, 12}, {"YG_NAME", 30, 12008, 20}};

// The grid's rows printed under the list's title, one line each.
class ErrorListPrintout : public ReportForm {
public:
    ErrorListPrintout(QWidget* owner, db::LocalTable& errors)
        : ReportForm(owner)
    {
        report::TQRBand& header = QuickRep1.addBand(report::BandType::PageHeader, QStringLiteral("PageHeaderBand1"), 3 * LineMm);
        report::TQRLabel& title = Caption(header, {0, 0, 190, LineMm}, LoadFormStr(10085));
        title.setAlignment(Qt::AlignHCenter);
        report::TQRBand& detail = QuickRep1.addBand(report::BandType::Detail, QStringLiteral("DetailBand1"), LineMm);
        double x = 0;
        for (const ErrorColumn& column : Columns) {
            const QString name = QLatin1String(column.name);
            Caption(header, {x, 2 * LineMm, 50, LineMm}, errors.fieldDef(name).displayLabel).setUnderline(true);
            detail.addDBText(QStringLiteral("QRDBText_") + name, {x, 0, 50, LineMm}, name);
            x += 55;
        }
        Rule(header, 2 * LineMm - 1);
        QuickRep1.setDataSet(&errors);
        LocalizeReport();
    }
};

} // namespace

TWagbk2cForm::TWagbk2cForm(QWidget* owner)
    : MForm(owner)
{
    MFormProperty1.FormRcID = QStringLiteral("WAGBK");
    setObjectName(QStringLiteral("TWagbk2cForm"));
    setWindowTitle(QStringLiteral("帳號錯誤一覽表,請修改"));

    MakeTempTableName(QStringLiteral("Dn4"), folder_, tableName_);
    ErrorTab.setDatabaseName(folder_);
    ErrorTab.setTableName(tableName_);
    for (const ErrorColumn& column : Columns)
        ErrorTab.addField(TextColumn(QLatin1String(column.name), column.size, column.labelId, column.displayWidth));
    ErrorTab.createTable();
    ErrorTab.open();

    grid_ = new MBBDBGrid(this);
    grid_->setObjectName(QStringLiteral("DBGrid1"));
    grid_->SetTable(&ErrorTab);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto addButton = [&](const char* name, const QString& caption, void (TWagbk2cForm::*handler)()) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        connect(button, &QPushButton::clicked, this, [this, handler] { RunGuarded([this, handler] { (this->*handler)(); }); });
        buttons->addWidget(button);
        return button;
    };
    addButton("Btn_F8", QStringLiteral("F8 打印"), &TWagbk2cForm::Btn_F8Click);
    Btn_F6 = addButton("Btn_F6", QStringLiteral("F6 繼續"), &TWagbk2cForm::Btn_F6Click);
    addButton("Btn_Esc", QStringLiteral("Esc 取消"), &TWagbk2cForm::Btn_EscClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
    resize(520, 360);
}

void TWagbk2cForm::SetErrors(const std::vector<AccountError>& errors, bool canContinue)
{
    ErrorTab.emptyTable();
    for (const AccountError& error : errors) {
        ErrorTab.append();
        ErrorTab.setField(QStringLiteral("BACC_NO"), error.account);
        ErrorTab.setField(QStringLiteral("YG_NO"), error.employee);
        ErrorTab.setField(QStringLiteral("YG_NAME"), error.name);
        ErrorTab.post();
    }
    ErrorTab.first();
    grid_->Refresh();
    Btn_F6->setEnabled(canContinue);
}

// The list's table goes with the dialog, and the file reserved for it too.
void TWagbk2cForm::FormDestroy()
{
    grid_->SetTable(nullptr);
    ErrorTab.close();
    ErrorTab.emptyTable();
    RemoveTempTableFile(folder_, tableName_);
}

void TWagbk2cForm::Btn_F8Click()
{
    ReleasedForm<ReportForm> printout(new ErrorListPrintout(this, ErrorTab));
    printout->Output(true);
}

void TWagbk2cForm::Btn_F6Click()
{
    if (Btn_F6->isEnabled())
        setModalResult(mrOk);
}

void TWagbk2cForm::Btn_EscClick()
{
    setModalResult(mrCancel);
}

bool TWagbk2cForm::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F6) {
        Btn_F6Click();
        return true;
    }
    return HandleDialogKeys(event, [this] { Btn_F8Click(); }, [this] { Btn_EscClick(); });
}
