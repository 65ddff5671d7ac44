#pragma once

#include <QDialog>
#include <QStringList>

class Document;

// Before a write to the radio: the points of the document that may make the
// radio misbehave, in one list, with "Write anyway" and "Cancel".
class WriteCheckDialog : public QDialog {
    Q_OBJECT
public:
    WriteCheckDialog(const QStringList& findings, QWidget* parent = nullptr);

    // True when the write may start: the check found nothing, or the user
    // chose Write anyway (asked through the installed prompts).
    static bool confirmWrite(const Document& doc);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString m_announcement;  // what a screen reader is told when the list appears
};
