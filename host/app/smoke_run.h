#pragma once
// A run without a clerk: opens one bank's window twice (the second time only brings it to the
// front), closes it, opens it once more and closes it again, writing what happened to standard
// output: "status: <status bar text>", "windows: N", "opened: <caption>", "place: X,Y WxH", "closed",
// "error: <text>", "message: <text>", "dialog: <form class>". Messages are acknowledged and dialogs cancelled meanwhile.
class MainWindow;

// 0 when each opening left exactly one window, 1 otherwise.
int RunSmoke(MainWindow& window, int bank);
