#pragma once
// Shows the selection's progress in the window's progress form and lets the clerk cancel it.
#include "transfer/transfer_table_builder.h"

class MProgressForm;

class ProgressWindowAdapter : public SelectionProgress {
public:
    explicit ProgressWindowAdapter(MProgressForm& form) : form_(form) {}
    void Start(int maximum, const QString& text) override;
    bool Step(int value, const QString& text) override;
    void Finish() override;

private:
    MProgressForm& form_;
};
