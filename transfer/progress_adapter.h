#pragma once
// Shows the selection's progress in the window's progress form and lets the clerk cancel it.
#include "transfer/transfer_table_builder.h"

#include <QElapsedTimer>
#include <optional>

class MProgressForm;

class ProgressWindowAdapter : public SelectionProgress {
public:
    explicit ProgressWindowAdapter(MProgressForm& form) : form_(form) {}
    void Start(std::function<int()> lineCount, const QString& text) override;
    bool Step(int taken, const std::function<QString()>& employeeName) override;
    void Finish() override;
    // The window is looked at every this many employees, and after this long without a look.
    static constexpr int StepsPerLook = 64;
    static constexpr int LookIntervalMs = 30;

private:
    MProgressForm& form_;
    std::function<int()> lineCount_;
    std::optional<int> lines_;   // counted once the window is to show them
    int steps_ = 0;
    QElapsedTimer sinceLook_;
    QString text_;   // "員工名稱", followed by the employee's name while the walk goes on
};
