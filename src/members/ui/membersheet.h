#pragma once
// The member sheet of the member screen: filled from the screen's fields as
// they are (saved or not), then previewed or printed.

class QWidget;
class Record;

// The modal preview window (TfrmAnteprima) of the sheet.
void previewMemberSheet(QWidget* parent, const Record& member);
// The print dialog, then the sheet; a cancelled dialog prints nothing.
void printMemberSheet(QWidget* parent, const Record& member);
