#pragma once

#include <QDialog>
#include <QStringList>

class Document;
class QWidget;

// Before a write to the radio: the points of the document that may make the
// radio misbehave, in one list, with "Write anyway" and "Cancel".
class WriteCheckDialog : public QDialog {
    Q_OBJECT
public:
    WriteCheckDialog(const QStringList& findings, QWidget* parent = nullptr);

    // True when the write may start: the check found nothing, or the user
    // chose Write anyway.
    static bool confirmWrite(const Document& doc, QWidget* parent);
};
