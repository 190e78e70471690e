#pragma once
// A run without a clerk of File > Import pay sheet…: the file dialog is given `file`, and each
// dialog that follows is reported on standard output and answered: "preview: <heading>|…" and
// "preview rows: N" (accepted), "refused: <count>" and "refusal: <line>" (closed), "message: <text>".
class MainWindow;
class QString;

// 0 when the menu item was there and ran, 1 otherwise.
int RunImportSmoke(MainWindow& window, const QString& file);
