#pragma once
// Message boxes. With a message handler installed (automation.h) the handler answers instead.
#include <QString>

enum class MsgType { Information, Confirmation, Warning, Error };

// Buttons of a message box; combine with |.
enum MsgButton { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8 };

// Shows `text` with the given buttons and returns the answer as a modal result
// (mrOk, mrCancel, mrYes, mrNo); closing the box answers mrCancel (mrNo when there is no Cancel).
// A message that lists refused values, or a long one, is shown as a list (message_list.h).
int MessageDlg(const QString& text, MsgType type, int buttons);
// The answer of a message box that the clerk closed without choosing a button.
int ClosedAnswer(int buttons);
// The same with text `id` of the text group `group`.
int MessageById(const QString& group, int id, MsgType type, int buttons);
// An error for the clerk: an error box with an OK button.
void ShowError(const QString& text);
