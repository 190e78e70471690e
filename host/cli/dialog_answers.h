#pragma once
// How the command line answers the dialogs that stand between a command and its work:
//   a choice dialog (radio buttons Rad1, Rad2 ... confirmed with F8): Rad<K> is clicked, then F8;
//   K is --choice before an export and --form before a print (both 1 when not given);
//   a list that holds the command back until the clerk goes on with F6 (an account error list):
//   --continue clicks F6; without it the list is closed with Esc and its lines are kept for stderr.
#include "arguments.h"

#include <optional>

class MForm;

struct DialogAnswers {
    int choice = 1;
    int form = 1;
    bool continuePastLists = false;

    static DialogAnswers Take(Arguments& arguments);
    // The choice before an export alone, for a command that reads the file an export wrote.
    static DialogAnswers TakeChoice(Arguments& arguments);
};

class DialogAnswerer {
public:
    explicit DialogAnswerer(const DialogAnswers& answers) : answers_(answers) {}

    // The choice dialogs of the commands that follow are answered for an export, or for a print.
    void answerForExport() { radio_ = answers_.choice; }
    void answerForPrint() { radio_ = answers_.form; }

    // Answers `dialog` when it is a choice dialog or a list waiting for F6, and returns its modal
    // result; nothing for any other dialog. Raises when the choice dialog has no such choice.
    std::optional<int> Answer(MForm& dialog);

    // One line per row of the lists that were closed with Esc: "caption: cell cell ...".
    const QStringList& heldBack() const { return heldBack_; }

private:
    DialogAnswers answers_;
    int radio_ = 1;
    QStringList heldBack_;
};
