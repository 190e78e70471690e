#pragma once
// Helpers of the window component tests: message boxes recorded instead of shown, and a small
// local table of transfer-like rows.
#include "runtime/db/localtable.h"
#include "runtime/ui/automation.h"

#include <QString>
#include <vector>

// Records every message box and answers it with `answer` (mrOk unless changed).
class RecordedMessages {
public:
    explicit RecordedMessages(AutomationGuard& guard, int answer = 1)
    {
        guard.onMessage([this, answer](const MessageRequest& request) {
            requests.push_back(request);
            return answer;
        });
    }
    std::vector<MessageRequest> requests;
    QString lastText() const { return requests.empty() ? QString() : requests.back().text; }
};

// A fresh local table BACC_NO (text 20), YG_NAME (text 30), A_MTN (float "#,##0.00"), open, with
// `rows` rows: account "A<i>", name "N<i>", amount i * 10.5.
void FillTransferLikeTable(db::LocalTable& table, int rows);
